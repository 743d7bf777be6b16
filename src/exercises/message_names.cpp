#include "exercises/message_names.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string_view>

namespace lt {

namespace {

struct NamedMessage {
    const char* number; // upper-case hexadecimal
    const char* name;
};

constexpr NamedMessage MessageNames[] = {
    {"86", "WM_NCACTIVATE"},     {"A1", "WM_NCLBUTTONDOWN"}, {"A3", "WM_NCLBUTTONDBLCLK"}, {"A4", "WM_NCRBUTTONDOWN"},
    {"A5", "WM_NCRBUTTONUP"},    {"A6", "WM_NCRBUTTONDBLCLK"}, {"A0", "WM_NCMOUSEMOVE"},
};

constexpr std::string_view NonClientClicks[] = {"WM_NCLBUTTONDOWN", "WM_NCLBUTTONDBLCLK", "WM_NCRBUTTONUP"};

bool sameName(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
    });
}

} // namespace

std::string messageName(unsigned message)
{
    char hex[16];
    std::snprintf(hex, sizeof hex, "%X", message);
    for (const NamedMessage& m : MessageNames)
        if (std::string_view(m.number) == hex)
            return m.name;
    return {};
}

bool isNonClientClick(unsigned message)
{
    const std::string name = messageName(message);
    return std::any_of(std::begin(NonClientClicks), std::end(NonClientClicks),
                       [&](std::string_view n) { return sameName(name, n); });
}

} // namespace lt
