// The lesson window: one class for the fifteen lessons L1 ... L15. A slide
// show of screen pictures with a floating description box, a navigation bar,
// a comment strip and a palette of commands that leave the lesson.
#pragma once

#include <memory>
#include <vector>

#include "app/tutorial.h"
#include "forms/control_array.h"
#include "forms/form.h"
#include "lessons/lesson_content.h"

namespace lt {

// Lesson 1's design-flow chart: click a process to read what it does.
struct DesignFlowChart {
    explicit DesignFlowChart(forms::Form& form);
    forms::Control Design_Flow;
    forms::ControlArray Hotspot; // 0 ... 12
    forms::Control Chart_Pointer;
    forms::Control Desc;
    // The click areas as the chart reads, down each column from left to
    // right: the keyboard reaches them in this order.
    std::vector<forms::Control*> stagesInReadingOrder();
};

// The framed panel that explains a term on some screens of lessons 2, 3, 6 and 7.
struct DefinitionBox {
    explicit DefinitionBox(forms::Form& form);
    forms::Control Def_Frame;
    forms::Control Def_Frame_Icon;
    forms::Control Def_Frame_Title;
    forms::Control Def_Box_Frame;
    forms::Control Def_Box;
};

class LessonWindow : public forms::Form {
public:
    // L1 ... L15.
    static constexpr forms::NumberedFormKey Key{"L"};
    LessonWindow(forms::FormsRuntime& runtime, int lesson, Tutorial& t);

    int lesson() const { return lesson_; }
    const LessonContent& content() const { return content_; }

    // The screen pictures, in the order of the lesson's picture list.
    std::vector<std::unique_ptr<forms::Control>> pictures;
    forms::Control DBox1_Shadow;
    forms::Control DBox1;
    forms::Control DBox_Border;
    forms::Control DBox;
    forms::Control Hilite1; // lesson 1 only shows it
    std::unique_ptr<DesignFlowChart> chart;
    std::unique_ptr<DefinitionBox> definition;
    forms::Control More_Ctrls;
    forms::Control More_Ctrls_Label;
    forms::Control LessonMenu_Return, Do_Exercises, Quit_Sel, Cancel_MoreCtrls;
    forms::Control Control_Bar;
    forms::Control Comment_Line;
    forms::ControlArray Scrn_Count; // 0 "Screen", 1 the number, 2 "of N"
    forms::Control Back_1, Fwd_1, Ctrls;

    void Form_Load() override;
    void Form_Activate() override;
    void Form_KeyDown(int& keyCode, int shift) override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void Form_MouseMove(const forms::MouseEvent&) override { comment(txt::PressF1); }

    // The picture control that screen k shows; null for none.
    forms::Control* pictureOf(int screen) const;

private:
    void Fwd_1_Click();
    void Back_1_Click();
    void Ctrls_Click();
    void Cancel_MoreCtrls_Click();
    void LessonMenu_Return_Click();
    void Do_Exercises_Click();
    void Hotspot_Click(int index);
    void comment(int textId) { Comment_Line.setCaption(t.text(textId)); }
    void describeOnFocusAndMouse(forms::Control& c, int textId);

    Tutorial& t;
    int lesson_;
    const LessonContent& content_;
};

// The lesson window n, created and loaded on first use.
LessonWindow& LessonWindowOf(Tutorial& t, int lesson);

} // namespace lt

namespace lt {

// Loads the lesson window of lesson n (1..15); its load shows screen 1.
void OpenLesson(Tutorial& t, int lesson);

} // namespace lt
