// Start-up: the second copy, the display check, the logo, the edition, and
// the progress file as start-up reads it.
#include "app/ver_select.h"
#include "machine.h"
#include "menu/progress.h"
#include "menu/sel_menu.h"

namespace lt {
namespace {

using test::Machine;
using test::TutorDir;

const std::string ProgressFile = TutorDir + "\\TRAZEL.LRN";

TEST(SecondCopy, BringsTheFirstCopysWindowForwardAndEnds)
{
    struct Case {
        std::vector<std::pair<std::string, std::string>> firstCopy; // class, title
        std::string found;                                          // title expected in front
    };
    const std::vector<Case> cases = {
        {{{"LearningTrazelForm", "Learning Trazel - Lesson menu"}}, "Learning Trazel - Lesson menu"},
        // The search order decides between several windows.
        {{{"LearningTrazelForm", "Trazel Exercises"}, {"LearningTrazelForm", "Learning Trazel - Autorouting"}},
         "Learning Trazel - Autorouting"},
        {{{"#32770", "Learning Trazel"}, {"LearningTrazelForm", "Trazel Exercises"}}, "Trazel Exercises"},
        {{{"#32770", "Learning Trazel"}}, "Learning Trazel"},
        // Another program's window of the same title is not the first copy.
        {{{"Notepad", "Learning Trazel - Lesson menu"}, {"LearningTrazelForm", "Version Select"}}, "Version Select"},
    };
    for (const Case& c : cases) {
        Machine m;
        m.desktop.setAnotherInstance(true);
        for (const auto& [cls, title] : c.firstCopy) {
            const WindowHandle w = m.desktop.openWindow(cls, title);
            m.desktop.showWindow(w, ShowCommand::Minimize);
        }
        m.startToMenu();
        EXPECT_TRUE(m.ui.ended()) << c.found;
        EXPECT_EQ(m.desktop.windowTitle(m.desktop.foreground()), c.found);
        EXPECT_FALSE(m.desktop.isMinimized(m.desktop.foreground())) << c.found;
        EXPECT_EQ(m.boxCount(), 0u);
        EXPECT_FALSE(m.files.exists(ProgressFile));
    }
}

TEST(DisplayCheck, LargeFontsAreWarnedAbout)
{
    struct Case {
        std::optional<int> height;
        int answer; // 0: no warning
        bool ends;
    };
    for (const Case& c : {Case{16, 0, false}, Case{std::nullopt, 0, false}, Case{17, mb::IdOk, false},
                          Case{20, mb::IdCancel, true}}) {
        Machine m;
        m.desktop.setSystemFontHeight(c.height);
        if (c.answer)
            m.desktop.answer(c.answer);
        m.startToMenu();
        EXPECT_EQ(m.ui.ended(), c.ends);
        ASSERT_EQ(m.boxCount(), c.answer ? 1u : 0u);
        if (c.answer) {
            EXPECT_EQ(m.lastBox().text, m.text(81) + "\r\n\r\n" + m.text(82) + "\r\n\r\n" + m.text(83) +
                                            "\r\n\r\n" + m.text(84));
            EXPECT_EQ(m.lastBox().style, mb::OkCancel | mb::IconExclamation | mb::DefButton2);
        }
        EXPECT_EQ(m.files.exists(ProgressFile), !c.ends);
    }
}

struct EditionCase {
    const char* name;
    std::vector<const char*> keys;
    // The Version Select window: which options it offers, and what to choose
    // (1..3 an option, 0 Cancel); empty when it must not appear.
    std::vector<bool> offered;
    int choice;
    std::int16_t edition;
};

class Editions : public ::testing::TestWithParam<EditionCase> {};

TEST_P(Editions, AreFoundInTheRegistry)
{
    const EditionCase& c = GetParam();
    Machine m({{}, true});
    for (const char* key : c.keys)
        m.desktop.addRegistryKey(key);
    bool asked = false;
    m.ui.onModal = [&](forms::Form& f) {
        asked = true;
        auto& v = static_cast<VerSelect&>(f);
        EXPECT_EQ(v.caption(), "Version Select");
        EXPECT_EQ(v.Query_Panel.caption(), m.text(576));
        forms::Control* options[] = {&v.Option1, &v.Option2, &v.Option3};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(options[i]->enabled(), c.offered[static_cast<std::size_t>(i)]) << "option " << i + 1;
            EXPECT_EQ(options[i]->value(), 0) << "nothing is chosen at first";
            EXPECT_EQ(options[i]->caption(), m.text(578 + i));
        }
        if (c.choice == 0) {
            m.ui.click(v.Cancel_Btn);
            return;
        }
        m.ui.click(*options[c.choice - 1]);
        m.ui.click(v.Ver_OK);
    };
    m.startToMenu();
    EXPECT_EQ(asked, !c.offered.empty());
    EXPECT_EQ(m.ui.ended(), c.choice == 0 && !c.offered.empty());
    EXPECT_EQ(m.t.g.Edition, c.edition);
    EXPECT_EQ(m.t.g.Reg_Std == 0, std::find(c.keys.begin(), c.keys.end(), std::string("QuarnTrazelStd9.20")) != c.keys.end());
    if (m.ui.ended()) {
        EXPECT_FALSE(m.files.exists(ProgressFile)) << "Cancel ends before a working directory is chosen";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Registry, Editions,
    ::testing::Values(
        EditionCase{"None", {}, {}, 0, 0}, EditionCase{"Standard", {"QuarnTrazelStd9.20"}, {}, 0, 2},
        EditionCase{"Kelmar", {"QuarnTrazelKmEd9.20"}, {}, 0, 1},
        EditionCase{"Ultor", {"quarntrazelultor9.20"}, {}, 0, 3},
        EditionCase{"StandardAndUltorChooseUltor", {"QuarnTrazelStd9.20", "QuarnTrazelUltor9.20"}, {false, true, true}, 3, 3},
        EditionCase{"AllThreeChooseKelmar", {"QuarnTrazelStd9.20", "QuarnTrazelKmEd9.20", "QuarnTrazelUltor9.20"},
                    {true, true, true}, 1, 1},
        EditionCase{"KelmarAndStandardCancel", {"QuarnTrazelKmEd9.20", "QuarnTrazelStd9.20"}, {true, true, false}, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VersionSelect, OkWithoutAChoiceReminds)
{
    Machine m({{"QuarnTrazelStd9.20", "QuarnTrazelUltor9.20"}, true});
    m.ui.onModal = [&](forms::Form& f) {
        auto& v = static_cast<VerSelect&>(f);
        m.desktop.answer(mb::IdOk);
        m.ui.focus(v.Option3);
        m.ui.click(v.Ver_OK);
        EXPECT_EQ(m.lastBox().text, m.text(577));
        EXPECT_EQ(m.lastBox().style, mb::Ok | mb::IconInformation);
        EXPECT_TRUE(v.visible());
        // Option1 is disabled here, so the focus stays on the button just pressed.
        EXPECT_TRUE(v.Ver_OK.hasFocus());
        for (forms::Control* o : {&v.Option1, &v.Option2, &v.Option3})
            EXPECT_EQ(o->value(), 0);
        m.ui.click(v.Option2);
        m.ui.click(v.Ver_OK);
    };
    m.startToMenu();
    EXPECT_EQ(m.t.g.Edition, 2);
    EXPECT_FALSE(Sel_menu(m.t).Menu_btn[14].visible());
}

TEST(VersionSelect, ClosedByTheWindowManagerLeavesTheEditionUndecided)
{
    Machine m({{"QuarnTrazelKmEd9.20", "QuarnTrazelUltor9.20"}, true});
    m.ui.onModal = [&](forms::Form& f) { m.ui.close(f, forms::unload_mode::ControlMenu); };
    m.startToMenu();
    EXPECT_FALSE(m.ui.ended());
    EXPECT_EQ(m.t.g.Edition, 0);
    EXPECT_TRUE(Sel_menu(m.t).Menu_btn[15].visible()) << "the full arrangement";
}

struct LoadCase {
    const char* name;
    std::optional<std::string> content; // none: no file
    Marks marks;
    bool damaged;
    bool heldByAnotherProgram = false;
};

class StartUpProgress : public ::testing::TestWithParam<LoadCase> {};

TEST_P(StartUpProgress, ReadsTheFileIntoTheMarksAndShowsTheMarkers)
{
    const LoadCase& c = GetParam();
    Machine m;
    if (c.content)
        m.files.writeFile(ProgressFile, *c.content);
    m.files.setInUse(ProgressFile, c.heldByAnotherProgram);
    if (c.damaged)
        m.desktop.answer(mb::IdOk);
    m.startToMenu();
    ASSERT_FALSE(m.ui.ended());
    EXPECT_EQ(m.t.g.Lsn_Progress, c.marks);
    EXPECT_EQ(m.t.g.Saved_Progress, c.marks);
    EXPECT_EQ(m.files.content(ProgressFile), c.content.value_or("")) << "start-up never rewrites the file";
    ASSERT_EQ(m.boxCount(), c.damaged ? 1u : 0u);
    if (c.damaged) {
        EXPECT_EQ(m.lastBox().text, m.text(745) + "\r\n" + ProgressFile + "\r\n\r\n" + m.text(746));
        EXPECT_EQ(m.lastBox().style, mb::Ok | mb::IconExclamation);
    }
    SelMenu& menu = Sel_menu(m.t);
    for (int n = 1; n <= 15; ++n) {
        EXPECT_EQ(menu.Chk_Lsn[n].visible(), (c.marks[n] & 1) != 0) << n;
        EXPECT_EQ(menu.Chk_Exr[n].visible(), (c.marks[n] & 2) != 0) << n;
    }
    EXPECT_EQ(menu.Delete_Markers.enabled(), c.marks != Marks{});
}

Marks marks(std::initializer_list<std::int16_t> v)
{
    Marks m{};
    std::copy(v.begin(), v.end(), m.begin() + 1);
    return m;
}

INSTANTIATE_TEST_SUITE_P(
    Files, StartUpProgress,
    ::testing::Values(LoadCase{"Missing", std::nullopt, {}, false}, LoadCase{"Empty", "", {}, false},
                      LoadCase{"BothMarkersOfLesson1AndLesson15", "3,0,0,0,0,0,0,0,0,0,0,0,0,0,1\r\n",
                               marks({3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}), false},
                      LoadCase{"MinusOneShowsBoth", "-1,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n", marks({-1}), false},
                      LoadCase{"Short", "1,1\r\n", marks({1, 1}), true},
                      LoadCase{"HeldByAnotherProgram", "3,0,0,0,0,0,0,0,0,0,0,0,0,0,1\r\n", {}, true, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StartUpProgress, ReadingCreatesTheMenuHidden)
{
    Machine m;
    m.t.g.Work_Dir = TutorDir;
    m.files.writeFile(ProgressFile, "1,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n");
    m.ui.act([&] { LoadProgress(m.t); });
    ASSERT_TRUE(m.t.forms.loaded<SelMenu>());
    EXPECT_FALSE(Sel_menu(m.t).visible());
    EXPECT_EQ(Sel_menu(m.t).caption(), "Learning Trazel - Hidden Menu");
    EXPECT_EQ(m.desktop.findTutorialWindow("Learning Trazel - Lesson menu"), 0u);

    // An empty file leaves the menu uncreated.
    Machine fresh;
    fresh.t.g.Work_Dir = TutorDir;
    fresh.ui.act([&] { LoadProgress(fresh.t); });
    EXPECT_FALSE(fresh.t.forms.loaded<SelMenu>());
    EXPECT_EQ(fresh.files.content(ProgressFile), "");
}

} // namespace
} // namespace lt
