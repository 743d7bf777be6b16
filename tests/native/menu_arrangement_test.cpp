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
constexpr int Lefts[] = {135, 3270, 6420};
constexpr int Tops[] = {105, 690, 1275, 1860, 2445};
constexpr Layout Full = {{{1, 2, 3}, {8, 4, 13}, {5, 6, 7}, {9, 10, 11}, {12, 14, 15}}};

struct ArrangementCase {
    const char* name;
    std::int16_t edition;
    Layout layout;
};

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
            forms::Control& b = menu.Menu_btn[n];
            readingOrder.push_back(&b);
            SCOPED_TRACE("lesson " + std::to_string(n));
            EXPECT_TRUE(b.visible());
            EXPECT_EQ((std::array{b.left(), b.top(), b.width(), b.height()}),
                      (std::array{Lefts[col], Tops[row], 3045, 330}));
            EXPECT_EQ(b.caption(), m.text(700 + n));
            // Labels and markers keep their places relative to the button and each other.
            forms::Control &lsn = menu.L_Comp_Lsn[n], &exr = menu.L_Comp_Exr[n];
            EXPECT_TRUE(lsn.visible() && exr.visible());
            EXPECT_EQ((std::array{lsn.top(), exr.top(), menu.Chk_Lsn[n].top(), menu.Chk_Exr[n].top()}),
                      (std::array{b.top() + 345, b.top() + 345, b.top() + 210, b.top() + 210}));
            EXPECT_EQ((std::array{exr.left(), menu.Chk_Lsn[n].left(), menu.Chk_Exr[n].left()}),
                      (std::array{lsn.left() + 795, lsn.left() + 30, lsn.left() + 930}));
        }
    for (int n = 1; n <= LessonCount; ++n)
        if (!shown.count(n)) {
            EXPECT_FALSE(menu.Menu_btn[n].visible() || menu.L_Comp_Lsn[n].visible() || menu.L_Comp_Exr[n].visible())
                << "hidden lesson " << n;
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

TEST(EditionArrangement, NamedLabelPlaces)
{
    struct Place {
        std::int16_t edition;
        int lesson;
        std::array<int, 4> lefts; // "Lesson", "Exercises", their markers
    };
    for (const Place& p : {Place{3, 12, {1380, 2175, 1410, 2310}}, Place{2, 12, {4500, 5295, 4530, 5430}},
                           Place{1, 5, {7170, 7965, 7200, 8100}}}) {
        Machine m;
        m.t.g.Edition = p.edition;
        SelMenu& menu = Sel_menu(m.t);
        const int n = p.lesson;
        EXPECT_EQ((std::array{menu.L_Comp_Lsn[n].left(), menu.L_Comp_Exr[n].left(), menu.Chk_Lsn[n].left(),
                              menu.Chk_Exr[n].left()}),
                  p.lefts)
            << "edition " << p.edition << ", lesson " << n;
        if (p.edition == 3) {
            EXPECT_EQ(menu.L_Comp_Lsn[12].top(), 2790);
            EXPECT_EQ(menu.Chk_Lsn[12].top(), 2655);
        }
    }
}

TEST(EditionArrangement, MarkersOfHiddenLessonsStayInTheFullArrangement)
{
    // A file written under Trazel Ultor, read under Trazel.
    Machine m({{"QuarnTrazelStd9.20"}, true});
    m.files.writeFile(test::TutorDir + "\\TRAZEL.LRN", "0,0,0,0,0,0,0,0,0,0,0,0,0,3,1\r\n");
    m.startToMenu();
    SelMenu& menu = Sel_menu(m.t);
    EXPECT_FALSE(menu.Menu_btn[14].visible());
    EXPECT_TRUE(menu.Chk_Lsn[14].visible() && menu.Chk_Exr[14].visible() && menu.Chk_Lsn[15].visible());
    EXPECT_EQ((std::array{menu.Chk_Lsn[14].left(), menu.Chk_Lsn[14].top()}), (std::array{3270 + 780, 2445 + 210}));
    EXPECT_EQ(menu.Chk_Lsn[15].left(), 6420 + 780);
}

} // namespace
} // namespace lt
