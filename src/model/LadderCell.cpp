#include "model/LadderCell.h"

#include "platform/Gbk.h"

namespace velmora {

std::string_view LadderCell::OperandText() const {
    return FieldText(operand.data(), operand.size());
}

void LadderCell::SetOperand(std::string_view text) {
    SetField(operand.data(), operand.size() - 1, text);
    operand[OperandSize - 1] = '\0';
}

} // namespace velmora
