#include "exercises/open_design.h"

#include "exercises/library_keys.h"
#include "exercises/steps_window.h"
#include "host/host_windows.h"
#include "menu/sel_menu.h"

namespace lt {

namespace {

constexpr int DesignMissing = 802;

} // namespace

std::optional<KeysOutcome> OpenTutorialDesign(Tutorial& t)
{
    Desktop& d = t.desktop;
    const std::string path = joinPath(t.g.Work_Dir, t.g.Design_File);
    const auto found = t.files.attributes(path);
    if (!found || (*found & attr::Directory)) {
        if (StepsWindow* steps = t.forms.find<StepsWindow>())
            d.showWindow(steps->handle(), ShowCommand::ShowMinimized);
        t.message(path + t.g.CRLF2 + t.text(DesignMissing), mb::Ok | mb::IconExclamation);
        ShowLessonMenu(t);
        return std::nullopt;
    }
    d.setForeground(d.findTutorialWindow(t.text(txt::StepsWindowTitle)));
    if (const WindowHandle design = d.findWindow(DesignWindowClass, ""))
        d.setForeground(design);
    KeysOutcome library;
    if (t.g.Work_Dir.find('~') == std::string::npos) {
        ActivateHost(t.host);
        library = SendKeys(t.host, libraryOpenKeys(t.g.Work_Dir));
    } else {
        library = SendKeys(t.host, libraryOpenKeys(t.g.Work_Dir));
        t.forms.doEvents();
    }
    if (library != KeysOutcome::Handled)
        return library;
    return SendKeys(t.host, "%(f)o" + t.g.Design_File + "{Enter}");
}

} // namespace lt
