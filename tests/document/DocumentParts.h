#pragma once

#include "compiler/LadderCompiler.h"
#include "document/LadderFile.h"
#include "document/SymbolComments.h"
#include "model/LadderInfo.h"
#include "model/LadderProgram.h"
#include "platform/Gbk.h"
#include "platform/OutputPanes.h"
#include "support/FakeUi.h"
#include "support/HexBytes.h"

#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>
#include <string_view>

namespace velmora::testing {

// 2004-03-18 09:05:42 UTC: the date field reads "2004-03-18 09:05" under TZ=UTC.
constexpr std::time_t SaveTime = 1079600742;
constexpr std::string_view SaveDate = "2004-03-18 09:05";

// What the file functions work on in a document, on the heap (the programs are large).
struct DocumentParts {
    LadderProgram program;
    LadderProgram oldProgram;
    LadderInfo info;
    SymbolCommentTable comments;
    LadderCompiler compiler;
    OutputPanes panes;
    FakeUi ui;

    static std::unique_ptr<DocumentParts> Make() {
        setenv("TZ", "UTC", 1);
        tzset();
        return std::make_unique<DocumentParts>();
    }

    bool Read(std::string_view bytes, std::string_view fileName = "ladder.plf") {
        return ReadLadder(bytes, fileName, program, oldProgram, info, comments, compiler, panes,
                          ui);
    }

    std::string Write() { return WriteLadder(program, info, panes, SaveTime); }

    const std::string& Output() const { return panes.Output().text; }
};

} // namespace velmora::testing
