// The headless main job on the largest ladder: load a ladder file's bytes, convert, write the
// instruction-list text and the binary code file.
#include "compiler/LadderCompiler.h"
#include "document/LadderFile.h"
#include "document/SymbolComments.h"
#include "model/LadderInfo.h"
#include "platform/OutputPanes.h"
#include "platform/Ui.h"
#include "tools/LargeLadder.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

using namespace velmora;

// What loading and converting a ladder works on, as in a document.
struct Workspace {
    LadderProgram program;
    LadderProgram oldProgram;
    LadderInfo info;
    SymbolCommentTable comments;
    LadderCompiler compiler;
    OutputPanes panes;
    SilentUi ui;

    bool Load(const std::string& bytes) {
        if (!ReadLadder(bytes, "large.plf", program, oldProgram, info, comments, compiler, panes,
                        ui)) {
            return false;
        }
        ExpandBoxes(program, ui);
        return true;
    }

    bool Convert() {
        compiler.errorCount = 0;
        compiler.Convert();
        return compiler.errorCount == 0;
    }
};

// The generated ladder as its file holds it, row comment records included.
const std::string& LargeLadderFile() {
    static const std::string bytes = [] {
        const auto program = GenerateLargeLadder();
        LadderInfo info;
        OutputPanes panes;
        return WriteLadder(*program, info, panes) + WriteRowCommentRecords(*program, panes);
    }();
    return bytes;
}

// A workspace holding the loaded and converted ladder; false (after reporting to the benchmark)
// when the ladder does not load or convert, which would make every figure meaningless.
bool Prepare(benchmark::State& state, Workspace& w, bool convert) {
    if (!w.Load(LargeLadderFile())) {
        state.SkipWithError("the generated ladder does not load");
        return false;
    }
    if (w.program.rowCount != LadderProgram::MaxRows) {
        state.SkipWithError("the generated ladder does not have the full number of rows");
        return false;
    }
    if (convert && !w.Convert()) {
        state.SkipWithError(
            ("the generated ladder does not convert: " + w.compiler.ReportLine()).c_str());
        return false;
    }
    return true;
}

void LoadLargeLadder(benchmark::State& state) {
    auto w = std::make_unique<Workspace>();
    if (!Prepare(state, *w, false)) {
        return;
    }
    const std::string& bytes = LargeLadderFile();
    for (auto _ : state) {
        w->Load(bytes);
        benchmark::DoNotOptimize(w->program.rowCount);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(LoadLargeLadder)->Unit(benchmark::kMicrosecond);

void ConvertLargeLadder(benchmark::State& state) {
    auto w = std::make_unique<Workspace>();
    if (!Prepare(state, *w, true)) {
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(w->Convert());
    }
    state.counters["lines"] = static_cast<double>(w->compiler.lines.size());
    state.counters["records"] = w->compiler.recordCount;
}
BENCHMARK(ConvertLargeLadder)->Unit(benchmark::kMicrosecond);

void WriteInstructionListText(benchmark::State& state) {
    auto w = std::make_unique<Workspace>();
    if (!Prepare(state, *w, true)) {
        return;
    }
    for (auto _ : state) {
        std::string text;
        w->compiler.WriteInstructionText(text);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(WriteInstructionListText)->Unit(benchmark::kMicrosecond);

void WriteBinaryCodeFile(benchmark::State& state) {
    auto w = std::make_unique<Workspace>();
    if (!Prepare(state, *w, true)) {
        return;
    }
    for (auto _ : state) {
        std::string code;
        w->compiler.WriteBinaryCode(code);
        benchmark::DoNotOptimize(code.data());
    }
}
BENCHMARK(WriteBinaryCodeFile)->Unit(benchmark::kMicrosecond);

// What `velmora-cli convert LADDER --il FILE --bin FILE` does, short of the file system.
void LoadConvertWrite(benchmark::State& state) {
    auto w = std::make_unique<Workspace>();
    if (!Prepare(state, *w, true)) {
        return;
    }
    const std::string& bytes = LargeLadderFile();
    for (auto _ : state) {
        w->Load(bytes);
        w->Convert();
        std::string text;
        std::string code;
        w->compiler.WriteInstructionText(text);
        w->compiler.WriteBinaryCode(code);
        benchmark::DoNotOptimize(text.data());
        benchmark::DoNotOptimize(code.data());
    }
}
BENCHMARK(LoadConvertWrite)->Unit(benchmark::kMicrosecond);

} // namespace
