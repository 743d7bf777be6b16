#include "lessons/pictures/picture_kit.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <sstream>
#include <stdexcept>

namespace lt::pictures {

using forms::Area;
using forms::Board;
using forms::Component;
using forms::Layer;
using forms::Point;

namespace {

struct PartSpec {
    const char* ref;
    int x, y, w, h, pins;
    bool smd;
};

// TUTORBD2.MAX and TUTORBD3.MAX: a small controller card with the connector
// J1 at its left edge. U12 and C7, the last two, join the board in TUTORBD3.
constexpr PartSpec Parts[] = {
    {"J1", 300, 2500, 250, 1050, 20, false},  {"U1", 1550, 1050, 400, 240, 14, true},
    {"U2", 2700, 1050, 400, 240, 14, true},   {"U3", 4025, 1150, 1050, 400, 20, false},
    {"R1", 4725, 1500, 160, 100, 2, true},    {"R2", 5050, 1500, 160, 100, 2, true},
    {"U4", 1550, 1900, 450, 240, 16, true},   {"U5", 3300, 2150, 1250, 700, 24, false},
    {"U6", 4900, 2200, 250, 240, 8, true},    {"U7", 2100, 2700, 400, 240, 14, true},
    {"U8", 4600, 3300, 850, 400, 16, false},  {"U9", 1550, 3600, 450, 240, 16, true},
    {"U10", 2900, 3700, 750, 400, 14, false}, {"U11", 4600, 4200, 250, 240, 8, true},
    {"C1", 1550, 1400, 160, 100, 2, true},    {"C2", 2700, 1400, 160, 100, 2, true},
    {"C3", 1550, 2250, 160, 100, 2, true},    {"C4", 4900, 2550, 160, 100, 2, true},
    {"C5", 1550, 3950, 160, 100, 2, true},    {"C6", 2900, 4150, 160, 100, 2, true},
    {"R3", 5500, 3100, 160, 100, 2, true},    {"R4", 5500, 3500, 160, 100, 2, true},
    {"U12", 1025, 4525, 250, 240, 8, true},   {"C7", 1600, 4525, 160, 100, 2, true},
};
constexpr std::size_t FinishingParts = 2;

constexpr Area Outline = {0, 0, 6000, 5000};

// The connections of TUTORBD2 and TUTORBD3, pin to pin, and how TUTORBD3
// routes them. A route reads from the first pin: a layer (T or B) and the
// corners on it; a layer named after a corner changes layers there through
// a via. The last run ends on the second pin. TUTORBD2 has the early ones
// routed already.
enum class When { Early, Late };

struct NetSpec {
    const char* from;
    int fromPin;
    const char* to;
    int toPin;
    When routed;
    const char* route;
};

constexpr NetSpec Nets[] = {
    {"J1", 1, "U1", 1, When::Early, "T 591,2027 1378,1240"},
    {"J1", 2, "U1", 2, When::Early, "T 543,2132 1435,1240"},
    {"J1", 4, "U4", 1, When::Early, "T 1101,2342 1353,2090"},
    {"J1", 5, "U4", 2, When::Late, "T 1052,2447 1409,2090"},
    {"J1", 7, "U7", 1, When::Late, "T 1765,2657"},
    {"J1", 9, "U9", 1, When::Late, "T 500,2867"},
    {"J1", 10, "U9", 2, When::Late, "T 661,2972"},
    {"U1", 8, "U2", 1, When::Early, "T 2288,930"},
    {"U1", 9, "U2", 2, When::Early, "T 2345,930"},
    {"U2", 8, "U3", 1, When::Late, "T 3132,930"},
    {"U2", 9, "U3", 2, When::Late, "T 3237,930"},
    {"R1", 2, "U3", 11, When::Early, "T 4725,1380 B 4497,1152"},
    {"U3", 12, "R2", 2, When::Early, "T 4620,950 5050,1380"},
    {"R2", 1, "U6", 8, When::Late, "T 5050,1620 B 5050,1766 4806,2010 T"},
    {"U4", 9, "U5", 1, When::Late, "T 2007,1780"},
    {"U4", 10, "U5", 2, When::Late, "T 2111,1780"},
    {"U5", 13, "U6", 1, When::Late, "T 4286,1800"},
    {"U5", 14, "U8", 1, When::Late, "B 3768,3040"},
    {"U7", 8, "U10", 1, When::Late, "T 2271,2510 B 2271,3593"},
    {"U7", 9, "U5", 4, When::Late, "T 2214,2510 2979,2510 3039,2570"},
    {"U9", 9, "U10", 2, When::Late, "T 2265,3480"},
    {"U10", 8, "U8", 2, When::Late, "T 3221,3430 4194,3430 4334,3570"},
    {"U8", 9, "R3", 1, When::Late, "T 5450,3100"},
    {"U8", 10, "R4", 1, When::Late, "T 5050,3100"},
    {"U11", 8, "U8", 8, When::Late, "T 4506,4010 B 4946,3570 4971,3570"},
    {"U1", 14, "C1", 2, When::Early, "T 1378,860 B 1378,1108 1550,1280 T"},
    {"U2", 14, "C2", 2, When::Early, "T 2528,860 B 2528,1108 2700,1280 T"},
    {"U4", 16, "C3", 2, When::Late, "T 1353,1710 B 1353,1933 1550,2130 T"},
    {"U6", 5, "C4", 2, When::Late, "T 4993,2010 B 4993,2337 4900,2430 T"},
    {"U9", 16, "C5", 2, When::Late, "T 1353,3410 B 1353,3633 1550,3830 T"},
    {"C6", 2, "U10", 14, When::Late, "T 2900,4030 B 2578,3708"},
    {"J1", 20, "U11", 1, When::Late, "T 495,2027 2213,2027"},
    {"U9", 12, "U12", 1, When::Late, "T 1578,3410 B 1578,4068 931,4715 T"},
    {"U12", 8, "C7", 2, When::Late, "T 1600,4405"},
    {"U12", 5, "U11", 5, When::Late, "T 1118,4335 4438,4335"},
};

// The ground pins of the surface mount parts, each joined to the ground zone
// by a short, wide track and a via.
struct FanoutSpec {
    const char* ref;
    int pin;
    Point via;
};

constexpr FanoutSpec Fanouts[] = {
    {"U1", 7, {1721, 1230}}, {"U2", 7, {2871, 1230}}, {"U4", 8, {1746, 2080}},  {"U6", 4, {4993, 2380}},
    {"U7", 7, {2271, 2880}}, {"U9", 8, {1746, 3780}}, {"U11", 4, {4693, 4380}}, {"U12", 4, {1118, 4705}},
};

// TUTORBD4.MAX, a small, dense board: four rows of parts above the connector
// J1, every resistor and capacitor routed to its chip, the connections along
// the rows and down to J1 not yet.
constexpr PartSpec DenseParts[] = {
    {"U1", 450, 450, 450, 240, 16, true},     {"U2", 1050, 450, 450, 240, 16, true},
    {"U3", 1650, 450, 450, 240, 16, true},    {"U4", 2250, 450, 450, 240, 16, true},
    {"R1", 375, 900, 160, 100, 2, true},      {"R2", 695, 900, 160, 100, 2, true},
    {"R3", 1015, 900, 160, 100, 2, true},     {"R4", 1335, 900, 160, 100, 2, true},
    {"R5", 1655, 900, 160, 100, 2, true},     {"R6", 1975, 900, 160, 100, 2, true},
    {"R7", 2295, 900, 160, 100, 2, true},     {"R8", 2615, 900, 160, 100, 2, true},
    {"U5", 450, 1325, 400, 240, 14, true},    {"U6", 1050, 1325, 400, 240, 14, true},
    {"U7", 1650, 1325, 400, 240, 14, true},   {"U8", 2250, 1325, 400, 240, 14, true},
    {"C1", 375, 1720, 160, 100, 2, true},     {"C2", 695, 1720, 160, 100, 2, true},
    {"C3", 1015, 1720, 160, 100, 2, true},    {"C4", 1335, 1720, 160, 100, 2, true},
    {"C5", 1655, 1720, 160, 100, 2, true},    {"C6", 1975, 1720, 160, 100, 2, true},
    {"C7", 2295, 1720, 160, 100, 2, true},    {"C8", 2615, 1720, 160, 100, 2, true},
    {"J1", 1500, 2120, 1050, 250, 20, false},
};

constexpr Area DenseOutline = {0, 0, 3000, 2400};

// Routed connections have a route, the others none.
constexpr NetSpec DenseNets[] = {
    {"U1", 3, "R1", 1, When::Early, "T 365,640 B 365,1010 375,1020 T"},
    {"U1", 6, "R2", 1, When::Early, "T 534,640 B 534,859 695,1020 T"},
    {"R1", 2, "U5", 10, When::Early, "T 375,780 B 375,1003 507,1135 T"},
    {"R2", 2, "U5", 12, When::Early, "T 695,780 B 695,832 392,1135 T"},
    {"U5", 3, "C1", 2, When::Early, "T 392,1515 B 392,1583 375,1600 T"},
    {"U5", 5, "C2", 2, When::Early, "T 507,1515 B 610,1515 695,1600 T"},
    {"U2", 3, "R3", 1, When::Early, "T 965,640 B 965,970 1015,1020 T"},
    {"U2", 6, "R4", 1, When::Early, "T 1134,640 B 1134,819 1335,1020 T"},
    {"R3", 2, "U6", 10, When::Early, "T 1015,780 B 1015,1043 1107,1135 T"},
    {"R4", 2, "U6", 12, When::Early, "T 1335,780 B 1335,792 992,1135 T"},
    {"U6", 3, "C3", 2, When::Early, "T 992,1515 B 992,1577 1015,1600 T"},
    {"U6", 5, "C4", 2, When::Early, "T 1107,1515 1250,1515 1335,1600"},
    {"U3", 3, "R5", 1, When::Early, "T 1565,640 B 1565,930 1655,1020 T"},
    {"U3", 6, "R6", 1, When::Early, "T 1734,640 B 1734,779 1975,1020 T"},
    {"R5", 2, "U7", 10, When::Early, "T 1655,780 B 1655,1083 1707,1135 T"},
    {"R6", 2, "U7", 12, When::Early, "T 1877,850 1592,1135"},
    {"U7", 3, "C5", 2, When::Early, "T 1592,1515 B 1592,1537 1655,1600 T"},
    {"U7", 5, "C6", 2, When::Early, "T 1707,1515 1890,1515 1975,1600"},
    {"U4", 3, "R7", 1, When::Early, "T 2165,640 B 2165,890 2295,1020 T"},
    {"U4", 6, "R8", 1, When::Early, "T 2334,640 B 2334,739 2615,1020 T"},
    {"R7", 2, "U8", 10, When::Early, "T 2295,780 B 2295,1123 2307,1135 T"},
    {"R8", 2, "U8", 12, When::Early, "T 2477,850 2192,1135"},
    {"U8", 3, "C7", 2, When::Early, "T 2192,1515 B 2210,1515 2295,1600 T"},
    {"U8", 5, "C8", 2, When::Early, "T 2307,1515 2530,1515 2615,1600"},
    {"C1", 1, "J1", 20, When::Late, nullptr},
    {"C2", 1, "J1", 19, When::Late, nullptr},
    {"C3", 1, "J1", 18, When::Late, nullptr},
    {"C4", 1, "J1", 17, When::Late, nullptr},
    {"C5", 1, "J1", 16, When::Late, nullptr},
    {"C6", 1, "J1", 15, When::Late, nullptr},
    {"C7", 1, "J1", 14, When::Late, nullptr},
    {"C8", 1, "J1", 13, When::Late, nullptr},
    {"U1", 12, "U2", 10, When::Late, nullptr},
    {"U2", 12, "U3", 10, When::Late, nullptr},
    {"U3", 12, "U4", 10, When::Late, nullptr},
    {"U5", 8, "U6", 14, When::Late, nullptr},
    {"U6", 8, "U7", 14, When::Late, nullptr},
    {"U7", 8, "U8", 14, When::Late, nullptr},
};

// TUTORBD1.MAX, the board of the placement lessons, with its own parts: as
// the file has them, the connector and some parts placed and the others
// waiting in two columns right of the board; and where the finished
// placement puts each of them.
struct PlacementSpec {
    const char* ref;
    int x, y, w, h, pins;
    bool smd;
    Point placed;
};

constexpr PlacementSpec PlacementParts[] = {
    {"J1", 300, 2500, 250, 1050, 20, false, {300, 2500}},    {"U1", 1200, 900, 400, 240, 14, true, {1200, 900}},
    {"U2", 2200, 900, 400, 240, 14, true, {2200, 900}},      {"U3", 3500, 1000, 1050, 400, 20, false, {3500, 1000}},
    {"U4", 1200, 1650, 450, 240, 16, true, {1200, 1650}},    {"U5", 2200, 1650, 450, 240, 16, true, {2200, 1650}},
    {"U6", 3700, 2150, 1250, 700, 24, false, {3700, 2150}},  {"U16", 2250, 3800, 1050, 400, 20, false, {2250, 3800}},
    {"C1", 1200, 1250, 160, 100, 2, true, {1200, 1250}},     {"C2", 2200, 1250, 160, 100, 2, true, {2200, 1250}},
    {"U7", 7000, 450, 400, 240, 14, true, {2700, 1500}},     {"U8", 7000, 920, 400, 240, 14, true, {4700, 1500}},
    {"U9", 7000, 1390, 450, 240, 16, true, {1200, 2700}},    {"U10", 7000, 1860, 450, 240, 16, true, {2500, 2700}},
    {"U11", 7000, 2330, 750, 400, 14, false, {5000, 900}},   {"U12", 7000, 2960, 850, 400, 16, false, {3700, 3000}},
    {"U13", 7000, 3590, 250, 240, 8, true, {2500, 3200}},    {"U14", 7000, 4060, 250, 240, 8, true, {2000, 3200}},
    {"U15", 7000, 4530, 1050, 400, 20, false, {1000, 3800}}, {"R1", 8000, 450, 160, 100, 2, true, {4300, 900}},
    {"R2", 8000, 750, 160, 100, 2, true, {4300, 1100}},      {"R3", 8000, 1050, 160, 100, 2, true, {3500, 1500}},
    {"R4", 8000, 1350, 160, 100, 2, true, {3300, 1500}},     {"R5", 8000, 1650, 160, 100, 2, true, {2300, 1400}},
    {"R6", 8000, 1950, 160, 100, 2, true, {2900, 4200}},     {"C3", 8000, 2250, 160, 100, 2, true, {900, 1400}},
    {"C4", 8000, 2550, 160, 100, 2, true, {4100, 1500}},     {"C5", 8000, 2850, 160, 100, 2, true, {1700, 3400}},
    {"C6", 8000, 3150, 160, 100, 2, true, {3100, 600}},
};

struct PinPair {
    const char* from;
    int fromPin;
    const char* to;
    int toPin;
};

constexpr PinPair PlacementNets[] = {
    {"J1", 1, "U1", 1},    {"J1", 2, "U1", 2},    {"J1", 4, "U4", 1},    {"J1", 5, "U4", 2},   {"J1", 8, "U16", 1},
    {"J1", 9, "U16", 2},   {"U1", 8, "U2", 1},    {"U2", 8, "U3", 1},    {"U4", 9, "U5", 1},   {"U5", 9, "U6", 1},
    {"U1", 14, "C1", 2},   {"U2", 14, "C2", 2},   {"U16", 11, "U6", 12}, {"U3", 11, "U6", 24}, {"U5", 16, "U7", 1},
    {"U6", 13, "U8", 1},   {"U16", 20, "U9", 1},  {"U16", 12, "U10", 1}, {"U3", 20, "U11", 1}, {"U6", 18, "U12", 1},
    {"U16", 15, "U13", 1}, {"U16", 16, "U14", 1}, {"J1", 12, "U15", 1},  {"U3", 12, "R1", 1},  {"U3", 13, "R2", 1},
    {"U6", 20, "R3", 1},   {"U6", 21, "R4", 1},   {"U5", 12, "R5", 1},   {"U16", 10, "R6", 1}, {"U4", 16, "C3", 2},
    {"U6", 14, "C4", 2},   {"U16", 19, "C5", 2},  {"U3", 19, "C6", 2},   {"U7", 8, "U8", 1},   {"U9", 9, "U10", 9},
    {"U13", 5, "U14", 5},
};

bool same(Point a, Point b) { return a.x == b.x && a.y == b.y; }

bool onBoard(const Board& b, const char* ref)
{
    return std::any_of(b.components.begin(), b.components.end(),
                       [&](const Component& c) { return c.reference == ref; });
}

// The tracks and vias of a route, read as NetSpec describes.
struct Route {
    std::vector<forms::Track> tracks;
    std::vector<forms::Via> vias;
};

Route routeOf(const Board& b, const NetSpec& n)
{
    Route r;
    std::istringstream words(n.route ? n.route : "");
    std::string word;
    std::vector<Point> run = {pinOf(b, n.from, n.fromPin)};
    Layer layer = Layer::Top;
    bool started = false;
    while (words >> word) {
        if (word == "T" || word == "B") {
            if (started) {
                r.tracks.push_back({layer, run, 12});
                r.vias.push_back({run.back()});
                run = {run.back()};
            }
            layer = word == "T" ? Layer::Top : Layer::Bottom;
            started = true;
            continue;
        }
        const std::size_t comma = word.find(',');
        run.push_back({std::stoi(word.substr(0, comma)), std::stoi(word.substr(comma + 1))});
    }
    run.push_back(pinOf(b, n.to, n.toPin));
    r.tracks.push_back({layer, run, 12});
    return r;
}

const NetSpec* findNet(const std::string& from, int fromPin, const std::string& to, int toPin)
{
    for (const NetSpec& n : Nets)
        if ((from == n.from && fromPin == n.fromPin && to == n.to && toPin == n.toPin) ||
            (from == n.to && fromPin == n.toPin && to == n.from && toPin == n.fromPin))
            return &n;
    throw std::logic_error("the tutorial board joins no " + from + "." + std::to_string(fromPin) + " and " + to + "." +
                           std::to_string(toPin));
}

bool sameTrack(const forms::Track& a, const forms::Track& b)
{
    return a.layer == b.layer && a.points.size() == b.points.size() &&
           std::equal(a.points.begin(), a.points.end(), b.points.begin(), same);
}

const forms::Track& trackEndingAt(const Board& board, Point end, std::optional<Layer> layer)
{
    for (const forms::Track& t : board.tracks)
        if ((same(t.points.front(), end) || same(t.points.back(), end)) && (!layer || t.layer == *layer))
            return t;
    throw std::logic_error("no track ends at " + std::to_string(end.x) + "," + std::to_string(end.y));
}

// The centres of all pads of a component.
std::vector<Point> padsOf(const Component& c)
{
    std::vector<Point> pads;
    for (int pin = 1; pin <= c.pins; ++pin)
        pads.push_back(pinOf(c, pin));
    return pads;
}

bool onePadOf(const std::vector<Point>& pads, Point p)
{
    return std::any_of(pads.begin(), pads.end(), [&](Point q) { return same(p, q); });
}

// Takes the tracks and vias of a route off a board, where they are on it.
void eraseRoute(Board& board, const Route& r)
{
    std::erase_if(board.tracks, [&](const forms::Track& t) {
        return std::any_of(r.tracks.begin(), r.tracks.end(), [&](const forms::Track& u) { return sameTrack(t, u); });
    });
    std::erase_if(board.vias, [&](const forms::Via& v) {
        return std::any_of(r.vias.begin(), r.vias.end(), [&](const forms::Via& u) { return same(v.at, u.at); });
    });
}

Board placementBoard()
{
    Board b;
    b.outline = Outline;
    for (const PlacementSpec& p : PlacementParts)
        b.components.push_back({p.ref, {p.x, p.y}, p.w, p.h, p.pins, p.smd});
    for (const PinPair& n : PlacementNets)
        b.connections.push_back({pinOf(b, n.from, n.fromPin), pinOf(b, n.to, n.toPin)});
    return b;
}

bool contains(Area v, Point p)
{
    return p.x >= v.left && p.x <= v.left + v.width && p.y >= v.top && p.y <= v.top + v.height;
}

// Cuts the segment a-b to the view; false when none of it lies inside.
bool clip(Area v, Point& a, Point& b)
{
    double t0 = 0, t1 = 1;
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {static_cast<double>(a.x - v.left), static_cast<double>(v.left + v.width - a.x),
                        static_cast<double>(a.y - v.top), static_cast<double>(v.top + v.height - a.y)};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    if (t0 > t1)
        return false;
    const Point start = a;
    a = {static_cast<int>(std::lround(start.x + t0 * dx)), static_cast<int>(std::lround(start.y + t0 * dy))};
    b = {static_cast<int>(std::lround(start.x + t1 * dx)), static_cast<int>(std::lround(start.y + t1 * dy))};
    return true;
}

bool finished(Stage stage) { return stage == Stage::Routed || stage == Stage::Planes; }

} // namespace

const std::vector<std::string> ComponentPopup = {"Move", "Rotate 90", "Flip Side", "-",
                                                 "Lock", "Unlock",    "-",         "Delete", "Properties..."};

Board tutorialBoard(Stage stage)
{
    if (stage == Stage::Unplaced)
        return placementBoard();
    Board b;
    b.outline = Outline;
    if (stage == Stage::Empty || stage == Stage::Outline)
        return b;
    const std::size_t parts = std::size(Parts) - (finished(stage) ? 0 : FinishingParts);
    for (std::size_t i = 0; i < parts; ++i) {
        const PartSpec& p = Parts[i];
        b.components.push_back({p.ref, {p.x, p.y}, p.w, p.h, p.pins, p.smd});
    }
    for (const NetSpec& n : Nets) {
        if (!onBoard(b, n.from) || !onBoard(b, n.to))
            continue;
        if (finished(stage) || (stage == Stage::PartlyRouted && n.routed == When::Early)) {
            Route r = routeOf(b, n);
            b.tracks.insert(b.tracks.end(), r.tracks.begin(), r.tracks.end());
            b.vias.insert(b.vias.end(), r.vias.begin(), r.vias.end());
        } else {
            b.connections.push_back({pinOf(b, n.from, n.fromPin), pinOf(b, n.to, n.toPin)});
        }
    }
    if (stage != Stage::Placed)
        for (const FanoutSpec& f : Fanouts)
            if (onBoard(b, f.ref)) {
                b.tracks.push_back({Layer::Top, {pinOf(b, f.ref, f.pin), f.via}, 20});
                b.vias.push_back({f.via});
            }
    if (stage == Stage::Planes)
        b.zones.push_back({Layer::Bottom,
                           {{100, 100}, {Outline.width - 100, 100}, {Outline.width - 100, Outline.height - 100},
                            {100, Outline.height - 100}},
                           false, true});
    return b;
}

Board denseBoard()
{
    Board b;
    b.outline = DenseOutline;
    for (const PartSpec& p : DenseParts)
        b.components.push_back({p.ref, {p.x, p.y}, p.w, p.h, p.pins, p.smd});
    for (const NetSpec& n : DenseNets) {
        if (n.routed == When::Late) {
            b.connections.push_back({pinOf(b, n.from, n.fromPin), pinOf(b, n.to, n.toPin)});
            continue;
        }
        Route r = routeOf(b, n);
        b.tracks.insert(b.tracks.end(), r.tracks.begin(), r.tracks.end());
        b.vias.insert(b.vias.end(), r.vias.begin(), r.vias.end());
    }
    return b;
}

int connectionCount(Stage stage)
{
    const Board b = tutorialBoard(stage);
    if (stage == Stage::Unplaced || stage == Stage::Placed)
        return static_cast<int>(b.connections.size());
    return static_cast<int>(std::count_if(std::begin(Nets), std::end(Nets),
                                          [&](const NetSpec& n) { return onBoard(b, n.from) && onBoard(b, n.to); }));
}

int routedCount(Stage stage)
{
    return connectionCount(stage) - static_cast<int>(tutorialBoard(stage).connections.size());
}

Point finalPlace(const std::string& reference)
{
    for (const PlacementSpec& p : PlacementParts)
        if (reference == p.ref)
            return p.placed;
    throw std::logic_error("TUTORBD1 has no " + reference);
}

Board zoomIn(const Board& b, Area view)
{
    Board z;
    for (const Component& c : b.components)
        if (contains(view, {c.at.x - c.width / 2, c.at.y - c.height / 2}) &&
            contains(view, {c.at.x + c.width / 2, c.at.y + c.height / 2}))
            z.components.push_back(c);
    const Point anchor = z.components.empty() ? Point{view.left, view.top} : z.components.front().at;
    z.outline = {anchor.x, anchor.y, 0, 0};
    // The board's edge, where it crosses the view, drawn as thin lines in the outline's colour.
    const Area o = b.outline;
    const Point corners[] = {
        {o.left, o.top}, {o.left + o.width, o.top}, {o.left + o.width, o.top + o.height}, {o.left, o.top + o.height}};
    for (std::size_t i = 0; i < 4 && o.width > 0 && o.height > 0; ++i) {
        Point from = corners[i], to = corners[(i + 1) % 4];
        if (clip(view, from, to))
            z.tracks.push_back({Layer::Silk, {from, to}, 1});
    }
    z.zones = b.zones;
    for (const forms::Track& t : b.tracks)
        for (std::size_t i = 1; i < t.points.size(); ++i) {
            Point from = t.points[i - 1], to = t.points[i];
            if (clip(view, from, to))
                z.tracks.push_back({t.layer, {from, to}, t.width, t.selected});
        }
    for (const forms::Via& v : b.vias)
        if (contains(view, v.at))
            z.vias.push_back(v);
    for (forms::Connection n : b.connections)
        if (clip(view, n.from, n.to))
            z.connections.push_back(n);
    z.cursor = b.cursor;
    return z;
}

Point onSlide(const Board& board, Point mils)
{
    return forms::BoardFit(board, forms::hostLayout({0, 0, SlideWidth, SlideHeight}).design).toPicture(mils);
}

const Component& part(const Board& board, const std::string& reference)
{
    for (const Component& c : board.components)
        if (c.reference == reference)
            return c;
    throw std::logic_error("the board has no " + reference);
}

Point pinOf(const Component& c, int pin)
{
    // The pads lie along the long sides, evenly spaced, as the design window
    // draws them.
    const int perSide = std::max(1, c.pins / 2);
    const bool lower = pin <= perSide;
    const int index = lower ? pin - 1 : c.pins - pin;
    const int left = c.at.x - c.width / 2, top = c.at.y - c.height / 2;
    if (c.width >= c.height)
        return {left + (2 * index + 1) * c.width / (2 * perSide), lower ? top + c.height : top};
    return {lower ? left : left + c.width, top + (2 * index + 1) * c.height / (2 * perSide)};
}

Point pinOf(const Board& board, const std::string& reference, int pin) { return pinOf(part(board, reference), pin); }

const forms::Track& trackAt(const Board& board, Point end) { return trackEndingAt(board, end, std::nullopt); }
const forms::Track& trackAt(const Board& board, Point end, Layer layer) { return trackEndingAt(board, end, layer); }

void move(Board& board, const std::string& reference, Point to)
{
    for (Component& c : board.components) {
        if (c.reference != reference)
            continue;
        const std::vector<Point> pads = padsOf(c);
        const int dx = to.x - c.at.x, dy = to.y - c.at.y;
        for (forms::Connection& n : board.connections)
            for (Point* end : {&n.from, &n.to})
                if (onePadOf(pads, *end))
                    *end = {end->x + dx, end->y + dy};
        c.at = to;
    }
}

void unroute(Board& board, const std::string& from, int fromPin, const std::string& to, int toPin)
{
    const NetSpec& n = *findNet(from, fromPin, to, toPin);
    eraseRoute(board, routeOf(board, n));
    board.connections.push_back({pinOf(board, n.from, n.fromPin), pinOf(board, n.to, n.toPin)});
}

void selectRoute(Board& board, const std::string& from, int fromPin, const std::string& to, int toPin)
{
    const Route r = routeOf(board, *findNet(from, fromPin, to, toPin));
    for (forms::Track& t : board.tracks)
        if (std::any_of(r.tracks.begin(), r.tracks.end(), [&](const forms::Track& u) { return sameTrack(t, u); }))
            t.selected = true;
    for (forms::Via& v : board.vias)
        if (std::any_of(r.vias.begin(), r.vias.end(), [&](const forms::Via& u) { return same(v.at, u.at); }))
            v.selected = true;
}

void removePart(Board& board, const std::string& reference)
{
    const Component c = part(board, reference);
    for (const NetSpec& n : Nets)
        if ((reference == n.from || reference == n.to) && onBoard(board, n.from) && onBoard(board, n.to))
            eraseRoute(board, routeOf(board, n));
    for (const FanoutSpec& f : Fanouts)
        if (reference == f.ref)
            eraseRoute(board, {{{Layer::Top, {pinOf(c, f.pin), f.via}, 20}}, {{f.via}}});
    const std::vector<Point> pads = padsOf(c);
    std::erase_if(board.connections,
                  [&](const forms::Connection& n) { return onePadOf(pads, n.from) || onePadOf(pads, n.to); });
    std::erase_if(board.components, [&](const Component& k) { return k.reference == reference; });
}

void addTrack(Board& board, Layer layer, std::vector<Point> points, bool selected)
{
    board.tracks.push_back({layer, std::move(points), 12, selected});
}

void dropConnectionFrom(Board& board, Point from)
{
    std::erase_if(board.connections,
                  [&](const forms::Connection& c) { return c.from.x == from.x && c.from.y == from.y; });
}

void select(Board& board, std::initializer_list<const char*> references)
{
    for (const char* r : references)
        for (Component& c : board.components)
            if (c.reference == r)
                c.selected = true;
}

void lock(Board& board, std::initializer_list<const char*> references)
{
    for (const char* r : references)
        for (Component& c : board.components)
            if (c.reference == r)
                c.locked = true;
}

namespace item {

using K = forms::DialogItem::Kind;

forms::DialogItem label(const std::string& text, Area at) { return {K::Label, text, "", at}; }
forms::DialogItem field(const std::string& name, const std::string& value, Area at, bool highlighted)
{
    return {K::Field, name, value, at, false, highlighted};
}
forms::DialogItem check(const std::string& text, bool on, Area at, bool highlighted)
{
    return {K::CheckBox, text, "", at, on, highlighted};
}
forms::DialogItem option(const std::string& text, bool on, Area at, bool highlighted)
{
    return {K::Option, text, "", at, on, highlighted};
}
forms::DialogItem button(const std::string& text, Area at, bool highlighted)
{
    return {K::Button, text, "", at, false, highlighted};
}
forms::DialogItem list(const std::vector<std::string>& items, const std::string& chosen, Area at)
{
    std::string joined;
    for (const std::string& s : items)
        joined += (joined.empty() ? "" : "\n") + s;
    return {K::List, chosen, joined, at};
}
forms::DialogItem group(const std::string& text, Area at) { return {K::Group, text, "", at}; }

} // namespace item

Shot Shot::host(Stage stage, const std::string& file) { return host(tutorialBoard(stage), file); }

Shot Shot::host(Board board, const std::string& file)
{
    Shot s;
    s.picture_.hostWindow = true;
    s.picture_.title = "Trazel - " + file;
    s.picture_.board = std::move(board);
    s.picture_.status = "Ready";
    return s;
}

Shot Shot::sessionFrame()
{
    Shot s;
    s.picture_.hostWindow = true;
    s.picture_.title = "Trazel Session";
    s.picture_.menuBar = {"File", "Window", "Help"};
    s.picture_.status = "Ready";
    return s;
}

Shot Shot::diagram()
{
    Shot s;
    s.picture_.background = 0xFFFFFF;
    return s;
}

Shot& Shot::menu(const std::string& title, std::vector<std::string> items, int highlighted,
                     std::vector<std::string> submenu, int submenuHighlighted)
{
    forms::Menu m{title, std::move(items), highlighted, std::nullopt, submenuHighlighted};
    if (!submenu.empty())
        m.submenu = std::move(submenu);
    picture_.menu = std::move(m);
    return *this;
}

Shot& Shot::popup(Point at, std::vector<std::string> items, int highlighted)
{
    picture_.popup = forms::PopupMenu{at, std::move(items), highlighted};
    return *this;
}

Shot& Shot::dialog(const std::string& title, Area at, std::vector<forms::DialogItem> items)
{
    picture_.dialogs.push_back({title, at, std::move(items)});
    return *this;
}

Shot& Shot::note(const std::string& text, Area at)
{
    picture_.callouts.push_back({at, text, std::nullopt});
    return *this;
}

Shot& Shot::note(const std::string& text, Area at, Point pointsTo)
{
    picture_.callouts.push_back({at, text, pointsTo});
    return *this;
}

Shot& Shot::status(const std::string& text)
{
    picture_.status = text;
    return *this;
}

Shot& Shot::tool(int index)
{
    picture_.toolbarHighlight = index;
    return *this;
}

Shot& Shot::figure(forms::Figure f)
{
    picture_.figures.push_back(std::move(f));
    return *this;
}

Shot& Shot::box(const std::string& text, Area at, unsigned color, bool filled)
{
    return figure({forms::Figure::Kind::Box, at, text, color, filled});
}

Shot& Shot::text(const std::string& text, Area at, bool bold, unsigned color)
{
    return figure({forms::Figure::Kind::Text, at, text, color, false, bold});
}

Shot& Shot::arrow(Point from, Point to, unsigned color)
{
    return figure({forms::Figure::Kind::Arrow, {from.x, from.y, to.x - from.x, to.y - from.y}, "", color});
}

forms::PictureRef Shot::done() const { return std::make_shared<forms::Picture>(picture_); }

LessonPictureList& LessonPictureList::add(const std::string& name, forms::PictureRef picture,
                                          std::initializer_list<int> screens, int index)
{
    const int position = static_cast<int>(built_.pictures.size());
    built_.pictures.push_back({name, index, std::move(picture)});
    for (int s : screens) {
        if (s < 1 || s > static_cast<int>(built_.screenPicture.size()))
            throw std::logic_error(name + " is listed for screen " + std::to_string(s) + ", which the lesson lacks");
        built_.screenPicture[static_cast<std::size_t>(s - 1)] = position;
    }
    return *this;
}

LessonPictures LessonPictureList::done() const { return built_; }

} // namespace lt::pictures
