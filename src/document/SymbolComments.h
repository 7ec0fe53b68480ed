#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

class LadderProgram;
class OutputPanes;
class Ui;
struct EditorSelection;

// The symbol comments of a document: nine GBK text slots for each commentable byte address.
// Slots 1 to 8 hold the comments of bits 0 to 7; slot 0 is filled only by an import.
class SymbolCommentTable {
public:
    static constexpr int AddressCount = 848;
    static constexpr int SlotCount = 9;

    SymbolCommentTable();

    // addressIndex 0..AddressCount-1, slot 0..SlotCount-1.
    std::string& Slot(int addressIndex, int slot);
    const std::string& Slot(int addressIndex, int slot) const;

    bool operator==(const SymbolCommentTable&) const = default;

private:
    std::vector<std::string> texts; // "slots" would clash with a Qt keyword macro
};

// The table index of a byte address (letter X, Y, A, F, G, K or R and a byte number in the
// letter's range), or -1 when the address has no symbol comments.
int AddressIndex(char letter, int byte);

// The failure of a symbol-comment lookup; what() is "Error Note!".
class SymbolCommentError : public std::runtime_error {
public:
    SymbolCommentError();
};

// The slot of a bit address text such as X012.3. Throws SymbolCommentError when the text is
// not a commentable bit address.
std::string& SymbolComment(SymbolCommentTable& table, std::string_view addressText);
const std::string& SymbolComment(const SymbolCommentTable& table, std::string_view addressText);

// The slot of the operand of the cursor cell (no cursor counts as the first cell). Throws
// SymbolCommentError unless the cell exists and holds a contact or coil on a commentable bit.
std::string& SymbolComment(SymbolCommentTable& table, const LadderProgram& program,
                           const EditorSelection& selection);

// Stores text (GBK) as the comment of the cursor cell's address and shows it in the output
// pane. On a failed lookup shows the message box "Error Note!", stores nothing and returns
// false; the caller marks the document modified on success.
bool SetSymbolComment(SymbolCommentTable& table, const LadderProgram& program,
                      const EditorSelection& selection, std::string_view text, OutputPanes& panes,
                      Ui& ui);

inline constexpr std::string_view DefaultCommentFileName = "PBitCh01.MEA";

// Reads a symbol-comment text file into the table, on top of what it holds. An empty path means
// the default file next to the program. Returns false only when the file cannot be read; a line
// that ends the import early still counts as success.
bool ImportSymbolComments(SymbolCommentTable& table, const std::string& path);

// The line rules of ImportSymbolComments over text already in memory.
void ParseSymbolComments(SymbolCommentTable& table, std::string_view text);

// The export file's text: "%", one line per non-empty comment of the exported ranges, "end".
std::string ExportSymbolComments(const SymbolCommentTable& table);

} // namespace velmora
