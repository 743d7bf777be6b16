// The loaded forms of the program. A form exists at most once: it is created
// and loaded on first use, and unloading it destroys its window.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "forms/form.h"
#include "forms/ui_binding.h"

namespace lt::forms {

class FormsRuntime {
public:
    explicit FormsRuntime(UiBinding& binding) : binding_(binding) {}
    FormsRuntime(const FormsRuntime&) = delete;
    FormsRuntime& operator=(const FormsRuntime&) = delete;
    ~FormsRuntime();

    UiBinding& binding() const { return binding_; }

    // The form under `key`, created and loaded if it is not loaded yet.
    template <class T, class... Args>
    T& get(const std::string& key, Args&&... args)
    {
        if (Form* f = find(key))
            return static_cast<T&>(*f);
        auto form = std::make_unique<T>(*this, std::forward<Args>(args)...);
        T& ref = *form;
        load(std::move(form));
        return ref;
    }
    Form* find(const std::string& key) const;
    bool loaded(const std::string& key) const { return find(key) != nullptr; }
    std::vector<Form*> loadedForms() const;

    // Asks the form (Form_QueryUnload with `mode`) and unloads it unless it
    // refused. Returns true when the form is gone.
    bool unload(Form& form, int mode = unload_mode::Code);
    // A close request from the window system. The learner's close unloads the
    // form unless it refuses; a session end only asks (the caller ends the
    // program when the session really ends); a close by another program ends
    // the program unless the form refuses. Returns false when refused.
    bool closeRequested(Form& form, int mode);
    void unload(const std::string& key);

    void showModal(Form& form);
    void doEvents() { binding_.doEvents(); }
    [[noreturn]] void end();
    int screenWidth() const { return binding_.screenWidth(); }
    int screenHeight() const { return binding_.screenHeight(); }

    // The form that last became the program's active form.
    Form* activeForm() const { return active_; }
    // Bindings call this when one of the program's forms became the active
    // window; Form_Activate runs only when the active form changes.
    void activated(Form& form);
    // Frees forms that were unloaded while their events were still running.
    void collect() { graveyard_.clear(); }

private:
    void load(std::unique_ptr<Form> form);

    UiBinding& binding_;
    std::map<std::string, std::unique_ptr<Form>> forms_;
    std::vector<Form*> order_; // load order
    std::vector<std::unique_ptr<Form>> graveyard_;
    Form* active_ = nullptr;
};

} // namespace lt::forms
