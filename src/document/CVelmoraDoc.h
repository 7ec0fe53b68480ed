#pragma once

#include "compiler/LadderCompiler.h"
#include "document/SymbolComments.h"
#include "model/EditorSelection.h"
#include "model/LadderInfo.h"
#include "model/LadderProgram.h"
#include "platform/DialogData.h"

#include <cstdint>
#include <memory>
#include <string>

namespace velmora {

class OutputPanes;
class Ui;

// One open ladder: the model, its symbol comments, the editing position and the compiler. It
// speaks to the user only through the Ui and the output panes it is given.
class CVelmoraDoc {
public:
    CVelmoraDoc(OutputPanes& panes, Ui& ui);
    virtual ~CVelmoraDoc() = default;

    CVelmoraDoc(const CVelmoraDoc&) = delete;
    CVelmoraDoc& operator=(const CVelmoraDoc&) = delete;

    OutputPanes& Panes() { return panes; }
    Ui& UserInterface() { return ui; }

    std::uint8_t converted = 0;
    std::uint8_t lookupByText = 0;
    LadderInfo info;
    std::unique_ptr<SymbolCommentTable> symbolComments;
    ItemSetData itemDialog;
    // Large fixed-capacity members live on the heap so a document can be created anywhere.
    std::unique_ptr<LadderProgram> programStorage;
    std::unique_ptr<LadderProgram> oldProgramStorage;
    LadderProgram& program;
    LadderProgram& oldProgram;
    EditorSelection selection;
    std::unique_ptr<LadderCompiler> compilerStorage;
    LadderCompiler& compiler;

private:
    OutputPanes& panes;
    Ui& ui;
};

} // namespace velmora
