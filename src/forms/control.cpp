#include "forms/control.h"

#include "forms/form.h"

namespace lt::forms {

Control::Control(Form& form, ControlKind kind, std::string name, Control* container, int index)
    : form_(form), kind_(kind), name_(std::move(name)), container_(container), index_(index)
{
    if (kind_ == ControlKind::TextBox)
        backColor_ = White;
    form_.add(this);
}

std::string Control::displayName() const
{
    return index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")";
}

bool Control::isContainer() const
{
    return kind_ == ControlKind::Frame || kind_ == ControlKind::Panel || kind_ == ControlKind::PictureBox;
}

bool Control::shownOnScreen() const
{
    for (const Control* c = this; c; c = c->container_)
        if (!c->visible_)
            return false;
    return form_.visible();
}

void Control::setCaption(const std::string& text)
{
    if (caption_ == text)
        return;
    caption_ = text;
    changed(Prop::Caption);
}

void Control::setVisible(bool v)
{
    if (visible_ == v)
        return;
    visible_ = v;
    changed(Prop::Visible);
}

void Control::setEnabled(bool e)
{
    if (enabled_ == e)
        return;
    enabled_ = e;
    changed(Prop::Enabled);
}

void Control::move(int left, int top) { move(left, top, width_, height_); }

void Control::move(int left, int top, int width, int height)
{
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    left_ = left, top_ = top, width_ = width, height_ = height;
    changed(Prop::Geometry);
}

void Control::setBackColor(Color c)
{
    if (backColor_ == c)
        return;
    backColor_ = c;
    changed(Prop::Colors);
}

void Control::setForeColor(Color c)
{
    if (foreColor_ == c)
        return;
    foreColor_ = c;
    changed(Prop::Colors);
}

void Control::setFont(const Font& f)
{
    if (font_ == f)
        return;
    font_ = f;
    changed(Prop::Font);
}

void Control::setAlignment(Align a)
{
    alignment_ = a;
    changed(Prop::Style);
}

void Control::setBorder(bool b)
{
    border_ = b;
    changed(Prop::Style);
}

void Control::setFilled(bool f)
{
    filled_ = f;
    changed(Prop::Style);
}

void Control::setValue(int v)
{
    if (kind_ == ControlKind::OptionButton && v != 0) {
        for (Control* other : form_.controls())
            if (other != this && other->kind_ == ControlKind::OptionButton && other->container_ == container_ &&
                other->value_ != 0) {
                other->value_ = 0;
                other->changed(Prop::Value);
            }
        v = 1;
    }
    if (value_ == v)
        return;
    value_ = v;
    changed(Prop::Value);
}

void Control::valueFromUser(int v)
{
    // The window already shows it; keep the model and the option group in step.
    setValue(v);
}

void Control::geometryFromUser(int left, int top, int width, int height)
{
    left_ = left, top_ = top, width_ = width, height_ = height;
}

void Control::setPicture(PictureRef picture)
{
    if (picture_ == picture)
        return;
    picture_ = std::move(picture);
    changed(Prop::Picture);
}

std::string Control::accessibleName() const
{
    if (!accessibleName_.empty())
        return accessibleName_;
    if (picture_) {
        std::string words = picture_->description(width_, height_);
        if (!words.empty())
            return words;
    }
    return caption_;
}

void Control::setAccessibleName(const std::string& name)
{
    if (accessibleName_ == name)
        return;
    accessibleName_ = name;
    changed(Prop::AccessibleName);
}

void Control::zOrderFront() { changed(Prop::ZOrder); }

void Control::setFocus()
{
    if (FormPeer* p = form_.peer())
        p->focus(*this);
    else
        form_.focusChanged(this);
}

bool Control::hasFocus() const { return form_.focusedControl() == this; }

void Control::changed(Prop what) { form_.controlChanged(*this, what); }

} // namespace lt::forms
