// The send-keys notation: a string is either refused or yields strokes whose
// text form, written back in the notation, reads as the very same strokes,
// down to which strokes share one press of their modifier keys.
#include <map>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "host/send_keys.h"

namespace {

using lt::Keystroke;

// Characters that stand for something else outside braces.
constexpr std::string_view Reserved = "%+^(){}~";

// Named keys as the notation writes them, with the key code each reads as.
const std::map<std::uint16_t, std::string>& keyNames()
{
    static const std::map<std::uint16_t, std::string> names = [] {
        std::map<std::uint16_t, std::string> out;
        std::vector<std::string> all = {"ENTER", "ESC",    "BKSP", "TAB",  "HOME",   "END",
                                        "LEFT",  "RIGHT",  "UP",   "DOWN", "PGUP",   "PGDN",
                                        "INSERT", "DELETE"};
        for (int f = 1; f <= 16; ++f)
            all.push_back("F" + std::to_string(f));
        for (const std::string& name : all) {
            const auto strokes = lt::parseSendKeys("{" + name + "}");
            fuzz::require(strokes && strokes->size() == 1 && (*strokes)[0].vk != 0, "a key name reads as its key");
            out.emplace((*strokes)[0].vk, name);
        }
        return out;
    }();
    return names;
}

std::string modifiers(std::uint8_t held)
{
    std::string out;
    if (held & lt::mod::Alt)
        out += '%';
    if (held & lt::mod::Shift)
        out += '+';
    if (held & lt::mod::Ctrl)
        out += '^';
    return out;
}

std::string key(const Keystroke& k)
{
    if (k.vk) {
        const auto name = keyNames().find(k.vk);
        fuzz::require(name != keyNames().end() && k.ch == 0, "every stroke can be written in the notation");
        return "{" + name->second + "}";
    }
    fuzz::require(k.ch <= 0x10FFFF && (k.ch < 0xD800 || k.ch > 0xDFFF), "a typed character is a Unicode character");
    const std::string c = fuzz::utf8(k.ch);
    return Reserved.find(c) != std::string_view::npos ? "{" + c + "}" : c;
}

// Each group in turn: its common modifiers, then its keys in parentheses with
// what each holds besides. A group without keys ("{a 0}") is written "()"
// so the numbering of the groups after it stays the same.
std::string written(const std::vector<Keystroke>& strokes)
{
    std::string out;
    int group = 0;
    for (std::size_t i = 0; i < strokes.size();) {
        std::size_t end = i;
        std::uint8_t common = 0xFF;
        for (; end < strokes.size() && strokes[end].group == strokes[i].group; ++end)
            common &= strokes[end].modifiers;
        fuzz::require(strokes[i].group > group, "groups are numbered in the order of the string");
        for (++group; group < strokes[i].group; ++group)
            out += "()";
        out += modifiers(common);
        if (end - i == 1 && common == strokes[i].modifiers) {
            out += key(strokes[i]);
        } else {
            out += '(';
            for (; i < end; ++i)
                out += modifiers(strokes[i].modifiers & ~common) + key(strokes[i]);
            out += ')';
        }
        i = end;
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view keys = fuzz::text(data, size);
    const auto strokes = lt::parseSendKeys(std::string(keys));
    // Text without reserved characters is typed as it stands, character by
    // character, if it is UTF-8; otherwise it is refused.
    const bool plain = keys.find_first_of(Reserved) == std::string_view::npos;
    if (plain)
        fuzz::require(strokes.has_value() == fuzz::isUtf8(keys), "plain text is typed if and only if it is UTF-8");
    if (!strokes)
        return 0;
    if (plain) {
        std::string typed;
        for (const Keystroke& k : *strokes) {
            fuzz::require(k.vk == 0 && k.modifiers == 0, "plain text types plain characters");
            typed += fuzz::utf8(k.ch);
        }
        fuzz::require(typed == keys, "plain text types its own characters");
    }
    const std::string again = written(*strokes);
    const auto reread = lt::parseSendKeys(again);
    fuzz::require(reread.has_value(), "the written strokes are not refused");
    fuzz::require(*reread == *strokes, "the written strokes read as the same strokes");
    return 0;
}
