// The send-keys notation, parsed into strokes.
#include <gtest/gtest.h>

#include "host/send_keys.h"
#include "stroke_text.h"

namespace lt {
namespace {

// The strokes of a string, written out as a key log would: "Alt+f Alt+n".
std::string written(const std::string& keys)
{
    const auto strokes = parseSendKeys(keys);
    if (!strokes)
        return "refused";
    std::string out;
    for (const Keystroke& k : *strokes)
        out += (out.empty() ? "" : " ") + test::describe(k);
    return out;
}

struct Case {
    const char* keys;
    const char* strokes;
};

class SendKeysNotation : public ::testing::TestWithParam<Case> {};

TEST_P(SendKeysNotation, ReadsAsTheseStrokes) { EXPECT_EQ(written(GetParam().keys), GetParam().strokes) << GetParam().keys; }

INSTANTIATE_TEST_SUITE_P(
    Strings, SendKeysNotation,
    ::testing::Values(
        Case{"", ""}, Case{"ab", "a b"}, Case{"{ESC 6}", "Esc Esc Esc Esc Esc Esc"}, Case{"{Enter}", "Enter"},
        Case{"{ENTER}{enter}~", "Enter Enter Enter"}, Case{"{BKSP}{BACKSPACE}{BS}", "Backspace Backspace Backspace"},
        Case{"{HOME}{home}{End}", "Home Home End"}, Case{"{i 2}", "i i"}, Case{"{o 3}", "o o o"},
        Case{"{~}", "~"}, Case{"{ }", "Space"}, Case{"{+}{^}{%}{(}{)}{{}{}}", "+ ^ % ( ) { }"},
        Case{"%(fn)", "Alt+f Alt+n"}, Case{"%va", "Alt+v a"}, Case{"%(w1)", "Alt+w Alt+1"},
        Case{"+{HOME}i", "Shift+Home i"}, Case{"^f2,3{Enter}", "Ctrl+f 2 , 3 Enter"}, Case{"^%{DEL}", "Ctrl+Alt+Delete"},
        Case{"{F1}{f12}", "F1 F12"}, Case{"{ESC 0}", ""},
        // Lesson 3's exercise types its blank three times: the first blank in
        // the braces names the key, as in "{ }", the next ones lead to the count.
        Case{"{    3}", "Space Space Space"},
        Case{"{ESC 6}%(w1){i 2}^f2250,3800{Enter}{    3}{ESC}",
             "Esc Esc Esc Esc Esc Esc Alt+w Alt+1 i i Ctrl+f 2 2 5 0 , 3 8 0 0 Enter Space Space Space Esc"},
        Case{"%(f)o{ }C:\\PROGRA{~}1\\TUTOR\\TUTOR.LLB{Enter}{ESC}",
             "Alt+f o Space C : \\ P R O G R A ~ 1 \\ T U T O R \\ T U T O R . L L B Enter Esc"},
        // Malformed strings are refused as a whole.
        Case{"{ESC", "refused"}, Case{"{ESC 6", "refused"}, Case{"{NOSUCHKEY}", "refused"}, Case{"{}", "refused"},
        Case{"{ESC x}", "refused"}, Case{"{ESC 99999}", "refused"}, Case{"%", "refused"}, Case{"ab+", "refused"},
        Case{"%(fn", "refused"}, Case{"a)", "refused"}, Case{"}", "refused"}, Case{"{F25}", "refused"},
        Case{"{F0}", "refused"}, Case{"((((((((a))))))))", "a"}, Case{"(((((((((a)))))))))", "refused"}));

TEST(SendKeysNotation, ModifierGroupsShareOnePress)
{
    const auto held = parseSendKeys("%(fn)");
    const auto pressedTwice = parseSendKeys("%f%n");
    ASSERT_TRUE(held && pressedTwice);
    EXPECT_EQ((*held)[0].group, (*held)[1].group);
    EXPECT_NE((*pressedTwice)[0].group, (*pressedTwice)[1].group);
    const auto repeated = parseSendKeys("+{HOME 3}");
    ASSERT_TRUE(repeated);
    EXPECT_EQ(repeated->size(), 3u);
    EXPECT_EQ((*repeated)[0].group, (*repeated)[2].group);
}

TEST(SendKeysNotation, DeepNestingIsRefusedWithoutRunningOutOfStack)
{
    EXPECT_FALSE(parseSendKeys(std::string(1 << 20, '(') + "a" + std::string(1 << 20, ')')));
    EXPECT_EQ(written(std::string(1 << 20, '%') + "a"), "Alt+a");
}

// A working directory such as D:\ÜBUNGEN reaches the keys in UTF-8; each
// character is typed whole, and bytes that are not UTF-8 are refused.
TEST(SendKeysNotation, TypesUtf8CharactersWhole)
{
    const struct {
        const char* keys;
        std::optional<std::u32string> typed;
    } cases[] = {
        {"D:\\\xC3\x9C", U"D:\\\u00DC"},
        {"{\xC3\xA9 2}\xE2\x82\xAC\xF0\x9F\x98\x80", U"\u00E9\u00E9\u20AC\U0001F600"},
        {"\xC3", std::nullopt},             // cut short
        {"\xC3(", std::nullopt},            // cut short by a reserved character
        {"\x9C", std::nullopt},             // a continuation byte alone
        {"\xFF", std::nullopt},             // no character starts so
        {"\xC0\x80", std::nullopt},         // an overlong 0
        {"\xED\xA0\x80", std::nullopt},     // a surrogate
        {"\xF4\x90\x80\x80", std::nullopt}, // past U+10FFFF
        {"{\xC3\xA9\xC3\xA9}", std::nullopt}, // two characters are no key name
    };
    for (const auto& c : cases) {
        const auto strokes = parseSendKeys(c.keys);
        ASSERT_EQ(strokes.has_value(), c.typed.has_value()) << c.keys;
        if (!strokes)
            continue;
        std::u32string typed;
        for (const Keystroke& k : *strokes)
            typed += k.ch;
        EXPECT_EQ(typed, *c.typed) << c.keys;
    }
}

} // namespace
} // namespace lt
