#pragma once

#include "model/LadderProgram.h"

#include <memory>

namespace velmora {

// A ladder of the full MaxRows rows, drawn as the editor would draw it, that converts: a first
// level with edge detectors, a COM range, a jump and calls; a second level of coil networks with
// parallel branches and parallel coils, every functional instruction, COD tables and further
// jumps and calls; subprograms after END2, one calling another. The same ladder every time.
std::unique_ptr<LadderProgram> GenerateLargeLadder();

} // namespace velmora
