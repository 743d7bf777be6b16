#include "platform/win32/resource_strings.h"

#include "platform/win32/utf.h"

namespace lt::win32 {

std::optional<std::string> ResourceStrings::find(int id) const
{
    // With a zero buffer length LoadString hands out the resource itself, of any length.
    const wchar_t* text = nullptr;
    const int length = LoadStringW(instance_, static_cast<UINT>(id), reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || !text)
        return std::nullopt;
    return narrow(std::wstring_view(text, static_cast<std::size_t>(length)));
}

} // namespace lt::win32
