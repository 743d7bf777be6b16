// Lesson 1's design-flow chart: the stages of a board design, from the
// schematic to the manufacturing files; clicking a stage points at it and
// describes the tools used there.
#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>

#include "lessons/lesson_window.h"
#include "pictures/screen_picture.h"

namespace lt {

namespace {

using pictures::Area;
using pictures::Figure;

constexpr int ChartWidth = 9360, ChartHeight = 4680, PointerWidth = 315, PointerHeight = 240, BoxHeight = 420;
constexpr int FirstDescription = 1150;

struct Stage {
    const char* name;
    Area box;                            // the stage's box and its click area, in the chart
    std::optional<pictures::Point> pointer; // where the pointer goes; none: not described
};

// Indexed like the click areas. The pointer stands just left of its stage,
// level with the middle of the box.
const std::array<Stage, 13> Stages = {{
    {"Schematic capture", {1725, 975, 1800, BoxHeight}, pictures::Point{1395, 1065}},
    {"Symbol libraries", {1590, 1920, 1800, BoxHeight}, pictures::Point{1260, 2010}},
    {"Netlist", {1590, 2520, 1800, BoxHeight}, std::nullopt},
    {"Simulation models", {1680, 3140, 1800, BoxHeight}, pictures::Point{1350, 3230}},
    {"Footprint libraries", {4350, 1655, 1500, BoxHeight}, pictures::Point{4020, 1745}},
    {"Component placement", {4575, 2775, 1500, BoxHeight}, pictures::Point{4245, 2865}},
    {"Manual routing", {6510, 525, 1170, BoxHeight}, pictures::Point{6180, 615}},
    {"Autorouting", {6450, 1320, 1170, BoxHeight}, pictures::Point{6120, 1410}},
    {"Design checks", {6630, 2355, 1170, BoxHeight}, pictures::Point{6300, 2445}},
    {"Relinx changes", {6765, 3330, 1170, BoxHeight}, pictures::Point{6435, 3420}},
    {"Post processing", {8190, 1095, 1080, BoxHeight}, pictures::Point{7860, 1185}},
    {"Cross probing", {8310, 2400, 1000, BoxHeight}, pictures::Point{7980, 2490}},
    {"Board setup", {4455, 720, 1500, BoxHeight}, pictures::Point{4125, 810}},
}};

// The chart's columns, left to right, each headed at its left edge.
constexpr std::pair<int, const char*> Headings[] = {
    {1590, "Design entry"}, {4350, "Board layout"}, {6450, "Routing"}, {8190, "Output"}};

// How the work flows from stage to stage: paths that keep clear of the
// boxes, each ending in an arrow.
const std::vector<std::vector<pictures::Point>> Flows = {
    {{2490, 1920}, {2490, 1395}},                                 // symbols into the schematic
    {{3525, 1185}, {3620, 1185}, {3620, 2610}, {3390, 2610}},     // the schematic gives the netlist
    {{2490, 3140}, {2490, 2940}},                                 // models with the netlist
    {{3390, 2850}, {3850, 2850}, {3850, 930}, {4455, 930}},       // the netlist sets up the board
    {{5955, 930}, {6030, 930}, {6030, 2560}, {5325, 2560}, {5325, 2775}}, // the board is ready to place
    {{5100, 2075}, {5100, 2775}},                                 // footprints for placing
    {{6075, 2985}, {6270, 2985}, {6270, 735}, {6510, 735}},       // placed parts are routed
    {{7095, 945}, {7095, 1320}},                                  // by hand, then automatically
    {{7035, 1740}, {7035, 2355}},                                 // routes are checked
    {{7800, 2450}, {8100, 2450}, {8100, 1800}, {8730, 1800}, {8730, 1515}}, // checked boards give output
    {{6765, 3540}, {5325, 3540}, {5325, 3195}},                   // schematic changes come back to the board
    {{7800, 2660}, {8310, 2660}},                                 // checks with the schematic beside
};

forms::PictureRef chartPicture()
{
    auto p = std::make_shared<pictures::ScreenPicture>();
    p->background = 0xFFFFFF;
    constexpr unsigned Ink = 0x000000, Heading = 0x800000, Flow = 0x808080, StageFill = 0xF0E0C0;
    p->figures.push_back({Figure::Kind::Box, {0, 0, ChartWidth, ChartHeight}, "", Ink});
    for (const auto& [left, text] : Headings)
        p->figures.push_back({Figure::Kind::Text, {left, 150, 1700, 300}, text, Heading, false, true});
    for (const auto& path : Flows)
        for (std::size_t i = 1; i < path.size(); ++i) {
            const pictures::Point a = path[i - 1], b = path[i];
            const auto kind = i + 1 == path.size() ? Figure::Kind::Arrow : Figure::Kind::Line;
            p->figures.push_back({kind, {a.x, a.y, b.x - a.x, b.y - a.y}, "", Flow, false, true});
        }
    for (const Stage& s : Stages) {
        p->figures.push_back({Figure::Kind::Box, s.box, "", StageFill, true});
        p->figures.push_back({Figure::Kind::Box, s.box, s.name, Ink});
    }
    return p;
}

int columnOf(const Stage& s)
{
    return static_cast<int>(std::count_if(std::begin(Headings), std::end(Headings),
                                          [&](const auto& h) { return h.first <= s.box.left; }));
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
        // The stage's name, as the chart shows it, is what a screen reader
        // says of its click area.
        Hotspot[i].setAccessibleName(Stages[static_cast<std::size_t>(i)].name);
    }
    Chart_Pointer.setPicture("pointer");
    Chart_Pointer.move(0, 0, PointerWidth, PointerHeight);
    Chart_Pointer.setVisible(false);
    Desc.move(240, 3900, ChartWidth - 480, 660);
    Desc.setBackColor(forms::White);
}

std::vector<forms::Control*> DesignFlowChart::stagesInReadingOrder()
{
    std::vector<int> order(Stages.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    std::stable_sort(order.begin(), order.end(), [](int a, int b) {
        const Stage &x = Stages[static_cast<std::size_t>(a)], &y = Stages[static_cast<std::size_t>(b)];
        return std::pair(columnOf(x), x.box.top) < std::pair(columnOf(y), y.box.top);
    });
    std::vector<forms::Control*> areas;
    for (int i : order)
        areas.push_back(&Hotspot[i]);
    return areas;
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
