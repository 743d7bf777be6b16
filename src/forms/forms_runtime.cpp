#include "forms/forms_runtime.h"

#include <algorithm>
#include <exception>

namespace lt::forms {

FormsRuntime::~FormsRuntime()
{
    // Windows go before the forms whose controls they show.
    for (auto& [key, form] : forms_)
        form->detachPeer();
}

Form* FormsRuntime::find(const std::string& key) const
{
    auto it = forms_.find(key);
    return it == forms_.end() ? nullptr : it->second.get();
}

std::vector<Form*> FormsRuntime::loadedForms() const { return order_; }

void FormsRuntime::load(std::unique_ptr<Form> form)
{
    Form& f = *form;
    // A form whose window can't be made is not loaded.
    f.attachPeer(binding_.createPeer(f));
    forms_[f.key()] = std::move(form);
    order_.push_back(&f);
    f.Form_Load();
}

bool FormsRuntime::unload(Form& form, int mode)
{
    if (!isLoaded(form))
        return true;
    int cancel = 0;
    form.Form_QueryUnload(cancel, mode);
    if (cancel != 0)
        return false;
    form.Form_Unload();
    // The form may have been unloaded by its own unload handler.
    auto it = forms_.find(form.key());
    if (it == forms_.end() || it->second.get() != &form)
        return true;
    if (active_ == &form)
        active_ = nullptr;
    form.detachPeer();
    graveyard_.push_back(std::move(it->second));
    forms_.erase(it);
    order_.erase(std::remove(order_.begin(), order_.end(), &form), order_.end());
    return true;
}

bool FormsRuntime::closeRequested(Form& form, int mode)
{
    if (mode != unload_mode::WindowsSession && mode != unload_mode::TaskManager)
        return unload(form, mode);
    int cancel = 0;
    form.Form_QueryUnload(cancel, mode);
    if (cancel != 0)
        return false;
    if (mode == unload_mode::TaskManager)
        end();
    return true;
}

void FormsRuntime::end()
{
    binding_.endProgram();
    std::terminate(); // a binding whose end returns is broken
}

void FormsRuntime::showModal(Form& form) { binding_.runModal(form); }

void FormsRuntime::activated(Form& form)
{
    if (!isLoaded(form) || active_ == &form)
        return;
    active_ = &form;
    form.Form_Activate();
}

} // namespace lt::forms
