// Assembles arbitrary instruction lists (one line per input line) and writes both output files,
// checking the capacities the assembler must keep whatever the lines hold.
#include "compiler/LadderCompiler.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto program = std::make_unique<velmora::LadderProgram>();
    static auto compiler = std::make_unique<velmora::LadderCompiler>();
    program->rowCount = 1;
    compiler->program = program.get();
    compiler->lines.clear();
    compiler->errorCount = 0;

    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::size_t start = 0;
    while (start <= input.size() && compiler->lines.size() < velmora::LadderCompiler::MaxLines) {
        std::size_t end = input.find('\n', start);
        if (end == std::string_view::npos) {
            end = input.size();
        }
        compiler->lines.emplace_back(input.substr(start, end - start));
        start = end + 1;
    }

    const int result = compiler->Assemble();
    if (result < -1 || result > 1 || compiler->recordCount > velmora::LadderCompiler::MaxRecords ||
        compiler->dataWordCount > velmora::LadderCompiler::MaxDataWords ||
        compiler->callChainDepth > velmora::LadderCompiler::MaxCallChain) {
        std::abort();
    }
    std::string text;
    std::string code;
    compiler->WriteInstructionText(text);
    compiler->WriteBinaryCode(code);
    if (result == 1 && compiler->errorCount == 0 &&
        code.size() != 8u * compiler->recordCount +
                           2u * compiler->codeBuffer[compiler->recordCount - 1u].step) {
        std::abort();
    }
    return 0;
}
