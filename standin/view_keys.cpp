#include "view_keys.h"

#include <algorithm>
#include <cstdio>

namespace standin {

namespace {
using namespace vk;

std::optional<lt::pictures::Point> parsePlace(const std::string& s)
{
    int x = 0, y = 0;
    char end = 0;
    if (std::sscanf(s.c_str(), "%d,%d%c", &x, &y, &end) != 2)
        return std::nullopt;
    return lt::pictures::Point{x, y};
}
} // namespace

void ViewKeys::zoomIn() { zoom_.steps = std::min(zoom_.steps + 1, MostIn); }

void ViewKeys::zoomOut() { zoom_.steps = std::max(zoom_.steps - 1, MostOut); }

void ViewKeys::wholeBoard()
{
    zoom_ = {};
    place_.reset();
}

void ViewKeys::askPlace() { place_ = std::string(); }

bool ViewKeys::key(unsigned vk, bool ctrl, bool shift)
{
    if (place_) {
        if ((vk >= '0' && vk <= '9') || vk == Comma || vk == Minus || vk == NumMinus) {
            *place_ += vk == Comma ? ',' : (vk == Minus || vk == NumMinus) ? '-' : static_cast<char>(vk);
        } else if (vk == Back) {
            if (!place_->empty())
                place_->pop_back();
        } else if (vk == Enter) {
            if (const auto p = parsePlace(*place_))
                zoom_.centre = p;
            place_.reset();
        } else if (vk == Esc) {
            place_.reset();
        }
        return true;
    }
    if (ctrl && vk == 'F') {
        askPlace();
        return true;
    }
    if (ctrl)
        return false;
    if (vk == 'I')
        zoomIn();
    else if (vk == 'O')
        zoomOut();
    else if (vk == Home && shift)
        wholeBoard();
    else if (vk != Home) // Home alone redraws the view as it is
        return false;
    return true;
}

std::string ViewKeys::status() const
{
    if (place_)
        return "Go to x,y: " + *place_;
    if (zoom_.steps == 0 && !zoom_.centre)
        return "Whole board";
    std::string s = "Zoom " + std::to_string(zoom_.steps);
    if (zoom_.centre)
        s += " at " + std::to_string(zoom_.centre->x) + "," + std::to_string(zoom_.centre->y);
    return s;
}

} // namespace standin
