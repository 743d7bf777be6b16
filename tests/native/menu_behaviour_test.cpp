// What the lesson menu shows and does: descriptions, the activation
// sequence, the exercises-unavailable look, help and Delete Markers.
#include <cmath>

#include "machine.h"
#include "menu/sel_menu.h"

namespace lt {
namespace {

using test::Machine;
using test::TutorDir;

// Another of the tutorial's windows, to leave the menu for and come back from.
struct OtherWindow : forms::Form {
    static constexpr forms::FormKey Key{"Other"};
    explicit OtherWindow(forms::FormsRuntime& rt) : Form(rt, Key) { setCaption("Learning Trazel - Using fanout"); }
};

struct Started : Machine {
    Started(const std::string& progress = "")
    {
        if (!progress.empty())
            files.writeFile(TutorDir + "\\TRAZEL.LRN", progress);
        startToMenu();
    }
    SelMenu& menu() { return Sel_menu(t); }
    void leaveAndComeBack()
    {
        ui.act([&] { t.forms.get<OtherWindow>().show(); });
        ui.act([&] { menu().show(); });
    }
};

TEST(LessonMenu, DescriptionFollowsThePointerAndTheFocus)
{
    Started m;
    SelMenu& menu = m.menu();
    struct Step {
        std::function<void()> act;
        int text;
    };
    const std::vector<Step> steps = {
        {[&] { m.ui.mouseMove(menu.Menu_btn[9]); }, 724},
        // The labels of lessons 7 to 15 leave the description as it is.
        {[&] { m.ui.mouseMove(menu.L_Comp_Lsn[9]); }, 724},
        {[&] { m.ui.mouseMove(menu.Menu_Bkgnd); }, 79},
        {[&] { m.ui.focus(menu.Menu_btn[15]); }, 730},
        {[&] { m.ui.mouseMove(menu.L_Comp_Lsn[3]); }, 79},
        {[&] { m.ui.mouseMove(menu.Delete_Markers); }, 731},
        {[&] { m.ui.mouseMove(menu.Select_info); }, 79},
        {[&] { m.ui.focus(menu.Quit_Sel); }, 20},
        {[&] { m.ui.mouseMove(menu.Instruct_Right); }, 79},
        {[&] { m.ui.mouseMove(menu.Menu_btn[1]); }, 716},
        {[&] { m.ui.mouseMove(menu); }, 79},
    };
    for (std::size_t i = 0; i < steps.size(); ++i) {
        steps[i].act();
        EXPECT_EQ(menu.Select_info.caption(), m.text(steps[i].text)) << "step " << i;
    }
}

TEST(LessonMenu, ShowsItsNormalInstructionsCentredOnTheScreen)
{
    Started m;
    SelMenu& menu = m.menu();
    EXPECT_TRUE(menu.visible());
    EXPECT_EQ(menu.Instruct_Left.caption(), m.text(732) + "\r\n\r\n" + m.text(733));
    for (int n = 1; n <= 15; ++n) {
        const bool noExercises = n == 1 || n == 2 || n == 7 || n == 10 || n == 11;
        EXPECT_EQ(menu.L_Comp_Exr[n].foreColor(), noExercises ? forms::LightGrey : forms::Black) << n;
    }
    EXPECT_TRUE(menu.Sample_Marker_Right.visible());
    // Centred on the 1024 x 768 screen.
    EXPECT_EQ(menu.left(), std::lround((15360 - menu.width()) / 2.0));
    EXPECT_EQ(menu.top(), std::lround((11520 - menu.height()) / 2.0));
}

struct LookCase {
    const char* name;
    std::string workDir;
    std::int16_t launchCode;
    bool hostOpened;
    int reason; // 0: normal look
    std::int16_t launchCodeAfter;
};

class ExercisesLook : public ::testing::TestWithParam<LookCase> {};

TEST_P(ExercisesLook, FollowsTheWorkingDirectoryAndTheLastHostStart)
{
    Started m("3,3,3,3,3,3,3,3,3,3,3,3,3,3,3\r\n");
    SelMenu& menu = m.menu();
    m.t.g.Work_Dir = GetParam().workDir;
    m.t.g.Launch_Code = GetParam().launchCode;
    m.t.g.Host_Opened = GetParam().hostOpened;
    m.leaveAndComeBack();
    EXPECT_EQ(m.t.g.Launch_Code, GetParam().launchCodeAfter);
    EXPECT_FALSE(m.t.g.Host_Opened);
    const bool unavailable = GetParam().reason != 0;
    for (int n = 1; n <= 15; ++n) {
        const bool noExercises = n == 1 || n == 2 || n == 7 || n == 10 || n == 11;
        EXPECT_EQ(menu.Chk_Exr[n].visible(), !unavailable) << n;
        EXPECT_TRUE(menu.Chk_Lsn[n].visible()) << n;
        const forms::Color expected = noExercises ? forms::LightGrey : unavailable ? forms::Grey : forms::Black;
        EXPECT_EQ(menu.L_Comp_Exr[n].foreColor(), expected) << n;
    }
    EXPECT_EQ(menu.Sample_Marker_Right.visible(), !unavailable);
    EXPECT_EQ(menu.Exr_Sample.foreColor(), unavailable ? forms::Grey : forms::Black);
    EXPECT_EQ(menu.Instruct_Left.caption(), m.text(732) + "\r\n\r\n" + m.text(unavailable ? GetParam().reason : 733));
    EXPECT_EQ(menu.Instruct_Right.caption(), m.text(unavailable ? 737 : 734));
}

INSTANTIATE_TEST_SUITE_P(
    States, ExercisesLook,
    ::testing::Values(LookCase{"Normal", TutorDir, 0, false, 0, 0},
                      LookCase{"HostStartedDuringExercises", TutorDir, 42, true, 0, 0},
                      LookCase{"StartedEarlierKeepsItsCode", TutorDir, 42, false, 0, 42},
                      LookCase{"HostStartFailed", TutorDir, 5, true, 735, 5},
                      LookCase{"HostNotFound", TutorDir, 2, false, 735, 2},
                      LookCase{"LaunchCode31", TutorDir, 31, false, 735, 31},
                      LookCase{"NoWorkingDirectory", "", 0, false, 736, 0},
                      LookCase{"NoWorkingDirectoryBeatsFailedStart", "", 5, false, 736, 5}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LessonMenu, ActivationResetsTheVisitAndRefreshesTheWorkFiles)
{
    Started m;
    m.files.writeFile(TutorDir + "\\TUTORBD2.MAX", "changed by the host");
    m.files.remove(TutorDir + "\\TUTOR.LLB");
    m.t.g.Step_No = 4;
    m.t.g.Exer_Done = 1;
    m.t.g.Screen_No = 7;
    m.leaveAndComeBack();
    EXPECT_EQ(m.t.g.Step_No, 0);
    EXPECT_EQ(m.t.g.Exer_Done, 0);
    EXPECT_EQ(m.t.g.Screen_No, 0);
    EXPECT_EQ(m.files.content(TutorDir + "\\TUTORBD2.MAX"), "source SRCTRZ2.MA$");
    EXPECT_EQ(m.files.content(TutorDir + "\\TUTOR.LLB"), "source SRCTRZ7.LL$");
}

TEST(LessonMenu, F1OpensTheMenuHelpTopic)
{
    Started m;
    m.ui.keyDown(m.menu(), forms::key::F1);
    ASSERT_EQ(m.desktop.helpCalls().size(), 1u);
    const sim::HelpCall& call = m.desktop.helpCalls().front();
    EXPECT_EQ(call.data, help_topic::LessonMenu);
}

TEST(DeleteMarkers, AfterYesTheFileHoldsFifteenZeros)
{
    Started m("3,0,0,0,0,0,0,0,0,0,0,0,0,0,1\r\n");
    SelMenu& menu = m.menu();
    EXPECT_TRUE(menu.Chk_Lsn[1].visible());
    EXPECT_TRUE(menu.Chk_Exr[1].visible());
    EXPECT_TRUE(menu.Chk_Lsn[15].visible());
    EXPECT_FALSE(menu.Chk_Exr[15].visible());
    ASSERT_TRUE(menu.Delete_Markers.enabled());

    m.desktop.answer(mb::IdNo);
    m.ui.click(menu.Delete_Markers);
    EXPECT_TRUE(menu.Chk_Lsn[1].visible());
    EXPECT_EQ(m.files.content(TutorDir + "\\TRAZEL.LRN"), "3,0,0,0,0,0,0,0,0,0,0,0,0,0,1\r\n");

    m.desktop.answer(mb::IdYes);
    m.ui.click(menu.Delete_Markers);
    EXPECT_EQ(m.lastBox().text, "Do you want to delete all progress markers from the lesson menu?");
    EXPECT_EQ(m.lastBox().style, mb::YesNo | mb::IconQuestion);
    EXPECT_FALSE(menu.AnyMarkerVisible());
    EXPECT_FALSE(menu.Delete_Markers.enabled());
    EXPECT_TRUE(menu.Quit_Sel.hasFocus());
    EXPECT_EQ(m.files.content(TutorDir + "\\TRAZEL.LRN"), "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n");
    EXPECT_EQ(m.t.g.Saved_Progress, Marks{});

    // Nothing changed since: quitting asks only whether to quit.
    m.desktop.answer(mb::IdYes);
    m.ui.click(menu.Quit_Sel);
    EXPECT_TRUE(m.ui.ended());
    EXPECT_EQ(m.lastBox().text, m.text(64));
}

TEST(DeleteMarkers, WithNoVisibleMarkerAsksNothing)
{
    // Exercises unavailable hides the exercise markers; only a visible lesson marker makes it ask.
    Started m("2,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n");
    m.t.g.Launch_Code = 2;
    m.ui.act([&] { m.menu().ShowExercisesUnavailable(); });
    ASSERT_TRUE(m.menu().Delete_Markers.enabled());
    m.ui.click(m.menu().Delete_Markers);
    EXPECT_EQ(m.boxCount(), 0u);
    EXPECT_EQ(m.t.g.Lsn_Progress[1], 2);
}

} // namespace
} // namespace lt
