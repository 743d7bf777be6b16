// How the binding draws the controls no system window class draws: pictures
// and shapes, transparent labels, and the faces of panels and picture boxes.
#pragma once

#include <windows.h>

#include "forms/control.h"

namespace lt::win32 {

// How a caption is laid out in its box.
enum class CaptionLayout {
    Wrapped,    // from the top left, wrapped at the box's width
    SingleLine, // one line from the top left
    Centred,    // wrapped, each line centred, the block centred in the box
};

// A control's caption in its font and fore colour over what is drawn already.
void drawCaption(HDC dc, RECT box, const forms::Control& c, int dpi, CaptionLayout layout);

void paintImage(HDC dc, const RECT& area, const forms::Control& c, int dpi);
void paintShapeControl(HDC dc, const RECT& area, const forms::Control& c, int dpi);
void paintTransparentLabel(HDC dc, const RECT& area, const forms::Control& c, int dpi);
// Faces: the background, the picture, the edge and the caption.
void paintPanelFace(HDC dc, const RECT& area, const forms::Control& c, int dpi);
void paintPictureBoxFace(HDC dc, const RECT& area, const forms::Control& c, int dpi);

} // namespace lt::win32
