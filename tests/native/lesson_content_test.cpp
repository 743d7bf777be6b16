// Every lesson's content is complete: a caption for every screen, the texts
// of its definition boxes and chart, and a picture for every screen.
#include <gtest/gtest.h>

#include "lessons/lesson_content.h"
#include "machine.h"

namespace lt {
namespace {

constexpr int ScreenCounts[] = {22, 26, 17, 18, 24, 11, 18, 19, 13, 13, 9, 9, 12, 17, 12};

class EveryLesson : public ::testing::TestWithParam<int> {};

TEST_P(EveryLesson, HasATextForEveryScreenAndBox)
{
    const int n = GetParam();
    const LessonContent& c = lessonContent(n);
    ASSERT_EQ(static_cast<int>(c.screens.size()), ScreenCounts[n - 1]);
    const auto& strings = test::stringTable();
    for (int k = 1; k <= static_cast<int>(c.screens.size()); ++k) {
        EXPECT_TRUE(strings.find(captionId(n, k))) << "caption of screen " << k << ": " << captionId(n, k);
        const Screen& s = c.screens[static_cast<std::size_t>(k - 1)];
        if (s.definition) {
            EXPECT_TRUE(strings.find(s.definition->title)) << s.definition->title;
            EXPECT_TRUE(strings.find(s.definition->first)) << s.definition->first;
            if (s.definition->second) {
                EXPECT_TRUE(strings.find(s.definition->second)) << s.definition->second;
            }
        }
    }
    if (joinsFirstCaption(n)) {
        EXPECT_TRUE(strings.find(captionId(n, 1) + 1));
    }
    // The block holds nothing beyond the lesson's own texts.
    const int first = 1000 + 100 * n, last = first + static_cast<int>(c.screens.size()) - (joinsFirstCaption(n) ? 0 : 1);
    const auto chartText = [n](int id) { return n == 1 && id >= 1150 && id <= 1162; };
    for (const auto& [id, text] : strings.entries())
        if (id >= first && id < first + 75 && !chartText(id)) {
            EXPECT_LE(id, last) << "string " << id << " belongs to no screen";
            EXPECT_FALSE(text.empty()) << id;
        }
}

TEST_P(EveryLesson, ShowsAPictureOnEveryScreenButTheChart)
{
    const int n = GetParam();
    const LessonContent& c = lessonContent(n);
    const auto& map = c.pictures.screenPicture;
    ASSERT_EQ(map.size(), c.screens.size());
    std::vector<bool> used(c.pictures.pictures.size());
    for (std::size_t k = 0; k < map.size(); ++k) {
        const bool chartScreen = n == 1 && k + 1 == 2;
        if (chartScreen) {
            EXPECT_EQ(map[k], -1);
            continue;
        }
        ASSERT_GE(map[k], 0) << "screen " << k + 1 << " has no picture";
        ASSERT_LT(map[k], static_cast<int>(used.size()));
        used[static_cast<std::size_t>(map[k])] = true;
        EXPECT_TRUE(c.pictures.pictures[static_cast<std::size_t>(map[k])].picture);
    }
    for (std::size_t i = 0; i < used.size(); ++i)
        EXPECT_TRUE(used[i]) << c.pictures.pictures[i].name << " is shown on no screen";
}

INSTANTIATE_TEST_SUITE_P(Lessons, EveryLesson, ::testing::Range(1, 16));

TEST(DesignFlowChart, EveryDescribedStageHasItsText)
{
    for (int i = 0; i <= 12; ++i)
        EXPECT_EQ(test::stringTable().find(1150 + i).has_value(), i != 2) << 1150 + i;
}

} // namespace
} // namespace lt
