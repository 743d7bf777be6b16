#include "platform/win32/paint_kit.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

#include "platform/win32/gdi_cache.h"
#include "platform/win32/utf.h"

namespace lt::win32 {

namespace {

// The bitmap every paint draws into, kept from one paint to the next.
struct KeptBitmap {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    SIZE size{};
    bool inUse = false;

    HDC take(HDC target, const SIZE& needed)
    {
        if (!dc)
            dc = CreateCompatibleDC(target);
        if (needed.cx > size.cx || needed.cy > size.cy) {
            const SIZE grown = {std::max(needed.cx, size.cx), std::max(needed.cy, size.cy)};
            HBITMAP larger = CreateCompatibleBitmap(target, grown.cx, grown.cy);
            if (!larger)
                return nullptr;
            SelectObject(dc, larger);
            if (bitmap)
                DeleteObject(bitmap);
            bitmap = larger;
            size = grown;
        }
        inUse = true;
        return dc;
    }
};

KeptBitmap kept;

SIZE sizeOf(const RECT& r) { return {std::max(1L, r.right - r.left), std::max(1L, r.bottom - r.top)}; }

} // namespace

Offscreen::Offscreen(HDC target, const RECT& area) : target_(target), dc_(nullptr), area_(area), saved_(0), kept_(false)
{
    const SIZE size = sizeOf(area);
    if (!kept.inUse && (dc_ = kept.take(target, size)) != nullptr) {
        kept_ = true;
    } else {
        dc_ = CreateCompatibleDC(target);
        bitmap_ = CreateCompatibleBitmap(target, size.cx, size.cy);
        old_ = SelectObject(dc_, bitmap_);
    }
    // What one paint leaves selected or set in the kept context, the next
    // does not see.
    saved_ = SaveDC(dc_);
    SetViewportOrgEx(dc_, -area.left, -area.top, nullptr);
}

Offscreen::~Offscreen()
{
    RestoreDC(dc_, saved_);
    BitBlt(target_, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top, dc_, 0, 0, SRCCOPY);
    if (kept_) {
        kept.inUse = false;
        return;
    }
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

void fill(HDC dc, const RECT& r, COLORREF color) { FillRect(dc, &r, brushFor(color)); }

void frame(HDC dc, const RECT& r, COLORREF color, int width)
{
    Selected pen(dc, CreatePen(PS_INSIDEFRAME, width, color));
    Selected brush(dc, GetStockObject(NULL_BRUSH), false);
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
}

void line(HDC dc, POINT a, POINT b, COLORREF color, int width, int style)
{
    Selected pen(dc, CreatePen(style, width, color));
    MoveToEx(dc, a.x, a.y, nullptr);
    LineTo(dc, b.x, b.y);
}

void bevel(HDC dc, const RECT& r, bool raised)
{
    RECT e = r;
    DrawEdge(dc, &e, raised ? EDGE_RAISED : EDGE_SUNKEN, BF_RECT);
}

void text(const Canvas& c, const std::string& s, RECT r, COLORREF color, UINT flags, int points, bool bold,
          const char* face)
{
    Selected font(c.dc, fontFor({face, static_cast<double>(points), bold}, c.dpi), false);
    SetBkMode(c.dc, TRANSPARENT);
    SetTextColor(c.dc, color);
    const std::wstring w = widen(s);
    DrawTextW(c.dc, w.c_str(), static_cast<int>(w.size()), &r, flags | DT_NOPREFIX);
}

void label(const Canvas& c, const std::string& s, RECT r, COLORREF color, UINT flags)
{
    Selected font(c.dc, fontFor({"MS Sans Serif", 8, false}, c.dpi), false);
    SetBkMode(c.dc, TRANSPARENT);
    SetTextColor(c.dc, color);
    const std::wstring w = widen(s);
    DrawTextW(c.dc, w.c_str(), static_cast<int>(w.size()), &r, flags);
}

int textHeight(const Canvas& c, const std::string& s, int width, int points, bool bold)
{
    Selected font(c.dc, fontFor({"MS Sans Serif", static_cast<double>(points), bold}, c.dpi), false);
    const std::wstring w = widen(s);
    RECT r = {0, 0, width, 0};
    DrawTextW(c.dc, w.c_str(), static_cast<int>(w.size()), &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    return r.bottom;
}

int textWidth(const Canvas& c, const std::string& s, int points, bool bold)
{
    // Every screen of Trazel drawn measures the names on its menu bar again;
    // a width once measured is kept (the texts are the model's few).
    static std::map<std::tuple<std::string, int, bool, int>, int> widths;
    const auto key = std::make_tuple(s, points, bold, c.dpi);
    if (const auto known = widths.find(key); known != widths.end())
        return known->second;
    Selected font(c.dc, fontFor({"MS Sans Serif", static_cast<double>(points), bold}, c.dpi), false);
    const std::wstring w = widen(s);
    SIZE size{};
    GetTextExtentPoint32W(c.dc, w.c_str(), static_cast<int>(w.size()), &size);
    widths.emplace(key, size.cx);
    return size.cx;
}

void paintCallout(const Canvas& c, const pictures::Callout& callout)
{
    const RECT r = c.rect(callout.at);
    if (callout.pointsTo) {
        const POINT to = {c.area.left + c.px(callout.pointsTo->x), c.area.top + c.px(callout.pointsTo->y)};
        const POINT from = {(r.left + r.right) / 2, to.y < r.top ? r.top : to.y > r.bottom ? r.bottom : (r.top + r.bottom) / 2};
        line(c.dc, from, to, RGB(200, 0, 0), c.sc(2));
        Selected brush(c.dc, CreateSolidBrush(RGB(200, 0, 0)));
        Ellipse(c.dc, to.x - c.sc(3), to.y - c.sc(3), to.x + c.sc(3), to.y + c.sc(3));
    }
    fill(c.dc, r, RGB(255, 255, 200));
    frame(c.dc, r, RGB(128, 96, 0));
    RECT inner = {r.left + c.sc(4), r.top + c.sc(2), r.right - c.sc(4), r.bottom - c.sc(2)};
    text(c, callout.text, inner, RGB(0, 0, 0), DT_WORDBREAK | DT_CENTER);
}

void paintFigure(const Canvas& c, const pictures::Figure& f)
{
    using K = pictures::Figure::Kind;
    const RECT r = c.rect(f.at);
    const POINT a = {r.left, r.top}, b = {r.right, r.bottom};
    switch (f.kind) {
    case K::Box:
        if (f.filled)
            fill(c.dc, r, f.color);
        else
            frame(c.dc, r, f.color, c.sc(1));
        if (!f.text.empty()) {
            // Wrapped text centred in the box: measure it, then move it down.
            RECT inside = {r.left + c.sc(2), r.top, r.right - c.sc(2), r.bottom};
            const int height = textHeight(c, f.text, inside.right - inside.left, 8, f.bold);
            inside.top += std::max(0, static_cast<int>(r.bottom - r.top) - height) / 2;
            text(c, f.text, inside, f.filled ? RGB(255, 255, 255) : RGB(0, 0, 0), DT_CENTER | DT_WORDBREAK, 8, f.bold);
        }
        break;
    case K::Ellipse: {
        Selected pen(c.dc, CreatePen(PS_SOLID, c.sc(1), f.color));
        Selected brush(c.dc, f.filled ? CreateSolidBrush(f.color) : GetStockObject(NULL_BRUSH), f.filled);
        Ellipse(c.dc, r.left, r.top, r.right, r.bottom);
        break;
    }
    case K::Line:
        line(c.dc, a, b, f.color, c.sc(f.bold ? 2 : 1));
        break;
    case K::Arrow: {
        line(c.dc, a, b, f.color, c.sc(2));
        // Head: two short strokes back from the tip.
        const double dx = b.x - a.x, dy = b.y - a.y;
        const double len = std::max(1.0, std::sqrt(dx * dx + dy * dy));
        const double ux = dx / len, uy = dy / len, head = c.sc(8);
        for (int side : {-1, 1}) {
            const POINT tip = {static_cast<LONG>(b.x - head * ux + side * head * 0.5 * uy),
                               static_cast<LONG>(b.y - head * uy - side * head * 0.5 * ux)};
            line(c.dc, b, tip, f.color, c.sc(2));
        }
        break;
    }
    case K::Text:
        text(c, f.text, r, f.color, DT_WORDBREAK | (f.bold ? 0u : 0u), 8, f.bold);
        break;
    case K::Pad: {
        fill(c.dc, r, f.color);
        const int hole = std::min(r.right - r.left, r.bottom - r.top) / 3;
        const POINT m = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        Selected brush(c.dc, CreateSolidBrush(RGB(0, 0, 0)));
        Selected pen(c.dc, CreatePen(PS_NULL, 0, 0));
        Ellipse(c.dc, m.x - hole / 2, m.y - hole / 2, m.x + hole / 2, m.y + hole / 2);
        break;
    }
    case K::Relief: {
        // A pad in a copper plane: a clearance ring crossed by four spokes.
        fill(c.dc, r, RGB(0, 0, 0));
        const int w = r.right - r.left, h = r.bottom - r.top, spoke = std::max(2, w / 6);
        const POINT m = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        fill(c.dc, RECT{m.x - spoke / 2, r.top, m.x + spoke / 2, r.bottom}, f.color);
        fill(c.dc, RECT{r.left, m.y - spoke / 2, r.right, m.y + spoke / 2}, f.color);
        fill(c.dc, RECT{r.left + w / 4, r.top + h / 4, r.right - w / 4, r.bottom - h / 4}, f.color);
        break;
    }
    }
}

} // namespace lt::win32
