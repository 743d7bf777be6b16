// Everything the tutorial asks of the operating system, apart from files.
// The Win32 implementation is the product; the simulated one is a test
// instrument that behaves like Windows where the tutorial depends on it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/keystroke.h"

namespace lt {

// A top-level window, kept at its full width; 0 is "no window".
using WindowHandle = std::uintptr_t;

// Show commands (the SW_* values).
enum class ShowCommand : int {
    Hide = 0, ShowNormal = 1, ShowMinimized = 2, ShowNoActivate = 4, Show = 5, Minimize = 6, Restore = 9
};

// Message box styles and results (the MB_* and ID* values).
namespace mb {
inline constexpr int Ok = 0x0, OkCancel = 0x1, YesNoCancel = 0x3, YesNo = 0x4;
inline constexpr int IconStop = 0x10, IconQuestion = 0x20, IconExclamation = 0x30, IconInformation = 0x40;
inline constexpr int DefButton1 = 0x0, DefButton2 = 0x100, DefButton3 = 0x200;
inline constexpr int IdOk = 1, IdCancel = 2, IdYes = 6, IdNo = 7;
} // namespace mb

// Help commands (the HELP_* values of WinHelp).
namespace help {
inline constexpr unsigned Context = 1, Quit = 2;
} // namespace help

enum class Pointer { Default, Hourglass };

// What became of keys typed into another program.
enum class KeysOutcome {
    Handled,    // the program took every key and has handled them
    NotInFront, // none of its windows came to the front: nothing was typed
    NotHandled, // typed, but the program did not confirm every key in time
};

class Desktop {
public:
    virtual ~Desktop() = default;

    // Top-level windows. An empty class or title matches any.
    virtual WindowHandle findWindow(const std::string& className, const std::string& title) = 0;
    // A window of the tutorial's own class with this title.
    virtual WindowHandle findTutorialWindow(const std::string& title) = 0;
    virtual bool windowExists(WindowHandle w) = 0;
    virtual std::string windowTitle(WindowHandle w) = 0;
    virtual WindowHandle windowAbove(WindowHandle w) = 0;
    virtual WindowHandle lastActivePopup(WindowHandle w) = 0;
    virtual void showWindow(WindowHandle w, ShowCommand cmd) = 0;
    virtual bool isMinimized(WindowHandle w) = 0;
    virtual void bringToTop(WindowHandle w) = 0;
    virtual void setForeground(WindowHandle w) = 0;
    // Keeps the window above all windows that are not topmost, or lets it go
    // back among them; its place, size and activation stay as they are.
    virtual void setTopmost(WindowHandle w, bool topmost) = 0;

    virtual void sleep(int milliseconds) = 0;
    // Starts a program as WinExec does: results 0 to 31 are errors (2: file
    // not found), 32 and above mean started; returns once the new program
    // first waits for input or a time-out passes.
    virtual int winExec(const std::string& commandLine, ShowCommand show) = 0;
    // Types the strokes into the program that owns the top-level windows of
    // these classes, and returns once it has handled them. The keys go to that
    // program's window in front and to no other window: when another window
    // is in front, the first of these windows that exists (or its last active
    // pop-up) is brought forward first, and when none comes to the front
    // within a few seconds nothing is typed.
    virtual KeysOutcome sendKeys(const std::vector<Keystroke>& keys, const std::vector<std::string>& windowClasses) = 0;

    // The registry: opening a key directly under HKEY_CLASSES_ROOT. Returns the
    // platform's result code, 0 when the key exists; the key is closed again.
    virtual long openClassesRootKey(const std::string& key) = 0;
    // GetWindowsDirectory into a buffer of `size` characters: the characters
    // written, or 0 when the buffer is too small.
    virtual unsigned windowsDirectory(char* buffer, unsigned size) = 0;
    // The height in pixels of the screen's current font; none without a
    // drawing context for the desktop window.
    virtual std::optional<int> systemFontHeight() = 0;
    // Whether a font of this face name is installed.
    virtual bool fontInstalled(const std::string& face) = 0;

    // A standard message box; style is a sum of mb:: values. Returns the button.
    virtual int messageBox(const std::string& text, const std::string& title, int style) = 0;

    // The help viewer that stands in for Windows Help.
    virtual void winHelp(WindowHandle owner, const std::string& file, unsigned command, unsigned long data) = 0;

    virtual void setScreenPointer(Pointer p) = 0;

    virtual bool anotherInstanceRunning() = 0;
    virtual std::string commandLine() = 0;
    // The program's own directory, without a trailing backslash (a root is "C:").
    virtual std::string programDirectory() = 0;
};

} // namespace lt
