#include "platform/win32/painter.h"

#include "platform/win32/gdi_cache.h"
#include "platform/win32/paint_kit.h"

namespace lt::win32 {

namespace {

// A progress marker: a tick standing at the right end of its area, on the
// line of the label beside it.
void paintCheck(const Canvas& c)
{
    const RECT& r = c.area;
    const int w = c.sc(10), h = c.sc(9);
    const int right = r.right - c.sc(1), bottom = r.bottom - c.sc(2);
    const POINT tick[] = {{right - w, bottom - h / 2}, {right - w * 6 / 10, bottom}, {right, bottom - h}};
    Selected pen(c.dc, CreatePen(PS_SOLID, std::max(2, c.sc(2)), RGB(0, 96, 0)));
    Polyline(c.dc, tick, 3);
}

// The start-up picture: the product's name over a small circuit board.
void paintLogo(const Canvas& c)
{
    const RECT& r = c.area;
    fill(c.dc, r, RGB(16, 64, 32));
    const RECT board = {r.left + c.sc(24), r.top + c.sc(90), r.right - c.sc(24), r.bottom - c.sc(20)};
    fill(c.dc, board, RGB(32, 120, 56));
    const int y = (board.top + board.bottom) / 2;
    line(c.dc, {board.left + c.sc(20), y}, {board.right - c.sc(60), y}, RGB(214, 160, 64), c.sc(3));
    line(c.dc, {board.right - c.sc(60), y}, {board.right - c.sc(30), board.top + c.sc(14)}, RGB(214, 160, 64), c.sc(3));
    text(c, "Learning Trazel", RECT{r.left, r.top + c.sc(20), r.right, r.top + c.sc(80)}, RGB(255, 255, 255),
         DT_CENTER | DT_VCENTER | DT_SINGLELINE, 24, true, "Arial");
}

// The definition box's icon: an open book.
void paintDefinitionIcon(const Canvas& c)
{
    const RECT& r = c.area;
    const POINT m = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    const int w = std::min(r.right - r.left, r.bottom - r.top) / 2 - 1;
    fill(c.dc, RECT{m.x - w, m.y - w * 2 / 3, m.x + w, m.y + w * 2 / 3}, RGB(255, 255, 255));
    frame(c.dc, RECT{m.x - w, m.y - w * 2 / 3, m.x + w, m.y + w * 2 / 3}, RGB(0, 0, 128));
    line(c.dc, {m.x, m.y - w * 2 / 3}, {m.x, m.y + w * 2 / 3}, RGB(0, 0, 128));
    for (int i = -1; i <= 1; ++i) {
        line(c.dc, {m.x - w + 3, m.y + i * w / 3}, {m.x - 3, m.y + i * w / 3}, RGB(128, 128, 128));
        line(c.dc, {m.x + 3, m.y + i * w / 3}, {m.x + w - 3, m.y + i * w / 3}, RGB(128, 128, 128));
    }
}

// The design-flow chart's pointer: a hand-drawn arrow pointing right.
void paintPointer(const Canvas& c)
{
    const RECT& r = c.area;
    const int m = (r.top + r.bottom) / 2;
    const POINT head[] = {{r.right - 1, m}, {r.right - c.sc(10), r.top + 1}, {r.right - c.sc(10), r.bottom - 1}};
    Selected pen(c.dc, CreatePen(PS_SOLID, 1, RGB(160, 0, 0)));
    Selected brush(c.dc, CreateSolidBrush(RGB(220, 0, 0)));
    Polygon(c.dc, head, 3);
    fill(c.dc, RECT{r.left, m - c.sc(2), r.right - c.sc(9), m + c.sc(3)}, RGB(220, 0, 0));
}

// The intro's background: a board's green with faint copper tracks.
void paintIntroBackground(const Canvas& c)
{
    const RECT& r = c.area;
    fill(c.dc, r, RGB(24, 88, 44));
    const COLORREF copper = RGB(60, 120, 60);
    for (int y = r.top + c.sc(30); y < r.bottom; y += c.sc(46)) {
        line(c.dc, {r.left, y}, {r.left + (r.right - r.left) / 3, y}, copper, c.sc(3));
        line(c.dc, {r.left + (r.right - r.left) / 3, y}, {r.left + (r.right - r.left) / 3 + c.sc(20), y + c.sc(20)},
             copper, c.sc(3));
        line(c.dc, {r.left + (r.right - r.left) / 3 + c.sc(20), y + c.sc(20)}, {r.right, y + c.sc(20)}, copper, c.sc(3));
    }
}

// The intro's title banner.
void paintBanner(const Canvas& c)
{
    const RECT& r = c.area;
    fill(c.dc, r, RGB(0, 0, 128));
    text(c, "Learning Trazel", RECT{r.left, r.top, r.right, r.top + (r.bottom - r.top) * 2 / 3}, RGB(255, 255, 255),
         DT_CENTER | DT_VCENTER | DT_SINGLELINE, 20, true, "Arial");
    text(c, "Quarn(R) Trazel printed circuit board design", RECT{r.left, r.top + (r.bottom - r.top) / 2, r.right, r.bottom},
         RGB(255, 255, 160), DT_CENTER | DT_VCENTER | DT_SINGLELINE, 9, false, "Arial");
}

} // namespace

void paintPicture(HDC dc, const RECT& area, const forms::PictureRef& picture, int dpi)
{
    const Canvas c{dc, area, dpi};
    if (const auto* builtIn = dynamic_cast<const forms::BuiltInPicture*>(picture.get())) {
        const std::string& name = builtIn->name();
        if (name == "check")
            return paintCheck(c);
        if (name == "logo")
            return paintLogo(c);
        if (name == "definition")
            return paintDefinitionIcon(c);
        if (name == "pointer")
            return paintPointer(c);
        if (name == "intro")
            return paintIntroBackground(c);
        if (name == "banner")
            return paintBanner(c);
        return;
    }
    const auto* p = dynamic_cast<const pictures::ScreenPicture*>(picture.get());
    if (!p)
        return;
    if (p->host)
        paintHostWindow(c, *p->host);
    else if (p->background != 0xFFFFFFFF)
        fill(dc, area, p->background);
    for (const pictures::Figure& f : p->figures)
        paintFigure(c, f);
    for (const pictures::Dialog& d : p->dialogs)
        paintDialog(c, d);
    paintOpenMenu(c, *p);
    for (const pictures::Callout& callout : p->callouts)
        paintCallout(c, callout);
}

void paintShape(HDC dc, const RECT& area, const forms::Control& shape)
{
    if (shape.filled()) {
        fill(dc, area, shape.backColor());
        return;
    }
    frame(dc, area, shape.foreColor(), std::max(1, shape.border() ? 2 : 1));
}

} // namespace lt::win32
