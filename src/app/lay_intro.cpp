#include "app/lay_intro.h"

#include "app/probes.h"
#include "exercises/work_files.h"
#include "host/host_windows.h"
#include "menu/quit.h"
#include "menu/sel_menu.h"

namespace lt {

using forms::ControlKind;

namespace {

constexpr int QuitCaption = 12, MenuCaption = 15, CouldNotOpen = 591, Welcome = 601, Structure = 602,
              StepByStep = 603, NoTrazel = 604, NoWorkDir = 605, ChooseMenu = 607, MenuDescription = 608,
              FontsMissing = 609, SansSerif = 611, SmallFonts = 612, CheckFonts = 613;

} // namespace

LayIntro::LayIntro(forms::FormsRuntime& runtime, Tutorial& t)
    : Form(runtime, Key),
      Background(*this, ControlKind::Image, "Background"),
      Title_Frame(*this, ControlKind::Panel, "Title_Frame"),
      Product_Name(*this, ControlKind::Image, "Product_Name", &Title_Frame),
      Intro_Frame(*this, ControlKind::Panel, "Intro_Frame"),
      Intro_Dialogbox(*this, ControlKind::Panel, "Intro_Dialogbox", &Intro_Frame),
      Intro_Dialog(*this, ControlKind::Image, "Intro_Dialog", &Intro_Dialogbox),
      Intro_Dialog_Label(*this, ControlKind::Label, "Intro_Dialog_Label", &Intro_Dialogbox),
      HintHelp_Frame(*this, ControlKind::Panel, "HintHelp_Frame"),
      Cmd_Desc(*this, ControlKind::Panel, "Cmd_Desc", &HintHelp_Frame),
      Cmd_Desc_Label(*this, ControlKind::Label, "Cmd_Desc_Label", &Cmd_Desc),
      Continue(*this, ControlKind::CommandButton, "Continue"),
      Exit_Sel(*this, ControlKind::CommandButton, "Exit_Sel"),
      Label1(*this, ControlKind::Label, "Label1"),
      t(t)
{
    designClientSize(7440, 5760);
    Background.move(0, 0, 7440, 5760);
    Background.setPicture("intro");
    Title_Frame.move(240, 240, 6960, 960);
    Product_Name.move(60, 60, 6840, 840);
    Product_Name.setPicture("banner");
    Intro_Frame.move(240, 1320, 6960, 3240);
    Intro_Dialogbox.move(120, 120, 6720, 3000);
    Intro_Dialog.move(180, 180, 540, 540);
    Intro_Dialog.setPicture("definition");
    Intro_Dialog_Label.move(900, 180, WelcomeWidth, WelcomeHeight);
    HintHelp_Frame.move(240, 4680, 4560, 840);
    Cmd_Desc.move(60, 60, 4440, 720);
    Cmd_Desc_Label.move(150, 210, 4140, 300);
    Continue.move(5040, 4710, 2160, 375);
    Exit_Sel.move(5040, 5145, 2160, 375);
    Label1.move(0, 0, 0, 0);
    Label1.setVisible(false);

    Continue.onClick = [this] { Continue_Click(); };
    Continue.onGotFocus = [this] { describe(MenuDescription); };
    Continue.onMouseMove = [this](const forms::MouseEvent&) { describe(MenuDescription); };
    Exit_Sel.onClick = [this] { QuitTutorial(this->t); };
    Exit_Sel.onGotFocus = [this] { describe(txt::Quits); };
    Exit_Sel.onMouseMove = [this](const forms::MouseEvent&) { describe(txt::Quits); };
    for (forms::Control* c : {&Cmd_Desc, &Intro_Dialogbox, &Intro_Frame, &Title_Frame})
        c->onMouseMove = [this](const forms::MouseEvent&) { describe(txt::PressF1); };
}

void LayIntro::Form_Load()
{
    setCaption(t.text(txt::AppTitle));
    if (!t.desktop.findWindow(SessionFrameClass, "") && t.g.Host_Opened && t.g.Launch_Code != 2) {
        t.message(t.text(CouldNotOpen), mb::Ok | mb::IconExclamation);
        DeleteWorkFiles(t);
        OfferSaveProgress(t);
        t.end();
    }
    for (forms::Control* panel : {&Intro_Dialogbox, &Intro_Frame, &Title_Frame, &Cmd_Desc, &HintHelp_Frame})
        panel->setBackColor(forms::LightGrey);
    Intro_Dialog_Label.setBackColor(forms::LightGrey);
    Cmd_Desc_Label.setBackColor(forms::LightGrey);
    checkDisplayFonts();
    Continue.setCaption(t.text(MenuCaption));
    Exit_Sel.setCaption(t.text(QuitCaption));
    Intro_Dialog_Label.setCaption(welcome());
    Center_Window(t, *this);
}

// The tutorial's windows are designed in these two bitmap fonts; without
// them its texts would not fit.
void LayIntro::checkDisplayFonts()
{
    if (t.desktop.fontInstalled("Small Fonts") && t.desktop.fontInstalled("MS Sans Serif")) {
        Intro_Dialog_Label.setFont({"MS Sans Serif", 9.75, false});
        return;
    }
    const auto& g = t.g;
    t.message(t.text(FontsMissing) + g.CRLF2 + t.text(SansSerif) + g.CRLF + t.text(SmallFonts) + g.CRLF2 +
                  t.text(CheckFonts),
              mb::Ok | mb::IconStop);
    t.end();
}

std::string LayIntro::welcome() const
{
    const auto& g = t.g;
    if (g.Work_Dir.empty())
        return t.text(Welcome) + g.CRLF2 + t.text(Structure) + g.CRLF2 + t.text(NoWorkDir) + g.CRLF + t.text(ChooseMenu);
    if (launchFailed(g.Launch_Code))
        return t.text(Welcome) + g.CRLF2 + t.text(Structure) + g.CRLF + t.text(NoTrazel) + g.CRLF2 + t.text(ChooseMenu);
    return t.text(Welcome) + g.CRLF2 + t.text(Structure) + t.text(StepByStep) + g.CRLF2 + t.text(ChooseMenu);
}

void LayIntro::Form_Activate()
{
    Desktop& d = t.desktop;
    const WindowHandle design = d.findWindow(DesignWindowClass, "");
    if (!design || d.isMinimized(design))
        return;
    d.bringToTop(d.lastActivePopup(design));
    d.setForeground(design);
    SendKeys(t.host, "{ESC 6}");
    t.forms.doEvents();
    show();
}

void LayIntro::Form_KeyDown(int& keyCode, int)
{
    if (keyCode == forms::key::F1)
        t.showHelp(handle(), help_topic::Intro);
}

void LayIntro::Form_QueryUnload(int& cancel, int unloadMode) { CloseRequest(t, cancel, unloadMode); }

void LayIntro::Continue_Click()
{
    setMousePointer(Pointer::Hourglass);
    Sel_menu(t).show();
    t.forms.unload(*this);
}

} // namespace lt
