#pragma once

#include <ctime>
#include <string>

namespace velmora {

class LadderProgram;
class OutputPanes;
class Ui;
struct LadderInfo;

// Builds in oldProgram the copy of program that the old file layout can hold: the lower rows of
// the boxes it keeps in a single row are removed (each remaining row keeps its comment, and the
// END1 row number follows the rows that moved up). Refuses, with a message box and an output
// line, a ladder holding an instruction the old layout lacks; oldProgram is then not to be
// written.
bool ConvertToOldLayout(const LadderProgram& program, LadderProgram& oldProgram, OutputPanes& panes,
                        Ui& ui);

// The old-layout file's bytes: the ladder file of oldProgram without trailing comment records.
// Stamps info's date like every ladder write.
std::string WriteOldLadder(const LadderProgram& oldProgram, LadderInfo& info, OutputPanes& panes,
                           std::time_t now = std::time(nullptr));

} // namespace velmora
