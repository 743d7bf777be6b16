#include "platform/win32/key_sender.h"

#include <optional>

#include "platform/win32/keyhook/keys_protocol.h"
#include "platform/win32/utf.h"

namespace lt::win32 {

namespace {

namespace protocol = keys_protocol;

constexpr DWORD HandledTimeoutMs = 5000;

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

// Whether the window belongs to the program of a top-level window of one of
// these classes.
bool ownedByProgramOf(HWND w, const std::vector<std::string>& windowClasses)
{
    if (!w)
        return false;
    const DWORD pid = processOf(w);
    for (const std::string& name : windowClasses) {
        const std::wstring cls = widen(name);
        for (HWND x = FindWindowW(cls.c_str(), nullptr); x; x = FindWindowExW(nullptr, x, cls.c_str(), nullptr))
            if (processOf(x) == pid)
                return true;
    }
    return false;
}

HWND firstWindowOf(const std::vector<std::string>& windowClasses)
{
    for (const std::string& name : windowClasses)
        if (HWND w = FindWindowW(widen(name).c_str(), nullptr))
            return w;
    return nullptr;
}

} // namespace

// A named event and a shared count for the hook in one thread to report to.
class KeysReport {
public:
    explicit KeysReport(DWORD thread)
        : thread_(thread), done_(CreateEventW(nullptr, TRUE, FALSE, protocol::doneEventName(thread).c_str())),
          mapping_(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(LONG),
                                      protocol::countName(thread).c_str())),
          count_(mapping_ ? static_cast<volatile LONG*>(MapViewOfFile(mapping_, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(LONG)))
                          : nullptr)
    {
    }
    ~KeysReport()
    {
        if (count_)
            UnmapViewOfFile(const_cast<LONG*>(count_));
        if (mapping_)
            CloseHandle(mapping_);
        if (done_)
            CloseHandle(done_);
    }
    KeysReport(const KeysReport&) = delete;
    KeysReport& operator=(const KeysReport&) = delete;

    DWORD thread() const { return thread_; }
    bool ready() const { return done_ && count_; }
    // Nothing reported yet, for the keys about to be typed.
    void clear()
    {
        if (done_)
            ResetEvent(done_);
        if (count_)
            *count_ = -1;
    }
    // The count the hook reported, once it has; none when it did not in time.
    std::optional<LONG> wait(DWORD timeoutMs) const
    {
        if (WaitForSingleObject(done_, timeoutMs) != WAIT_OBJECT_0)
            return std::nullopt;
        return *count_;
    }

private:
    DWORD thread_;
    HANDLE done_;
    HANDLE mapping_;
    volatile LONG* count_;
};

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

KeySender::KeySender(Foreground& foreground) : foreground_(foreground) {}

KeySender::~KeySender()
{
    if (hookLibrary_)
        FreeLibrary(hookLibrary_);
}

KeysOutcome KeySender::send(const std::vector<Keystroke>& keys, const std::vector<std::string>& windowClasses)
{
    const std::vector<INPUT> inputs = inputsFor(keys);
    // The foreground can still move after it has been brought forward, while
    // programs handle the focus changes of a moment ago; a target that is no
    // longer in front when the keys are due is looked for again.
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < Foreground::ActivationWaitMs) {
        HWND target = targetInFront(windowClasses);
        if (!target)
            break;
        const KeysOutcome outcome = typeInto(target, windowClasses, inputs);
        if (outcome != KeysOutcome::NotInFront)
            return outcome;
    }
    return KeysOutcome::NotInFront;
}

HWND KeySender::targetInFront(const std::vector<std::string>& windowClasses)
{
    const DWORD start = GetTickCount();
    for (;;) {
        HWND now = GetForegroundWindow();
        const DWORD waited = GetTickCount() - start;
        if (ownedByProgramOf(now, windowClasses)) {
            if (foreground_.settle(now))
                return now;
            if (waited >= Foreground::ActivationWaitMs)
                return nullptr;
            continue; // the front left while it settled: bring it back
        }
        HWND w = firstWindowOf(windowClasses);
        if (!w || waited >= Foreground::ActivationWaitMs)
            return nullptr;
        // A dialog the program has open is where its keys go.
        HWND popup = GetLastActivePopup(w);
        if (!foreground_.bring(popup && IsWindowVisible(popup) ? popup : w, Foreground::ActivationWaitMs - waited) &&
            !ownedByProgramOf(GetForegroundWindow(), windowClasses))
            return nullptr;
    }
}

bool KeySender::loadHook()
{
    if (!hookLibrary_) {
        wchar_t path[MAX_PATH];
        const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
        std::wstring dll(path, n);
        dll = dll.substr(0, dll.find_last_of(L'\\') + 1) + KeyHookLibrary;
        hookLibrary_ = LoadLibraryW(dll.c_str());
        // GetProcAddress gives a generic function pointer; going through
        // void (*)() is the conversion GCC accepts without a warning.
        if (hookLibrary_)
            hookProc_ = reinterpret_cast<HOOKPROC>(
                reinterpret_cast<void (*)()>(GetProcAddress(hookLibrary_, "KeysDoneHook")));
    }
    return hookProc_ != nullptr;
}

KeysOutcome KeySender::typeInto(HWND target, const std::vector<std::string>& windowClasses,
                                const std::vector<INPUT>& inputs)
{
    const DWORD thread = GetWindowThreadProcessId(target, nullptr);
    // The report's event and count serve every send to the same thread:
    // making them for each send cost a quarter of a millisecond.
    if (!report_ || report_->thread() != thread)
        report_ = std::make_unique<KeysReport>(thread);
    KeysReport& report = *report_;
    report.clear();
    HHOOK hook = loadHook() && report.ready() ? SetWindowsHookExW(WH_KEYBOARD, hookProc_, hookLibrary_, thread) : nullptr;
    std::vector<INPUT> all;
    if (hook)
        all = {key(protocol::StartMarker, false), key(protocol::StartMarker, true)};
    all.insert(all.end(), inputs.begin(), inputs.end());
    if (hook) {
        all.push_back(key(protocol::EndMarker, false));
        all.push_back(key(protocol::EndMarker, true));
    }
    // A last look just before typing: keys go where the foreground is now.
    HWND now = GetForegroundWindow();
    if (!ownedByProgramOf(now, windowClasses) || GetWindowThreadProcessId(now, nullptr) != thread) {
        if (hook)
            UnhookWindowsHookEx(hook);
        return KeysOutcome::NotInFront;
    }
    SendInput(static_cast<UINT>(all.size()), all.data(), sizeof(INPUT));
    if (!hook) {
        // Without the hook the best sign is the program answering a message
        // sent after the keys were queued.
        DWORD_PTR ignored;
        return SendMessageTimeoutW(target, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, HandledTimeoutMs, &ignored)
                   ? KeysOutcome::Handled
                   : KeysOutcome::NotHandled;
    }
    const std::optional<LONG> taken = report.wait(HandledTimeoutMs);
    UnhookWindowsHookEx(hook);
    // Fewer key messages than were typed: some went to a window that came
    // to the front while they were on their way.
    return taken && *taken >= static_cast<LONG>(inputs.size()) ? KeysOutcome::Handled : KeysOutcome::NotHandled;
}

} // namespace lt::win32
