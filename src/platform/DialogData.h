#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace velmora {

// The values of the small modal dialogs, kept by whoever owns the dialog: the document keeps one
// ItemSetData, a view keeps its NoteData, SelMulRowData and GotoLineData so they carry over from
// one use to the next; the others are made afresh for each use. Texts are GBK bytes, as the
// model stores them; the dialogs convert at the edge.

// Element settings: the operand address of the element being placed or edited.
struct ItemSetData {
    static constexpr std::size_t AddressSize = 6;

    std::uint16_t elementCode = 0; // chooses the group caption and the figure; set by the caller
    std::string address;           // capitals, at most AddressSize bytes
};

// Functional-instruction picker: a name typed or chosen from the sorted list.
struct FuncData {
    std::string name;             // capitals
    std::uint16_t resultCode = 0; // kind in the high byte, 0 in the low byte; set on OK
};

// Symbol comment of an address.
struct NoteData {
    std::string title;   // shown as the group caption: the address the comment belongs to
    std::string comment; // no length limit of its own
};

// Number of rows to insert.
struct InsertLineData {
    static constexpr unsigned MinCount = 1;
    static constexpr unsigned MaxCount = 1000;

    unsigned count = 1;
};

// Ladder information; the limits are the widths of the fields the texts are stored in.
struct LadInfoData {
    static constexpr std::size_t VersionSize = 15;
    static constexpr std::size_t MachineSize = 40;
    static constexpr std::size_t ModifierSize = 20;

    std::string version;
    std::string machine;
    std::string modifier;
};

// A range of rows, 1-based as shown; the caller clamps them.
struct SelMulRowData {
    int startRow = 0;
    int endRow = 0;
};

// A row to go to, 1-based as shown; the caller clamps it to the ladder.
struct GotoLineData {
    static constexpr int MinRow = 1;
    static constexpr int MaxRow = 9999;

    int row = 0;
};

} // namespace velmora
