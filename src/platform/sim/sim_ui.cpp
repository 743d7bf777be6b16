#include "platform/sim/sim_ui.h"

#include <stdexcept>
#include <utility>

namespace lt::sim {

using forms::Control;
using forms::ControlKind;
using forms::Form;
using forms::Prop;

class SimFormPeer : public forms::FormPeer {
public:
    SimFormPeer(SimUi& ui, Form& form) : ui_(ui), form_(form)
    {
        handle_ = ui_.desktop_.openWindow(TutorialClass, form.caption(), false, SimDesktop::TutorialProgram);
    }

    WindowHandle handle() const override { return handle_; }

    void formChanged(Prop what) override
    {
        if (!alive())
            return;
        if (what == Prop::Caption)
            ui_.desktop_.setTitle(handle_, form_.caption());
        if (what == Prop::Visible)
            ui_.desktop_.setVisible(handle_, form_.visible());
    }

    void controlChanged(Control&, Prop) override { ++ui_.controlUpdates_; }

    void focus(Control& c) override { form_.focusChanged(&c); }

    void show(bool activate) override
    {
        if (!alive())
            return;
        ui_.desktop_.setVisible(handle_, true);
        if (activate)
            ui_.desktop_.setForeground(handle_);
    }

    int frameWidth() const override { return SimUi::FrameWidth; }
    int frameHeight() const override { return SimUi::FrameHeight; }
    bool minimized() const override { return alive() && ui_.desktop_.isMinimized(handle_); }
    // The form keeps the state; close() refuses a close box that is gone.
    void removeCloseCommand() override {}

    void destroy() override
    {
        if (alive())
            ui_.desktop_.closeWindow(handle_);
        handle_ = 0;
    }

private:
    bool alive() const { return handle_ != 0 && ui_.desktop_.windowExists(handle_); }

    SimUi& ui_;
    Form& form_;
    WindowHandle handle_ = 0;
};

SimUi::SimUi(SimDesktop& desktop) : desktop_(desktop) {}

std::unique_ptr<forms::FormPeer> SimUi::createPeer(Form& form) { return std::make_unique<SimFormPeer>(*this, form); }

Form* SimUi::formOf(WindowHandle w) const
{
    if (!runtime_ || w == 0)
        return nullptr;
    for (Form* f : runtime_->loadedForms())
        if (f->handle() == w)
            return f;
    return nullptr;
}

void SimUi::doEvents()
{
    if (auto input = std::exchange(duringEvents, nullptr))
        input();
    pump();
}

void SimUi::pump()
{
    // An Activate handler may bring another window to the front; follow it,
    // but never forever.
    for (int round = 0; round < 16; ++round) {
        Form* f = formOf(desktop_.foreground());
        if (!f || runtime_->activeForm() == f)
            break;
        runtime_->activated(*f);
    }
}

void SimUi::runModal(Form& form)
{
    // The form may be unloaded by its script; it is freed only after the outermost action.
    form.show();
    pump();
    if (!onModal)
        throw std::logic_error("the form " + form.key() + " was shown modally, but the test has no script for it");
    onModal(form);
    pump();
    if (runtime_->isLoaded(form) && form.visible())
        throw std::logic_error("the modal form " + form.key() + " is still open after its script");
}

void SimUi::act(const std::function<void()>& action)
{
    // Actions inside actions (a modal form's script) pass the end outwards.
    ++depth_;
    try {
        action();
        if (depth_ == 1) {
            pump();
            // Forms unloaded by their own events are freed once no event runs.
            runtime_->collect();
        }
    } catch (const ProgramEnded&) {
        if (--depth_ > 0)
            throw;
        ended_ = true;
        return;
    }
    --depth_;
}

void SimUi::requireUsable(const Control& c) const
{
    for (const Control* x = &c; x; x = x->container())
        if (!x->enabled())
            throw std::logic_error(c.displayName() + " cannot be used: it or its frame is disabled");
    if (!c.shownOnScreen())
        throw std::logic_error(c.displayName() + " cannot be used: it is not on the screen");
}

void SimUi::click(Control& c)
{
    requireUsable(c);
    act([&] {
        const forms::MouseEvent left{1, 0, 0, 0};
        const bool takesFocus = c.kind() == ControlKind::CommandButton || c.kind() == ControlKind::CheckBox ||
                                c.kind() == ControlKind::OptionButton || c.kind() == ControlKind::TextBox;
        if (takesFocus)
            c.form().focusChanged(&c);
        if (c.onMouseDown)
            c.onMouseDown(left);
        if (c.kind() == ControlKind::CheckBox)
            c.valueFromUser(c.value() ? 0 : 1);
        if (c.kind() == ControlKind::OptionButton)
            c.valueFromUser(1);
        if (c.onMouseUp)
            c.onMouseUp(left);
        if (c.onClick)
            c.onClick();
    });
}

void SimUi::mouseMove(Control& c)
{
    if (!c.shownOnScreen())
        throw std::logic_error(c.displayName() + " is not on the screen");
    act([&] {
        if (c.onMouseMove)
            c.onMouseMove(forms::MouseEvent{});
    });
}

void SimUi::mouseMove(Form& f)
{
    act([&] { f.Form_MouseMove(forms::MouseEvent{}); });
}

void SimUi::focus(Control& c)
{
    requireUsable(c);
    act([&] { c.form().focusChanged(&c); });
}

void SimUi::keyDown(Form& f, int keyCode, int shift)
{
    act([&] { f.keyDown(f.focusedControl(), keyCode, shift); });
}

void SimUi::rightClick(Control& c)
{
    requireUsable(c);
    act([&] {
        const forms::MouseEvent right{2, 0, 0, 0};
        if (c.onMouseDown)
            c.onMouseDown(right);
        if (c.onMouseUp)
            c.onMouseUp(right);
    });
}

void SimUi::click(Form& f, int button)
{
    act([&] {
        const forms::MouseEvent e{button, 0, 0, 0};
        f.Form_MouseDown(e);
        f.Form_MouseUp(e);
        if (button == 1)
            f.Form_Click();
    });
}

void SimUi::doubleClick(Control& c)
{
    requireUsable(c);
    act([&] {
        if (c.onClick)
            c.onClick();
        if (c.onDblClick)
            c.onDblClick();
    });
}

void SimUi::close(Form& f, int mode)
{
    if (mode == forms::unload_mode::ControlMenu && f.closeCommandRemoved())
        throw std::logic_error("the form " + f.key() + " has no Close command to choose");
    act([&] { runtime_->closeRequested(f, mode); });
}

void SimUi::dragFrame(Form& f, int left, int top, int width, int height)
{
    constexpr unsigned NcLeftButtonDown = 0xA1;
    act([&] {
        const bool resized = width != f.width() || height != f.height();
        f.geometryFromUser(left, top, width, height);
        if (resized)
            f.Form_Resize();
        if (f.messageHook)
            f.messageHook(NcLeftButtonDown);
    });
}

} // namespace lt::sim
