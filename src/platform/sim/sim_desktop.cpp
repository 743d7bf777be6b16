#include "platform/sim/sim_desktop.h"

#include <algorithm>
#include <cstring>

#include "platform/win_path.h"

namespace lt::sim {

std::string SimDesktop::upper(const std::string& s) { return upperCase(s); }

void SimDesktop::toggle(std::set<std::string>& set, const std::string& item, bool in)
{
    if (in)
        set.insert(item);
    else
        set.erase(item);
}

std::vector<SimWindow>::iterator SimDesktop::find(WindowHandle w)
{
    return std::find_if(windows_.begin(), windows_.end(), [w](const SimWindow& x) { return x.handle == w; });
}

WindowHandle SimDesktop::openWindow(const std::string& className, const std::string& title, bool visible,
                                    const std::string& program)
{
    SimWindow w;
    w.handle = next_ += 0x10;
    w.className = className;
    w.title = title;
    w.visible = visible;
    w.program = program;
    windows_.insert(windows_.begin(), w);
    return w.handle;
}

void SimDesktop::closeWindow(WindowHandle w)
{
    auto it = find(w);
    if (it == windows_.end())
        return;
    windows_.erase(it);
    for (SimWindow& x : windows_)
        if (x.lastPopup == w)
            x.lastPopup = 0;
    if (foreground_ == w)
        foregroundToNext();
}

void SimDesktop::foregroundToNext()
{
    // Windows hands the foreground to the next visible window in z-order.
    foreground_ = 0;
    for (const SimWindow& x : windows_)
        if (x.visible && !x.minimized) {
            setForeground(x.handle);
            return;
        }
}

SimWindow* SimDesktop::window(WindowHandle w)
{
    auto it = find(w);
    return it == windows_.end() ? nullptr : &*it;
}

void SimDesktop::setTitle(WindowHandle w, const std::string& title)
{
    if (SimWindow* x = window(w))
        x->title = title;
}

void SimDesktop::setVisible(WindowHandle w, bool visible)
{
    SimWindow* x = window(w);
    if (!x)
        return;
    x->visible = visible;
    if (!visible && foreground_ == w)
        foregroundToNext();
}

void SimDesktop::setMinimized(WindowHandle w, bool minimized)
{
    if (SimWindow* x = window(w))
        x->minimized = minimized;
}

void SimDesktop::setLastActivePopup(WindowHandle owner, WindowHandle popup)
{
    if (SimWindow* x = window(owner))
        x->lastPopup = popup;
}

WindowHandle SimDesktop::findWindow(const std::string& className, const std::string& title)
{
    // FindWindow compares both strings without regard to case.
    for (const SimWindow& x : windows_)
        if ((className.empty() || equalsNoCase(x.className, className)) && (title.empty() || equalsNoCase(x.title, title)))
            return x.handle;
    return 0;
}

WindowHandle SimDesktop::findTutorialWindow(const std::string& title) { return findWindow(TutorialClass, title); }

bool SimDesktop::windowExists(WindowHandle w) { return window(w) != nullptr; }

std::string SimDesktop::windowTitle(WindowHandle w)
{
    const SimWindow* x = window(w);
    return x ? x->title : std::string();
}

WindowHandle SimDesktop::windowAbove(WindowHandle w)
{
    auto it = find(w);
    if (it == windows_.end() || it == windows_.begin())
        return 0;
    return std::prev(it)->handle;
}

WindowHandle SimDesktop::lastActivePopup(WindowHandle w)
{
    const SimWindow* x = window(w);
    if (!x)
        return 0;
    return x->lastPopup && window(x->lastPopup) ? x->lastPopup : w;
}

void SimDesktop::showWindow(WindowHandle w, ShowCommand cmd)
{
    SimWindow* x = window(w);
    if (!x)
        return;
    switch (cmd) {
    case ShowCommand::Hide:
        setVisible(w, false);
        break;
    case ShowCommand::ShowMinimized:
    case ShowCommand::Minimize:
        x->visible = true;
        x->minimized = true;
        if (foreground_ == w)
            foregroundToNext();
        break;
    case ShowCommand::ShowNormal:
    case ShowCommand::Restore:
        x->visible = true;
        x->minimized = false;
        setForeground(w);
        break;
    case ShowCommand::ShowNoActivate:
        x->visible = true;
        x->minimized = false;
        break;
    case ShowCommand::Show:
        x->visible = true;
        setForeground(w);
        break;
    }
}

bool SimDesktop::isMinimized(WindowHandle w)
{
    const SimWindow* x = window(w);
    return x && x->minimized;
}

void SimDesktop::bringToTop(WindowHandle w)
{
    auto it = find(w);
    if (it == windows_.end())
        return;
    SimWindow moved = *it;
    windows_.erase(it);
    windows_.insert(windows_.begin(), moved);
}

void SimDesktop::setForeground(WindowHandle w)
{
    const SimWindow* x = window(w);
    if (!x || refusingFront_.count(x->program))
        return;
    bringToTop(w);
    foreground_ = w;
}

long SimDesktop::openClassesRootKey(const std::string& key)
{
    constexpr long FileNotFound = 2;
    return registry_.count(upper(key)) ? 0 : FileNotFound;
}

unsigned SimDesktop::windowsDirectory(char* buffer, unsigned size)
{
    if (windowsDir_.size() + 1 > size)
        return 0;
    std::memcpy(buffer, windowsDir_.c_str(), windowsDir_.size() + 1);
    return static_cast<unsigned>(windowsDir_.size());
}

int SimDesktop::messageBox(const std::string& text, const std::string& title, int style)
{
    MessageBoxRecord record{text, title, style, 0};
    if (onMessageBox)
        record.answer = onMessageBox(record);
    if (record.answer == 0) {
        if (answers_.empty())
            throw UnexpectedMessageBox("message box without a scripted answer: " + text);
        record.answer = answers_.front();
        answers_.pop_front();
    }
    boxes_.push_back(record);
    return record.answer;
}

int SimDesktop::winExec(const std::string& commandLine, ShowCommand show)
{
    constexpr int FileNotFound = 2;
    const Exec e{commandLine, show};
    execs_.push_back(e);
    return onExec ? onExec(e) : FileNotFound;
}

bool SimDesktop::ownedByProgramOf(const SimWindow& w, const std::vector<std::string>& windowClasses) const
{
    for (const SimWindow& x : windows_)
        for (const std::string& cls : windowClasses)
            if (equalsNoCase(x.className, cls) && x.program == w.program)
                return true;
    return false;
}

KeysOutcome SimDesktop::sendKeys(const std::vector<Keystroke>& keys, const std::vector<std::string>& windowClasses)
{
    const auto inFront = [&] {
        const SimWindow* w = window(foreground_);
        return w && ownedByProgramOf(*w, windowClasses) ? w : nullptr;
    };
    if (!inFront())
        for (const std::string& cls : windowClasses)
            if (const WindowHandle w = findWindow(cls, "")) {
                setForeground(lastActivePopup(w));
                break;
            }
    const SimWindow* target = inFront();
    if (!target)
        return KeysOutcome::NotInFront;
    sent_.push_back(SentKeys{target->className, keys});
    if (hung_.count(target->program))
        return KeysOutcome::NotHandled;
    if (onKeys)
        onKeys(sent_.back());
    return KeysOutcome::Handled;
}

void SimDesktop::winHelp(WindowHandle owner, const std::string& file, unsigned command, unsigned long data)
{
    helpCalls_.push_back(HelpCall{owner, file, command, data});
}

} // namespace lt::sim
