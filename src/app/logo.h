// The picture window that start-up flashes before it looks for Trazel.
#pragma once

#include "app/tutorial.h"
#include "forms/form.h"

namespace lt {

class LogoWindow : public forms::Form {
public:
    static constexpr forms::FormKey Key{"logo"};
    LogoWindow(forms::FormsRuntime& runtime, Tutorial& t);
    forms::Control Picture1;
};

inline LogoWindow& logo(Tutorial& t) { return t.forms.get<LogoWindow>(t); }

} // namespace lt
