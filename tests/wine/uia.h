// Drives another program through the window system, the way a user would,
// for the end-to-end tests that run under Wine. Every call that talks to a
// window of the target is either posted or bounded by a time-out, so a hung
// or modal target cannot hang the test.
#pragma once

#include <windows.h>

#include <cstdint>
#include <future>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace uia {

// Window look-up. An empty class name or title matches any; titles compare
// exactly. Only visible top-level windows count.
HWND findVisible(const std::wstring& className, const std::wstring& title);
HWND findVisibleOf(DWORD pid, const std::wstring& className, const std::wstring& title);
HWND waitWindow(const std::wstring& className, const std::wstring& title, int timeoutMs = 10000);
HWND waitWindowOf(DWORD pid, const std::wstring& className, const std::wstring& title, int timeoutMs = 10000);
// True once the window is destroyed or hidden.
bool waitGone(HWND w, int timeoutMs = 10000);

std::wstring text(HWND w);
std::wstring className(HWND w);
// "&Quit" -> "Quit", "Save && Exit" -> "Save & Exit".
std::wstring withoutAccessKeys(const std::wstring& caption);

// Every child window below `parent`, at any depth.
std::vector<HWND> descendants(HWND parent);
// Descendants whose caption, with access-key markers removed, equals
// `caption` (itself compared the same way), optionally of one class.
std::vector<HWND> findChildren(HWND parent, const std::wstring& caption, const std::wstring& className = L"");
// The first visible match, else the first match, else nullptr.
HWND findChild(HWND parent, const std::wstring& caption, const std::wstring& className = L"");

// Presses the descendant button with that caption once it is visible and
// enabled (waiting a while for it), without waiting for the target to handle
// the press (its handler may open a modal box). False when it never was.
bool clickButton(HWND top, const std::wstring& caption);

enum class Icon { None, Stop, Question, Exclamation, Information };
std::ostream& operator<<(std::ostream& out, Icon icon);

struct MessageBoxInfo {
    HWND hwnd = nullptr;
    std::wstring title;
    std::wstring text;
    std::vector<std::wstring> buttons; // captions without access keys, left to right
    std::wstring defaultButton;
    Icon icon = Icon::None;
};

// A standard message box (class "#32770") with that exact title; an empty
// title matches any.
std::optional<MessageBoxInfo> waitMessageBox(const std::wstring& title, int timeoutMs = 10000);
MessageBoxInfo readMessageBox(HWND box);
// Presses the button and waits until the box has closed.
bool answer(const MessageBoxInfo& box, const std::wstring& buttonCaption);

// What the close box does.
void closeAsCloseBox(HWND top);
// What Task Manager or taskkill does.
void closeByOtherProgram(HWND top);

// Asks the window whether the session may end and, if it agrees, tells it
// that it ends. Runs on its own thread so the caller can answer the boxes the
// target opens meanwhile; the result is whether the target agreed.
std::future<bool> endSession(HWND top);

// Moves the real mouse pointer to the middle of a window, as the learner's
// hand would: the window under it gets the mouse-move messages.
void moveMouseOver(HWND w);
// Types one key into the focused control of the window's program, with Alt
// held if asked.
void pressKey(HWND top, UINT vk, bool alt = false);

// What the screen shows where the window is, row by row, as 0x00RRGGBB.
std::vector<std::uint32_t> screenPixelsOf(HWND w);

// A started program; killed when the wrapper goes if it still runs. Its output
// is not captured: Wine's helper processes inherit pipes and keep them open.
class Program {
public:
    Program(const std::wstring& exePath, const std::wstring& arguments, const std::wstring& workingDir = L"");
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    DWORD pid() const;
    bool waitExit(int timeoutMs = 10000);
    bool running() const;
    // STILL_ACTIVE while it runs.
    DWORD exitCode() const;

private:
    PROCESS_INFORMATION process_{};
};

} // namespace uia
