#include "document/SymbolComments.h"

#include "compiler/Numbers.h"
#include "model/EditorSelection.h"
#include "model/ElementCatalogue.h"
#include "model/LadderProgram.h"
#include "platform/Gbk.h"
#include "platform/OutputPanes.h"
#include "platform/ProgramDirectory.h"
#include "platform/Ui.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <istream>

namespace velmora {

namespace {

struct AddressRange {
    char letter;
    int bytes;
    int base;
};

constexpr std::array<AddressRange, 7> AddressRanges = {{
    {'X', 64, 0},
    {'Y', 48, 64},
    {'A', 32, 112},
    {'F', 64, 144},
    {'G', 64, 208},
    {'K', 64, 272},
    {'R', 512, 336},
}};

// The ranges the export writes, in its order.
struct ExportRange {
    char letter;
    int firstByte;
    int lastByte;
};

constexpr std::array<ExportRange, 5> ExportRanges = {{
    {'X', 0, 6},
    {'Y', 0, 5},
    {'K', 6, 63},
    {'A', 0, 31},
    {'R', 0, 511},
}};

// A read takes at most this many characters; a longer line is cut and ends the import.
constexpr std::size_t MaxLineLength = 127;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The table position of a bit address text, or throws.
int SlotPosition(std::string_view text, int& slot) {
    if (text.size() < 6 || !IsDigit(text[1]) || !IsDigit(text[2]) || !IsDigit(text[3])) {
        throw SymbolCommentError();
    }
    const int byte = (text[1] - '0') * 100 + (text[2] - '0') * 10 + (text[3] - '0');
    const int index = AddressIndex(text[0], byte);
    if (index < 0 || text[5] < '0' || text[5] > '7') {
        throw SymbolCommentError();
    }
    slot = text[5] - '0' + 1;
    return index;
}

// Applies one line; false when the line ends the import.
bool ImportLine(SymbolCommentTable& table, std::string_view line) {
    if (line.size() < 3 || line.substr(0, 3) == "end") {
        return false;
    }
    char letter = line[0];
    if (letter >= 'a' && letter <= 'z') {
        letter = static_cast<char>(letter - 'a' + 'A');
    }
    if (letter == 'I') {
        return true;
    }
    bool known = false;
    for (const AddressRange& range : AddressRanges) {
        known = known || range.letter == letter;
    }
    if (!known) {
        return false;
    }
    const int index = AddressIndex(letter, Atoi(line.substr(1, 3)));
    if (index < 0) {
        return true;
    }
    const int digit = line.size() > 4 && IsDigit(line[4]) ? line[4] - '0' : 0;
    if (digit > 8) {
        return false;
    }
    table.Slot(index, digit) = std::string(line.size() > 6 ? line.substr(6) : std::string_view{});
    return true;
}

// Feeds lines to ImportLine until one ends the import or the input runs out. nextLine(line,
// overlong) yields the next line without its line break and returns false at the end of input.
template <class NextLine> void ImportLines(SymbolCommentTable& table, NextLine nextLine) {
    std::string line;
    bool overlong = false;
    while (nextLine(line, overlong)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.size() > MaxLineLength) {
            overlong = true;
        }
        if (overlong) {
            line.resize(GbkCutLength(line, MaxLineLength));
        }
        // Text stops at a NUL, as it would for any string function reading the line.
        line.resize(std::min(line.size(), line.find('\0')));
        if (!ImportLine(table, line) || overlong) {
            return;
        }
    }
}

// Lines of a stream; a line is read no further than needed to see that it is too long, so a
// huge file without line breaks costs no memory.
bool NextStreamLine(std::istream& in, std::string& line, bool& overlong) {
    line.clear();
    overlong = false;
    int ch = in.get();
    if (ch == std::char_traits<char>::eof()) {
        return false;
    }
    while (ch != std::char_traits<char>::eof() && ch != '\n') {
        if (line.size() > MaxLineLength + 1) {
            overlong = true;
            break;
        }
        line.push_back(static_cast<char>(ch));
        ch = in.get();
    }
    return true;
}

} // namespace

SymbolCommentTable::SymbolCommentTable()
    : texts(static_cast<std::size_t>(AddressCount * SlotCount)) {}

std::string& SymbolCommentTable::Slot(int addressIndex, int slot) {
    return texts.at(static_cast<std::size_t>(addressIndex * SlotCount + slot));
}

const std::string& SymbolCommentTable::Slot(int addressIndex, int slot) const {
    return texts.at(static_cast<std::size_t>(addressIndex * SlotCount + slot));
}

int AddressIndex(char letter, int byte) {
    for (const AddressRange& range : AddressRanges) {
        if (range.letter == letter) {
            return byte >= 0 && byte < range.bytes ? range.base + byte : -1;
        }
    }
    return -1;
}

SymbolCommentError::SymbolCommentError() : std::runtime_error("Error Note!") {}

std::string& SymbolComment(SymbolCommentTable& table, std::string_view addressText) {
    int slot = 0;
    const int index = SlotPosition(addressText, slot);
    return table.Slot(index, slot);
}

const std::string& SymbolComment(const SymbolCommentTable& table, std::string_view addressText) {
    int slot = 0;
    const int index = SlotPosition(addressText, slot);
    return table.Slot(index, slot);
}

std::string& SymbolComment(SymbolCommentTable& table, const LadderProgram& program,
                           const EditorSelection& selection) {
    const bool noCursor = selection.cursor.column < 0 || selection.cursor.row < 0;
    const int column = noCursor ? 0 : selection.cursor.column;
    const int row = noCursor ? 0 : selection.cursor.row;
    if (row >= program.rowCount || column >= ColumnsPerRow) {
        throw SymbolCommentError();
    }
    const LadderCell& cell = program.Row(row)[column];
    if (cell.code < Element::ClosedContact || cell.code >= Element::FirstBoxCode) {
        throw SymbolCommentError();
    }
    return SymbolComment(table, cell.OperandText());
}

bool SetSymbolComment(SymbolCommentTable& table, const LadderProgram& program,
                      const EditorSelection& selection, std::string_view text, OutputPanes& panes,
                      Ui& ui) {
    try {
        SymbolComment(table, program, selection) = std::string(text);
    } catch (const SymbolCommentError& error) {
        ui.MessageBox(error.what());
        return false;
    }
    panes.SetOutputText(GbkToUtf8(text));
    return true;
}

bool ImportSymbolComments(SymbolCommentTable& table, const std::string& path) {
    std::string file = path;
    if (file.empty()) {
        const std::string directory = ProgramDirectory();
        if (directory.empty()) {
            return false;
        }
        file = directory + "/" + std::string(DefaultCommentFileName);
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return false;
    }
    ImportLines(table, [&in](std::string& line, bool& overlong) {
        return NextStreamLine(in, line, overlong);
    });
    return true;
}

void ParseSymbolComments(SymbolCommentTable& table, std::string_view text) {
    std::size_t position = 0;
    ImportLines(table, [&](std::string& line, bool& overlong) {
        if (position >= text.size()) {
            return false;
        }
        std::size_t end = text.find('\n', position);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        line.assign(text.substr(position, end - position));
        overlong = false;
        position = end + 1;
        return true;
    });
}

std::string ExportSymbolComments(const SymbolCommentTable& table) {
    std::string text = "%\r\n";
    for (const ExportRange& range : ExportRanges) {
        for (int byte = range.firstByte; byte <= range.lastByte; ++byte) {
            const int index = AddressIndex(range.letter, byte);
            for (int bit = 0; bit < 8; ++bit) {
                const std::string_view comment(table.Slot(index, bit + 1).c_str());
                if (comment.empty()) {
                    continue;
                }
                // The comment of X012.3 goes out as the line "X0123     text".
                text += range.letter;
                text += static_cast<char>('0' + byte / 100);
                text += static_cast<char>('0' + byte / 10 % 10);
                text += static_cast<char>('0' + byte % 10);
                text += static_cast<char>('0' + bit);
                text += "     ";
                text += comment;
                text += "\r\n";
            }
        }
    }
    text += "end\r\n";
    return text;
}

} // namespace velmora
