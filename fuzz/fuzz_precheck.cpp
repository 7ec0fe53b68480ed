// Arbitrary ladders through the pre-conversion checks: whatever a file or the editor leaves in
// the cells, the checks must stay inside their maps and registries.
#include "compiler/LadderCompiler.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

using namespace velmora;

namespace {

struct Reader {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t at = 0;

    std::uint8_t Byte() { return size == 0 ? 0 : data[at++ % size]; }
    std::uint16_t Word() { return static_cast<std::uint16_t>(Byte() | (Byte() << 8)); }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto program = std::make_unique<LadderProgram>();
    static auto compiler = std::make_unique<LadderCompiler>();
    Reader in{data, size};
    program->rowCount = static_cast<std::int16_t>(size < 2 ? 0 : in.Word() % 64);
    for (int r = 0; r < program->rowCount; ++r) {
        for (int c = 0; c < ColumnsPerRow; ++c) {
            LadderCell& cell = program->Row(r)[c];
            const std::uint8_t shape = in.Byte();
            // Mostly codes that mean something, sometimes anything at all.
            cell.code = shape < 200 ? static_cast<ElementCode>((shape % 6) << 8) : in.Word();
            cell.verticalLine = in.Byte() & 1;
            cell.number = static_cast<std::int16_t>(in.Word());
            for (char& ch : cell.operand) {
                ch = static_cast<char>(in.Byte());
            }
        }
    }
    compiler->program = program.get();
    compiler->errorCount = 0;
    compiler->PreCheck();
    if (program->rowCount > 0) {
        LadderCell& cell = program->Row(0)[1];
        compiler->RegisterNumber(cell, static_cast<std::int16_t>(in.Word()), 0, false);
        compiler->GetRow(static_cast<std::int16_t>(in.Word()));
    }
    LadderCompiler::IsReservedOutput(
        std::string_view(reinterpret_cast<const char*>(data), size < 8 ? size : 8));
    return 0;
}
