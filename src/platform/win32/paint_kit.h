// Drawing helpers shared by the painters of the different kinds of picture.
#pragma once

#include <windows.h>

#include <string>

#include "pictures/host_view.h"
#include "pictures/screen_picture.h"

namespace lt::win32 {

// Maps a picture's twips onto the pixels of the area it is painted in.
struct Canvas {
    HDC dc;
    RECT area;
    int dpi;
    int px(int twips) const { return MulDiv(twips, dpi, 1440); }
    int sc(int pixelsAt96) const { return MulDiv(pixelsAt96, dpi, 96); }
    RECT rect(const pictures::Area& a) const
    {
        return RECT{area.left + px(a.left), area.top + px(a.top), area.left + px(a.left + a.width),
                    area.top + px(a.top + a.height)};
    }
    POINT point(pictures::Point p) const { return {area.left + px(p.x), area.top + px(p.y)}; }
    // The area itself, in twips from its own corner.
    pictures::Area twips() const
    {
        return {0, 0, MulDiv(area.right - area.left, 1440, dpi), MulDiv(area.bottom - area.top, 1440, dpi)};
    }
};

// Selects a GDI object for the life of the scope and deletes it afterwards.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object, bool owned = true) : dc_(dc), object_(object), old_(SelectObject(dc, object)), owned_(owned) {}
    ~Selected()
    {
        SelectObject(dc_, old_);
        if (owned_)
            DeleteObject(object_);
    }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC dc_;
    HGDIOBJ object_, old_;
    bool owned_;
};

// Paints into an off-screen bitmap the size of the area being repainted and
// copies it to the screen at once, so a changing picture never flickers.
// Drawing on dc() uses the window's own coordinates. The bitmap is kept for
// the next paint, as large as the largest area painted so far: making a
// window-sized bitmap for every paint costs a good part of a millisecond.
class Offscreen {
public:
    Offscreen(HDC target, const RECT& area);
    ~Offscreen();
    Offscreen(const Offscreen&) = delete;
    Offscreen& operator=(const Offscreen&) = delete;
    HDC dc() const { return dc_; }

private:
    HDC target_, dc_;
    RECT area_;
    int saved_;
    bool kept_; // the kept bitmap, not one of its own (a paint within a paint)
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

void fill(HDC dc, const RECT& r, COLORREF color);
void frame(HDC dc, const RECT& r, COLORREF color, int width = 1);
void line(HDC dc, POINT a, POINT b, COLORREF color, int width = 1, int style = PS_SOLID);
void bevel(HDC dc, const RECT& r, bool raised);
// Text in the UI font; flags as for DrawText.
void text(const Canvas& c, const std::string& s, RECT r, COLORREF color, UINT flags, int points = 8, bool bold = false,
          const char* face = "MS Sans Serif");
// A menu's label in the UI font, its access key (after '&') underlined.
void label(const Canvas& c, const std::string& s, RECT r, COLORREF color, UINT flags);
// Height of a text wrapped to `width` pixels, in pixels.
int textHeight(const Canvas& c, const std::string& s, int width, int points = 8, bool bold = false);
// Width of a text in the UI font, in pixels.
int textWidth(const Canvas& c, const std::string& s, int points = 8, bool bold = false);

void paintHostWindow(const Canvas& c, const pictures::HostScreen& h);
// A dropped-down menu lies in front of everything else on the screen.
void paintOpenMenu(const Canvas& c, const pictures::ScreenPicture& p);
// A board fitted into the design area (twips inside the canvas).
void paintBoard(const Canvas& c, const pictures::Board& board, const pictures::Area& designArea,
                const pictures::BoardZoom& zoom = {});
// The same for a design area given in pixels.
void paintBoard(const Canvas& c, const pictures::Board& board, const RECT& designArea,
                const pictures::BoardZoom& zoom = {});
void paintDialog(const Canvas& c, const pictures::Dialog& d);
void paintFigure(const Canvas& c, const pictures::Figure& f);
void paintCallout(const Canvas& c, const pictures::Callout& callout);

} // namespace lt::win32
