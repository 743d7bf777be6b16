#include "platform/replacement_file.h"

#include <algorithm>

#include "platform/win_path.h"

namespace lt {

namespace {

constexpr std::string_view Extension = ".tmp";
constexpr std::size_t HexDigits = 8;

bool isHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

} // namespace

std::string replacementName(std::string_view fileName, std::uint32_t unique)
{
    std::string name(fileName);
    name += '.';
    for (int shift = 28; shift >= 0; shift -= 4)
        name += "0123456789ABCDEF"[unique >> shift & 0xF];
    return name.append(Extension);
}

bool isReplacementOf(std::string_view fileName, std::string_view name)
{
    if (name.size() != fileName.size() + 1 + HexDigits + Extension.size())
        return false;
    const std::string_view digits = name.substr(fileName.size() + 1, HexDigits);
    return equalsNoCase(name.substr(0, fileName.size()), fileName) && name[fileName.size()] == '.' &&
           std::all_of(digits.begin(), digits.end(), isHexDigit) &&
           equalsNoCase(name.substr(name.size() - Extension.size()), Extension);
}

} // namespace lt
