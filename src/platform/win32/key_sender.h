// Types keystrokes into another program with SendInput and waits until that
// program has handled them.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/desktop.h"
#include "platform/keystroke.h"
#include "platform/win32/foreground.h"

namespace lt::win32 {

inline constexpr wchar_t KeyHookLibrary[] = L"learning-trazel-keys.dll";

class KeysReport;

class KeySender {
public:
    explicit KeySender(Foreground& foreground);
    ~KeySender();
    KeySender(const KeySender&) = delete;
    KeySender& operator=(const KeySender&) = delete;

    // Types the keys into the program of the top-level windows of these
    // classes, bringing the first of them forward when another window is in
    // front; nothing is ever typed into any other window.
    KeysOutcome send(const std::vector<Keystroke>& keys, const std::vector<std::string>& windowClasses);

private:
    HWND targetInFront(const std::vector<std::string>& windowClasses);
    KeysOutcome typeInto(HWND target, const std::vector<std::string>& windowClasses, const std::vector<INPUT>& inputs);
    bool loadHook();

    Foreground& foreground_;
    HMODULE hookLibrary_ = nullptr;
    HOOKPROC hookProc_ = nullptr;
    std::unique_ptr<KeysReport> report_;
};

// The inputs for a sequence of strokes, each modifier group pressing its
// modifiers once.
std::vector<INPUT> inputsFor(const std::vector<Keystroke>& keys);

} // namespace lt::win32
