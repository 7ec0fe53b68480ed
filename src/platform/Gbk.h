#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velmora {

// Files and the model carry GBK bytes; everything shown or typed is UTF-8. These convert at
// the edges. A character that does not convert becomes one '?', so a damaged file still displays.
std::string GbkToUtf8(std::string_view gbk);
std::string Utf8ToGbk(std::string_view utf8);

// Length of the longest prefix of gbk of at most maxBytes bytes that does not end in the middle
// of a double-byte character.
std::size_t GbkCutLength(std::string_view gbk, std::size_t maxBytes);

// The text of a fixed-width field: up to the first NUL or the whole width.
std::string_view FieldText(const char* field, std::size_t width);

// Stores text in a fixed-width field: cut to the width without splitting a double-byte
// character, the rest of the field filled with NUL.
void SetField(char* field, std::size_t width, std::string_view text);

} // namespace velmora
