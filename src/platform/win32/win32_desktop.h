// The real desktop: windows, registry, display, message boxes, help and the
// single-instance check, on Win32.
#pragma once

#include <windows.h>

#include <memory>

#include "platform/desktop.h"
#include "platform/string_table.h"
#include "platform/win32/foreground.h"
#include "platform/win32/key_sender.h"
#include "platform/win32/win32_ui.h"

namespace lt::win32 {

class HelpViewer;

class Win32Desktop : public Desktop {
public:
    Win32Desktop(Win32Ui& ui, const StringTable& strings);
    ~Win32Desktop() override;

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
    void setTopmost(WindowHandle w, bool topmost) override;
    void sleep(int milliseconds) override;
    int winExec(const std::string& commandLine, ShowCommand show) override;
    KeysOutcome sendKeys(const std::vector<Keystroke>& keys, const std::vector<std::string>& windowClasses) override;
    long openClassesRootKey(const std::string& key) override;
    unsigned windowsDirectory(char* buffer, unsigned size) override;
    std::optional<int> systemFontHeight() override;
    bool fontInstalled(const std::string& face) override;
    int messageBox(const std::string& text, const std::string& title, int style) override;
    void winHelp(WindowHandle owner, const std::string& file, unsigned command, unsigned long data) override;
    void setScreenPointer(Pointer p) override;
    bool anotherInstanceRunning() override;
    std::string commandLine() override;
    std::string programDirectory() override;

private:
    Win32Ui& ui_;
    std::unique_ptr<HelpViewer> help_;
    Foreground foreground_;
    KeySender keys_{foreground_};
    HANDLE instanceMutex_ = nullptr;
};

} // namespace lt::win32
