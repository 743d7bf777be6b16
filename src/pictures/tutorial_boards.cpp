#include "pictures/tutorial_boards.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>

#include "pictures/board_edits.h"

namespace lt::pictures {

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

// The connections of TUTORBD2 and TUTORBD3, pin to pin, the net each
// belongs to, and how TUTORBD3 routes them. A route reads from the first
// pin: a layer (T or B) and the corners on it; a layer named after a corner
// changes layers there through a via. The last run ends on the second pin.
// TUTORBD2 has the early ones routed already.
enum class When { Early, Late };

struct NetSpec {
    const char* from;
    int fromPin;
    const char* to;
    int toPin;
    When routed;
    const char* route;
    const char* net = nullptr;
};

constexpr NetSpec Nets[] = {
    {"J1", 1, "U1", 1, When::Early, "T 591,2027 1378,1240", "CLK"},
    {"J1", 2, "U1", 2, When::Early, "T 543,2132 1435,1240", "RESET"},
    {"J1", 4, "U4", 1, When::Early, "T 1101,2342 1353,2090", "D0"},
    {"J1", 5, "U4", 2, When::Late, "T 1052,2447 1409,2090", "D1"},
    {"J1", 7, "U7", 1, When::Late, "T 1765,2657", "WR"},
    {"J1", 9, "U9", 1, When::Late, "T 500,2867", "SDI"},
    {"J1", 10, "U9", 2, When::Late, "T 661,2972", "SCK"},
    {"U1", 8, "U2", 1, When::Early, "T 2288,930", "CLKB"},
    {"U1", 9, "U2", 2, When::Early, "T 2345,930", "RESETB"},
    {"U2", 8, "U3", 1, When::Late, "T 3132,930", "A0"},
    {"U2", 9, "U3", 2, When::Late, "T 3237,930", "A1"},
    {"R1", 2, "U3", 11, When::Early, "T 4725,1380 B 4497,1152", "INT"},
    {"U3", 12, "R2", 2, When::Early, "T 4620,950 5050,1380", "RDY"},
    {"R2", 1, "U6", 8, When::Late, "T 5050,1620 B 5050,1766 4806,2010 T", "EN"},
    {"U4", 9, "U5", 1, When::Late, "T 2007,1780", "Q0"},
    {"U4", 10, "U5", 2, When::Late, "T 2111,1780", "Q1"},
    {"U5", 13, "U6", 1, When::Late, "T 4286,1800", "CS"},
    {"U5", 14, "U8", 1, When::Late, "B 3768,3040", "OE"},
    {"U7", 8, "U10", 1, When::Late, "T 2271,2510 B 2271,3593", "LATCH"},
    {"U7", 9, "U5", 4, When::Late, "T 2214,2510 2979,2510 3039,2570", "SEL"},
    {"U9", 9, "U10", 2, When::Late, "T 2265,3480", "SDO"},
    {"U10", 8, "U8", 2, When::Late, "T 3221,3430 4194,3430 4334,3570", "DATA"},
    {"U8", 9, "R3", 1, When::Late, "T 5450,3100", "LED1"},
    {"U8", 10, "R4", 1, When::Late, "T 5050,3100", "LED2"},
    {"U11", 8, "U8", 8, When::Late, "T 4506,4010 B 4946,3570 4971,3570", "SDA"},
    {"U1", 14, "C1", 2, When::Early, "T 1378,860 B 1378,1108 1550,1280 T", "VCC"},
    {"U2", 14, "C2", 2, When::Early, "T 2528,860 B 2528,1108 2700,1280 T", "VCC"},
    {"U4", 16, "C3", 2, When::Late, "T 1353,1710 B 1353,1933 1550,2130 T", "VCC"},
    {"U6", 5, "C4", 2, When::Late, "T 4993,2010 B 4993,2337 4900,2430 T", "VCC"},
    {"U9", 16, "C5", 2, When::Late, "T 1353,3410 B 1353,3633 1550,3830 T", "VCC"},
    {"C6", 2, "U10", 14, When::Late, "T 2900,4030 B 2578,3708", "VCC"},
    {"J1", 20, "U11", 1, When::Late, "T 495,2027 2213,2027", "SCL"},
    {"U9", 12, "U12", 1, When::Late, "T 1578,3410 B 1578,4068 931,4715 T", "STB"},
    {"U12", 8, "C7", 2, When::Late, "T 1600,4405", "VCC"},
    {"U12", 5, "U11", 5, When::Late, "T 1118,4335 4438,4335", "OUT"},
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
    std::vector<Track> tracks;
    std::vector<Via> vias;
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

bool sameTrack(const Track& a, const Track& b)
{
    return a.layer == b.layer && a.points.size() == b.points.size() &&
           std::equal(a.points.begin(), a.points.end(), b.points.begin(), same);
}

// Takes the tracks and vias of a route off a board, where they are on it.
void eraseRoute(Board& board, const Route& r)
{
    std::erase_if(board.tracks, [&](const Track& t) {
        return std::any_of(r.tracks.begin(), r.tracks.end(), [&](const Track& u) { return sameTrack(t, u); });
    });
    std::erase_if(board.vias, [&](const Via& v) {
        return std::any_of(r.vias.begin(), r.vias.end(), [&](const Via& u) { return same(v.at, u.at); });
    });
}

void markRoute(Board& board, const Route& r)
{
    for (Track& t : board.tracks)
        if (std::any_of(r.tracks.begin(), r.tracks.end(), [&](const Track& u) { return sameTrack(t, u); }))
            t.selected = true;
    for (Via& v : board.vias)
        if (std::any_of(r.vias.begin(), r.vias.end(), [&](const Via& u) { return same(v.at, u.at); }))
            v.selected = true;
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

// TUTORBD3 adds U12 and C7; it and the autorouted TUTORBD2 have every connection routed.
bool allParts(Stage stage) { return stage == Stage::Routed || stage == Stage::Planes; }
bool allRouted(Stage stage) { return allParts(stage) || stage == Stage::Autorouted; }

// The ground zone that TUTORBD2 has and the lessons pour on TUTORBD3.
Zone groundZone()
{
    return {Layer::Bottom,
            {{100, 100}, {Outline.width - 100, 100}, {Outline.width - 100, Outline.height - 100},
             {100, Outline.height - 100}},
            false,
            true};
}

std::string pinName(const char* ref, int pin) { return std::string(ref) + "." + std::to_string(pin); }

void addPin(std::vector<Net>& nets, const std::string& name, const std::string& pin)
{
    auto n = std::find_if(nets.begin(), nets.end(), [&](const Net& x) { return x.name == name; });
    if (n == nets.end()) {
        nets.push_back({name, {}});
        n = std::prev(nets.end());
    }
    if (std::find(n->pins.begin(), n->pins.end(), pin) == n->pins.end())
        n->pins.push_back(pin);
}

// The named nets of the controller card as far as its components reach; the
// plane nets are there on every board, pins or not.
std::vector<Net> cardNets(const Board& b)
{
    std::vector<Net> nets = {{"GND", {}}, {"VCC", {}}};
    for (const NetSpec& n : Nets)
        if (onBoard(b, n.from) && onBoard(b, n.to)) {
            addPin(nets, n.net, pinName(n.from, n.fromPin));
            addPin(nets, n.net, pinName(n.to, n.toPin));
        }
    for (const FanoutSpec& f : Fanouts)
        if (onBoard(b, f.ref))
            addPin(nets, "GND", pinName(f.ref, f.pin));
    return nets;
}

std::vector<TutorialDesign> makeDesigns()
{
    Board second = tutorialBoard(Stage::PartlyRouted);
    second.zones.push_back(groundZone());
    const std::vector<Net> planesOnly = {{"GND", {}}, {"VCC", {}}};
    return {
        {"TUTORBD1.MAX", tutorialBoard(Stage::Unplaced), planesOnly},
        {"TUTORBD2.MAX", second, cardNets(second)},
        {"TUTORBD3.MAX", tutorialBoard(Stage::Routed), cardNets(tutorialBoard(Stage::Routed))},
        {"TUTORBD4.MAX", denseBoard(), planesOnly},
    };
}

} // namespace

Board tutorialBoard(Stage stage)
{
    if (stage == Stage::Unplaced)
        return placementBoard();
    Board b;
    b.outline = Outline;
    if (stage == Stage::Empty || stage == Stage::Outline)
        return b;
    const std::size_t parts = std::size(Parts) - (allParts(stage) ? 0 : FinishingParts);
    for (std::size_t i = 0; i < parts; ++i) {
        const PartSpec& p = Parts[i];
        b.components.push_back({p.ref, {p.x, p.y}, p.w, p.h, p.pins, p.smd});
    }
    for (const NetSpec& n : Nets) {
        if (!onBoard(b, n.from) || !onBoard(b, n.to))
            continue;
        if (allRouted(stage) || (stage == Stage::PartlyRouted && n.routed == When::Early)) {
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
        b.zones.push_back(groundZone());
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

std::string designFile(Stage stage)
{
    switch (stage) {
    case Stage::Empty:
    case Stage::Outline:
        return "";
    case Stage::Unplaced:
        return "TUTORBD1.MAX";
    case Stage::Placed:
    case Stage::PartlyRouted:
    case Stage::Autorouted:
        return "TUTORBD2.MAX";
    case Stage::Routed:
    case Stage::Planes:
        break;
    }
    return "TUTORBD3.MAX";
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

void unroute(Board& board, const std::string& from, int fromPin, const std::string& to, int toPin)
{
    const NetSpec& n = *findNet(from, fromPin, to, toPin);
    eraseRoute(board, routeOf(board, n));
    board.connections.push_back({pinOf(board, n.from, n.fromPin), pinOf(board, n.to, n.toPin)});
}

void selectRoute(Board& board, const std::string& from, int fromPin, const std::string& to, int toPin)
{
    markRoute(board, routeOf(board, *findNet(from, fromPin, to, toPin)));
}

void selectNet(Board& board, std::string_view net)
{
    for (const NetSpec& n : Nets)
        if (net == n.net && onBoard(board, n.from) && onBoard(board, n.to))
            markRoute(board, routeOf(board, n));
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
                  [&](const Connection& n) { return onePadOf(pads, n.from) || onePadOf(pads, n.to); });
    std::erase_if(board.components, [&](const Component& k) { return k.reference == reference; });
}

const std::vector<BoardLayer>& boardLayers()
{
    using U = BoardLayer::Use;
    static const std::vector<BoardLayer> layers = {
        {"Top", U::Signal, ""},          {"Inner 1", U::Plane, "GND"},    {"Inner 2", U::Plane, "VCC"},
        {"Bottom", U::Signal, ""},       {"Silkscreen Top", U::Drawing, ""}, {"Silkscreen Bottom", U::Drawing, ""},
        {"Board Drawing", U::Drawing, ""},
    };
    return layers;
}

bool TutorialDesign::hasComponent(std::string_view reference) const
{
    return std::any_of(board.components.begin(), board.components.end(),
                       [&](const Component& c) { return c.reference == reference; });
}

const Net* TutorialDesign::net(std::string_view name) const
{
    for (const Net& n : nets)
        if (n.name == name)
            return &n;
    return nullptr;
}

const std::vector<TutorialDesign>& tutorialDesigns()
{
    static const std::vector<TutorialDesign> designs = makeDesigns();
    return designs;
}

const TutorialDesign* tutorialDesign(std::string_view file)
{
    for (const TutorialDesign& d : tutorialDesigns())
        if (d.file == file)
            return &d;
    return nullptr;
}

} // namespace lt::pictures
