// The commands of Trazel's menus that the stand-in carries out, named as
// the model of Trazel names them; every other item of its menus only names
// itself in the status bar. Portable, so the native tests can hold the
// names to the model.
#pragma once

#include <vector>

#include "resource.h"

namespace standin {

struct MenuCommand {
    const char* menu;
    const char* item;
    unsigned id;
};

inline const std::vector<MenuCommand>& sessionFrameCommands()
{
    static const std::vector<MenuCommand> commands = {
        {"File", "New", ID_SESSION_NEW},
        {"File", "Open", ID_SESSION_OPEN},
        {"File", "Exit", ID_SESSION_EXIT},
        {"Help", "About Trazel", ID_SESSION_ABOUT},
    };
    return commands;
}

inline const std::vector<MenuCommand>& designWindowCommands()
{
    static const std::vector<MenuCommand> commands = {
        {"File", "New", ID_FILE_NEW},          {"File", "Open", ID_FILE_OPEN},
        {"File", "Close", ID_FILE_CLOSE},      {"File", "Exit", ID_FILE_EXIT},
        {"View", "Zoom In", ID_VIEW_ZOOM_IN},  {"View", "Zoom Out", ID_VIEW_ZOOM_OUT},
        {"View", "All", ID_VIEW_ALL},          {"View", "Go To", ID_VIEW_GO_TO},
        {"Window", "Redraw", ID_VIEW_REDRAW},  {"Help", "About Trazel", ID_HELP_ABOUT},
    };
    return commands;
}

} // namespace standin
