#include "document/CVelmoraDoc.h"

namespace velmora {

CVelmoraDoc::CVelmoraDoc(OutputPanes& panes, Ui& ui)
    : symbolComments(std::make_unique<SymbolCommentTable>()),
      programStorage(std::make_unique<LadderProgram>()),
      oldProgramStorage(std::make_unique<LadderProgram>()), program(*programStorage),
      oldProgram(*oldProgramStorage), compilerStorage(std::make_unique<LadderCompiler>()),
      compiler(*compilerStorage), panes(panes), ui(ui) {
    // The compiler refers to this document's ladder from the start, so a document whose load
    // failed still converts (and reports) instead of reading through a missing program.
    compiler.program = &program;
}

} // namespace velmora
