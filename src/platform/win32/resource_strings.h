// The string table compiled into the program's resources.
#pragma once

#include <windows.h>

#include "platform/string_table.h"

namespace lt::win32 {

class ResourceStrings : public StringTable {
public:
    explicit ResourceStrings(HINSTANCE instance) : instance_(instance) {}
    std::optional<std::string> find(int id) const override;

private:
    HINSTANCE instance_;
};

} // namespace lt::win32
