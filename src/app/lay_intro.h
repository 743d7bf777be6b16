// The intro window: welcomes the learner, says whether the exercises can be
// done, and leads to the lesson menu.
#pragma once

#include "app/tutorial.h"
#include "forms/form.h"

namespace lt {

class LayIntro : public forms::Form {
public:
    static constexpr forms::FormKey Key{"Lay_Intro"};
    // The welcome text's label, in twips; its font is 9.75-point MS Sans Serif.
    static constexpr int WelcomeWidth = 5640, WelcomeHeight = 2700;

    LayIntro(forms::FormsRuntime& runtime, Tutorial& t);

    forms::Control Background;
    forms::Control Title_Frame, Product_Name;
    forms::Control Intro_Frame, Intro_Dialogbox, Intro_Dialog, Intro_Dialog_Label;
    forms::Control HintHelp_Frame, Cmd_Desc, Cmd_Desc_Label;
    forms::Control Continue, Exit_Sel;
    forms::Control Label1;

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Paint() override { describe(txt::PressF1); }
    void Form_MouseMove(const forms::MouseEvent&) override { describe(txt::PressF1); }
    void Form_KeyDown(int& keyCode, int shift) override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;

private:
    void describe(int textId) { Cmd_Desc_Label.setCaption(t.text(textId)); }
    void checkDisplayFonts();
    std::string welcome() const;
    void Continue_Click();

    Tutorial& t;
};

inline LayIntro& Lay_Intro(Tutorial& t) { return t.forms.get<LayIntro>(t); }

} // namespace lt
