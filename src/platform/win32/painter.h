// The picture painter: pictures are descriptions drawn with GDI at the
// screen's resolution, so they stay sharp and small.
#pragma once

#include <windows.h>

#include "forms/control.h"

namespace lt::win32 {

void paintPicture(HDC dc, const RECT& area, const forms::PictureRef& picture, int dpi);
void paintShape(HDC dc, const RECT& area, const forms::Control& shape);

} // namespace lt::win32
