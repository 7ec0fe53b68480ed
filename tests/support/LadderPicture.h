#pragma once

#include "model/LadderProgram.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::testing {

// Builds a ladder from a text picture, one string per row. Tokens fill columns 0 to 7 from the
// left, separated by blanks; columns without a token stay empty.
//
//   X000.0        normally-open contact on X000.0
//   /X000.1       normally-closed contact
//   --            horizontal line
//   .             empty cell
//   (Y000.0)      coil;  (/Y000.0) inverted coil
//   ...           horizontal lines up to the column of the next token, which lands in column 7
//   #             a cell left as it is (one a box covers)
//   [ADD 1 R0010 R0011 R0012]
//                 a whole functional-instruction box with its name cell in this column: the
//                 parameters fill the cells to its right, its lower rows the rows below. The
//                 token takes one column like any other, so the box's other cells are written
//                 as # in every row it covers; "_" leaves a parameter empty (number -1)
//   +             suffix on any token: a vertical link on the cell's right edge ("X000.0+", ".+")
//
// A row that starts with "CODT" is a data-table row: "CODT 1 2 3 4 5 6 7 8" gives its eight
// values; consecutive CODT rows form one block. Text after " ; " is the row's comment.
//
// Box parameter cells and contacts get number = the value after the letter (or of the constant).
// Malformed pictures abort the test with a message.
std::unique_ptr<LadderProgram> Ladder(std::initializer_list<std::string_view> rows);
// The same from rows assembled at run time (a table of cases plus common rows, for instance).
std::unique_ptr<LadderProgram> LadderFromRows(const std::vector<std::string_view>& rows);
std::unique_ptr<LadderProgram> Ladder(const std::vector<std::string>& rows);

} // namespace velmora::testing
