// The stand-in Trazel's design files: plain text, one record per line, the
// fields of a record separated by spaces, tabs or carriage returns. Positions
// and sizes are whole mils from -1000000 to 1000000, x growing to the right
// and y growing downward. Blank lines and lines whose first character is ';'
// are comments. The first line names the kind of file and the last record is
// END.
//
// A board (TUTORBD1.MAX):
//   TRAZEL BOARD
//   NAME name                          the design's name, once
//   OUTLINE left top width height      the board edge, once
//   PART ref footprint x y width height pins smd|th
//                                      a component centred on x,y; its pads lie
//                                      along the long sides; ref is letters then
//                                      a number (U16, R3); parts outside the
//                                      outline are waiting to be placed
//   TRACK layer width x,y x,y ...      a routed track through two or more points
//   VIA x y
//   ZONE layer net hatched|solid reliefs|direct x,y x,y x,y ...
//                                      a copper zone with three or more corners;
//                                      hatched is unpoured; reliefs joins pads
//                                      inside it through thermal spokes
//   CONNECT x,y x,y                    a connection not routed yet
//   END
// Layers: TOP, BOTTOM, INNER1, INNER2, SILK, KEEPOUT.
//
// A footprint library (TUTOR.LLB):
//   TRAZEL LIBRARY
//   NAME name                          once
//   FOOTPRINT name pins width height smd|th
//   END
//
// A support file, kept beside the designs (TUTOR.SF):
//   TRAZEL SUPPORT
//   DESIGNS name ...                   the designs of the folder, once
//   LIBRARY file                       a library the designs draw on
//   GRID mils                          the placement grid, once (25 if absent)
//   END
//
// Any other line, a field that does not read, a repeated or missing record is
// reported with its line number and the whole file is refused.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "pictures/screen_picture.h"

namespace standin {

struct BoardFile {
    std::string name;
    lt::pictures::Board board;
    std::vector<std::string> footprints; // of board.components, in order
    std::vector<std::string> zoneNets;   // of board.zones, in order
};

struct Footprint {
    std::string name;
    int pins = 0;
    int width = 0, height = 0;
    bool surfaceMount = false;
};

struct LibraryFile {
    std::string name;
    std::vector<Footprint> footprints;
};

struct SupportFile {
    std::vector<std::string> designs;
    std::vector<std::string> libraries;
    int grid = 25;
};

using DesignFile = std::variant<BoardFile, LibraryFile, SupportFile>;

class BadFile : public std::runtime_error {
public:
    BadFile(int line, const std::string& reason);
    int line() const { return line_; }
    const std::string& reason() const { return reason_; }

private:
    int line_;
    std::string reason_;
};

// Reads a file of any of the three kinds; throws BadFile.
DesignFile readDesignFile(std::string_view text);

} // namespace standin
