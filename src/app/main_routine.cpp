#include "app/main_routine.h"

#include "app/command_line.h"
#include "app/lay_intro.h"
#include "app/logo.h"
#include "app/probes.h"
#include "exercises/host_for_exercises.h"
#include "exercises/work_files.h"
#include "host/host_windows.h"
#include "menu/progress.h"
#include "menu/quit.h"
#include "menu/sel_menu.h"
#include "platform/win_path.h"

namespace lt {

namespace {

constexpr int UnableToOpen = 500, ForWriting = 501, WindowsDirInstead = 502, NoWritableDir = 504,
              NoProgress = 505, ContinueWithout = 506, IntroTitle = 22, VersionSelectTitle = 581,
              MenuTitle = 63, FirstLessonTitle = 32, StepsTitle = 47, LogoTitle = 584, NotOpen = 508,
              OpenLater = 509, OpenNow = 510, ExercisesDisabled = 71, ContinueQuestion = 72, NotFound = 96;

const char* const MessageBoxClass = "#32770";

// The first copy's windows, in the order the second copy looks for them.
WindowHandle findFirstCopy(Tutorial& t)
{
    std::vector<int> titles = {IntroTitle, LogoTitle, VersionSelectTitle, MenuTitle};
    for (int n = 0; n < LessonCount; ++n)
        titles.push_back(FirstLessonTitle + n);
    titles.push_back(StepsTitle);
    for (int title : titles)
        if (WindowHandle w = t.desktop.findTutorialWindow(t.text(title)))
            return w;
    return t.desktop.findWindow(MessageBoxClass, t.text(IntroTitle));
}

// Chooses Work_Dir; false when there is none and the learner goes on without.
bool chooseWorkDir(Tutorial& t)
{
    std::string& workDir = t.g.Work_Dir;
    workDir.clear();
    std::string programDir = t.appPath();
    if (Dir_Writable(t, programDir))
        workDir = programDir;

    if (auto option = workDirOption(t.desktop.commandLine())) {
        std::string dir = *option;
        if (!Dir_Writable(t, dir)) {
            t.message(t.text(UnableToOpen) + upperCase(dir) + t.text(ForWriting) + t.g.CRLF2 +
                          t.text(WindowsDirInstead),
                      mb::Ok | mb::IconInformation);
            workDir.clear();
        }
        if (Dir_Writable(t, dir))
            workDir = dir;
    }

    if (workDir.empty()) {
        std::string windowsDir = Windows_Dir(t);
        if (Dir_Writable(t, windowsDir))
            workDir = windowsDir;
    }
    if (!workDir.empty())
        return true;

    const std::string& p = t.g.CRLF2;
    if (t.message(t.text(NoWritableDir) + p + t.text(NoProgress) + p + t.text(ContinueWithout),
                  mb::YesNo | mb::IconExclamation) == mb::IdNo)
        t.end();
    return false;
}

// Makes sure Trazel can be used, asking to open it; then refreshes the work
// files, unless the learner goes on without Trazel.
void checkTrazel(Tutorial& t, bool editionFound)
{
    Desktop& d = t.desktop;
    const std::string& p = t.g.CRLF2;
    const bool design = d.findWindow(DesignWindowClass, "") != 0, frame = d.findWindow(SessionFrameClass, "") != 0;
    if (!(design && frame)) {
        if (!editionFound) {
            t.g.Launch_Code = 2;
            if (t.message(t.text(NotFound) + p + t.text(ExercisesDisabled) + p + t.text(ContinueQuestion),
                          mb::YesNo | mb::IconExclamation) == mb::IdYes)
                return;
            OfferSaveProgress(t);
            DeleteWorkFiles(t);
            t.end();
        }
        if (!design && !frame) {
            switch (t.message(t.text(NotOpen) + p + t.text(OpenLater) + p + t.text(OpenNow),
                              mb::YesNoCancel | mb::IconInformation)) {
            case mb::IdYes:
                StartHost(t);
                break;
            case mb::IdNo:
                DeleteWorkFiles(t);
                return;
            default:
                t.end();
            }
        }
    }
    DeleteWorkFiles(t);
    PrepareWorkFiles(t);
}

// The first window: the host's design window is raised first, so the
// tutorial stands in front of it.
void finishStartUp(Tutorial& t)
{
    const WindowHandle design = t.desktop.findWindow(DesignWindowClass, "");
    if (design && !t.desktop.isMinimized(design)) {
        t.desktop.bringToTop(t.desktop.lastActivePopup(design));
        t.desktop.setForeground(design);
    }
    t.desktop.setScreenPointer(Pointer::Hourglass);
    Lay_Intro(t).show();
    t.desktop.setScreenPointer(Pointer::Default);
}

} // namespace

void Main(Tutorial& t)
{
    if (t.desktop.anotherInstanceRunning()) {
        if (WindowHandle first = findFirstCopy(t)) {
            t.g.Found_Wnd = first;
            ActivateFoundWindow(t.host);
            t.end();
        }
    }

    if (upperCase(Display_Res(t)) == "8514")
        Large_Fonts_Warning(t);

    LogoWindow& splash = logo(t);
    splash.show();
    t.forms.unload(splash);

    const bool editionFound = Find_Edition(t);

    if (!chooseWorkDir(t)) {
        finishStartUp(t);
        return;
    }
    t.g.Work_Dir = upperCase(t.g.Work_Dir);
    LoadProgress(t);
    t.desktop.setScreenPointer(Pointer::Hourglass);
    t.g.Tutor_Dir = t.appPath();
    checkTrazel(t, editionFound);
    finishStartUp(t);
}

} // namespace lt
