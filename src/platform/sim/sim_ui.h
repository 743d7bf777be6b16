// The simulated binding of the form runtime. Forms become windows of the
// simulated desktop; tests click, move the mouse, press keys and close
// windows through it, and run modal forms with a script.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "forms/forms_runtime.h"
#include "platform/sim/sim_desktop.h"

namespace lt::sim {

// Thrown where the real program would end at once.
struct ProgramEnded {};

class SimUi : public forms::UiBinding {
public:
    static constexpr int TwipsPerPixel = 15;
    static constexpr int FrameWidth = 120, FrameHeight = 410;

    explicit SimUi(SimDesktop& desktop);
    void attach(forms::FormsRuntime& runtime) { runtime_ = &runtime; }

    std::unique_ptr<forms::FormPeer> createPeer(forms::Form& form) override;
    void runModal(forms::Form& form) override;
    void doEvents() override;
    [[noreturn]] void endProgram() override { throw ProgramEnded{}; }
    int screenWidth() const override { return 1024 * TwipsPerPixel; }
    int screenHeight() const override { return 768 * TwipsPerPixel; }

    // The test's part. Each action runs the events it causes, then the
    // activations that follow; an action that ends the program sets ended().
    void act(const std::function<void()>& action);
    void click(forms::Control& c);
    // Presses and releases the right button over a control or the form.
    void rightClick(forms::Control& c);
    void click(forms::Form& f, int button = 1);
    void doubleClick(forms::Control& c);
    void mouseMove(forms::Control& c);
    void mouseMove(forms::Form& f);
    void focus(forms::Control& c);
    void keyDown(forms::Form& f, int keyCode, int shift = 0);
    // A close request with a reason (forms::unload_mode). The close box and
    // the system menu's Close are gone when the form removed its Close command.
    void close(forms::Form& f, int mode);
    // The learner drags the title bar or a sizing border: the window takes its
    // new place and size, then the hook sees the non-client button press.
    void dragFrame(forms::Form& f, int left, int top, int width, int height);
    bool ended() const { return ended_; }
    // Runs a modal form: called with the form once it is shown.
    std::function<void(forms::Form&)> onModal;
    // Input the learner gives while the program lets pending events run, as
    // a click queued behind slow work: it runs at the next doEvents.
    std::function<void()> duringEvents;

    // Raises Form_Activate for the tutorial's window in the foreground.
    void pump();
    // How many control properties the forms have changed on their windows.
    long long controlUpdates() const { return controlUpdates_; }
    SimDesktop& desktop() const { return desktop_; }

private:
    friend class SimFormPeer;
    forms::Form* formOf(WindowHandle w) const;
    void requireUsable(const forms::Control& c) const;

    SimDesktop& desktop_;
    forms::FormsRuntime* runtime_ = nullptr;
    bool ended_ = false;
    int depth_ = 0;
    long long controlUpdates_ = 0;
};

} // namespace lt::sim
