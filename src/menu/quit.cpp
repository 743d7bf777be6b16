#include "menu/quit.h"

#include "exercises/steps_window.h"
#include "exercises/work_files.h"
#include "forms/form.h"
#include "host/host_windows.h"
#include "lessons/lesson_window.h"
#include "menu/progress.h"
#include "menu/sel_menu.h"

namespace lt {

namespace {

constexpr int QuitQuestion = 64, ProgressHasChanged = 67, SaveQuestion = 68;

std::string saveQuestion(const Tutorial& t) { return t.text(ProgressHasChanged) + t.g.CRLF2 + t.text(SaveQuestion); }

void closeHelp(Tutorial& t)
{
    forms::Form* active = t.forms.activeForm();
    const WindowHandle owner = active ? t.desktop.findTutorialWindow(active->caption()) : 0;
    t.closeHelp(owner);
}

} // namespace

void OfferSaveProgress(Tutorial& t)
{
    if (!ProgressChanged(t))
        return;
    if (t.message(saveQuestion(t), mb::YesNo | mb::IconQuestion) == mb::IdYes)
        SaveProgress(t);
}

void QuitTutorial(Tutorial& t)
{
    if (t.message(t.text(QuitQuestion), mb::YesNo | mb::IconQuestion) != mb::IdYes) {
        t.desktop.setScreenPointer(Pointer::Default);
        return;
    }
    OfferSaveProgress(t);
    t.desktop.setScreenPointer(Pointer::Hourglass);
    closeHelp(t);
    // The host comes to the front so it is there when the tutorial goes.
    if (t.desktop.findWindow(DesignWindowClass, ""))
        ActivateHost(t.host);
    DeleteWorkFiles(t);
    t.forms.unload<LessonWindow>(t.g.Cur_Lesson);
    t.forms.unload<SelMenu>();
    t.forms.unload<StepsWindow>();
    t.desktop.setScreenPointer(Pointer::Default);
    t.end();
}

void CloseRequest(Tutorial& t, int& cancel, int unloadMode)
{
    switch (unloadMode) {
    case forms::unload_mode::ControlMenu:
        QuitTutorial(t);
        cancel = -1;
        return;
    case forms::unload_mode::WindowsSession:
    case forms::unload_mode::TaskManager:
        if (ProgressChanged(t)) {
            switch (t.message(saveQuestion(t), mb::YesNoCancel | mb::IconQuestion)) {
            case mb::IdYes:
                SaveProgress(t);
                DeleteWorkFiles(t);
                t.forms.unload<SelMenu>();
                t.forms.unload<StepsWindow>();
                t.end();
            case mb::IdNo:
                DeleteWorkFiles(t);
                t.end();
            default:
                cancel = -1;
            }
        }
        DeleteWorkFiles(t);
        return;
    default:
        return;
    }
}

} // namespace lt
