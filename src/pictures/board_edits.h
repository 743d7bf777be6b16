// Finding things on a board and changing it the way a learner would in
// Trazel: components and their pads, tracks, moves, selections, locks and a
// closer look.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "pictures/screen_picture.h"

namespace lt::pictures {

// A component of a board by its reference designator; throws if the board
// lacks it.
const Component& part(const Board& board, const std::string& reference);
// The centre of a pad: pin 1 lies at the left end of the lower pad row (at
// the top of the left row of an upright part), the others follow it
// counterclockwise.
Point pinOf(const Component& component, int pin);
Point pinOf(const Board& board, const std::string& reference, int pin);
// The centres of all pads of a component, pin 1 first; whether a point is
// one of them.
std::vector<Point> padsOf(const Component& component);
bool onePadOf(const std::vector<Point>& pads, Point p);

// The track of a board that starts or ends at a point, such as a pad or a
// via; throws if there is none.
const Track& trackAt(const Board& board, Point end);
const Track& trackAt(const Board& board, Point end, Layer layer);

// Draws a track along `points`.
void addTrack(Board& board, Layer layer, std::vector<Point> points, bool selected = false);
// Takes away the connection line that starts at `from`, as Trazel does once
// a track is being drawn from there.
void dropConnectionFrom(Board& board, Point from);

// Moves a component to `to`; the connections of its pads move with it.
void move(Board& board, const std::string& reference, Point to);

// Marks the named components of a board as selected (or locked).
void select(Board& board, std::initializer_list<const char*> references);
void lock(Board& board, std::initializer_list<const char*> references);

// The board as Trazel shows it zoomed in on `view`: the parts wholly in
// view, tracks, connections and the board's edge cut at its edges. The
// outline shrinks to a point inside the first part, so the window fits the
// parts in view rather than the whole board.
Board zoomIn(const Board& board, Area view);

} // namespace lt::pictures
