#pragma once

#include "model/LadderCell.h"

namespace velmora {

class LadderCompiler;
class LadderProgram;

// Questions about the boxes and data tables of a ladder that several editing commands ask, and
// the bookkeeping every change of rows needs. Nothing here trusts the cells: extents are clamped
// to the ladder.

// The first column of a row whose code is a box or data-table cell, or -1.
int FindFunctionColumn(const LadderRow& row);

// The rows of the box or data table that cell (column, row) belongs to, counted from the top row
// it receives: a box's height, a table's length, and for a COD box also the table that follows
// it. 0 when the cell is not a box or table cell.
int BlockRows(const LadderProgram& program, int column, int row, int& top);

// Whether rows inserted before row `at` would split a box or a data table, or part a COD box
// from its table.
bool SplitsBlock(const LadderProgram& program, int at);

// Gives every cell of each run of data-table rows the run's length, as loading a file does.
void RecountTables(LadderProgram& program);

// Claims in the compiler's registries every number the ladder's numbered parameters hold,
// duplicates included, and nothing else.
void RebuildNumberRegistries(const LadderProgram& program, LadderCompiler& compiler);

} // namespace velmora
