#include "compiler/LadderCompiler.h"

#include <algorithm>

namespace velmora {

bool LadderCompiler::WriteInstructionText(std::string& file) const {
    for (const std::string& line : lines) {
        // The row number goes; the blanks that padded it stay.
        const std::size_t lastBlank = line.rfind(' ');
        file.append(line, 0, lastBlank == std::string::npos ? line.size() : lastBlank);
        file.append("\r\n");
    }
    return true;
}

bool LadderCompiler::WriteBinaryCode(std::string& file) const {
    file.reserve(file.size() + recordCount * 8u + MaxDataWords * 2u);
    for (int i = 0; i < recordCount; ++i) {
        const auto bytes = codeBuffer[static_cast<std::size_t>(i)].Bytes();
        file.append(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
    if (recordCount == 0) {
        return true;
    }
    // The last record is the terminator, whose step counts the data words; after a failed run
    // it may be any record, so the count never reaches past the table.
    const int words = std::min<int>(codeBuffer[recordCount - 1u].step, MaxDataWords);
    for (int i = 0; i < words; ++i) {
        const auto word = static_cast<std::uint16_t>(dataTable[static_cast<std::size_t>(i)]);
        file.push_back(static_cast<char>(word & 0xFF));
        file.push_back(static_cast<char>(word >> 8));
    }
    return true;
}

} // namespace velmora
