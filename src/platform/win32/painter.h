// The picture painter: pictures are named descriptions drawn with GDI at the
// screen's resolution, so they stay sharp and small.
#pragma once

#include <windows.h>

#include <string>

#include "forms/control.h"

namespace lt::win32 {

void paintPicture(HDC dc, const RECT& area, const std::string& name, int dpi);
void paintShape(HDC dc, const RECT& area, const forms::Control& shape);

} // namespace lt::win32
