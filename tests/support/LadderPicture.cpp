#include "support/LadderPicture.h"

#include "compiler/Numbers.h"
#include "model/ElementCatalogue.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace velmora::testing {

namespace {

[[noreturn]] void Malformed(std::string_view row, const std::string& why) {
    ADD_FAILURE() << "bad ladder picture row '" << row << "': " << why;
    std::abort();
}

std::vector<std::string> Tokens(std::string_view text) {
    std::vector<std::string> tokens;
    std::string current;
    int depth = 0;
    for (char ch : text) {
        if (ch == '[') {
            ++depth;
        } else if (ch == ']') {
            --depth;
        }
        if (ch == ' ' && depth == 0) {
            if (!current.empty()) {
                tokens.push_back(current);
                current.clear();
            }
        } else {
            current += ch;
        }
    }
    if (!current.empty()) {
        tokens.push_back(current);
    }
    return tokens;
}

std::int16_t NumberOf(std::string_view operand) {
    if (operand.empty()) {
        return -1;
    }
    if ((operand[0] >= '0' && operand[0] <= '9') || operand[0] == '-') {
        return static_cast<std::int16_t>(Atoi(operand));
    }
    std::size_t i = 1;
    if (operand.size() > 1 && operand[0] == 'D' && (operand[1] == 'C' || operand[1] == 'T')) {
        i = 2;
    }
    return static_cast<std::int16_t>(Atoi(operand.substr(i)));
}

int KindOfMnemonic(std::string_view row, std::string_view mnemonic) {
    for (const FunctionInfo& f : FunctionTable) {
        if (f.mnemonic == mnemonic) {
            return f.kind;
        }
    }
    Malformed(row, "unknown instruction " + std::string(mnemonic));
}

struct PendingBox {
    int row;
    int column;
    std::string text;
};

void PlaceBox(LadderProgram& program, const PendingBox& box, std::string_view rowText) {
    std::istringstream in(box.text.substr(1, box.text.size() - 2));
    std::string mnemonic;
    in >> mnemonic;
    const int kind = KindOfMnemonic(rowText, mnemonic);
    int width = 0;
    int height = 0;
    GetBoxSize(CellCode(kind, 0, 0), width, height);
    if (box.row + height > program.rowCount || box.column + width > ColumnsPerRow) {
        Malformed(rowText, "box does not fit");
    }
    for (int i = 0; i < height; ++i) {
        for (int j = 0; j < width; ++j) {
            LadderCell& cell = program.Row(box.row + i)[box.column + j];
            cell.code = CellCode(kind, i, j);
            cell.operand = {};
            cell.number = -1;
        }
    }
    LadderCell& name = program.Row(box.row)[box.column];
    name.SetOperand(mnemonic);
    std::string parameter;
    for (int j = 1; in >> parameter; ++j) {
        if (j >= width) {
            Malformed(rowText, "too many parameters for " + mnemonic);
        }
        LadderCell& cell = program.Row(box.row)[box.column + j];
        if (parameter != "_") {
            cell.SetOperand(parameter);
            cell.number = NumberOf(parameter);
        }
    }
}

} // namespace

std::unique_ptr<LadderProgram> Ladder(std::initializer_list<std::string_view> rows) {
    return LadderFromRows(std::vector<std::string_view>(rows.begin(), rows.end()));
}

std::unique_ptr<LadderProgram> LadderFromRows(const std::vector<std::string_view>& rowTexts) {
    if (rowTexts.size() > static_cast<std::size_t>(LadderProgram::MaxRows)) {
        Malformed(rowTexts.back(), "more rows than a ladder holds");
    }
    auto program = std::make_unique<LadderProgram>();
    program->rowCount = static_cast<std::int16_t>(rowTexts.size());
    std::vector<PendingBox> boxes;

    for (int r = 0; r < program->rowCount; ++r) {
        std::string_view text = rowTexts[static_cast<std::size_t>(r)];
        const std::size_t commentAt = text.find(" ; ");
        if (commentAt != std::string_view::npos) {
            program->SetComment(r, text.substr(commentAt + 3));
            text = text.substr(0, commentAt);
        }
        LadderRow& row = program->Row(r);
        std::vector<std::string> tokens = Tokens(text);
        if (!tokens.empty() && tokens[0] == "CODT") {
            if (tokens.size() > 9) {
                Malformed(text, "a data-table row holds eight values");
            }
            for (int c = 0; c < ColumnsPerRow; ++c) {
                row[c].code = CellCode(Kind::CODT, 0, c);
                if (static_cast<std::size_t>(c + 1) < tokens.size()) {
                    row[c].SetOperand(tokens[static_cast<std::size_t>(c + 1)]);
                    row[c].number = NumberOf(row[c].OperandText());
                }
            }
            continue;
        }
        int column = 0;
        for (std::size_t t = 0; t < tokens.size(); ++t) {
            std::string token = tokens[t];
            if (token == "...") {
                const int remaining = static_cast<int>(tokens.size() - t - 1);
                while (column < ColumnsPerRow - remaining) {
                    row[column++].code = Element::Line;
                }
                continue;
            }
            if (column >= ColumnsPerRow) {
                Malformed(text, "more than eight cells");
            }
            LadderCell& cell = row[column];
            if (token.size() > 1 && token.back() == '+') {
                cell.verticalLine = 1;
                token.pop_back();
            }
            if (token == ".") {
            } else if (token == "#") {
            } else if (token == "--") {
                cell.code = Element::Line;
            } else if (token.front() == '[' && token.back() == ']') {
                boxes.push_back({r, column, token});
            } else if (token.front() == '(' && token.back() == ')') {
                const bool inverted = token.size() > 2 && token[1] == '/';
                cell.code = inverted ? Element::InvertedCoil : Element::Coil;
                cell.SetOperand(token.substr(inverted ? 2 : 1, token.size() - (inverted ? 3 : 2)));
                cell.number = NumberOf(cell.OperandText());
            } else if (token.front() == '/') {
                cell.code = Element::ClosedContact;
                cell.SetOperand(token.substr(1));
                cell.number = NumberOf(cell.OperandText());
            } else {
                cell.code = Element::OpenContact;
                cell.SetOperand(token);
                cell.number = NumberOf(cell.OperandText());
            }
            ++column;
        }
    }
    for (const PendingBox& box : boxes) {
        PlaceBox(*program, box, rowTexts[static_cast<std::size_t>(box.row)]);
    }
    // Data-table blocks: consecutive CODT rows, numbered inside the block.
    for (int r = 0; r < program->rowCount;) {
        if (KindOf(program->Row(r)[0].code) != Kind::CODT) {
            ++r;
            continue;
        }
        int end = r;
        while (end < program->rowCount && KindOf(program->Row(end)[0].code) == Kind::CODT) {
            ++end;
        }
        for (int i = r; i < end; ++i) {
            for (int c = 0; c < ColumnsPerRow; ++c) {
                LadderCell& cell = program->Row(i)[c];
                cell.code = CellCode(Kind::CODT, i - r, c);
                cell.tableRows = end - r;
            }
        }
        r = end;
    }
    return program;
}

std::unique_ptr<LadderProgram> Ladder(const std::vector<std::string>& rows) {
    return LadderFromRows(std::vector<std::string_view>(rows.begin(), rows.end()));
}

} // namespace velmora::testing
