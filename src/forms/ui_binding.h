// The seam between the form model and a window system. The simulated binding
// keeps everything in memory; the Win32 binding creates real windows.
#pragma once

#include <memory>

#include "platform/desktop.h"

namespace lt::forms {

class Form;
class Control;

// What changed on a control or form, so a peer updates only that.
enum class Prop {
    Caption, Visible, Enabled, Geometry, Colors, Font, Value, Picture, ZOrder, Pointer, Style, TabOrder, AccessibleName
};

class FormPeer {
public:
    virtual ~FormPeer() = default;
    virtual WindowHandle handle() const = 0;
    virtual void formChanged(Prop what) = 0;
    virtual void controlChanged(Control& control, Prop what) = 0;
    virtual void focus(Control& control) = 0;
    // Makes the form visible and, unless told otherwise, the active window.
    virtual void show(bool activate) = 0;
    // Width and height of the frame and title bar around the client area, in twips.
    virtual int frameWidth() const = 0;
    virtual int frameHeight() const = 0;
    virtual bool minimized() const = 0;
    virtual void removeCloseCommand() = 0;
    // Destroys the window; the peer object lives on until the form is freed,
    // since the window's own event may still be running.
    virtual void destroy() = 0;
};

class UiBinding {
public:
    virtual ~UiBinding() = default;
    // Creates the form's window and its controls, hidden; throws when the
    // window system refuses one of them.
    virtual std::unique_ptr<FormPeer> createPeer(Form& form) = 0;
    // Shows the form modally; returns once it is unloaded or hidden.
    virtual void runModal(Form& form) = 0;
    // Lets pending window events run.
    virtual void doEvents() = 0;
    // Ends the program at once, from any depth.
    [[noreturn]] virtual void endProgram() = 0;
    virtual int screenWidth() const = 0;  // twips
    virtual int screenHeight() const = 0; // twips
};

} // namespace lt::forms
