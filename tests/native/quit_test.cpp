// Leaving the tutorial: the Quit buttons, the close box, the Windows session
// end and another program's close, with the save offer and the clean-up.
#include <functional>

#include "exercises/work_files.h"
#include "machine.h"
#include "menu/sel_menu.h"

namespace lt {
namespace {

using test::Machine;
using test::TutorDir;

const std::string ProgressFile = TutorDir + "\\TRAZEL.LRN";
const std::string Saved = "1,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n";

struct Running : Machine {
    explicit Running(bool changed)
    {
        files.writeFile(ProgressFile, Saved);
        startToMenu();
        // Host by-products beside the work files.
        files.writeFile(TutorDir + "\\BACKUP1.MAX", "backup");
        files.writeFile(TutorDir + "\\TRAZEL.LOG", "log");
        files.writeFile(TutorDir + "\\DESIGN.OPJ", "opj");
        if (changed)
            t.g.Lsn_Progress[4] |= mark::LessonDone;
    }
    bool workFilesGone() const
    {
        for (const std::string& name : files.list(TutorDir))
            if (name != "TRAZEL.LRN" && name.rfind("SRCTRZ", 0) != 0)
                return false;
        return true;
    }
    bool workFilesThere() const { return files.exists(TutorDir + "\\TUTORBD1.MAX"); }
    std::string quitText() const { return text(64); }
    std::string saveText() const { return text(67) + "\r\n\r\n" + text(68); }
};

struct CloseCase {
    const char* name;
    int mode;
    bool changed;
    std::vector<int> answers;
    // What is asked, in order: 'q' the quit question (Yes/No), 's' the save
    // question with Yes/No, 'c' the save question with Yes/No/Cancel.
    std::string asked;
    bool ends;
    bool saves;
    bool workFilesDeleted;
    bool menuUnloaded;
};

class CloseReasons : public ::testing::TestWithParam<CloseCase> {};

TEST_P(CloseReasons, AskSaveCleanUpAndEndAsTheReasonWants)
{
    const CloseCase& c = GetParam();
    Running m(c.changed);
    for (int a : c.answers)
        m.desktop.answer(a);
    m.ui.close(Sel_menu(m.t), c.mode);

    ASSERT_EQ(m.boxCount(), c.asked.size());
    for (std::size_t i = 0; i < c.asked.size(); ++i) {
        const sim::MessageBoxRecord& box = m.desktop.messageBoxes()[i];
        EXPECT_EQ(box.title, "Learning Trazel");
        switch (c.asked[i]) {
        case 'q':
            EXPECT_EQ(box.text, m.quitText());
            EXPECT_EQ(box.style, mb::YesNo | mb::IconQuestion);
            break;
        case 's':
            EXPECT_EQ(box.text, m.saveText());
            EXPECT_EQ(box.style, mb::YesNo | mb::IconQuestion);
            break;
        case 'c':
            EXPECT_EQ(box.text, m.saveText());
            EXPECT_EQ(box.style, mb::YesNoCancel | mb::IconQuestion);
            break;
        }
    }
    EXPECT_EQ(m.ui.ended(), c.ends);
    EXPECT_EQ(!m.t.forms.loaded<SelMenu>(), c.menuUnloaded);
    EXPECT_EQ(m.files.content(ProgressFile), c.saves ? "1,0,0,1,0,0,0,0,0,0,0,0,0,0,0\r\n" : Saved);
    EXPECT_EQ(m.workFilesGone(), c.workFilesDeleted);
    EXPECT_EQ(m.workFilesThere(), !c.workFilesDeleted);
}

using namespace forms::unload_mode;
constexpr int Yes = mb::IdYes, No = mb::IdNo, Cancel = mb::IdCancel;

INSTANTIATE_TEST_SUITE_P(
    Reasons, CloseReasons,
    ::testing::Values(
        CloseCase{"CloseBoxNo", ControlMenu, true, {No}, "q", false, false, false, false},
        CloseCase{"CloseBoxYesUnchanged", ControlMenu, false, {Yes}, "q", true, false, true, true},
        CloseCase{"CloseBoxYesSave", ControlMenu, true, {Yes, Yes}, "qs", true, true, true, true},
        CloseCase{"CloseBoxYesDontSave", ControlMenu, true, {Yes, No}, "qs", true, false, true, true},
        CloseCase{"SessionEndUnchanged", WindowsSession, false, {}, "", false, false, true, false},
        CloseCase{"SessionEndSave", WindowsSession, true, {Yes}, "c", true, true, true, true},
        CloseCase{"SessionEndDontSave", WindowsSession, true, {No}, "c", true, false, true, false},
        CloseCase{"SessionEndCancel", WindowsSession, true, {Cancel}, "c", false, false, true, false},
        CloseCase{"TaskManagerUnchanged", TaskManager, false, {}, "", true, false, true, false},
        CloseCase{"TaskManagerSave", TaskManager, true, {Yes}, "c", true, true, true, true},
        CloseCase{"TaskManagerCancel", TaskManager, true, {Cancel}, "c", false, false, true, false},
        CloseCase{"ByTheProgram", Code, true, {}, "", false, false, false, true},
        CloseCase{"OwnerClosing", MdiParent, true, {}, "", false, false, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

// Saving at the end fails for a reason the learner is told; the program
// ends all the same and the file keeps what it held.
struct SaveFailure {
    const char* name;
    std::function<void(sim::SimFiles&)> trouble;
    int reason;
};

class SaveThatFails : public ::testing::TestWithParam<SaveFailure> {};

TEST_P(SaveThatFails, IsToldWithItsReasonAndTheProgramStillEnds)
{
    Running m(true);
    GetParam().trouble(m.files);
    for (int a : {Yes, Yes, mb::IdOk})
        m.desktop.answer(a);
    m.ui.click(Sel_menu(m.t).Quit_Sel);
    ASSERT_EQ(m.boxCount(), 3u);
    EXPECT_EQ(m.lastBox().text, m.text(747) + "\r\n" + ProgressFile + "\r\n\r\n" + m.text(GetParam().reason));
    EXPECT_EQ(m.lastBox().style, mb::Ok | mb::IconExclamation);
    EXPECT_TRUE(m.ui.ended());
    m.files.setInUse(ProgressFile, false);
    m.files.addDrive('C');
    m.files.setDiskFull('C', false);
    EXPECT_EQ(m.files.content(ProgressFile), Saved);
}

INSTANTIATE_TEST_SUITE_P(
    Reasons, SaveThatFails,
    ::testing::Values(
        SaveFailure{"ReadOnlyFile", [](sim::SimFiles& f) { f.setAttributes(ProgressFile, attr::ReadOnly); }, 748},
        SaveFailure{"FileHeldByAnotherProgram", [](sim::SimFiles& f) { f.setInUse(ProgressFile, true); }, 751},
        SaveFailure{"DiskFull", [](sim::SimFiles& f) { f.setDiskFull('C', true); }, 749},
        SaveFailure{"DiskTakenOut", [](sim::SimFiles& f) { f.addDrive('C', false); }, 750}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Quit, ClosesTheHelpAndBringsTheHostToTheFront)
{
    Running m(false);
    const WindowHandle host = m.desktop.openWindow("MaxFrame", "Trazel - TUTORBD2.MAX");
    m.desktop.setMinimized(host, true);
    m.ui.act([&] { Sel_menu(m.t).show(); });
    m.desktop.answer(Yes);
    m.ui.click(Sel_menu(m.t).Quit_Sel);
    EXPECT_TRUE(m.ui.ended());
    ASSERT_FALSE(m.desktop.helpCalls().empty());
    EXPECT_EQ(m.desktop.helpCalls().back().command, help::Quit);
    EXPECT_EQ(m.desktop.foreground(), host);
    EXPECT_TRUE(m.desktop.windowExists(host)) << "the host is never closed";
    EXPECT_EQ(m.desktop.pointer(), Pointer::Default);
}

TEST(WorkFiles, FailedCopiesAreSkippedOneByOne)
{
    Machine m;
    m.t.g.Work_Dir = "C:\\WORK";
    m.t.g.Tutor_Dir = TutorDir;
    m.files.makeDirectory("C:\\WORK");
    m.files.remove(TutorDir + "\\SRCTRZ3.MA$");
    m.files.writeFile("C:\\WORK\\TUTORBD1.MAX", "held open by the host");
    m.files.setInUse("C:\\WORK\\TUTORBD1.MAX", true);
    PrepareWorkFiles(m.t);
    EXPECT_EQ(m.files.content("C:\\WORK\\TUTORBD1.MAX"), "held open by the host");
    EXPECT_FALSE(m.files.exists("C:\\WORK\\TUTORBD3.MAX"));
    for (const char* done : {"TUTORBD2.MAX", "TUTORBD4.MAX", "TUTOR.SF", "TUTOR.LLB"})
        EXPECT_TRUE(m.files.exists(std::string("C:\\WORK\\") + done)) << done;

    m.files.writeFile("C:\\WORK\\PLACE7.MAX", "");
    m.files.writeFile("C:\\WORK\\TUTORSCH.DBK", "");
    m.files.writeFile("C:\\WORK\\KEEP.TXT", "");
    m.files.writeFile("C:\\WORK\\TRAZEL.LRN", "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n");
    DeleteWorkFiles(m.t);
    std::vector<std::string> left = m.files.list("C:\\WORK");
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"KEEP.TXT", "TRAZEL.LRN", "TUTORBD1.MAX"}));
}

} // namespace
} // namespace lt
