// Trazel's Renumber command (Tools menu): new reference designators in
// rows or columns across the board, each prefix counting on its own.
#pragma once

#include <string>
#include <vector>

#include "pictures/screen_picture.h"

namespace lt::pictures {

enum class RenumberOrder {
    Rows,    // each row left to right, the rows from the top down
    Columns, // each column top to bottom, the columns from the left
};

struct Renaming {
    std::string was, is;
};

// The designators that change, in the order Trazel numbers the components.
// Components whose centres lie within `tolerance` mils of the first one of
// a row (or column) count as that row; numbers start at 1 and rise by 1.
std::vector<Renaming> renumber(const Board& board, RenumberOrder order, int tolerance);

// The board with the components renamed.
Board renamed(Board board, const std::vector<Renaming>& renamings);

} // namespace lt::pictures
