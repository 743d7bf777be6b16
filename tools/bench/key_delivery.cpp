#include "key_delivery.h"

#include <windows.h>

#include <stdexcept>

#include "bench_stats.h"
#include "floor_hook.h"
#include "host/send_keys.h"
#include "platform/win32/foreground.h"
#include "platform/win32/key_sender.h"

namespace bench {

namespace {

constexpr DWORD HandledTimeoutMs = 5000;

class FloorSender {
public:
    FloorSender(const std::wstring& hookPath, const std::vector<lt::Keystroke>& keys)
        : library_(LoadLibraryW(hookPath.c_str())),
          proc_(library_ ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void (*)()>(GetProcAddress(library_, "FloorHook")))
                         : nullptr),
          done_(CreateEventW(nullptr, FALSE, FALSE, FloorEventName)), inputs_(lt::win32::inputsFor(keys))
    {
        if (!proc_ || !done_)
            throw std::runtime_error("the floor hook cannot be loaded");
        for (bool up : {false, true}) {
            INPUT in{};
            in.type = INPUT_KEYBOARD;
            in.ki.wVk = FloorMarker;
            in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
            inputs_.push_back(in);
        }
    }
    ~FloorSender()
    {
        CloseHandle(done_);
        FreeLibrary(library_);
    }
    FloorSender(const FloorSender&) = delete;
    FloorSender& operator=(const FloorSender&) = delete;

    // The hook is set and removed outside the time: the floor is the keys
    // and the marker only. Nothing here brings Trazel to the front or looks
    // whether it is there, so a send that went elsewhere is repeated.
    double send(HWND target, lt::win32::Foreground& foreground)
    {
        for (int attempt = 0; attempt < 3; ++attempt) {
            if (!lt::win32::Foreground::isAtFront(target))
                foreground.bring(target);
            HHOOK hook = SetWindowsHookExW(WH_KEYBOARD, proc_, library_, GetWindowThreadProcessId(target, nullptr));
            if (!hook)
                throw std::runtime_error("the floor hook cannot be set");
            ResetEvent(done_);
            const double t0 = nowMs();
            SendInput(static_cast<UINT>(inputs_.size()), inputs_.data(), sizeof(INPUT));
            const bool handled = WaitForSingleObject(done_, HandledTimeoutMs) == WAIT_OBJECT_0;
            const double ms = nowMs() - t0;
            UnhookWindowsHookEx(hook);
            if (handled)
                return ms;
            ++lost;
        }
        throw std::runtime_error("the floor's marker never came back");
    }

    int lost = 0; // sends whose marker did not come back

private:
    HMODULE library_;
    HOOKPROC proc_;
    HANDLE done_;
    std::vector<INPUT> inputs_;
};

} // namespace

KeyFigures measureKeys(const std::wstring& floorHookPath, int pairs)
{
    const std::vector<std::string> trazel = {"MaxFrame", "QaTrazelFrame"};
    const std::vector<lt::Keystroke> keys = lt::parseSendKeys(KeysTyped).value();
    HWND design = FindWindowW(L"MaxFrame", nullptr);
    if (!design)
        throw std::runtime_error("Trazel's design window is not open");
    lt::win32::Foreground foreground;
    lt::win32::KeySender sender(foreground);
    FloorSender floor(floorHookPath, keys);
    // Once each first: the sender brings Trazel to the front, and both hook
    // libraries are loaded into Trazel.
    sender.send(keys, trazel);
    floor.send(design, foreground);
    // Keys that follow a raise wait until the front has settled there; the
    // figures are of keys for a Trazel already in front, so the timed sends
    // start once that wait is over.
    Sleep(200);

    KeyFigures f;
    for (int i = 0; i < pairs; ++i) {
        const double t0 = nowMs();
        if (sender.send(keys, trazel) != lt::KeysOutcome::Handled)
            ++f.notHandled;
        f.senderMs.push_back(nowMs() - t0);
        f.floorMs.push_back(floor.send(design, foreground));
    }
    f.floorLost = floor.lost;
    return f;
}

} // namespace bench
