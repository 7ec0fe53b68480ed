#include "editor/OperandAddress.h"

#include "compiler/Numbers.h"

namespace velmora {

namespace {

constexpr std::size_t MaxBitAddressLength = 6;
constexpr std::size_t PointPosition = 4; // letter, three digits of the byte, point, bit

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

} // namespace

int ParseBitAddress(std::string& text) {
    if (text.size() < 2 || text.size() > MaxBitAddressLength) {
        return -1;
    }
    std::size_t point = 1;
    while (point < text.size() && text[point] != '.') {
        if (!IsDigit(text[point])) {
            return -1;
        }
        ++point;
    }
    if (point + 2 != text.size() || text[point + 1] < '0' || text[point + 1] > '7') {
        return -1;
    }
    const int byte = Atoi(std::string_view(text).substr(1, point - 1));
    if (!CheckByteRange(text[0], byte)) {
        return -1;
    }
    if (point < PointPosition) {
        text.insert(1, PointPosition - point, '0');
    }
    return byte;
}

bool CheckByteRange(char letter, int number) {
    int highest = -1;
    switch (letter) {
    case 'A':
        highest = 31;
        break;
    case 'C':
    case 'D':
    case 'T':
        highest = 255;
        break;
    case 'F':
    case 'G':
    case 'K':
    case 'X':
        highest = 63;
        break;
    case 'R':
        highest = 511;
        break;
    case 'Y':
        highest = 47;
        break;
    default:
        return false;
    }
    return number >= 0 && number <= highest;
}

bool IsProtectedOutput(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    const int byte = Atoi(text.substr(1));
    switch (text[0]) {
    case 'K':
        return byte < 6;
    case 'R':
        return byte == 255 || byte == 510 || byte == 511;
    case 'G':
        return byte == 63 && text.back() == '7';
    default:
        return false;
    }
}

} // namespace velmora
