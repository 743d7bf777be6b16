// A key to type into another program: a named key or a character, with the
// modifier keys held while it is typed.
#pragma once

#include <cstdint>

namespace lt {

namespace vk {
inline constexpr std::uint16_t Back = 0x08, Tab = 0x09, Return = 0x0D, Escape = 0x1B, Space = 0x20, PageUp = 0x21,
                               PageDown = 0x22, End = 0x23, Home = 0x24, Left = 0x25, Up = 0x26, Right = 0x27,
                               Down = 0x28, Insert = 0x2D, Delete = 0x2E, F1 = 0x70;
}

namespace mod {
inline constexpr std::uint8_t Shift = 1, Ctrl = 2, Alt = 4;
}

struct Keystroke {
    // A named key (vk) or a character to type (ch).
    std::uint16_t vk = 0;
    char32_t ch = 0;
    std::uint8_t modifiers = 0;
    // Strokes of one group share one press of their modifiers: "%(fn)" holds
    // Alt over both keys, "%f%n" presses it twice.
    int group = 0;
    bool operator==(const Keystroke&) const = default;
};

} // namespace lt
