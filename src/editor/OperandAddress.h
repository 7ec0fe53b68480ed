#pragma once

#include <string>
#include <string_view>

namespace velmora {

// The operand forms typed into contacts, coils and box parameters, and the address areas they
// name. Texts are the model's bytes (capital letters after the caller's conversion).

// Validates a bit address such as X5.3 and widens it in place to its stored form X005.3.
// Returns the byte number, or -1 when the text is not a bit address of a known area.
int ParseBitAddress(std::string& text);

// Whether a byte number lies in the bit-address range of an area letter.
bool CheckByteRange(char letter, int number);

// Bits a coil may never drive: K000-K005, R255, R510, R511 (all bits) and G063.7.
bool IsProtectedOutput(std::string_view text);

} // namespace velmora
