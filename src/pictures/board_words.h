// A board in Trazel's design area, in words: what it holds and what stands
// out on it, and what lies under a point a note points at.
#pragma once

#include <string>
#include <vector>

#include "pictures/screen_picture.h"

namespace lt::pictures {

// Clauses about a board: its components (or the close
// view's), what is routed and what is not, vias, zones, dimensions, the
// selected and locked items and a window being dragged.
std::vector<std::string> boardClauses(const Board& board);

// The thing of the board under a point (twips) of a design area showing it:
// "pin 1 of R2", "a via", "U6", "a track on the Top layer", "the connection
// of net EN from pin 1 of R2 to pin 8 of U6"; "the board" or "the design
// area" when nothing in particular lies there.
std::string boardThingAt(const Board& board, const Area& designArea, Point at, const std::string& file);

} // namespace lt::pictures
