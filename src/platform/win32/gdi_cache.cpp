#include "platform/win32/gdi_cache.h"

#include <map>
#include <tuple>

#include "platform/win32/utf.h"

namespace lt::win32 {

HFONT fontFor(const forms::Font& font, int dpi)
{
    static std::map<std::tuple<std::string, int, bool, int>, HFONT> fonts;
    const int hundredths = static_cast<int>(font.size * 100 + 0.5);
    const auto key = std::make_tuple(font.name, hundredths, font.bold, dpi);
    auto it = fonts.find(key);
    if (it != fonts.end())
        return it->second;
    LOGFONTW lf{};
    lf.lfHeight = -MulDiv(hundredths, dpi, 7200);
    lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    const std::wstring face = widen(font.name);
    wcsncpy(lf.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    HFONT f = CreateFontIndirectW(&lf);
    fonts.emplace(key, f);
    return f;
}

HBRUSH brushFor(forms::Color color)
{
    static std::map<forms::Color, HBRUSH> brushes;
    auto it = brushes.find(color);
    if (it != brushes.end())
        return it->second;
    HBRUSH b = CreateSolidBrush(color);
    brushes.emplace(color, b);
    return b;
}

} // namespace lt::win32
