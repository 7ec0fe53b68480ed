// Random grids through the whole conversion: cells with codes from the catalogue, vertical links,
// operands and table-row counts. The grid is made to pass the pre-conversion check most of the
// time (END1 and END2 rows, distinct outputs) so that the network analysis sees it.

#include "compiler/LadderCompiler.h"
#include "model/ElementCatalogue.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace {

using namespace velmora;

class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint8_t Next() { return pos_ < size_ ? data_[pos_++] : 0; }
    bool Empty() const { return pos_ >= size_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

constexpr std::array<const char*, 10> Operands = {"",       "X000.0", "X001.7", "R010.1", "1",
                                                  "K003.0", "D0010",  "F000.0", "123456", "Y000.2"};

constexpr std::array<ElementCode, 6> Singles = {Element::Empty,         Element::Line,
                                                Element::ClosedContact, Element::OpenContact,
                                                Element::Coil,          Element::InvertedCoil};

void Fail(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    __builtin_trap();
}

void FillCell(LadderCell& cell, Bytes& in) {
    const std::uint8_t b = in.Next();
    cell = LadderCell{};
    cell.verticalLine = (b & 0x80) ? 1 : 0;
    const int choice = b & 0x7F;
    if (choice < 96) {
        // Mostly the single elements, weighted towards contacts and lines.
        static constexpr std::array<int, 8> weights = {0, 1, 1, 2, 3, 3, 3, 4};
        const int pick = weights[static_cast<std::size_t>(choice % 8)];
        cell.code = pick == 4 ? (choice & 8 ? Element::InvertedCoil : Element::Coil)
                              : Singles[static_cast<std::size_t>(pick)];
    } else if (choice < 124) {
        const FunctionInfo& f = FunctionTable[static_cast<std::size_t>(in.Next() % FunctionCount)];
        const std::uint8_t offsets = in.Next();
        const int rowOffset = (offsets >> 4) % 6;
        const int columnOffset = (offsets & 0x0F) % 8;
        // Name cells are the common case.
        cell.code =
            (offsets & 0x08) ? CellCode(f.kind, 0, 0) : CellCode(f.kind, rowOffset, columnOffset);
        if (f.kind == Kind::CODT) {
            cell.tableRows = static_cast<std::int8_t>(in.Next()) / 2;
        }
    } else {
        cell.code = static_cast<ElementCode>(in.Next() << 8 | in.Next());
    }
    cell.SetOperand(Operands[static_cast<std::size_t>(in.Next() % Operands.size())]);
}

void EndRow(LadderRow& row, int kind) {
    row = LadderRow{};
    for (int c = 5; c < ColumnsPerRow; ++c) {
        row[c].code = Element::Line;
    }
    row[4].code = CellCode(kind, 0, 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto program = std::make_unique<LadderProgram>();
    static auto compiler = std::make_unique<LadderCompiler>();
    Bytes in(data, size);

    const std::uint8_t header = in.Next();
    const bool ends = (header & 0x80) == 0;
    const bool outputs = (header & 0x40) == 0;
    int rows = 1 + (in.Next() | (header & 0x03) << 8) % 260;
    if (ends && rows > LadderProgram::MaxRows - 2) {
        rows = LadderProgram::MaxRows - 2;
    }
    for (int r = 0; r < rows; ++r) {
        LadderRow& row = program->Row(r);
        for (int c = 0; c < ColumnsPerRow; ++c) {
            FillCell(row[c], in);
        }
        // Distinct legal outputs, so that the pre-check lets the grid through.
        if (outputs && row[CoilColumn].code != Element::Empty &&
            row[CoilColumn].code != Element::Line) {
            char address[8];
            std::snprintf(address, sizeof address, "R%03d.%d", r / 8 % 255, r % 8);
            row[CoilColumn].SetOperand(address);
        }
        for (int c = 0; c < ColumnsPerRow; ++c) {
            row[c].number = static_cast<std::int16_t>(r % 100);
        }
    }
    if (ends) {
        EndRow(program->Row(rows), Kind::END1);
        EndRow(program->Row(rows + 1), Kind::END2);
        rows += 2;
    }
    program->rowCount = static_cast<std::int16_t>(rows);

    compiler->program = program.get();
    compiler->errorCount = 0;
    const int result = compiler->Convert();

    if (compiler->lines.size() > static_cast<std::size_t>(LadderCompiler::MaxLines)) {
        Fail("more lines than the list holds");
    }
    for (const std::string& line : compiler->lines) {
        if (line.size() >= LadderCompiler::LineSlotSize + 6) {
            Fail("line too long");
        }
    }
    if (result == 1 && compiler->errorCount != 0) {
        Fail("success with errors");
    }
    if (result != 1 && result != 0 && result != -1) {
        Fail("unknown result");
    }
    if (result != 1 && compiler->errorCount == 0) {
        Fail("failure without a diagnostic");
    }
    return 0;
}
