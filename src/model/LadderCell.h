#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace velmora {

using ElementCode = std::uint16_t;

// One grid position. Operand bytes after the terminating NUL are kept as they stand, because
// files carry them.
struct LadderCell {
    static constexpr int OperandSize = 7;

    ElementCode code = 0;
    std::uint32_t verticalLine = 0;
    std::int16_t number = -1;
    std::array<char, OperandSize> operand{};
    std::uint8_t selected = 0;
    std::int32_t tableRows = 0;

    void Initialise() { *this = LadderCell{}; }

    // The operand text up to its NUL (at most 6 characters in a well-formed cell).
    std::string_view OperandText() const;
    // Stores at most 6 characters and NUL-fills the rest of the field.
    void SetOperand(std::string_view text);

    bool operator==(const LadderCell&) const = default;
};

constexpr int ColumnsPerRow = 8;
constexpr int CoilColumn = 7;

// Eight cells from the left power rail (column 0) to the coil column (column 7).
struct LadderRow {
    std::array<LadderCell, ColumnsPerRow> cells{};

    LadderCell& operator[](int column) { return cells[static_cast<std::size_t>(column)]; }
    const LadderCell& operator[](int column) const {
        return cells[static_cast<std::size_t>(column)];
    }
    bool operator==(const LadderRow&) const = default;
};

} // namespace velmora
