// A window of the tutorial. Each form class designs its controls in its
// constructor (as members named the way the tutorial names them) and handles
// its events by overriding the Form_ methods.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/control.h"

namespace lt::forms {

class FormsRuntime;

// The name a form is loaded under, given by its class as `Key`. A class with
// one window names it; a class with a numbered family of windows (L1 ... L15)
// names the stem, and each window of the family is looked up by its number.
struct FormKey {
    const char* name;
};
struct NumberedFormKey {
    const char* stem;
    std::string operator()(int number) const { return stem + std::to_string(number); }
};

// Why a form is asked to close.
namespace unload_mode {
inline constexpr int ControlMenu = 0, Code = 1, WindowsSession = 2, TaskManager = 3, MdiParent = 4;
}

class Form {
public:
    Form(FormsRuntime& runtime, FormKey key) : Form(runtime, std::string(key.name)) {}
    Form(FormsRuntime& runtime, NumberedFormKey key, int number) : Form(runtime, key(number)) {}
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form();

    FormsRuntime& runtime() const { return runtime_; }
    const std::string& key() const { return key_; }

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& text);

    // Outer geometry, in twips on the screen.
    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void move(int left, int top);
    void move(int left, int top, int width, int height);
    // Size of the client area, as designed.
    int clientWidth() const { return clientWidth_; }
    int clientHeight() const { return clientHeight_; }
    // The frame and title bar around the client area, once the window exists.
    int frameWidth() const;
    int frameHeight() const;

    Color backColor() const { return backColor_; }
    void setBackColor(Color c);
    const Font& font() const { return font_; }

    // Resizable by the learner with a sizing border; forms are fixed by default.
    bool sizable() const { return sizable_; }
    // Takes Close off the window's system menu, and the close box with it.
    void removeCloseCommand();
    bool closeCommandRemoved() const { return closeCommandRemoved_; }

    bool visible() const { return visible_; }
    void show();
    void hide();
    bool minimized() const;
    WindowHandle handle() const;

    Pointer mousePointer() const { return pointer_; }
    void setMousePointer(Pointer p);

    const std::vector<Control*>& controls() const { return controls_; }
    // The keyboard order of controls that differ from the design order;
    // empty: the order the controls were designed in.
    const std::vector<Control*>& tabOrder() const { return tabOrder_; }
    void setTabOrder(std::vector<Control*> order);
    Control* focusedControl() const { return focused_; }

    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Paint() {}
    virtual void Form_QueryUnload(int& cancel, int unloadMode) { (void)cancel, (void)unloadMode; }
    virtual void Form_Unload() {}
    virtual void Form_KeyDown(int& keyCode, int shift) { (void)keyCode, (void)shift; }
    virtual void Form_MouseMove(const MouseEvent& e) { (void)e; }
    virtual void Form_MouseDown(const MouseEvent& e) { (void)e; }
    virtual void Form_MouseUp(const MouseEvent& e) { (void)e; }
    virtual void Form_Click() {}
    virtual void Form_DblClick() {}
    // After every change of size, minimising included (by the learner or by code).
    virtual void Form_Resize() {}

    // A hook on the window's procedure: sees each message after the window
    // itself has handled it (a title-bar drag has ended when it runs).
    std::function<void(unsigned message)> messageHook;

    // Called by bindings. Keys go to the form first; a key code it sets to 0
    // does not reach the control. Returns the key code left after both.
    int keyDown(Control* target, int keyCode, int shift);
    void keyUp(Control* target, int keyCode, int shift);
    void focusChanged(Control* gained);
    void geometryFromUser(int left, int top, int width, int height);
    // The topmost windowless control under a point of a container (or of the
    // form when container is null), in that container's twips.
    Control* windowlessAt(Control* container, int x, int y) const;

    FormPeer* peer() const { return peer_.get(); }
    void attachPeer(std::unique_ptr<FormPeer> peer);
    void detachPeer();
    void setVisibleFromPeer(bool v) { visible_ = v; }

protected:
    // Design-time settings, used in constructors.
    void designClientSize(int width, int height);
    void designFont(const Font& f) { font_ = f; }
    void designSizable() { sizable_ = true; }
    // A form that only flashes by appears without becoming the active window.
    void designShownWithoutActivating() { activatesWhenShown_ = false; }

private:
    Form(FormsRuntime& runtime, std::string key);
    friend class Control;
    void add(Control* c) { controls_.push_back(c); }
    void controlChanged(Control& c, Prop what);
    void changed(Prop what);

    FormsRuntime& runtime_;
    std::string key_;
    std::string caption_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    int clientWidth_ = 0, clientHeight_ = 0;
    Color backColor_ = LightGrey;
    Font font_;
    bool visible_ = false;
    bool sizable_ = false;
    bool activatesWhenShown_ = true;
    bool closeCommandRemoved_ = false;
    Pointer pointer_ = Pointer::Default;
    std::vector<Control*> controls_;
    std::vector<Control*> tabOrder_;
    Control* focused_ = nullptr;
    std::unique_ptr<FormPeer> peer_;
};

} // namespace lt::forms
