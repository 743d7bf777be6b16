#include "platform/win32/batched_peer.h"

#include <algorithm>

namespace lt::win32 {

using forms::Control;
using forms::Prop;

BatchedPeer::BatchedPeer(Win32Ui& ui, std::unique_ptr<FormWindow> window) : ui_(ui), window_(std::move(window)) {}

BatchedPeer::~BatchedPeer() { ui_.forgetChanges(*this); }

void BatchedPeer::controlChanged(Control& control, Prop what)
{
    if (!ui_.handlingEvent()) {
        window_->controlChanged(control, what);
        return;
    }
    if (pending_.empty())
        ui_.changesPending(*this);
    const auto same = [&](const Change& c) { return c.control == &control && c.what == what; };
    if (what == Prop::ZOrder) {
        // The last time a control is brought to the front is the one that
        // counts, in its place among the others brought there.
        pending_.erase(std::remove_if(pending_.begin(), pending_.end(), same), pending_.end());
    } else if (std::any_of(pending_.begin(), pending_.end(), same)) {
        return;
    }
    pending_.push_back({&control, what, what == Prop::Visible ? !control.visible() : false});
}

void BatchedPeer::apply()
{
    std::vector<Change> changes;
    changes.swap(pending_);
    for (const Change& c : changes) {
        // Hidden and shown again, or the other way round: as it was.
        if (c.what == Prop::Visible && c.control->visible() == c.wasVisible)
            continue;
        window_->controlChanged(*c.control, c.what);
    }
}

void BatchedPeer::formChanged(Prop what)
{
    apply();
    window_->formChanged(what);
}

void BatchedPeer::focus(Control& control)
{
    apply();
    window_->focus(control);
}

void BatchedPeer::show(bool activate)
{
    apply();
    window_->show(activate);
}

void BatchedPeer::removeCloseCommand() { window_->removeCloseCommand(); }

void BatchedPeer::destroy()
{
    pending_.clear();
    ui_.forgetChanges(*this);
    window_->destroy();
}

} // namespace lt::win32
