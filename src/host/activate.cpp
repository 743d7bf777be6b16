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

#include "exercises/steps_window.h"
#include "menu/sel_menu.h"

namespace lt {

bool DisplayHost(Tutorial& t)
{
    constexpr int DesignWindowGone = 75, DesignWindowAdvice = 76, FrameGone = 94, FrameAdvice = 95;
    Desktop& d = t.desktop;
    t.forms.doEvents();
    ActivateHost(t);
    const WindowHandle design = d.findWindow(DesignWindowClass, "");
    if (design && d.isMinimized(design)) {
        d.showWindow(design, ShowCommand::ShowNoActivate);
        d.setForeground(design);
        d.bringToTop(design);
        return true;
    }
    int gone = 0, advice = 0;
    if (!design)
        gone = DesignWindowGone, advice = DesignWindowAdvice;
    else if (!d.findWindow(SessionFrameClass, ""))
        gone = FrameGone, advice = FrameAdvice;
    if (gone == 0)
        return true;
    t.message(t.text(gone) + t.g.CRLF2 + t.text(advice), mb::Ok | mb::IconStop);
    ActivateHost(t);
    ShowLessonMenu(t);
    t.forms.unload<StepsWindow>();
    return false;
}

} // namespace lt
