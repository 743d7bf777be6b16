// A simulated desktop: top-level windows in z-order with a foreground window
// and minimised state, a registry, a clock that does not really sleep, and a
// log of every message box, help call and pointer change. Message boxes are
// answered from a script the test provides.
#pragma once

#include <deque>
#include <functional>
#include <set>
#include <stdexcept>
#include <vector>

#include "platform/desktop.h"

namespace lt::sim {

// The class under which the tutorial registers all its windows.
inline constexpr const char* TutorialClass = "LearningTrazelForm";

struct SimWindow {
    WindowHandle handle = 0;
    std::string className;
    std::string title;
    std::string program; // the program the window belongs to
    bool visible = true;
    bool minimized = false;
    bool topmost = false;
    WindowHandle lastPopup = 0; // 0: the window itself
};

struct MessageBoxRecord {
    std::string text;
    std::string title;
    int style = 0;
    int answer = 0;
};

struct SentKeys {
    std::string targetClass; // the class of the window they went to
    std::vector<Keystroke> keys;
};

struct Exec {
    std::string commandLine;
    ShowCommand show;
};

struct HelpCall {
    WindowHandle owner;
    std::string file;
    unsigned command;
    unsigned long data;
};

// A message box that the test did not expect.
class UnexpectedMessageBox : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class SimDesktop : public Desktop {
public:
    // Windows. New windows open at the top of the z-order.
    WindowHandle openWindow(const std::string& className, const std::string& title, bool visible = true,
                            const std::string& program = "other");
    void closeWindow(WindowHandle w);
    SimWindow* window(WindowHandle w);
    void setTitle(WindowHandle w, const std::string& title);
    void setVisible(WindowHandle w, bool visible);
    void setMinimized(WindowHandle w, bool minimized);
    void setLastActivePopup(WindowHandle owner, WindowHandle popup);
    // Front first.
    const std::vector<SimWindow>& windows() const { return windows_; }
    WindowHandle foreground() const { return foreground_; }

    // The machine.
    void addRegistryKey(const std::string& key) { registry_.insert(upper(key)); }
    void setWindowsDirectory(const std::string& dir) { windowsDir_ = dir; }
    void setSystemFontHeight(std::optional<int> px) { fontHeight_ = px; }
    void removeFont(const std::string& face) { fonts_.erase(upper(face)); }
    void setAnotherInstance(bool running) { anotherInstance_ = running; }
    void setCommandLine(const std::string& line) { commandLine_ = line; }
    void setProgramDirectory(const std::string& dir) { programDir_ = dir; }

    // Message boxes are answered in the order given; each is logged.
    void answer(int button) { answers_.push_back(button); }
    // Called for every message box before the scripted answer is taken; may
    // act on the desktop and return an answer of its own (0: take the script's).
    std::function<int(const MessageBoxRecord&)> onMessageBox;
    const std::vector<MessageBoxRecord>& messageBoxes() const { return boxes_; }
    std::size_t pendingAnswers() const { return answers_.size(); }

    // Programs: the test decides what starting one does (default: not found).
    std::function<int(const Exec&)> onExec;
    const std::vector<Exec>& execs() const { return execs_; }
    // Keys typed into the foreground window; a simulated host may react.
    std::function<void(const SentKeys&)> onKeys;
    // A program whose windows do not come to the front when asked, or that
    // takes keys without ever handling them (it hangs).
    void setRefusesFront(const std::string& program, bool refuses) { toggle(refusingFront_, program, refuses); }
    void setHung(const std::string& program, bool hung) { toggle(hung_, program, hung); }
    const std::vector<SentKeys>& sentKeys() const { return sent_; }
    // The program whose windows count as the tutorial's own.
    static constexpr const char* TutorialProgram = "tutorial";

    const std::vector<HelpCall>& helpCalls() const { return helpCalls_; }
    const std::vector<Pointer>& pointerLog() const { return pointerLog_; }
    Pointer pointer() const { return pointerLog_.empty() ? Pointer::Default : pointerLog_.back(); }
    int sleptMilliseconds() const { return slept_; }

    // Desktop
    WindowHandle findWindow(const std::string& className, const std::string& title) override;
    WindowHandle findTutorialWindow(const std::string& title) override;
    bool windowExists(WindowHandle w) override;
    std::string windowTitle(WindowHandle w) override;
    WindowHandle windowAbove(WindowHandle w) override;
    WindowHandle lastActivePopup(WindowHandle w) override;
    void showWindow(WindowHandle w, ShowCommand cmd) override;
    bool isMinimized(WindowHandle w) override;
    void bringToTop(WindowHandle w) override;
    void setForeground(WindowHandle w) override;
    void setTopmost(WindowHandle w, bool topmost) override
    {
        if (SimWindow* x = window(w))
            x->topmost = topmost;
    }
    void sleep(int milliseconds) override { slept_ += milliseconds; }
    int winExec(const std::string& commandLine, ShowCommand show) override;
    KeysOutcome sendKeys(const std::vector<Keystroke>& keys, const std::vector<std::string>& windowClasses) override;
    long openClassesRootKey(const std::string& key) override;
    unsigned windowsDirectory(char* buffer, unsigned size) override;
    std::optional<int> systemFontHeight() override { return fontHeight_; }
    bool fontInstalled(const std::string& face) override { return fonts_.count(upper(face)) != 0; }
    int messageBox(const std::string& text, const std::string& title, int style) override;
    void winHelp(WindowHandle owner, const std::string& file, unsigned command, unsigned long data) override;
    void setScreenPointer(Pointer p) override { pointerLog_.push_back(p); }
    bool anotherInstanceRunning() override { return anotherInstance_; }
    std::string commandLine() override { return commandLine_; }
    std::string programDirectory() override { return programDir_; }

private:
    static std::string upper(const std::string& s);
    static void toggle(std::set<std::string>& set, const std::string& item, bool in);
    bool ownedByProgramOf(const SimWindow& w, const std::vector<std::string>& windowClasses) const;
    std::vector<SimWindow>::iterator find(WindowHandle w);
    void foregroundToNext();

    std::vector<SimWindow> windows_;
    WindowHandle next_ = 0x1000;
    WindowHandle foreground_ = 0;
    std::set<std::string> registry_;
    std::set<std::string> refusingFront_, hung_;
    std::string windowsDir_ = "C:\\WINDOWS";
    std::optional<int> fontHeight_ = 16;
    std::set<std::string> fonts_ = {"MS SANS SERIF", "SMALL FONTS", "ARIAL"};
    bool anotherInstance_ = false;
    std::string commandLine_;
    std::string programDir_ = "C:\\TRAZEL\\TUTOR";
    std::deque<int> answers_;
    std::vector<MessageBoxRecord> boxes_;
    std::vector<HelpCall> helpCalls_;
    std::vector<Exec> execs_;
    std::vector<SentKeys> sent_;
    std::vector<Pointer> pointerLog_;
    int slept_ = 0;
};

} // namespace lt::sim
