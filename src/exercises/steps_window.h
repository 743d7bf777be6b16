// The exercise steps window "Trazel Exercises": a small window at the top
// right of the screen that shows one page of instructions at a time while
// the learner works in Trazel, and keeps itself and Trazel in front.
#pragma once

#include <string>

#include "app/tutorial.h"
#include "forms/form.h"

namespace lt {

class StepsWindow : public forms::Form {
public:
    static constexpr forms::FormKey Key{"Steps"};

    StepsWindow(forms::FormsRuntime& runtime, Tutorial& t);

    forms::Control Top_Panel, On_Top_Check, Lesson_Name;
    forms::Control Textbox;
    forms::Control Bot_Panel, Cmd_Desc, Next_Step, View_Trazel, Exer_Help, Return_Tut, Quit_Sel;

    void Form_Load() override;
    void Form_Unload() override;
    void Form_Activate() override;
    void Form_Resize() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void Form_Click() override { KeepOnTop(); }
    void Form_DblClick() override { KeepOnTop(); }
    void Form_MouseDown(const forms::MouseEvent& e) override { recordButton(e); }
    void Form_MouseUp(const forms::MouseEvent& e) override { buttonReleased(e); }
    void Form_MouseMove(const forms::MouseEvent&) override { describe(""); }
    void Form_KeyDown(int& keyCode, int shift) override;

    // Replaces the page as a whole; the pages all use the same size of type.
    void showPage(const std::string& text, bool bold);
    void ShowImportantPage();
    // After a click in the window: keeps open help, or else Trazel, in front
    // while the on-top option is checked.
    void KeepOnTop();
    // After a click on the title bar or frame: remembers where the learner
    // put the window.
    void NonClientClick();

    bool onTop() const { return On_Top_Check.value() == 1; }
    // Keys a step typed for Trazel did not reach it or were not handled: the
    // learner is told what happened and how to repeat the step.
    void TellKeysNotTaken(KeysOutcome outcome);

private:
    void Next_Step_Click();
    void Return_Tut_Click();
    void Exer_Help_Click();
    void On_Top_Check_Click();
    void describe(const std::string& text) { Cmd_Desc.setCaption(text); }
    void describeOnFocusAndMouse(forms::Control& c, const std::string& text);
    void describeOnTop();
    void describeOnTopAndRaise();
    void recordButton(const forms::MouseEvent& e);
    void buttonReleased(const forms::MouseEvent& e);

    Tutorial& t;
};

// Opens the exercises of Cur_Lesson at their first page, the IMPORTANT page.
void ShowExerciseSteps(Tutorial& t);

} // namespace lt
