#pragma once

#include "model/LadderCell.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace velmora {

class Ui;

// The ladder: up to MaxRows rows of eight cells, a comment field per row and three header
// words written by the compiler. Rows are held by value; entries at and beyond rowCount carry
// no meaning, while comment fields there keep their text (files carry them).
class LadderProgram {
public:
    static constexpr int MaxRows = 2600;
    static constexpr int CommentSize = 21; // 20 bytes of GBK text and a NUL

    using Comment = std::array<char, CommentSize>;

    std::uint16_t end1Row = 0;
    std::uint16_t lastStep = 0;
    std::uint16_t level1End = 0;
    std::array<Comment, MaxRows> rowComments{};
    std::int16_t rowCount = 0;
    std::array<LadderRow, MaxRows> rows{};

    // Inserts n empty rows before row at. Refused with the message box "行数超出范围!" when the
    // ladder would reach MaxRows rows; returns whether the rows were inserted.
    bool InsertRows(int at, int n, Ui& ui);
    void DeleteRows(int at, int n);
    void Clear();

    LadderRow& Row(int index) { return rows[static_cast<std::size_t>(index)]; }
    const LadderRow& Row(int index) const { return rows[static_cast<std::size_t>(index)]; }

    std::string_view CommentText(int row) const;
    // Cuts to 20 bytes without splitting a double-byte character.
    void SetComment(int row, std::string_view gbk);
};

} // namespace velmora
