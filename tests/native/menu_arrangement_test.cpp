// The lesson menu's button grid for each edition, with the labels and
// markers that follow the buttons.
#include "machine.h"
#include "menu/sel_menu.h"

namespace lt {
namespace {

using test::Machine;

// Lesson numbers by row (tops 105, 690, 1275, 1860, 2445) and column
// (lefts 135, 3270, 6420), as the menu must show them; 0 is an empty slot.
using Layout = std::array<std::array<int, 3>, 5>;

struct ArrangementCase {
    const char* name;
    std::int16_t edition;
    Layout layout;
};

constexpr int Lefts[] = {135, 3270, 6420};
constexpr int Tops[] = {105, 690, 1275, 1860, 2445};
constexpr Layout Full = {{{1, 2, 3}, {8, 4, 13}, {5, 6, 7}, {9, 10, 11}, {12, 14, 15}}};

class EditionArrangement : public ::testing::TestWithParam<ArrangementCase> {};

TEST_P(EditionArrangement, ButtonsStandInTheEditionsGridWithTheirLabels)
{
    Machine m;
    m.t.g.Edition = GetParam().edition;
    SelMenu& menu = Sel_menu(m.t);

    std::vector<forms::Control*> readingOrder;
    std::set<int> shown;
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 3; ++col) {
            const int n = GetParam().layout[row][col];
            if (n == 0)
                continue;
            shown.insert(n);
            readingOrder.push_back(&menu.Menu_btn[n]);
            SCOPED_TRACE("lesson " + std::to_string(n));
            EXPECT_TRUE(menu.Menu_btn[n].visible());
            EXPECT_EQ(menu.Menu_btn[n].left(), Lefts[col]);
            EXPECT_EQ(menu.Menu_btn[n].top(), Tops[row]);
            EXPECT_EQ(menu.Menu_btn[n].width(), 3045);
            EXPECT_EQ(menu.Menu_btn[n].height(), 330);
            EXPECT_EQ(menu.Menu_btn[n].caption(), m.text(700 + n));
            // Labels and markers keep their places relative to the button.
            EXPECT_TRUE(menu.L_Comp_Lsn[n].visible());
            EXPECT_TRUE(menu.L_Comp_Exr[n].visible());
            EXPECT_EQ(menu.L_Comp_Lsn[n].top(), Tops[row] + 345);
            EXPECT_EQ(menu.L_Comp_Exr[n].top(), Tops[row] + 345);
            EXPECT_EQ(menu.Chk_Lsn[n].top(), Tops[row] + 210);
            EXPECT_EQ(menu.Chk_Exr[n].top(), Tops[row] + 210);
            EXPECT_EQ(menu.L_Comp_Exr[n].left() - menu.L_Comp_Lsn[n].left(), 795);
            EXPECT_EQ(menu.Chk_Lsn[n].left() - menu.L_Comp_Lsn[n].left(), 30);
            EXPECT_EQ(menu.Chk_Exr[n].left() - menu.L_Comp_Lsn[n].left(), 930);
        }
    for (int n = 1; n <= 15; ++n) {
        if (shown.count(n))
            continue;
        SCOPED_TRACE("hidden lesson " + std::to_string(n));
        EXPECT_FALSE(menu.Menu_btn[n].visible());
        EXPECT_FALSE(menu.L_Comp_Lsn[n].visible());
        EXPECT_FALSE(menu.L_Comp_Exr[n].visible());
    }
    readingOrder.push_back(&menu.Delete_Markers);
    readingOrder.push_back(&menu.Quit_Sel);
    EXPECT_EQ(menu.tabOrder(), readingOrder);
}

INSTANTIATE_TEST_SUITE_P(
    Editions, EditionArrangement,
    ::testing::Values(ArrangementCase{"Ultor", 3, Full},
                      ArrangementCase{"Standard", 2, {{{1, 2, 3}, {8, 4, 13}, {5, 6, 7}, {9, 10, 11}, {0, 12, 0}}}},
                      ArrangementCase{"Kelmar", 1, {{{1, 2, 3}, {8, 4, 5}, {7, 9, 10}, {11, 0, 12}, {0, 0, 0}}}},
                      ArrangementCase{"NotDetermined", 0, Full}, ArrangementCase{"Unknown", 7, Full},
                      ArrangementCase{"Negative", -1, Full}),
    [](const auto& info) { return std::string(info.param.name); });

struct LabelPlaceCase {
    const char* name;
    std::int16_t edition;
    int lesson;
    int lessonLabel, exercisesLabel, lessonMarker, exercisesMarker;
};

class NamedLabelPlaces : public ::testing::TestWithParam<LabelPlaceCase> {};

TEST_P(NamedLabelPlaces, StandWhereTheEditionPutsThem)
{
    Machine m;
    m.t.g.Edition = GetParam().edition;
    SelMenu& menu = Sel_menu(m.t);
    const int n = GetParam().lesson;
    EXPECT_EQ(menu.L_Comp_Lsn[n].left(), GetParam().lessonLabel);
    EXPECT_EQ(menu.L_Comp_Exr[n].left(), GetParam().exercisesLabel);
    EXPECT_EQ(menu.Chk_Lsn[n].left(), GetParam().lessonMarker);
    EXPECT_EQ(menu.Chk_Exr[n].left(), GetParam().exercisesMarker);
}

INSTANTIATE_TEST_SUITE_P(Editions, NamedLabelPlaces,
                         ::testing::Values(LabelPlaceCase{"UltorLesson12", 3, 12, 1380, 2175, 1410, 2310},
                                           LabelPlaceCase{"StandardLesson12", 2, 12, 4500, 5295, 4530, 5430},
                                           LabelPlaceCase{"KelmarLesson5", 1, 5, 7170, 7965, 7200, 8100}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EditionArrangement, UltorLesson12LabelTops)
{
    Machine m;
    m.t.g.Edition = 3;
    SelMenu& menu = Sel_menu(m.t);
    EXPECT_EQ(menu.L_Comp_Lsn[12].top(), 2790);
    EXPECT_EQ(menu.Chk_Lsn[12].top(), 2655);
}

TEST(EditionArrangement, MarkersOfHiddenLessonsStayInTheFullArrangement)
{
    // A file written under Trazel Ultor, read under Trazel.
    Machine m({{"QuarnTrazelStd9.20"}, true});
    m.files.writeFile(test::TutorDir + "\\TRAZEL.LRN", "0,0,0,0,0,0,0,0,0,0,0,0,0,3,1\r\n");
    m.startToMenu();
    SelMenu& menu = Sel_menu(m.t);
    EXPECT_FALSE(menu.Menu_btn[14].visible());
    EXPECT_TRUE(menu.Chk_Lsn[14].visible());
    EXPECT_TRUE(menu.Chk_Exr[14].visible());
    EXPECT_TRUE(menu.Chk_Lsn[15].visible());
    EXPECT_EQ(menu.Chk_Lsn[14].left(), 3270 + 780);
    EXPECT_EQ(menu.Chk_Lsn[14].top(), 2445 + 210);
    EXPECT_EQ(menu.Chk_Lsn[15].left(), 6420 + 780);
}

} // namespace
} // namespace lt
