#include "tools/LargeLadder.h"

#include "compiler/LadderCompiler.h"
#include "model/ElementCatalogue.h"
#include "platform/Gbk.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace velmora {

namespace {

std::string Format(const char* pattern, int a, int b = 0) {
    char text[32];
    std::snprintf(text, sizeof text, pattern, a, b);
    return text;
}

// Draws networks row by row, the way the editor stores them, and hands out numbers and output
// addresses so that nothing is claimed twice.
class LadderDrawer {
public:
    explicit LadderDrawer(LadderProgram& program) : p(program) {}

    int row = 0;

    LadderCell& At(int r, int c) {
        if (r < 0 || r >= p.rowCount || c < 0 || c >= ColumnsPerRow) {
            throw std::out_of_range("the generated ladder does not fit its rows");
        }
        return p.Row(r)[c];
    }

    void Contact(int r, int c, const std::string& address, bool closed = false) {
        LadderCell& cell = At(r, c);
        cell.code = closed ? Element::ClosedContact : Element::OpenContact;
        cell.SetOperand(address);
        cell.number = static_cast<std::int16_t>(std::atoi(address.c_str() + 1));
    }
    // A contact on some input, now and then normally closed.
    void AnyContact(int r, int c) { Contact(r, c, Input(), Draw(4) == 0); }
    void Lines(int r, int from, int to) {
        for (int c = from; c <= to; ++c) {
            At(r, c).code = Element::Line;
        }
    }
    void Coil(int r, bool inverted = false) {
        LadderCell& cell = At(r, CoilColumn);
        cell.code = inverted ? Element::InvertedCoil : Element::Coil;
        const std::string address = NextOutput();
        cell.SetOperand(address);
        cell.number = static_cast<std::int16_t>(std::atoi(address.c_str() + 1));
    }
    void Link(int r, int c) { At(r, c).verticalLine = 1; }
    void Comment(int r, std::string_view utf8) { p.SetComment(r, Utf8ToGbk(utf8)); }

    // A box with its head at (r, c): name, parameters, and its lower rows without text.
    void Box(int r, int c, int kind, const std::vector<std::string>& parameters) {
        const FunctionInfo& info = *FindFunction(kind);
        for (int i = 0; i < info.height; ++i) {
            for (int j = 0; j < info.width; ++j) {
                At(r + i, c + j).code = CellCode(kind, i, j);
            }
        }
        At(r, c).SetOperand(info.mnemonic);
        for (std::size_t j = 0; j < parameters.size(); ++j) {
            LadderCell& cell = At(r, c + 1 + static_cast<int>(j));
            cell.SetOperand(parameters[j]);
            const std::string& text = parameters[j];
            const bool constant = text[0] >= '0' && text[0] <= '9';
            cell.number = static_cast<std::int16_t>(std::atoi(text.c_str() + (constant ? 0 : 1)));
        }
    }

    // A box network: a series of contacts left of the box in each of its condition rows, lines
    // to the coil column and a coil when the box drives one.
    void BoxNetwork(int kind, int column, const std::vector<std::string>& parameters) {
        const FunctionInfo& info = *FindFunction(kind);
        if (LadderCompiler::NeedsCondition(CellCode(kind, 0, 0))) {
            for (int i = 0; i < info.inputRows; ++i) {
                for (int c = 0; c < column; ++c) {
                    AnyContact(row + i, c);
                }
            }
        }
        Box(row, column, kind, parameters);
        if (LadderCompiler::HasOutput(CellCode(kind, 0, 0))) {
            Lines(row, column + info.width, CoilColumn - 1);
            Coil(row);
        } else {
            Lines(row, column + info.width, CoilColumn);
        }
        row += info.height;
    }

    // Boxes that take no conditions stand where the editor puts them, in the middle column.
    void Marker(int kind, const std::vector<std::string>& parameters = {}) {
        BoxNetwork(kind, 4, parameters);
    }

    // One row of n contacts in series and a coil.
    void Series(int contacts) {
        for (int c = 0; c < contacts; ++c) {
            AnyContact(row, c);
        }
        Lines(row, contacts, CoilColumn - 1);
        Coil(row, Draw(8) == 0);
        ++row;
    }

    // Many inputs on one output: one contact per row, each row a branch of an OR.
    void OrCollection(int rows) {
        AnyContact(row, 0);
        AnyContact(row, 1);
        Lines(row, 2, CoilColumn - 1);
        Coil(row);
        for (int i = 0; i < rows - 1; ++i) {
            Link(row + i, 0);
            AnyContact(row + i + 1, 0);
        }
        row += rows;
    }

    // Two contacts, the second bypassed by a branch: RD, RD, OR, AND.STK.
    void AndOfOr() {
        AnyContact(row, 0);
        AnyContact(row, 1);
        Lines(row, 2, CoilColumn - 1);
        Coil(row);
        Link(row, 0);
        Link(row, 1);
        AnyContact(row + 1, 1);
        row += 2;
    }

    // Two series of two contacts in parallel: OR.STK.
    void OrOfAnd() {
        AnyContact(row, 0);
        AnyContact(row, 1);
        AnyContact(row, 2);
        Lines(row, 3, CoilColumn - 1);
        Coil(row);
        Link(row, 2);
        AnyContact(row + 1, 0);
        AnyContact(row + 1, 1);
        AnyContact(row + 1, 2);
        row += 2;
    }

    // One condition driving several coils hung below each other.
    void CoilFan(int coils) {
        AnyContact(row, 0);
        AnyContact(row, 1);
        Lines(row, 2, CoilColumn - 1);
        Coil(row);
        for (int i = 1; i < coils; ++i) {
            Link(row + i - 1, CoilColumn - 1);
            Coil(row + i);
        }
        row += coils;
    }

    void Blank() { ++row; }

    int Draw(int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); }

    // Numbers of the numbered boxes, each used once.
    int counter = 0;
    int timer = 0;
    int timerB = 0;
    int edge = 0;
    int label = 0;
    int data = 0; // varies the data addresses of the boxes

private:
    std::string Input() {
        static constexpr std::array<char, 3> Letters{'X', 'F', 'R'};
        const int n = inputs++;
        return Format("%c%03d.", Letters[static_cast<std::size_t>(n % 3)], n / 3 % 64) +
               static_cast<char>('0' + n / 192 % 8);
    }

    // Output bits in the order Y, R (without the reserved R255), K (from K006) and A.
    std::string NextOutput() {
        int n = outputs++;
        if (n < 48 * 8) {
            return Format("Y%03d.%d", n / 8, n % 8);
        }
        n -= 48 * 8;
        if (n < 500 * 8) {
            const int byte = n / 8 < 255 ? n / 8 : n / 8 + 1;
            return Format("R%03d.%d", byte, n % 8);
        }
        n -= 500 * 8;
        return Format("K%03d.%d", 6 + n / 8, n % 8);
    }

    LadderProgram& p;
    int inputs = 0;
    int outputs = 0;
    std::minstd_rand random{20040318};
};

// Parameters of a box as the editor stores them; k varies the data addresses.
std::vector<std::string> Parameters(int kind, LadderDrawer& d) {
    const int k = d.data++ % 40;
    const auto D = [k](int offset) { return Format("D%03d", (k * 6 + offset) % 250); };
    const auto R = [k](int offset) { return Format("R%03d", 300 + (k * 4 + offset) % 200); };
    switch (kind) {
    case Kind::CTR:
        return {Format("%04d", d.counter++)};
    case Kind::TMR:
        return {Format("%04d", d.timer++)};
    case Kind::TMRC:
        return {"0001", Format("%04d", d.timer++)};
    case Kind::TMRB:
        return {"0002", Format("%04d", d.timerB++), "1500"};
    case Kind::DIFU:
    case Kind::DIFD:
        return {Format("%04d", d.edge++)};
    case Kind::ROT:
        return {D(0), D(2), D(4), R(0)};
    case Kind::COMP:
    case Kind::COIN:
        return {"0002", D(0), D(2)};
    case Kind::MOVN:
        return {"0004", D(0), R(0)};
    case Kind::DSCH:
    case Kind::XMOV:
        return {"0002", D(0), D(2), D(4), D(6)};
    case Kind::ADD:
    case Kind::SUB:
    case Kind::EOR:
    case Kind::ANDF:
    case Kind::ORF:
        return {"0002", D(0), D(2), R(0)};
    case Kind::DEC:
        return {"0001", D(0), "0123", R(0)};
    case Kind::NOT:
        return {"0001", D(0), R(0)};
    case Kind::RST:
    case Kind::SET:
        return {Format("R%03d.%d", 100 + k, k % 8)};
    case Kind::SFT:
        return {R(0), "1001"};
    case Kind::MOVB:
        return {D(0), R(0)};
    case Kind::MOVW:
        return {"0100", D(0)};
    case Kind::AXCTL:
        return {"0005", D(0)};
    default:
        return {};
    }
}

// Where each box kind stands: as far left as its width and its conditions allow variety.
int BoxColumn(int kind) {
    const FunctionInfo& info = *FindFunction(kind);
    return info.width >= 5 ? 1 : 2;
}

constexpr int SubprogramCount = 4;

// A COD box and its data table: 40 byte entries or 16 word entries.
void CodTable(LadderDrawer& d, bool words) {
    const int entries = words ? 16 : 40;
    const int k = d.data++ % 40;
    d.BoxNetwork(Kind::COD, 1,
                 {words ? "0002" : "0001", Format("%04d", entries), Format("D%03d", 200 + k),
                  Format("R%03d", 300 + k)});
    const int rows = entries / 8;
    for (int i = 0; i < rows; ++i) {
        for (int c = 0; c < ColumnsPerRow; ++c) {
            LadderCell& cell = d.At(d.row + i, c);
            cell.code = CellCode(Kind::CODT, i, c);
            cell.tableRows = rows;
            const int value = words ? 1000 * (i * 8 + c) + k : (i * 8 + c) * 16 + k;
            cell.SetOperand(Format("%05d", value));
            cell.number = static_cast<std::int16_t>(value);
        }
    }
    d.row += rows;
}

// The ordinary networks between the boxes.
void RelayNetworks(LadderDrawer& d, int round) {
    d.Series(1 + round % 6);
    d.OrCollection(10 + round % 9);
    d.AndOfOr();
    d.Series(2 + round % 4);
    d.OrOfAnd();
    d.CoilFan(4 + round % 6);
    d.OrCollection(14 + round % 11);
    d.Blank();
}

// Boxes of every kind in turn; jumps, COD tables, calls and COM ranges among them.
constexpr std::array RotatingBoxes{Kind::CTR,  Kind::ROT,  Kind::COMP, Kind::MOVN, Kind::DSCH,
                                   Kind::COIN, Kind::TMR,  Kind::ADD,  Kind::SUB,  Kind::XMOV,
                                   Kind::DEC,  Kind::DIFU, Kind::DIFD, Kind::EOR,  Kind::ANDF,
                                   Kind::ORF,  Kind::NOT,  Kind::RST,  Kind::SET,  Kind::SFT,
                                   Kind::TMRB, Kind::TMRC, Kind::MOVB, Kind::MOVW, Kind::AXCTL};

void FirstLevel(LadderDrawer& d) {
    d.Comment(d.row, "急停与复位");
    d.Series(3);
    d.BoxNetwork(Kind::DIFU, 2, {Format("%04d", d.edge++)});
    d.BoxNetwork(Kind::DIFD, 2, {Format("%04d", d.edge++)});
    d.OrCollection(3);
    // A COM range holds only relays.
    d.BoxNetwork(Kind::COM, 1, {});
    d.Series(2);
    d.AndOfOr();
    d.Marker(Kind::COME);
    // A forward jump within the first level.
    const std::string label = Format("%04d", d.label++);
    d.BoxNetwork(Kind::JMPB, 2, {label});
    d.Series(4);
    d.Marker(Kind::LBL, {label});
    d.BoxNetwork(Kind::CALL, 2, {"0001"});
    d.Marker(Kind::CALLU, {"0002"});
    d.CoilFan(3);
    d.Comment(d.row, "一级程序结束");
    d.Marker(Kind::END1);
}

void SecondLevel(LadderDrawer& d, int lastRow) {
    std::size_t next = 0;
    for (int round = 0;; ++round) {
        // The largest round takes under 90 rows.
        if (d.row + 90 > lastRow) {
            break;
        }
        if (round % 10 == 0) {
            d.Comment(d.row, Format("Station %d", round / 10 + 1));
        }
        RelayNetworks(d, round);
        for (int b = 0; b < 2; ++b) {
            const int kind = RotatingBoxes[next++ % RotatingBoxes.size()];
            d.BoxNetwork(kind, BoxColumn(kind), Parameters(kind, d));
        }
        if (round % 8 == 3) {
            CodTable(d, round % 16 == 11);
        }
        if (round % 4 == 1) {
            const std::string label = Format("%04d", d.label++);
            d.BoxNetwork(Kind::JMPB, 1, {label});
            d.Series(2);
            d.Marker(Kind::LBL, {label});
        }
        if (round % 5 == 2) {
            const int target = 1 + round % SubprogramCount;
            d.BoxNetwork(round % 2 ? Kind::CALL : Kind::CALLU, round % 2 ? 2 : 4,
                         {Format("%04d", target)});
        }
        if (round % 6 == 4) {
            d.BoxNetwork(Kind::COM, 1, {});
            d.OrCollection(3);
            d.Marker(Kind::COME);
        }
    }
    // The rows left over collect inputs.
    while (d.row < lastRow) {
        const int left = lastRow - d.row;
        if (left == 1) {
            d.Series(3);
        } else {
            d.OrCollection(left < 30 ? left : 20);
        }
    }
}

// Subprograms 1 to 4; the first calls the second, the third jumps inside itself.
void Subprograms(LadderDrawer& d) {
    for (int sp = 1; sp <= SubprogramCount; ++sp) {
        d.Comment(d.row, Format("子程序 %d", sp));
        d.Marker(Kind::SP, {Format("%04d", sp)});
        d.Series(3);
        d.OrCollection(4);
        if (sp == 1) {
            d.BoxNetwork(Kind::CALL, 2, {"0002"});
        }
        if (sp == 3) {
            const std::string label = Format("%04d", d.label++);
            d.BoxNetwork(Kind::JMPB, 1, {label});
            d.CoilFan(2);
            d.Marker(Kind::LBL, {label});
        }
        d.BoxNetwork(Kind::ADD, 1, Parameters(Kind::ADD, d));
        d.Marker(Kind::SPE);
    }
}

} // namespace

std::unique_ptr<LadderProgram> GenerateLargeLadder() {
    // The subprograms close the ladder; their height decides where END2 stands.
    auto scratch = std::make_unique<LadderProgram>();
    scratch->rowCount = LadderProgram::MaxRows;
    LadderDrawer measure(*scratch);
    Subprograms(measure);
    const int subprogramRows = measure.row;

    auto program = std::make_unique<LadderProgram>();
    program->rowCount = LadderProgram::MaxRows;
    LadderDrawer d(*program);
    FirstLevel(d);
    const int end2Row = LadderProgram::MaxRows - subprogramRows - 1;
    SecondLevel(d, end2Row);
    d.Comment(d.row, "二级程序结束");
    d.Marker(Kind::END2);
    Subprograms(d);
    if (d.row != LadderProgram::MaxRows) {
        throw std::logic_error("the generated ladder does not fill its rows");
    }
    return program;
}

} // namespace velmora
