// The Win32 binding of the form runtime: each form is a top-level window of
// the tutorial's own class, its controls real child windows (pictures and
// shapes are painted). Events come from the one message loop.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "forms/forms_runtime.h"
#include "platform/string_table.h"

namespace lt::win32 {

inline constexpr wchar_t FormClassName[] = L"LearningTrazelForm";
inline constexpr wchar_t PanelClassName[] = L"LearningTrazelPanel";

class BatchedPeer;
class FormWindow;

// The program's icon in the small size: the icon file's own small image.
HICON smallProgramIcon(HINSTANCE instance);

class Win32Ui : public forms::UiBinding {
public:
    Win32Ui(HINSTANCE instance, const StringTable& strings);
    void attach(forms::FormsRuntime& runtime) { runtime_ = &runtime; }
    forms::FormsRuntime& runtime() const { return *runtime_; }
    HINSTANCE instance() const { return instance_; }

    std::unique_ptr<forms::FormPeer> createPeer(forms::Form& form) override;
    void runModal(forms::Form& form) override;
    void doEvents() override;
    [[noreturn]] void endProgram() override;
    int screenWidth() const override;
    int screenHeight() const override;

    // Runs the entry routine, then the message loop until no form is loaded.
    int run(const std::function<void()>& entry);

    int dpi() const { return dpi_; }
    int toPixels(int twips) const { return MulDiv(twips, dpi_, 1440); }
    int toTwips(int pixels) const { return MulDiv(pixels, 1440, dpi_); }

    // The screen-wide pointer: while it is the hourglass, every window of
    // the tutorial shows it.
    void setScreenPointer(Pointer p);
    bool hourglass() const { return screenPointer_ == Pointer::Hourglass; }

    // The tutorial window a message box or help should belong to.
    HWND ownerWindow() const;
    // Disables the tutorial's other windows while a modal window is up, as
    // a modal dialog does, and enables them again afterwards.
    class ModalScope {
    public:
        ModalScope(const Win32Ui& ui, HWND except);
        ~ModalScope();
        ModalScope(const ModalScope&) = delete;
        ModalScope& operator=(const ModalScope&) = delete;

    private:
        std::vector<HWND> disabled_;
    };

    // Runs an event handler; an exception that escapes it ends the program
    // with a message instead of unwinding through the window system. The
    // changes the handler made to controls reach their windows when it ends.
    void guard(const std::function<void()>& handler);

    // Changes to controls made while an event is handled are gathered by
    // their form's peer (BatchedPeer) and applied here: at the end of each
    // event, and before anything that lets windows paint or makes the
    // learner wait.
    bool handlingEvent() const { return handling_ > 0; }
    void applyChanges();
    void changesPending(BatchedPeer& peer);
    void forgetChanges(BatchedPeer& peer);

    FormWindow* formWindowOf(HWND anyWindow) const;

private:
    // Keys reach the form before its controls; mouse moves reach the control
    // under the pointer, painted ones included. True when the message is done.
    bool preTranslate(MSG& msg);
    void dispatch(MSG& msg);

    HINSTANCE instance_;
    const StringTable& strings_;
    forms::FormsRuntime* runtime_ = nullptr;
    int dpi_ = 96;
    Pointer screenPointer_ = Pointer::Default;
    int handling_ = 0;
    std::vector<BatchedPeer*> pending_;
};

} // namespace lt::win32
