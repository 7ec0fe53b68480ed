#include "platform/DialogFields.h"

#include <cerrno>
#include <climits>
#include <iconv.h>

namespace velmora {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Digits with an optional sign and surrounding blanks; the value without the sign's effect.
std::optional<unsigned long long> ParseMagnitude(std::string_view text, bool& negative) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t digitsStart = i;
    unsigned long long value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        value = value * 10 + static_cast<unsigned>(text[i] - '0');
        if (value > UINT_MAX + 1ULL) {
            return std::nullopt;
        }
        ++i;
    }
    if (i == digitsStart) {
        return std::nullopt;
    }
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    if (i != text.size()) {
        return std::nullopt;
    }
    return value;
}

// Converts one code point at a time so a failure can be told from a short buffer.
template <class OnChar> bool ForEachGbkChar(std::string_view utf8, OnChar onChar) {
    iconv_t cd = iconv_open("GBK", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return false;
    }
    std::size_t i = 0;
    bool all = true;
    while (i < utf8.size()) {
        const unsigned char lead = static_cast<unsigned char>(utf8[i]);
        std::size_t width = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        if (width > utf8.size() - i) {
            width = utf8.size() - i;
        }
        char* src = const_cast<char*>(utf8.data() + i);
        std::size_t srcLeft = width;
        char out[8];
        char* dst = out;
        std::size_t dstLeft = sizeof out;
        const bool ok = iconv(cd, &src, &srcLeft, &dst, &dstLeft) != static_cast<std::size_t>(-1) &&
                        srcLeft == 0;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        all = all && ok;
        onChar(ok, static_cast<std::size_t>(dst - out));
        i += width;
    }
    iconv_close(cd);
    return all;
}

} // namespace

std::optional<int> ParseSignedField(std::string_view text) {
    bool negative = false;
    const auto magnitude = ParseMagnitude(text, negative);
    if (!magnitude) {
        return std::nullopt;
    }
    const unsigned long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    if (*magnitude > limit) {
        return std::nullopt;
    }
    return static_cast<int>(negative ? -static_cast<long long>(*magnitude)
                                     : static_cast<long long>(*magnitude));
}

std::optional<unsigned> ParseUnsignedField(std::string_view text) {
    bool negative = false;
    const auto magnitude = ParseMagnitude(text, negative);
    if (!magnitude || negative || *magnitude > UINT_MAX) {
        return std::nullopt;
    }
    return static_cast<unsigned>(*magnitude);
}

std::string NotIntegerMessage() { return "请键入一个整数。"; }

std::string NotPositiveIntegerMessage() { return "“请填入一个正整数。”"; }

std::string RangeMessage(long long min, long long max) {
    return "“请填入一个在" + std::to_string(min) + "和" + std::to_string(max) + "之间的整数。”";
}

std::string TooLongMessage(std::size_t maxBytes) {
    return "“请填入不多于" + std::to_string(maxBytes) + "个的字符。”";
}

std::string NotGbkMessage() {
    return "输入的文字中有无法保存的字符（只能使用GBK字符集中的字符）。";
}

bool EncodesInGbk(std::string_view utf8) {
    return ForEachGbkChar(utf8, [](bool, std::size_t) {});
}

std::size_t GbkLength(std::string_view utf8) {
    std::size_t bytes = 0;
    ForEachGbkChar(utf8, [&](bool ok, std::size_t n) { bytes += ok ? n : 1; });
    return bytes;
}

std::vector<FileFilter> ParseFilterString(std::string_view filter) {
    std::vector<FileFilter> result;
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start <= filter.size()) {
        const std::size_t bar = filter.find('|', start);
        const std::size_t end = bar == std::string_view::npos ? filter.size() : bar;
        parts.push_back(filter.substr(start, end - start));
        if (bar == std::string_view::npos) {
            break;
        }
        start = bar + 1;
    }
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].empty() || parts[i + 1].empty()) {
            break;
        }
        FileFilter choice{std::string(parts[i]), {}};
        std::string_view patterns = parts[i + 1];
        std::size_t p = 0;
        while (p <= patterns.size()) {
            const std::size_t semi = patterns.find(';', p);
            const std::size_t end = semi == std::string_view::npos ? patterns.size() : semi;
            std::string_view pattern = patterns.substr(p, end - p);
            while (!pattern.empty() && pattern.front() == ' ') {
                pattern.remove_prefix(1);
            }
            while (!pattern.empty() && pattern.back() == ' ') {
                pattern.remove_suffix(1);
            }
            if (!pattern.empty()) {
                choice.patterns.emplace_back(pattern);
            }
            if (semi == std::string_view::npos) {
                break;
            }
            p = semi + 1;
        }
        if (!choice.patterns.empty()) {
            result.push_back(std::move(choice));
        }
    }
    return result;
}

} // namespace velmora
