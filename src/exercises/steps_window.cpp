#include "exercises/steps_window.h"

#include <algorithm>

#include "exercises/exercise_script.h"
#include "exercises/host_for_exercises.h"
#include "exercises/message_names.h"
#include "exercises/work_files.h"
#include "host/host_windows.h"
#include "menu/quit.h"
#include "menu/sel_menu.h"

namespace lt {

using forms::ControlKind;

namespace {

constexpr int ExerciseCaption = 809, DisplayCaption = 810, HelpCaption = 811, MenuCaption = 812, QuitCaption = 813,
              OnTopCaption = 814, HelpDesc = 815, NextDesc = 816, MenuDesc = 817, DisplayDesc = 818,
              OnTopEnabled = 819, OnTopDisabled = 820, Important = 821, ImportantFirst = 822, ImportantLast = 825,
              NotCompleted = 826, QuitExercises = 827, NothingTyped = 828, KeysNotHandled = 829, RepeatTheStep = 830, QuitDesc = 20, Rule = 850, HostNotOpened = 591,
              LessonNames = 700, HelpWindowTitle = 86;

// Twips. The window is always as wide as designed; the text box fills the
// space between the two panels at any height.
constexpr int ClientWidth = 3900, ClientHeight = 6165, TopPanelHeight = 840, BotPanelHeight = 1380,
              MinimumHeight = 3000, ScreenMargin = 50;
constexpr double PageTypeSize = 9.75;

} // namespace

StepsWindow::StepsWindow(forms::FormsRuntime& runtime, Tutorial& t)
    : Form(runtime, Key),
      Top_Panel(*this, ControlKind::Panel, "Top_Panel"),
      On_Top_Check(*this, ControlKind::CheckBox, "On_Top_Check", &Top_Panel),
      Lesson_Name(*this, ControlKind::Label, "Lesson_Name", &Top_Panel),
      Textbox(*this, ControlKind::TextBox, "Textbox"),
      Bot_Panel(*this, ControlKind::Panel, "Bot_Panel"),
      Cmd_Desc(*this, ControlKind::Label, "Cmd_Desc", &Bot_Panel),
      Next_Step(*this, ControlKind::CommandButton, "Next_Step", &Bot_Panel),
      View_Trazel(*this, ControlKind::CommandButton, "View_Trazel", &Bot_Panel),
      Exer_Help(*this, ControlKind::CommandButton, "Exer_Help", &Bot_Panel),
      Return_Tut(*this, ControlKind::CommandButton, "Return_Tut", &Bot_Panel),
      Quit_Sel(*this, ControlKind::CommandButton, "Quit_Sel", &Bot_Panel),
      t(t)
{
    const forms::Font buttons{"MS Sans Serif", 8.25, true};
    const forms::Font heading{"MS Sans Serif", PageTypeSize, true};
    const forms::Font regular{"MS Sans Serif", PageTypeSize, false};
    designClientSize(ClientWidth, ClientHeight);
    designFont(buttons);
    designSizable();
    setBackColor(forms::White);

    Top_Panel.move(0, 0, ClientWidth, TopPanelHeight);
    On_Top_Check.move(135, 135, 2235, 240);
    On_Top_Check.setFont(heading);
    // Checked from the start: without it the steps would hide behind Trazel
    // at the first click in Trazel.
    On_Top_Check.setValue(1);
    Lesson_Name.move(135, 435, 3630, 300);
    Lesson_Name.setAlignment(forms::Align::Center);
    Lesson_Name.setBackColor(forms::Cyan);
    Lesson_Name.setFont(heading);

    Textbox.move(30, TopPanelHeight, 3855, 3945);
    Textbox.setMultiLine(true);
    Textbox.setLocked(true);
    Textbox.setFont(regular);

    Bot_Panel.move(0, ClientHeight - BotPanelHeight, ClientWidth, BotPanelHeight);
    Cmd_Desc.move(120, 120, 3660, 480);
    Cmd_Desc.setFont(regular);
    Next_Step.move(60, 645, 1035, 330);
    View_Trazel.move(1095, 645, 1695, 330);
    Exer_Help.move(2790, 645, 1035, 330);
    Return_Tut.move(60, 975, 2730, 330);
    Quit_Sel.move(2790, 975, 1035, 330);
    for (forms::Control* b : {&Next_Step, &View_Trazel, &Exer_Help, &Return_Tut, &Quit_Sel})
        b->setFont(buttons);
    setTabOrder({&Exer_Help, &Quit_Sel, &View_Trazel, &Next_Step, &Return_Tut, &On_Top_Check, &Lesson_Name, &Textbox});

    Next_Step.onClick = [this] { Next_Step_Click(); };
    View_Trazel.onClick = [this] { DisplayHost(this->t); };
    Exer_Help.onClick = [this] { Exer_Help_Click(); };
    Return_Tut.onClick = [this] { Return_Tut_Click(); };
    Quit_Sel.onClick = [this] { QuitTutorial(this->t); };
    On_Top_Check.onClick = [this] { On_Top_Check_Click(); };

    describeOnFocusAndMouse(Exer_Help, t.text(HelpDesc));
    describeOnFocusAndMouse(Next_Step, t.text(NextDesc));
    describeOnFocusAndMouse(Return_Tut, t.text(MenuDesc));
    describeOnFocusAndMouse(View_Trazel, t.text(DisplayDesc));
    describeOnFocusAndMouse(Quit_Sel, t.text(QuitDesc));
    describeOnFocusAndMouse(Textbox, "");
    describeOnFocusAndMouse(Cmd_Desc, "");
    // Pointing at the check box or tabbing to it only describes it; Trazel
    // comes forward when the option is switched on.
    On_Top_Check.onGotFocus = [this] { describeOnTop(); };
    On_Top_Check.onMouseMove = [this](const forms::MouseEvent&) { describeOnTop(); };

    // Clicks anywhere but on the buttons keep the right windows in front.
    for (forms::Control* c : {&Top_Panel, &Bot_Panel, &Lesson_Name, &Cmd_Desc}) {
        c->onClick = [this] { KeepOnTop(); };
        c->onDblClick = [this] { KeepOnTop(); };
    }
    Textbox.onMouseUp = [this](const forms::MouseEvent&) { KeepOnTop(); };
    for (forms::Control* c : {&Next_Step, &View_Trazel, &Exer_Help, &Return_Tut, &Quit_Sel, &On_Top_Check})
        c->onMouseUp = [this](const forms::MouseEvent& e) { buttonReleased(e); };

    On_Top_Check.onKeyDown = [this](int& keyCode, int) {
        if (keyCode == forms::key::Space)
            describeOnTopAndRaise();
    };
    Return_Tut.onKeyDown = [this](int& keyCode, int) {
        if (keyCode == forms::key::Space)
            setMousePointer(Pointer::Hourglass);
    };
}

void StepsWindow::describeOnFocusAndMouse(forms::Control& c, const std::string& text)
{
    c.onGotFocus = [this, text] { describe(text); };
    c.onMouseMove = [this, text](const forms::MouseEvent&) { describe(text); };
}

void StepsWindow::describeOnTop() { describe(t.text(onTop() ? OnTopEnabled : OnTopDisabled)); }

void StepsWindow::describeOnTopAndRaise()
{
    describeOnTop();
    if (onTop())
        ActivateHost(t.host);
}

void StepsWindow::Form_Load()
{
    removeCloseCommand();
    // Trazel's session frame went away between its start and this window.
    if (!t.desktop.findWindow(SessionFrameClass, "") && t.g.Launch_Code != 2 && t.g.Host_Opened) {
        t.message(t.text(HostNotOpened), mb::Ok | mb::IconExclamation);
        DeleteWorkFiles(t);
        OfferSaveProgress(t);
        t.end();
    }
    setCaption(t.text(txt::StepsWindowTitle));
    Next_Step.setCaption(t.text(ExerciseCaption));
    View_Trazel.setCaption(t.text(DisplayCaption));
    Exer_Help.setCaption(t.text(HelpCaption));
    Return_Tut.setCaption(t.text(MenuCaption));
    Quit_Sel.setCaption(t.text(QuitCaption));
    On_Top_Check.setCaption(t.text(OnTopCaption));
    for (forms::Control* c : {&Top_Panel, &Bot_Panel, &Cmd_Desc})
        c->setBackColor(forms::LightGrey);
    Lesson_Name.setCaption(t.text(LessonNames + t.g.Cur_Lesson));
    move(runtime().screenWidth() - width() - ScreenMargin, ScreenMargin);
    if (t.g.Saved_Height != 0)
        move(left(), top(), width(), t.g.Saved_Height);
    ShowImportantPage();
    // The window's hook sees a title-bar click after the window has handled
    // it (a drag has ended); the text box's hook sees it before.
    const auto onNonClientClick = [this](unsigned message) {
        if (isNonClientClick(message))
            NonClientClick();
    };
    messageHook = onNonClientClick;
    Textbox.messageHook = onNonClientClick;
}

void StepsWindow::Form_Unload()
{
    Textbox.messageHook = nullptr;
    messageHook = nullptr;
}

void StepsWindow::Form_KeyDown(int& keyCode, int shift)
{
    if (keyCode == forms::key::F1) {
        Exer_Help_Click();
        keyCode = 0;
    }
    // Alt+Esc would send the window behind Trazel; while it is to stay on
    // top it stays visible and on top.
    if (keyCode == forms::key::Escape && (shift & forms::shift::Alt) && onTop()) {
        t.desktop.setTopmost(handle(), true);
        keyCode = 0;
    }
}

void StepsWindow::Form_QueryUnload(int& cancel, int unloadMode) { CloseRequest(t, cancel, unloadMode); }

void StepsWindow::Form_Activate()
{
    const WindowHandle design = t.desktop.findWindow(DesignWindowClass, "");
    if (t.desktop.isMinimized(design))
        t.desktop.showWindow(design, ShowCommand::Show);
    else
        ActivateHost(t.host);
    // Only closes what Trazel has open; when Trazel can't be reached nothing
    // is typed, and the next step's keys say so.
    SendKeys(t.host, "{ESC 6}");
}

void StepsWindow::Form_Resize()
{
    t.g.Saved_Height = height();
    if (minimized())
        return;
    // The design's 4020 and 2630 are a frame of 120 and 410 twips; the
    // window system's own frame is what counts here.
    const int fixedWidth = ClientWidth + frameWidth();
    const int panels = TopPanelHeight + BotPanelHeight + frameHeight();
    const int h = std::max(height(), MinimumHeight);
    if (h != height() || width() != fixedWidth)
        move(left(), top(), fixedWidth, h);
    if (t.g.Saved_Left != 0 && left() != t.g.Saved_Left)
        move(t.g.Saved_Left, top());
    Textbox.setVisible(false);
    Textbox.move(Textbox.left(), TopPanelHeight, Textbox.width(), height() - panels);
    Textbox.setVisible(true);
    Bot_Panel.move(0, height() - frameHeight() - BotPanelHeight);
    if (onTop())
        t.desktop.setTopmost(handle(), true);
}

void StepsWindow::showPage(const std::string& text, bool bold)
{
    Textbox.setFont({"MS Sans Serif", PageTypeSize, bold});
    Textbox.setCaption(text);
}

void StepsWindow::ShowImportantPage()
{
    setBackColor(forms::Cyan);
    Textbox.setBackColor(forms::Cyan);
    PageText page(t.text, t.g.CRLF, t.g.CRLF2);
    page.banner(t.text(Rule), t.text(Important), t.text(Rule)).lines(ImportantFirst, ImportantLast);
    showPage(page.str(), true);
}

void StepsWindow::Next_Step_Click()
{
    setBackColor(forms::White);
    Textbox.setBackColor(forms::White);
    Textbox.setCaption("");
    if (!DisplayHost(t))
        return;
    RunExerciseScript(t, *this);
}

void StepsWindow::TellKeysNotTaken(KeysOutcome outcome)
{
    PageText page(t.text, t.g.CRLF, t.g.CRLF2);
    page.line(t.text(outcome == KeysOutcome::NotInFront ? NothingTyped : KeysNotHandled)).line(t.text(RepeatTheStep));
    showPage(page.str(), true);
    t.message(page.str().substr(t.g.CRLF.size()), mb::Ok | mb::IconExclamation);
}

void StepsWindow::Exer_Help_Click()
{
    t.showHelp(handle(), help_topic::Exercises);
}

void StepsWindow::On_Top_Check_Click()
{
    t.desktop.setTopmost(handle(), onTop());
    describeOnTopAndRaise();
}

void StepsWindow::Return_Tut_Click()
{
    if (t.g.Exer_Done == 0) {
        const std::string question = "----  \"" + Lesson_Name.caption() + "\"  ----" + t.g.CRLF2 +
                                     t.text(NotCompleted) + t.g.CRLF + t.text(QuitExercises);
        if (t.message(question, mb::YesNo | mb::IconQuestion) != mb::IdYes) {
            setMousePointer(Pointer::Default); // the space bar may have set the hourglass
            return;
        }
    }
    t.desktop.setScreenPointer(Pointer::Hourglass);
    const WindowHandle design = t.desktop.findWindow(DesignWindowClass, "");
    if (t.desktop.isMinimized(design))
        t.desktop.showWindow(design, ShowCommand::ShowNoActivate);
    ActivateHost(t.host);
    t.closeHelp(handle());
    DeleteWorkFiles(t);
    t.forms.unload(*this);
    t.forms.doEvents();
    ShowLessonMenu(t);
    t.desktop.setScreenPointer(Pointer::Default);
}

void StepsWindow::KeepOnTop()
{
    const WindowHandle help = t.desktop.findWindow("", t.text(HelpWindowTitle));
    if (!onTop())
        return;
    if (!help || t.desktop.isMinimized(help))
        ActivateHost(t.host);
    else
        t.desktop.setForeground(help);
}

void StepsWindow::NonClientClick()
{
    Cmd_Desc.setVisible(false);
    if (onTop())
        ActivateHost(t.host);
    if (minimized())
        return;
    t.g.Saved_Left = left();
    t.g.Saved_Height = height();
    Cmd_Desc.setVisible(true);
}

void StepsWindow::recordButton(const forms::MouseEvent& e) { t.g.Last_Right_Button = e.button == 2 ? 1 : 0; }

void StepsWindow::buttonReleased(const forms::MouseEvent& e)
{
    recordButton(e);
    if (onTop() && t.g.Last_Right_Button == 1)
        KeepOnTop();
}

void ShowExerciseSteps(Tutorial& t) { t.forms.get<StepsWindow>(t).show(); }

} // namespace lt
