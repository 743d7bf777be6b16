#include "forms/form.h"

#include <algorithm>

#include "forms/forms_runtime.h"

namespace lt::forms {

Form::Form(FormsRuntime& runtime, std::string key) : runtime_(runtime), key_(std::move(key)) {}

Form::~Form() = default;

void Form::setCaption(const std::string& text)
{
    if (caption_ == text)
        return;
    caption_ = text;
    changed(Prop::Caption);
}

void Form::move(int left, int top) { move(left, top, width_, height_); }

void Form::move(int left, int top, int width, int height)
{
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    left_ = left, top_ = top, width_ = width, height_ = height;
    changed(Prop::Geometry);
}

void Form::setBackColor(Color c)
{
    backColor_ = c;
    changed(Prop::Colors);
}

void Form::show()
{
    const bool appears = !visible_;
    visible_ = true;
    if (peer_)
        peer_->show(activatesWhenShown_);
    // A form learns its size when it appears, as after any later change.
    if (appears)
        Form_Resize();
}

void Form::hide()
{
    if (!visible_)
        return;
    visible_ = false;
    changed(Prop::Visible);
}

int Form::frameWidth() const { return peer_ ? peer_->frameWidth() : 0; }

int Form::frameHeight() const { return peer_ ? peer_->frameHeight() : 0; }

void Form::removeCloseCommand()
{
    closeCommandRemoved_ = true;
    if (peer_)
        peer_->removeCloseCommand();
}

bool Form::minimized() const { return peer_ && peer_->minimized(); }

WindowHandle Form::handle() const { return peer_ ? peer_->handle() : 0; }

void Form::setTabOrder(std::vector<Control*> order)
{
    tabOrder_ = std::move(order);
    changed(Prop::TabOrder);
}

void Form::setMousePointer(Pointer p)
{
    pointer_ = p;
    changed(Prop::Pointer);
}

int Form::keyDown(Control* target, int keyCode, int shift)
{
    Form_KeyDown(keyCode, shift);
    if (keyCode != 0 && target && target->onKeyDown)
        target->onKeyDown(keyCode, shift);
    return keyCode;
}

void Form::keyUp(Control* target, int keyCode, int shift)
{
    if (target && target->onKeyUp)
        target->onKeyUp(keyCode, shift);
}

void Form::focusChanged(Control* gained)
{
    if (gained == focused_)
        return;
    Control* lost = focused_;
    focused_ = gained;
    if (lost && lost->onLostFocus)
        lost->onLostFocus();
    if (gained && gained->onGotFocus)
        gained->onGotFocus();
}

void Form::geometryFromUser(int left, int top, int width, int height)
{
    left_ = left, top_ = top, width_ = width, height_ = height;
}

Control* Form::windowlessAt(Control* container, int x, int y) const
{
    // Controls designed later lie in front of earlier ones.
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        Control* c = *it;
        if (c->windowless() && c->container() == container && c->visible() && x >= c->left() &&
            x < c->left() + c->width() && y >= c->top() && y < c->top() + c->height())
            return c;
    }
    return nullptr;
}

void Form::attachPeer(std::unique_ptr<FormPeer> peer)
{
    peer_ = std::move(peer);
    width_ = clientWidth_ + peer_->frameWidth();
    height_ = clientHeight_ + peer_->frameHeight();
    changed(Prop::Geometry);
}

void Form::detachPeer()
{
    focused_ = nullptr;
    visible_ = false;
    if (peer_)
        peer_->destroy();
}

void Form::designClientSize(int width, int height)
{
    clientWidth_ = width;
    clientHeight_ = height;
}

void Form::controlChanged(Control& c, Prop what)
{
    if (peer_)
        peer_->controlChanged(c, what);
}

void Form::changed(Prop what)
{
    if (peer_)
        peer_->formChanged(what);
}

} // namespace lt::forms
