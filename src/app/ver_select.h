// The Version Select window: asks which installed edition of Trazel the
// tutorial is to run with.
#pragma once

#include "app/tutorial.h"
#include "forms/form.h"

namespace lt {

class VerSelect : public forms::Form {
public:
    static constexpr forms::FormKey Key{"Ver_Select"};
    VerSelect(forms::FormsRuntime& runtime, Tutorial& t);

    forms::Control Query_Panel;
    forms::Control SSFrame1;
    forms::Control Option1, Option2, Option3;
    forms::Control Ver_OK, Cancel_Btn;

    void Form_Load() override;
    void Form_Activate() override;

private:
    void Ver_OK_Click();
    void Cancel_Btn_Click();
    void enableOk() { Ver_OK.setEnabled(true); }

    Tutorial& t;
};

inline VerSelect& Ver_Select(Tutorial& t) { return t.forms.get<VerSelect>(t); }

} // namespace lt
