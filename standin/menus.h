// The stand-in's real menu bars, built from the model of Trazel's menus so
// that the menus a learner opens are the ones the lessons show.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "menu_commands.h"
#include "pictures/trazel_menus.h"

namespace standin {

// The menu bar of a window of Trazel: the items of `commands` carry their
// numbers, the open designs of a Window menu the numbers from
// ID_WINDOW_DESIGN on, every other item one of the not-modelled range.
HMENU buildMenuBar(lt::pictures::HostWindow window, const std::vector<MenuCommand>& commands,
                   const std::vector<std::string>& designs);

// A not-modelled item's words without its access key or dots, for the
// status bar.
std::wstring commandName(HWND window, UINT id);
bool notModelled(UINT id);

} // namespace standin
