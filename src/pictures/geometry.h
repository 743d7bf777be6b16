// Places and sizes in a picture: twips inside the picture, or mils on a
// board; and colours as the pictures write them.
#pragma once

namespace lt::pictures {

struct Area {
    int left = 0, top = 0, width = 0, height = 0;
};

struct Point {
    int x = 0, y = 0;
};

// A colour as a COLORREF value (0xBBGGRR).
constexpr unsigned rgb(unsigned r, unsigned g, unsigned b) { return r | g << 8 | b << 16; }

} // namespace lt::pictures
