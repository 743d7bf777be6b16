#include "pictures/trazel_menus.h"

#include <cctype>

namespace lt::pictures {

namespace {

const MenuItem Separator{};

// The design window: one menu bar for every design, from File to Help.
const std::vector<Menu> DesignWindowMenus = {
    {"&File",
     {{"&New", "Ctrl+N", "New Design"},
      {"&Open", "Ctrl+O", "Open"},
      {"&Close"},
      Separator,
      {"&Save", "Ctrl+S"},
      {"Save &As", "", "Save As"},
      Separator,
      {"&Import Netlist", "", "Import Netlist"},
      Separator,
      {"&Print", "Ctrl+P", "Print"},
      {"P&hotoplot", "", "Photoplot"},
      {"&View Photoplot", "", "View Photoplot"},
      {"NC &Drill", "", "NC Drill"},
      Separator,
      {"E&xit"}}},
    {"&Edit",
     {{"&Undo", "Ctrl+Z"},
      {"&Redo", "Ctrl+Y"},
      Separator,
      {"Cu&t", "Ctrl+X"},
      {"&Copy", "Ctrl+C"},
      {"&Paste", "Ctrl+V"},
      {"&Delete", "Del"},
      {"Select &All", "Ctrl+A"},
      Separator,
      {"S&wap Components"},
      {"&Lock"},
      {"U&nlock"},
      Separator,
      {"Propert&ies", "", "Properties"}}},
    {"&View",
     {{"Zoom &In", "I"},
      {"Zoom &Out", "O"},
      {"Zoom &Window"},
      {"&All", "Shift+Home"},
      {"&Go To", "Ctrl+F"},
      Separator,
      {"Co&nnections"},
      {"&Thermal Reliefs"},
      Separator,
      {"Tool&bar"},
      {"&Status Bar"}}},
    {"&Setup",
     {{"&Board", "", "Board"},
      {"&Layers", "", "Layers"},
      {"&Design Rules", "", "Design Rules"},
      {"&Grids", "", "Grids"},
      {"&Origin"},
      {"&Pad Stacks", "", "Pad Stacks"},
      Separator,
      {"Display &Colors", "", "Display Colors"}}},
    {"&Place",
     {{"&Component", "", "Place Component"},
      {"Cl&uster", "", "Cluster"},
      Separator,
      {"&Zone"},
      {"&Keepout"},
      Separator,
      {"&Pad", "", "Pad"},
      {"Pad &Array", "", "Pad Array"},
      Separator,
      {"&Line"},
      {"&Dimension", "", "", {{"&Horizontal", "", "Dimension"}, {"&Vertical", "", "Dimension"}, {"&Aligned", "", "Dimension"}}},
      {"Reference D&esignator"}}},
    {"&Route",
     {{"&Add Track", "A"},
      {"Auto &Path"},
      {"Add &Via", "V"},
      {"&Change Layer", "L"},
      {"&Width", "W", "Track Width"},
      {"Corner &Style", "", "", {{"&90 Degrees"}, {"&45 Degrees"}, {"A&ny Angle"}}},
      Separator,
      {"&Move Segment"},
      {"S&tretch Track"},
      Separator,
      {"&Unroute", "U"},
      Separator,
      {"&Options", "", "Auto Path Options"}}},
    {"&Auto",
     {{"&Autoroute", "", "", {{"&Board"}, {"&Net"}, {"&Component"}, {"&Window"}}},
      {"&Strategy", "", "Routing Strategy"},
      Separator,
      {"&Fanout", "", "Fanout"},
      {"Auto&place", "", "Autoplace"},
      Separator,
      {"S&top", "Esc"}}},
    {"&Tools",
     {{"&Design Rule Check", "", "Design Rule Check"},
      {"&Error List", "", "Error List"},
      Separator,
      {"&Pour Zones"},
      Separator,
      {"&Library Manager", "", "Library Manager"},
      Separator,
      {"Re&number", "", "Renumber"},
      {"Rel&inx", "", "Relinx"},
      Separator,
      {"&Cross Probe"},
      {"Cross Probe &Options", "", "Cross Probe Options"},
      Separator,
      {"&Reports", "", "Reports"}}},
    {"&Window", {{"&Session Frame"}, {"&Cascade"}, {"&Tile"}, {"&Redraw", "Home"}}, true},
    {"&Help",
     {{"&Help Topics", "F1"},
      {"&Commands"},
      {"&Keyboard Shortcuts"},
      Separator,
      {"&Learning Trazel"},
      Separator,
      {"&About Trazel", "", "About Trazel"}}},
};

// The session frame, before and beside the design windows.
const std::vector<Menu> SessionFrameMenus = {
    {"&File",
     {{"&New", "Ctrl+N", "New Design"}, {"&Open", "Ctrl+O", "Open"}, Separator, {"Close &All"}, Separator, {"E&xit"}}},
    {"&Help", {{"&Help Topics", "F1"}, Separator, {"&Learning Trazel"}, Separator, {"&About Trazel", "", "About Trazel"}}},
};

// Quarn Skemora, the schematic program: its menu bar as it looks beside Trazel.
const std::vector<Menu> SkemoraMenus = {{"&File"}, {"&Edit"}, {"&View"}, {"&Place"}, {"&Tools"}, {"&Window"}, {"&Help"}};

const Menu ComponentPopup = {"pop-up",
                             {{"&Move"},
                              {"R&otate 90"},
                              {"&Flip Side"},
                              Separator,
                              {"&Lock"},
                              {"U&nlock"},
                              Separator,
                              {"&Delete"},
                              {"Propert&ies", "", "Component Properties"}}};

std::string withoutMark(const std::string& label)
{
    std::string name;
    for (char c : label)
        if (c != '&')
            name += c;
    return name;
}

char markedKey(const std::string& label)
{
    const auto amp = label.find('&');
    if (amp == std::string::npos || amp + 1 >= label.size())
        return 0;
    return static_cast<char>(std::tolower(static_cast<unsigned char>(label[amp + 1])));
}

template <class Items>
const MenuItem* named(const Items& items, std::string_view name)
{
    for (const MenuItem& i : items)
        if (!i.separator() && i.name() == name)
            return &i;
    return nullptr;
}

} // namespace

std::string MenuItem::name() const { return withoutMark(label); }
char MenuItem::accessKey() const { return markedKey(label); }

std::string MenuItem::menuText() const
{
    std::string text = label + (dialog.empty() ? "" : "...");
    if (!shortcut.empty())
        text += "\t" + shortcut;
    return text;
}

const MenuItem* MenuItem::choice(std::string_view n) const { return named(choices, n); }

std::string Menu::name() const { return withoutMark(label); }
char Menu::accessKey() const { return markedKey(label); }
const MenuItem* Menu::item(std::string_view n) const { return named(items, n); }

std::vector<MenuItem> Menu::itemsShown(const std::vector<std::string>& designs) const
{
    std::vector<MenuItem> shown = items;
    if (!listsDesigns || designs.empty())
        return shown;
    shown.push_back(Separator);
    for (std::size_t i = 0; i < designs.size() && i < 9; ++i)
        shown.push_back({"&" + std::to_string(i + 1) + " " + designs[i]});
    return shown;
}

const std::vector<Menu>& menuBar(HostWindow window)
{
    switch (window) {
    case HostWindow::SessionFrame:
        return SessionFrameMenus;
    case HostWindow::Skemora:
        return SkemoraMenus;
    case HostWindow::DesignWindow:
        break;
    }
    return DesignWindowMenus;
}

const Menu* findMenu(HostWindow window, std::string_view name)
{
    for (const Menu& m : menuBar(window))
        if (m.name() == name)
            return &m;
    return nullptr;
}

const Menu& componentPopup() { return ComponentPopup; }

std::optional<MenuItem> chosenByKeys(HostWindow window, char menuKey, char itemKey,
                                     const std::vector<std::string>& designs)
{
    const auto lower = [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); };
    for (const Menu& m : menuBar(window)) {
        if (m.accessKey() != lower(menuKey))
            continue;
        for (const MenuItem& i : m.itemsShown(designs))
            if (!i.separator() && i.accessKey() == lower(itemKey))
                return i;
    }
    return std::nullopt;
}

std::optional<MenuPath> openedBy(HostWindow window, std::string_view dialog)
{
    for (const Menu& m : menuBar(window))
        for (const MenuItem& i : m.items) {
            if (i.dialog == dialog)
                return MenuPath{m.name(), i.name()};
            for (const MenuItem& c : i.choices)
                if (c.dialog == dialog)
                    return MenuPath{m.name(), i.name()};
        }
    return std::nullopt;
}

} // namespace lt::pictures
