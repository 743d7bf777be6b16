#include "menus.h"

#include <string_view>

#include "platform/win32/utf.h"

namespace standin {

namespace {

using lt::pictures::MenuItem;

UINT commandOf(const std::vector<MenuCommand>& commands, std::string_view menu, std::string_view item, UINT& next)
{
    for (const MenuCommand& c : commands)
        if (menu == c.menu && item == c.item)
            return c.id;
    return next++;
}

// Items from `listed` on are the open designs a Window menu lists.
HMENU buildMenu(const std::vector<MenuItem>& items, std::size_t listed, const std::string& menu,
                const std::vector<MenuCommand>& commands, UINT& nextUnmodelled, UINT& nextDesign)
{
    HMENU popup = CreatePopupMenu();
    for (std::size_t i = 0; i < items.size(); ++i) {
        const MenuItem& item = items[i];
        if (item.separator()) {
            AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const std::wstring text = lt::win32::widen(item.menuText());
        if (!item.choices.empty()) {
            HMENU choices =
                buildMenu(item.choices, item.choices.size(), menu, commands, nextUnmodelled, nextDesign);
            AppendMenuW(popup, MF_POPUP, reinterpret_cast<UINT_PTR>(choices), text.c_str());
            continue;
        }
        const UINT id = i >= listed ? nextDesign++ : commandOf(commands, menu, item.name(), nextUnmodelled);
        AppendMenuW(popup, MF_STRING, id, text.c_str());
    }
    return popup;
}

} // namespace

HMENU buildMenuBar(lt::pictures::HostWindow window, const std::vector<MenuCommand>& commands,
                   const std::vector<std::string>& designs)
{
    HMENU bar = CreateMenu();
    UINT nextUnmodelled = ID_NOT_MODELLED_FIRST, nextDesign = ID_WINDOW_DESIGN;
    for (const lt::pictures::Menu& m : lt::pictures::menuBar(window)) {
        HMENU popup = buildMenu(m.itemsShown(designs), m.items.size(), m.name(), commands, nextUnmodelled, nextDesign);
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), lt::win32::widen(m.label).c_str());
    }
    return bar;
}

bool notModelled(UINT id) { return id >= ID_NOT_MODELLED_FIRST && id <= ID_NOT_MODELLED_LAST; }

std::wstring commandName(HWND window, UINT id)
{
    wchar_t item[128] = {};
    GetMenuStringW(GetMenu(window), id, item, 128, MF_BYCOMMAND);
    std::wstring name;
    for (const wchar_t* c = item; *c && *c != L'\t'; ++c)
        if (*c != L'&' && *c != L'.')
            name += *c;
    return name;
}

} // namespace standin
