// The loaded forms of the program. A form exists at most once: it is created
// and loaded on first use, and unloading it destroys its window.
#pragma once

#include <concepts>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "forms/form.h"
#include "forms/ui_binding.h"

namespace lt::forms {

// Form classes name their key in a constant `Key`, a FormKey or a NumberedFormKey.
template <class T>
concept SingleForm = std::derived_from<T, Form> && std::same_as<std::remove_cvref_t<decltype(T::Key)>, FormKey>;
template <class T>
concept NumberedForm =
    std::derived_from<T, Form> && std::same_as<std::remove_cvref_t<decltype(T::Key)>, NumberedFormKey>;

class FormsRuntime {
public:
    explicit FormsRuntime(UiBinding& binding) : binding_(binding) {}
    FormsRuntime(const FormsRuntime&) = delete;
    FormsRuntime& operator=(const FormsRuntime&) = delete;
    ~FormsRuntime();

    UiBinding& binding() const { return binding_; }

    // The form of class T, created and loaded if it is not loaded yet. The
    // class's `Key` says where it is kept, so a form is always found as the
    // class it was made as; numbered forms take their number first, and
    // their constructor gets it after the runtime.
    template <SingleForm T, class... Args>
    T& get(Args&&... args)
    {
        return obtain<T>(T::Key.name, std::forward<Args>(args)...);
    }
    template <NumberedForm T, class... Args>
    T& get(int number, Args&&... args)
    {
        return obtain<T>(T::Key(number), number, std::forward<Args>(args)...);
    }
    // The loaded form of class T (of that number); null when it is not loaded.
    template <SingleForm T>
    T* find() const
    {
        return static_cast<T*>(find(T::Key.name));
    }
    template <NumberedForm T>
    T* find(int number) const
    {
        return static_cast<T*>(find(T::Key(number)));
    }
    template <SingleForm T>
    bool loaded() const
    {
        return find<T>() != nullptr;
    }
    template <NumberedForm T>
    bool loaded(int number) const
    {
        return find<T>(number) != nullptr;
    }
    // Unloads the form of class T (of that number) if it is loaded.
    template <SingleForm T>
    void unload()
    {
        if (T* f = find<T>())
            unload(*f);
    }
    template <NumberedForm T>
    void unload(int number)
    {
        if (T* f = find<T>(number))
            unload(*f);
    }
    // Whether this very form is still loaded (not unloaded, not replaced).
    bool isLoaded(const Form& form) const { return find(form.key()) == &form; }
    std::vector<Form*> loadedForms() const;

    // Asks the form (Form_QueryUnload with `mode`) and unloads it unless it
    // refused. Returns true when the form is gone.
    bool unload(Form& form, int mode = unload_mode::Code);
    // A close request from the window system. The learner's close unloads the
    // form unless it refuses; a session end only asks (the caller ends the
    // program when the session really ends); a close by another program ends
    // the program unless the form refuses. Returns false when refused.
    bool closeRequested(Form& form, int mode);

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
    Form* find(const std::string& key) const;
    template <class T, class... Args>
    T& obtain(const std::string& key, Args&&... args)
    {
        if (Form* f = find(key))
            return static_cast<T&>(*f);
        auto form = std::make_unique<T>(*this, std::forward<Args>(args)...);
        T& ref = *form;
        load(std::move(form));
        return ref;
    }
    void load(std::unique_ptr<Form> form);

    UiBinding& binding_;
    std::map<std::string, std::unique_ptr<Form>> forms_;
    std::vector<Form*> order_; // load order
    std::vector<std::unique_ptr<Form>> graveyard_;
    Form* active_ = nullptr;
};

} // namespace lt::forms
