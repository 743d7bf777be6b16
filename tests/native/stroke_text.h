// How the native tests write a typed stroke: "Alt+f", "Shift+Home", "Esc",
// with the stand-in Trazel's names for named keys.
#pragma once

#include <string>

#include "platform/keystroke.h"
#include "standin/key_names.h"

namespace lt::test {

inline std::string describe(const Keystroke& k)
{
    std::string s;
    if (k.modifiers & mod::Ctrl)
        s += "Ctrl+";
    if (k.modifiers & mod::Alt)
        s += "Alt+";
    if (k.modifiers & mod::Shift)
        s += "Shift+";
    if (k.vk)
        return s + standin::keyName(k.vk);
    return s + (k.ch == ' ' ? std::string("Space") : std::string(1, static_cast<char>(k.ch)));
}

} // namespace lt::test
