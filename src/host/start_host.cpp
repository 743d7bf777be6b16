#include "host/host_windows.h"
#include "platform/win_path.h"

namespace lt {

namespace {

constexpr const char* SessionFrameProgram = "..\\TRZFRAME.EXE";
constexpr const char* HostErrorBoxTitle = "Quarn Trazel";
constexpr int FileNotFound = 2;

void raise(Desktop& d, WindowHandle w)
{
    d.bringToTop(d.lastActivePopup(w));
    d.setForeground(w);
}

void launchSessionFrame(HostLink& h)
{
    const std::string dir = h.desktop.programDirectory();
    h.files.setCurrentDirectory(dir.substr(0, 3));
    h.files.setCurrentDirectory(dir);
    h.g.Launch_Code = static_cast<std::int16_t>(h.desktop.winExec(SessionFrameProgram, ShowCommand::ShowNoActivate));
}

// A session frame without its design window opens one from its File menu.
void openDesignWindow(HostLink& h)
{
    Desktop& d = h.desktop;
    raise(d, d.findWindow(SessionFrameClass, ""));
    d.sleep(1000);
    // Keys Trazel does not take leave it without a design window, which the
    // steps window's first press finds and reports.
    SendKeys(h, "{ESC 6}%(fn)");
    d.sleep(2000);
    d.bringToTop(d.lastActivePopup(d.findWindow(DesignWindowClass, "")));
    SendKeys(h, "{ESC 6}");
}

} // namespace

HostStart FindOrStartHost(HostLink& h)
{
    Desktop& d = h.desktop;
    h.g.Host_Opened = true;
    d.setScreenPointer(Pointer::Default);

    if (WindowHandle design = d.findWindow(DesignWindowClass, "")) {
        raise(d, design);
        if (d.findWindow(SessionFrameClass, ""))
            return HostStart::Running;
    }
    if (WindowHandle frame = d.findWindow(SessionFrameClass, "")) {
        if (d.isMinimized(frame)) {
            d.showWindow(frame, ShowCommand::ShowNoActivate);
            d.setForeground(frame);
            d.bringToTop(frame);
        }
        raise(d, frame);
    } else {
        launchSessionFrame(h);
    }
    if (h.g.Launch_Code == FileNotFound)
        return HostStart::FrameNotFound;
    // After a start that failed otherwise there is no frame to type into.
    if (!d.findWindow(DesignWindowClass, "") && d.findWindow(SessionFrameClass, ""))
        openDesignWindow(h);

    const WindowHandle above = d.windowAbove(d.findWindow(SessionFrameClass, ""));
    if (above && equalsNoCase(d.windowTitle(above), HostErrorBoxTitle)) {
        h.g.Launch_Code = FileNotFound;
        return HostStart::DesignProgramNotFound;
    }
    return HostStart::Running;
}

} // namespace lt
