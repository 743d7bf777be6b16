// A screen of the host as the lessons show it: its design window with title
// bar, menu bar, toolbar, design area and status bar, an open menu, dialogs.
#include <algorithm>

#include "platform/win32/paint_kit.h"

namespace lt::win32 {

namespace {

constexpr COLORREF Face = RGB(192, 192, 192), Title = RGB(0, 0, 128), Highlight = RGB(0, 0, 128),
                   Design = RGB(0, 0, 0), White = RGB(255, 255, 255), Black = RGB(0, 0, 0), Shadow = RGB(128, 128, 128);

struct Bars {
    RECT title, menu, toolbar, design, status;
};

Bars layout(const Canvas& c)
{
    const pictures::HostLayout l = pictures::hostLayout(c.twips());
    return {c.rect(l.title), c.rect(l.menu), c.rect(l.toolbar), c.rect(l.design), c.rect(l.status)};
}

// The left edge of each menu bar entry.
std::vector<int> menuLefts(const Canvas& c, const pictures::HostScreen& h, const RECT& bar)
{
    std::vector<int> lefts;
    int x = bar.left + c.sc(6);
    for (const pictures::Menu& m : pictures::menuBar(h.window)) {
        lefts.push_back(x);
        x += textWidth(c, m.name()) + c.sc(14);
    }
    return lefts;
}

void paintTitleBar(const Canvas& c, const RECT& r, const std::string& title)
{
    fill(c.dc, r, Title);
    RECT t = {r.left + c.sc(22), r.top, r.right - c.sc(60), r.bottom};
    text(c, title, t, White, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS, 8, true);
    // The program's icon and the window's three buttons.
    const int s = c.sc(14), m = (r.top + r.bottom) / 2;
    RECT icon = {r.left + c.sc(3), m - s / 2, r.left + c.sc(3) + s, m + s / 2};
    fill(c.dc, icon, RGB(32, 120, 56));
    line(c.dc, {icon.left + 2, m}, {icon.right - 2, m}, RGB(220, 170, 60), c.sc(2));
    for (int i = 0; i < 3; ++i) {
        RECT b = {r.right - (3 - i) * (s + c.sc(2)), m - s / 2 + 1, r.right - (3 - i) * (s + c.sc(2)) + s, m + s / 2};
        fill(c.dc, b, Face);
        bevel(c.dc, b, true);
    }
}

void paintMenuBar(const Canvas& c, const pictures::HostScreen& h, const RECT& r)
{
    fill(c.dc, r, Face);
    const std::vector<int> lefts = menuLefts(c, h, r);
    const std::vector<pictures::Menu>& menus = pictures::menuBar(h.window);
    for (std::size_t i = 0; i < menus.size(); ++i) {
        const bool open = h.menu && h.menu->menu == menus[i].name();
        RECT e = {lefts[i] - c.sc(4), r.top + 1, lefts[i] + textWidth(c, menus[i].name()) + c.sc(4), r.bottom - 1};
        if (open)
            fill(c.dc, e, Highlight);
        label(c, menus[i].label, e, open ? White : Black, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    }
}

// Small drawings that stand for the toolbar's tools.
void paintToolbar(const Canvas& c, const pictures::HostScreen& p, const RECT& r)
{
    fill(c.dc, r, Face);
    line(c.dc, {r.left, r.bottom - 1}, {r.right, r.bottom - 1}, Shadow);
    const pictures::HostLayout layout = pictures::hostLayout(c.twips());
    using pictures::Tool;
    for (int i = 0; i < pictures::ToolbarButtons; ++i) {
        const RECT b = c.rect(pictures::toolbarButton(layout, i));
        const bool hot = p.toolbarHighlight && *p.toolbarHighlight == i;
        fill(c.dc, b, hot ? RGB(255, 255, 160) : Face);
        bevel(c.dc, b, !hot);
        const POINT m = {(b.left + b.right) / 2, (b.top + b.bottom) / 2};
        const int q = (b.right - b.left) / 4;
        switch (pictures::toolbarTool(i)) {
        case Tool::Page:
            frame(c.dc, RECT{m.x - q, m.y - q - 2, m.x + q, m.y + q + 2}, Black);
            break;
        case Tool::Component:
            fill(c.dc, RECT{m.x - q, m.y - q, m.x + q, m.y + q}, RGB(40, 40, 40));
            break;
        case Tool::Track:
            line(c.dc, {m.x - q - 2, m.y + q}, {m.x, m.y - q}, RGB(200, 0, 0), c.sc(2));
            line(c.dc, {m.x, m.y - q}, {m.x + q + 2, m.y - q}, RGB(200, 0, 0), c.sc(2));
            break;
        case Tool::Via:
            frame(c.dc, RECT{m.x - q, m.y - q, m.x + q, m.y + q}, RGB(0, 0, 160), c.sc(2));
            break;
        case Tool::Zone:
            frame(c.dc, RECT{m.x - q - 1, m.y - q, m.x + q + 1, m.y + q}, RGB(0, 128, 0));
            line(c.dc, {m.x - q, m.y + q}, {m.x + q, m.y - q}, RGB(0, 128, 0));
            break;
        case Tool::Zoom:
            frame(c.dc, RECT{m.x - q, m.y - q, m.x + q / 2, m.y + q / 2}, Black);
            line(c.dc, {m.x + q / 2, m.y + q / 2}, {m.x + q + 1, m.y + q + 1}, Black, c.sc(2));
            break;
        case Tool::Text:
            text(c, "A", b, Black, DT_SINGLELINE | DT_CENTER | DT_VCENTER, 8, true);
            break;
        }
    }
}

struct DropDown {
    RECT box;
    std::vector<int> tops; // of each item
};

// A menu's items in a raised box with its corner at x, y; the item named
// `highlighted` under the pointer.
DropDown paintDropDown(const Canvas& c, const std::vector<pictures::MenuItem>& items, const std::string& highlighted,
                       int x, int y)
{
    const int row = c.sc(17), sep = c.sc(8);
    int width = c.sc(90), height = c.sc(4);
    for (const pictures::MenuItem& item : items) {
        const int keys = item.shortcut.empty() ? 0 : textWidth(c, item.shortcut) + c.sc(20);
        width = std::max(width, textWidth(c, item.name() + (item.dialog.empty() ? "" : "...")) + keys + c.sc(50));
        height += item.separator() ? sep : row;
    }
    DropDown d{{x, y, x + width, y + height}, {}};
    RECT shadow = d.box;
    OffsetRect(&shadow, c.sc(3), c.sc(3));
    fill(c.dc, shadow, Shadow);
    fill(c.dc, d.box, Face);
    bevel(c.dc, d.box, true);
    int top = y + c.sc(2);
    for (const pictures::MenuItem& item : items) {
        d.tops.push_back(top);
        if (item.separator()) {
            line(c.dc, {x + c.sc(3), top + sep / 2}, {d.box.right - c.sc(3), top + sep / 2}, Shadow);
            top += sep;
            continue;
        }
        RECT itemRect = {x + c.sc(3), top, d.box.right - c.sc(3), top + row};
        const bool hot = !highlighted.empty() && item.name() == highlighted;
        if (hot)
            fill(c.dc, itemRect, Highlight);
        const COLORREF ink = hot ? White : Black;
        const std::string shown = item.menuText();
        const auto tab = shown.find('\t');
        RECT t = {itemRect.left + c.sc(16), itemRect.top, itemRect.right - c.sc(8), itemRect.bottom};
        label(c, shown.substr(0, tab), t, ink, DT_SINGLELINE | DT_VCENTER);
        if (tab != std::string::npos)
            text(c, shown.substr(tab + 1), t, ink, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
        if (!item.choices.empty()) {
            // The arrow of a cascading item.
            const int m = (itemRect.top + itemRect.bottom) / 2, tip = itemRect.right - c.sc(5), h = c.sc(4);
            const POINT arrow[] = {{tip - h, m - h}, {tip, m}, {tip - h, m + h}};
            Selected pen(c.dc, CreatePen(PS_SOLID, 1, ink));
            Selected brush(c.dc, CreateSolidBrush(ink));
            Polygon(c.dc, arrow, 3);
        }
        top += row;
    }
    return d;
}

void paintMenu(const Canvas& c, const pictures::HostScreen& h, const Bars& bars)
{
    const pictures::OpenMenu& open = *h.menu;
    const pictures::Menu* menu = pictures::findMenu(h.window, open.menu);
    if (!menu)
        return;
    const std::vector<pictures::Menu>& menus = pictures::menuBar(h.window);
    const std::vector<int> lefts = menuLefts(c, h, bars.menu);
    const auto at = static_cast<std::size_t>(menu - menus.data());
    const std::vector<pictures::MenuItem> items = menu->itemsShown(h.designs());
    const DropDown d = paintDropDown(c, items, open.item, lefts[at] - c.sc(4), bars.menu.bottom);
    if (open.choice.empty())
        return;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (!items[i].separator() && items[i].name() == open.item)
            paintDropDown(c, items[i].choices, open.choice, d.box.right - c.sc(4), d.tops[i]);
}

} // namespace

void paintDialog(const Canvas& c, const pictures::Dialog& d)
{
    using K = pictures::DialogItem::Kind;
    const RECT r = c.rect(d.at);
    RECT shadow = r;
    OffsetRect(&shadow, c.sc(4), c.sc(4));
    fill(c.dc, shadow, RGB(64, 64, 64));
    fill(c.dc, r, Face);
    bevel(c.dc, r, true);
    RECT title = {r.left + c.sc(3), r.top + c.sc(3), r.right - c.sc(3), r.top + c.sc(21)};
    fill(c.dc, title, Title);
    RECT t = title;
    t.left += c.sc(5);
    text(c, d.title, t, White, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS, 8, true);
    const Canvas inside{c.dc, RECT{title.left, title.bottom + c.sc(2), title.right, r.bottom - c.sc(3)}, c.dpi};
    for (const pictures::DialogItem& item : d.items) {
        const RECT a = inside.rect(item.at);
        const int box = c.sc(12), m = (a.top + a.bottom) / 2;
        switch (item.kind) {
        case K::Label:
            text(c, item.text, a, Black, DT_WORDBREAK);
            break;
        case K::Field: {
            const int split = item.text.empty() ? a.left : a.left + (a.right - a.left) * 2 / 5;
            if (!item.text.empty())
                text(c, item.text, RECT{a.left, a.top, split - c.sc(4), a.bottom}, Black, DT_SINGLELINE | DT_VCENTER);
            RECT f = {split, a.top, a.right, a.bottom};
            fill(c.dc, f, item.highlighted ? RGB(255, 255, 160) : White);
            bevel(c.dc, f, false);
            f.left += c.sc(4);
            text(c, item.value, f, Black, DT_SINGLELINE | DT_VCENTER);
            break;
        }
        case K::CheckBox:
        case K::Option: {
            RECT b = {a.left, m - box / 2, a.left + box, m + box / 2};
            fill(c.dc, b, White);
            bevel(c.dc, b, false);
            if (item.on) {
                if (item.kind == K::CheckBox) {
                    line(c.dc, {b.left + 2, m}, {b.left + box / 2 - 1, b.bottom - 3}, Black, c.sc(2));
                    line(c.dc, {b.left + box / 2 - 1, b.bottom - 3}, {b.right - 2, b.top + 2}, Black, c.sc(2));
                } else {
                    fill(c.dc, RECT{b.left + 3, b.top + 3, b.right - 3, b.bottom - 3}, Black);
                }
            }
            RECT l = {b.right + c.sc(5), a.top, a.right, a.bottom};
            if (item.highlighted)
                fill(c.dc, RECT{l.left - 1, m - c.sc(8), std::min(l.right, l.left + textWidth(c, item.text) + 3), m + c.sc(8)},
                     RGB(255, 255, 160));
            text(c, item.text, l, Black, DT_SINGLELINE | DT_VCENTER);
            break;
        }
        case K::Button: {
            fill(c.dc, a, item.highlighted ? RGB(255, 255, 160) : Face);
            bevel(c.dc, a, true);
            if (item.highlighted)
                frame(c.dc, a, Black);
            text(c, item.text, a, Black, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
            break;
        }
        case K::List: {
            fill(c.dc, a, White);
            bevel(c.dc, a, false);
            int top = a.top + c.sc(2);
            std::size_t start = 0;
            for (int index = 0; start <= item.value.size() && top + c.sc(15) <= a.bottom; ++index) {
                const auto end = item.value.find('\n', start);
                const std::string entry = item.value.substr(start, end == std::string::npos ? std::string::npos : end - start);
                RECT row = {a.left + c.sc(2), top, a.right - c.sc(2), top + c.sc(15)};
                const bool chosen = !item.text.empty() && entry == item.text;
                if (chosen)
                    fill(c.dc, row, Highlight);
                row.left += c.sc(3);
                text(c, entry, row, chosen ? White : Black, DT_SINGLELINE | DT_VCENTER);
                top += c.sc(15);
                if (end == std::string::npos)
                    break;
                start = end + 1;
            }
            break;
        }
        case K::Group: {
            RECT g = a;
            g.top += c.sc(6);
            DrawEdge(c.dc, &g, EDGE_ETCHED, BF_RECT);
            const int w = textWidth(c, item.text) + c.sc(6);
            RECT label = {a.left + c.sc(8), a.top, a.left + c.sc(8) + w, a.top + c.sc(13)};
            fill(c.dc, label, Face);
            text(c, item.text, label, Black, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
            break;
        }
        }
    }
}

void paintHostWindow(const Canvas& c, const pictures::HostScreen& h)
{
    const RECT r = c.area;
    fill(c.dc, r, Face);
    bevel(c.dc, r, true);
    const Bars bars = layout(c);
    paintTitleBar(c, bars.title, h.title());
    paintMenuBar(c, h, bars.menu);
    paintToolbar(c, h, bars.toolbar);
    fill(c.dc, bars.design, Design);
    if (h.board) {
        const int save = SaveDC(c.dc);
        IntersectClipRect(c.dc, bars.design.left, bars.design.top, bars.design.right, bars.design.bottom);
        paintBoard(c, *h.board, pictures::hostLayout(c.twips()).design);
        RestoreDC(c.dc, save);
    }
    fill(c.dc, bars.status, Face);
    RECT status = bars.status;
    InflateRect(&status, -c.sc(2), -c.sc(2));
    bevel(c.dc, status, false);
    status.left += c.sc(4);
    text(c, h.status, status, Black, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
}

void paintOpenMenu(const Canvas& c, const pictures::ScreenPicture& p)
{
    if (p.host && p.host->menu)
        paintMenu(c, *p.host, layout(c));
    if (p.popup) {
        const POINT at = c.point(p.popup->at);
        paintDropDown(c, pictures::componentPopup().items, p.popup->item, at.x, at.y);
    }
}

} // namespace lt::win32
