#include "app/ver_select.h"

#include "app/edition.h"
#include "app/probes.h"

namespace lt {

using forms::ControlKind;

namespace {
constexpr int Question = 576, Reminder = 577, KelmarName = 578, StandardName = 579, UltorName = 580,
              WindowTitle = 581, OkCaption = 582, CancelCaption = 583;
} // namespace

VerSelect::VerSelect(forms::FormsRuntime& runtime, Tutorial& t)
    : Form(runtime, Key),
      Query_Panel(*this, ControlKind::Panel, "Query_Panel"),
      SSFrame1(*this, ControlKind::Frame, "SSFrame1"),
      Option1(*this, ControlKind::OptionButton, "Option1", &SSFrame1),
      Option2(*this, ControlKind::OptionButton, "Option2", &SSFrame1),
      Option3(*this, ControlKind::OptionButton, "Option3", &SSFrame1),
      Ver_OK(*this, ControlKind::CommandButton, "Ver_OK"),
      Cancel_Btn(*this, ControlKind::CommandButton, "Cancel_Btn"),
      t(t)
{
    designClientSize(4800, 2520);
    setCaption(t.text(WindowTitle));
    Query_Panel.move(120, 120, 4560, 720);
    Query_Panel.setAlignment(forms::Align::Center);
    SSFrame1.move(120, 960, 3015, 1440);
    Option1.move(240, 300, 2640, 300);
    Option2.move(240, 660, 2640, 300);
    Option3.move(240, 1020, 2640, 300);
    Ver_OK.move(3360, 1080, 1320, 375);
    Ver_OK.setCaption(t.text(OkCaption));
    Cancel_Btn.move(3360, 1560, 1320, 375);
    Cancel_Btn.setCaption(t.text(CancelCaption));

    for (forms::Control* option : {&Option1, &Option2, &Option3}) {
        option->onKeyUp = [this](int&, int) { enableOk(); };
        option->onMouseUp = [this](const forms::MouseEvent&) { enableOk(); };
    }
    Ver_OK.onClick = [this] { Ver_OK_Click(); };
    Cancel_Btn.onClick = [this] { Cancel_Btn_Click(); };
}

void VerSelect::Form_Load()
{
    Query_Panel.setBackColor(forms::LightGrey);
    Query_Panel.setCaption(t.text(Question));
    Option1.setCaption(t.text(KelmarName));
    Option2.setCaption(t.text(StandardName));
    Option3.setCaption(t.text(UltorName));
    if (t.g.Reg_Std != 0)
        Option2.setEnabled(false);
    if (t.g.Reg_KmEd != 0)
        Option1.setEnabled(false);
    if (t.g.Reg_Ultor != 0)
        Option3.setEnabled(false);
}

void VerSelect::Form_Activate()
{
    Center_Window(t, *this);
    Option1.setValue(0);
    Option2.setValue(0);
    Option3.setValue(0);
}

void VerSelect::Ver_OK_Click()
{
    const std::pair<forms::Control*, std::int16_t> choices[] = {
        {&Option1, edition::Kelmar}, {&Option2, edition::Standard}, {&Option3, edition::Ultor}};
    for (const auto& [option, edition] : choices)
        if (option->value() != 0) {
            t.g.Edition = edition;
            t.forms.unload(*this);
            return;
        }
    t.message(t.text(Reminder), mb::Ok | mb::IconInformation);
    if (Option1.enabled()) {
        // Focus on an option button selects it; the window must stay without a choice.
        Option1.setFocus();
        Option1.setValue(0);
    }
}

void VerSelect::Cancel_Btn_Click()
{
    t.forms.unload(*this);
    t.end();
}

} // namespace lt
