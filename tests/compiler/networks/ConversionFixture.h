#pragma once

#include "compiler/LadderCompiler.h"
#include "support/LadderPicture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::testing {

// An instruction-list line as the compiler writes it: a relay mnemonic padded to ten
// characters, the operand, the 1-based row suffix.
inline std::string Line(std::string_view mnemonic, std::string_view operand, int row1) {
    std::string text(mnemonic);
    if (text.size() < 10) {
        text.resize(10, ' ');
    }
    text += operand;
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "  %4d", row1);
    return text + suffix;
}

// A line whose text stands as given (box lines, unpadded stack lines).
inline std::string Bare(std::string_view text, int row1) {
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "  %4d", row1);
    return std::string(text) + suffix;
}

struct Outcome {
    int result = 0;
    std::vector<std::string> lines; // without the closing END1 and END2 lines
    int code = 0;                   // last recorded error, 0 when none
    int row = 0;                    // its row, 1-based as the report shows it
};

// Converts a network picture followed by the END1 and END2 rows every ladder needs.
class Conversion : public ::testing::Test {
protected:
    static std::vector<std::string> WithEnds(std::vector<std::string> rows) {
        rows.emplace_back(". . . . [END1] ...");
        rows.emplace_back(". . . . [END2] ...");
        return rows;
    }

    // The whole conversion, assembly included.
    Outcome Run(std::unique_ptr<LadderProgram> ladder) {
        return Translate(std::move(ladder), true);
    }
    Outcome Run(std::vector<std::string> rows) { return Run(Ladder(WithEnds(std::move(rows)))); }

    // The checks and the instruction list only, for lines the assembler would refuse in this
    // place (a subprogram before END2, more records than the code buffer holds).
    Outcome Generate(std::vector<std::string> rows) {
        return Translate(Ladder(WithEnds(std::move(rows))), false);
    }

    Outcome Translate(std::unique_ptr<LadderProgram> ladder, bool assemble) {
        program = std::move(ladder);
        compiler.program = program.get();
        compiler.errorCount = 0;
        Outcome outcome;
        if (assemble) {
            outcome.result = compiler.Convert();
        } else if (compiler.PreCheck()) {
            compiler.GenerateInstructionList();
            outcome.result = compiler.errorCount == 0 ? 1 : 0;
        } else {
            outcome.result = -1;
        }
        outcome.lines = compiler.lines;
        if (compiler.errorCount > 0) {
            const ConvertError& last = compiler.errors[compiler.errorCount - 1u];
            outcome.code = last.code;
            outcome.row = last.row + 1;
        } else {
            const int end1Row = program->rowCount - 1;
            const int end2Row = program->rowCount;
            EXPECT_GE(outcome.lines.size(), 2u);
            if (outcome.lines.size() >= 2u &&
                outcome.lines[outcome.lines.size() - 2] == Bare("END1", end1Row) &&
                outcome.lines.back() == Bare("END2", end2Row)) {
                outcome.lines.resize(outcome.lines.size() - 2);
            }
        }
        return outcome;
    }

    std::unique_ptr<LadderProgram> program;
    LadderCompiler compiler;
};

} // namespace velmora::testing
