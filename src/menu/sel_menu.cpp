#include "menu/sel_menu.h"

#include "app/probes.h"
#include "exercises/steps_window.h"
#include "exercises/work_files.h"
#include "lessons/lesson_window.h"
#include "menu/arrangement.h"
#include "menu/delete_markers.h"
#include "menu/quit.h"

namespace lt {

using forms::ControlKind;

namespace {

constexpr int DeleteMarkersCaption = 700, LessonCaption = 700, LessonDescription = 715, DeleteMarkersDescription = 731,
              InstructionLeft = 732, InstructionMore = 733, InstructionRight = 734, HostUnavailable = 735,
              NoWorkDir = 736, InstructionRightUnavailable = 737, LessonLabel = 742, ExercisesLabel = 743,
              DescriptionTitle = 744, QuitCaption = 12, QuitDescription = 20, LessonFinished = 752,
              ExercisesFinished = 753, LessonSample = 754, ExercisesSample = 755;

constexpr int LabelWidthLesson = 570, LabelWidthExercises = 705, LabelHeight = 195;
constexpr int MarkerWidth = 735, MarkerHeight = 330;

// Lessons without exercises: their "Exercises" label is drawn in the background colour.
bool hasNoExercises(int lesson)
{
    return lesson == 1 || lesson == 2 || lesson == 7 || lesson == 10 || lesson == 11;
}

std::string numbered(const char* prefix, int n, const char* suffix)
{
    return prefix + std::to_string(n) + suffix;
}

} // namespace

SelMenu::SelMenu(forms::FormsRuntime& runtime, Tutorial& t)
    : Form(runtime, Key),
      Menu_Bkgnd(*this, ControlKind::Panel, "Menu_Bkgnd"),
      Menu_btn(*this, ControlKind::CommandButton, 1, LessonCount,
               [](int n) { return numbered("Menu_btn", n, ""); }, &Menu_Bkgnd),
      L_Comp_Lsn(*this, ControlKind::Label, 1, LessonCount, [](int n) { return numbered("L", n, "_Comp_Lsn"); },
                 &Menu_Bkgnd),
      L_Comp_Exr(*this, ControlKind::Label, 1, LessonCount, [](int n) { return numbered("L", n, "_Comp_Exr"); },
                 &Menu_Bkgnd),
      Chk_Lsn(*this, ControlKind::Image, 1, LessonCount, [](int n) { return numbered("Chk_", n, "_Lsn"); },
              &Menu_Bkgnd),
      Chk_Exr(*this, ControlKind::Image, 1, LessonCount, [](int n) { return numbered("Chk_", n, "_Exr"); },
              &Menu_Bkgnd),
      Intro_Frame(*this, ControlKind::Panel, "Intro_Frame"),
      Instruct_Left(*this, ControlKind::Label, "Instruct_Left", &Intro_Frame),
      Instruct_Right(*this, ControlKind::Label, "Instruct_Right", &Intro_Frame),
      Lsn_Sample(*this, ControlKind::Label, "Lsn_Sample", &Intro_Frame),
      Sample_Marker_Left(*this, ControlKind::Image, "Sample_Marker_Left", &Intro_Frame),
      Exr_Sample(*this, ControlKind::Label, "Exr_Sample", &Intro_Frame),
      Sample_Marker_Right(*this, ControlKind::Image, "Sample_Marker_Right", &Intro_Frame),
      Descript_box(*this, ControlKind::Panel, "Descript_box"),
      Select_info(*this, ControlKind::Label, "Select_info", &Descript_box),
      Delete_Markers(*this, ControlKind::CommandButton, "Delete_Markers"),
      Quit_Sel(*this, ControlKind::CommandButton, "Quit_Sel"),
      t(t)
{
    designClientSize(9840, 5700);
    Menu_Bkgnd.move(120, 120, 9600, 3105);
    for (int n = 1; n <= LessonCount; ++n) {
        const Place p = fullPlace(n);
        Menu_btn[n].move(p.left, p.top, ButtonWidth, ButtonHeight);
        placeLabels(n, p.left, p.top, DefaultLabelBase);
        for (forms::Control* marker : {&Chk_Lsn[n], &Chk_Exr[n]}) {
            marker->setPicture("check");
            marker->setVisible(false);
        }
        Menu_btn[n].onClick = [this, n] { Menu_btn_Click(n); };
        Menu_btn[n].onGotFocus = [this, n] { describe(LessonDescription + n); };
        Menu_btn[n].onMouseMove = [this, n](const forms::MouseEvent&) { describe(LessonDescription + n); };
    }
    // Only the markers and labels of the first two rows' lessons 1 to 6 give
    // back the help hint; over the others the description stays.
    for (int n = 1; n <= 6; ++n)
        for (forms::Control* c : {&Chk_Lsn[n], &Chk_Exr[n], &L_Comp_Lsn[n], &L_Comp_Exr[n]})
            c->onMouseMove = [this](const forms::MouseEvent&) { pressF1(); };

    Intro_Frame.move(120, 3345, 9600, 1335);
    Instruct_Left.move(120, 120, 5520, 1095);
    Instruct_Right.move(5760, 120, 3720, 780);
    Instruct_Right.setBackColor(forms::White);
    Lsn_Sample.move(6000, 1005, LabelWidthLesson, LabelHeight);
    Sample_Marker_Left.move(6030, 870, MarkerWidth, MarkerHeight);
    Exr_Sample.move(6795, 1005, LabelWidthExercises, LabelHeight);
    Sample_Marker_Right.move(6930, 870, MarkerWidth, MarkerHeight);
    Sample_Marker_Left.setPicture("check");
    Sample_Marker_Right.setPicture("check");

    Descript_box.move(120, 4800, 7320, 780);
    Select_info.move(120, 300, 7080, 375);
    Delete_Markers.move(7560, 4800, 2160, 360);
    Quit_Sel.move(7560, 5220, 2160, 360);

    for (forms::Control* c : {&Menu_Bkgnd, &Descript_box, &Select_info, &Instruct_Left, &Instruct_Right, &Lsn_Sample,
                              &Exr_Sample})
        c->onMouseMove = [this](const forms::MouseEvent&) { pressF1(); };
    Delete_Markers.onClick = [this] { DeleteMarkers(this->t); };
    Delete_Markers.onGotFocus = [this] { describe(DeleteMarkersDescription); };
    Delete_Markers.onMouseMove = [this](const forms::MouseEvent&) { describe(DeleteMarkersDescription); };
    Quit_Sel.onClick = [this] { QuitTutorial(this->t); };
    Quit_Sel.onGotFocus = [this] { describe(QuitDescription); };
    Quit_Sel.onMouseMove = [this](const forms::MouseEvent&) { describe(QuitDescription); };
}

void SelMenu::placeLabels(int n, int left, int top, int base)
{
    const int x = left + base;
    L_Comp_Lsn[n].move(x + LessonLabelLeft, top + LabelTop, LabelWidthLesson, LabelHeight);
    L_Comp_Exr[n].move(x + ExercisesLabelLeft, top + LabelTop, LabelWidthExercises, LabelHeight);
    Chk_Lsn[n].move(x + LessonMarkerLeft, top + MarkerTop, MarkerWidth, MarkerHeight);
    Chk_Exr[n].move(x + ExercisesMarkerLeft, top + MarkerTop, MarkerWidth, MarkerHeight);
}

void SelMenu::arrange(std::int16_t edition)
{
    const Arrangement& a = arrangementFor(edition);
    std::vector<forms::Control*> order;
    std::array<bool, LessonCount + 1> placed{};
    for (std::size_t row = 0; row < a.grid.size(); ++row)
        for (std::size_t col = 0; col < a.grid[row].size(); ++col) {
            const int n = a.grid[row][col];
            if (n == 0)
                continue;
            placed[n] = true;
            const int base = a.moved && a.moved->lesson == n ? a.moved->base : DefaultLabelBase;
            Menu_btn[n].move(ColumnLeft[col], RowTop[row]);
            // Labels follow the button; so do the markers, but those of a
            // hidden lesson stay where the full arrangement has them.
            const int x = ColumnLeft[col] + base, top = RowTop[row];
            L_Comp_Lsn[n].move(x + LessonLabelLeft, top + LabelTop);
            L_Comp_Exr[n].move(x + ExercisesLabelLeft, top + LabelTop);
            Chk_Lsn[n].move(x + LessonMarkerLeft, top + MarkerTop);
            Chk_Exr[n].move(x + ExercisesMarkerLeft, top + MarkerTop);
            order.push_back(&Menu_btn[n]);
        }
    for (int n = 1; n <= LessonCount; ++n)
        if (!placed[n])
            for (forms::Control* c : {&Menu_btn[n], &L_Comp_Lsn[n], &L_Comp_Exr[n]})
                c->setVisible(false);
    order.push_back(&Delete_Markers);
    order.push_back(&Quit_Sel);
    setTabOrder(order);
}

void SelMenu::Form_Load()
{
    arrange(t.g.Edition);

    setCaption(t.text(Title));
    Descript_box.setCaption(t.text(DescriptionTitle));
    Delete_Markers.setCaption(t.text(DeleteMarkersCaption));
    Quit_Sel.setCaption(t.text(QuitCaption));
    for (int n = 1; n <= LessonCount; ++n) {
        Menu_btn[n].setCaption(t.text(LessonCaption + n));
        L_Comp_Lsn[n].setCaption(t.text(LessonLabel));
        L_Comp_Exr[n].setCaption(t.text(ExercisesLabel));
        if (hasNoExercises(n))
            L_Comp_Exr[n].setForeColor(forms::LightGrey);
        // A marker is a painted tick; these words are what a screen reader says of it.
        Chk_Lsn[n].setAccessibleName(t.text(LessonFinished, n));
        Chk_Exr[n].setAccessibleName(t.text(ExercisesFinished, n));
    }
    Lsn_Sample.setCaption(t.text(LessonLabel));
    Exr_Sample.setCaption(t.text(ExercisesLabel));
    Sample_Marker_Left.setAccessibleName(t.text(LessonSample));
    Sample_Marker_Right.setAccessibleName(t.text(ExercisesSample));
    Instruct_Left.setCaption(t.text(InstructionLeft) + t.g.CRLF2 + t.text(InstructionMore));
    Instruct_Right.setCaption(t.text(InstructionRight));

    for (forms::Control* panel : {&Menu_Bkgnd, &Descript_box, &Intro_Frame})
        panel->setBackColor(forms::LightGrey);

    Center_Window(t, *this);
}

void SelMenu::Form_Activate()
{
    t.forms.doEvents();
    // A lesson the learner opened while those events ran is under way: its
    // title, screen counters and place in front stay as they are. The visit
    // to the menu still ends, so the next exercises start from fresh files.
    const bool lessonTookOver = dynamic_cast<LessonWindow*>(t.forms.activeForm()) != nullptr;
    if (!lessonTookOver)
        setCaption(t.text(Title));
    UpdateDeleteMarkers();
    if (t.g.Host_Opened && t.g.Launch_Code >= 32)
        t.g.Launch_Code = 0;
    t.g.Host_Opened = false;
    t.forms.unload<StepsWindow>();
    if (!lessonTookOver) {
        t.g.Step_No = 0;
        t.g.Exer_Done = 0;
        t.g.Screen_No = 0;
        pressF1();
    }
    if (t.g.Work_Dir.empty() || launchFailed(t.g.Launch_Code))
        ShowExercisesUnavailable();
    PrepareWorkFiles(t);
    if (lessonTookOver)
        return;
    t.desktop.bringToTop(handle());
    Center_Window(t, *this);
}

void SelMenu::UpdateDeleteMarkers()
{
    Delete_Markers.setEnabled(false);
    for (int n = 1; n <= LessonCount; ++n)
        if (t.g.Lsn_Progress[n] != 0)
            Delete_Markers.setEnabled(true);
}

void SelMenu::ShowExercisesUnavailable()
{
    for (int n = 1; n <= LessonCount; ++n) {
        L_Comp_Exr[n].setForeColor(hasNoExercises(n) ? forms::LightGrey : forms::Grey);
        Chk_Exr[n].setVisible(false);
    }
    Exr_Sample.setForeColor(forms::Grey);
    Sample_Marker_Right.setVisible(false);
    const int reason = t.g.Work_Dir.empty() ? NoWorkDir : HostUnavailable;
    Instruct_Left.setCaption(t.text(InstructionLeft) + t.g.CRLF2 + t.text(reason));
    Instruct_Right.setCaption(t.text(InstructionRightUnavailable));
}

bool SelMenu::AnyMarkerVisible() const
{
    for (int n = 1; n <= LessonCount; ++n)
        if (Chk_Lsn[n].visible() || Chk_Exr[n].visible())
            return true;
    return false;
}

void SelMenu::Form_KeyDown(int& keyCode, int)
{
    if (keyCode == forms::key::F1)
        t.showHelp(handle(), help_topic::LessonMenu);
}

void SelMenu::Form_QueryUnload(int& cancel, int unloadMode) { CloseRequest(t, cancel, unloadMode); }

void SelMenu::Menu_btn_Click(int lesson)
{
    setMousePointer(Pointer::Hourglass);
    OpenLesson(t, lesson);
    setMousePointer(Pointer::Default);
}

} // namespace lt
