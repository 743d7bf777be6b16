#include "lessons/lesson_window.h"

#include "app/probes.h"
#include "exercises/start_exercises.h"
#include "lessons/slide_script.h"
#include "menu/quit.h"
#include "menu/sel_menu.h"

namespace lt {

using forms::ControlKind;

namespace {

constexpr int ContinueCaption = 10, QuitCaption = 12, ControlsCaption = 13, BackCaption = 14, MenuCaption = 15,
              ExercisesCaption = 16, CancelCaption = 17, PaletteTitle = 18, ScreenWord = 19, OfWord = 21,
              PaletteComment = 24, BackComment = 25, ContinueComment = 26, MenuComment = 29, ExercisesComment = 30,
              CancelComment = 31, FirstTitle = 31, NoExercises = 85;

constexpr int SlideWidth = 10080, SlideHeight = 6480, BarHeight = 720;
constexpr forms::Color BoxColor = 0xC0FFFF, BorderColor = 0x800000, ShadowColor = 0x404040, HiliteColor = 0x0000FF;

} // namespace

DefinitionBox::DefinitionBox(forms::Form& form)
    : Def_Frame(form, ControlKind::Panel, "Def_Frame"),
      Def_Frame_Icon(form, ControlKind::Image, "Def_Frame_Icon", &Def_Frame),
      Def_Frame_Title(form, ControlKind::Label, "Def_Frame_Title", &Def_Frame),
      Def_Box_Frame(form, ControlKind::Shape, "Def_Box_Frame", &Def_Frame),
      Def_Box(form, ControlKind::Label, "Def_Box", &Def_Frame)
{
    Def_Frame.move(0, 0, 4800, 2760);
    Def_Frame.setVisible(false);
    Def_Frame_Icon.move(150, 150, 480, 480);
    Def_Frame_Icon.setPicture("definition");
    Def_Frame_Title.move(750, 240, 3900, 330);
    Def_Frame_Title.setFont({"MS Sans Serif", 9.75, true});
    Def_Box_Frame.move(120, 720, 4560, 1920);
    Def_Box_Frame.setForeColor(forms::Grey);
    Def_Box.move(240, 810, 4320, 1740);
    Def_Box.setBackColor(forms::LightGrey);
}

LessonWindow::LessonWindow(forms::FormsRuntime& runtime, int lesson, Tutorial& t)
    : Form(runtime, Key, lesson),
      DBox1_Shadow(*this, ControlKind::Shape, "DBox1_Shadow"),
      DBox1(*this, ControlKind::PictureBox, "DBox1"),
      DBox_Border(*this, ControlKind::Shape, "DBox_Border", &DBox1),
      DBox(*this, ControlKind::Label, "DBox", &DBox1),
      Hilite1(*this, ControlKind::Shape, "Hilite1"),
      More_Ctrls(*this, ControlKind::Panel, "More_Ctrls"),
      More_Ctrls_Label(*this, ControlKind::Label, "More_Ctrls_Label", &More_Ctrls),
      LessonMenu_Return(*this, ControlKind::CommandButton, "LessonMenu_Return"),
      Do_Exercises(*this, ControlKind::CommandButton, "Do_Exercises"),
      Quit_Sel(*this, ControlKind::CommandButton, "Quit_Sel"),
      Cancel_MoreCtrls(*this, ControlKind::CommandButton, "Cancel_MoreCtrls"),
      Control_Bar(*this, ControlKind::Panel, "Control_Bar"),
      Comment_Line(*this, ControlKind::Label, "Comment_Line", &Control_Bar),
      Scrn_Count(*this, ControlKind::Label, "Scrn_Count", 0, 2, &Control_Bar),
      Back_1(*this, ControlKind::CommandButton, "Back_1", &Control_Bar),
      Fwd_1(*this, ControlKind::CommandButton, "Fwd_1", &Control_Bar),
      Ctrls(*this, ControlKind::CommandButton, "Ctrls", &Control_Bar),
      t(t),
      lesson_(lesson),
      content_(lessonContent(lesson))
{
    designClientSize(SlideWidth, SlideHeight + BarHeight);
    setBackColor(forms::White);

    // Pictures lie at the back; everything else stands in front of them.
    for (const NamedPicture& p : content_.pictures.pictures) {
        auto image = std::make_unique<forms::Control>(*this, ControlKind::Image, p.name, nullptr, p.index);
        image->move(0, 0, SlideWidth, SlideHeight);
        image->setPicture(p.picture);
        image->setVisible(false);
        pictures.push_back(std::move(image));
    }
    if (lesson == 1)
        chart = std::make_unique<DesignFlowChart>(*this);
    if (lesson == 2 || lesson == 3 || lesson == 6 || lesson == 7)
        definition = std::make_unique<DefinitionBox>(*this);

    DBox1_Shadow.setFilled(true);
    DBox1_Shadow.setBackColor(ShadowColor);
    DBox1_Shadow.setVisible(false);
    DBox1.setBackColor(BoxColor);
    DBox1.setVisible(false);
    DBox_Border.setForeColor(BorderColor);
    DBox.setBackColor(BoxColor);
    DBox.setFont({"MS Sans Serif", 9.75, false});
    Hilite1.setForeColor(HiliteColor);
    Hilite1.setBorder(true);
    Hilite1.setVisible(false);

    More_Ctrls.move(7440, 3720, 2520, 2640);
    More_Ctrls.setVisible(false);
    More_Ctrls_Label.move(120, 120, 2280, 285);
    More_Ctrls_Label.setAlignment(forms::Align::Center);
    More_Ctrls_Label.setFont({"MS Sans Serif", 8.25, true});
    int top = 4230;
    for (forms::Control* b : {&LessonMenu_Return, &Do_Exercises, &Quit_Sel, &Cancel_MoreCtrls}) {
        b->move(7620, top, 2160, 420);
        b->setVisible(false);
        top += 510;
    }

    Control_Bar.move(0, SlideHeight, SlideWidth, BarHeight);
    Comment_Line.move(150, 120, 5400, 255);
    Scrn_Count[0].move(150, 390, 705, 240);
    Scrn_Count[1].move(870, 390, 330, 240);
    Scrn_Count[1].setAlignment(forms::Align::Center);
    Scrn_Count[2].move(1215, 390, 705, 240);
    for (int i = 0; i <= 2; ++i)
        Scrn_Count[i].setVisible(false);
    Back_1.move(5880, 150, 1290, 420);
    Fwd_1.move(7290, 150, 1290, 420);
    Ctrls.move(8700, 150, 1230, 420);
    std::vector<forms::Control*> tabOrder = {&Fwd_1, &Back_1, &Ctrls};
    if (chart)
        for (forms::Control* stage : chart->stagesInReadingOrder())
            tabOrder.push_back(stage);
    for (forms::Control* c : {&LessonMenu_Return, &Do_Exercises, &Quit_Sel, &Cancel_MoreCtrls})
        tabOrder.push_back(c);
    setTabOrder(tabOrder);

    Fwd_1.onClick = [this] { Fwd_1_Click(); };
    Back_1.onClick = [this] { Back_1_Click(); };
    Ctrls.onClick = [this] { Ctrls_Click(); };
    Cancel_MoreCtrls.onClick = [this] { Cancel_MoreCtrls_Click(); };
    LessonMenu_Return.onClick = [this] { LessonMenu_Return_Click(); };
    Do_Exercises.onClick = [this] { Do_Exercises_Click(); };
    Quit_Sel.onClick = [this] { QuitTutorial(this->t); };

    describeOnFocusAndMouse(Back_1, BackComment);
    describeOnFocusAndMouse(Fwd_1, ContinueComment);
    describeOnFocusAndMouse(Ctrls, PaletteComment);
    describeOnFocusAndMouse(LessonMenu_Return, MenuComment);
    describeOnFocusAndMouse(Do_Exercises, ExercisesComment);
    describeOnFocusAndMouse(Quit_Sel, txt::Quits);
    describeOnFocusAndMouse(Cancel_MoreCtrls, CancelComment);
    for (forms::Control* c : {&LessonMenu_Return, &Do_Exercises, &Quit_Sel})
        c->onLostFocus = [this] { comment(txt::PressF1); };
    for (forms::Control* c : {&Comment_Line, &Control_Bar, &More_Ctrls, &More_Ctrls_Label})
        c->onMouseMove = [this](const forms::MouseEvent&) { comment(txt::PressF1); };
    if (definition && lesson == 2)
        definition->Def_Box.onMouseMove = [this](const forms::MouseEvent&) { Comment_Line.setCaption(""); };
    if (chart)
        for (int i = 0; i <= 12; ++i)
            chart->Hotspot[i].onClick = [this, i] { Hotspot_Click(i); };
}

void LessonWindow::describeOnFocusAndMouse(forms::Control& c, int textId)
{
    c.onGotFocus = [this, textId] { comment(textId); };
    c.onMouseMove = [this, textId](const forms::MouseEvent&) { comment(textId); };
}

forms::Control* LessonWindow::pictureOf(int screen) const
{
    const auto& map = content_.pictures.screenPicture;
    if (screen < 1 || screen > static_cast<int>(map.size()))
        return nullptr;
    const int i = map[static_cast<std::size_t>(screen - 1)];
    return i < 0 ? nullptr : pictures[static_cast<std::size_t>(i)].get();
}

void LessonWindow::Form_Load()
{
    setCaption(t.text(FirstTitle + lesson_));
    Fwd_1.setCaption(t.text(ContinueCaption));
    Back_1.setCaption(t.text(BackCaption));
    Ctrls.setCaption(t.text(ControlsCaption));
    More_Ctrls_Label.setCaption(t.text(PaletteTitle));
    LessonMenu_Return.setCaption(t.text(MenuCaption));
    Do_Exercises.setCaption(t.text(ExercisesCaption));
    Quit_Sel.setCaption(t.text(QuitCaption));
    Cancel_MoreCtrls.setCaption(t.text(CancelCaption));
    Scrn_Count[0].setCaption(t.text(ScreenWord));
    Scrn_Count[2].setCaption(t.text(OfWord) + " " + std::to_string(content_.screens.size()));

    Control_Bar.setBackColor(forms::LightGrey);
    if (definition)
        definition->Def_Frame.setBackColor(forms::LightGrey);
    t.g.Step_No = 0;
    // The lesson menu's activation leaves the count at 0, but a lesson opened
    // while the menu is still coming up would go on from the last lesson's.
    t.g.Screen_No = 0;
    t.g.Cur_Lesson = static_cast<std::int16_t>(lesson_);
    if (t.g.Work_Dir.empty() || launchFailed(t.g.Launch_Code))
        Do_Exercises.setEnabled(false);
    Center_Window(t, *this);
    Fwd_1_Click();
}

void LessonWindow::Form_Activate()
{
    SelMenu& menu = Sel_menu(t);
    menu.hide();
    menu.setCaption(t.text(SelMenu::HiddenTitle));
}

void LessonWindow::Form_KeyDown(int& keyCode, int shift)
{
    const bool alt = (shift & forms::shift::Alt) != 0;
    if (keyCode == forms::key::Insert && alt)
        for (int i = 0; i <= 2; ++i)
            Scrn_Count[i].setVisible(true);
    if (keyCode == forms::key::Delete && alt)
        for (int i = 0; i <= 2; ++i)
            Scrn_Count[i].setVisible(false);
    if (keyCode == forms::key::F1)
        t.showHelp(handle(), help_topic::Lesson);
}

void LessonWindow::Form_QueryUnload(int& cancel, int unloadMode) { CloseRequest(t, cancel, unloadMode); }

void LessonWindow::Fwd_1_Click() { LessonScript(t, *this); }

void LessonWindow::Back_1_Click()
{
    t.g.Step_No = static_cast<std::int16_t>(t.g.Step_No - 2);
    t.g.Screen_No = static_cast<std::int16_t>(t.g.Screen_No - 2);
    Scrn_Count[1].setCaption(std::to_string(t.g.Screen_No));
    LessonScript(t, *this);
}

void LessonWindow::Ctrls_Click()
{
    Fwd_1.setEnabled(false);
    Back_1.setEnabled(false);
    Ctrls.setEnabled(false);
    More_Ctrls.setBackColor(forms::LightGrey);
    More_Ctrls.setVisible(true);
    More_Ctrls.zOrderFront();
    for (forms::Control* b : {&LessonMenu_Return, &Do_Exercises, &Quit_Sel, &Cancel_MoreCtrls}) {
        b->setVisible(true);
        b->zOrderFront();
    }
    Cancel_MoreCtrls.setFocus();
}

void LessonWindow::Cancel_MoreCtrls_Click()
{
    More_Ctrls.setVisible(false);
    for (forms::Control* b : {&LessonMenu_Return, &Do_Exercises, &Quit_Sel, &Cancel_MoreCtrls})
        b->setVisible(false);
    Fwd_1.setEnabled(true);
    Ctrls.setEnabled(true);
    int shown = 0;
    try {
        shown = std::stoi(Scrn_Count[1].caption());
    } catch (const std::exception&) {
        shown = 0;
    }
    Back_1.setEnabled(shown > 1);
    Fwd_1.setFocus();
}

void LessonWindow::LessonMenu_Return_Click()
{
    ReturnToLessonMenu(t);
    if (t.g.Leave_Answer == 1)
        t.forms.unload(*this);
}

void LessonWindow::Do_Exercises_Click()
{
    if (!content_.exercises) {
        t.message(t.text(NoExercises), mb::Ok | mb::IconInformation);
        return;
    }
    StartExercises(t);
    if (launchFailed(t.g.Launch_Code))
        return;
    if (t.g.Leave_Answer == 1)
        t.forms.unload(*this);
    t.desktop.setScreenPointer(Pointer::Default);
}

LessonWindow& LessonWindowOf(Tutorial& t, int lesson) { return t.forms.get<LessonWindow>(lesson, t); }

void OpenLesson(Tutorial& t, int lesson) { LessonWindowOf(t, lesson); }

} // namespace lt
