// The design window's keys for its view, as Trazel has them: I and O zoom
// in and out, SHIFT+HOME shows the whole board, HOME redraws, and CTRL+F asks
// for a place ("x,y" in mils, typed and ended with ENTER, ESC cancels) to
// centre on.
// Portable so the native tests can run it.
#pragma once

#include <optional>
#include <string>

#include "pictures/host_view.h"

namespace standin {

// Windows' virtual-key codes of the keys the view knows besides letters and digits.
namespace vk {
inline constexpr unsigned Back = 0x08, Enter = 0x0D, Esc = 0x1B, Home = 0x24, Comma = 0xBC, Minus = 0xBD,
                          NumMinus = 0x6D;
}

class ViewKeys {
public:
    static constexpr int MostIn = 6, MostOut = -2;

    // Takes a key pressed in the board view; false when the key is not one
    // of the view's, so the window may do something else with it.
    bool key(unsigned vk, bool ctrl, bool shift);
    void zoomIn();
    void zoomOut();
    void wholeBoard();
    // Asks for a place to centre on, as CTRL+F does.
    void askPlace();

    const lt::pictures::BoardZoom& zoom() const { return zoom_; }
    // What the status bar says about the view.
    std::string status() const;

private:
    lt::pictures::BoardZoom zoom_;
    std::optional<std::string> place_; // typed after CTRL+F
};

} // namespace standin
