// The exercises: the steps window, the nine exercise scripts page by page
// with the keys they type into Trazel, and the opening of the tutorial design.
#include <gtest/gtest.h>

#include <regex>

#include "exercises/exercise_script.h"
#include "exercises/library_keys.h"
#include "exercises/open_design.h"
#include "exercises/steps_window.h"
#include "host/send_keys.h"
#include "stroke_text.h"
#include "lessons/lesson_window.h"
#include "lessons/slide_script.h"
#include "pictures/tutorial_boards.h"
#include "machine.h"
#include "menu/sel_menu.h"

namespace lt::test {
namespace {

// A lesson's exercises started from its Exercises button, with Trazel running.
struct Exercising : Machine {
    explicit Exercising(int lesson, const Setup& setup = {}) : Machine(setup)
    {
        startToMenu();
        ui.click(Sel_menu(t).Menu_btn[lesson]);
        auto* w = t.forms.find<LessonWindow>(lesson);
        ui.click(w->Ctrls);
        desktop.answer(mb::IdYes);
        ui.click(w->Do_Exercises);
        steps = t.forms.find<StepsWindow>();
    }
    // The keys the next action types, as the key log writes them.
    std::vector<std::string> keysOf(const std::function<void()>& action)
    {
        const std::size_t before = desktop.sentKeys().size();
        action();
        std::vector<std::string> out;
        for (std::size_t i = before; i < desktop.sentKeys().size(); ++i)
            for (const Keystroke& k : desktop.sentKeys()[i].keys)
                out.push_back(describe(k));
        return out;
    }
    std::vector<std::string> press() { return keysOf([this] { ui.click(steps->Next_Step); }); }
    StepsWindow* steps = nullptr;
};

std::vector<std::string> keys(const std::string& sendKeys)
{
    const std::vector<Keystroke> strokes = parseSendKeys(sendKeys).value();
    std::vector<std::string> out;
    for (const Keystroke& k : strokes)
        out.push_back(describe(k));
    return out;
}

std::string lines(const Machine& m, int first, int last)
{
    std::string s;
    for (int id = first; id <= last; ++id)
        s += (id == first ? "\r\n" : "\r\n\r\n") + m.text(id);
    return s;
}

const std::string SetupBanner = "\r\n=========================\r\nExercises setup\r\n=========================";
const std::string Rule = "=========================";

// The texts a page shows, as the steps window separates them: the three
// lines of a banner by line breaks, all others by blank lines.
std::vector<std::string> pageLines(std::string page)
{
    std::vector<std::string> out;
    page.erase(0, 2); // every page begins with an empty line
    for (std::size_t at = 0;;) {
        const std::size_t next = page.find("\r\n\r\n", at);
        out.push_back(page.substr(at, next - at));
        if (next == std::string::npos)
            return out;
        at = next + 4;
    }
}

// Where a page of the lesson's exercise texts starts in their block; its
// texts follow one another and the page ends where the block's run of texts
// ends. -1 when the page is not such a run.
int pageStart(int lesson, const std::vector<std::string>& lines)
{
    const int base = (10 + lesson) * 1000;
    for (int id = base; id < base + 1000; ++id) {
        if (stringTable().find(id) != lines[0])
            continue;
        for (std::size_t i = 1; i < lines.size(); ++i)
            if (stringTable().find(id + static_cast<int>(i)) != lines[i])
                return -1;
        return stringTable().find(id + static_cast<int>(lines.size())) ? -1 : id - base;
    }
    return -1;
}

// Every script, pressed through to its end: each page is a run of the
// lesson's texts in the form the pages share, the exercises count up to
// their number, and the last page marks the exercises done.
class ExerciseRun : public ::testing::TestWithParam<ExerciseScript> {};

TEST_P(ExerciseRun, EveryPressShowsAPageOfTheLessonsTextsUpToTheEnd)
{
    const ExerciseScript& script = GetParam();
    const int lesson = script.lesson;
    Exercising m(lesson);
    ASSERT_NE(m.steps, nullptr) << "Yes to the question opens the steps window";
    StepsWindow& s = *m.steps;
    EXPECT_FALSE(m.t.forms.loaded<LessonWindow>(lesson));
    EXPECT_EQ(s.caption(), "Trazel Exercises");
    EXPECT_EQ(s.Lesson_Name.caption(), m.text(700 + lesson));
    EXPECT_EQ(s.Textbox.backColor(), forms::Cyan);
    EXPECT_EQ(s.Textbox.caption().rfind("\r\n" + Rule + "\r\nIMPORTANT\r\n", 0), 0u);
    EXPECT_EQ(m.t.g.Step_No, 0);

    const int base = (10 + lesson) * 1000;
    EXPECT_TRUE(m.press().empty()) << "the set-up page types nothing";
    EXPECT_EQ(s.Textbox.caption(), SetupBanner + "\r\n" + lines(m, base, base + 2));
    EXPECT_TRUE(s.Textbox.font().bold);
    EXPECT_EQ(s.Textbox.backColor(), forms::White);
    EXPECT_NE(pictures::tutorialDesign(m.t.g.Design_File), nullptr) << m.t.g.Design_File << " is a tutorial design";
    EXPECT_TRUE(m.files.exists(m.t.g.Work_Dir + "\\" + m.t.g.Design_File)) << "and a work file";

    const std::string design = m.t.g.Design_File;
    EXPECT_EQ(m.press(), keys("%(f)on{BKSP}" + m.t.g.Work_Dir + "\\TUTOR.LLB{Enter}%(f)o" + design + "{Enter}"));
    EXPECT_EQ(s.Textbox.caption(),
              SetupBanner + "\r\n\r\n--- " + design + " ---\r\n\r\n" + m.text(853) + "\r\n\r\n" + m.text(854));

    const std::regex title(R"(Exercise (\d+) of (\d+) -- \S.*)");
    const std::regex numbered(R"((\d+)\.( +)\S.*)");
    int exercise = 0, press = 2;
    for (; s.Next_Step.enabled() && press < 20; ++press) {
        SCOPED_TRACE("press " + std::to_string(press + 1));
        m.press();
        std::vector<std::string> page = pageLines(s.Textbox.caption());
        const bool setup = s.Textbox.font().bold;
        if (setup) {
            ASSERT_GE(page.size(), 2u);
            EXPECT_EQ(page[0], Rule + "\r\nExercises setup\r\n" + Rule) << "a further set-up page has the banner";
            page.erase(page.begin());
        }
        const int start = pageStart(lesson, page);
        ASSERT_GE(start, 0) << "the page is a run of the lesson's texts: " << s.Textbox.caption();
        EXPECT_TRUE(setup ? start % 5 == 0 && start < 50 : start == 10 || start % 50 == 0) << "starts at +" << start;
        const bool last = !s.Next_Step.enabled();
        if (!setup) {
            std::smatch t;
            ASSERT_TRUE(std::regex_match(page[0], t, title)) << page[0];
            EXPECT_EQ(std::stoi(t[1]), ++exercise);
            EXPECT_EQ(std::stoi(t[2]), script.exercises);
            EXPECT_EQ(page.back().substr(4), last ? "Choose the Lesson Menu button." : "Choose the Exercise button.");
        }
        int number = 1;
        for (std::size_t k = setup ? 0 : 1; k < page.size(); ++k) {
            std::smatch n;
            if (!std::regex_match(page[k], n, numbered))
                continue;
            EXPECT_EQ(std::stoi(n[1]), number++) << page[k];
            EXPECT_EQ(n[1].length() + n[2].length(), 3u) << "padded to four characters: " << page[k];
        }
        EXPECT_EQ(m.t.g.Exer_Done, last ? 1 : 0);
        EXPECT_EQ(Sel_menu(m.t).Chk_Exr[lesson].visible(), last);
    }
    EXPECT_EQ(exercise, script.exercises);
    EXPECT_EQ(m.t.g.Step_No, press);
    EXPECT_EQ(m.t.g.Lsn_Progress[lesson], mark::ExercisesDone) << "the lesson-done bit stays as it was";
}

INSTANTIATE_TEST_SUITE_P(Lessons, ExerciseRun, ::testing::ValuesIn(exerciseScripts()),
                         [](const auto& info) { return "Lesson" + std::to_string(info.param.lesson); });

TEST(ExerciseScripts, OnlyTheNineLessonsWithExercisesHaveOne)
{
    for (int lesson = 1; lesson <= LessonCount; ++lesson)
        EXPECT_EQ(exerciseScript(lesson) != nullptr, hasExercises(lesson)) << lesson;
    for (int lesson : {3, 4, 5, 6, 8, 9, 13, 14, 15})
        EXPECT_TRUE(hasExercises(lesson)) << lesson;
}

// Presses as the exercise scripts are written down: the keys each types
// into Trazel and the texts of the page it leaves.
struct GoldenPress {
    int lesson, press; // counted from 1: the set-up page, the design opening, the first exercise, ...
    const char* keys;
    int first, last;
};

TEST(ExerciseScripts, GoldenPresses)
{
    const GoldenPress golden[] = {
        {3, 3, "{ESC 6}%(w1){i 2}^f2250,3800{Enter}{    3}{ESC}", 13050, 13056},
        {3, 4, "{ESC 6}%(w1)+{HOME}i^f2200,1650{Enter}{ESC}", 13100, 13109},
        {3, 5, "", 13150, 13157},
        {3, 6, "", 13200, 13204},
        {4, 5, "", 14100, 14106}, // the "Please wait" page gives way to the exercise in the same press
        {5, 5, "{ESC 6}%(w1)%va{i 3}^f2100,2700{Enter}{ESC}1{home}", 15100, 15113},
        {6, 3, "{ESC 6}%(w1)%va{BACKSPACE}{i 3}^f4725,1500{Enter}{ESC}{home}", 16050, 16060},
        {9, 3, "+{HOME}{BACKSPACE}{i 2}^f1025,4525{Enter}{ESC}{home}", 19050, 19060},
        {9, 4, "", 19100, 19112},
        {15, 5, "{ESC 6}%(w1)+{HOME}{i 3}^f1050,1325{Enter}{ESC}1{home}", 25100, 25105},
    };
    for (const GoldenPress& g : golden) {
        SCOPED_TRACE("lesson " + std::to_string(g.lesson) + ", press " + std::to_string(g.press));
        Exercising m(g.lesson);
        for (int p = 1; p < g.press; ++p)
            m.press();
        EXPECT_EQ(m.press(), *g.keys ? keys(g.keys) : std::vector<std::string>{});
        EXPECT_EQ(m.steps->Textbox.caption(), lines(m, g.first, g.last));
    }
}

// A press whose keys Trazel does not take is not counted: the learner is told
// what happened and how to go on, and the next press repeats the step.
struct UntakenKeysCase {
    const char* name;
    int failingPress; // 1: the design opening; 2: the first exercise's view keys
    bool hung; // Trazel takes the keys but never handles them; otherwise it stays behind
    int message;
};

class UntakenKeys : public ::testing::TestWithParam<UntakenKeysCase> {};

TEST_P(UntakenKeys, LeaveTheStepToBeRepeated)
{
    const UntakenKeysCase& c = GetParam();
    Exercising m(9);
    StepsWindow& s = *m.steps;
    for (int press = 0; press < c.failingPress; ++press)
        m.press();
    (c.hung ? m.desktop.setHung("host", true) : m.desktop.setRefusesFront("host", true));
    const std::size_t boxes = m.boxCount();
    const std::vector<std::string> libraryKeys = keys("%(f)on{BKSP}" + m.t.g.Work_Dir + "\\TUTOR.LLB{Enter}");
    const std::vector<std::string> viewKeys = keys("+{HOME}{BACKSPACE}{i 2}^f1025,4525{Enter}{ESC}{home}");
    m.desktop.answer(mb::IdOk);
    // A hung Trazel was typed into; the design's keys wait for the library's.
    EXPECT_EQ(m.press(), !c.hung ? std::vector<std::string>{} : c.failingPress == 1 ? libraryKeys : viewKeys);
    ASSERT_EQ(m.boxCount(), boxes + 1);
    EXPECT_EQ(m.lastBox().text, m.text(c.message) + "\r\n\r\n" + m.text(830));
    EXPECT_EQ(m.lastBox().style, mb::Ok | mb::IconExclamation);
    EXPECT_EQ(s.Textbox.caption(), "\r\n" + m.lastBox().text) << "the page says it too";
    EXPECT_EQ(m.t.g.Step_No, c.failingPress) << "the step is not counted";
    EXPECT_TRUE(s.Next_Step.enabled());

    (c.hung ? m.desktop.setHung("host", false) : m.desktop.setRefusesFront("host", false));
    std::vector<std::string> openingKeys = libraryKeys;
    for (const std::string& k : keys("%(f)oTUTORBD3.MAX{Enter}"))
        openingKeys.push_back(k);
    EXPECT_EQ(m.press(), c.failingPress == 1 ? openingKeys : viewKeys);
    EXPECT_EQ(m.t.g.Step_No, c.failingPress + 1);
    EXPECT_EQ(m.boxCount(), boxes + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Trazel, UntakenKeys,
    ::testing::Values(UntakenKeysCase{"StaysBehindAtTheDesignOpening", 1, false, 828},
                      UntakenKeysCase{"HangsAtTheDesignOpening", 1, true, 829},
                      UntakenKeysCase{"StaysBehindAtAnExercise", 2, false, 828},
                      UntakenKeysCase{"HangsAtAnExercise", 2, true, 829}),
    [](const auto& info) { return std::string(info.param.name); });

struct LibraryKeysCase {
    const char* workDir;
    const char* keys;
};

TEST(LibraryOpenKeys, TildesAreTypedAsTildesAndNeverAsEnter)
{
    const LibraryKeysCase cases[] = {
        {"C:\\TUTOR", "%(f)on{BKSP}C:\\TUTOR\\TUTOR.LLB{Enter}"},
        {"C:\\PROGRA~1\\TUTOR", "%(f)o{ }C:\\PROGRA{~}1\\TUTOR\\TUTOR.LLB{Enter}{ESC}"},
        {"C:\\A~1\\B~2", "%(f)o{ }C:\\A{~}1\\B{~}2\\TUTOR.LLB{Enter}{ESC}"},
        {"C:\\A~1\\B~2\\C~3", "%(f)o{ }C:\\A{~}1\\B{~}2\\C{~}3\\TUTOR.LLB{Enter}{ESC}"},
        // Past the third tilde the rest of the directory is typed as it is.
        {"C:\\A~1\\B~2\\C~3\\D~4", "%(f)o{ }C:\\A{~}1\\B{~}2\\C{~}3\\D~4\\TUTOR.LLB{Enter}{ESC}"},
        // Characters the notation reserves reach the dialog as themselves.
        {"C:\\PROGRAM FILES (X86)\\TRAZEL+", "%(f)on{BKSP}C:\\PROGRAM FILES {(}X86{)}\\TRAZEL{+}\\TUTOR.LLB{Enter}"},
    };
    for (const LibraryKeysCase& c : cases) {
        EXPECT_EQ(libraryOpenKeys(c.workDir), c.keys);
        EXPECT_TRUE(parseSendKeys(libraryOpenKeys(c.workDir))) << c.workDir;
    }
}

TEST(StepsWindow, LoadEndsTheProgramWhenTrazelVanishedAfterItsStart)
{
    Machine m(test::Setup{{"QuarnTrazelUltor9.20"}, false});
    m.desktop.answer(mb::IdNo); // don't open Trazel at start-up
    m.startToMenu();
    m.ui.click(Sel_menu(m.t).Menu_btn[4]);
    auto* w = m.t.forms.find<LessonWindow>(4);
    m.ui.click(w->Ctrls);
    // The session frame starts and is gone again before the steps window loads.
    m.desktop.onExec = [](const sim::Exec&) { return 33; };
    m.t.g.Lsn_Progress[1] = 1;
    m.desktop.answer(mb::IdYes); // leave the lesson
    m.desktop.answer(mb::IdOk);  // Trazel couldn't be opened
    m.desktop.answer(mb::IdNo);  // don't save the progress
    m.ui.click(w->Do_Exercises);
    EXPECT_TRUE(m.ui.ended());
    const auto& boxes = m.desktop.messageBoxes();
    ASSERT_GE(boxes.size(), 2u);
    EXPECT_EQ(boxes[boxes.size() - 2].text, "An error occurred and Trazel couldn't be opened.");
    EXPECT_EQ(boxes[boxes.size() - 2].style, mb::Ok | mb::IconExclamation);
    EXPECT_FALSE(m.files.exists(m.t.g.Work_Dir + "\\TUTORBD2.MAX")) << "the work files are deleted";
}

TEST(StepsWindow, LessonMenuBeforeTheEndAsksAndNoChangesNothing)
{
    Exercising m(4);
    m.ui.click(m.steps->Next_Step);
    const std::string page = m.steps->Textbox.caption();
    m.desktop.answer(mb::IdNo);
    m.ui.click(m.steps->Return_Tut);
    EXPECT_EQ(m.lastBox().text, "----  \"Thermal relief and zones\"  ----\r\n\r\nYou haven't completed the exercises for "
                                "this lesson.\r\nDo you want to quit these exercises and return to the Learning "
                                "Trazel lesson menu?");
    EXPECT_EQ(m.lastBox().style, mb::YesNo | mb::IconQuestion);
    EXPECT_TRUE(m.t.forms.loaded<StepsWindow>());
    EXPECT_EQ(m.steps->Textbox.caption(), page);
    EXPECT_EQ(m.t.g.Step_No, 1);

    m.desktop.answer(mb::IdYes);
    m.ui.click(m.steps->Return_Tut);
    EXPECT_FALSE(m.t.forms.loaded<StepsWindow>());
    EXPECT_TRUE(Sel_menu(m.t).visible());
    EXPECT_EQ(m.t.g.Step_No, 0);
    ASSERT_FALSE(m.desktop.helpCalls().empty());
    EXPECT_EQ(m.desktop.helpCalls().back().command, help::Quit);
    EXPECT_NE(m.desktop.findWindow("MaxFrame", ""), 0u) << "Trazel stays open";
    EXPECT_EQ(m.desktop.pointer(), Pointer::Default);
}

struct SizeCase {
    int width, height;
    int expectWidth, expectHeight;
};

TEST(StepsWindow, KeepsItsWidthAndAtLeastItsSmallestHeight)
{
    const SizeCase cases[] = {
        {4020, 2000, 4020, 3000}, {5000, 7000, 4020, 7000}, {3000, 3000, 4020, 3000}, {4020, 6575, 4020, 6575}};
    for (const SizeCase& c : cases) {
        Exercising m(3);
        StepsWindow& s = *m.steps;
        EXPECT_EQ(s.width(), 4020);
        EXPECT_EQ(s.height(), 6575);
        EXPECT_EQ(s.left(), m.ui.screenWidth() - 4020 - 50);
        EXPECT_EQ(s.top(), 50);
        m.ui.dragFrame(s, s.left(), s.top(), c.width, c.height);
        EXPECT_EQ(s.width(), c.expectWidth);
        EXPECT_EQ(s.height(), c.expectHeight);
        EXPECT_EQ(s.Textbox.top(), 840);
        EXPECT_EQ(s.Textbox.height(), c.expectHeight - 2630) << "the text box fills the space between the panels";
        EXPECT_EQ(s.Bot_Panel.top() + s.Bot_Panel.height(), c.expectHeight - 410);
        EXPECT_TRUE(s.Textbox.visible());
    }
}

TEST(StepsWindow, ALessonOpenedAsTheMenuComesBackFindsFreshWorkFiles)
{
    Exercising m(4);
    m.desktop.answer(mb::IdYes);
    m.clickLessonAsTheMenuComesUp(4);
    m.ui.click(m.steps->Return_Tut);
    ASSERT_TRUE(m.t.forms.loaded<LessonWindow>(4));
    EXPECT_FALSE(m.t.forms.loaded<StepsWindow>());
    EXPECT_TRUE(m.files.exists(m.t.g.Work_Dir + "\\TUTORBD2.MAX")) << "the files Lesson Menu deleted are copied again";
    EXPECT_EQ(m.t.g.Screen_No, 1) << "the lesson keeps its first screen";
}

TEST(StepsWindow, RemembersWhereTheLearnerPutItForTheNextOpening)
{
    Exercising m(3);
    m.ui.dragFrame(*m.steps, 2000, 900, 4020, 4000);
    EXPECT_EQ(m.t.g.Saved_Left, 2000);
    EXPECT_EQ(m.t.g.Saved_Height, 4000);
    m.desktop.answer(mb::IdYes);
    m.ui.click(m.steps->Return_Tut);
    m.ui.click(Sel_menu(m.t).Menu_btn[3]);
    auto* w = m.t.forms.find<LessonWindow>(3);
    m.ui.click(w->Ctrls);
    m.desktop.answer(mb::IdYes);
    m.ui.click(w->Do_Exercises);
    auto* again = m.t.forms.find<StepsWindow>();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->height(), 4000);
    EXPECT_EQ(again->left(), 2000);
    EXPECT_EQ(again->Textbox.caption().find("IMPORTANT"), 2u + 25 + 2) << "a new run starts at the IMPORTANT page";
}

TEST(StepsWindow, OnTopOptionDecidesWhetherClicksRaiseTrazel)
{
    Exercising m(3);
    StepsWindow& s = *m.steps;
    const WindowHandle design = m.desktop.findWindow("MaxFrame", "");
    auto* steps = m.desktop.window(s.handle());
    EXPECT_TRUE(s.onTop());
    EXPECT_TRUE(steps->topmost);
    m.desktop.setForeground(s.handle());
    m.ui.mouseMove(s.On_Top_Check);
    m.ui.focus(s.On_Top_Check);
    EXPECT_EQ(s.Cmd_Desc.caption(), "On-top window -- Enabled.");
    EXPECT_EQ(m.desktop.foreground(), s.handle()) << "pointing at the option or tabbing to it only describes it";

    m.ui.click(s.On_Top_Check);
    EXPECT_FALSE(steps->topmost);
    EXPECT_EQ(s.Cmd_Desc.caption(), "On-top window -- Disabled.");
    for (const auto& click : std::vector<std::function<void()>>{
             [&] { m.ui.click(s.Top_Panel); }, [&] { m.ui.click(s); }, [&] { m.ui.click(s.Textbox); },
             [&] { m.ui.dragFrame(s, s.left() - 100, s.top(), s.width(), s.height()); }}) {
        m.desktop.setForeground(s.handle());
        click();
        EXPECT_EQ(m.desktop.foreground(), s.handle()) << "Trazel is not raised";
    }

    m.ui.click(s.On_Top_Check);
    EXPECT_TRUE(steps->topmost);
    EXPECT_EQ(s.Cmd_Desc.caption(), "On-top window -- Enabled.");
    for (const auto& click : std::vector<std::function<void()>>{
             [&] { m.ui.click(s.Lesson_Name); }, [&] { m.ui.doubleClick(s.Bot_Panel); }, [&] { m.ui.click(s.Textbox); },
             [&] { m.ui.rightClick(s.Quit_Sel); },
             [&] { m.ui.dragFrame(s, s.left() - 100, s.top(), s.width(), s.height()); }}) {
        m.desktop.setForeground(s.handle());
        click();
        EXPECT_EQ(m.desktop.foreground(), design) << "Trazel is raised";
    }
    EXPECT_EQ(m.t.g.Last_Right_Button, 1);
    m.desktop.setForeground(s.handle());
    m.ui.click(s, 1);
    EXPECT_EQ(m.t.g.Last_Right_Button, 0);
}

TEST(StepsWindow, KeepOnTopLeavesOpenHelpInFront)
{
    Exercising m(3);
    StepsWindow& s = *m.steps;
    const WindowHandle help = m.desktop.openWindow("WinHelpClass", "Help for Learning Trazel", true, "tutorial");
    m.ui.click(s.Cmd_Desc);
    EXPECT_EQ(m.desktop.foreground(), help);
    m.desktop.setMinimized(help, true);
    m.ui.click(s.Cmd_Desc);
    EXPECT_EQ(m.desktop.foreground(), m.desktop.findWindow("MaxFrame", ""));
}

TEST(StartExercises, NoLeavesTheLessonAsItWas)
{
    Machine m;
    m.startToMenu();
    m.ui.click(Sel_menu(m.t).Menu_btn[5]);
    auto* w = m.t.forms.find<LessonWindow>(5);
    m.ui.click(w->Fwd_1);
    m.ui.click(w->Ctrls);
    m.desktop.answer(mb::IdNo);
    m.ui.click(w->Do_Exercises);
    EXPECT_EQ(m.lastBox().text, "Do you want to quit this lesson and start the Trazel exercises?");
    EXPECT_TRUE(m.t.forms.loaded<LessonWindow>(5));
    EXPECT_FALSE(m.t.forms.loaded<StepsWindow>());
    EXPECT_EQ(m.t.g.Step_No, 2);
    EXPECT_EQ(m.desktop.pointer(), Pointer::Default);
}

TEST(StepsWindow, KeysOfTheWindow)
{
    Exercising m(3);
    StepsWindow& s = *m.steps;
    m.ui.keyDown(s, forms::key::F1);
    ASSERT_FALSE(m.desktop.helpCalls().empty());
    EXPECT_EQ(m.desktop.helpCalls().back().data, help_topic::Exercises);

    m.ui.focus(s.Return_Tut);
    m.ui.keyDown(s, forms::key::Space);
    EXPECT_EQ(s.mousePointer(), Pointer::Hourglass) << "the space bar on Lesson Menu shows the hourglass at once";
    m.desktop.answer(mb::IdNo);
    m.ui.click(s.Return_Tut);
    EXPECT_EQ(s.mousePointer(), Pointer::Default) << "and No takes it back";
}

} // namespace
} // namespace lt::test
