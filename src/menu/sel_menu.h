// The lesson menu: one button per lesson in the edition's grid, the progress
// markers, a description line, instructions, Delete Markers and Quit.
#pragma once

#include "app/tutorial.h"
#include "forms/control_array.h"
#include "forms/form.h"

namespace lt {

class SelMenu : public forms::Form {
public:
    static constexpr forms::FormKey Key{"Sel_menu"};
    static constexpr int Title = 63, HiddenTitle = 739;

    SelMenu(forms::FormsRuntime& runtime, Tutorial& t);

    forms::Control Menu_Bkgnd;
    forms::ControlArray Menu_btn;   // Menu_btn1 ... Menu_btn15
    forms::ControlArray L_Comp_Lsn; // L1_Comp_Lsn ... "Lesson" labels
    forms::ControlArray L_Comp_Exr; // L1_Comp_Exr ... "Exercises" labels
    forms::ControlArray Chk_Lsn;    // Chk_1_Lsn ... lesson-finished markers
    forms::ControlArray Chk_Exr;    // Chk_1_Exr ... exercises-finished markers
    forms::Control Intro_Frame, Instruct_Left, Instruct_Right;
    forms::Control Lsn_Sample, Sample_Marker_Left, Exr_Sample, Sample_Marker_Right;
    forms::Control Descript_box, Select_info;
    forms::Control Delete_Markers, Quit_Sel;

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Paint() override { pressF1(); }
    void Form_MouseMove(const forms::MouseEvent&) override { pressF1(); }
    void Form_KeyDown(int& keyCode, int shift) override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;

    // Greys the exercise labels and hides the exercise markers; the menu keeps
    // this look for the rest of the run.
    void ShowExercisesUnavailable();
    // Enables Delete Markers when any lesson has a mark.
    void UpdateDeleteMarkers();
    bool AnyMarkerVisible() const;

private:
    void arrange(std::int16_t edition);
    void placeLabels(int lesson, int buttonLeft, int buttonTop, int base);
    void describe(int textId) { Select_info.setCaption(t.text(textId)); }
    void pressF1() { describe(txt::PressF1); }
    void Menu_btn_Click(int lesson);

    Tutorial& t;
};

inline SelMenu& Sel_menu(Tutorial& t) { return t.forms.get<SelMenu>(t); }

// Shows the lesson menu under its own title; while a lesson runs it is
// hidden under another.
inline void ShowLessonMenu(Tutorial& t)
{
    SelMenu& menu = Sel_menu(t);
    menu.setCaption(t.text(txt::MenuTitle));
    menu.show();
}

} // namespace lt
