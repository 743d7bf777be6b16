// The Win32 binding of the form runtime, in this process: every kind of
// control becomes the window it should, each property the tutorial sets
// reaches that window, and a window the system refuses is reported, never
// kept as a control that silently does nothing.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cwctype>
#include <functional>
#include <string>
#include <system_error>

#include "forms/forms_runtime.h"
#include "platform/win32/resource_strings.h"
#include "platform/win32/utf.h"
#include "platform/win32/stand_in.h"
#include "platform/win32/win32_ui.h"
#include "installed.h"

namespace {

using lt::forms::Control;
using lt::forms::ControlKind;
using lt::win32::FormClassName;
using lt::win32::narrow;
using lt::win32::PanelClassName;
using lt::win32::StandInClassName;
using lt::win32::widen;

// Twips in this desktop's pixels, measured apart from the binding.
using e2e::pixels;

// A form with one control of every kind; the frame and the panel hold a
// second option button each, so each has a window inside a container.
struct Probe : lt::forms::Form {
    static constexpr lt::forms::FormKey Key{"Probe"};
    explicit Probe(lt::forms::FormsRuntime& rt) : Form(rt, Key)
    {
        designClientSize(9000, 6000);
        setCaption("Binding probe");
        int top = 120;
        for (Control* c : {&button, &label, &text, &check, &option, &frame, &panel, &picture, &image, &shape}) {
            c->move(120, top, 2400, 450);
            c->setCaption(c->name());
            top += 540;
        }
        inFrame.move(120, 200, 1800, 240);
        inFrame.setCaption("InFrame");
        inPanel.move(120, 100, 1800, 240);
        inPanel.setCaption("InPanel");
        text.setMultiLine(true);
        text.setLocked(true);
        shape.setFilled(true);
        shape.setBackColor(0x0000FF);
    }
    Control button{*this, ControlKind::CommandButton, "Button"};
    Control label{*this, ControlKind::Label, "Label"};
    Control text{*this, ControlKind::TextBox, "Text"};
    Control check{*this, ControlKind::CheckBox, "Check"};
    Control option{*this, ControlKind::OptionButton, "Option"};
    Control frame{*this, ControlKind::Frame, "Frame"};
    Control inFrame{*this, ControlKind::OptionButton, "InFrame", &frame};
    Control panel{*this, ControlKind::Panel, "Panel"};
    Control inPanel{*this, ControlKind::OptionButton, "InPanel", &panel};
    Control picture{*this, ControlKind::PictureBox, "Picture"};
    Control image{*this, ControlKind::Image, "Image"};
    Control shape{*this, ControlKind::Shape, "Shape"};
};

struct Binding : ::testing::Test {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    lt::win32::ResourceStrings strings{instance};
    lt::win32::Win32Ui ui{instance, strings};
    lt::forms::FormsRuntime runtime{ui};
    Binding() { ui.attach(runtime); }
};

HWND hwndOf(const lt::forms::Form& f) { return reinterpret_cast<HWND>(f.handle()); }

// The window showing the control's caption.
HWND windowOf(const lt::forms::Form& f, const Control& c)
{
    for (HWND h : uia::descendants(hwndOf(f)))
        if (uia::text(h) == widen(c.caption()))
            return h;
    return nullptr;
}

// The window's place in its parent's client area.
RECT placeOf(HWND h)
{
    RECT r;
    GetWindowRect(h, &r);
    MapWindowPoints(nullptr, GetParent(h), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

struct KindCase {
    Control Probe::*control;
    const wchar_t* windowClass; // as the window system names it; null: painted, no window at all
    LONG typeStyle;             // its type among the class's styles (BS_TYPEMASK, SS_TYPEMASK)
    const wchar_t* parentOf;    // the caption of the window it lies in; null: the form
};

const KindCase Kinds[] = {
    {&Probe::button, L"Button", BS_PUSHBUTTON, nullptr},   {&Probe::label, L"Static", SS_LEFT, nullptr},
    {&Probe::text, L"Edit", -1, nullptr},                  {&Probe::check, L"Button", BS_AUTOCHECKBOX, nullptr},
    {&Probe::option, L"Button", BS_RADIOBUTTON, nullptr},  {&Probe::frame, L"Button", BS_GROUPBOX, nullptr},
    {&Probe::inFrame, L"Button", BS_RADIOBUTTON, L"Frame"}, {&Probe::panel, PanelClassName, -1, nullptr},
    {&Probe::inPanel, L"Button", BS_RADIOBUTTON, L"Panel"}, {&Probe::picture, PanelClassName, -1, nullptr},
    // A picture is painted, and stands in the window system for screen readers.
    {&Probe::image, StandInClassName, -1, nullptr},        {&Probe::shape, nullptr, -1, nullptr},
};

TEST_F(Binding, EveryKindOfControlIsTheWindowItShouldBe)
{
    Probe& p = runtime.get<Probe>();
    p.show();
    for (const KindCase& k : Kinds) {
        const Control& c = p.*k.control;
        SCOPED_TRACE(c.name());
        HWND h = windowOf(p, c);
        if (!k.windowClass) {
            EXPECT_EQ(h, nullptr) << "a shape is painted, not a window";
            continue;
        }
        ASSERT_NE(h, nullptr) << "expected a window with the text \"" << c.caption() << "\"";
        EXPECT_EQ(_wcsicmp(uia::className(h).c_str(), k.windowClass), 0)
            << "expected the class " << narrow(k.windowClass) << ", got " << narrow(uia::className(h));
        const LONG style = GetWindowLongW(h, GWL_STYLE);
        if (k.typeStyle >= 0) {
            EXPECT_EQ(style & (_wcsicmp(k.windowClass, L"Static") == 0 ? SS_TYPEMASK : BS_TYPEMASK), k.typeStyle)
                << "expected the type style " << k.typeStyle;
        }
        EXPECT_TRUE(IsWindowVisible(h)) << "expected it visible on the shown form";
        const HWND expectedParent = k.parentOf ? uia::findChild(hwndOf(p), k.parentOf) : hwndOf(p);
        EXPECT_EQ(GetParent(h), expectedParent) << "expected it inside " << (k.parentOf ? "its container" : "the form");
        const RECT at = placeOf(h);
        EXPECT_EQ(at.left, pixels(c.left())) << "expected its left edge at " << c.left() << " twips";
        EXPECT_EQ(at.top, pixels(c.top())) << "expected its top at " << c.top() << " twips";
        EXPECT_EQ(at.right - at.left, pixels(c.width())) << "expected it " << c.width() << " twips wide";
        EXPECT_EQ(at.bottom - at.top, pixels(c.height())) << "expected it " << c.height() << " twips high";
    }
    HWND text = windowOf(p, p.text);
    EXPECT_TRUE(GetWindowLongW(text, GWL_STYLE) & ES_MULTILINE) << "expected a text box of several lines";
    EXPECT_TRUE(GetWindowLongW(text, GWL_STYLE) & ES_READONLY) << "expected a locked text box to be read-only";

    // The filled shape is painted by the form in its back colour.
    UpdateWindow(hwndOf(p));
    HDC dc = GetDC(hwndOf(p));
    const COLORREF middle = GetPixel(dc, pixels(p.shape.left() + 1200), pixels(p.shape.top() + 225));
    ReleaseDC(hwndOf(p), dc);
    EXPECT_EQ(middle, 0x0000FFu) << "expected the filled shape in red";
}

// A property the behaviour code sets, set on every control whose window shows it.
struct PropertyCase {
    const char* name;
    std::function<bool(const Control&)> appliesTo;
    std::function<void(Control&)> set;
    std::function<void(HWND, const Control&)> check;
};

bool windowed(const Control& c) { return !c.windowless(); }
bool checkable(const Control& c) { return c.kind() == ControlKind::CheckBox || c.kind() == ControlKind::OptionButton; }
bool painted(HWND h) { return uia::className(h) == PanelClassName; }

const PropertyCase Properties[] = {
    {"caption", windowed, [](Control& c) { c.setCaption(c.name() + " \xC3\x9C" "bung"); },
     [](HWND h, const Control& c) {
         EXPECT_EQ(uia::text(h), widen(c.name()) + L" \u00DCbung") << "expected the new caption, in UTF-16";
     }},
    {"hidden", windowed, [](Control& c) { c.setVisible(false); },
     [](HWND h, const Control&) { EXPECT_FALSE(IsWindowVisible(h)) << "expected the window hidden"; }},
    {"disabled", windowed, [](Control& c) { c.setEnabled(false); },
     [](HWND h, const Control&) { EXPECT_FALSE(IsWindowEnabled(h)) << "expected the window disabled"; }},
    {"checked", checkable, [](Control& c) { c.setValue(1); },
     [](HWND h, const Control&) {
         EXPECT_EQ(SendMessageW(h, BM_GETCHECK, 0, 0), BST_CHECKED) << "expected it checked";
     }},
    {"moved", windowed, [](Control& c) { c.move(c.left() + 300, c.top() + 15, 1500, 420); },
     [](HWND h, const Control& c) {
         const RECT at = placeOf(h);
         EXPECT_EQ(at.left, pixels(c.left())) << "expected it moved right";
         EXPECT_EQ(at.right - at.left, pixels(1500)) << "expected it narrower";
     }},
    {"font", windowed, [](Control& c) { c.setFont({"Arial", 12, true}); },
     [](HWND h, const Control&) {
         if (painted(h))
             return; // a panel's caption is drawn in the font as it paints
         LOGFONTW lf{};
         GetObjectW(reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0)), sizeof lf, &lf);
         EXPECT_STREQ(lf.lfFaceName, L"Arial") << "expected the window's font to be Arial";
         EXPECT_EQ(lf.lfWeight, FW_BOLD) << "expected it bold";
         EXPECT_EQ(lf.lfHeight, -pixels(240)) << "expected 12 points";
     }},
    {"colours", windowed, [](Control& c) { c.setBackColor(0x00FFFF), c.setForeColor(0x800000); },
     [](HWND h, const Control&) {
         HDC dc = GetDC(h);
         if (painted(h)) {
             UpdateWindow(h);
             EXPECT_EQ(GetPixel(dc, 3, 3), 0x00FFFFu) << "expected the panel painted yellow";
             ReleaseDC(h, dc);
             return;
         }
         // The colours a control draws with are the form's answer to its WM_CTLCOLOR* message.
         const UINT ask = _wcsicmp(uia::className(h).c_str(), L"Edit") == 0 ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC;
         auto brush = reinterpret_cast<HBRUSH>(
             SendMessageW(GetParent(h), ask, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(h)));
         LOGBRUSH lb{};
         GetObjectW(brush, sizeof lb, &lb);
         EXPECT_EQ(lb.lbColor, 0x00FFFFu) << "expected a yellow background";
         EXPECT_EQ(GetTextColor(dc), 0x800000u) << "expected navy text";
         ReleaseDC(h, dc);
     }},
};

TEST_F(Binding, EveryPropertyTheTutorialSetsReachesTheWindow)
{
    for (const PropertyCase& prop : Properties) {
        Probe& p = runtime.get<Probe>();
        p.show();
        for (const KindCase& k : Kinds) {
            Control& c = p.*k.control;
            if (!prop.appliesTo(c))
                continue;
            SCOPED_TRACE(std::string(prop.name) + " of " + c.name());
            prop.set(c);
            HWND h = windowOf(p, c);
            ASSERT_NE(h, nullptr) << "expected the window with the caption \"" << c.caption() << "\"";
            prop.check(h, c);
        }
        runtime.unload(p);
        runtime.collect();
    }
}

TEST_F(Binding, TheLearnersChangesReachTheModel)
{
    Probe& p = runtime.get<Probe>();
    p.show();
    int clicks = 0;
    p.check.onClick = [&] { ++clicks; };
    p.option.setValue(1);
    SendMessageW(windowOf(p, p.check), BM_CLICK, 0, 0);
    EXPECT_EQ(p.check.value(), 1) << "expected the model to follow the box the learner checked";
    EXPECT_EQ(clicks, 1) << "expected one Click event";
    SendMessageW(windowOf(p, p.inFrame), BM_CLICK, 0, 0);
    EXPECT_EQ(p.inFrame.value(), 1) << "expected the option the learner chose to be set";
    EXPECT_EQ(p.option.value(), 1) << "expected the option of another container to stay set";
    p.inPanel.setValue(1);
    EXPECT_EQ(SendMessageW(windowOf(p, p.inFrame), BM_GETCHECK, 0, 0), BST_CHECKED);
    HWND text = windowOf(p, p.text);
    SendMessageW(text, EM_SETSEL, 0, -1);
    SendMessageW(text, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L"typed \u00C4"));
    EXPECT_EQ(p.text.caption(), "typed \xC3\x84") << "expected the model to hold the text as UTF-8";
}

// Pictures that take turns in one place, and one that stands elsewhere.
struct TakingTurns : lt::forms::Form {
    static constexpr lt::forms::FormKey Key{"TakingTurns"};
    explicit TakingTurns(lt::forms::FormsRuntime& rt) : Form(rt, Key)
    {
        designClientSize(6000, 4000);
        for (Control* c : {&first, &second}) {
            c->move(120, 120, 3000, 2000);
            c->setCaption(c->name());
            c->setVisible(false);
        }
        elsewhere.move(3300, 120, 2400, 2000);
        elsewhere.setCaption("Elsewhere");
    }
    Control first{*this, ControlKind::Image, "First"};
    Control second{*this, ControlKind::Image, "Second"};
    Control elsewhere{*this, ControlKind::Image, "Elsewhere"};
};

// What screen readers find of the form's pictures: the visible stand-ins'
// texts, each with its place.
std::vector<std::pair<std::wstring, RECT>> picturesRead(const lt::forms::Form& f)
{
    std::vector<std::pair<std::wstring, RECT>> read;
    for (HWND h : uia::descendants(hwndOf(f)))
        if (uia::className(h) == StandInClassName && IsWindowVisible(h))
            read.emplace_back(uia::text(h), placeOf(h));
    std::sort(read.begin(), read.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    return read;
}

TEST_F(Binding, PicturesThatTakeTurnsInOnePlaceReadAsTheOneShown)
{
    TakingTurns& f = runtime.get<TakingTurns>();
    f.show();
    const RECT place = {pixels(120), pixels(120), pixels(3120), pixels(2120)};
    const RECT other = {pixels(3300), pixels(120), pixels(5700), pixels(2120)};
    using Read = std::vector<std::pair<std::wstring, RECT>>;
    const auto expectRead = [&](const Read& expected, const char* when) {
        const Read read = picturesRead(f);
        ASSERT_EQ(read.size(), expected.size()) << when;
        for (std::size_t i = 0; i < read.size(); ++i) {
            EXPECT_EQ(read[i].first, expected[i].first) << when;
            EXPECT_TRUE(EqualRect(&read[i].second, &expected[i].second)) << when << ": " << narrow(read[i].first);
        }
    };
    expectRead({{L"Elsewhere", other}}, "while both pictures of the place are hidden");
    f.first.setVisible(true);
    expectRead({{L"Elsewhere", other}, {L"First", place}}, "with the first shown");
    f.first.setVisible(false);
    f.second.setVisible(true);
    expectRead({{L"Elsewhere", other}, {L"Second", place}}, "with the second shown instead");
    f.first.setVisible(true);
    f.first.zOrderFront();
    expectRead({{L"Elsewhere", other}, {L"First", place}}, "with both shown and the first in front");
    f.first.move(3300, 2200, 2400, 1500);
    const RECT moved = {pixels(3300), pixels(2200), pixels(5700), pixels(3700)};
    expectRead({{L"Elsewhere", other}, {L"First", moved}, {L"Second", place}}, "with the first moved away");
    f.elsewhere.setVisible(false);
    f.second.setVisible(false);
    expectRead({{L"First", moved}}, "with only the moved picture shown");
}

// Makes the window system refuse to create windows of one class on this
// thread, as when it runs out of resources.
class Refusal {
public:
    explicit Refusal(std::wstring windowClass)
    {
        refused() = std::move(windowClass);
        hook_ = SetWindowsHookExW(WH_CBT, refuse, nullptr, GetCurrentThreadId());
    }
    ~Refusal() { UnhookWindowsHookEx(hook_); }
    Refusal(const Refusal&) = delete;
    Refusal& operator=(const Refusal&) = delete;

private:
    static std::wstring& refused()
    {
        static std::wstring name;
        return name;
    }
    static LRESULT CALLBACK refuse(int code, WPARAM wParam, LPARAM lParam)
    {
        const HWND created = reinterpret_cast<HWND>(wParam);
        if (code == HCBT_CREATEWND && _wcsicmp(uia::className(created).c_str(), refused().c_str()) == 0)
            return 1;
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    HHOOK hook_;
};

TEST_F(Binding, AWindowTheSystemRefusesIsReportedAndLeavesNoForm)
{
    for (const wchar_t* cls : {FormClassName, PanelClassName, L"Button", L"Static", L"Edit"}) {
        SCOPED_TRACE(narrow(cls));
        {
            Refusal refusal(cls);
            try {
                runtime.get<Probe>();
                ADD_FAILURE() << "expected the refused window to be reported";
            } catch (const std::system_error& e) {
                const std::wstring what = widen(e.what()), call = L"CreateWindowExW " + std::wstring(cls);
                EXPECT_TRUE(std::search(what.begin(), what.end(), call.begin(), call.end(),
                                        [](wchar_t a, wchar_t b) { return towlower(a) == towlower(b); }) != what.end())
                    << "expected the call and the class in: " << e.what();
            }
        }
        EXPECT_FALSE(runtime.loaded<Probe>()) << "expected no form without its windows";
        EXPECT_EQ(FindWindowW(FormClassName, L"Binding probe"), nullptr) << "expected no window left behind";
    }
    EXPECT_TRUE(runtime.get<Probe>().handle()) << "expected the form once the system creates windows again";
}

// A second window for an event to open.
struct Second : lt::forms::Form {
    static constexpr lt::forms::FormKey Key{"Second"};
    explicit Second(lt::forms::FormsRuntime& rt) : Form(rt, Key) { designClientSize(3000, 2000); }
};

// The program a failing event runs in: the probe form, whose button's click
// (a WM_COMMAND through the message loop) runs `failure`. Started by the
// test below as a program of its own, since it is to end.
void runFailingClick(const std::function<void(lt::forms::FormsRuntime&)>& failure)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    lt::win32::ResourceStrings strings(instance);
    lt::win32::Win32Ui ui(instance, strings);
    lt::forms::FormsRuntime runtime(ui);
    ui.attach(runtime);
    ui.run([&] {
        Probe& p = runtime.get<Probe>();
        p.button.onClick = [&] { failure(runtime); };
        p.show();
        HWND button = windowOf(p, p.button);
        PostMessageW(hwndOf(p), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
    });
}

TEST(BindingFailingClick, DISABLED_OpensAWindowTheSystemRefuses)
{
    runFailingClick([](lt::forms::FormsRuntime& runtime) {
        Refusal refusal(FormClassName);
        runtime.get<Second>();
    });
}

TEST(BindingFailingClick, DISABLED_ThrowsWhatIsNoException)
{
    runFailingClick([](lt::forms::FormsRuntime&) { throw 42; });
}

TEST(BindingGuard, AFailingEventEndsTheProgramWithAMessage)
{
    struct Case {
        const wchar_t* child;
        const wchar_t* description;
    };
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    for (const Case& c : {Case{L"OpensAWindowTheSystemRefuses", L"CreateWindowExW LearningTrazelForm"},
                          Case{L"ThrowsWhatIsNoException", L"The error has no description."}}) {
        SCOPED_TRACE(narrow(c.child));
        uia::Program program(self, std::wstring(L"--gtest_also_run_disabled_tests "
                                                L"--gtest_filter=BindingFailingClick.DISABLED_") +
                                       c.child);
        HWND box = uia::waitWindowOf(program.pid(), L"#32770", L"Learning Trazel");
        ASSERT_NE(box, nullptr) << "expected a message that the program has to end";
        const uia::MessageBoxInfo info = uia::readMessageBox(box);
        const std::wstring head = L"Learning Trazel met an internal error and has to end:\r\n\r\n";
        EXPECT_EQ(info.text.substr(0, head.size() + wcslen(c.description)), head + c.description) << narrow(info.text);
        EXPECT_EQ(info.icon, uia::Icon::Stop);
        EXPECT_EQ(info.buttons, std::vector<std::wstring>{L"OK"});
        uia::answer(info, L"OK");
        ASSERT_TRUE(program.waitExit()) << "expected the program to end after the message";
        EXPECT_EQ(program.exitCode(), 1u);
    }
}

TEST(BindingClasses, AClassTheSystemRefusesAtStartIsReported)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    lt::win32::ResourceStrings strings(instance);
    // Someone else holds the panel class's name.
    WNDCLASSEXW taken{};
    taken.cbSize = sizeof taken;
    taken.lpfnWndProc = DefWindowProcW;
    taken.hInstance = instance;
    taken.lpszClassName = PanelClassName;
    ASSERT_TRUE(RegisterClassExW(&taken));
    try {
        lt::win32::Win32Ui ui(instance, strings);
        ADD_FAILURE() << "expected the refused class to be reported";
    } catch (const std::system_error& e) {
        EXPECT_EQ(e.code().value(), ERROR_CLASS_ALREADY_EXISTS) << e.what();
        EXPECT_NE(std::string(e.what()).find("RegisterClassExW"), std::string::npos) << e.what();
    }
    WNDCLASSEXW info{};
    info.cbSize = sizeof info;
    EXPECT_FALSE(GetClassInfoExW(instance, FormClassName, &info)) << "expected the form class given up again";
    UnregisterClassW(PanelClassName, instance);
}

} // namespace
