#include "pictures/board_edits.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>

namespace lt::pictures {

namespace {

bool same(Point a, Point b) { return a.x == b.x && a.y == b.y; }

const Track& trackEndingAt(const Board& board, Point end, std::optional<Layer> layer)
{
    for (const Track& t : board.tracks)
        if ((same(t.points.front(), end) || same(t.points.back(), end)) && (!layer || t.layer == *layer))
            return t;
    throw std::logic_error("no track ends at " + std::to_string(end.x) + "," + std::to_string(end.y));
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

} // namespace

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
    for (const Track& t : b.tracks)
        for (std::size_t i = 1; i < t.points.size(); ++i) {
            Point from = t.points[i - 1], to = t.points[i];
            if (clip(view, from, to))
                z.tracks.push_back({t.layer, {from, to}, t.width, t.selected});
        }
    for (const Via& v : b.vias)
        if (contains(view, v.at))
            z.vias.push_back(v);
    for (Connection n : b.connections)
        if (clip(view, n.from, n.to))
            z.connections.push_back(n);
    z.cursor = b.cursor;
    return z;
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

const Track& trackAt(const Board& board, Point end) { return trackEndingAt(board, end, std::nullopt); }
const Track& trackAt(const Board& board, Point end, Layer layer) { return trackEndingAt(board, end, layer); }

void move(Board& board, const std::string& reference, Point to)
{
    for (Component& c : board.components) {
        if (c.reference != reference)
            continue;
        const std::vector<Point> pads = padsOf(c);
        const int dx = to.x - c.at.x, dy = to.y - c.at.y;
        for (Connection& n : board.connections)
            for (Point* end : {&n.from, &n.to})
                if (onePadOf(pads, *end))
                    *end = {end->x + dx, end->y + dy};
        c.at = to;
    }
}

void addTrack(Board& board, Layer layer, std::vector<Point> points, bool selected)
{
    board.tracks.push_back({layer, std::move(points), 12, selected});
}

void dropConnectionFrom(Board& board, Point from)
{
    std::erase_if(board.connections,
                  [&](const Connection& c) { return c.from.x == from.x && c.from.y == from.y; });
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

} // namespace lt::pictures
