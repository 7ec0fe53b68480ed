#include "document/LadderFile.h"

#include "compiler/LadderCompiler.h"
#include "compiler/Numbers.h"
#include "document/SymbolComments.h"
#include "model/ElementCatalogue.h"
#include "model/LadderInfo.h"
#include "model/LadderProgram.h"
#include "platform/Gbk.h"
#include "platform/OutputPanes.h"
#include "platform/Ui.h"

#include <algorithm>
#include <cstring>

namespace velmora {

namespace {

using namespace LadderFileLayout;

std::uint16_t Word(const char* p) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(p[0]) |
                                      (static_cast<unsigned char>(p[1]) << 8));
}

void PutWord(std::string& out, std::uint16_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

void PutLong(std::string& out, std::uint32_t value) {
    PutWord(out, static_cast<std::uint16_t>(value & 0xFFFF));
    PutWord(out, static_cast<std::uint16_t>(value >> 16));
}

void PutField(std::string& out, const char* field, std::size_t width) { out.append(field, width); }

// Text up to its first NUL, NUL-padded to the width.
void PutText(std::string& out, std::string_view text, std::size_t width) {
    text = text.substr(0, std::min(width, text.find('\0')));
    out += text;
    out.append(width - text.size(), '\0');
}

bool FormatError(LadderProgram& program, OutputPanes& panes, Ui& ui) {
    ui.MessageBox("无法打开梯形图文件!");
    panes.AppendOutputLine("格式错误!\r\n无法打开梯形图文件!");
    program.rowCount = 0;
    return false;
}

void ReadCell(const char* p, LadderCell& cell) {
    cell.Initialise();
    cell.code = Word(p);
    cell.verticalLine = Word(p + 2);
    cell.number = static_cast<std::int16_t>(Word(p + 4));
    std::memcpy(cell.operand.data(), p + 6, LadderCell::OperandSize);
    // A field without NUL would leave no room for one; keep at most six characters then.
    if (!std::memchr(cell.operand.data(), '\0', cell.operand.size())) {
        const std::string_view all(cell.operand.data(), cell.operand.size());
        const std::size_t keep = GbkCutLength(all, LadderCell::OperandSize - 1);
        std::fill(cell.operand.begin() + static_cast<std::ptrdiff_t>(keep), cell.operand.end(),
                  '\0');
    }
}

bool IsTableRow(const LadderRow& row) { return KindOf(row[0].code) == Kind::CODT; }

// Gives every cell of the data-table run that ends at row last its length.
void MarkTableRun(LadderProgram& program, int last, int length) {
    for (int r = last; r >= 0 && IsTableRow(program.Row(r)); --r) {
        for (LadderCell& cell : program.Row(r).cells) {
            cell.tableRows = length;
        }
    }
}

std::uint16_t NumberSlot(const LadderCell& cell) {
    const std::string_view text = cell.OperandText();
    const int value = text.empty() ? 0 : Atoi(text.substr(1));
    if (value == cell.number) {
        return static_cast<std::uint16_t>(cell.number);
    }
    if (!text.empty() && std::string_view("XYGFRKA").find(text[0]) != std::string_view::npos) {
        return static_cast<std::uint16_t>(value);
    }
    return static_cast<std::uint16_t>(cell.number);
}

int BoxColumn(const LadderRow& row) {
    for (int c = 0; c < ColumnsPerRow; ++c) {
        if (IsBoxCode(row[c].code)) {
            return c;
        }
    }
    return -1;
}

} // namespace

bool IsConFileName(std::string_view fileName) {
    const std::size_t slash = fileName.rfind('/');
    if (slash != std::string_view::npos) {
        fileName.remove_prefix(slash + 1);
    }
    if (fileName.size() < 3) {
        return false;
    }
    const std::string_view tail = fileName.substr(fileName.size() - 3);
    auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
    return upper(tail[0]) == 'C' && upper(tail[1]) == 'O' && upper(tail[2]) == 'N';
}

bool ReadLadder(std::string_view bytes, std::string_view fileName, LadderProgram& program,
                LadderProgram& oldProgram, LadderInfo& info, SymbolCommentTable& symbolComments,
                LadderCompiler& compiler, OutputPanes& panes, Ui& ui) {
    program.Clear();
    oldProgram.Clear();
    // The compiler may run on a ladder that failed to load; it must never see a stale program.
    compiler.program = &program;
    if (bytes.empty()) {
        return true;
    }
    panes.ClearOutput();
    panes.AppendOutputLine("正在载入文件......");
    const bool con = IsConFileName(fileName);

    if (bytes.size() < 2) {
        return FormatError(program, panes, ui);
    }
    const auto rowCount =
        static_cast<std::int16_t>(static_cast<std::uint16_t>(Word(bytes.data()) + 1));
    if (rowCount > LadderProgram::MaxRows || rowCount < 0) {
        return FormatError(program, panes, ui);
    }
    const std::size_t rowSize = con ? ConRowRecordSize : RowRecordSize;
    if (bytes.size() < HeaderSize + static_cast<std::size_t>(rowCount) * rowSize) {
        return FormatError(program, panes, ui);
    }

    const char* p = bytes.data() + 2;
    program.end1Row = Word(p);
    program.lastStep = Word(p + 2);
    program.level1End = Word(p + 4);
    p += 6;
    std::memcpy(info.version.data(), p, info.version.size());
    p += info.version.size();
    std::memcpy(info.machine.data(), p, info.machine.size());
    p += info.machine.size();
    std::memcpy(info.modifier.data(), p, info.modifier.size());
    p += info.modifier.size();
    std::memcpy(info.date.data(), p, info.date.size());
    p += info.date.size();

    program.rowCount = rowCount;
    int tableRun = 0;
    for (int r = 0; r < rowCount; ++r) {
        LadderRow& row = program.Row(r);
        for (int c = 0; c < ColumnsPerRow; ++c) {
            if (con && c == CoilColumn) {
                p += ConSkippedBytes;
            }
            ReadCell(p, row[c]);
            p += CellRecordSize;
        }
        if (con) {
            program.SetComment(r, "");
        } else {
            program.SetComment(r, FieldText(p, CommentBytes));
            p += CommentBytes;
        }
        if (IsTableRow(row)) {
            ++tableRun;
        } else if (tableRun > 0) {
            MarkTableRun(program, r - 1, tableRun);
            tableRun = 0;
        }
    }
    if (tableRun > 0) {
        MarkTableRun(program, rowCount - 1, tableRun);
    }

    ImportSymbolComments(symbolComments, {});
    panes.AppendOutputLine("文件载入完成!");
    compiler.PreCheck();
    return true;
}

std::string WriteLadder(const LadderProgram& program, LadderInfo& info, OutputPanes& panes,
                        std::time_t now) {
    char date[64] = {};
    std::tm local{};
    if (localtime_r(&now, &local)) {
        std::strftime(date, sizeof date, "%Y-%m-%d %H:%M", &local);
    }
    SetField(info.date.data(), info.date.size(), date);
    panes.ClearOutput();
    panes.AppendOutputLine("正在保存文件......");

    const int rows = std::clamp<int>(program.rowCount, 0, LadderProgram::MaxRows);
    std::string out;
    out.reserve(HeaderSize + static_cast<std::size_t>(rows) * RowRecordSize);
    PutWord(out, static_cast<std::uint16_t>(rows - 1));
    PutWord(out, program.end1Row);
    PutWord(out, program.lastStep);
    PutWord(out, program.level1End);
    PutField(out, info.version.data(), info.version.size());
    PutField(out, info.machine.data(), info.machine.size());
    PutField(out, info.modifier.data(), info.modifier.size());
    PutField(out, info.date.data(), info.date.size());
    for (int r = 0; r < rows; ++r) {
        for (const LadderCell& cell : program.Row(r).cells) {
            PutWord(out, cell.code);
            PutWord(out, static_cast<std::uint16_t>(cell.verticalLine & 0xFFFF));
            PutWord(out, NumberSlot(cell));
            PutField(out, cell.operand.data(), cell.operand.size());
        }
        PutText(out, program.CommentText(r), CommentBytes);
    }
    panes.AppendOutputLine("文件保存完成.");
    return out;
}

std::string WriteRowCommentRecords(const LadderProgram& program, OutputPanes& panes) {
    panes.AppendOutputLine("正在保存注释......");
    std::string out;
    for (int i = 0; i < LadderProgram::MaxRows; ++i) {
        const std::string_view text = program.CommentText(i);
        if (text.empty()) {
            continue;
        }
        PutWord(out, RowCommentMarker);
        PutLong(out, static_cast<std::uint32_t>(i));
        PutWord(out, static_cast<std::uint16_t>(text.size()));
        out += text;
    }
    panes.AppendOutputLine("保存注释完成");
    return out;
}

void ExpandBoxes(LadderProgram& program, Ui& ui) {
    bool full = false;
    int r = 0;
    while (r <= program.rowCount - 1) {
        const int c = BoxColumn(program.Row(r));
        if (c < 0 || !ExpandsOnLoad(program.Row(r)[c].code) ||
            RowOffsetOf(program.Row(r)[c].code) != 0) {
            ++r;
            continue;
        }
        const ElementCode x = program.Row(r)[c].code;
        const int kind = KindOf(x);
        int width = 1;
        int height = 1;
        GetBoxSize(x, width, height);
        const int lastColumn = std::min(c + width - 1, ColumnsPerRow - 1);
        // Rows past the end stand for the last row.
        auto rowAt = [&program](int index) -> LadderRow& {
            return program.Row(std::min(index, program.rowCount - 1));
        };
        bool single = false;
        for (int i = 1; i < height; ++i) {
            const ElementCode below = rowAt(r + i)[c].code;
            if ((below & ~0x0F) == CellCode(kind, i, 0)) {
                // A box already at full height: its lower cells carry no operands.
                for (int j = 0; j < height; ++j) {
                    for (int k = c; k <= lastColumn; ++k) {
                        LadderCell& cell = rowAt(r + j)[k];
                        if (RowOffsetOf(cell.code) >= 1) {
                            cell.operand = {};
                        }
                    }
                }
                continue;
            }
            // The missing rows go in as one block, so a refusal leaves no half-built box. After
            // one refusal every later insertion would be refused too; say so only once.
            if (full || !program.InsertRows(r + i, height - i, ui)) {
                full = true;
                single = true;
                break;
            }
            for (int j = i; j < height; ++j) {
                LadderRow& row = program.Row(r + j);
                for (int k = c; k <= lastColumn; ++k) {
                    row[k].Initialise();
                    row[k].code = CellCode(kind, j, k - c);
                }
            }
            break;
        }
        r += single ? 1 : height;
    }
}

} // namespace velmora
