#include <gtest/gtest.h>

#include "machine.h"
#include "menu/progress.h"

namespace lt {
namespace {

Marks marks(std::initializer_list<int> values)
{
    Marks m{};
    int n = 1;
    for (int v : values)
        m[n++] = static_cast<std::int16_t>(v);
    return m;
}

struct ParseCase {
    const char* name;
    std::string text;
    Marks expected;
    bool damaged;
};

class ProgressParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ProgressParse, ReadsFifteenMarks)
{
    const ParsedProgress p = parseProgress(GetParam().text);
    EXPECT_EQ(p.marks, GetParam().expected);
    EXPECT_EQ(p.damaged, GetParam().damaged);
}

const Marks none{};

INSTANTIATE_TEST_SUITE_P(
    Files, ProgressParse,
    ::testing::Values(
        ParseCase{"Normal", "3,0,0,0,0,0,0,0,0,0,0,0,0,0,1\r\n", marks({3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}),
                  false},
        ParseCase{"NoLineEnd", "1,1,2,0,0,0,0,0,0,0,0,0,0,0,0", marks({1, 1, 2}), false},
        ParseCase{"UnixLineEnd", "0,0,0,0,0,0,0,0,0,0,0,0,0,0,3\n", marks({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3}),
                  false},
        ParseCase{"BlanksAroundValues", "  1 , 2,3 ,0,0,0,0,0,0,0,0,0,0,0,-1", marks({1, 2, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1}),
                  false},
        ParseCase{"ValuesOnSeveralLines", "1,2\r\n3,0,0,0,0,0,0,0,0,0,0,0,0\r\n", marks({1, 2, 3}), false},
        ParseCase{"TextAfterFifteenthIgnored", "1,0,0,0,0,0,0,0,0,0,0,0,0,0,2,99,junk\r\nmore", marks({1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2}),
                  false},
        ParseCase{"SixteenBitExtremes", "-32768,32767,0,0,0,0,0,0,0,0,0,0,0,0,0", marks({-32768, 32767}), false},
        ParseCase{"FewerThanFifteen", "1,2,3\r\n", marks({1, 2, 3}), true},
        ParseCase{"Words", "one,2,three,0,0,0,0,0,0,0,0,0,0,0,0", marks({0, 2}), true},
        ParseCase{"BeyondSixteenBits", "70000,-40000,3,0,0,0,0,0,0,0,0,0,0,0,0", marks({0, 0, 3}), true},
        ParseCase{"EmptyField", "1,,3,0,0,0,0,0,0,0,0,0,0,0,0", marks({1, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}), true},
        ParseCase{"Decimal", "1.5,0,0,0,0,0,0,0,0,0,0,0,0,0,0", none, true},
        ParseCase{"BinaryJunk", std::string("\x01\xff\0\x7f,\x80\x90", 8), none, true},
        ParseCase{"OnlyBlankLines", "\r\n\r\n", none, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProgressParse, MegabytesOfDigitsAreOneOversizedValue)
{
    const ParsedProgress p = parseProgress(std::string(3 << 20, '7'));
    EXPECT_TRUE(p.damaged);
    EXPECT_EQ(p.marks, none);
}

TEST(ProgressFormat, OneLineOfFifteenValuesAndCrLf)
{
    EXPECT_EQ(formatProgress(marks({1, 1, 2})), "1,1,2,0,0,0,0,0,0,0,0,0,0,0,0\r\n");
    EXPECT_EQ(formatProgress(marks({-1, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 32767})),
              "-1,3,0,0,0,0,0,0,0,0,0,0,0,0,32767\r\n");
}

TEST(ProgressFormat, WhatIsWrittenReadsBackTheSame)
{
    const Marks m = marks({3, 2, 1, 0, -1, -32768, 32767, 7, 0, 0, 1, 2, 3, 0, 1});
    const ParsedProgress p = parseProgress(formatProgress(m));
    EXPECT_FALSE(p.damaged);
    EXPECT_EQ(p.marks, m);
}

// A save cut short (the program ended between writing the new content and
// moving it over the old file) leaves "TRAZEL.LRN.<8 hex digits>.tmp"
// beside the file. The next start-up or save deletes it; what only looks
// like it, is read-only, or is still being written by another program stays.
TEST(InterruptedSave, WhatItLeftGoesAtTheNextStartOrSaveAndNothingElse)
{
    const struct {
        const char* name;
        bool goes;
    } nearby[] = {
        {"TRAZEL.LRN.0000BEEF.tmp", true}, {"trazel.lrn.a1b2c3d4.TMP", true}, {"TRAZEL.LRN.BAK", false},
        {"TRAZEL.LRN.0000BEEF.txt", false}, {"TRAZEL.LRN.BEEF.tmp", false},   {"TRAZEL.LRN.0000BEEG.tmp", false},
        {"TRAZEL.LRN.00000BEEF.tmp", false}, {"OTHER.LRN.0000BEEF.tmp", false}, {"lrn1A2B.tmp", false},
        {"TRAZEL.LRN.0BEEFCAF.tmp", false}, {"TRAZEL.LRN.00C0FFEE.tmp", false}};
    const std::string dir = test::TutorDir + "\\", saved = "1,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n";
    for (const bool atStart : {true, false}) {
        SCOPED_TRACE(atStart ? "start-up" : "save");
        test::Machine m;
        m.files.writeFile(dir + "TRAZEL.LRN", saved);
        const auto leave = [&] {
            for (const auto& file : nearby)
                m.files.writeFile(dir + file.name, "1,1,0,");
            m.files.setAttributes(dir + "TRAZEL.LRN.0BEEFCAF.tmp", attr::ReadOnly);
            m.files.setInUse(dir + "TRAZEL.LRN.00C0FFEE.tmp", true); // another copy still writing
        };
        if (atStart)
            leave();
        m.startToMenu();
        if (!atStart) {
            leave();
            m.t.g.Lsn_Progress[2] = mark::LessonDone;
            m.ui.act([&] { EXPECT_TRUE(SaveProgress(m.t)); });
        }
        for (const auto& file : nearby)
            EXPECT_EQ(m.files.exists(dir + file.name), !file.goes) << file.name;
        EXPECT_EQ(m.files.content(dir + "TRAZEL.LRN"), atStart ? saved : "1,1,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n");
    }
}

} // namespace
} // namespace lt
