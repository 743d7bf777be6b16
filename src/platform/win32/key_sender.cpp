#include "platform/win32/key_sender.h"

#include <cwchar>
#include <string>

namespace lt::win32 {

namespace {

constexpr DWORD HandledTimeoutMs = 5000;
const wchar_t* const HostClasses[] = {L"QaTrazelFrame", L"MaxFrame"};

INPUT key(WORD vk, bool up, bool extended = false)
{
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (extended ? KEYEVENTF_EXTENDEDKEY : 0);
    return in;
}

INPUT unicode(wchar_t ch, bool up)
{
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wScan = ch;
    in.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
    return in;
}

bool extendedKey(WORD vk)
{
    return (vk >= VK_PRIOR && vk <= VK_DOWN) || vk == VK_INSERT || vk == VK_DELETE;
}

void modifiers(std::vector<INPUT>& out, std::uint8_t mods, bool up)
{
    const std::pair<std::uint8_t, WORD> order[] = {{mod::Ctrl, VK_CONTROL}, {mod::Alt, VK_MENU}, {mod::Shift, VK_SHIFT}};
    if (!up) {
        for (const auto& [bit, vk] : order)
            if (mods & bit)
                out.push_back(key(vk, false));
    } else {
        for (auto it = std::rbegin(order); it != std::rend(order); ++it)
            if (mods & it->first)
                out.push_back(key(it->second, true));
    }
}

DWORD processOf(HWND w)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    return pid;
}

bool belongsToHostOrTutorial(HWND w)
{
    const DWORD pid = processOf(w);
    if (pid == GetCurrentProcessId())
        return true;
    for (const wchar_t* cls : HostClasses)
        for (HWND host = FindWindowW(cls, nullptr); host; host = FindWindowExW(nullptr, host, cls, nullptr))
            if (processOf(host) == pid)
                return true;
    return false;
}

} // namespace

std::vector<INPUT> inputsFor(const std::vector<Keystroke>& keys)
{
    std::vector<INPUT> out;
    std::uint8_t held = 0;
    int group = -1;
    for (const Keystroke& k : keys) {
        if (k.group != group || k.modifiers != held) {
            modifiers(out, held, true);
            modifiers(out, k.modifiers, false);
            held = k.modifiers;
            group = k.group;
        }
        if (k.vk) {
            out.push_back(key(k.vk, false, extendedKey(k.vk)));
            out.push_back(key(k.vk, true, extendedKey(k.vk)));
            continue;
        }
        const SHORT scan = VkKeyScanW(static_cast<wchar_t>(k.ch));
        if (scan == -1) {
            out.push_back(unicode(static_cast<wchar_t>(k.ch), false));
            out.push_back(unicode(static_cast<wchar_t>(k.ch), true));
            continue;
        }
        // Characters such as capitals and ':' need Shift on top of what is held.
        const std::uint8_t needs = static_cast<std::uint8_t>(((scan >> 8) & 1 ? mod::Shift : 0) |
                                                             ((scan >> 8) & 2 ? mod::Ctrl : 0) |
                                                             ((scan >> 8) & 4 ? mod::Alt : 0));
        const std::uint8_t extra = static_cast<std::uint8_t>(needs & ~held);
        modifiers(out, extra, false);
        out.push_back(key(static_cast<WORD>(scan & 0xFF), false));
        out.push_back(key(static_cast<WORD>(scan & 0xFF), true));
        modifiers(out, extra, true);
    }
    modifiers(out, held, true);
    return out;
}

KeySender::~KeySender()
{
    if (hookLibrary_)
        FreeLibrary(hookLibrary_);
}

bool KeySender::send(const std::vector<Keystroke>& keys)
{
    HWND target = GetForegroundWindow();
    if (!target || !belongsToHostOrTutorial(target))
        return false;
    const std::vector<INPUT> inputs = inputsFor(keys);
    if (processOf(target) == GetCurrentProcessId()) {
        SendInput(static_cast<UINT>(inputs.size()), const_cast<INPUT*>(inputs.data()), sizeof(INPUT));
        pump_();
        return true;
    }
    return waitUntilHandled(target, inputs);
}

bool KeySender::waitUntilHandled(HWND target, const std::vector<INPUT>& inputs)
{
    if (!hookLibrary_) {
        wchar_t path[MAX_PATH];
        const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
        std::wstring dll(path, n);
        dll = dll.substr(0, dll.find_last_of(L'\\') + 1) + KeyHookLibrary;
        hookLibrary_ = LoadLibraryW(dll.c_str());
    }
    const DWORD thread = GetWindowThreadProcessId(target, nullptr);
    wchar_t name[64];
    std::swprintf(name, 64, L"Local\\LearningTrazel.KeysDone.%lu", thread);
    HANDLE done = CreateEventW(nullptr, TRUE, FALSE, name);
    // GetProcAddress gives a generic function pointer; going through void (*)()
    // is the conversion GCC accepts without a warning.
    const auto found =
        hookLibrary_ ? reinterpret_cast<void (*)()>(GetProcAddress(hookLibrary_, "KeysDoneHook")) : nullptr;
    const auto proc = reinterpret_cast<HOOKPROC>(found);
    HHOOK hook = proc && done ? SetWindowsHookExW(WH_KEYBOARD, proc, hookLibrary_, thread) : nullptr;

    std::vector<INPUT> all = inputs;
    if (hook) {
        all.push_back(key(VK_F24, false));
        all.push_back(key(VK_F24, true));
    }
    SendInput(static_cast<UINT>(all.size()), all.data(), sizeof(INPUT));
    if (hook) {
        WaitForSingleObject(done, HandledTimeoutMs);
        UnhookWindowsHookEx(hook);
    } else {
        // Without the hook the best sign is the program answering a message
        // sent after the keys were queued.
        DWORD_PTR ignored;
        SendMessageTimeoutW(target, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, HandledTimeoutMs, &ignored);
    }
    if (done)
        CloseHandle(done);
    return true;
}

} // namespace lt::win32
