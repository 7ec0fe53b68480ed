// Figures for the largest ladder the editor holds.
#include "compiler/LadderCompiler.h"
#include "model/ElementCatalogue.h"
#include "platform/Gbk.h"
#include "platform/OutputPanes.h"
#include "platform/Ui.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

using namespace velmora;

// 2598 coil rows on distinct outputs, a counter every hundred rows, END1 and END2 last.
std::unique_ptr<LadderProgram> LargestLadder() {
    auto program = std::make_unique<LadderProgram>();
    SilentUi ui;
    program->InsertRows(0, LadderProgram::MaxRows - 1, ui);
    const int outputs = program->rowCount - 2;
    for (int r = 0; r < outputs; ++r) {
        LadderRow& row = program->Row(r);
        row[0].code = Element::OpenContact;
        row[0].SetOperand("X000.0");
        for (int c = 1; c < CoilColumn; ++c) {
            row[c].code = Element::Line;
        }
        if (r % 100 == 0) {
            row[1].code = CellCode(Kind::DIFU, 0, 0);
            row[2].code = CellCode(Kind::DIFU, 0, 1);
            row[2].number = static_cast<std::int16_t>(r / 100);
        }
        char address[16];
        const int byte = r / 8 < 255 ? r / 8 : r / 8 + 1; // R255 is reserved
        std::snprintf(address, sizeof address, "R%03d.%d", byte, r % 8);
        row[CoilColumn].code = Element::Coil;
        row[CoilColumn].SetOperand(address);
    }
    for (int k : {0, 1}) {
        LadderRow& row = program->Row(outputs + k);
        for (int c = 0; c < ColumnsPerRow; ++c) {
            row[c].code = Element::Line;
        }
        row[4].code = CellCode(k == 0 ? Kind::END1 : Kind::END2, 0, 0);
    }
    return program;
}

void PreCheckLargestLadder(benchmark::State& state) {
    const auto program = LargestLadder();
    auto compiler = std::make_unique<LadderCompiler>();
    compiler->program = program.get();
    for (auto _ : state) {
        compiler->errorCount = 0;
        benchmark::DoNotOptimize(compiler->PreCheck());
    }
    if (compiler->errorCount != 0) {
        state.SkipWithError(compiler->ReportLine().c_str());
    }
}
BENCHMARK(PreCheckLargestLadder)->Unit(benchmark::kMicrosecond);

// Inserting and deleting a row at the top moves every row of the ladder.
void InsertAndDeleteAtTheTop(benchmark::State& state) {
    const auto program = LargestLadder();
    program->DeleteRows(0, 1);
    SilentUi ui;
    for (auto _ : state) {
        program->InsertRows(0, 1, ui);
        program->DeleteRows(0, 1);
    }
}
BENCHMARK(InsertAndDeleteAtTheTop)->Unit(benchmark::kMicrosecond);

void ShowAFullInstructionList(benchmark::State& state) {
    const std::vector<std::string> lines(LadderCompiler::MaxLines, "AND.NOT   R0123.4  2600");
    OutputPanes panes;
    for (auto _ : state) {
        panes.ShowInstructionList(lines);
        benchmark::DoNotOptimize(panes.InstructionList().text.data());
    }
}
BENCHMARK(ShowAFullInstructionList)->Unit(benchmark::kMicrosecond);

void ConvertAllRowComments(benchmark::State& state) {
    const std::string comment = Utf8ToGbk("主轴正转启动条件一二");
    for (auto _ : state) {
        for (int r = 0; r < LadderProgram::MaxRows; ++r) {
            benchmark::DoNotOptimize(GbkToUtf8(comment));
        }
    }
}
BENCHMARK(ConvertAllRowComments)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
