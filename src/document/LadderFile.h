#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

namespace velmora {

class LadderCompiler;
class LadderProgram;
class OutputPanes;
class SymbolCommentTable;
class Ui;
struct LadderInfo;

// The ladder file: a 108-byte header, one record per row, optionally trailing comment records.
// Integers are little-endian; text is GBK in fixed-width fields.
namespace LadderFileLayout {
constexpr std::size_t HeaderSize = 108;
constexpr std::size_t CellRecordSize = 13;
constexpr std::size_t CommentBytes = 20;
constexpr std::size_t RowRecordSize = 8 * CellRecordSize + CommentBytes; // 124
// The "CON" variant has 26 bytes before the coil column's record and no comment.
constexpr std::size_t ConSkippedBytes = 26;
constexpr std::size_t ConRowRecordSize = 8 * CellRecordSize + ConSkippedBytes; // 130
constexpr std::size_t DateOffset = 83;
constexpr std::uint16_t RowCommentMarker = 0x14EA;
} // namespace LadderFileLayout

// Whether a file is read in the "CON" row layout: its name, upper-cased, ends in CON.
bool IsConFileName(std::string_view fileName);

// Loads a ladder file's bytes into program and info, replacing what they held (oldProgram is
// emptied too), points the compiler at program, adds the default symbol comments and runs the
// compiler's pre-conversion check. fileName chooses the "CON" layout. Progress goes to the
// output pane. A format error (row count out of range, or fewer bytes than the header and rows
// need) is reported and leaves program without rows; the result is then false. An empty file
// loads nothing and quietly gives a ladder without rows.
bool ReadLadder(std::string_view bytes, std::string_view fileName, LadderProgram& program,
                LadderProgram& oldProgram, LadderInfo& info, SymbolCommentTable& symbolComments,
                LadderCompiler& compiler, OutputPanes& panes, Ui& ui);

// Stamps info's date with the local time now and returns the file's header and row records.
std::string WriteLadder(const LadderProgram& program, LadderInfo& info, OutputPanes& panes,
                        std::time_t now = std::time(nullptr));

// The trailing records: one per non-empty comment field of all MaxRows fields.
std::string WriteRowCommentRecords(const LadderProgram& program, OutputPanes& panes);

// Gives the boxes that older files keep in a single row their full height. At the row limit a
// box stays single-row (the refusal is shown once) and nothing below it is overwritten.
void ExpandBoxes(LadderProgram& program, Ui& ui);

} // namespace velmora
