#include "exercises/open_design.h"

#include "exercises/library_keys.h"
#include "host/host_windows.h"
#include "menu/sel_menu.h"

namespace lt {

namespace {

constexpr int DesignMissing = 802;

} // namespace

bool OpenTutorialDesign(Tutorial& t)
{
    Desktop& d = t.desktop;
    const std::string path = joinPath(t.g.Work_Dir, t.g.Design_File);
    const auto found = t.files.attributes(path);
    if (!found || (*found & attr::Directory)) {
        if (forms::Form* steps = t.forms.find("Steps"))
            d.showWindow(steps->handle(), ShowCommand::ShowMinimized);
        t.message(path + t.g.CRLF2 + t.text(DesignMissing), mb::Ok | mb::IconExclamation);
        ShowLessonMenu(t);
        return false;
    }
    d.setForeground(d.findTutorialWindow(t.text(StepsWindowTitle)));
    if (const WindowHandle design = d.findWindow(DesignWindowClass, ""))
        d.setForeground(design);
    if (t.g.Work_Dir.find('~') == std::string::npos) {
        ActivateHost(t);
        SendKeys(t, libraryOpenKeys(t.g.Work_Dir));
    } else {
        SendKeys(t, libraryOpenKeys(t.g.Work_Dir));
        t.forms.doEvents();
    }
    SendKeys(t, "%(f)o" + t.g.Design_File + "{Enter}");
    return true;
}

} // namespace lt
