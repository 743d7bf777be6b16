#include <gtest/gtest.h>

#include "app/command_line.h"

namespace lt {
namespace {

struct OptionCase {
    const char* line;
    std::optional<std::string> dir;
};

class WorkDirOption : public ::testing::TestWithParam<OptionCase> {};

TEST_P(WorkDirOption, NamesTheDirectoryOrNothing)
{
    EXPECT_EQ(workDirOption(GetParam().line), GetParam().dir) << "command line: [" << GetParam().line << "]";
}

INSTANTIATE_TEST_SUITE_P(
    Lines, WorkDirOption,
    ::testing::Values(OptionCase{"", std::nullopt}, OptionCase{"   ", std::nullopt},
                      OptionCase{"-iC:\\WORK", "C:\\WORK"}, OptionCase{"-i C:\\WORK", "C:\\WORK"},
                      OptionCase{"/i C:\\WORK", "C:\\WORK"}, OptionCase{"/I C:\\WORK", "C:\\WORK"},
                      OptionCase{"-I   c:\\work\\  ", "c:\\work"}, OptionCase{"  -ic:\\tutor\\", "c:\\tutor"},
                      // Only one trailing backslash goes.
                      OptionCase{"-i C:\\WORK\\\\", "C:\\WORK\\"}, OptionCase{"-i C:\\", "C:"},
                      OptionCase{"-x C:\\WORK", std::nullopt}, OptionCase{"C:\\WORK", std::nullopt},
                      OptionCase{"i C:\\WORK", std::nullopt}, OptionCase{"-", std::nullopt},
                      OptionCase{"-i", std::nullopt}, OptionCase{"/i   ", std::nullopt},
                      OptionCase{"-i \"C:\\My Work\\\"", "C:\\My Work"}, OptionCase{"-i \"\"", std::nullopt},
                      OptionCase{"-i \"", "\""}, OptionCase{"-ifoo bar", "foo bar"},
                      // Anything after the directory is part of its name.
                      OptionCase{"-i C:\\WORK -x", "C:\\WORK -x"}));

TEST(WorkDirOption, VeryLongLineKeepsEveryCharacter)
{
    const std::string dir = "C:\\" + std::string(100000, 'A');
    EXPECT_EQ(workDirOption("/i " + dir + "\\"), dir);
}

} // namespace
} // namespace lt
