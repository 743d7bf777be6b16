#include "platform/win32/painter.h"

#include "platform/win32/gdi_cache.h"

namespace lt::win32 {

namespace {

int scaled(int pixelsAt96, int dpi) { return MulDiv(pixelsAt96, dpi, 96); }

// A progress marker: a tick standing at the right end of its area, on the
// line of the label beside it.
void paintCheck(HDC dc, const RECT& r, int dpi)
{
    const int w = scaled(10, dpi), h = scaled(9, dpi);
    const int right = r.right - scaled(1, dpi), bottom = r.bottom - scaled(2, dpi);
    const POINT tick[] = {{right - w, bottom - h / 2}, {right - w * 6 / 10, bottom}, {right, bottom - h}};
    HPEN pen = CreatePen(PS_SOLID, std::max(2, scaled(2, dpi)), RGB(0, 96, 0));
    HGDIOBJ old = SelectObject(dc, pen);
    Polyline(dc, tick, 3);
    SelectObject(dc, old);
    DeleteObject(pen);
}

// The start-up picture: the product's name over a small circuit board.
void paintLogo(HDC dc, const RECT& r, int dpi)
{
    FillRect(dc, &r, brushFor(RGB(16, 64, 32)));
    RECT board = {r.left + scaled(24, dpi), r.top + scaled(90, dpi), r.right - scaled(24, dpi), r.bottom - scaled(20, dpi)};
    FillRect(dc, &board, brushFor(RGB(32, 120, 56)));
    HPEN copper = CreatePen(PS_SOLID, scaled(3, dpi), RGB(214, 160, 64));
    HGDIOBJ old = SelectObject(dc, copper);
    const int y = (board.top + board.bottom) / 2;
    MoveToEx(dc, board.left + scaled(20, dpi), y, nullptr);
    LineTo(dc, board.right - scaled(60, dpi), y);
    LineTo(dc, board.right - scaled(30, dpi), board.top + scaled(14, dpi));
    SelectObject(dc, old);
    DeleteObject(copper);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    HGDIOBJ oldFont = SelectObject(dc, fontFor({"Arial", 24, true}, dpi));
    RECT title = {r.left, r.top + scaled(20, dpi), r.right, r.top + scaled(80, dpi)};
    DrawTextW(dc, L"Learning Trazel", -1, &title, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, oldFont);
}

} // namespace

void paintPicture(HDC dc, const RECT& area, const std::string& name, int dpi)
{
    if (name == "check")
        paintCheck(dc, area, dpi);
    else if (name == "logo")
        paintLogo(dc, area, dpi);
}

void paintShape(HDC dc, const RECT& area, const forms::Control& shape)
{
    HPEN pen = CreatePen(PS_INSIDEFRAME, 1, shape.foreColor());
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, area.left, area.top, area.right, area.bottom);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
}

} // namespace lt::win32
