// A picture as the tutorial describes it: what it shows, not its pixels. The
// window system's painter draws it at the screen's resolution. Positions are
// twips inside the picture; board positions are in the board's own units
// (mils), fitted to the design area.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace lt::forms {

struct Area {
    int left = 0, top = 0, width = 0, height = 0;
};

struct Point {
    int x = 0, y = 0;
};

// Copper and drawing layers of a board, each drawn in its own colour.
enum class Layer { Top, Bottom, Inner1, Inner2, Silk, Keepout };

struct Component {
    std::string reference; // U16, R3
    Point at;              // centre
    int width = 0, height = 0;
    int pins = 0;       // pads along the long sides
    bool surfaceMount = false;
    bool selected = false;
    bool locked = false;
};

struct Track {
    Layer layer = Layer::Top;
    std::vector<Point> points;
    int width = 12;
    bool selected = false;
};

struct Via {
    Point at;
    bool selected = false;
};

struct Zone {
    Layer layer = Layer::Top;
    std::vector<Point> outline;
    bool hatched = false;     // outline and hatch, as Trazel shows an unpoured zone
    bool reliefs = false;     // pads inside connect through thermal spokes
};

struct Connection {
    Point from, to; // an unrouted connection (ratsnest line)
};

struct Dimension {
    Point from, to;
    std::string text;
};

struct Board {
    Area outline;                 // in mils
    std::vector<Component> components;
    std::vector<Track> tracks;
    std::vector<Via> vias;
    std::vector<Zone> zones;
    std::vector<Connection> connections;
    std::vector<Dimension> dimensions;
    std::optional<Area> selection; // a selection or route window being dragged
    std::optional<Point> cursor;   // the cross-hair
};

// A drop-down menu of the menu bar, with the item under the pointer.
struct Menu {
    std::string title;               // the menu bar entry it drops from
    std::vector<std::string> items;  // "-" is a separator; "Name\tCtrl+X" shows a shortcut
    int highlighted = -1;
    std::optional<std::vector<std::string>> submenu; // opens beside the highlighted item
    int submenuHighlighted = -1;
};

// A pop-up menu opened with the right mouse button, its corner at a point
// of the picture (twips).
struct PopupMenu {
    Point at;
    std::vector<std::string> items;
    int highlighted = -1;
};

struct DialogItem {
    enum class Kind { Label, Field, CheckBox, Option, Button, List, Group };
    Kind kind = Kind::Label;
    std::string text;  // label, caption or field name
    std::string value; // field contents; list items separated by '\n'
    Area at;           // twips inside the dialog's client area
    bool on = false;   // check box or option selected
    bool highlighted = false;
};

struct Dialog {
    std::string title;
    Area at; // twips inside the picture
    std::vector<DialogItem> items;
};

// Plain drawing for diagrams that are not a host screen.
struct Figure {
    enum class Kind { Box, Ellipse, Line, Arrow, Text, Pad, Relief };
    Kind kind = Kind::Box;
    Area at; // for lines and arrows: from (left, top) by (width, height)
    std::string text;
    unsigned color = 0x000000;
    bool filled = false;
    bool bold = false;
};

// A note pointing at something on the picture, drawn as a yellow label.
struct Callout {
    Area at;
    std::string text;
    std::optional<Point> pointsTo;
};

struct Picture {
    // Built-in pictures of the tutorial's own windows: "check" (a progress
    // marker), "logo", "definition" (the definition box's icon),
    // "pointer" (the chart's pointer). Empty for described pictures.
    std::string symbol;

    // A screen of the host: its window, open menu, board and dialogs.
    bool hostWindow = false;
    std::string title = "Trazel";
    std::vector<std::string> menuBar = {"File", "Edit", "View", "Setup", "Place", "Route", "Auto", "Tools", "Window", "Help"};
    std::optional<Menu> menu;
    std::optional<PopupMenu> popup;
    std::optional<int> toolbarHighlight; // index of a highlighted toolbar button
    std::optional<Board> board;
    std::vector<Dialog> dialogs;
    std::string status;

    std::vector<Figure> figures;
    std::vector<Callout> callouts;
    unsigned background = 0xFFFFFF;

    static std::shared_ptr<const Picture> named(const std::string& symbol);
};

using PictureRef = std::shared_ptr<const Picture>;

} // namespace lt::forms
