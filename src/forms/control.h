// A control of a form, with the properties and events the tutorial's windows
// are described in: captions, visibility, enabled state, geometry in twips
// (relative to the control's container), colours as COLORREF values, fonts.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "forms/picture.h"
#include "forms/ui_binding.h"

namespace lt::forms {

enum class ControlKind { CommandButton, Label, TextBox, CheckBox, OptionButton, Frame, Panel, PictureBox, Image, Shape };

// Colours as the tutorial writes them: &HBBGGRR.
using Color = std::uint32_t;
inline constexpr Color LightGrey = 0xC0C0C0, Grey = 0x808080, White = 0xFFFFFF, Black = 0x000000, Cyan = 0xFFFF00;

struct Font {
    std::string name = "MS Sans Serif";
    double size = 8.25;
    bool bold = false;
    bool operator==(const Font&) const = default;
};

enum class Align { Left, Center, Right };

struct MouseEvent {
    int button = 0; // 1 left, 2 right, 0 none
    int shift = 0;  // 1 Shift, 2 Ctrl, 4 Alt
    int x = 0, y = 0;
};

// Shift state bits of key and mouse events.
namespace shift {
inline constexpr int Shift = 1, Ctrl = 2, Alt = 4;
}

// Key codes of key events that the windows look for.
namespace key {
inline constexpr int Escape = 27, Space = 32, Insert = 45, Delete = 46, F1 = 112;
}

class Form;

class Control {
public:
    Control(Form& form, ControlKind kind, std::string name, Control* container = nullptr, int index = -1);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    Form& form() const { return form_; }
    ControlKind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    int index() const { return index_; }
    Control* container() const { return container_; }
    // The control's name as a form would print it: Fwd_1, Scrn_Count(1).
    std::string displayName() const;
    // Painted by its container rather than a window of its own: pictures,
    // shapes and transparent labels (click areas over a drawing).
    bool windowless() const
    {
        return kind_ == ControlKind::Image || kind_ == ControlKind::Shape || (kind_ == ControlKind::Label && transparent_);
    }
    // Labels only; set while designing, before the form's window exists.
    void setTransparent(bool t) { transparent_ = t; }
    bool isContainer() const;

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& text);

    bool visible() const { return visible_; }
    void setVisible(bool v);
    // Visible itself and inside visible containers on a visible form.
    bool shownOnScreen() const;

    bool enabled() const { return enabled_; }
    void setEnabled(bool e);

    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void move(int left, int top);
    void move(int left, int top, int width, int height);
    void setWidth(int w) { move(left_, top_, w, height_); }
    void setHeight(int h) { move(left_, top_, width_, h); }

    Color backColor() const { return backColor_; }
    Color foreColor() const { return foreColor_; }
    void setBackColor(Color c);
    void setForeColor(Color c);

    const Font& font() const { return font_; }
    void setFont(const Font& f);

    Align alignment() const { return alignment_; }
    void setAlignment(Align a);
    bool border() const { return border_; }
    void setBorder(bool b);
    // Shapes: filled with the back colour instead of outlined in the fore colour.
    bool filled() const { return filled_; }
    void setFilled(bool f);
    // Text boxes only.
    bool multiLine() const { return multiLine_; }
    void setMultiLine(bool m) { multiLine_ = m; }
    // Read-only for the learner; code still sets the text.
    bool locked() const { return locked_; }
    void setLocked(bool l) { locked_ = l; }

    // Check boxes: 0 clear, 1 checked. Option buttons: 0 or 1; setting 1
    // clears the other option buttons of the same container.
    int value() const { return value_; }
    void setValue(int v);

    // What a screen reader calls the control: the name given to it, else what
    // its picture shows, else its caption. A painted control without one is
    // decoration and is not presented.
    std::string accessibleName() const;
    void setAccessibleName(const std::string& name);

    // Images and picture boxes show a painted picture.
    const PictureRef& picture() const { return picture_; }
    void setPicture(PictureRef picture);
    // One of the built-in pictures, by name.
    void setPicture(const std::string& name) { setPicture(BuiltInPicture::named(name)); }

    // Brings the control in front of its siblings.
    void zOrderFront();
    void setFocus();
    bool hasFocus() const;

    std::function<void()> onClick, onDblClick, onGotFocus, onLostFocus;
    std::function<void(const MouseEvent&)> onMouseMove, onMouseDown, onMouseUp;
    std::function<void(int& keyCode, int shift)> onKeyDown, onKeyUp;
    // A hook on the control's window procedure: sees each message before the
    // control's window handles it.
    std::function<void(unsigned message)> messageHook;

    // Called by bindings when the learner changed the control.
    void valueFromUser(int v);
    void textFromUser(const std::string& text) { caption_ = text; }
    void geometryFromUser(int left, int top, int width, int height);

private:
    void changed(Prop what);

    Form& form_;
    ControlKind kind_;
    std::string name_;
    Control* container_;
    int index_;
    std::string caption_;
    bool visible_ = true;
    bool enabled_ = true;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    Color backColor_ = LightGrey, foreColor_ = Black;
    Font font_;
    Align alignment_ = Align::Left;
    bool border_ = false;
    bool filled_ = false;
    bool transparent_ = false;
    bool multiLine_ = false;
    bool locked_ = false;
    int value_ = 0;
    std::string accessibleName_;
    PictureRef picture_;
};

} // namespace lt::forms
