// The window of one form: a top-level window of the tutorial's class with a
// child window for every control that has one; pictures and shapes are
// painted by their container. What each kind of control is made of and
// reports is in control_kinds.h.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "forms/form.h"
#include "platform/win32/win32_ui.h"

namespace lt::win32 {

// The notifications and colour requests of controls inside a panel or a
// group box belong to the form: passes them there and returns true, with
// the form's answer in `result`; false for any other message.
bool passToForm(HWND container, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

class FormWindow : public forms::FormPeer {
public:
    // Creates the form's window and its controls' windows, hidden; throws
    // std::system_error when the window system refuses one of them.
    FormWindow(Win32Ui& ui, forms::Form& form);
    ~FormWindow() override;

    HWND hwnd() const { return hwnd_; }
    forms::Form& form() const { return form_; }
    // The control whose window this is; null for the form and unknown windows.
    forms::Control* controlOf(HWND child) const;

    // Key and mouse input, seen before the window it is for.
    int keyDown(HWND target, int keyCode);
    void keyUp(HWND target, int keyCode);
    void mouse(const MSG& msg);

    WindowHandle handle() const override { return reinterpret_cast<WindowHandle>(hwnd_); }
    void formChanged(forms::Prop what) override;
    void controlChanged(forms::Control& control, forms::Prop what) override;
    void focus(forms::Control& control) override;
    void show(bool activate) override;
    int frameWidth() const override;
    int frameHeight() const override;
    bool minimized() const override;
    void removeCloseCommand() override;
    void destroy() override;

    static LRESULT CALLBACK formProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK panelProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

private:
    // The window procedure: one handler per message.
    LRESULT handle(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT defaultProc(UINT msg, WPARAM wParam, LPARAM lParam) { return DefWindowProcW(hwnd_, msg, wParam, lParam); }
    LRESULT onPaint();
    LRESULT onCommand(HWND child, UINT code);
    LRESULT onControlColor(HDC dc, HWND child);
    LRESULT onSetCursor(WPARAM wParam, LPARAM lParam);
    LRESULT onActivate(WPARAM wParam, LPARAM lParam);
    LRESULT onActivated();
    LRESULT onSysCommand(WPARAM wParam, LPARAM lParam);
    LRESULT onClose();
    LRESULT onQueryEndSession();
    LRESULT onEndSession(bool ending);
    LRESULT onMoveOrSize(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT onShowWindow(WPARAM wParam, LPARAM lParam);
    LRESULT onPanelPaint(HWND panel);
    // The form's or a panel's own painting, on a screen or a stand-in's context.
    void paintClient(HDC dc);
    void paintPanel(HWND panel, HDC dc);

    struct Placement {
        int x, y, width, height;
    };
    HWND createWindow(DWORD exStyle, const wchar_t* windowClass, const std::string& caption, DWORD style,
                      const Placement& at, HWND parent, HMENU id, void* param);
    void createControl(forms::Control& c);
    void createStandIn(forms::Control& c, const RECT& at);
    void presentStandIn(HWND standIn);
    void moveStandIn(forms::Control& c, HWND standIn);
    HWND windowOf(const forms::Control& c) const;
    HWND parentWindow(const forms::Control* container) const;
    RECT pixelRect(const forms::Control& c) const;
    void applyGeometry(forms::Control& c);
    void applyStyle(forms::Control& c);
    void setFont(HWND h, const forms::Control& c, BOOL redraw);
    void applyTabOrder();
    void bringToFront(const forms::Control& c, HWND h);
    void windowlessChanged(forms::Control& c, forms::Prop what);
    void invalidateWindowless(forms::Control& c);
    // What a control's window says: panels say their accessible name (their
    // caption is painted), the others their caption.
    static std::string windowText(const forms::Control& c);
    void paintContainer(HDC dc, const forms::Control* container);
    void placeForm();
    forms::MouseEvent mouseEvent(const MSG& msg, HWND relativeTo) const;
    bool hourglass() const;

    Win32Ui& ui_;
    forms::Form& form_;
    const DWORD style_;
    HWND hwnd_ = nullptr;
    std::unordered_map<const forms::Control*, HWND> windows_;
    std::unordered_map<HWND, forms::Control*> controls_;
    // The pictures that share each stand-in that cannot be clicked, in the
    // order they were made.
    std::unordered_map<HWND, std::vector<forms::Control*>> sharers_;
    // Painted controls per container (null: the form), back to front.
    std::map<const forms::Control*, std::vector<forms::Control*>> paintOrder_;
    std::unordered_map<const forms::Control*, RECT> paintedAt_;
    bool closeBySystemMenu_ = false;
    HWND savedFocus_ = nullptr;
};

} // namespace lt::win32
