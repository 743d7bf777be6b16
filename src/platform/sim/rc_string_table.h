// The string table read straight from res/strings.rc, for programs that run
// without the compiled resources (the native tests).
#pragma once

#include <map>
#include <string>

#include "platform/string_table.h"

namespace lt::sim {

class RcStringTable : public StringTable {
public:
    // Parses the STRINGTABLE entries of an .rc text, following #include
    // lines relative to `directory`. Throws std::runtime_error naming the file
    // and line when an entry is malformed or a number repeats.
    static RcStringTable parse(const std::string& rcText, const std::string& directory = ".");
    static RcStringTable load(const std::string& path);

    std::optional<std::string> find(int id) const override;
    const std::map<int, std::string>& entries() const { return entries_; }

private:
    void add(const std::string& rcText, const std::string& directory, const std::string& fileName, int depth);
    std::map<int, std::string> entries_;
};

} // namespace lt::sim
