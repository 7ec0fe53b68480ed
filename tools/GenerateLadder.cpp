// Writes the large example ladder to a file, for trying the editor and velmora-cli on it.
#include "compiler/LadderCompiler.h"
#include "document/LadderFile.h"
#include "model/LadderInfo.h"
#include "platform/AtomicFile.h"
#include "platform/Gbk.h"
#include "platform/OutputPanes.h"
#include "tools/LargeLadder.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

int main(int argc, char** argv) {
    using namespace velmora;
    if (argc != 2 || std::strcmp(argv[1], "--help") == 0) {
        std::fputs("Usage: velmora-generate-ladder FILE\n"
                   "Writes a ladder of 2600 rows that mixes coil networks, every functional\n"
                   "instruction, COD tables and subprograms, and reports what it converts to.\n",
                   argc == 2 ? stdout : stderr);
        return argc == 2 ? 0 : 2;
    }
    const auto program = GenerateLargeLadder();
    auto compiler = std::make_unique<LadderCompiler>();
    compiler->program = program.get();
    compiler->Convert();
    if (compiler->errorCount != 0) {
        std::fprintf(stderr, "the ladder does not convert: %s\n", compiler->ReportLine().c_str());
        return 1;
    }

    LadderInfo info;
    SetField(info.version.data(), info.version.size(), "1.0");
    SetField(info.machine.data(), info.machine.size(), Utf8ToGbk("示例机床"));
    SetField(info.modifier.data(), info.modifier.size(), "velmora");
    OutputPanes panes;
    const std::string bytes =
        WriteLadder(*program, info, panes) + WriteRowCommentRecords(*program, panes);
    std::string error;
    if (!WriteFileAtomically(argv[1], bytes, &error)) {
        std::fprintf(stderr, "cannot write %s\n", error.c_str());
        return 2;
    }
    std::printf("%s: %d rows, %zu instruction-list lines, %d code records, %d data words\n",
                argv[1], program->rowCount, compiler->lines.size(), compiler->recordCount,
                compiler->dataWordCount);
    return 0;
}
