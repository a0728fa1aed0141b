// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which kinds of control a skinned form attaches skinned-control objects to.

#include <cstdint>

namespace lirem::skin {

enum class TSkinControlType {
    xcMainMenu,
    xcPopupMenu,
    xcToolbar,
    xcControlbar,
    xcCombo,
    xcCheckBox,
    xcRadioButton,
    xcProgress,
    xcScrollbar,
    xcButton,
    xcBitBtn,
    xcSpeedButton,
    xcPanel,
    xcGroupBox,
    xcStatusBar,
    xcTab,
};

inline constexpr int kSkinControlTypeCount = 16;
static_assert(static_cast<int>(TSkinControlType::xcTab) + 1 == kSkinControlTypeCount,
              "the count follows the last kind");

// A set of TSkinControlType: bit n stands for the n-th kind.
class TSkinControlTypes {
public:
    constexpr TSkinControlTypes() = default;
    constexpr explicit TSkinControlTypes(std::uint16_t bits) : bits_(bits) {}

    static constexpr TSkinControlTypes All() { return TSkinControlTypes(0xFFFF); }
    static constexpr TSkinControlTypes None() { return TSkinControlTypes(0); }

    constexpr bool Contains(TSkinControlType kind) const { return (bits_ & Bit(kind)) != 0; }
    constexpr TSkinControlTypes With(TSkinControlType kind) const {
        return TSkinControlTypes(static_cast<std::uint16_t>(bits_ | Bit(kind)));
    }
    constexpr TSkinControlTypes Without(TSkinControlType kind) const {
        return TSkinControlTypes(static_cast<std::uint16_t>(bits_ & ~Bit(kind)));
    }
    constexpr std::uint16_t Bits() const { return bits_; }
    constexpr bool operator==(const TSkinControlTypes&) const = default;

private:
    static constexpr std::uint16_t Bit(TSkinControlType kind) {
        return static_cast<std::uint16_t>(1u << static_cast<unsigned>(kind));
    }
    std::uint16_t bits_ = 0;
};

} // namespace lirem::skin
