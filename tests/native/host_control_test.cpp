// Finding, starting, raising and checking Trazel's windows.
#include "exercises/host_for_exercises.h"
#include "host/host_windows.h"
#include "menu/sel_menu.h"
#include "sim_host.h"

namespace lt {
namespace {

using test::Machine;
using test::SimHost;
using test::TutorDir;

const std::vector<std::string> SixEsc(6, "Esc");

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct Started : Machine {
    Started() : Machine(test::Bare)
    {
        t.g.Work_Dir = TutorDir;
        t.g.Tutor_Dir = TutorDir;
        ui.act([this] { Sel_menu(t).show(); });
    }
};

TEST(StartHost, BothWindowsRunningOnlyRaisesTheDesignWindow)
{
    Started m;
    SimHost host(m);
    host.running();
    m.t.g.Launch_Code = 42;
    m.desktop.setForeground(Sel_menu(m.t).handle());
    m.ui.act([&] { StartHost(m.t); });
    EXPECT_EQ(m.desktop.foreground(), host.design);
    EXPECT_EQ(m.t.g.Launch_Code, 42);
    EXPECT_TRUE(m.t.g.Host_Opened);
    EXPECT_TRUE(m.desktop.execs().empty());
    EXPECT_TRUE(m.desktop.sentKeys().empty());
}

TEST(StartHost, NothingRunningStartsTheFrameWhichOpensADesignWindow)
{
    Started m;
    SimHost host(m);
    m.t.g.Screen_No = 5;
    m.ui.act([&] { StartHost(m.t); });
    ASSERT_EQ(m.desktop.execs().size(), 1u);
    EXPECT_EQ(m.desktop.execs()[0].commandLine, "..\\TRZFRAME.EXE");
    EXPECT_EQ(m.desktop.execs()[0].show, ShowCommand::ShowNoActivate);
    EXPECT_EQ(m.files.currentDirectory(), TutorDir);
    EXPECT_EQ(m.t.g.Launch_Code, 33);
    EXPECT_EQ(m.t.g.Screen_No, 0);
    EXPECT_TRUE(host.design);
    EXPECT_EQ(host.keysAt("QaTrazelFrame"), (SixEsc + std::vector<std::string>{"Alt+f", "Alt+n"}));
    EXPECT_EQ(host.keysAt("MaxFrame"), SixEsc);
    EXPECT_EQ(m.desktop.sleptMilliseconds(), 3000);
    EXPECT_EQ(m.boxCount(), 0u);
}

TEST(StartHost, FrameWithoutDesignWindowIsRaisedAndOpensOne)
{
    Started m;
    SimHost host(m);
    host.frame = m.desktop.openWindow("QaTrazelFrame", "Trazel Session", true, "host");
    m.desktop.setMinimized(host.frame, true);
    m.desktop.setForeground(Sel_menu(m.t).handle());
    m.ui.act([&] { StartHost(m.t); });
    EXPECT_TRUE(m.desktop.execs().empty());
    EXPECT_FALSE(m.desktop.isMinimized(host.frame));
    EXPECT_EQ(host.keysAt("QaTrazelFrame"), (SixEsc + std::vector<std::string>{"Alt+f", "Alt+n"}));
    EXPECT_EQ(host.keysAt("MaxFrame"), SixEsc);
    EXPECT_EQ(m.desktop.foreground(), host.design);
}

struct MissingCase {
    const char* name;
    bool frameProgram, designProgram;
    int answer;
    int message;
};

class TrazelMissing : public ::testing::TestWithParam<MissingCase> {};

TEST_P(TrazelMissing, IsToldAndNoEndsTheProgram)
{
    const MissingCase& c = GetParam();
    Machine m({{"QuarnTrazelStd9.20"}, true});
    m.files.writeFile(TutorDir + "\\TRAZEL.LRN", "1,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n");
    m.startToMenu();
    for (const char* cls : {"QaTrazelFrame", "MaxFrame"})
        m.desktop.closeWindow(m.desktop.findWindow(cls, ""));
    m.t.g.Lsn_Progress[2] = 1; // changed progress: No offers to save it
    SimHost host(m);
    host.installed = c.frameProgram;
    host.designProgram = c.designProgram;
    m.desktop.answer(c.answer);
    if (c.answer == mb::IdNo)
        m.desktop.answer(mb::IdYes);
    m.ui.act([&] { StartHost(m.t); });
    ASSERT_GE(m.boxCount(), 1u);
    const sim::MessageBoxRecord& box = m.desktop.messageBoxes()[0];
    EXPECT_EQ(box.text, m.text(c.message) + "\r\n\r\n" + m.text(71) + "\r\n\r\n" + m.text(72));
    EXPECT_EQ(box.style, mb::YesNo | mb::IconExclamation);
    EXPECT_EQ(m.t.g.Launch_Code, 2);
    EXPECT_EQ(m.ui.ended(), c.answer == mb::IdNo);
    if (c.answer == mb::IdNo) {
        EXPECT_EQ(m.lastBox().text, m.text(67) + "\r\n\r\n" + m.text(68));
        EXPECT_EQ(m.files.content(TutorDir + "\\TRAZEL.LRN"), "1,1,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n");
        EXPECT_FALSE(m.files.exists(TutorDir + "\\TUTORBD1.MAX"));
    } else {
        EXPECT_TRUE(m.files.exists(TutorDir + "\\TUTORBD1.MAX"));
    }
}

INSTANTIATE_TEST_SUITE_P(Hosts, TrazelMissing,
                         ::testing::Values(MissingCase{"FrameProgramYes", false, true, mb::IdYes, 73},
                                           MissingCase{"FrameProgramNo", false, true, mb::IdNo, 73},
                                           MissingCase{"DesignProgramYes", true, false, mb::IdYes, 96},
                                           MissingCase{"DesignProgramNo", true, false, mb::IdNo, 96}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StartHost, AnErrorBoxInAnyLetterCaseCounts)
{
    for (const char* title : {"quarn TRAZEL", "Quarn Trazel Help"}) {
        Started m;
        SimHost host(m);
        host.designProgram = false;
        host.errorBoxTitle = title;
        const bool counts = std::string(title) == "quarn TRAZEL";
        if (counts)
            m.desktop.answer(mb::IdYes);
        m.ui.act([&] { StartHost(m.t); });
        EXPECT_EQ(m.t.g.Launch_Code, counts ? 2 : 33) << title;
        EXPECT_EQ(m.boxCount(), counts ? 1u : 0u) << title;
    }
}

TEST(StartHost, AFailedStartOtherThanNotFoundTypesNothing)
{
    Started m;
    m.desktop.onExec = [](const sim::Exec&) { return 11; };
    m.ui.act([&] { StartHost(m.t); });
    EXPECT_EQ(m.t.g.Launch_Code, 11);
    EXPECT_TRUE(m.desktop.sentKeys().empty());
    EXPECT_EQ(m.boxCount(), 0u);
}

// Keys meant for Trazel reach Trazel or nothing: whoever is in front.
struct KeysCase {
    const char* name;
    const char* inFront; // "stranger", "steps" (the tutorial's own), "design", "open dialog"
    bool trazelComesForward;
    const char* keys;
    KeysOutcome outcome;
    const char* takenBy; // the class that got the keys; "" for none
};

class KeysForTrazel : public ::testing::TestWithParam<KeysCase> {};

TEST_P(KeysForTrazel, GoToTrazelOrNowhere)
{
    const KeysCase& c = GetParam();
    Started m;
    SimHost host(m);
    host.running();
    const WindowHandle stranger = m.desktop.openWindow("Notepad", "Untitled - Notepad", true, "notepad");
    const WindowHandle steps = m.desktop.openWindow("LearningTrazelForm", "Trazel Exercises", true, "tutorial");
    const WindowHandle dialog = m.desktop.openWindow("#32770", "Open", true, "host");
    m.desktop.setLastActivePopup(host.design, dialog);
    const std::string inFront = c.inFront;
    m.desktop.setForeground(inFront == "stranger" ? stranger
                            : inFront == "steps"  ? steps
                            : inFront == "design" ? host.design
                                                  : dialog);
    m.desktop.setRefusesFront("host", !c.trazelComesForward);

    EXPECT_EQ(SendKeys(m.t.host, c.keys), c.outcome);
    const auto& sent = m.desktop.sentKeys();
    if (*c.takenBy) {
        ASSERT_EQ(sent.size(), 1u);
        EXPECT_EQ(sent[0].targetClass, c.takenBy);
        EXPECT_EQ(test::describe(sent[0].keys.front()), "Esc");
    } else {
        EXPECT_TRUE(sent.empty()) << "nothing is typed, not even into " << sent[0].targetClass;
    }
}

INSTANTIATE_TEST_SUITE_P(
    InFront, KeysForTrazel,
    ::testing::Values(KeysCase{"Trazel", "design", true, "{ESC 6}", KeysOutcome::Handled, "MaxFrame"},
                      KeysCase{"TrazelsOpenDialog", "open dialog", true, "{ESC 6}", KeysOutcome::Handled, "#32770"},
                      KeysCase{"AStranger", "stranger", true, "{ESC 6}", KeysOutcome::Handled, "#32770"},
                      KeysCase{"TheTutorialsOwnWindow", "steps", true, "{ESC 6}", KeysOutcome::Handled, "#32770"},
                      KeysCase{"AStrangerAndTrazelStaysBehind", "stranger", false, "{ESC 6}",
                               KeysOutcome::NotInFront, ""},
                      KeysCase{"TheTutorialAndTrazelStaysBehind", "steps", false, "{ESC 6}",
                               KeysOutcome::NotInFront, ""},
                      KeysCase{"AMalformedString", "design", true, "{NOSUCHKEY}", KeysOutcome::NotInFront, ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct DisplayCase {
    const char* name;
    bool frame, design, designMinimized;
    int gone, advice; // 0: the host is there
};

class DisplayingTheHost : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(DisplayingTheHost, RaisesItOrTakesTheLearnerBackToTheMenu)
{
    const DisplayCase& c = GetParam();
    Started m;
    SimHost host(m);
    if (c.frame)
        host.frame = m.desktop.openWindow("QaTrazelFrame", "Trazel Session", true, "host");
    if (c.design)
        host.design = m.desktop.openWindow("MaxFrame", "Trazel - TUTORBD2.MAX", true, "host");
    if (c.designMinimized)
        m.desktop.setMinimized(host.design, true);
    const WindowHandle steps = m.desktop.openWindow("LearningTrazelForm", "Trazel Exercises", true, "tutorial");
    m.ui.act([&] { Sel_menu(m.t).hide(); });
    if (c.gone)
        m.desktop.answer(mb::IdOk);
    bool result = true;
    m.ui.act([&] { result = DisplayHost(m.t); });
    EXPECT_EQ(result, c.gone == 0);
    if (c.gone == 0) {
        EXPECT_EQ(m.desktop.foreground(), host.design);
        EXPECT_FALSE(m.desktop.isMinimized(host.design));
        EXPECT_FALSE(Sel_menu(m.t).visible());
        return;
    }
    EXPECT_EQ(m.lastBox().text, m.text(c.gone) + "\r\n\r\n" + m.text(c.advice));
    EXPECT_EQ(m.lastBox().style, mb::Ok | mb::IconStop);
    EXPECT_TRUE(Sel_menu(m.t).visible());
    EXPECT_EQ(Sel_menu(m.t).caption(), "Learning Trazel - Lesson menu");
    (void)steps;
}

INSTANTIATE_TEST_SUITE_P(Hosts, DisplayingTheHost,
                         ::testing::Values(DisplayCase{"BothThere", true, true, false, 0, 0},
                                           DisplayCase{"DesignMinimizedFrameGone", false, true, true, 0, 0},
                                           DisplayCase{"DesignWindowGone", true, false, false, 75, 76},
                                           DisplayCase{"FrameGone", false, true, false, 94, 95},
                                           DisplayCase{"BothGone", false, false, false, 75, 76}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace lt
