#include "platform/Gbk.h"

#include <cerrno>
#include <cstring>
#include <iconv.h>

namespace velmora {

namespace {

// Bytes of the character at text in a source that cannot be converted, at least 1.
using SkipFunction = std::size_t (*)(const char* text, std::size_t left);

std::size_t SkipUtf8(const char* text, std::size_t left) {
    std::size_t n = 1;
    while (n < left && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80 && n < 4) {
        ++n;
    }
    return n;
}

// A lead byte with a byte from the trail range is one character even where it has no mapping
// (user-defined areas); anything else is a single stray byte.
std::size_t SkipGbk(const char* text, std::size_t left) {
    const unsigned char lead = static_cast<unsigned char>(text[0]);
    if (left >= 2 && lead >= 0x81 && lead <= 0xFE) {
        const unsigned char trail = static_cast<unsigned char>(text[1]);
        if (trail >= 0x40 && trail <= 0xFE && trail != 0x7F) {
            return 2;
        }
    }
    return 1;
}

std::string Convert(const char* to, const char* from, SkipFunction skipCharacter,
                    std::string_view in) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return std::string(in);
    }
    std::string out;
    out.reserve(in.size() * 2);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char buffer[256];
    while (srcLeft > 0) {
        char* dst = buffer;
        std::size_t dstLeft = sizeof buffer;
        const std::size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buffer, static_cast<std::size_t>(dst - buffer));
        if (rc == static_cast<std::size_t>(-1)) {
            if (errno == E2BIG) {
                continue;
            }
            // A character that is invalid, truncated or has no equivalent: one '?' for it, and
            // go on after it so the rest stays in step.
            out += '?';
            const std::size_t skip = skipCharacter(src, srcLeft);
            src += skip;
            srcLeft -= skip;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(cd);
    return out;
}

} // namespace

std::string GbkToUtf8(std::string_view gbk) { return Convert("UTF-8", "GBK", SkipGbk, gbk); }

std::string Utf8ToGbk(std::string_view utf8) { return Convert("GBK", "UTF-8", SkipUtf8, utf8); }

std::size_t GbkCutLength(std::string_view gbk, std::size_t maxBytes) {
    std::size_t i = 0;
    while (i < gbk.size()) {
        const unsigned char c = static_cast<unsigned char>(gbk[i]);
        const std::size_t width = (c >= 0x81 && c <= 0xFE && i + 1 < gbk.size()) ? 2 : 1;
        if (i + width > maxBytes) {
            break;
        }
        i += width;
    }
    return i;
}

std::string_view FieldText(const char* field, std::size_t width) {
    const void* nul = std::memchr(field, 0, width);
    return {field, nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - field) : width};
}

void SetField(char* field, std::size_t width, std::string_view text) {
    const std::size_t n = GbkCutLength(text, width);
    if (n > 0) {
        std::memcpy(field, text.data(), n);
    }
    std::memset(field + n, 0, width - n);
}

} // namespace velmora
