// Trazel's menus, defined once: the menu bars of its session frame and its
// design window, every menu with its items (access keys, shortcut keys,
// separators, the dialog box each item opens, the choices of a cascading
// item) and the pop-up menu of a component. The lesson pictures draw these
// menus, the stand-in Trazel builds its real menus from them, and the texts
// name their commands as they stand here.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lt::pictures {

// The windows of Trazel and of its schematic partner that the tutorial shows.
enum class HostWindow { SessionFrame, DesignWindow, Skemora };

struct MenuItem {
    MenuItem() = default; // a separator
    MenuItem(std::string label, std::string shortcut = "", std::string dialog = "", std::vector<MenuItem> choices = {})
        : label(std::move(label)), shortcut(std::move(shortcut)), dialog(std::move(dialog)), choices(std::move(choices))
    {
    }

    std::string label;    // the words with '&' before the access key; empty for a separator
    std::string shortcut; // "Ctrl+O", "I", "Shift+Home"; empty for none
    std::string dialog;   // the title of the dialog box the item opens; empty for none
    std::vector<MenuItem> choices; // a cascading item's own menu

    bool separator() const { return label.empty(); }
    // The item's name as the texts write it: "Save As".
    std::string name() const;
    // The access key, in lower case; 0 for none.
    char accessKey() const;
    // As a menu shows it: the label, three dots when it opens a dialog box,
    // and a tab before the shortcut ("Save &As...", "&Open...\tCtrl+O").
    std::string menuText() const;
    const MenuItem* choice(std::string_view name) const;
};

struct Menu {
    Menu(std::string label, std::vector<MenuItem> items = {}, bool listsDesigns = false)
        : label(std::move(label)), items(std::move(items)), listsDesigns(listsDesigns)
    {
    }

    std::string label; // "&File"
    std::vector<MenuItem> items;
    // The Window menu lists the open designs after its own items.
    bool listsDesigns = false;

    std::string name() const;
    char accessKey() const;
    const MenuItem* item(std::string_view name) const;
    // The items as the menu shows them while `designs` are open: a menu that
    // lists the designs numbers them from 1 ("&1 TUTORBD2.MAX").
    std::vector<MenuItem> itemsShown(const std::vector<std::string>& designs) const;
};

// The menu bar of a window, left to right. Skemora's menus are named only.
const std::vector<Menu>& menuBar(HostWindow window);
const Menu* findMenu(HostWindow window, std::string_view name);

// The menu the right mouse button opens on a component; the texts call it
// the pop-up menu.
const Menu& componentPopup();

// The item that a learner's Alt+menu key, then item key, chooses; none when
// the keys choose none.
std::optional<MenuItem> chosenByKeys(HostWindow window, char menuKey, char itemKey,
                                     const std::vector<std::string>& designs);

// The menu and item that open a dialog box, by its title.
struct MenuPath {
    std::string menu, item;
};
std::optional<MenuPath> openedBy(HostWindow window, std::string_view dialog);

} // namespace lt::pictures
