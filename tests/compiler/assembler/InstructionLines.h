#pragma once

#include "compiler/LadderCompiler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::testing {

// Instruction-list lines written the way the generators write them: the text, then the row
// suffix "  %4d" of the 0-based ladder row plus one.
inline std::string WithRow(std::string text, int row) {
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "  %4d", row + 1);
    return text + suffix;
}

// A relay line: the mnemonic padded to 10 characters, then the operand.
inline std::string Relay(std::string_view mnemonic, std::string_view operand, int row = 0) {
    std::string text(mnemonic);
    text.resize(std::max<std::size_t>(text.size(), 10), ' ');
    return WithRow(text + std::string(operand), row);
}

// A box line: the name padded to 9 characters, then each parameter after one blank. CODT data
// lines have the same form.
inline std::string Box(std::string_view name, std::initializer_list<std::string_view> parameters,
                       int row = 0) {
    std::string text(name);
    for (std::string_view parameter : parameters) {
        text.resize(std::max<std::size_t>(text.size(), 9), ' ');
        text += ' ';
        text += parameter;
    }
    return WithRow(text, row);
}

// "01 02 00 00 90 80 58 01": a record's file bytes.
inline std::string Hex(const CodeRecord& record) {
    std::string text;
    char byte[4];
    for (std::uint8_t b : record.Bytes()) {
        std::snprintf(byte, sizeof byte, "%02X ", b);
        text += byte;
    }
    text.pop_back();
    return text;
}

inline std::string Hex(std::string_view bytes) {
    std::string text;
    char byte[4];
    for (char b : bytes) {
        std::snprintf(byte, sizeof byte, "%02X ", static_cast<unsigned char>(b));
        text += byte;
    }
    if (!text.empty()) {
        text.pop_back();
    }
    return text;
}

// A run that must fail: what Assemble returns, the last error and its row.
struct Failure {
    const char* name;
    std::vector<std::string> lines;
    int result;
    int code;
    int row;
};

// A compiler attached to a small ladder, fed with hand-written instruction lists.
class AssemblerFixture : public ::testing::Test {
protected:
    AssemblerFixture() {
        program->rowCount = 1;
        compiler.program = program.get();
    }

    int Assemble(std::vector<std::string> list) {
        compiler.lines = std::move(list);
        compiler.errorCount = 0;
        return compiler.Assemble();
    }

    // The records made, without the terminator that closes a successful run.
    std::vector<std::string> Records() const {
        std::vector<std::string> records;
        for (int i = 0; i < compiler.recordCount; ++i) {
            const CodeRecord& record = compiler.codeBuffer[static_cast<std::size_t>(i)];
            if (record.opcode != 0xFE) {
                records.push_back(Hex(record));
            }
        }
        return records;
    }

    void ExpectFailures(const std::vector<Failure>& cases) {
        for (const Failure& c : cases) {
            SCOPED_TRACE(c.name);
            EXPECT_EQ(Assemble(c.lines), c.result);
            ASSERT_GE(compiler.errorCount, 1);
            EXPECT_EQ(LastError().code, c.code);
            EXPECT_EQ(LastError().row, c.row);
        }
    }

    const ConvertError& LastError() const {
        return compiler.errors[compiler.errorCount == 0 ? 0u : compiler.errorCount - 1u];
    }

    std::unique_ptr<LadderProgram> program = std::make_unique<LadderProgram>();
    LadderCompiler compiler;
};

} // namespace velmora::testing
