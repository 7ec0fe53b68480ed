#pragma once

#include <array>
#include <string_view>

namespace velmora {

// The ladder information: fixed-width GBK fields. A value of full width carries no NUL, so every
// reader goes by the width and never runs into the next field.
struct LadderInfo {
    static constexpr int VersionSize = 15;
    static constexpr int MachineSize = 40;
    static constexpr int ModifierSize = 20;
    static constexpr int DateSize = 25;

    std::array<char, VersionSize> version{};
    std::array<char, MachineSize> machine{};
    std::array<char, ModifierSize> modifier{};
    std::array<char, DateSize> date{};

    bool operator==(const LadderInfo&) const = default;
};

} // namespace velmora
