#pragma once

#include "model/EditorSelection.h"
#include "model/LadderCell.h"
#include "model/LadderProgram.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

class CVelmoraDoc;

// The last 50 editing steps of one document, newest first out. Every view of the document
// records into the same list, so a step always names positions of the ladder as it is now.
class UnDoList {
public:
    static constexpr int Capacity = 50;

    enum StepKind : std::int16_t {
        Unused = 0,
        CellStep = 1,
        RowsDeleted = 2,
        RowsInserted = 3,
        RowsReplaced = 4,
        RowCommentStep = 5,
        SymbolCommentStep = 6,
    };

    struct UndoRecord {
        std::int16_t kind = Unused;
        std::uint16_t count = 0;    // rows held in cells and comments
        std::uint16_t inserted = 0; // rows the step inserted
        std::int32_t column = 0;
        std::int32_t row = 0;
        std::vector<LadderProgram::Comment> comments; // row steps; the row-comment step
        std::string text;                             // the symbol-comment step
        std::vector<LadderCell> cells;                // one cell, or count * 8
    };

    // What taking a step back did.
    struct Undone {
        GridPoint position{-1, -1}; // (-1, -1) when nothing was taken back
        int count = 0;              // rows put back by a row step
        bool changed = false;       // whether the ladder or a comment changed
    };

    // Nothing is recorded before the list knows its document.
    void Attach(CVelmoraDoc& document) { doc = &document; }

    void RecordCell(int column, int row);
    void RecordDeletedRows(int column, int row, int n);
    void RecordInsertedRows(int column, int row, int n);
    // The k rows about to be deleted and the n rows that will be inserted in their place, as one
    // step.
    void RecordReplacedRows(int column, int row, int k, int n);
    void RecordRowComment(int row);
    void RecordSymbolComment(int column, int row, std::string oldText);

    // Takes back the newest step. A step whose cells or rows are no longer in the ladder is
    // dropped without changing anything. Afterwards the ladder has at least one row, its data
    // tables are counted and the compiler's number registries match it.
    Undone UndoStep();

    int Available() const { return available; }

private:
    UndoRecord& Begin(StepKind kind, int column, int row);
    void Advance();
    bool TakeBack(UndoRecord& record);
    bool DeleteInserted(const UndoRecord& record);
    bool RestoreRows(UndoRecord& record);
    void SaveRows(UndoRecord& record, int row, int n);

    std::array<UndoRecord, Capacity> records{};
    int next = 0;
    CVelmoraDoc* doc = nullptr;
    int available = 0;
};

} // namespace velmora
