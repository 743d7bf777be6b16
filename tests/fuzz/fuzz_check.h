// What the fuzz targets share: the input as text, a property that must hold,
// which stops the run as a crash (with the input saved) when it fails, and
// UTF-8.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace fuzz {

inline std::string_view text(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

inline void require(bool holds, const char* property)
{
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}

// A character as UTF-8, written here independently of the program's reader.
inline std::string utf8(char32_t c)
{
    if (c < 0x80)
        return std::string(1, static_cast<char>(c));
    if (c < 0x800)
        return {static_cast<char>(0xC0 | c >> 6), static_cast<char>(0x80 | (c & 0x3F))};
    if (c < 0x10000)
        return {static_cast<char>(0xE0 | c >> 12), static_cast<char>(0x80 | (c >> 6 & 0x3F)),
                static_cast<char>(0x80 | (c & 0x3F))};
    return {static_cast<char>(0xF0 | c >> 18), static_cast<char>(0x80 | (c >> 12 & 0x3F)),
            static_cast<char>(0x80 | (c >> 6 & 0x3F)), static_cast<char>(0x80 | (c & 0x3F))};
}

// Well-formed UTF-8 by the table of well-formed byte sequences (Unicode,
// chapter 3): the range each byte after the first may take.
inline bool isUtf8(std::string_view s)
{
    struct Form {
        unsigned char first, last, secondLow, secondHigh;
        int length;
    };
    static constexpr Form forms[] = {{0x00, 0x7F, 0, 0, 1},       {0xC2, 0xDF, 0x80, 0xBF, 2},
                                     {0xE0, 0xE0, 0xA0, 0xBF, 3}, {0xE1, 0xEC, 0x80, 0xBF, 3},
                                     {0xED, 0xED, 0x80, 0x9F, 3}, {0xEE, 0xEF, 0x80, 0xBF, 3},
                                     {0xF0, 0xF0, 0x90, 0xBF, 4}, {0xF1, 0xF3, 0x80, 0xBF, 4},
                                     {0xF4, 0xF4, 0x80, 0x8F, 4}};
    for (std::size_t i = 0; i < s.size();) {
        const auto at = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
        const Form* form = nullptr;
        for (const Form& f : forms)
            if (at(i) >= f.first && at(i) <= f.last)
                form = &f;
        if (!form || s.size() - i < static_cast<std::size_t>(form->length))
            return false;
        for (int k = 1; k < form->length; ++k) {
            const unsigned char low = k == 1 ? form->secondLow : 0x80, high = k == 1 ? form->secondHigh : 0xBF;
            if (at(i + k) < low || at(i + k) > high)
                return false;
        }
        i += static_cast<std::size_t>(form->length);
    }
    return true;
}

} // namespace fuzz
