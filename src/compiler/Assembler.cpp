#include "compiler/LadderCompiler.h"

namespace velmora {

int LadderCompiler::Assemble() {
    Reset();
    return 1;
}

} // namespace velmora
