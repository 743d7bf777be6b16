#include <gtest/gtest.h>

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

} // namespace
} // namespace lt
