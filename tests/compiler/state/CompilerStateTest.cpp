#include "compiler/LadderCompiler.h"
#include "compiler/Numbers.h"
#include "support/LadderPicture.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>

namespace velmora {
namespace {

TEST(CompilerState, RecordErrorKeepsTheFirstHundred) {
    auto compiler = std::make_unique<LadderCompiler>();
    for (int i = 0; i < 101; ++i) {
        compiler->RecordError(i % 2, 1001 + i % 41, i);
    }
    EXPECT_EQ(compiler->errorCount, LadderCompiler::MaxErrors);
    const ConvertError& last = compiler->errors[LadderCompiler::MaxErrors - 1];
    EXPECT_EQ(last.row, 99);
    EXPECT_EQ(last.code, 1001 + 99 % 41);
    EXPECT_EQ(last.source, 1);
    EXPECT_EQ(compiler->ReportLine(), LadderCompiler::ReportLine(last));
}

TEST(CompilerState, ReportLineShowsTheRowOneBasedAndTheTextOfTheCode) {
    struct Case {
        int row;
        int code;
        std::string line;
    };
    for (const Case& c : {
             Case{0, 1001, "梯图第0001行  错误代号 1001 继电器或者线圈的地址未设定"},
             Case{11, 1009, "梯图第0012行  错误代号 1009 网络水平线未连上"},
             Case{-1, 1005, "梯图第0000行  错误代号 1005 功能指令END1或END2未正确使用"},
             Case{2599, 1041, "梯图第2600行  错误代号 1041 水平导通线与节点网络并联."},
             Case{4, 1024, "梯图第0005行  错误代号 1024 "},
             Case{4, 1028, "梯图第0005行  错误代号 1028      "},
             Case{4, 1038, "梯图第0005行  错误代号 1038      "},
         }) {
        auto compiler = std::make_unique<LadderCompiler>();
        compiler->RecordError(0, 1013, 7);
        compiler->RecordError(0, c.code, c.row);
        EXPECT_EQ(compiler->ReportLine(), c.line);
    }
}

TEST(CompilerState, EveryCodeHasATextThatStartsWithTheCode) {
    for (int code = 1001; code <= 1041; ++code) {
        const std::string_view text = LadderCompiler::ErrorText(code);
        ASSERT_GE(text.size(), 5u) << code;
        EXPECT_EQ(text.substr(0, 5), std::to_string(code) + " ");
    }
    EXPECT_EQ(LadderCompiler::ErrorText(1024), "1024 ");
    for (int code : {1028, 1029, 1035, 1036, 1037, 1038}) {
        EXPECT_EQ(LadderCompiler::ErrorText(code), std::to_string(code) + "      ");
    }
    EXPECT_EQ(LadderCompiler::ErrorText(1000), "");
    EXPECT_EQ(LadderCompiler::ErrorText(1042), "");
}

TEST(CompilerState, ReportLineIsEmptyWithoutErrors) {
    const auto compiler = std::make_unique<LadderCompiler>();
    EXPECT_EQ(compiler->ReportLine(), "");
}

TEST(CompilerState, GetRowClampsToTheLadder) {
    const auto program = testing::Ladder({"X000.0", "X000.1", "X000.2"});
    auto compiler = std::make_unique<LadderCompiler>();
    compiler->program = program.get();
    struct Case {
        int index;
        int row;
    };
    for (const Case c : {Case{-5, 0}, Case{-1, 0}, Case{0, 0}, Case{1, 1}, Case{2, 2}, Case{3, 2},
                         Case{program->rowCount + 3, 2}, Case{INT_MAX, 2}, Case{INT_MIN, 0}}) {
        EXPECT_EQ(&compiler->GetRow(c.index), &program->Row(c.row)) << c.index;
    }
}

TEST(CompilerState, ConstructionAndResetPrepareTheAssembler) {
    auto compiler = std::make_unique<LadderCompiler>();
    EXPECT_EQ(compiler->program, nullptr);
    EXPECT_TRUE(compiler->lines.empty());
    EXPECT_EQ(compiler->nextDataAddress, 0x8A00);
    EXPECT_EQ(compiler->errorCount, 0);

    compiler->stepCount = 12;
    compiler->recordCount = 3;
    compiler->codeBuffer[2].opcode = 9;
    compiler->comOpen = 1;
    compiler->end2Step = 40;
    compiler->nextDataAddress = 0x8A10;
    compiler->dataTable[5] = 7;
    compiler->dataWordCount = 6;
    compiler->codtRemaining = 3;
    compiler->codtElementSize = 2;
    compiler->dataHighHalf = 1;
    compiler->calls[0].number = 4;
    compiler->callCount = 1;
    compiler->subprogramCount = 2;
    compiler->currentSubprogram = 2;
    compiler->speCount = 1;
    compiler->jumpCount = 1;
    compiler->labelCount = 1;
    compiler->labels[0].step = 8;
    compiler->difUsed[3] = 1;
    // Reset leaves the error list, the instruction list and the other number registries.
    compiler->RecordError(0, 1006, 2);
    compiler->lines.push_back("RD        X000.0     1");
    compiler->ctrUsed[5] = 1;
    compiler->tmrUsed[6] = 1;
    compiler->spUsed[7] = 1;

    compiler->Reset();
    EXPECT_EQ(compiler->stepCount, 0);
    EXPECT_EQ(compiler->recordCount, 0);
    EXPECT_EQ(compiler->codeBuffer[2], CodeRecord{});
    EXPECT_EQ(compiler->comOpen, 0);
    EXPECT_EQ(compiler->end2Step, 0);
    EXPECT_EQ(compiler->nextDataAddress, 0x8A00);
    EXPECT_EQ(compiler->dataTable[5], 0);
    EXPECT_EQ(compiler->dataWordCount, 0);
    EXPECT_EQ(compiler->codtRemaining, 0u);
    EXPECT_EQ(compiler->codtElementSize, 0);
    EXPECT_EQ(compiler->dataHighHalf, 0);
    EXPECT_EQ(compiler->calls[0].number, 0);
    EXPECT_EQ(compiler->callCount, 0);
    EXPECT_EQ(compiler->subprogramCount, 0);
    EXPECT_EQ(compiler->currentSubprogram, 0);
    EXPECT_EQ(compiler->speCount, 0);
    EXPECT_EQ(compiler->jumpCount, 0);
    EXPECT_EQ(compiler->labelCount, 0);
    EXPECT_EQ(compiler->labels[0].step, 0);
    EXPECT_EQ(compiler->difUsed[3], 0);

    EXPECT_EQ(compiler->errorCount, 1);
    EXPECT_EQ(compiler->lines.size(), 1u);
    EXPECT_EQ(compiler->ctrUsed[5], 1);
    EXPECT_EQ(compiler->tmrUsed[6], 1);
    EXPECT_EQ(compiler->spUsed[7], 1);
}

// Every number the compiler reads from a text is taken as C's atoi would take it.
TEST(Numbers, AtoiReadsLikeTheCLibrary) {
    struct Case {
        std::string_view text;
        int value;
    };
    for (const Case c : {
             Case{"", 0},
             Case{"12", 12},
             Case{"012.3", 12},
             Case{"  7x", 7},
             Case{"\t\n-5", -5},
             Case{"+9", 9},
             Case{"-", 0},
             Case{"+-3", 0},
             Case{"- 3", 0},
             Case{".5", 0},
             Case{"X12", 0},
             Case{"2147483647", INT_MAX},
             Case{"-2147483648", INT_MIN},
             Case{"99999999999999999999", INT_MAX},
             Case{"-99999999999999999999", INT_MIN},
         }) {
        EXPECT_EQ(Atoi(c.text), c.value) << c.text;
    }
    // A view into a longer text ends where the view ends.
    const std::string_view text = "12345";
    EXPECT_EQ(Atoi(text.substr(0, 2)), 12);
}

} // namespace
} // namespace velmora
