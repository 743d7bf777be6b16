// Where the lesson menu puts its fifteen lesson buttons for each edition of
// Trazel. Each button carries, beneath it, its "Lesson" and "Exercises"
// labels with their markers, placed from a label base relative to the button.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace lt {

inline constexpr std::array<int, 3> ColumnLeft = {135, 3270, 6420};
inline constexpr std::array<int, 5> RowTop = {105, 690, 1275, 1860, 2445};
inline constexpr int ButtonWidth = 3045, ButtonHeight = 330;

// Offsets of a button's labels and markers: tops below the button's top,
// lefts after the label base.
inline constexpr int LabelTop = 345, MarkerTop = 210;
inline constexpr int LessonLabelLeft = 0, ExercisesLabelLeft = 795, LessonMarkerLeft = 30, ExercisesMarkerLeft = 930;
inline constexpr int DefaultLabelBase = 750;

// Lesson numbers by row and column; 0 leaves the slot empty.
using Grid = std::array<std::array<int, 3>, 5>;

struct LabelBase {
    int lesson;
    int base; // relative to the button's left
};

struct Arrangement {
    Grid grid;
    std::optional<LabelBase> moved; // one lesson whose labels sit elsewhere
};

inline constexpr Grid FullGrid = {{{1, 2, 3}, {8, 4, 13}, {5, 6, 7}, {9, 10, 11}, {12, 14, 15}}};

// The arrangement for an edition; any value but 1, 2 and 3 has the full one.
const Arrangement& arrangementFor(std::int16_t edition);

struct Place {
    int left, top;
};
// Where a lesson's button stands in the full arrangement.
Place fullPlace(int lesson);

} // namespace lt
