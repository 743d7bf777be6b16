// Fonts and brushes made once and kept for the program's life.
#pragma once

#include <windows.h>

#include "forms/control.h"

namespace lt::win32 {

HFONT fontFor(const forms::Font& font, int dpi);
HBRUSH brushFor(forms::Color color);

} // namespace lt::win32
