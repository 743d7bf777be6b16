#include "pictures/host_view.h"

#include <algorithm>
#include <cmath>

namespace lt::pictures {

namespace {
// Heights of the window's bars, in twips (pixels at 96 dots an inch times 15).
constexpr int Edge = 45, TitleBar = 270, MenuBar = 285, ToolBar = 390, StatusBar = 270;
constexpr int BoardMargin = 210;
// Toolbar buttons: square, spaced evenly, with wider gaps after the fourth and
// the ninth button.
constexpr int ToolInset = 60, ToolSize = 300, ToolGap = 45, GroupGap = 120;
} // namespace

HostLayout hostLayout(const Area& w)
{
    HostLayout l;
    const int left = w.left + Edge, width = w.width - 2 * Edge;
    l.title = {left, w.top + Edge, width, TitleBar};
    l.menu = {left, l.title.top + TitleBar, width, MenuBar};
    l.toolbar = {left, l.menu.top + MenuBar, width, ToolBar};
    l.status = {left, w.top + w.height - Edge - StatusBar, width, StatusBar};
    l.design = {left, l.toolbar.top + ToolBar, width, l.status.top - (l.toolbar.top + ToolBar)};
    return l;
}

Tool toolbarTool(int index) { return static_cast<Tool>(index % 7); }

std::string toolName(Tool tool)
{
    static const char* const names[] = {"Page", "Component", "Track", "Via", "Zone", "Zoom", "Text"};
    return names[static_cast<int>(tool)];
}

Area toolbarButton(const HostLayout& layout, int index)
{
    const int left = layout.toolbar.left + ToolInset + index * (ToolSize + ToolGap) + (index >= 4 ? GroupGap : 0) +
                     (index >= 9 ? GroupGap : 0);
    return {left, layout.toolbar.top + ToolGap, ToolSize, ToolSize};
}

Area boardExtent(const Board& b)
{
    int left = b.outline.left, top = b.outline.top;
    int right = left + b.outline.width, bottom = top + b.outline.height;
    for (const Component& part : b.components) {
        left = std::min(left, part.at.x - part.width / 2 - 100);
        top = std::min(top, part.at.y - part.height / 2 - 100);
        right = std::max(right, part.at.x + part.width / 2 + 100);
        bottom = std::max(bottom, part.at.y + part.height / 2 + 100);
    }
    return {left, top, right - left, bottom - top};
}

BoardFit::BoardFit(const Board& board, const Area& design, const BoardZoom& zoom)
{
    const Area e = boardExtent(board);
    const double w = std::max(1, e.width), h = std::max(1, e.height);
    const double availableW = design.width - 2 * BoardMargin, availableH = design.height - 2 * BoardMargin;
    scale_ = std::min(availableW / w, availableH / h);
    x0_ = e.left;
    y0_ = e.top;
    left_ = design.left + BoardMargin + (availableW - w * scale_) / 2;
    top_ = design.top + BoardMargin + (availableH - h * scale_) / 2;
    if (zoom.steps == 0 && !zoom.centre)
        return;
    scale_ *= std::pow(std::sqrt(2.0), zoom.steps);
    const Point centre = zoom.centre.value_or(Point{e.left + e.width / 2, e.top + e.height / 2});
    left_ = design.left + design.width / 2.0 - (centre.x - x0_) * scale_;
    top_ = design.top + design.height / 2.0 - (centre.y - y0_) * scale_;
}

Point BoardFit::toPicture(Point p) const
{
    return {static_cast<int>(std::lround(left_ + (p.x - x0_) * scale_)),
            static_cast<int>(std::lround(top_ + (p.y - y0_) * scale_))};
}

Point BoardFit::toBoard(Point p) const
{
    return {static_cast<int>(std::lround(x0_ + (p.x - left_) / scale_)),
            static_cast<int>(std::lround(y0_ + (p.y - top_) / scale_))};
}

int BoardFit::length(int mils) const { return static_cast<int>(std::lround(mils * scale_)); }

} // namespace lt::pictures
