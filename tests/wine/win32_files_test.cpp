// The real file system as the tutorial sees it, under Wine.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "platform/win32/utf.h"
#include "platform/win32/win32_files.h"

namespace {

using lt::FileError;
using lt::win32::narrow;

class Win32Files : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::wstring(_wgetenv(L"LT_SCRATCH")) + L"\\files." + std::wstring(info->name(), info->name() + strlen(info->name()));
        CreateDirectoryW(dir_.c_str(), nullptr);
    }
    std::string path(const std::string& name) const { return narrow(dir_) + "\\" + name; }
    void write(const std::string& name, const std::string& content) const
    {
        std::ofstream(lt::win32::widen(path(name)).c_str(), std::ios::binary) << content;
    }
    std::string read(const std::string& name) const
    {
        std::ifstream f(lt::win32::widen(path(name)).c_str(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    }
    void readOnly(const std::string& name) const
    {
        SetFileAttributesW(lt::win32::widen(path(name)).c_str(), FILE_ATTRIBUTE_READONLY);
    }
    void TearDown() override
    {
        for (const char* name : {"TRAZEL.LRN", "A.MAX", "B.MAX", "TRAZEL.LRN.0BEEFCAF.tmp"})
            SetFileAttributesW(lt::win32::widen(path(name)).c_str(), FILE_ATTRIBUTE_NORMAL);
    }

    lt::win32::Win32Files files;
    std::wstring dir_;
};

TEST_F(Win32Files, ReplacingContentIsAllOrNothing)
{
    write("TRAZEL.LRN", "1,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n");
    EXPECT_EQ(files.replaceContent(path("TRAZEL.LRN"), "3,3\r\n"), FileError::None);
    EXPECT_EQ(read("TRAZEL.LRN"), "3,3\r\n");

    // Refused for a read-only file, which keeps its content, and no temporary file stays.
    readOnly("TRAZEL.LRN");
    EXPECT_EQ(files.replaceContent(path("TRAZEL.LRN"), "0,0\r\n"), FileError::PathFileAccess);
    EXPECT_EQ(read("TRAZEL.LRN"), "3,3\r\n");
    WIN32_FIND_DATAW data;
    HANDLE h = FindFirstFileW((dir_ + L"\\*.tmp").c_str(), &data);
    EXPECT_EQ(h, INVALID_HANDLE_VALUE) << "a temporary file was left behind";
    if (h != INVALID_HANDLE_VALUE)
        FindClose(h);

    EXPECT_EQ(files.replaceContent(path("GONE\\TRAZEL.LRN"), "x"), FileError::PathNotFound);
    EXPECT_EQ(files.replaceContent(path("NEW.LRN"), "new\r\n"), FileError::None);
    EXPECT_EQ(read("NEW.LRN"), "new\r\n");
}

TEST_F(Win32Files, AFileAnotherProgramHoldsOpenIsReplacedOnceItIsLetGo)
{
    write("TRAZEL.LRN", "1,0\r\n");
    // Opened as a scanner or an editor opens it: others may read and write, not delete.
    const auto holdOpen = [&] {
        return CreateFileW(lt::win32::widen(path("TRAZEL.LRN")).c_str(), GENERIC_READ,
                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    };
    HANDLE held = holdOpen();
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    HANDLE release = CreateThread(
        nullptr, 0,
        [](void* h) -> DWORD {
            Sleep(300);
            CloseHandle(static_cast<HANDLE>(h));
            return 0;
        },
        held, 0, nullptr);
    EXPECT_EQ(files.replaceContent(path("TRAZEL.LRN"), "2,0\r\n"), FileError::None);
    WaitForSingleObject(release, INFINITE);
    CloseHandle(release);
    EXPECT_EQ(read("TRAZEL.LRN"), "2,0\r\n");

    held = holdOpen();
    EXPECT_NE(files.replaceContent(path("TRAZEL.LRN"), "3,0\r\n"), FileError::None) << "held for good, it fails";
    CloseHandle(held);
    EXPECT_EQ(read("TRAZEL.LRN"), "2,0\r\n");
}

// What a save cut short left beside the file goes with the next save, or
// when asked; files that only look like it, are read-only or are still being
// written by another program stay.
TEST_F(Win32Files, LeftoversOfCutShortReplacesGoAndNothingElse)
{
    const struct {
        const char* name;
        bool goes;
    } nearby[] = {{"TRAZEL.LRN.0000BEEF.tmp", true},  {"trazel.lrn.a1b2c3d4.TMP", true},
                  {"TRAZEL.LRN.BAK", false},          {"TRAZEL.LRN.0000BEEF.txt", false},
                  {"TRAZEL.LRN.BEEF.tmp", false},     {"OTHER.LRN.0000BEEF.tmp", false},
                  {"TRAZEL.LRN.0BEEFCAF.tmp", false}, {"TRAZEL.LRN.00C0FFEE.tmp", false}};
    write("TRAZEL.LRN", "1,0\r\n");
    for (const auto& file : nearby)
        write(file.name, "1,1,");
    readOnly("TRAZEL.LRN.0BEEFCAF.tmp");
    HANDLE writing = CreateFileW(lt::win32::widen(path("TRAZEL.LRN.00C0FFEE.tmp")).c_str(), GENERIC_WRITE, 0, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(writing, INVALID_HANDLE_VALUE);

    EXPECT_EQ(files.replaceContent(path("TRAZEL.LRN"), "2,0\r\n"), FileError::None);
    EXPECT_EQ(read("TRAZEL.LRN"), "2,0\r\n");
    for (const auto& file : nearby)
        EXPECT_EQ(files.fileLength(path(file.name)).has_value(), !file.goes) << file.name;

    // Once the other program lets go, it is a leftover like the rest.
    CloseHandle(writing);
    files.removeLeftovers(path("TRAZEL.LRN"));
    EXPECT_FALSE(files.fileLength(path("TRAZEL.LRN.00C0FFEE.tmp")));
    EXPECT_EQ(read("TRAZEL.LRN.BAK"), "1,1,");
}

TEST_F(Win32Files, ReadOnlyFilesAreNeitherOverwrittenNorDeleted)
{
    write("A.MAX", "a");
    write("B.MAX", "b");
    readOnly("A.MAX");
    EXPECT_EQ(files.createEmpty(path("A.MAX")), FileError::PathFileAccess);
    EXPECT_EQ(files.copy(path("B.MAX"), path("A.MAX")), FileError::PathFileAccess);
    EXPECT_EQ(files.remove(path("A.MAX")), FileError::PathFileAccess);
    EXPECT_EQ(files.removeMatching(narrow(dir_), "*.MAX"), 1);
    EXPECT_EQ(read("A.MAX"), "a");
    EXPECT_EQ(files.remove(path("B.MAX")), FileError::FileNotFound);
}

TEST_F(Win32Files, LookupsLengthsAndWildCards)
{
    write("TUTORBD1.MAX", "12345");
    write("TUTORBD2.MAX", "");
    write("BACKUP7.MAX", "b");
    write("KEEP.TXT", "k");
    EXPECT_EQ(files.fileLength(path("TUTORBD1.MAX")), 5);
    EXPECT_EQ(files.fileLength(path("tutorbd2.max")), 0);
    EXPECT_FALSE(files.fileLength(path("NONE.MAX")));
    EXPECT_FALSE(files.fileLength(narrow(dir_))) << "a directory has no file length";
    EXPECT_TRUE(files.findEntry(narrow(dir_)));
    EXPECT_TRUE(files.findEntry(narrow(dir_) + "\\"));
    EXPECT_TRUE(files.findEntry(path("TUTOR*.MAX")));
    EXPECT_FALSE(files.findEntry(path("NOSUCH\\")));
    const auto attributes = files.attributes(narrow(dir_));
    ASSERT_TRUE(attributes);
    EXPECT_TRUE(*attributes & lt::attr::Directory);
    EXPECT_EQ(files.removeMatching(narrow(dir_), "TUTORBD*.MAX"), 2);
    EXPECT_EQ(files.removeMatching(narrow(dir_), "*.OPJ"), 0);
    EXPECT_EQ(read("KEEP.TXT"), "k");
    EXPECT_EQ(read("BACKUP7.MAX"), "b");
}

TEST_F(Win32Files, ADriveWithoutADiskIsNotFoundQuietly)
{
    // Wine has no A: drive here; the lookups fail without a system error box.
    EXPECT_FALSE(files.findEntry("A:\\"));
    EXPECT_FALSE(files.attributes("A:\\"));
    EXPECT_NE(files.createEmpty("A:\\TEST.TMP"), FileError::None);
}

} // namespace
