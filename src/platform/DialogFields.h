#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The checks a dialog's OK button makes on its fields, and the messages it shows when one fails.
// Texts are UTF-8.

// A signed decimal number: blanks around it, an optional sign, at least one digit, nothing else,
// and within the range of int.
std::optional<int> ParseSignedField(std::string_view text);
// The same without a minus sign.
std::optional<unsigned> ParseUnsignedField(std::string_view text);

std::string NotIntegerMessage();
std::string NotPositiveIntegerMessage();
std::string RangeMessage(long long min, long long max);
std::string TooLongMessage(std::size_t maxBytes);
// Shown when typed text has characters that the GBK files could not store.
std::string NotGbkMessage();

// Whether every character of a UTF-8 text has a GBK encoding.
bool EncodesInGbk(std::string_view utf8);
// Bytes the text takes in GBK; characters without a GBK encoding count as one byte.
std::size_t GbkLength(std::string_view utf8);

// One choice of a file dialog's filter string "name|pattern;pattern|...||".
struct FileFilter {
    std::string name;
    std::vector<std::string> patterns;
};

// The choices of a filter string in order. The list ends at the first empty part ("||"), as the
// bars stand for the NULs of a double-NUL-terminated list.
std::vector<FileFilter> ParseFilterString(std::string_view filter);

} // namespace velmora
