// Lesson 1's design-flow chart: the stages of a board design, from the
// schematic to the manufacturing files; clicking a stage points at it and
// describes the tools used there.
#include <array>
#include <cstdlib>
#include <optional>

#include "lessons/lesson_window.h"

namespace lt {

namespace {

using forms::Area;
using forms::Figure;

constexpr int ChartWidth = 9360, ChartHeight = 4680, PointerWidth = 315, PointerHeight = 240, BoxHeight = 360;
constexpr int FirstDescription = 1150;

struct Stage {
    const char* name;
    Area box;                     // the stage's box and its click area, in the chart
    std::optional<forms::Point> pointer; // where the pointer goes; none: not described
};

// Indexed like the click areas. The pointer stands just left of its stage.
const std::array<Stage, 13> Stages = {{
    {"Schematic capture", {1725, 1005, 1800, BoxHeight}, forms::Point{1395, 1065}},
    {"Symbol libraries", {1590, 1950, 1800, BoxHeight}, forms::Point{1260, 2010}},
    {"Netlist", {1590, 2580, 1800, BoxHeight}, std::nullopt},
    {"Simulation models", {1680, 3170, 1800, BoxHeight}, forms::Point{1350, 3230}},
    {"Footprint libraries", {4350, 1685, 1500, BoxHeight}, forms::Point{4020, 1745}},
    {"Component placement", {4575, 2805, 1500, BoxHeight}, forms::Point{4245, 2865}},
    {"Manual routing", {6510, 555, 1170, BoxHeight}, forms::Point{6180, 615}},
    {"Autorouting", {6450, 1350, 1170, BoxHeight}, forms::Point{6120, 1410}},
    {"Design checks", {6630, 2385, 1170, BoxHeight}, forms::Point{6300, 2445}},
    {"Relinx changes", {6765, 3360, 1170, BoxHeight}, forms::Point{6435, 3420}},
    {"Post processing", {8190, 1125, 1080, BoxHeight}, forms::Point{7860, 1185}},
    {"Cross probing", {8310, 2430, 1000, BoxHeight}, forms::Point{7980, 2490}},
    {"Board setup", {4455, 750, 1500, BoxHeight}, forms::Point{4125, 810}},
}};

// The arrows between stages: from one stage's box edge to another's.
struct Flow {
    int from, to;
};
constexpr Flow Flows[] = {{1, 0}, {0, 2}, {3, 0}, {2, 12}, {12, 5}, {4, 5}, {5, 6}, {5, 7},
                          {6, 8}, {7, 8}, {8, 10}, {9, 5}, {11, 0}};

forms::Point centre(const Area& a) { return {a.left + a.width / 2, a.top + a.height / 2}; }

// Where the line between two boxes leaves the first one.
forms::Point edgeToward(const Area& a, forms::Point target)
{
    const forms::Point c = centre(a);
    const int dx = target.x - c.x, dy = target.y - c.y;
    if (std::abs(dx) * a.height > std::abs(dy) * a.width)
        return {dx > 0 ? a.left + a.width : a.left, c.y + (dx ? dy * (a.width / 2) / std::abs(dx) : 0)};
    return {c.x + (dy ? dx * (a.height / 2) / std::abs(dy) : 0), dy > 0 ? a.top + a.height : a.top};
}

forms::PictureRef chartPicture()
{
    auto p = std::make_shared<forms::Picture>();
    p->background = 0xFFFFFF;
    constexpr unsigned Ink = 0x000000, Heading = 0x800000, Arrow = 0x808080, Stage_ = 0xF0E0C0;
    p->figures.push_back({Figure::Kind::Box, {0, 0, ChartWidth, ChartHeight}, "", Ink});
    const std::pair<int, const char*> headings[] = {
        {1590, "Design entry"}, {4350, "Board layout"}, {6450, "Routing and checks"}, {8190, "Output"}};
    for (const auto& [left, text] : headings)
        p->figures.push_back({Figure::Kind::Text, {left, 150, 1800, 300}, text, Heading, false, true});
    for (const Flow& f : Flows) {
        const Area& a = Stages[static_cast<std::size_t>(f.from)].box;
        const Area& b = Stages[static_cast<std::size_t>(f.to)].box;
        const forms::Point from = edgeToward(a, centre(b)), to = edgeToward(b, centre(a));
        p->figures.push_back({Figure::Kind::Arrow, {from.x, from.y, to.x - from.x, to.y - from.y}, "", Arrow});
    }
    for (const Stage& s : Stages) {
        p->figures.push_back({Figure::Kind::Box, s.box, "", Stage_, true});
        p->figures.push_back({Figure::Kind::Box, s.box, s.name, Ink});
    }
    return p;
}

} // namespace

DesignFlowChart::DesignFlowChart(forms::Form& form)
    : Design_Flow(form, forms::ControlKind::PictureBox, "Design_Flow"),
      Hotspot(form, forms::ControlKind::Label, "Hotspot", 0, 12, &Design_Flow),
      Chart_Pointer(form, forms::ControlKind::Image, "Chart_Pointer", &Design_Flow),
      Desc(form, forms::ControlKind::Label, "Desc", &Design_Flow)
{
    Design_Flow.move(585, 1400, ChartWidth, ChartHeight);
    Design_Flow.setPicture(chartPicture());
    Design_Flow.setVisible(false);
    for (int i = 0; i <= 12; ++i) {
        const Area& a = Stages[static_cast<std::size_t>(i)].box;
        Hotspot[i].setTransparent(true);
        Hotspot[i].move(a.left, a.top, a.width, a.height);
    }
    Chart_Pointer.setPicture("pointer");
    Chart_Pointer.move(0, 0, PointerWidth, PointerHeight);
    Chart_Pointer.setVisible(false);
    Desc.move(240, 3900, ChartWidth - 480, 660);
    Desc.setBackColor(forms::White);
}

void LessonWindow::Hotspot_Click(int index)
{
    const auto& pointer = Stages[static_cast<std::size_t>(index)].pointer;
    if (!pointer)
        return;
    chart->Chart_Pointer.setVisible(false);
    chart->Chart_Pointer.move(pointer->x, pointer->y);
    chart->Chart_Pointer.setVisible(true);
    chart->Desc.setCaption(t.text(FirstDescription + index));
}

} // namespace lt
