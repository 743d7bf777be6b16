// The send-keys notation the tutorial types into the host with:
//   %  +  ^      Alt, Shift, Ctrl held for the next key or the keys in ( )
//   {Enter}      a key by name, any letter case; {ESC 6} the key six times
//   {~} {+} {%} {^} {(} {)} {{} {}} {[} {]}   the character itself
//   { }          a blank; ~ alone is the Enter key
// Other characters (UTF-8) are typed as they are.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/keystroke.h"

namespace lt {

// The strokes a string stands for; none when the string is malformed (an
// unknown key name, an unclosed brace or parenthesis, a modifier with nothing
// to modify, a bad repeat count, bytes that are not UTF-8, parentheses nested
// more than eight deep), in which case nothing is to be sent.
std::optional<std::vector<Keystroke>> parseSendKeys(const std::string& keys);

} // namespace lt
