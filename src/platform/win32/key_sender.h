// Types keystrokes into the foreground window with SendInput and waits until
// the receiving program has handled them.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "platform/keystroke.h"

namespace lt::win32 {

inline constexpr wchar_t KeyHookLibrary[] = L"learning-trazel-keys.dll";

class KeySender {
public:
    // `pumpOwnMessages` lets the tutorial's own windows handle keys typed into them.
    explicit KeySender(std::function<void()> pumpOwnMessages) : pump_(std::move(pumpOwnMessages)) {}
    ~KeySender();
    KeySender(const KeySender&) = delete;
    KeySender& operator=(const KeySender&) = delete;

    // False, with nothing typed, when the foreground window belongs to
    // neither Trazel nor the tutorial.
    bool send(const std::vector<Keystroke>& keys);

private:
    bool waitUntilHandled(HWND target, const std::vector<INPUT>& inputs);

    std::function<void()> pump_;
    HMODULE hookLibrary_ = nullptr;
};

// The inputs for a sequence of strokes, each modifier group pressing its
// modifiers once.
std::vector<INPUT> inputsFor(const std::vector<Keystroke>& keys);

} // namespace lt::win32
