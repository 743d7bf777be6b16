// A form's window with the changes to its controls gathered while an event
// is handled and applied to the windows once it has been handled. A script
// step hides a box, moves it, sets its text and shows it again; under Wine
// every such change is a round trip to the window system and a show or hide
// erases at once, so the box that ends where it was shown is only moved,
// and the learner sees the same end state sooner. Changes are applied
// before anything can paint or wait: at the end of every event, before a
// modal window or a pause, and before the form itself is changed.
#pragma once

#include <memory>
#include <vector>

#include "forms/ui_binding.h"
#include "platform/win32/form_window.h"

namespace lt::win32 {

class BatchedPeer : public forms::FormPeer {
public:
    BatchedPeer(Win32Ui& ui, std::unique_ptr<FormWindow> window);
    ~BatchedPeer() override;
    BatchedPeer(const BatchedPeer&) = delete;
    BatchedPeer& operator=(const BatchedPeer&) = delete;

    // Applies what was gathered, in the order the changes were first made.
    void apply();

    WindowHandle handle() const override { return window_->handle(); }
    void formChanged(forms::Prop what) override;
    void controlChanged(forms::Control& control, forms::Prop what) override;
    void focus(forms::Control& control) override;
    void show(bool activate) override;
    int frameWidth() const override { return window_->frameWidth(); }
    int frameHeight() const override { return window_->frameHeight(); }
    bool minimized() const override { return window_->minimized(); }
    void removeCloseCommand() override;
    void destroy() override;

private:
    struct Change {
        forms::Control* control;
        forms::Prop what;
        bool wasVisible; // for a change of visibility: before the first one
    };

    Win32Ui& ui_;
    std::unique_ptr<FormWindow> window_;
    std::vector<Change> pending_;
};

} // namespace lt::win32
