// The lesson player over all fifteen lessons: forward to the end and back
// to screen 1 from every screen, checking what each screen shows.
#include <cmath>

#include "lessons/lesson_window.h"
#include "machine.h"
#include "menu/sel_menu.h"

namespace lt {
namespace {

using test::Machine;
using test::TutorDir;

// The description box's places as the lessons are designed: the screen it
// moves on, and where to (width 3685 and height 2000 unless given).
struct Move {
    int screen, left, top, width = 3685, height = 2000;
};
struct Design {
    int lesson, screens;
    std::vector<Move> moves;
};

const std::vector<Design> Designs = {
    {1, 22, {{2, 2225, 105, 5800, 1200}, {3, 2800, 4160}, {20, 2800, 4160}, {21, 900, 3000}, {22, 2800, 200}}},
    {2, 26, {{2, 225, 945}, {3, 5375, 4145}, {15, 5375, 4145}, {16, 900, 3000}, {17, 5375, 4145}}},
    {3, 17, {{2, 225, 3815}, {9, 225, 3815}, {10, 225, 3815}, {11, 5225, 4200}}},
    {4, 18, {{2, 5000, 3560}, {8, 5000, 3560}, {9, 330, 3560}, {10, 330, 3560}, {11, 5000, 3560}, {12, 5000, 3560}, {13, 330, 3560}}},
    {5, 24, {{2, 5200, 4215}, {12, 5200, 4215}, {13, 1200, 4215}, {14, 1200, 4215}, {15, 5200, 4215}}},
    {6, 11, {{2, 5015, 3845}}},
    {7, 18, {{2, 5215, 4145}}},
    {8, 19, {{2, 3215, 4175}, {13, 3215, 4175}, {14, 5475, 4175}}},
    {9, 13, {{2, 5015, 3645}}},
    {10, 13, {{2, 5015, 4045}}},
    {11, 9, {{2, 5015, 4045}}},
    {12, 9, {{2, 5015, 4175}, {5, 5015, 4175}, {6, 5015, 2175}, {7, 5015, 4175}}},
    {13, 12, {{2, 5275, 3800}}},
    {14, 17, {{2, 5115, 4145}}},
    {15, 12, {{2, 5375, 4145}}},
};

// Definition boxes: the screen, its title and texts and where it stands.
struct Term {
    int lesson, screen, title, first, second, left, top;
};
const std::vector<Term> Terms = {
    {2, 5, 1275, 1276, 1277, 5145, 945}, {3, 4, 1375, 1376, 1377, 3360, 225}, {3, 5, 1378, 1379, 1380, 3360, 225},
    {3, 8, 1381, 1382, 0, 3360, 225},    {6, 8, 1675, 1676, 1677, 4185, 180}, {7, 7, 1775, 1776, 1777, 4860, 165},
    {7, 13, 1778, 1779, 1780, 4860, 165},
};

pictures::Area boxOn(const Design& d, int screen)
{
    pictures::Area box{225, 240, 3685, 2700};
    for (const Move& m : d.moves)
        if (m.screen <= screen)
            box = {m.left, m.top, m.width, m.height};
    return box;
}

const Term* termOn(int lesson, int screen)
{
    for (const Term& t : Terms)
        if (t.lesson == lesson && t.screen == screen)
            return &t;
    return nullptr;
}

std::string captionOf(const Machine& m, int lesson, int screen)
{
    const int first = 1000 + 100 * lesson;
    if (lesson == 2 || lesson == 13)
        return screen == 1 ? m.text(first) + "\r\n\r\n" + m.text(first + 1) : m.text(first + screen);
    return m.text(first + screen - 1);
}

struct Playing : Machine {
    explicit Playing(int lesson)
    {
        startToMenu();
        ui.click(Sel_menu(t).Menu_btn[lesson]);
        window = t.forms.find<LessonWindow>(lesson);
    }
    LessonWindow* window = nullptr;
};

// What must hold on screen `k` of a lesson, however it was reached.
void expectScreen(const Playing& m, const Design& d, int k, const char* how)
{
    SCOPED_TRACE("lesson " + std::to_string(d.lesson) + ", screen " + std::to_string(k) + " reached " + how);
    const LessonWindow& w = *m.window;
    EXPECT_EQ(m.t.g.Screen_No, k);
    EXPECT_EQ(m.t.g.Step_No, k);
    EXPECT_EQ(w.Scrn_Count[1].caption(), std::to_string(k));
    EXPECT_EQ(w.Back_1.enabled(), k > 1);
    EXPECT_TRUE(w.Fwd_1.enabled());
    EXPECT_EQ(w.DBox.caption(), captionOf(m, d.lesson, k));
    EXPECT_TRUE(w.DBox.font().bold);
    const pictures::Area box = boxOn(d, k);
    EXPECT_EQ((std::array{w.DBox1.left(), w.DBox1.top(), w.DBox1.width(), w.DBox1.height()}),
              (std::array{box.left, box.top, box.width, box.height}));
    EXPECT_TRUE(w.DBox1.visible());
    EXPECT_TRUE(w.DBox1_Shadow.visible());
    EXPECT_EQ((std::array{w.DBox1_Shadow.left(), w.DBox1_Shadow.top()}), (std::array{box.left + 100, box.top + 100}));
    EXPECT_EQ((std::array{w.DBox.left(), w.DBox.top(), w.DBox.width(), w.DBox.height()}),
              (std::array{150, 150, box.width - 330, box.height - 250}));
    EXPECT_EQ((std::array{w.DBox_Border.left(), w.DBox_Border.top(), w.DBox_Border.width(), w.DBox_Border.height()}),
              (std::array{45, 45, box.width - 120, box.height - 120}));

    // Exactly the screen's own picture is up (the chart screen of lesson 1 shows none).
    const forms::Control* own = w.pictureOf(k);
    for (const auto& p : w.pictures)
        EXPECT_EQ(p->visible(), p.get() == own) << p->displayName();
    EXPECT_EQ(own == nullptr, d.lesson == 1 && k == 2);

    if (w.definition) {
        const Term* term = termOn(d.lesson, k);
        EXPECT_EQ(w.definition->Def_Frame.visible(), term != nullptr);
        if (term) {
            EXPECT_EQ(w.definition->Def_Frame_Title.caption(), m.text(term->title));
            EXPECT_EQ(w.definition->Def_Box.caption(),
                      term->second ? m.text(term->first) + "\r\n\r\n" + m.text(term->second) : m.text(term->first));
            EXPECT_EQ(w.definition->Def_Frame.left(), term->left);
            EXPECT_EQ(w.definition->Def_Frame.top(), term->top);
        }
    }
    if (w.chart) {
        EXPECT_EQ(w.chart->Design_Flow.visible(), k == 2);
        EXPECT_EQ(w.Hilite1.visible(), k == 5);
    }
}

class LessonPlayer : public ::testing::TestWithParam<Design> {};

TEST_P(LessonPlayer, EveryScreenForwardAndBack)
{
    const Design& d = GetParam();
    Playing m(d.lesson);
    ASSERT_TRUE(m.window);
    EXPECT_TRUE(m.window->visible());
    EXPECT_EQ(m.window->caption(), m.text(31 + d.lesson));
    EXPECT_EQ(m.window->Scrn_Count[2].caption(), "of " + std::to_string(d.screens));
    expectScreen(m, d, 1, "by opening the lesson");
    for (int k = 2; k <= d.screens; ++k) {
        m.ui.click(m.window->Fwd_1);
        expectScreen(m, d, k, "forward");
        m.ui.click(m.window->Back_1);
        expectScreen(m, d, k - 1, "back");
        m.ui.click(m.window->Fwd_1);
    }
    // Back from the last screen all the way to the first.
    for (int k = d.screens - 1; k >= 1; --k) {
        m.ui.click(m.window->Back_1);
        expectScreen(m, d, k, "back from the end");
    }
    EXPECT_EQ(m.t.g.Lsn_Progress[d.lesson], 0) << "nothing is marked before the end";
    EXPECT_FALSE(Sel_menu(m.t).Chk_Lsn[d.lesson].visible());
}

TEST_P(LessonPlayer, TheClosingStepMarksTheLessonAndReturnsToTheMenu)
{
    const Design& d = GetParam();
    Machine m;
    m.files.writeFile(TutorDir + "\\TRAZEL.LRN", "2,2,2,2,2,2,2,2,2,2,2,2,2,2,2\r\n");
    m.startToMenu();
    m.t.g.Work_Dir.clear(); // no exercises question: the lesson ends straight at the menu
    SelMenu& menu = Sel_menu(m.t);
    m.ui.click(menu.Menu_btn[d.lesson]);
    auto* w = m.t.forms.find<LessonWindow>(d.lesson);
    ASSERT_TRUE(w);
    for (int k = 1; k < d.screens; ++k)
        m.ui.click(w->Fwd_1);
    const bool noExercises = !hasExercises(d.lesson);
    if (noExercises)
        m.desktop.answer(mb::IdOk);
    m.ui.click(w->Fwd_1);
    if (noExercises) {
        EXPECT_EQ(m.lastBox().text, "There are no exercises for this lesson.");
        EXPECT_EQ(m.lastBox().style, mb::Ok | mb::IconInformation);
    } else {
        EXPECT_EQ(m.boxCount(), 0u);
    }
    EXPECT_EQ(m.t.g.Lsn_Progress[d.lesson], 3) << "the lesson bit joins the exercises bit";
    EXPECT_EQ(m.t.g.Screen_No, 0);
    EXPECT_EQ(m.t.g.Step_No, 0);
    EXPECT_FALSE(m.t.forms.loaded<LessonWindow>(d.lesson));
    EXPECT_TRUE(menu.visible());
    EXPECT_EQ(menu.caption(), "Learning Trazel - Lesson menu");
    EXPECT_TRUE(menu.Chk_Lsn[d.lesson].visible());
    EXPECT_TRUE(menu.Delete_Markers.enabled());
    EXPECT_EQ(menu.Instruct_Left.caption(), m.text(732) + "\r\n\r\n" + m.text(736));
}

INSTANTIATE_TEST_SUITE_P(Lessons, LessonPlayer, ::testing::ValuesIn(Designs),
                         [](const auto& info) { return "Lesson" + std::to_string(info.param.lesson); });

TEST(LessonWindow, PaletteKeysAndHelp)
{
    Playing m(6);
    LessonWindow& w = *m.window;
    EXPECT_FALSE(w.Do_Exercises.visible());
    m.ui.click(w.Ctrls);
    EXPECT_TRUE(w.More_Ctrls.visible());
    for (forms::Control* c : {&w.LessonMenu_Return, &w.Do_Exercises, &w.Quit_Sel, &w.Cancel_MoreCtrls})
        EXPECT_TRUE(c->visible()) << c->name();
    EXPECT_FALSE(w.Fwd_1.enabled());
    EXPECT_FALSE(w.Back_1.enabled());
    EXPECT_FALSE(w.Ctrls.enabled());
    EXPECT_TRUE(w.Cancel_MoreCtrls.hasFocus());
    EXPECT_EQ(w.Comment_Line.caption(), m.text(31));
    m.ui.click(w.Cancel_MoreCtrls);
    EXPECT_FALSE(w.More_Ctrls.visible());
    EXPECT_FALSE(w.Back_1.enabled()) << "screen 1 has nothing to go back to";
    EXPECT_TRUE(w.Fwd_1.hasFocus());

    m.ui.click(w.Fwd_1);
    m.ui.click(w.Fwd_1);
    m.ui.click(w.Fwd_1);
    m.ui.click(w.Ctrls);
    m.ui.click(w.Cancel_MoreCtrls);
    EXPECT_TRUE(w.Back_1.enabled());

    struct Key {
        int code, shift;
        bool counterShown;
    };
    for (const Key& k : {Key{45, 0, false}, Key{45, forms::shift::Alt, true}, Key{46, 0, true},
                         Key{46, forms::shift::Alt, false}}) {
        m.ui.keyDown(w, k.code, k.shift);
        for (int i = 0; i <= 2; ++i)
            EXPECT_EQ(w.Scrn_Count[i].visible(), k.counterShown) << k.code << " " << k.shift;
    }
    m.ui.keyDown(w, 45, forms::shift::Alt);
    EXPECT_EQ(w.Scrn_Count[0].caption() + " " + w.Scrn_Count[1].caption() + " " + w.Scrn_Count[2].caption(),
              "Screen 4 of 11");
    m.ui.keyDown(w, 112, forms::shift::Shift);
    ASSERT_EQ(m.desktop.helpCalls().size(), 1u);
    EXPECT_EQ(m.desktop.helpCalls()[0].data, 1003u);
    EXPECT_EQ(m.desktop.helpCalls()[0].file, TutorDir + "\\TRZTUTOR.HLP");
}

TEST(LessonWindow, ReturnToTheMenuAsksAndNoKeepsEverything)
{
    Playing m(6);
    LessonWindow& w = *m.window;
    m.ui.click(w.Fwd_1);
    m.ui.click(w.Ctrls);
    m.desktop.answer(mb::IdNo);
    m.ui.click(w.LessonMenu_Return);
    EXPECT_EQ(m.lastBox().text, m.text(65));
    EXPECT_EQ(m.lastBox().style, mb::YesNo | mb::IconQuestion);
    EXPECT_TRUE(m.t.forms.loaded<LessonWindow>(6));
    EXPECT_TRUE(w.More_Ctrls.visible());
    EXPECT_EQ(m.t.g.Screen_No, 2);
    EXPECT_FALSE(Sel_menu(m.t).visible()) << "the lesson window hides the menu";
    EXPECT_EQ(Sel_menu(m.t).caption(), "Learning Trazel - Hidden Menu");

    m.desktop.answer(mb::IdYes);
    m.ui.click(w.LessonMenu_Return);
    EXPECT_FALSE(m.t.forms.loaded<LessonWindow>(6));
    EXPECT_TRUE(Sel_menu(m.t).visible());
    EXPECT_EQ(Sel_menu(m.t).caption(), "Learning Trazel - Lesson menu");
    EXPECT_EQ(m.t.g.Step_No, 0);
    EXPECT_EQ(m.t.g.Screen_No, 0) << "the menu's activation resets the screen";
    EXPECT_FALSE(Sel_menu(m.t).Chk_Lsn[6].visible());
}

TEST(LessonWindow, OpenedWhileTheMenuIsStillComingUpKeepsItsScreen)
{
    Machine m;
    m.start();
    m.clickLessonAsTheMenuComesUp(5);
    m.ui.click(m.t.forms.find<LayIntro>()->Continue);
    auto* w = m.t.forms.find<LessonWindow>(5);
    ASSERT_TRUE(w);
    EXPECT_FALSE(Sel_menu(m.t).visible());
    EXPECT_EQ(Sel_menu(m.t).caption(), "Learning Trazel - Hidden Menu");
    m.ui.click(w->Fwd_1);
    EXPECT_EQ(m.t.g.Screen_No, 2);
    EXPECT_TRUE(w->Back_1.enabled());

    // Back to the menu from screen 3, and the next lesson chosen at once.
    m.ui.click(w->Fwd_1);
    m.ui.click(w->Ctrls);
    m.desktop.answer(mb::IdYes);
    m.clickLessonAsTheMenuComesUp(6);
    m.ui.click(w->LessonMenu_Return);
    auto* next = m.t.forms.find<LessonWindow>(6);
    ASSERT_TRUE(next);
    EXPECT_EQ(m.t.g.Screen_No, 1) << "the next lesson starts at its first screen";
    EXPECT_EQ(next->Scrn_Count[1].caption(), "1");
}

TEST(LessonWindow, ExercisesButtonOfALessonWithoutExercises)
{
    Machine m;
    m.desktop.openWindow("MaxFrame", "Trazel - TUTORBD2.MAX", true, "host");
    m.desktop.openWindow("QaTrazelFrame", "Trazel Session", true, "host");
    m.startToMenu();
    m.ui.click(Sel_menu(m.t).Menu_btn[7]);
    auto& w = *m.t.forms.find<LessonWindow>(7);
    m.ui.click(w.Ctrls);
    m.desktop.answer(mb::IdOk);
    m.ui.click(w.Do_Exercises);
    EXPECT_EQ(m.lastBox().text, "There are no exercises for this lesson.");
    EXPECT_TRUE(m.t.forms.loaded<LessonWindow>(7));
    EXPECT_TRUE(m.desktop.execs().empty());
}

struct ChartClick {
    int area;
    int left, top; // where the pointer goes; -1: nothing happens
};

TEST(DesignFlowChart, ClickingAStageMovesThePointerAndDescribesIt)
{
    Playing m(1);
    LessonWindow& w = *m.window;
    m.ui.click(w.Fwd_1);
    DesignFlowChart& chart = *w.chart;
    EXPECT_TRUE(chart.Design_Flow.visible());
    EXPECT_EQ((std::array{chart.Design_Flow.left(), chart.Design_Flow.top()}), (std::array{585, 1400}));
    EXPECT_FALSE(chart.Chart_Pointer.visible());
    EXPECT_EQ(chart.Desc.caption(), "");
    const ChartClick clicks[] = {{7, 6120, 1410}, {0, 1395, 1065}, {2, -1, -1}, {1, 1260, 2010},  {3, 1350, 3230},
                                 {4, 4020, 1745}, {5, 4245, 2865}, {6, 6180, 615}, {8, 6300, 2445}, {9, 6435, 3420},
                                 {10, 7860, 1185}, {11, 7980, 2490}, {12, 4125, 810}};
    int lastLeft = 0, lastTop = 0;
    std::string lastText;
    for (const ChartClick& c : clicks) {
        m.ui.click(chart.Hotspot[c.area]);
        if (c.left < 0) {
            EXPECT_EQ((std::array{chart.Chart_Pointer.left(), chart.Chart_Pointer.top()}), (std::array{lastLeft, lastTop}));
            EXPECT_EQ(chart.Desc.caption(), lastText);
            continue;
        }
        EXPECT_TRUE(chart.Chart_Pointer.visible());
        EXPECT_EQ((std::array{chart.Chart_Pointer.left(), chart.Chart_Pointer.top()}), (std::array{c.left, c.top}));
        EXPECT_EQ(chart.Desc.caption(), m.text(1150 + c.area));
        lastLeft = c.left, lastTop = c.top, lastText = chart.Desc.caption();
    }
    // Leaving the chart screen and coming back hides the pointer and clears the description.
    m.ui.click(w.Fwd_1);
    EXPECT_FALSE(chart.Design_Flow.visible());
    m.ui.click(w.Back_1);
    EXPECT_FALSE(chart.Chart_Pointer.visible());
    EXPECT_EQ(chart.Desc.caption(), "");
}

TEST(Lesson, FinishingTwiceKeepsOneBitAndTheExercisesQuestion)
{
    Machine m;
    m.desktop.openWindow("QaTrazelFrame", "Trazel Session", true, "host");
    m.desktop.openWindow("MaxFrame", "Trazel - TUTORBD2.MAX", true, "host");
    m.startToMenu();
    for (int round = 0; round < 2; ++round) {
        m.ui.click(Sel_menu(m.t).Menu_btn[6]);
        auto* w = m.t.forms.find<LessonWindow>(6);
        for (int k = 1; k < 11; ++k)
            m.ui.click(w->Fwd_1);
        m.desktop.answer(mb::IdNo);
        m.ui.click(w->Fwd_1);
        EXPECT_EQ(m.lastBox().text, m.text(27) + "\r\n\r\n" + m.text(28));
        EXPECT_EQ(m.lastBox().style, mb::YesNo | mb::IconQuestion);
        EXPECT_TRUE(Sel_menu(m.t).visible());
    }
    EXPECT_EQ(m.t.g.Lsn_Progress[6], 1);
}

} // namespace
} // namespace lt
