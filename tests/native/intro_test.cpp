// Start-up's Trazel check and the intro window.
#include "app/lay_intro.h"
#include "menu/sel_menu.h"
#include "sim_host.h"

namespace lt {
namespace {

using test::Machine;
using test::SimHost;
using test::TutorDir;

const std::string OldWorkFile = TutorDir + "\\TUTORBD1.MAX";

struct CheckCase {
    const char* name;
    std::vector<std::string> editions;
    bool frame, design;
    int answer;          // 0: no question
    int question;        // first string of the question
    int style;           // its buttons and icon
    bool ends;
    bool copied;         // fresh work files in place
    std::int16_t launchCode;
};

class TrazelCheck : public ::testing::TestWithParam<CheckCase> {};

TEST_P(TrazelCheck, AsksWhatItMustAndCopiesTheWorkFiles)
{
    const CheckCase& c = GetParam();
    Machine m({c.editions, false});
    SimHost host(m);
    if (c.frame)
        host.frame = m.desktop.openWindow("QaTrazelFrame", "Trazel Session", true, "host");
    if (c.design)
        host.design = m.desktop.openWindow("MaxFrame", "Trazel", true, "host");
    m.files.writeFile(OldWorkFile, "left from the last run");
    if (c.answer)
        m.desktop.answer(c.answer);
    m.start();

    ASSERT_EQ(m.boxCount(), c.answer ? 1u : 0u);
    if (c.answer) {
        const std::string& p = "\r\n\r\n";
        const std::string expected = c.question == 96 ? m.text(96) + p + m.text(71) + p + m.text(72)
                                                       : m.text(508) + p + m.text(509) + p + m.text(510);
        EXPECT_EQ(m.lastBox().text, expected);
        EXPECT_EQ(m.lastBox().style, c.style);
    }
    EXPECT_EQ(m.ui.ended(), c.ends);
    EXPECT_EQ(m.t.g.Launch_Code, c.launchCode);
    if (c.ends)
        return;
    EXPECT_EQ(m.files.content(OldWorkFile), c.copied ? std::optional<std::string>("source SRCTRZ1.MA$")
                                            : c.question == 96 ? std::optional<std::string>("left from the last run")
                                                               : std::nullopt);
    EXPECT_TRUE(Lay_Intro(m.t).visible());
}

constexpr int YesNoExclamation = mb::YesNo | mb::IconExclamation;
constexpr int YesNoCancelInformation = mb::YesNoCancel | mb::IconInformation;
const std::vector<std::string> Ultor = {"QuarnTrazelUltor9.20"};

INSTANTIATE_TEST_SUITE_P(
    Machines, TrazelCheck,
    ::testing::Values(
        CheckCase{"NoEditionGoOn", {}, false, false, mb::IdYes, 96, YesNoExclamation, false, false, 2},
        CheckCase{"NoEditionStop", {}, false, false, mb::IdNo, 96, YesNoExclamation, true, false, 2},
        CheckCase{"NoEditionButRunning", {}, true, true, 0, 0, 0, false, true, 0},
        CheckCase{"NotRunningOpenIt", Ultor, false, false, mb::IdYes, 508, YesNoCancelInformation, false, true, 33},
        CheckCase{"NotRunningLater", Ultor, false, false, mb::IdNo, 508, YesNoCancelInformation, false, false, 0},
        CheckCase{"NotRunningCancel", Ultor, false, false, mb::IdCancel, 508, YesNoCancelInformation, true, false, 0},
        CheckCase{"OnlyDesignWindow", Ultor, false, true, 0, 0, 0, false, true, 0},
        CheckCase{"OnlySessionFrame", Ultor, true, false, 0, 0, 0, false, true, 0},
        CheckCase{"Running", Ultor, true, true, 0, 0, 0, false, true, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct WelcomeCase {
    const char* name;
    std::string workDir;
    std::int16_t launchCode;
    std::vector<int> parts; // string numbers; negative: a line break (-1) or blank line (-2) before the next
};

class IntroWelcome : public ::testing::TestWithParam<WelcomeCase> {};

TEST_P(IntroWelcome, TellsWhetherTheExercisesCanBeDone)
{
    Machine m;
    m.t.g.Work_Dir = GetParam().workDir;
    m.t.g.Launch_Code = GetParam().launchCode;
    std::string expected;
    for (int part : GetParam().parts)
        expected += part == -1 ? "\r\n" : part == -2 ? "\r\n\r\n" : m.text(part);
    m.ui.act([&] { Lay_Intro(m.t).show(); });
    EXPECT_EQ(Lay_Intro(m.t).Intro_Dialog_Label.caption(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    States, IntroWelcome,
    ::testing::Values(WelcomeCase{"Ready", TutorDir, 0, {601, -2, 602, 603, -2, 607}},
                      WelcomeCase{"NoTrazel", TutorDir, 2, {601, -2, 602, -1, 604, -2, 607}},
                      WelcomeCase{"NoWorkingDirectory", "", 0, {601, -2, 602, -2, 605, -1, 607}},
                      WelcomeCase{"NoWorkingDirectoryNorTrazel", "", 2, {601, -2, 602, -2, 605, -1, 607}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Intro, ActivationBringsTrazelForwardWithItsDialogsClosed)
{
    Machine m(test::Bare);
    SimHost host(m);
    host.running();
    m.desktop.addRegistryKey("QuarnTrazelStd9.20");
    m.start();
    EXPECT_EQ(host.keysAt("MaxFrame"), std::vector<std::string>(6, "Esc"));
    EXPECT_EQ(m.desktop.foreground(), Lay_Intro(m.t).handle()) << "the intro comes back in front";
    EXPECT_EQ(Lay_Intro(m.t).caption(), "Learning Trazel");
    EXPECT_EQ(Lay_Intro(m.t).Continue.caption(), "&Lesson Menu");
    EXPECT_EQ(Lay_Intro(m.t).Exit_Sel.caption(), "&Quit");
}

TEST(Intro, DescriptionsHelpAndTheWayToTheMenu)
{
    Machine m;
    m.start();
    LayIntro& intro = Lay_Intro(m.t);
    m.ui.mouseMove(intro.Continue);
    EXPECT_EQ(intro.Cmd_Desc_Label.caption(), "Displays the lesson menu.");
    m.ui.focus(intro.Exit_Sel);
    EXPECT_EQ(intro.Cmd_Desc_Label.caption(), "Quits Learning Trazel.");
    m.ui.mouseMove(intro.Intro_Frame);
    EXPECT_EQ(intro.Cmd_Desc_Label.caption(), "Press F1 for help.");
    m.ui.keyDown(intro, forms::key::F1 + 1); // F2
    EXPECT_TRUE(m.desktop.helpCalls().empty());
    m.ui.keyDown(intro, forms::key::F1);
    ASSERT_EQ(m.desktop.helpCalls().size(), 1u);
    EXPECT_EQ(m.desktop.helpCalls()[0].data, help_topic::Intro);
    m.ui.click(intro.Continue);
    EXPECT_FALSE(m.t.forms.loaded<LayIntro>());
    EXPECT_TRUE(Sel_menu(m.t).visible());
    EXPECT_EQ(Sel_menu(m.t).caption(), "Learning Trazel - Lesson menu");
}

TEST(Intro, TrazelThatDidNotOpenEndsTheProgram)
{
    struct Case {
        std::int16_t launchCode;
        bool reported;
    };
    for (const Case& c : {Case{33, true}, Case{5, true}, Case{2, false}}) {
        Machine m(test::Bare);
        m.t.g.Work_Dir = TutorDir;
        m.t.g.Host_Opened = true;
        m.t.g.Launch_Code = c.launchCode;
        m.files.writeFile(OldWorkFile, "work");
        if (c.reported)
            m.desktop.answer(mb::IdOk);
        m.ui.act([&] { Lay_Intro(m.t).show(); });
        EXPECT_EQ(m.ui.ended(), c.reported) << c.launchCode;
        if (c.reported) {
            EXPECT_EQ(m.lastBox().text, "An error occurred and Trazel couldn't be opened.");
            EXPECT_EQ(m.lastBox().style, mb::Ok | mb::IconExclamation);
            EXPECT_FALSE(m.files.exists(OldWorkFile));
        }
    }
}

TEST(Intro, MissingDisplayFontsEndTheProgram)
{
    for (const char* font : {"Small Fonts", "MS Sans Serif"}) {
        Machine m;
        m.desktop.removeFont(font);
        m.desktop.answer(mb::IdOk);
        m.start();
        EXPECT_TRUE(m.ui.ended()) << font;
        EXPECT_EQ(m.lastBox().text, m.text(609) + "\r\n\r\n" + m.text(611) + "\r\n" + m.text(612) + "\r\n\r\n" +
                                        m.text(613));
        EXPECT_EQ(m.lastBox().style, mb::Ok | mb::IconStop);
    }
}

} // namespace
} // namespace lt
