// UTF-8, the encoding of every text inside the tutorial.
#pragma once

#include <optional>
#include <string_view>

namespace lt {

// The character that begins at `pos`, moving `pos` past it; none, with `pos`
// unchanged, where no well-formed character begins (a stray continuation
// byte, a sequence cut short, an overlong form, a surrogate, a value past
// U+10FFFF).
std::optional<char32_t> readUtf8(std::string_view text, std::size_t& pos);

} // namespace lt
