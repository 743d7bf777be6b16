#include "pictures/screen_picture.h"

#include "pictures/describe.h"

namespace lt::pictures {

std::string HostScreen::title() const
{
    switch (window) {
    case HostWindow::SessionFrame:
        return "Trazel Session";
    case HostWindow::Skemora:
        return file.empty() ? "Quarn Skemora" : "Quarn Skemora - " + file;
    case HostWindow::DesignWindow:
        break;
    }
    return file.empty() ? "Trazel" : "Trazel - " + file;
}

std::vector<std::string> HostScreen::designs() const
{
    if (!openDesigns.empty() || file.empty())
        return openDesigns;
    return {file};
}

std::string ScreenPicture::description(int width, int height) const { return describe(*this, {0, 0, width, height}); }

} // namespace lt::pictures
