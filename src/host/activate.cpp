#include "host/host_windows.h"

namespace lt {

void ActivateHost(HostLink& h)
{
    Desktop& d = h.desktop;
    d.setForeground(d.findTutorialWindow(h.stepsWindowTitle));
    const WindowHandle design = d.findWindow(DesignWindowClass, "");
    d.setForeground(design);
    h.forms.doEvents();
    d.setForeground(design);
    if (d.isMinimized(design)) {
        d.showWindow(design, ShowCommand::Show);
        d.setForeground(design);
        d.bringToTop(design);
    }
}

void ActivateFoundWindow(HostLink& h)
{
    Desktop& d = h.desktop;
    d.showWindow(h.g.Found_Wnd, ShowCommand::ShowNormal);
    const WindowHandle popup = d.lastActivePopup(h.g.Found_Wnd);
    d.setForeground(popup);
    d.bringToTop(popup);
}

HostWindows RaiseHost(HostLink& h)
{
    Desktop& d = h.desktop;
    h.forms.doEvents();
    ActivateHost(h);
    const WindowHandle design = d.findWindow(DesignWindowClass, "");
    if (design && d.isMinimized(design)) {
        d.showWindow(design, ShowCommand::ShowNoActivate);
        d.setForeground(design);
        d.bringToTop(design);
        return HostWindows::Both;
    }
    if (!design)
        return HostWindows::DesignWindowGone;
    if (!d.findWindow(SessionFrameClass, ""))
        return HostWindows::FrameGone;
    return HostWindows::Both;
}

} // namespace lt
