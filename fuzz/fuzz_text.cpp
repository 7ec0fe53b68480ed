// Text from files and from the keyboard: encoding conversions, byte cuts and number reading
// must cope with any bytes.
#include "compiler/Numbers.h"
#include "platform/Gbk.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string utf8 = GbkToUtf8(text);
    const std::string back = Utf8ToGbk(utf8);
    Utf8ToGbk(text);

    for (std::size_t width : {std::size_t{0}, std::size_t{1}, std::size_t{6}, std::size_t{20}}) {
        const std::size_t cut = GbkCutLength(text, width);
        if (cut > width || cut > size) {
            std::abort();
        }
        std::array<char, 21> field{};
        SetField(field.data(), width, text);
        if (FieldText(field.data(), width).size() > width) {
            std::abort();
        }
    }
    Atoi(text);
    return 0;
}
