#include "model/LadderProgram.h"

#include "platform/Gbk.h"
#include "platform/Ui.h"

namespace velmora {

bool LadderProgram::InsertRows(int at, int n, Ui& ui) {
    if (at < 0 || n < 0 || at > rowCount) {
        return false;
    }
    if (n >= MaxRows - rowCount) {
        ui.MessageBox("行数超出范围!");
        return false;
    }
    rowCount = static_cast<std::int16_t>(rowCount + n);
    for (int i = rowCount - 1; i >= at + n; --i) {
        rows[static_cast<std::size_t>(i)] = rows[static_cast<std::size_t>(i - n)];
        rowComments[static_cast<std::size_t>(i)] = rowComments[static_cast<std::size_t>(i - n)];
    }
    for (int i = at + n - 1; i >= at; --i) {
        rows[static_cast<std::size_t>(i)] = LadderRow{};
        rowComments[static_cast<std::size_t>(i)] = Comment{};
    }
    return true;
}

void LadderProgram::DeleteRows(int at, int n) {
    if (n <= 0 || at < 0 || n > rowCount - at) {
        return;
    }
    rowCount = static_cast<std::int16_t>(rowCount - n);
    for (int i = at; i < rowCount; ++i) {
        rows[static_cast<std::size_t>(i)] = rows[static_cast<std::size_t>(i + n)];
        rowComments[static_cast<std::size_t>(i)] = rowComments[static_cast<std::size_t>(i + n)];
    }
}

void LadderProgram::Clear() { rowCount = 0; }

std::string_view LadderProgram::CommentText(int row) const {
    const Comment& c = rowComments[static_cast<std::size_t>(row)];
    return FieldText(c.data(), CommentSize);
}

void LadderProgram::SetComment(int row, std::string_view gbk) {
    Comment& c = rowComments[static_cast<std::size_t>(row)];
    SetField(c.data(), CommentSize - 1, gbk);
    c[CommentSize - 1] = '\0';
}

} // namespace velmora
