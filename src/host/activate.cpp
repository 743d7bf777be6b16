#include "host/host_windows.h"

namespace lt {

void ActivateHost(Tutorial& t)
{
    Desktop& d = t.desktop;
    d.setForeground(d.findTutorialWindow(t.text(StepsWindowTitle)));
    const WindowHandle design = d.findWindow(DesignWindowClass, "");
    d.setForeground(design);
    t.forms.doEvents();
    d.setForeground(design);
    if (d.isMinimized(design)) {
        d.showWindow(design, ShowCommand::Show);
        d.setForeground(design);
        d.bringToTop(design);
    }
}

void ActivateFoundWindow(Tutorial& t)
{
    Desktop& d = t.desktop;
    d.showWindow(t.g.Found_Wnd, ShowCommand::ShowNormal);
    const WindowHandle popup = d.lastActivePopup(t.g.Found_Wnd);
    d.setForeground(popup);
    d.bringToTop(popup);
}

} // namespace lt
