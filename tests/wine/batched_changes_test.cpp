// Changes a form's event handler makes to its controls reach the windows
// when the event has been handled, and before anything lets windows paint or
// makes the learner wait; intermediate states never reach the screen.
#include <gtest/gtest.h>

#include <windows.h>

#include <cwchar>
#include <functional>
#include <string>

#include "forms/forms_runtime.h"
#include "platform/win32/resource_strings.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_ui.h"

namespace {

using lt::forms::ControlKind;

class Probe : public lt::forms::Form {
public:
    static constexpr lt::forms::FormKey Key{"probe"};
    explicit Probe(lt::forms::FormsRuntime& runtime)
        : Form(runtime, Key), Box(*this, ControlKind::Panel, "Box"), Text(*this, ControlKind::Label, "Text", &Box)
    {
        designClientSize(3000, 2000);
        Box.move(100, 100, 2000, 1000);
        Text.move(60, 60, 1800, 300);
        Text.setCaption("first");
    }
    lt::forms::Control Box, Text;
};

std::wstring textOf(HWND w)
{
    wchar_t buf[64] = {};
    GetWindowTextW(w, buf, 64);
    return buf;
}

bool shown(HWND w) { return (GetWindowLongPtrW(w, GWL_STYLE) & WS_VISIBLE) != 0; }

class BatchedChanges : public ::testing::Test {
protected:
    lt::win32::ResourceStrings strings{GetModuleHandleW(nullptr)};
    lt::win32::Win32Ui ui{GetModuleHandleW(nullptr), strings};
    lt::win32::Win32Desktop desktop{ui, strings};
    lt::forms::FormsRuntime runtime{ui};
    Probe* probe = nullptr;
    HWND box = nullptr, text = nullptr;

    void SetUp() override
    {
        ui.attach(runtime);
        probe = &runtime.get<Probe>();
        HWND form = reinterpret_cast<HWND>(probe->handle());
        ASSERT_TRUE(form);
        for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            box = child;
        text = box ? GetWindow(box, GW_CHILD) : nullptr;
        ASSERT_TRUE(box && text) << "the panel and its label have windows";
    }
};

TEST_F(BatchedChanges, ReachTheWindowsOnceTheEventIsHandled)
{
    bool hiddenMeanwhile = false;
    std::wstring textMeanwhile;
    ui.guard([&] {
        probe->Box.setVisible(false);
        probe->Box.move(300, 200);
        probe->Text.setCaption("second");
        probe->Box.setVisible(true);
        hiddenMeanwhile = !shown(box);
        textMeanwhile = textOf(text);
    });
    EXPECT_FALSE(hiddenMeanwhile) << "a panel hidden and shown again in one event is never hidden";
    EXPECT_EQ(textMeanwhile, L"first") << "nothing reaches the windows while the event runs";
    EXPECT_EQ(textOf(text), L"second");
    EXPECT_TRUE(shown(box));
    RECT r;
    GetWindowRect(box, &r);
    MapWindowPoints(nullptr, reinterpret_cast<HWND>(probe->handle()), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, MulDiv(300, ui.dpi(), 1440)) << "the panel was moved";
}

TEST_F(BatchedChanges, ReachTheWindowsBeforeAnythingCanPaintOrWait)
{
    struct Case {
        const wchar_t* what;
        std::function<void()> wait;
    };
    const Case cases[] = {
        {L"letting pending events run", [&] { ui.doEvents(); }},
        {L"a pause", [&] { desktop.sleep(0); }},
    };
    for (const Case& c : cases) {
        const std::string caption(c.what, c.what + wcslen(c.what));
        std::wstring during;
        bool hiddenDuring = false;
        ui.guard([&] {
            probe->Text.setCaption(caption);
            probe->Box.setVisible(false);
            c.wait();
            during = textOf(text);
            hiddenDuring = !shown(box);
            probe->Box.setVisible(true);
        });
        EXPECT_EQ(during, c.what);
        EXPECT_TRUE(hiddenDuring) << "the panel is hidden before " << caption;
        EXPECT_TRUE(shown(box));
    }
}

TEST_F(BatchedChanges, OutsideAnEventReachTheWindowsAtOnce)
{
    probe->Text.setCaption("at once");
    EXPECT_EQ(textOf(text), L"at once");
}

} // namespace
