#include "lessons/pictures/picture_kit.h"

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

// The tutorial board: a small controller card with a connector on the left.
constexpr PartSpec Parts[] = {
    {"J1", 350, 2250, 260, 1500, 20, false},  {"U1", 1300, 800, 800, 300, 14, true},
    {"U2", 2450, 800, 800, 300, 14, true},    {"U3", 3650, 800, 1000, 420, 20, false},
    {"U4", 4950, 800, 800, 300, 14, true},    {"U5", 1300, 1700, 800, 300, 16, true},
    {"U6", 2450, 1700, 800, 300, 16, true},   {"U7", 3650, 1700, 1000, 420, 24, false},
    {"U8", 4950, 1700, 800, 300, 14, true},   {"U9", 1300, 2600, 800, 300, 14, true},
    {"U10", 2450, 2600, 800, 300, 14, true},  {"U11", 3650, 2600, 1000, 420, 20, false},
    {"U12", 4950, 2600, 800, 300, 14, true},  {"U16", 2250, 3800, 900, 320, 16, false},
    {"U13", 3650, 3700, 800, 300, 8, true},   {"U14", 4950, 3700, 800, 300, 8, true},
    {"R1", 1300, 1250, 220, 90, 2, true},     {"R2", 2450, 1250, 220, 90, 2, true},
    {"R3", 3650, 1250, 220, 90, 2, true},     {"R4", 4950, 1250, 220, 90, 2, true},
    {"C1", 1300, 2150, 160, 90, 2, true},     {"C2", 2450, 2150, 160, 90, 2, true},
    {"C3", 3650, 2150, 160, 90, 2, true},     {"C4", 4950, 2150, 160, 90, 2, true},
    {"C5", 1300, 3200, 160, 90, 2, true},     {"C6", 4950, 3200, 160, 90, 2, true},
};

// Connections by component, from the first to the second.
constexpr std::pair<int, int> Nets[] = {
    {0, 1},  {0, 5},  {0, 9},  {1, 2},  {2, 3},   {3, 4},   {5, 6},   {6, 7},   {7, 8},   {9, 10},
    {10, 11}, {11, 12}, {1, 5}, {2, 6}, {3, 7},   {4, 8},   {5, 9},   {6, 10},  {7, 11},  {8, 12},
    {13, 10}, {14, 11}, {15, 12}, {16, 1}, {17, 2}, {18, 3}, {19, 4}, {20, 5}, {21, 6},  {22, 7},
    {23, 8},  {24, 9},  {25, 12}, {13, 14}, {0, 13},
};

constexpr Area Outline = {0, 0, 5800, 4400};

Point pinOf(const PartSpec& p, int side)
{
    // Connections leave from the right or left end of a part's pad row.
    return {p.x + (side ? p.w / 2 - 40 : -p.w / 2 + 40), p.y + (p.h / 2)};
}

} // namespace

const std::vector<std::string> ComponentPopup = {"Move", "Rotate 90", "Flip Side", "-",
                                                 "Lock", "Unlock",    "-",         "Delete", "Properties..."};

Board tutorialBoard(Stage stage)
{
    Board b;
    b.outline = Outline;
    if (stage == Stage::Empty)
        return b;
    if (stage == Stage::Outline)
        return b;
    int waiting = 0;
    for (const PartSpec& p : Parts) {
        Component c{p.ref, {p.x, p.y}, p.w, p.h, p.pins, p.smd};
        if (stage == Stage::Unplaced) {
            // Unplaced parts wait in rows below the board.
            c.at = {300 + (waiting % 9) * 650, Outline.height + 500 + (waiting / 9) * 550};
            ++waiting;
        }
        b.components.push_back(c);
    }
    const int routed = stage == Stage::Routed || stage == Stage::Planes ? static_cast<int>(std::size(Nets))
                       : stage == Stage::PartlyRouted                   ? static_cast<int>(std::size(Nets)) / 2
                                                                        : 0;
    int n = 0;
    for (const auto& [a, z] : Nets) {
        const Point from = stage == Stage::Unplaced ? b.components[static_cast<std::size_t>(a)].at
                                                    : pinOf(Parts[a], 1);
        const Point to = stage == Stage::Unplaced ? b.components[static_cast<std::size_t>(z)].at : pinOf(Parts[z], 0);
        if (n++ < routed) {
            // Horizontal runs on the top layer, vertical ones on the bottom, joined by a via.
            const Point corner = {to.x, from.y};
            b.tracks.push_back({Layer::Top, {from, corner}, 12});
            if (corner.y != to.y) {
                b.tracks.push_back({Layer::Bottom, {corner, to}, 12});
                b.vias.push_back({corner});
            }
        } else {
            b.connections.push_back({from, to});
        }
    }
    if (stage == Stage::Planes)
        b.zones.push_back({Layer::Bottom,
                           {{100, 100}, {Outline.width - 100, 100}, {Outline.width - 100, Outline.height - 100},
                            {100, Outline.height - 100}},
                           false, true});
    return b;
}

Point onSlide(const Board& board, Point mils)
{
    return forms::BoardFit(board, forms::hostLayout({0, 0, SlideWidth, SlideHeight}).design).toPicture(mils);
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
