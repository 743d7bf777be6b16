#include "platform/win32/control_painting.h"

#include "platform/win32/gdi_cache.h"
#include "platform/win32/paint_kit.h"
#include "platform/win32/painter.h"
#include "platform/win32/utf.h"

namespace lt::win32 {

namespace {

constexpr int FacePaddingTwips = 90;

void paintFace(HDC dc, const RECT& area, const forms::Control& c, int dpi, UINT edge)
{
    fill(dc, area, c.backColor());
    if (c.picture())
        paintPicture(dc, area, c.picture(), dpi);
    if (edge) {
        RECT r = area;
        DrawEdge(dc, &r, edge, BF_RECT);
    }
    // The caption keeps off the edge: the padding across, half of it down.
    const int pad = MulDiv(FacePaddingTwips, dpi, 1440);
    const RECT text = {area.left + pad, area.top + pad / 2, area.right - pad, area.bottom - pad / 2};
    drawCaption(dc, text, c, dpi,
                c.alignment() == forms::Align::Center ? CaptionLayout::Centred : CaptionLayout::SingleLine);
}

} // namespace

void drawCaption(HDC dc, RECT box, const forms::Control& c, int dpi, CaptionLayout layout)
{
    if (c.caption().empty())
        return;
    Selected font(dc, fontFor(c.font(), dpi), false);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, c.foreColor());
    const std::wstring caption = widen(c.caption());
    switch (layout) {
    case CaptionLayout::Wrapped:
        DrawTextW(dc, caption.c_str(), -1, &box, DT_WORDBREAK | DT_NOPREFIX);
        break;
    case CaptionLayout::SingleLine:
        DrawTextW(dc, caption.c_str(), -1, &box, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
        break;
    case CaptionLayout::Centred: {
        const UINT centred = DT_CENTER | DT_WORDBREAK;
        RECT measure = box;
        DrawTextW(dc, caption.c_str(), -1, &measure, centred | DT_CALCRECT);
        OffsetRect(&box, 0, ((box.bottom - box.top) - (measure.bottom - measure.top)) / 2);
        DrawTextW(dc, caption.c_str(), -1, &box, centred);
        break;
    }
    }
}

void paintImage(HDC dc, const RECT& area, const forms::Control& c, int dpi)
{
    paintPicture(dc, area, c.picture(), dpi);
}

void paintShapeControl(HDC dc, const RECT& area, const forms::Control& c, int) { paintShape(dc, area, c); }

void paintTransparentLabel(HDC dc, const RECT& area, const forms::Control& c, int dpi)
{
    drawCaption(dc, area, c, dpi, CaptionLayout::Wrapped);
}

void paintPanelFace(HDC dc, const RECT& area, const forms::Control& c, int dpi)
{
    paintFace(dc, area, c, dpi, BDR_RAISEDINNER);
}

void paintPictureBoxFace(HDC dc, const RECT& area, const forms::Control& c, int dpi)
{
    paintFace(dc, area, c, dpi, c.border() ? EDGE_SUNKEN : 0);
}

} // namespace lt::win32
