#include "app/logo.h"

namespace lt {

LogoWindow::LogoWindow(forms::FormsRuntime& runtime, Tutorial& t)
    : Form(runtime, Key), Picture1(*this, forms::ControlKind::Image, "Picture1")
{
    constexpr int Title = 584;
    designClientSize(5400, 2700);
    // It is on the screen only for a moment: taking the keyboard from the
    // window the learner was in, only for the intro to take it next, would
    // be an activation for nothing, a round trip through the window manager.
    designShownWithoutActivating();
    setCaption(t.text(Title));
    Picture1.move(0, 0, 5400, 2700);
    Picture1.setPicture("logo");
}

} // namespace lt
