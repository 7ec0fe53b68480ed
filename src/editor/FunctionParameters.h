#pragma once

#include "model/LadderCell.h"

#include <string>

namespace velmora {

// The verdict on one typed box parameter or data-table value.
struct ParameterCheck {
    // The parameter's value; -1 when it is out of range or of an unknown area (error 1012), -2
    // when it is malformed (error 1011).
    int value = -2;
    // A parameter whose text is emptied because a format changed sides of 1000; -1 for none.
    int clearColumn = -1;
    // COD's table size: the data-table rows to make; 0 when no table is asked for.
    int tableRows = 0;
};

// Checks text for the parameter cell of the given code standing in column of row (the box's top
// row, or a data-table row) and rewrites it in place to its stored form. Reads the row for the
// format a parameter depends on; changes nothing in it.
ParameterCheck CheckFunctionParameter(const LadderRow& row, ElementCode code, int column,
                                      std::string& text);

// Whether a box parameter cell claims its value in one of the compiler's number registries.
bool IsNumberedParameter(ElementCode code);

} // namespace velmora
