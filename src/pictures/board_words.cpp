#include "pictures/board_words.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "pictures/board_edits.h"
#include "pictures/host_view.h"
#include "pictures/tutorial_boards.h"
#include "pictures/words.h"

namespace lt::pictures {

namespace {

// How near a note's point must come to a thing to point at it, in twips of
// the picture: on it as drawn (two pixels of slack), on a line, or near.
constexpr double Slack = 30, OnLine = 30, Near = 90, NearPin = 150;

std::string layerName(Layer layer)
{
    switch (layer) {
    case Layer::Top:
        return "Top";
    case Layer::Bottom:
        return "Bottom";
    case Layer::Inner1:
        return "Inner 1";
    case Layer::Inner2:
        return "Inner 2";
    case Layer::Silk:
        return "silkscreen";
    case Layer::Keepout:
        return "keepout";
    }
    return "";
}

bool copper(Layer layer) { return layer != Layer::Silk && layer != Layer::Keepout; }

// A close view (zoomed in) has shrunk its outline to a point.
bool closeView(const Board& b) { return b.outline.width == 0 && b.outline.height == 0; }

bool inside(const Area& a, Point p)
{
    return p.x >= a.left && p.x <= a.left + a.width && p.y >= a.top && p.y <= a.top + a.height;
}

double distance(Point a, Point b) { return std::hypot(a.x - b.x, a.y - b.y); }

double distanceToSegment(Point p, Point a, Point b)
{
    const double dx = b.x - a.x, dy = b.y - a.y, length2 = dx * dx + dy * dy;
    const double t = length2 == 0 ? 0 : std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length2, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

bool insidePolygon(const std::vector<Point>& outline, Point p)
{
    bool in = false;
    for (std::size_t i = 0, j = outline.size() - 1; i < outline.size(); j = i++) {
        const Point a = outline[i], b = outline[j];
        if ((a.y > p.y) != (b.y > p.y) &&
            p.x < static_cast<double>(b.x - a.x) * (p.y - a.y) / static_cast<double>(b.y - a.y) + a.x)
            in = !in;
    }
    return in;
}

struct Pin {
    const Component* component = nullptr;
    int number = 0;
    std::string words() const { return "pin " + std::to_string(number) + " of " + component->reference; }
};

// The pad of the board at exactly this point.
std::optional<Pin> pinAt(const Board& b, Point p)
{
    for (const Component& c : b.components) {
        const std::vector<Point> pads = padsOf(c);
        for (std::size_t i = 0; i < pads.size(); ++i)
            if (pads[i].x == p.x && pads[i].y == p.y)
                return Pin{&c, static_cast<int>(i) + 1};
    }
    return std::nullopt;
}

// The pad nearest to a point of the picture, if it lies within `reach`.
std::optional<Pin> pinNear(const Board& b, const BoardFit& fit, Point at, double reach)
{
    std::optional<Pin> best;
    double bestDistance = reach;
    for (const Component& c : b.components) {
        const std::vector<Point> pads = padsOf(c);
        for (std::size_t i = 0; i < pads.size(); ++i) {
            const double d = distance(fit.toPicture(pads[i]), at);
            if (d <= bestDistance) {
                bestDistance = d;
                best = Pin{&c, static_cast<int>(i) + 1};
            }
        }
    }
    return best;
}

// Half the side of a component's pads as the design window draws them:
// square, each as long as half its share of the long side.
double padReach(const Component& c, const BoardFit& fit)
{
    const int longSide = std::max(c.width, c.height), perSide = std::max(1, c.pins / 2);
    return std::max(15, fit.length(longSide / (perSide * 2)) / 2) + Slack;
}

double viaReach(const BoardFit& fit) { return std::max(45, fit.length(20)) + Slack; }

// The pad or via drawn under a point, the nearest when several are.
std::string padOrViaAt(const Board& b, const BoardFit& fit, Point at)
{
    std::string found;
    double bestDistance = 1e9;
    for (const Component& c : b.components) {
        const std::vector<Point> pads = padsOf(c);
        const double reach = padReach(c, fit);
        for (std::size_t i = 0; i < pads.size(); ++i) {
            const Point p = fit.toPicture(pads[i]);
            const double d = distance(p, at);
            if (std::abs(p.x - at.x) <= reach && std::abs(p.y - at.y) <= reach && d < bestDistance) {
                bestDistance = d;
                found = Pin{&c, static_cast<int>(i) + 1}.words();
            }
        }
    }
    for (const Via& v : b.vias) {
        const double d = distance(fit.toPicture(v.at), at);
        if (d <= viaReach(fit) && d < bestDistance) {
            bestDistance = d;
            found = "a via";
        }
    }
    return found;
}

std::string trackAt(const Board& b, const BoardFit& fit, Point at, double reach)
{
    for (const Track& t : b.tracks)
        for (std::size_t i = 1; i < t.points.size(); ++i)
            if (copper(t.layer) &&
                distanceToSegment(at, fit.toPicture(t.points[i - 1]), fit.toPicture(t.points[i])) <= reach)
                return "a track on the " + layerName(t.layer) + " layer";
    return "";
}

std::string netOf(const std::string& file, const Pin& a, const Pin& b)
{
    const TutorialDesign* design = tutorialDesign(file);
    if (!design)
        return "";
    const std::string first = a.component->reference + "." + std::to_string(a.number);
    const std::string second = b.component->reference + "." + std::to_string(b.number);
    for (const Net& n : design->nets)
        if (std::find(n.pins.begin(), n.pins.end(), first) != n.pins.end() &&
            std::find(n.pins.begin(), n.pins.end(), second) != n.pins.end())
            return n.name;
    return "";
}

std::string connectionWords(const Board& b, const Connection& n, const std::string& file)
{
    const std::optional<Pin> from = pinAt(b, n.from), to = pinAt(b, n.to);
    if (from && to) {
        const std::string net = netOf(file, *from, *to);
        return "the connection " + (net.empty() ? "" : "of net " + net + " ") + "from " + from->words() + " to " +
               to->words();
    }
    // A connection being routed runs from the cursor to the pad still to reach.
    if (from || to)
        return "the connection to " + (to ? to : from)->words();
    return "an unrouted connection";
}

// A zone in words, as one ("a keepout area") or as several of the same
// kind ("keepout areas").
std::string zoneWords(const Zone& z, bool several = false)
{
    if (z.layer == Layer::Keepout)
        return several ? "keepout areas" : "a keepout area";
    std::string words;
    if (z.hatched)
        words = several ? "outlines of zones, not yet poured," : "the outline of a zone, not yet poured,";
    else
        words = several ? "copper zones" : "a copper zone";
    words += " on the " + layerName(z.layer) + " layer";
    return z.reliefs ? words + " with thermal reliefs" : words;
}

// The zones, those of one kind counted together.
std::vector<std::string> zoneClauses(const std::vector<Zone>& zones)
{
    std::vector<std::string> clauses, seen;
    for (const Zone& z : zones) {
        const std::string one = zoneWords(z);
        if (std::find(seen.begin(), seen.end(), one) != seen.end())
            continue;
        seen.push_back(one);
        const auto same = std::count_if(zones.begin(), zones.end(), [&](const Zone& o) { return zoneWords(o) == one; });
        clauses.push_back(same == 1 ? one : std::to_string(same) + " " + zoneWords(z, true));
    }
    return clauses;
}

std::vector<std::string> references(const std::vector<const Component*>& parts)
{
    std::vector<std::string> refs;
    for (const Component* c : parts)
        refs.push_back(c->reference);
    return refs;
}

// "U3 is selected", "U3 and U5 are locked".
std::string stateOf(const std::vector<const Component*>& parts, const std::string& state)
{
    if (parts.empty())
        return "";
    return words::list(references(parts)) + (parts.size() == 1 ? " is " : " are ") + state;
}

// What is routed and what is not. A close view counts only what lies among
// the components it shows.
std::string routing(const Board& b)
{
    const Area view = boardExtent(b);
    const auto shown = [&](Point p) { return !closeView(b) || inside(view, p); };
    std::vector<std::string> layers;
    for (Layer layer : {Layer::Top, Layer::Inner1, Layer::Inner2, Layer::Bottom})
        if (std::any_of(b.tracks.begin(), b.tracks.end(), [&](const Track& t) {
                return t.layer == layer && std::any_of(t.points.begin(), t.points.end(), shown);
            }))
            layers.push_back(layerName(layer));
    const auto vias = static_cast<std::size_t>(
        std::count_if(b.vias.begin(), b.vias.end(), [&](const Via& v) { return shown(v.at); }));
    const auto unrouted = static_cast<std::size_t>(std::count_if(
        b.connections.begin(), b.connections.end(), [&](const Connection& n) { return shown(n.from) && shown(n.to); }));
    std::string words;
    if (!layers.empty())
        words = "tracks on the " + words::list(layers) + (layers.size() == 1 ? " layer" : " layers");
    if (vias > 0)
        words += (words.empty() ? "" : ", ") + words::count(vias, "via");
    if (unrouted == 0)
        return layers.empty() || closeView(b) ? words : words + ", every connection routed";
    return words + (words.empty() ? "" : ", ") + words::count(unrouted, "connection") + " still to route";
}

std::string selectedRoute(const Board& b)
{
    const auto tracks = std::count_if(b.tracks.begin(), b.tracks.end(), [](const Track& t) { return t.selected; });
    const auto vias = std::count_if(b.vias.begin(), b.vias.end(), [](const Via& v) { return v.selected; });
    if (tracks == 0 && vias == 0)
        return "";
    std::vector<std::string> parts;
    if (tracks > 0)
        parts.push_back(words::count(static_cast<std::size_t>(tracks), "track segment"));
    if (vias > 0)
        parts.push_back(words::count(static_cast<std::size_t>(vias), "via"));
    return words::list(parts) + (tracks + vias == 1 ? " is" : " are") + " selected";
}

} // namespace

std::vector<std::string> boardClauses(const Board& b)
{
    std::vector<const Component*> outside, selected, locked;
    for (const Component& c : b.components) {
        if (!closeView(b) && !inside(b.outline, c.at))
            outside.push_back(&c);
        if (c.selected)
            selected.push_back(&c);
        if (c.locked)
            locked.push_back(&c);
    }
    std::string what;
    if (closeView(b) && b.components.empty()) {
        // A footprint being edited: its pads and lines are drawn on their own.
        what = "";
    } else if (closeView(b)) {
        std::vector<const Component*> parts;
        for (const Component& c : b.components)
            parts.push_back(&c);
        what = "a close view of " +
               (parts.size() <= 6 ? words::list(references(parts)) : words::count(parts.size(), "component"));
    } else if (b.components.empty()) {
        what = "the board outline with no components yet";
    } else {
        what = "the board with " + words::count(b.components.size(), "component");
        if (!outside.empty())
            what += ", " + words::count(outside.size(), "of them", "of them") + " still beside the board";
    }
    const std::string routed = routing(b);
    std::vector<std::string> clauses = {routed.empty() || what.empty() ? what + routed : what + ": " + routed};
    for (const std::string& z : zoneClauses(b.zones))
        clauses.push_back(z);
    for (const Dimension& d : b.dimensions)
        clauses.push_back("a dimension of " + d.text);
    clauses.push_back(stateOf(selected, "selected"));
    clauses.push_back(selectedRoute(b));
    clauses.push_back(stateOf(locked, "locked"));
    if (b.selection)
        clauses.push_back("a window is being dragged over the board");
    std::erase(clauses, std::string());
    return clauses;
}

std::string boardThingAt(const Board& b, const Area& designArea, Point at, const std::string& file)
{
    const BoardFit fit(b, designArea);
    if (std::string thing = padOrViaAt(b, fit, at); !thing.empty())
        return thing;
    if (std::string track = trackAt(b, fit, at, OnLine); !track.empty())
        return track;
    const Point mils = fit.toBoard(at);
    for (const Component& c : b.components)
        if (inside({c.at.x - c.width / 2, c.at.y - c.height / 2, c.width, c.height}, mils))
            return c.reference;
    if (const auto pin = pinNear(b, fit, at, NearPin))
        return pin->words();
    if (std::string track = trackAt(b, fit, at, Near); !track.empty())
        return track;
    for (const Connection& n : b.connections)
        if (distanceToSegment(at, fit.toPicture(n.from), fit.toPicture(n.to)) <= Near)
            return connectionWords(b, n, file);
    for (const Dimension& d : b.dimensions)
        if (distanceToSegment(at, fit.toPicture(d.from), fit.toPicture(d.to)) <= Near)
            return "the dimension of " + d.text;
    for (const Zone& z : b.zones)
        if (z.outline.size() > 2 && insidePolygon(z.outline, mils))
            return zoneWords(z);
    return !closeView(b) && inside(b.outline, mils) ? "the board" : "the design area";
}

} // namespace lt::pictures
