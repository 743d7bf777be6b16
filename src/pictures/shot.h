// Building a screen picture step by step: Trazel's window with a board, an
// open menu named by its menu and item, dialog boxes, notes and drawings.
// A menu, item or dialog the model of Trazel lacks is refused, so a picture
// can show only the Trazel the model defines.
#pragma once

#include <string>
#include <vector>

#include "pictures/screen_picture.h"
#include "pictures/tutorial_boards.h"

namespace lt::pictures {

namespace item {
DialogItem label(const std::string& text, Area at);
DialogItem field(const std::string& name, const std::string& value, Area at, bool highlighted = false);
DialogItem check(const std::string& text, bool on, Area at, bool highlighted = false);
DialogItem option(const std::string& text, bool on, Area at, bool highlighted = false);
DialogItem button(const std::string& text, Area at, bool highlighted = false);
// Items one per line; `chosen` is shown selected.
DialogItem list(const std::vector<std::string>& items, const std::string& chosen, Area at);
DialogItem group(const std::string& text, Area at);
} // namespace item

class Shot {
public:
    // Trazel's design window with a stage of the tutorial board, titled with
    // the stage's design file, or with `file` for a design of its own. A
    // new design (Stage::Empty) has no board.
    static Shot host(Stage stage, const std::string& file = "");
    // The design window with a board, titled with its file.
    static Shot host(Board board, const std::string& file);
    // Trazel's session frame, before any design is open.
    static Shot sessionFrame();
    // Quarn Skemora's window with a schematic.
    static Shot skemora(const std::string& file);
    // A plain white diagram.
    static Shot diagram();

    // The designs the session has open, as the Window menu lists them.
    Shot& openDesigns(std::vector<std::string> files);
    // The menu `menu` dropped open with `item` under the pointer and, for a
    // cascading item, its `choice`; an empty item highlights none.
    Shot& menu(const std::string& menu, const std::string& item, const std::string& choice = "");
    // The component pop-up menu with its corner at `at`.
    Shot& popup(Point at, const std::string& item);
    Shot& dialog(const std::string& title, Area at, std::vector<DialogItem> items);
    // The dialog box that a menu item opens, with the title the model gives it.
    Shot& dialogOf(const std::string& menu, const std::string& item, Area at, std::vector<DialogItem> items);
    Shot& note(const std::string& text, Area at);
    Shot& note(const std::string& text, Area at, Point pointsTo);
    Shot& status(const std::string& text);
    Shot& tool(int index); // highlights a toolbar button
    Shot& figure(Figure f);
    Shot& box(const std::string& text, Area at, unsigned color = 0x000000, bool filled = false);
    Shot& text(const std::string& text, Area at, bool bold = false, unsigned color = 0x000000);
    Shot& arrow(Point from, Point to, unsigned color = 0x0000C0);
    Board& board() { return screen().board.value(); }

    forms::PictureRef done() const;

private:
    static Shot window(HostWindow window, const std::string& file);
    HostScreen& screen();
    ScreenPicture picture_;
};

} // namespace lt::pictures
