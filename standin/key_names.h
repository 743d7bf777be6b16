// How the stand-in Trazel names the keys it writes to its key log. A line is
// "<window class> <modifiers><key>", for example "QaTrazelFrame Alt+F": the
// class of the receiving program's active top-level window (the root owner of
// a dialog or box), then "Ctrl+", "Alt+" and "Shift+" in that order, then the
// key. The modifier keys themselves are never logged on their own.
//
// Portable on purpose: the tests compute the lines they expect from it.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace standin {

// Virtual-key codes as Windows numbers them.
namespace vk {
inline constexpr unsigned Backspace = 0x08, Tab = 0x09, Enter = 0x0D, Shift = 0x10, Ctrl = 0x11, Alt = 0x12,
                          Esc = 0x1B, Space = 0x20, PageUp = 0x21, PageDown = 0x22, End = 0x23, Home = 0x24,
                          Left = 0x25, Up = 0x26, Right = 0x27, Down = 0x28, Insert = 0x2D, Delete = 0x2E, F1 = 0x70,
                          F24 = 0x87, LeftShift = 0xA0, RightAlt = 0xA5;
}

inline std::string keyName(unsigned code)
{
    if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9'))
        return std::string(1, static_cast<char>(code));
    if (code >= vk::F1 && code <= vk::F24)
        return std::string(1, 'F').append(std::to_string(code - vk::F1 + 1));
    switch (code) {
    case vk::Esc:
        return "Esc";
    case vk::Enter:
        return "Enter";
    case vk::Backspace:
        return "Backspace";
    case vk::Tab:
        return "Tab";
    case vk::Space:
        return "Space";
    case vk::Home:
        return "Home";
    case vk::End:
        return "End";
    case vk::Left:
        return "Left";
    case vk::Right:
        return "Right";
    case vk::Up:
        return "Up";
    case vk::Down:
        return "Down";
    case vk::PageUp:
        return "PageUp";
    case vk::PageDown:
        return "PageDown";
    case vk::Insert:
        return "Insert";
    case vk::Delete:
        return "Delete";
    // The punctuation keys of a US layout, by their unshifted character.
    case 0xBA:
        return ";";
    case 0xBB:
        return "=";
    case 0xBC:
        return ",";
    case 0xBD:
        return "-";
    case 0xBE:
        return ".";
    case 0xBF:
        return "/";
    case 0xC0:
        return "`";
    case 0xDB:
        return "[";
    case 0xDC:
        return "\\";
    case 0xDD:
        return "]";
    case 0xDE:
        return "'";
    default:
        break;
    }
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%02X", code);
    return hex;
}

// Shift, Ctrl and Alt, either side.
inline bool isModifierKey(unsigned code)
{
    return (code >= vk::Shift && code <= vk::Alt) || (code >= vk::LeftShift && code <= vk::RightAlt);
}

struct Modifiers {
    bool ctrl = false, alt = false, shift = false;
};

inline std::string keyLogLine(std::string_view windowClass, Modifiers held, unsigned code)
{
    std::string line(windowClass);
    line += ' ';
    if (held.ctrl)
        line += "Ctrl+";
    if (held.alt)
        line += "Alt+";
    if (held.shift)
        line += "Shift+";
    return line + keyName(code);
}

} // namespace standin
