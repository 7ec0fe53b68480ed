#pragma once

#include <string>
#include <string_view>

namespace velmora::testing {

// Bytes written as "FF FE 00": pairs of hex digits, blanks ignored.
inline std::string Hex(std::string_view text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        bytes += static_cast<char>(std::stoi(std::string(text.substr(i, 2)), nullptr, 16));
        i += 2;
    }
    return bytes;
}

} // namespace velmora::testing
