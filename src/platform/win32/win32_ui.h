// The Win32 binding of the form runtime: each form is a top-level window of
// the tutorial's own class, its controls real child windows (pictures and
// shapes are painted). Events come from the one message loop.
#pragma once

#include <windows.h>

#include <exception>
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

// Tells the learner that the program met an error it cannot go on from (text
// 92 and the error's description) and ends it.
[[noreturn]] void endWithError(const StringTable& strings, const char* what);

class Win32Ui : public forms::UiBinding {
public:
    // Registers the window classes of forms and panels; throws
    // std::system_error when the window system refuses them.
    Win32Ui(HINSTANCE instance, const StringTable& strings);
    ~Win32Ui() override;
    Win32Ui(const Win32Ui&) = delete;
    Win32Ui& operator=(const Win32Ui&) = delete;
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

    // Runs an event handler or a window procedure; anything it throws ends
    // the program with a message instead of unwinding through the window
    // system. A failure while that message is up is left to it. The changes
    // the handler made to controls reach their windows when it ends.
    template <class Handler>
    void guard(Handler&& handler) noexcept
    {
        ++handling_;
        try {
            handler();
        } catch (const std::exception& e) {
            failed(e.what());
        } catch (...) {
            failed(nullptr);
        }
        --handling_;
        applyChanges();
    }

    // Changes to controls made while an event is handled are gathered by
    // their form's peer (BatchedPeer) and applied here: at the end of each
    // event, and before anything that lets windows paint or makes the
    // learner wait. Once the outermost event is done, the windows they
    // touched are painted at once.
    bool handlingEvent() const { return handling_ > 0; }
    void applyChanges() noexcept;
    void changesPending(BatchedPeer& peer);
    void forgetChanges(BatchedPeer& peer);

    FormWindow* formWindowOf(HWND anyWindow) const;

private:
    // Keys reach the form before its controls; mouse moves reach the control
    // under the pointer, painted ones included. True when the message is done.
    bool preTranslate(MSG& msg);
    void dispatch(MSG& msg);
    // what: the error's description; null when it has none.
    void failed(const char* what) noexcept;

    HINSTANCE instance_;
    const StringTable& strings_;
    forms::FormsRuntime* runtime_ = nullptr;
    int dpi_ = 96;
    Pointer screenPointer_ = Pointer::Default;
    bool failing_ = false;
    int handling_ = 0;
    std::vector<BatchedPeer*> pending_;
};

} // namespace lt::win32
