// A numbered family of controls (Menu_btn1 ... Menu_btn15, Scrn_Count(0..2)),
// indexed by the number the family uses.
#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

#include "forms/control.h"

namespace lt::forms {

class ControlArray {
public:
    // Elements named by `nameOf(i)` (Menu_btn3), for i = first ... last.
    ControlArray(Form& form, ControlKind kind, int first, int last, const std::function<std::string(int)>& nameOf,
                 Control* container = nullptr)
        : first_(first)
    {
        for (int i = first; i <= last; ++i)
            items_.push_back(std::make_unique<Control>(form, kind, nameOf(i), container));
    }
    // A control array proper: one name, elements told apart by index, Scrn_Count(1).
    ControlArray(Form& form, ControlKind kind, const std::string& name, int first, int last,
                 Control* container = nullptr)
        : first_(first)
    {
        for (int i = first; i <= last; ++i)
            items_.push_back(std::make_unique<Control>(form, kind, name, container, i));
    }

    Control& operator[](int i) const
    {
        if (i < first_ || i >= first_ + static_cast<int>(items_.size()))
            throw std::out_of_range("control index " + std::to_string(i));
        return *items_[static_cast<std::size_t>(i - first_)];
    }
    int first() const { return first_; }
    int last() const { return first_ + static_cast<int>(items_.size()) - 1; }

private:
    int first_;
    std::vector<std::unique_ptr<Control>> items_;
};

} // namespace lt::forms
