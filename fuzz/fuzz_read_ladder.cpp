// Loads arbitrary bytes as a ladder file, in the normal and the "CON" row layout, widens the
// old single-row boxes and checks that the result is written, read and written again unchanged.
#include "compiler/LadderCompiler.h"
#include "document/LadderFile.h"
#include "document/OldLayout.h"
#include "document/SymbolComments.h"
#include "model/LadderInfo.h"
#include "model/LadderProgram.h"
#include "platform/OutputPanes.h"
#include "platform/Ui.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

using namespace velmora;

namespace {

struct Document {
    LadderProgram program;
    LadderProgram oldProgram;
    LadderInfo info;
    SymbolCommentTable comments;
    LadderCompiler compiler;
    OutputPanes panes;
    SilentUi ui;

    bool Read(std::string_view bytes, std::string_view name) {
        program.rowComments = {};
        info = {};
        compiler.Reset();
        return ReadLadder(bytes, name, program, oldProgram, info, comments, compiler, panes, ui);
    }
};

void Load(Document& doc, Document& copy, std::string_view bytes, std::string_view name) {
    if (!doc.Read(bytes, name)) {
        if (doc.program.rowCount != 0) {
            std::abort();
        }
        return;
    }
    ExpandBoxes(doc.program, doc.ui);
    if (doc.program.rowCount < 0 || doc.program.rowCount > LadderProgram::MaxRows) {
        std::abort();
    }
    constexpr std::time_t When = 1700000000;
    const std::string first = WriteLadder(doc.program, doc.info, doc.panes, When);
    if (!copy.Read(first, "copy.plf")) {
        std::abort();
    }
    const std::string second = WriteLadder(copy.program, copy.info, copy.panes, When);
    if (first != second) {
        std::abort();
    }
    if (ConvertToOldLayout(doc.program, doc.oldProgram, doc.panes, doc.ui)) {
        WriteOldLadder(doc.oldProgram, doc.info, doc.panes, When);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto doc = std::make_unique<Document>();
    static const auto copy = std::make_unique<Document>();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Load(*doc, *copy, bytes, "ladder.plf");
    Load(*doc, *copy, bytes, "LADDER.CON");
    return 0;
}
