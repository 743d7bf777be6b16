// Choosing the working directory at start-up: the program's directory, the
// -i option, the Windows directory, or none.
#include <functional>

#include "machine.h"
#include "menu/sel_menu.h"

namespace lt {
namespace {

using test::Machine;
using test::TutorDir;

constexpr std::uint32_t ReadOnlyDir = attr::Directory | attr::ReadOnly;

struct WorkDirCase {
    const char* name;
    std::function<void(Machine&)> setup;
    std::string workDir;
    // The "Unable to open" message names this directory; empty: no message.
    std::string unableToOpen;
};

std::string unableToOpen(const Machine& m, const std::string& dir)
{
    return m.text(500) + dir + m.text(501) + "\r\n\r\n" + m.text(502);
}

class WorkDirChoice : public ::testing::TestWithParam<WorkDirCase> {};

TEST_P(WorkDirChoice, PicksTheFirstWritableDirectory)
{
    Machine m;
    GetParam().setup(m);
    if (!GetParam().unableToOpen.empty())
        m.desktop.answer(mb::IdOk);
    m.start();

    ASSERT_FALSE(m.ui.ended());
    EXPECT_EQ(m.t.g.Work_Dir, GetParam().workDir);
    if (GetParam().unableToOpen.empty()) {
        EXPECT_EQ(m.boxCount(), 0u);
    } else {
        ASSERT_EQ(m.boxCount(), 1u);
        EXPECT_EQ(m.lastBox().text, unableToOpen(m, GetParam().unableToOpen));
        EXPECT_EQ(m.lastBox().style, mb::Ok | mb::IconInformation);
        EXPECT_EQ(m.lastBox().title, "Learning Trazel");
    }
    // The progress file is created, empty, in the chosen directory; no test file stays behind.
    EXPECT_EQ(m.files.content(GetParam().workDir + "\\TRAZEL.LRN"), "");
    EXPECT_FALSE(m.files.exists(GetParam().workDir + "\\TEST.TMP"));
    EXPECT_FALSE(m.files.exists(TutorDir + "\\TEST.TMP"));
}

INSTANTIATE_TEST_SUITE_P(
    Machines, WorkDirChoice,
    ::testing::Values(
        WorkDirCase{"ProgramDirectory", [](Machine&) {}, "C:\\TRAZEL\\TUTOR", ""},
        WorkDirCase{"ProgramDirectoryInLowerCaseIsUpperCased",
                    [](Machine& m) { m.desktop.setProgramDirectory("c:\\trazel\\tutor"); }, "C:\\TRAZEL\\TUTOR", ""},
        WorkDirCase{"ReadOnlyProgramDirectory", [](Machine& m) { m.files.setAttributes(TutorDir, ReadOnlyDir); },
                    "C:\\WINDOWS", ""},
        WorkDirCase{"ProgramDirectoryRefusingFiles", [](Machine& m) { m.files.denyNewFiles(TutorDir); },
                    "C:\\WINDOWS", ""},
        WorkDirCase{"OptionWithLowerCaseAndBackslash",
                    [](Machine& m) {
                        m.files.makeDirectory("C:\\Work");
                        m.desktop.setCommandLine("-ic:\\work\\");
                    },
                    "C:\\WORK", ""},
        WorkDirCase{"OptionWithBlank",
                    [](Machine& m) {
                        m.files.makeDirectory("D:\\LEARN");
                        m.desktop.setCommandLine("/I D:\\LEARN");
                    },
                    "D:\\LEARN", ""},
        WorkDirCase{"OptionBareDrive", [](Machine& m) { m.desktop.setCommandLine("-i C:"); }, "C:", ""},
        // The option clears the program directory: the Windows directory is used.
        WorkDirCase{"OptionMissingDirectory", [](Machine& m) { m.desktop.setCommandLine("/i c:\\nowhere"); },
                    "C:\\WINDOWS", "C:\\NOWHERE"},
        WorkDirCase{"OptionReadOnlyDirectory",
                    [](Machine& m) {
                        m.files.makeDirectory("C:\\LOCKED", ReadOnlyDir);
                        m.desktop.setCommandLine("-i C:\\Locked");
                    },
                    "C:\\WINDOWS", "C:\\LOCKED"},
        WorkDirCase{"OptionDriveWithoutDisk",
                    [](Machine& m) {
                        m.files.addDrive('A', false);
                        m.desktop.setCommandLine("-i a:");
                    },
                    "C:\\WINDOWS", "A:\\"},
        WorkDirCase{"OtherOptionIgnored",
                    [](Machine& m) {
                        m.files.makeDirectory("C:\\WORK");
                        m.desktop.setCommandLine("-x C:\\WORK");
                    },
                    "C:\\TRAZEL\\TUTOR", ""},
        WorkDirCase{"TestFileAlreadyThereIsOverwrittenAndRemoved",
                    [](Machine& m) { m.files.writeFile(TutorDir + "\\TEST.TMP", "old"); }, "C:\\TRAZEL\\TUTOR", ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct NoDirCase {
    const char* name;
    int answer;
};

class NoWritableDirectory : public ::testing::TestWithParam<NoDirCase> {};

TEST_P(NoWritableDirectory, AsksWhetherToGoOnWithoutExercises)
{
    Machine m;
    m.files.setAttributes(TutorDir, ReadOnlyDir);
    m.files.setAttributes("C:\\WINDOWS", ReadOnlyDir);
    m.desktop.answer(GetParam().answer);
    m.start();

    ASSERT_EQ(m.boxCount(), 1u);
    EXPECT_EQ(m.lastBox().text, m.text(504) + "\r\n\r\n" + m.text(505) + "\r\n\r\n" + m.text(506));
    EXPECT_EQ(m.lastBox().style, mb::YesNo | mb::IconExclamation);
    if (GetParam().answer == mb::IdNo) {
        EXPECT_TRUE(m.ui.ended());
        EXPECT_FALSE(m.t.forms.loaded<SelMenu>());
        return;
    }
    ASSERT_FALSE(m.ui.ended());
    EXPECT_EQ(m.t.g.Work_Dir, "");
    EXPECT_EQ(m.t.g.Tutor_Dir, "");
    LayIntro& intro = Lay_Intro(m.t);
    EXPECT_EQ(intro.Intro_Dialog_Label.caption(),
              m.text(601) + "\r\n\r\n" + m.text(602) + "\r\n\r\n" + m.text(605) + "\r\n" + m.text(607));
    m.ui.click(intro.Continue);
    SelMenu& menu = Sel_menu(m.t);
    EXPECT_TRUE(menu.visible());
    EXPECT_EQ(menu.Instruct_Left.caption(), m.text(732) + "\r\n\r\n" + m.text(736));
    EXPECT_TRUE(m.files.list(TutorDir).size() == 6) << "nothing may be written beside the sources";
}

INSTANTIATE_TEST_SUITE_P(Answers, NoWritableDirectory,
                         ::testing::Values(NoDirCase{"Yes", mb::IdYes}, NoDirCase{"No", mb::IdNo}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WindowsDirectory, TooLongForItsBufferIsNeverWritable)
{
    Machine m;
    const std::string longDir = "C:\\" + std::string(150, 'W');
    m.files.makeDirectory(longDir);
    m.desktop.setWindowsDirectory(longDir);
    m.files.setAttributes(TutorDir, ReadOnlyDir);
    m.desktop.answer(mb::IdYes);
    m.start();
    EXPECT_EQ(m.t.g.Work_Dir, "");
    EXPECT_TRUE(m.files.list(longDir).empty());
}

} // namespace
} // namespace lt
