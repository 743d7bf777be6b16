#include "menu/arrangement.h"

#include "app/edition.h"

namespace lt {

namespace {

const Arrangement Full{FullGrid, std::nullopt};

// Trazel Ultor: every lesson; lesson 12's labels sit further right.
const Arrangement UltorArrangement{FullGrid, LabelBase{12, 1245}};

// Trazel: no Ultor lessons; lesson 12 alone in the middle of the last row.
const Arrangement StandardArrangement{{{{1, 2, 3}, {8, 4, 13}, {5, 6, 7}, {9, 10, 11}, {0, 12, 0}}}, LabelBase{12, 1230}};

// Trazel Kelmar Edition: eleven lessons, closed up.
const Arrangement KelmarArrangement{{{{1, 2, 3}, {8, 4, 5}, {7, 9, 10}, {11, 0, 12}, {0, 0, 0}}}, std::nullopt};

} // namespace

const Arrangement& arrangementFor(std::int16_t ed)
{
    switch (ed) {
    case edition::Kelmar:
        return KelmarArrangement;
    case edition::Standard:
        return StandardArrangement;
    case edition::Ultor:
        return UltorArrangement;
    default:
        return Full;
    }
}

Place fullPlace(int lesson)
{
    for (std::size_t row = 0; row < FullGrid.size(); ++row)
        for (std::size_t col = 0; col < FullGrid[row].size(); ++col)
            if (FullGrid[row][col] == lesson)
                return {ColumnLeft[col], RowTop[row]};
    return {0, 0};
}

} // namespace lt
