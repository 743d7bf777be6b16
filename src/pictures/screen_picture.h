// A screen picture as the tutorial describes it: what it shows, not its
// pixels. Trazel's windows are named, their menus are the model's and an
// open menu is named by its menu and item, boards by their design file, and
// notes say what they point at. The window system's painter draws it at the
// screen's resolution. Positions are twips inside the picture; board
// positions are in the board's own units (mils), fitted to the design area.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "forms/picture.h"
#include "pictures/geometry.h"
#include "pictures/trazel_menus.h"

namespace lt::pictures {

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

// A menu of the window's menu bar dropped open, named as the model names
// it, with the item under the pointer and, beside a cascading item, the
// choice under the pointer.
struct OpenMenu {
    std::string menu;
    std::string item;   // empty: none highlighted
    std::string choice; // of a cascading item; empty: its choices stay closed
};

// The component pop-up menu, opened with the right mouse button, its corner
// at a point of the picture (twips).
struct OpenPopup {
    Point at;
    std::string item; // empty: none highlighted
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

// A window of Trazel (or of Skemora) filling the picture.
struct HostScreen {
    HostWindow window = HostWindow::DesignWindow;
    // The file the title bar names: a design, a library's footprint, a
    // schematic; empty when none is open.
    std::string file;
    // The designs open in the session, as the Window menu lists them; the
    // title's file alone when empty.
    std::vector<std::string> openDesigns;
    std::optional<OpenMenu> menu;
    std::optional<int> toolbarHighlight; // index of a highlighted toolbar button
    std::optional<Board> board;
    std::string status;

    std::string title() const;
    // The designs the Window menu lists.
    std::vector<std::string> designs() const;
};

// What the status bar says while Trazel waits for a command.
inline constexpr const char* IdleStatus = "Ready";

struct ScreenPicture final : forms::Picture {
    std::string description(int width, int height) const override;

    std::optional<HostScreen> host;
    std::optional<OpenPopup> popup;
    std::vector<Dialog> dialogs;
    std::vector<Figure> figures;
    std::vector<Callout> callouts;
    unsigned background = 0xFFFFFF;
};

} // namespace lt::pictures
