// The installed tutorial and Trazel as the benchmark drives them: their
// paths, the tutorial's own texts (read from its string table), started
// programs, and the waits a measurement needs.
#pragma once

#include <windows.h>

#include <string>

namespace bench {

inline constexpr wchar_t FormClass[] = L"LearningTrazelForm";

struct Installed {
    std::wstring hostDir;  // TRZFRAME.EXE and TRAZEL.EXE
    std::wstring tutorDir; // the tutorial's own folder
    std::wstring tutorial() const { return tutorDir + L"\\learning-trazel.exe"; }
};

// The tutorial's texts, by their numbers in its string table.
class Texts {
public:
    explicit Texts(const std::wstring& program);
    ~Texts();
    Texts(const Texts&) = delete;
    Texts& operator=(const Texts&) = delete;
    std::wstring operator()(int id) const;

private:
    HMODULE module_;
};

// A program started for a measurement; ended when the wrapper goes.
class Started {
public:
    Started(const std::wstring& exe, const std::wstring& arguments, const std::wstring& workingDir);
    ~Started();
    Started(const Started&) = delete;
    Started& operator=(const Started&) = delete;
    HANDLE process() const { return info_.hProcess; }
    DWORD pid() const { return info_.dwProcessId; }
    bool running() const;
    bool waitExit(DWORD ms);
    void end();

private:
    PROCESS_INFORMATION info_{};
};

// The visible top-level window of that process with that class and title.
HWND visibleWindowOf(DWORD pid, const wchar_t* cls, const std::wstring& title);
// Polls about every millisecond; null when the time runs out.
HWND waitVisibleWindowOf(DWORD pid, const wchar_t* cls, const std::wstring& title, DWORD timeoutMs);
bool waitForeground(HWND w, DWORD timeoutMs);
// Returns once the window's thread has handled everything that was sent to
// it and has painted every window of `top` that needed it: painting that is
// pending is asked for at once and waited for.
bool settle(HWND top);
// A button pressed as a click would press it, returning once its handler
// has run; false when the handler did not return in time.
bool press(HWND button, UINT timeoutMs = 10000);
// Answers the next message box titled `title` with the button `answer`.
bool answerBox(const std::wstring& title, const std::wstring& answer, DWORD timeoutMs);

} // namespace bench
