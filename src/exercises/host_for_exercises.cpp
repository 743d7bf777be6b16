#include "exercises/host_for_exercises.h"

#include "exercises/steps_window.h"
#include "exercises/work_files.h"
#include "host/host_windows.h"
#include "menu/quit.h"
#include "menu/sel_menu.h"

namespace lt {

namespace {

constexpr int ContinueWithout = 71, ContinueQuestion = 72, FrameNotFound = 73, DesignProgramNotFound = 96;
constexpr int DesignWindowGone = 75, DesignWindowAdvice = 76, FrameGone = 94, FrameAdvice = 95;

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

} // namespace

void StartHost(Tutorial& t)
{
    // Starting Trazel sets the lesson screen counter back.
    t.g.Screen_No = 0;
    switch (FindOrStartHost(t.host)) {
    case HostStart::FrameNotFound:
        notFound(t, FrameNotFound);
        break;
    case HostStart::DesignProgramNotFound:
        notFound(t, DesignProgramNotFound);
        break;
    case HostStart::Running:
        break;
    }
}

bool DisplayHost(Tutorial& t)
{
    int gone = 0, advice = 0;
    switch (RaiseHost(t.host)) {
    case HostWindows::Both:
        return true;
    case HostWindows::DesignWindowGone:
        gone = DesignWindowGone, advice = DesignWindowAdvice;
        break;
    case HostWindows::FrameGone:
        gone = FrameGone, advice = FrameAdvice;
        break;
    }
    t.message(t.text(gone) + t.g.CRLF2 + t.text(advice), mb::Ok | mb::IconStop);
    ActivateHost(t.host);
    ShowLessonMenu(t);
    t.forms.unload<StepsWindow>();
    return false;
}

} // namespace lt
