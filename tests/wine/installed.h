// End-to-end tests run the installed program: each test gets its own copy of
// the installed tree (host directory with the tutorial's TUTOR folder below),
// starts the program from it and drives it through the window system.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "uia.h"

namespace e2e {

inline constexpr wchar_t FormClass[] = L"LearningTrazelForm";
inline constexpr wchar_t MenuTitle[] = L"Learning Trazel - Lesson menu";
inline constexpr wchar_t AppTitle[] = L"Learning Trazel";
inline constexpr wchar_t UltorKey[] = L"QuarnTrazelUltor9.20";

std::string readFile(const std::wstring& path);
void writeFile(const std::wstring& path, const std::string& content);
bool exists(const std::wstring& path);
// Twips in pixels of the desktop, at its resolution (96 at 100 %, 144 at 150 %).
int pixels(int twips);
std::wstring windowsDirectory();
// Polls until the condition holds; the program works on its own time.
bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 10000);
bool waitForFile(const std::wstring& path, int timeoutMs = 10000);

// Whether the lesson menu shows the two progress markers of the lesson whose
// button has this caption, read from the screen.
struct Markers {
    bool lesson = false;
    bool exercises = false;
};
Markers markersOf(HWND menu, const std::wstring& lessonCaption);

class InstalledTutorial : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    const std::wstring& hostDir() const { return hostDir_; }
    std::wstring tutorDir() const { return hostDir_ + L"\\TUTOR"; }
    std::wstring scratch(const std::wstring& name) const { return root_ + L"\\" + name; }

    // The edition of Trazel the machine has installed (its registry key); none: "".
    void installEdition(const std::wstring& key);

    uia::Program& start(const std::wstring& arguments = L"");
    uia::Program& program() { return *program_; }
    // From a start without Trazel running: "open Trazel now?" is answered No,
    // and the intro's Lesson Menu button leads to the menu, which is returned.
    HWND continueToMenu();
    HWND startToMenu(const std::wstring& arguments = L"")
    {
        start(arguments);
        return continueToMenu();
    }
    HWND waitMenu(int timeoutMs = 15000);
    // The next message box of the program, which must exist.
    uia::MessageBoxInfo box(int timeoutMs = 10000);
    // What is on the screen, for a failure's message: every visible
    // top-level window with its class and title, and a message box's text.
    static std::string onScreen();
    // Quits through the menu's Quit button and waits for the program to end;
    // the second form saves the changed progress when asked.
    void quitFromMenu(HWND menu);
    void quitSavingFromMenu(HWND menu);

private:
    std::wstring root_, hostDir_;
    std::unique_ptr<uia::Program> program_;
};

// Tests with the stand-in Trazel: its key log goes to a file of the test,
// and the Trazel programs still running are ended afterwards, since the
// tutorial never closes the host.
class WithHost : public InstalledTutorial {
protected:
    static constexpr wchar_t FrameClass[] = L"QaTrazelFrame", DesignClass[] = L"MaxFrame";
    void SetUp() override;
    void TearDown() override;
    // The key log's lines: "<class> <modifiers><key>".
    std::vector<std::string> keyLog() const;

private:
    std::wstring keyLog_;
};

} // namespace e2e
