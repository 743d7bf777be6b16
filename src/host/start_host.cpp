#include "exercises/work_files.h"
#include "host/host_windows.h"
#include "menu/quit.h"
#include "platform/win_path.h"

namespace lt {

namespace {

constexpr int ContinueWithout = 71, ContinueQuestion = 72, FrameNotFound = 73, DesignProgramNotFound = 96;
constexpr const char* SessionFrameProgram = "..\\TRZFRAME.EXE";
constexpr const char* HostErrorBoxTitle = "Quarn Trazel";
constexpr int FileNotFound = 2;

void raise(Desktop& d, WindowHandle w)
{
    d.bringToTop(d.lastActivePopup(w));
    d.setForeground(w);
}

// Tells the learner that Trazel can't be used; No ends the program.
void notFound(Tutorial& t, int what)
{
    const std::string& p = t.g.CRLF2;
    const std::string body = t.text(what) + p + t.text(ContinueWithout) + p + t.text(ContinueQuestion);
    if (t.message(body, mb::YesNo | mb::IconExclamation) == mb::IdYes)
        return;
    OfferSaveProgress(t);
    DeleteWorkFiles(t);
    t.end();
}

void launchSessionFrame(Tutorial& t)
{
    const std::string dir = t.appPath();
    t.files.setCurrentDirectory(dir.substr(0, 3));
    t.files.setCurrentDirectory(dir);
    t.g.Launch_Code = static_cast<std::int16_t>(t.desktop.winExec(SessionFrameProgram, ShowCommand::ShowNoActivate));
}

// A session frame without its design window opens one from its File menu.
void openDesignWindow(Tutorial& t)
{
    Desktop& d = t.desktop;
    raise(d, d.findWindow(SessionFrameClass, ""));
    d.sleep(1000);
    // Keys Trazel does not take leave it without a design window, which the
    // steps window's first press finds and reports.
    SendKeys(t, "{ESC 6}%(fn)");
    d.sleep(2000);
    d.bringToTop(d.lastActivePopup(d.findWindow(DesignWindowClass, "")));
    SendKeys(t, "{ESC 6}");
}

} // namespace

void StartHost(Tutorial& t)
{
    Desktop& d = t.desktop;
    t.g.Host_Opened = true;
    d.setScreenPointer(Pointer::Default);
    t.g.Screen_No = 0;

    if (WindowHandle design = d.findWindow(DesignWindowClass, "")) {
        raise(d, design);
        if (d.findWindow(SessionFrameClass, ""))
            return;
    }
    if (WindowHandle frame = d.findWindow(SessionFrameClass, "")) {
        if (d.isMinimized(frame)) {
            d.showWindow(frame, ShowCommand::ShowNoActivate);
            d.setForeground(frame);
            d.bringToTop(frame);
        }
        raise(d, frame);
    } else {
        launchSessionFrame(t);
    }
    if (t.g.Launch_Code == FileNotFound) {
        notFound(t, FrameNotFound);
        return;
    }
    // After a start that failed otherwise there is no frame to type into.
    if (!d.findWindow(DesignWindowClass, "") && d.findWindow(SessionFrameClass, ""))
        openDesignWindow(t);

    const WindowHandle above = d.windowAbove(d.findWindow(SessionFrameClass, ""));
    if (above && equalsNoCase(d.windowTitle(above), HostErrorBoxTitle)) {
        t.g.Launch_Code = FileNotFound;
        notFound(t, DesignProgramNotFound);
    }
}

} // namespace lt
