#include "pictures/trazel_dialogs.h"

#include <algorithm>

#include "pictures/tutorial_boards.h"

namespace lt::pictures {

using namespace item;

Shot& libraryManager(Shot& s, Point at, const std::vector<std::string>& libraries, const std::string& library,
                     const std::vector<std::string>& footprints, const std::string& footprint,
                     const std::string& description, const std::string& pressed)
{
    std::vector<DialogItem> items = {label("Libraries:", {120, 90, 1700, 240}),
                                     list(libraries, library, {120, 360, 1700, 700}),
                                     label("Footprints:", {120, 1170, 1700, 240}),
                                     list(footprints, footprint, {120, 1440, 1700, 2400}),
                                     label(description, {120, 3960, 2660, 690})};
    int top = 360;
    for (const char* b : {"Open...", "Close", "New...", "Edit", "Copy...", "Rename...", "Delete"}) {
        items.push_back(button(b, {1950, top, 830, 330}, pressed == b));
        top += 420;
    }
    items.push_back(button("Done", {1950, 3420, 830, 330}, pressed == "Done"));
    return s.dialogOf("Tools", "Library Manager", {at.x, at.y, 2950, 5150}, std::move(items));
}

Shot& openLibrary(Shot& s, Point at, const std::string& folder, const std::vector<std::string>& files,
                  const std::string& chosen)
{
    return s.dialog("Open Library", {at.x, at.y, 4300, 2900},
                    {label("Folder: " + folder, {120, 90, 3900, 240}), list(files, chosen, {120, 390, 3900, 900}),
                     field("File name", chosen, {120, 1410, 3900, 300}, true),
                     label("Files of type: Footprint libraries (*.LLB)", {120, 1800, 3900, 240}),
                     button("OK", {1020, 2100, 1000, 330}, true), button("Cancel", {2220, 2100, 1000, 330})});
}

namespace {

bool among(const Highlighted& names, const std::string& name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

std::string mils(int n) { return std::to_string(n) + " mil"; }

} // namespace

Shot& gridsDialog(Shot& s, Point at, int placementGrid, const Highlighted& highlighted)
{
    std::vector<DialogItem> items;
    int top = 150;
    for (const auto& [name, value] : std::vector<std::pair<std::string, std::string>>{
             {"Design grid", "25 mil"}, {"Placement grid", mils(placementGrid)}, {"Via grid", "25 mil"},
             {"Display grid", "100 mil"}}) {
        items.push_back(field(name, value, {150, top, 3850, 300}, among(highlighted, name)));
        top += 400;
    }
    items.push_back(check("Snap to grid", true, {150, 1800, 3850, 270}, among(highlighted, "Snap to grid")));
    items.push_back(button("OK", {900, 2350, 1000, 360}));
    items.push_back(button("Cancel", {2250, 2350, 1000, 360}));
    return s.dialogOf("Setup", "Grids", {at.x, at.y, 4300, 3250}, std::move(items));
}

Shot& layersDialog(Shot& s, Point at, const std::string& layer, const Highlighted& highlighted)
{
    std::vector<std::string> rows;
    const BoardLayer* chosen = nullptr;
    for (const BoardLayer& l : boardLayers()) {
        if (l.use == BoardLayer::Use::Drawing)
            continue;
        std::string row = l.name;
        row.resize(11, ' ');
        rows.push_back(row + (l.use == BoardLayer::Use::Plane ? "Plane   " + l.planeNet : "Signal"));
        if (l.name == layer)
            chosen = &l;
    }
    const bool plane = chosen && chosen->use == BoardLayer::Use::Plane;
    std::string chosenRow;
    for (const std::string& r : rows)
        if (r.starts_with(layer + " "))
            chosenRow = r;
    return s.dialogOf("Setup", "Layers", {at.x, at.y, 4300, 4200},
                      {field("Copper layers", std::to_string(rows.size()), {120, 100, 3900, 300}),
                       list(rows, chosenRow, {120, 500, 3900, 1100}), group(layer, {120, 1700, 3900, 1300}),
                       option("Signal layer", !plane, {300, 2000, 1700, 285}, among(highlighted, "Signal layer")),
                       option("Plane layer", plane, {2100, 2000, 1700, 285}, among(highlighted, "Plane layer")),
                       field("Net", plane ? chosen->planeNet : "", {300, 2450, 3500, 300}, among(highlighted, "Net")),
                       button("OK", {900, 3250, 1000, 360}), button("Cancel", {2300, 3250, 1000, 360})});
}

Shot& designRulesDialog(Shot& s, Point at, const Highlighted& highlighted)
{
    std::vector<DialogItem> items;
    const auto fields = [&](const std::string& title, int top,
                            const std::vector<std::pair<std::string, std::string>>& values) {
        items.push_back(group(title, {120, top, 4600, 260 + 360 * static_cast<int>(values.size())}));
        int y = top + 280;
        for (const auto& [name, value] : values) {
            items.push_back(field(name, value, {300, y, 4250, 300}, among(highlighted, name)));
            y += 360;
        }
    };
    fields("Tracks", 40, {{"Default width", "12 mil"}, {"Minimum width", "8 mil"}});
    fields("Clearances", 1110,
           {{"Track to track", "10 mil"}, {"Track to pad", "10 mil"}, {"Pad to pad", "10 mil"},
            {"Zone to copper", "20 mil"}, {"Board edge", "50 mil"}});
    fields("Placement", 3260, {{"Component clearance", "25 mil"}});
    items.push_back(field("Default via", "VIA35", {120, 3990, 4600, 300}, among(highlighted, "Default via")));
    items.push_back(check("Check rules while routing", true, {120, 4400, 4600, 285},
                          among(highlighted, "Check rules while routing")));
    items.push_back(button("OK", {1100, 4800, 1100, 360}));
    items.push_back(button("Cancel", {2600, 4800, 1100, 360}));
    return s.dialogOf("Setup", "Design Rules", {at.x, at.y, 4900, 5600}, std::move(items));
}

Shot& designRuleCheckDialog(Shot& s, Point at, const std::string& reportFile, const Highlighted& checked)
{
    std::vector<DialogItem> items = {group("Check", {150, 60, 4050, 2300})};
    int y = 380;
    for (const char* c : {"Clearances", "Unrouted connections", "Placement", "Track widths", "Zones and thermal reliefs"}) {
        const bool on = checked.empty() || among(checked, c);
        items.push_back(check(c, on, {400, y, 3600, 285}, on && !checked.empty()));
        y += 380;
    }
    items.push_back(field("Report file", reportFile, {150, 2600, 4050, 300}));
    items.push_back(button("Run", {900, 3250, 1200, 360}, true));
    items.push_back(button("Cancel", {2400, 3250, 1200, 360}));
    return s.dialogOf("Tools", "Design Rule Check", {at.x, at.y, 4500, 4300}, std::move(items));
}

} // namespace lt::pictures
