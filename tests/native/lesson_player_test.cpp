// The lesson player over all fifteen lessons: forward to the end and back
// to screen 1 from every screen, checking what each screen shows.
#include <cmath>
#include <map>

#include "lessons/lesson_window.h"
#include "machine.h"
#include "menu/sel_menu.h"

namespace lt {
namespace {

using test::Machine;
using test::TutorDir;

// Screens per lesson, as the lessons are written.
constexpr int Screens[LessonCount + 1] = {0, 22, 26, 17, 18, 24, 11, 18, 19, 13, 13, 9, 9, 12, 17, 12};

struct Box {
    int left, top, width, height;
    bool operator==(const Box&) const = default;
};

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

// What must hold on screen `k` of a lesson, however it was reached; gives
// the description box's place.
Box expectScreen(const Playing& m, int lesson, int k, const char* how)
{
    SCOPED_TRACE("lesson " + std::to_string(lesson) + ", screen " + std::to_string(k) + " reached " + how);
    const LessonWindow& w = *m.window;
    EXPECT_EQ(m.t.g.Screen_No, k);
    EXPECT_EQ(m.t.g.Step_No, k);
    EXPECT_EQ(w.Scrn_Count[1].caption(), std::to_string(k));
    EXPECT_EQ(w.Back_1.enabled(), k > 1);
    EXPECT_TRUE(w.Fwd_1.enabled());
    EXPECT_EQ(w.DBox.caption(), captionOf(m, lesson, k));
    EXPECT_TRUE(w.DBox.font().bold);
    // The box lies in the window, its shadow behind it, its caption and border inside it.
    const Box box{w.DBox1.left(), w.DBox1.top(), w.DBox1.width(), w.DBox1.height()};
    EXPECT_TRUE(box.left >= 0 && box.top >= 0 && box.left + box.width <= w.clientWidth() &&
                box.top + box.height <= w.clientHeight())
        << box.left << "," << box.top << " " << box.width << "x" << box.height;
    EXPECT_TRUE(w.DBox1.visible() && w.DBox1_Shadow.visible());
    EXPECT_EQ((Box{w.DBox1_Shadow.left(), w.DBox1_Shadow.top(), w.DBox1_Shadow.width(), w.DBox1_Shadow.height()}),
              (Box{box.left + 100, box.top + 100, box.width, box.height}));
    EXPECT_EQ((Box{w.DBox.left(), w.DBox.top(), w.DBox.width(), w.DBox.height()}),
              (Box{150, 150, box.width - 330, box.height - 250}));
    EXPECT_EQ((Box{w.DBox_Border.left(), w.DBox_Border.top(), w.DBox_Border.width(), w.DBox_Border.height()}),
              (Box{45, 45, box.width - 120, box.height - 120}));

    // Exactly the screen's own picture is up (the chart screen of lesson 1 shows none).
    const forms::Control* own = w.pictureOf(k);
    for (const auto& p : w.pictures)
        EXPECT_EQ(p->visible(), p.get() == own) << p->displayName();
    EXPECT_EQ(own == nullptr, lesson == 1 && k == 2);
    // A definition box shows a title of the lesson's definitions and the one or two texts after it.
    if (w.definition && w.definition->Def_Frame.visible()) {
        const int base = 1000 + 100 * lesson + 75;
        int title = base;
        while (title < base + 25 && m.text(title) != w.definition->Def_Frame_Title.caption())
            ++title;
        EXPECT_LT(title, base + 25) << "the title is one of the lesson's definitions";
        const std::string one = m.text(title + 1), two = one + "\r\n\r\n" + m.text(title + 2);
        EXPECT_TRUE(w.definition->Def_Box.caption() == one || w.definition->Def_Box.caption() == two);
    }
    if (w.chart) {
        EXPECT_EQ(w.chart->Design_Flow.visible(), k == 2);
        EXPECT_EQ(w.Hilite1.visible(), k == 5);
    }
    return box;
}

class LessonPlayer : public ::testing::TestWithParam<int> {};

TEST_P(LessonPlayer, EveryScreenForwardAndBack)
{
    const int lesson = GetParam(), screens = Screens[lesson];
    Playing m(lesson);
    ASSERT_TRUE(m.window);
    EXPECT_TRUE(m.window->visible());
    EXPECT_EQ(m.window->caption(), m.text(31 + lesson));
    EXPECT_EQ(m.window->Scrn_Count[2].caption(), "of " + std::to_string(screens));
    std::vector<Box> boxes = {{}, expectScreen(m, lesson, 1, "by opening the lesson")};
    EXPECT_EQ(boxes[1], (Box{225, 240, 3685, 2700})) << "every lesson starts with the box in the corner";
    for (int k = 2; k <= screens; ++k) {
        m.ui.click(m.window->Fwd_1);
        boxes.push_back(expectScreen(m, lesson, k, "forward"));
        m.ui.click(m.window->Back_1);
        EXPECT_EQ(expectScreen(m, lesson, k - 1, "back"), boxes[k - 1]) << "the box goes back to where it was";
        m.ui.click(m.window->Fwd_1);
    }
    for (int k = screens - 1; k >= 1; --k) {
        m.ui.click(m.window->Back_1);
        EXPECT_EQ(expectScreen(m, lesson, k, "back from the end"), boxes[k]);
    }
    EXPECT_EQ(m.t.g.Lsn_Progress[lesson], 0) << "nothing is marked before the end";
    EXPECT_FALSE(Sel_menu(m.t).Chk_Lsn[lesson].visible());
}

// Lesson 6 as it is written down, screen by screen, and the places of
// lesson 1's box.
TEST(LessonPlayer, GoldenScreens)
{
    Playing six(6);
    for (int k = 2; k <= 11; ++k) {
        six.ui.click(six.window->Fwd_1);
        const LessonWindow& w = *six.window;
        EXPECT_EQ((Box{w.DBox1.left(), w.DBox1.top(), w.DBox1.width(), w.DBox1.height()}),
                  (Box{5015, 3845, 3685, 2000}));
        EXPECT_EQ(w.DBox.caption(), six.text(1600 + k - 1));
        EXPECT_EQ(w.definition->Def_Frame.visible(), k == 8) << "screen " << k;
    }
    six.ui.click(six.window->Back_1), six.ui.click(six.window->Back_1), six.ui.click(six.window->Back_1);
    const DefinitionBox& d = *six.window->definition;
    EXPECT_EQ(d.Def_Frame_Title.caption(), six.text(1675));
    EXPECT_EQ(d.Def_Box.caption(), six.text(1676) + "\r\n\r\n" + six.text(1677));

    Playing one(1);
    const std::map<int, Box> moves = {{2, {2225, 105, 5800, 1200}}, {3, {2800, 4160, 3685, 2000}},
                                      {21, {900, 3000, 3685, 2000}}, {22, {2800, 200, 3685, 2000}}};
    for (int k = 2; k <= 22; ++k) {
        one.ui.click(one.window->Fwd_1);
        const LessonWindow& w = *one.window;
        if (moves.contains(k)) {
            EXPECT_EQ((Box{w.DBox1.left(), w.DBox1.top(), w.DBox1.width(), w.DBox1.height()}), moves.at(k)) << k;
        }
    }
}

TEST_P(LessonPlayer, TheClosingStepMarksTheLessonAndReturnsToTheMenu)
{
    const int lesson = GetParam();
    Machine m;
    m.files.writeFile(TutorDir + "\\TRAZEL.LRN", "2,2,2,2,2,2,2,2,2,2,2,2,2,2,2\r\n");
    m.startToMenu();
    m.t.g.Work_Dir.clear(); // no exercises question: the lesson ends straight at the menu
    SelMenu& menu = Sel_menu(m.t);
    m.ui.click(menu.Menu_btn[lesson]);
    auto* w = m.t.forms.find<LessonWindow>(lesson);
    ASSERT_TRUE(w);
    for (int k = 1; k < Screens[lesson]; ++k)
        m.ui.click(w->Fwd_1);
    const bool noExercises = !hasExercises(lesson);
    if (noExercises)
        m.desktop.answer(mb::IdOk);
    m.ui.click(w->Fwd_1);
    if (noExercises) {
        EXPECT_EQ(m.lastBox().text, "There are no exercises for this lesson.");
        EXPECT_EQ(m.lastBox().style, mb::Ok | mb::IconInformation);
    } else {
        EXPECT_EQ(m.boxCount(), 0u);
    }
    EXPECT_EQ(m.t.g.Lsn_Progress[lesson], 3) << "the lesson bit joins the exercises bit";
    EXPECT_EQ(m.t.g.Screen_No, 0);
    EXPECT_EQ(m.t.g.Step_No, 0);
    EXPECT_FALSE(m.t.forms.loaded<LessonWindow>(lesson));
    EXPECT_TRUE(menu.visible());
    EXPECT_EQ(menu.caption(), "Learning Trazel - Lesson menu");
    EXPECT_TRUE(menu.Chk_Lsn[lesson].visible());
    EXPECT_TRUE(menu.Delete_Markers.enabled());
    EXPECT_EQ(menu.Instruct_Left.caption(), m.text(732) + "\r\n\r\n" + m.text(736));
}

INSTANTIATE_TEST_SUITE_P(Lessons, LessonPlayer, ::testing::Range(1, LessonCount + 1),
                         [](const auto& info) { return "Lesson" + std::to_string(info.param); });

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
    using forms::key::Insert, forms::key::Delete;
    for (const Key& k : {Key{Insert, 0, false}, Key{Insert, forms::shift::Alt, true}, Key{Delete, 0, true},
                         Key{Delete, forms::shift::Alt, false}}) {
        m.ui.keyDown(w, k.code, k.shift);
        for (int i = 0; i <= 2; ++i)
            EXPECT_EQ(w.Scrn_Count[i].visible(), k.counterShown) << k.code << " " << k.shift;
    }
    m.ui.keyDown(w, forms::key::Insert, forms::shift::Alt);
    EXPECT_EQ(w.Scrn_Count[0].caption() + " " + w.Scrn_Count[1].caption() + " " + w.Scrn_Count[2].caption(),
              "Screen 4 of 11");
    m.ui.keyDown(w, forms::key::F1, forms::shift::Shift);
    ASSERT_EQ(m.desktop.helpCalls().size(), 1u);
    EXPECT_EQ(m.desktop.helpCalls()[0].data, help_topic::Lesson);
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
