#pragma once

#include <cstdlib>
#include <string>
#include <string_view>

namespace velmora {

// C atoi over a text that need not be NUL-terminated: leading blanks, a sign, digits up to the
// first other character; 0 when there are none. Values beyond int saturate rather than overflow.
inline int Atoi(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        if (value < 10000000000LL) {
            value = value * 10 + (text[i] - '0');
        }
        ++i;
    }
    if (negative) {
        value = -value;
    }
    if (value > 2147483647LL) {
        return 2147483647;
    }
    if (value < -2147483648LL) {
        return -2147483647 - 1;
    }
    return static_cast<int>(value);
}

} // namespace velmora
