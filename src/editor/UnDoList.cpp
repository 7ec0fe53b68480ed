#include "editor/UnDoList.h"

#include "document/CVelmoraDoc.h"
#include "document/SymbolComments.h"
#include "editor/LadderStructure.h"
#include "model/ElementCatalogue.h"

#include <algorithm>

namespace velmora {

namespace {

bool HoldsCell(const LadderProgram& program, int column, int row) {
    return column >= 0 && column < ColumnsPerRow && row >= 0 && row < program.rowCount;
}

} // namespace

UnDoList::UndoRecord& UnDoList::Begin(StepKind kind, int column, int row) {
    UndoRecord& record = records[static_cast<std::size_t>(next)];
    record = UndoRecord{};
    record.kind = kind;
    record.column = column;
    record.row = row;
    return record;
}

void UnDoList::Advance() {
    if (available < Capacity) {
        ++available;
    }
    next = (next + 1) % Capacity;
}

void UnDoList::SaveRows(UndoRecord& record, int row, int n) {
    const LadderProgram& program = doc->program;
    record.count = static_cast<std::uint16_t>(n);
    record.cells.reserve(static_cast<std::size_t>(n) * ColumnsPerRow);
    for (int i = row; i < row + n; ++i) {
        record.comments.push_back(program.rowComments[static_cast<std::size_t>(i)]);
        for (LadderCell cell : program.Row(i).cells) {
            // Restored rows come back highlighted, as the selection that spans them.
            cell.selected = 1;
            record.cells.push_back(cell);
        }
    }
}

void UnDoList::RecordCell(int column, int row) {
    if (!doc || !HoldsCell(doc->program, column, row)) {
        return;
    }
    UndoRecord& record = Begin(CellStep, column, row);
    record.cells.push_back(doc->program.Row(row)[column]);
    Advance();
}

void UnDoList::RecordDeletedRows(int column, int row, int n) {
    if (!doc || n <= 0 || row < 0 || n > doc->program.rowCount - row) {
        return;
    }
    SaveRows(Begin(RowsDeleted, column, row), row, n);
    Advance();
}

void UnDoList::RecordInsertedRows(int column, int row, int n) {
    if (!doc || n <= 0) {
        return;
    }
    Begin(RowsInserted, column, row).inserted = static_cast<std::uint16_t>(n);
    Advance();
}

void UnDoList::RecordReplacedRows(int column, int row, int k, int n) {
    if (!doc || k < 0 || row < 0 || k > doc->program.rowCount - row) {
        return;
    }
    UndoRecord& record = Begin(RowsReplaced, column, row);
    SaveRows(record, row, k);
    record.inserted = static_cast<std::uint16_t>(std::max(n, 0));
    Advance();
}

void UnDoList::RecordRowComment(int row) {
    if (!doc || row < 0 || row >= doc->program.rowCount) {
        return;
    }
    UndoRecord& record = Begin(RowCommentStep, CoilColumn, row);
    record.comments.push_back(doc->program.rowComments[static_cast<std::size_t>(row)]);
    Advance();
}

void UnDoList::RecordSymbolComment(int column, int row, std::string oldText) {
    if (!doc) {
        return;
    }
    Begin(SymbolCommentStep, column, row).text = std::move(oldText);
    Advance();
}

UnDoList::Undone UnDoList::UndoStep() {
    Undone result;
    if (!doc || available == 0) {
        return result;
    }
    --available;
    next = (next + Capacity - 1) % Capacity;
    UndoRecord& record = records[static_cast<std::size_t>(next)];
    if (TakeBack(record)) {
        result.position = {record.column, record.row};
        result.count = record.count;
        result.changed = true;
    }
    record = UndoRecord{};

    LadderProgram& program = doc->program;
    if (program.rowCount == 0) {
        program.InsertRows(0, 1, doc->UserInterface());
    }
    RecountTables(program);
    RebuildNumberRegistries(program, doc->compiler);
    return result;
}

bool UnDoList::TakeBack(UndoRecord& record) {
    LadderProgram& program = doc->program;
    switch (record.kind) {
    case CellStep:
        if (!HoldsCell(program, record.column, record.row) || record.cells.size() != 1) {
            return false;
        }
        program.Row(record.row)[record.column] = record.cells.front();
        return true;
    case RowsDeleted:
        return RestoreRows(record);
    case RowsInserted:
        return DeleteInserted(record);
    case RowsReplaced: {
        // Both halves must fit before either is done, so a dropped step changes nothing.
        const int remaining = program.rowCount - record.inserted;
        if (record.row < 0 || record.row > remaining ||
            remaining + record.count >= LadderProgram::MaxRows) {
            return false;
        }
        DeleteInserted(record);
        return RestoreRows(record);
    }
    case RowCommentStep:
        if (record.row < 0 || record.row >= program.rowCount || record.comments.size() != 1) {
            return false;
        }
        program.rowComments[static_cast<std::size_t>(record.row)] = record.comments.front();
        return true;
    case SymbolCommentStep:
        if (!HoldsCell(program, record.column, record.row)) {
            return false;
        }
        doc->selection.cursor = {record.column, record.row};
        return SetSymbolComment(*doc->symbolComments, program, doc->selection, record.text,
                                doc->Panes(), doc->UserInterface());
    default:
        return false;
    }
}

bool UnDoList::RestoreRows(UndoRecord& record) {
    LadderProgram& program = doc->program;
    const int n = record.count;
    if (record.row < 0 || record.row > program.rowCount ||
        record.cells.size() != static_cast<std::size_t>(n) * ColumnsPerRow ||
        record.comments.size() != static_cast<std::size_t>(n)) {
        return false;
    }
    if (n == 0) {
        return true;
    }
    if (!program.InsertRows(record.row, n, doc->UserInterface())) {
        return false;
    }
    for (int i = 0; i < n; ++i) {
        LadderRow& row = program.Row(record.row + i);
        for (int c = 0; c < ColumnsPerRow; ++c) {
            row[c] = record.cells[static_cast<std::size_t>(i * ColumnsPerRow + c)];
        }
        program.rowComments[static_cast<std::size_t>(record.row + i)] =
            record.comments[static_cast<std::size_t>(i)];
    }
    return true;
}

bool UnDoList::DeleteInserted(const UndoRecord& record) {
    LadderProgram& program = doc->program;
    int n = record.inserted;
    if (record.row < 0 || n > program.rowCount - record.row) {
        return false;
    }
    // A COD box inserted by this step had its data table made afterwards without a step of its
    // own: the table rows that directly follow the box go with it.
    if (n > 0) {
        const LadderRow& last = program.Row(record.row + n - 1);
        const int f = FindFunctionColumn(last);
        if (f >= 0 && KindOf(last[f].code) == Kind::COD) {
            while (record.row + n < program.rowCount &&
                   KindOf(program.Row(record.row + n)[f].code) == Kind::CODT) {
                ++n;
            }
        }
    }
    program.DeleteRows(record.row, n);
    return true;
}

} // namespace velmora
