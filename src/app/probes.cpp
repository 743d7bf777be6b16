#include "app/probes.h"

#include <cmath>

#include "app/edition.h"
#include "app/ver_select.h"

namespace lt {

std::string Display_Res(Tutorial& t)
{
    constexpr int SmallFontsHeight = 16;
    const auto height = t.desktop.systemFontHeight();
    return height && *height > SmallFontsHeight ? "8514" : "VGA";
}

void Large_Fonts_Warning(Tutorial& t)
{
    const std::string& p = t.g.CRLF2;
    const std::string body = t.text(81) + p + t.text(82) + p + t.text(83) + p + t.text(84);
    if (t.message(body, mb::OkCancel | mb::IconExclamation | mb::DefButton2) == mb::IdCancel)
        t.end();
}

bool Find_Edition(Tutorial& t)
{
    int installed = 0;
    for (const EditionKey& k : EditionKeys) {
        t.g.*(k.result) = t.desktop.openClassesRootKey(k.key);
        if (t.g.*(k.result) == 0) {
            ++installed;
            t.g.Edition = k.edition;
        }
    }
    t.desktop.setScreenPointer(Pointer::Default);
    if (installed > 1) {
        t.g.Edition = 0;
        t.forms.showModal(Ver_Select(t));
    }
    return installed > 0;
}

std::string Windows_Dir(Tutorial& t)
{
    constexpr unsigned BufferLength = 145;
    std::string buffer(BufferLength, '\0');
    const unsigned written = t.desktop.windowsDirectory(buffer.data(), BufferLength);
    // A directory too long for the buffer leaves it all NULs, which no
    // directory test accepts.
    return written == 0 ? buffer : buffer.substr(0, written);
}

bool Dir_Writable(Tutorial& t, std::string& dir)
{
    if (dir.size() == 2 && dir[1] == ':')
        dir += "\\";
    if (dir.find('\0') != std::string::npos || !t.files.findEntry(dir))
        return false;
    // Attributes that cannot be read leave the read-only bit clear.
    const auto attributes = t.files.attributes(dir);
    const bool readOnly = attributes && (*attributes & attr::ReadOnly);
    if (!dir.empty() && dir.back() == '\\')
        dir.pop_back();
    if (readOnly)
        return false;
    const std::string testFile = dir + "\\TEST.TMP";
    if (t.files.createEmpty(testFile) == FileError::PathFileAccess)
        return false;
    t.files.remove(testFile);
    return true;
}

void Center_Window(Tutorial& t, forms::Form& window)
{
    const float x = static_cast<float>(t.forms.screenWidth() - window.width()) / 2.0f;
    const float y = static_cast<float>(t.forms.screenHeight() - window.height()) / 2.0f;
    if (static_cast<float>(window.left()) == x && static_cast<float>(window.top()) == y)
        return;
    window.move(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)));
}

} // namespace lt
