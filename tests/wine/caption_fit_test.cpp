// Every text of the lessons fits the box it is shown in, measured with the
// real fonts and the program's own string table.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>

#include "app/lay_intro.h"
#include "forms/control.h"
#include "lessons/lesson_content.h"
#include "platform/win32/gdi_cache.h"
#include "platform/win32/resource_strings.h"
#include "platform/win32/utf.h"

namespace {

using lt::forms::Font;

class LessonTexts : public ::testing::TestWithParam<int> {
protected:
    static void SetUpTestSuite()
    {
        const std::wstring program = std::wstring(_wgetenv(L"LT_STAGE")) + L"\\TUTOR\\learning-trazel.exe";
        module_ = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    }
    static void TearDownTestSuite() { FreeLibrary(module_); }

    // The height in twips the text needs when wrapped to `width` twips, at
    // the desktop's resolution: its bitmap fonts do not scale in proportion.
    static int heightOf(const std::string& text, const Font& font, int width)
    {
        HDC dc = GetDC(nullptr);
        const int Dpi = GetDeviceCaps(dc, LOGPIXELSY);
        HGDIOBJ old = SelectObject(dc, lt::win32::fontFor(font, Dpi));
        RECT r = {0, 0, MulDiv(width, Dpi, 1440), 0};
        const std::wstring w = lt::win32::widen(text);
        DrawTextW(dc, w.c_str(), -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
        SelectObject(dc, old);
        ReleaseDC(nullptr, dc);
        return MulDiv(r.bottom, 1440, Dpi);
    }

    static HMODULE module_;
};

HMODULE LessonTexts::module_ = nullptr;

TEST_P(LessonTexts, FitTheirBoxes)
{
    ASSERT_TRUE(module_) << "the installed program could not be read";
    const lt::win32::ResourceStrings strings(module_);
    const auto text = [&](int id) { return strings.find(id).value_or(""); };
    const int n = GetParam();
    const lt::LessonContent& c = lt::lessonContent(n);
    lt::pictures::Area box = lt::FirstBox;
    for (int k = 1; k <= static_cast<int>(c.screens.size()); ++k) {
        const lt::Screen& s = c.screens[static_cast<std::size_t>(k - 1)];
        if (s.box)
            box = *s.box;
        std::string caption = text(lt::captionId(n, k));
        if (k == 1 && lt::joinsFirstCaption(n))
            caption += "\r\n\r\n" + text(lt::captionId(n, 1) + 1);
        // The caption label lies inside the box, 150 twips in, in bold 9.75-point type.
        EXPECT_LE(heightOf(caption, {"MS Sans Serif", 9.75, true}, box.width - 330), box.height - 250)
            << "the caption of lesson " << n << " screen " << k << " overflows its box";
        if (s.definition) {
            const auto& d = *s.definition;
            const std::string definition =
                d.second ? text(d.first) + "\r\n\r\n" + text(d.second) : text(d.first);
            EXPECT_LE(heightOf(definition, {}, 4320), 1740) << "definition on lesson " << n << " screen " << k;
            EXPECT_LE(heightOf(text(d.title), {"MS Sans Serif", 9.75, true}, 3900), 330)
                << "definition title on lesson " << n << " screen " << k;
        }
    }
    if (n == 1)
        for (int i = 0; i <= 12; ++i)
            if (i != 2) {
                EXPECT_LE(heightOf(text(1150 + i), {}, 8880), 660) << "chart description " << 1150 + i;
            }
}

INSTANTIATE_TEST_SUITE_P(Lessons, LessonTexts, ::testing::Range(1, 16));

TEST_F(LessonTexts, TheIntrosWelcomeFitsInEveryForm)
{
    ASSERT_TRUE(module_);
    const lt::win32::ResourceStrings strings(module_);
    const auto text = [&](int id) { return strings.find(id).value_or(""); };
    const std::string p = "\r\n\r\n", l = "\r\n";
    const std::string forms[] = {
        text(601) + p + text(602) + text(603) + p + text(607),
        text(601) + p + text(602) + l + text(604) + p + text(607),
        text(601) + p + text(602) + p + text(605) + l + text(607),
    };
    for (const std::string& welcome : forms)
        EXPECT_LE(heightOf(welcome, {"MS Sans Serif", 9.75, false}, lt::LayIntro::WelcomeWidth),
                  lt::LayIntro::WelcomeHeight)
            << welcome;
}

} // namespace
