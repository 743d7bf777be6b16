// The one table of numbered texts. The program reads it from its resources;
// native tests read the same res/strings.rc.
#pragma once

#include <optional>
#include <string>

namespace lt {

class StringTable {
public:
    virtual ~StringTable() = default;
    virtual std::optional<std::string> find(int id) const = 0;
};

} // namespace lt
