#include "platform/win32/control_kinds.h"

#include <iterator>

#include "forms/form.h"
#include "platform/win32/control_painting.h"
#include "platform/win32/utf.h"
#include "platform/win32/win32_ui.h"

namespace lt::win32 {

using forms::Control;
using forms::ControlKind;

namespace {

// Notifications, one handler per kind of window.

void buttonNotified(Control& c, HWND, UINT code)
{
    if (code == BN_CLICKED && c.onClick)
        c.onClick();
    if (code == BN_SETFOCUS)
        c.form().focusChanged(&c);
    if (code == BN_DOUBLECLICKED && c.onDblClick)
        c.onDblClick();
}

void checkBoxNotified(Control& c, HWND window, UINT code)
{
    // The box has checked itself; the model follows before the click runs.
    if (code == BN_CLICKED)
        c.valueFromUser(SendMessageW(window, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0);
    buttonNotified(c, window, code);
}

void optionButtonNotified(Control& c, HWND window, UINT code)
{
    // The model checks it and clears the other options of its container.
    if (code == BN_CLICKED)
        c.valueFromUser(1);
    buttonNotified(c, window, code);
}

void labelNotified(Control& c, HWND, UINT code)
{
    if (code == STN_CLICKED && c.onClick)
        c.onClick();
    if (code == STN_DBLCLK && c.onDblClick)
        c.onDblClick();
}

void textBoxNotified(Control& c, HWND window, UINT code)
{
    if (code == EN_SETFOCUS)
        c.form().focusChanged(&c);
    if (code == EN_CHANGE) {
        const int n = GetWindowTextLengthW(window);
        std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
        GetWindowTextW(window, text.data(), n + 1);
        text.resize(static_cast<std::size_t>(n));
        c.textFromUser(narrow(text));
    }
}

// Styles that follow the properties.

DWORD labelStyle(const Control& c)
{
    DWORD style = c.border() ? WS_BORDER : 0;
    if (c.alignment() == forms::Align::Center)
        style |= SS_CENTER;
    if (c.alignment() == forms::Align::Right)
        style |= SS_RIGHT;
    return style;
}

DWORD textBoxStyle(const Control& c)
{
    return (c.multiLine() ? ES_MULTILINE | WS_VSCROLL : ES_AUTOHSCROLL) | (c.locked() ? ES_READONLY : 0);
}

constexpr DWORD Tab = WS_TABSTOP;
constexpr DWORD Container = WS_CLIPCHILDREN, ContainerEx = WS_EX_CONTROLPARENT;

const KindTraits Kinds[] = {
    /* CommandButton */ {.windowClass = L"BUTTON", .style = BS_PUSHBUTTON | BS_NOTIFY | Tab,
                         .reportsOwnClicks = true, .notified = buttonNotified},
    /* Label */ {.windowClass = L"STATIC", .style = SS_NOTIFY | SS_NOPREFIX,
                 .propertyStyle = labelStyle, .liveStyle = SS_CENTER | SS_RIGHT | WS_BORDER,
                 .reportsOwnClicks = true, .paint = paintTransparentLabel, .notified = labelNotified},
    /* TextBox */ {.windowClass = L"EDIT", .style = Tab | ES_AUTOVSCROLL, .exStyle = WS_EX_CLIENTEDGE,
                   .propertyStyle = textBoxStyle, .reportsOwnClicks = true, .notified = textBoxNotified,
                   .textMargins = true, .readOnlyLetsTabGoOn = true},
    /* CheckBox */ {.windowClass = L"BUTTON", .style = BS_AUTOCHECKBOX | BS_NOTIFY | Tab,
                    .reportsOwnClicks = true, .notified = checkBoxNotified},
    /* OptionButton */ {.windowClass = L"BUTTON", .style = BS_RADIOBUTTON | BS_NOTIFY | Tab,
                        .reportsOwnClicks = true, .notified = optionButtonNotified},
    /* Frame */ {.windowClass = L"BUTTON", .style = BS_GROUPBOX | Container, .exStyle = ContainerEx,
                 .reportsOwnClicks = true, .forwardsNotifications = true},
    /* Panel */ {.windowClass = PanelClassName, .style = Container, .exStyle = ContainerEx, .paint = paintPanelFace,
                 .paintsOwnWindow = true},
    /* PictureBox */ {.windowClass = PanelClassName, .style = Container, .exStyle = ContainerEx,
                      .paint = paintPictureBoxFace, .paintsOwnWindow = true},
    /* Image */ {.paint = paintImage},
    /* Shape */ {.paint = paintShapeControl},
};

static_assert(std::size(Kinds) == static_cast<std::size_t>(ControlKind::Shape) + 1, "one row per kind of control");

} // namespace

const KindTraits& traitsOf(ControlKind kind) { return Kinds[static_cast<std::size_t>(kind)]; }

} // namespace lt::win32
