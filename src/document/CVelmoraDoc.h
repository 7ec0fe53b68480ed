#pragma once

#include "compiler/LadderCompiler.h"
#include "document/SymbolComments.h"
#include "model/EditorSelection.h"
#include "model/LadderInfo.h"
#include "model/LadderProgram.h"
#include "platform/CDocument.h"
#include "platform/DialogData.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

class OutputPanes;
class Ui;

// One open ladder: the model, its symbol comments, the editing position and the compiler. It
// speaks to the user only through the Ui and the output panes it is given.
class CVelmoraDoc : public CDocument {
public:
    CVelmoraDoc(OutputPanes& panes, Ui& ui);
    ~CVelmoraDoc() override = default;

    OutputPanes& Panes() { return panes; }
    Ui& UserInterface() { return ui; }

    // A ladder of one empty row.
    bool OnNewDocument() override;
    // A failed write is also reported in the output pane, after the writer's lines.
    bool OnSaveDocument(const std::string& path) override;
    // Empties the panes.
    void OnCloseDocument() override;

    // The ladder-information dialog over info's version, machine and modifier; OK stores the
    // texts, cut to their fields' widths in bytes. Never marks the document modified.
    void EditLadderInfo();

    // The file commands. Each answers whether it wrote its file; refusals and failures have been
    // shown to the user.
    bool OnSaveBinaryFile();
    bool OnSaveLadderFile();
    bool OnSaveInstructionList();
    void OnEditLadderInfo();
    bool OnSaveOldLadderFile();
    bool OnExportComments();
    bool OnImportComments();

    // The comment slot of the cursor cell's address, or of addressText while lookupByText is 1.
    // Throws SymbolCommentError when there is no such address.
    std::string& SymbolComment(std::string_view addressText = {});
    // Stores the cursor cell's comment and marks the document modified; false after showing
    // "Error Note!".
    bool SetSymbolComment(std::string_view text);
    // Adds a comment file to the table; an empty path means the default file.
    bool ImportSymbolComments(const std::string& path);

    // The path name without its last four characters, followed by extension: the name the file
    // commands offer first (".grp" alone for a ladder never saved).
    std::string DerivedFileName(std::string_view extension) const;

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

protected:
    void Serialize(Archive& archive) override;

private:
    bool Refused();
    std::optional<std::string> AskSaveFile(std::string_view extension, std::string initialName,
                                           std::string_view filter);
    bool WriteChosenFile(const std::string& path, std::string_view bytes);
    bool WriteLadderFile(const std::string& path, const LadderProgram& ladder);

    OutputPanes& panes;
    Ui& ui;
};

} // namespace velmora
