// A board in the design area: outline, zones, tracks, vias, components and
// unrouted connections, fitted to the area and drawn in the layer colours.
#include <algorithm>
#include <cmath>

#include "platform/win32/paint_kit.h"

namespace lt::win32 {

namespace {

COLORREF layerColor(pictures::Layer layer)
{
    switch (layer) {
    case pictures::Layer::Top:
        return RGB(230, 60, 60);
    case pictures::Layer::Bottom:
        return RGB(70, 130, 255);
    case pictures::Layer::Inner1:
        return RGB(40, 190, 80);
    case pictures::Layer::Inner2:
        return RGB(230, 150, 40);
    case pictures::Layer::Silk:
        return RGB(230, 230, 90);
    case pictures::Layer::Keepout:
        return RGB(180, 80, 200);
    }
    return RGB(255, 255, 255);
}

COLORREF dim(COLORREF c) { return RGB(GetRValue(c) / 3, GetGValue(c) / 3, GetBValue(c) / 3); }

constexpr COLORREF Selected_ = RGB(255, 255, 255), Outline = RGB(230, 230, 90), Ratsnest = RGB(250, 250, 120);

// Board mils to pixels of the canvas, by the design area's fitting.
struct Fit {
    const Canvas& c;
    pictures::BoardFit fit;
    POINT at(pictures::Point p) const { return c.point(fit.toPicture(p)); }
    int len(int mils) const { return std::max(1, c.px(fit.length(mils))); }
};

std::vector<POINT> mapped(const Fit& f, const std::vector<pictures::Point>& points)
{
    std::vector<POINT> out;
    for (const pictures::Point& p : points)
        out.push_back(f.at(p));
    return out;
}

void paintZone(HDC dc, const Fit& f, const pictures::Zone& z, int dpiScale)
{
    const std::vector<POINT> pts = mapped(f, z.outline);
    if (pts.size() < 3)
        return;
    const COLORREF color = layerColor(z.layer);
    if (z.hatched) {
        Selected pen(dc, CreatePen(PS_SOLID, 1, color));
        Selected brush(dc, CreateHatchBrush(HS_BDIAGONAL, dim(color)));
        SetBkMode(dc, TRANSPARENT);
        Polygon(dc, pts.data(), static_cast<int>(pts.size()));
    } else {
        Selected pen(dc, CreatePen(PS_SOLID, std::max(1, dpiScale), color));
        Selected brush(dc, CreateSolidBrush(dim(color)));
        Polygon(dc, pts.data(), static_cast<int>(pts.size()));
    }
}

bool inside(const std::vector<pictures::Point>& polygon, pictures::Point p)
{
    bool in = false;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const auto& a = polygon[i];
        const auto& b = polygon[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * static_cast<double>(p.y - a.y) / (b.y - a.y) + a.x)
            in = !in;
    }
    return in;
}

void paintComponent(const Canvas& c, const Fit& f, const pictures::Component& part, const std::vector<pictures::Zone>& zones)
{
    const POINT centre = f.at(part.at);
    const int w = f.len(part.width), h = f.len(part.height);
    const RECT body = {centre.x - w / 2, centre.y - h / 2, centre.x + w / 2, centre.y + h / 2};
    const bool across = part.width >= part.height; // pads along the long sides
    const int perSide = std::max(1, part.pins / 2);
    const int pad = std::max(2, std::min(across ? w : h, (across ? w : h) / (perSide * 2)));
    const COLORREF padColor = part.selected ? Selected_ : layerColor(part.surfaceMount ? pictures::Layer::Top : pictures::Layer::Inner2);
    const pictures::Zone* relieved = nullptr;
    // Only through-hole pads reach a plane on another layer.
    for (const pictures::Zone& z : zones)
        if (z.reliefs && !part.surfaceMount && inside(z.outline, part.at))
            relieved = &z;
    for (int side = 0; side < 2; ++side)
        for (int i = 0; i < perSide; ++i) {
            const int along = (i * 2 + 1) * (across ? w : h) / (perSide * 2);
            POINT m = across ? POINT{body.left + along, side ? body.bottom : body.top}
                             : POINT{side ? body.right : body.left, body.top + along};
            RECT p = {m.x - pad / 2, m.y - pad / 2, m.x + pad / 2 + 1, m.y + pad / 2 + 1};
            if (relieved) {
                pictures::Figure spoke{pictures::Figure::Kind::Relief, {}, {}, layerColor(relieved->layer)};
                const RECT ring = {p.left - pad / 2, p.top - pad / 2, p.right + pad / 2, p.bottom + pad / 2};
                fill(c.dc, ring, RGB(0, 0, 0));
                const int s = std::max(1, pad / 4);
                fill(c.dc, RECT{m.x - s, ring.top, m.x + s, ring.bottom}, spoke.color);
                fill(c.dc, RECT{ring.left, m.y - s, ring.right, m.y + s}, spoke.color);
            }
            fill(c.dc, p, padColor);
        }
    frame(c.dc, body, part.selected ? Selected_ : layerColor(pictures::Layer::Silk), part.selected ? c.sc(2) : 1);
    RECT label = {body.left - c.sc(30), body.top, body.right + c.sc(30), body.bottom};
    text(c, part.reference, label, part.selected ? Selected_ : layerColor(pictures::Layer::Silk),
         DT_SINGLELINE | DT_CENTER | DT_VCENTER, 7);
    if (part.locked) {
        const RECT lock = {body.right - c.sc(9), body.top + c.sc(2), body.right - c.sc(2), body.top + c.sc(9)};
        fill(c.dc, lock, RGB(255, 200, 0));
    }
}

} // namespace

void paintBoard(const Canvas& c, const pictures::Board& b, const RECT& area, const pictures::BoardZoom& zoom)
{
    paintBoard(c, b,
               pictures::Area{MulDiv(area.left - c.area.left, 1440, c.dpi), MulDiv(area.top - c.area.top, 1440, c.dpi),
                           MulDiv(area.right - area.left, 1440, c.dpi), MulDiv(area.bottom - area.top, 1440, c.dpi)},
               zoom);
}

void paintBoard(const Canvas& c, const pictures::Board& b, const pictures::Area& area, const pictures::BoardZoom& zoom)
{
    const Fit f{c, pictures::BoardFit(b, area, zoom)};
    for (const pictures::Zone& z : b.zones)
        paintZone(c.dc, f, z, c.sc(1));
    const POINT tl = f.at({b.outline.left, b.outline.top});
    const POINT br = f.at({b.outline.left + b.outline.width, b.outline.top + b.outline.height});
    frame(c.dc, RECT{tl.x, tl.y, br.x + 1, br.y + 1}, Outline, c.sc(1));
    for (const pictures::Track& t : b.tracks) {
        const std::vector<POINT> pts = mapped(f, t.points);
        Selected pen(c.dc, CreatePen(PS_SOLID, f.len(t.width), t.selected ? Selected_ : layerColor(t.layer)));
        Polyline(c.dc, pts.data(), static_cast<int>(pts.size()));
    }
    for (const pictures::Via& v : b.vias) {
        const POINT m = f.at(v.at);
        const int r = std::max(c.sc(3), f.len(20));
        Selected pen(c.dc, CreatePen(PS_SOLID, std::max(1, r / 2), v.selected ? Selected_ : RGB(200, 200, 200)));
        Selected brush(c.dc, CreateSolidBrush(RGB(0, 0, 0)));
        Ellipse(c.dc, m.x - r, m.y - r, m.x + r, m.y + r);
    }
    for (const pictures::Component& part : b.components)
        paintComponent(c, f, part, b.zones);
    for (const pictures::Connection& n : b.connections)
        line(c.dc, f.at(n.from), f.at(n.to), Ratsnest, 1);
    for (const pictures::Dimension& d : b.dimensions) {
        const POINT a = f.at(d.from), e = f.at(d.to);
        line(c.dc, a, e, RGB(255, 255, 255), 1);
        for (POINT end : {a, e})
            line(c.dc, {end.x - (a.y != e.y ? c.sc(5) : 0), end.y - (a.y == e.y ? c.sc(5) : 0)},
                 {end.x + (a.y != e.y ? c.sc(5) : 0), end.y + (a.y == e.y ? c.sc(5) : 0)}, RGB(255, 255, 255), 1);
        RECT label = {std::min(a.x, e.x) - c.sc(40), std::min(a.y, e.y) - c.sc(16), std::max(a.x, e.x) + c.sc(40),
                      std::min(a.y, e.y) - c.sc(2)};
        text(c, d.text, label, RGB(255, 255, 255), DT_SINGLELINE | DT_CENTER | DT_BOTTOM, 7);
    }
    if (b.selection) {
        const POINT s0 = f.at({b.selection->left, b.selection->top});
        const POINT s1 = f.at({b.selection->left + b.selection->width, b.selection->top + b.selection->height});
        Selected pen(c.dc, CreatePen(PS_DOT, 1, Selected_));
        Selected brush(c.dc, GetStockObject(NULL_BRUSH), false);
        SetBkMode(c.dc, TRANSPARENT);
        Rectangle(c.dc, s0.x, s0.y, s1.x, s1.y);
    }
    if (b.cursor) {
        const POINT m = f.at(*b.cursor);
        line(c.dc, {m.x - c.sc(10), m.y}, {m.x + c.sc(10), m.y}, Selected_);
        line(c.dc, {m.x, m.y - c.sc(10)}, {m.x, m.y + c.sc(10)}, Selected_);
    }
}

} // namespace lt::win32
