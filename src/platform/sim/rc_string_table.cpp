#include "platform/sim/rc_string_table.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace lt::sim {

namespace {

std::string trimmed(const std::string& s)
{
    const auto b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos)
        return {};
    return s.substr(b, s.find_last_not_of(" \t\r") - b + 1);
}

[[noreturn]] void fail(int lineNo, const std::string& why)
{
    throw std::runtime_error("strings.rc line " + std::to_string(lineNo) + ": " + why);
}

} // namespace

RcStringTable RcStringTable::parse(const std::string& rcText)
{
    RcStringTable table;
    std::istringstream in(rcText);
    std::string raw;
    bool inside = false;
    for (int lineNo = 1; std::getline(in, raw); ++lineNo) {
        const std::string line = trimmed(raw);
        if (line.empty() || line.rfind("//", 0) == 0)
            continue;
        if (!inside) {
            inside = line == "BEGIN";
            continue;
        }
        if (line == "END") {
            inside = false;
            continue;
        }
        std::size_t pos = 0;
        int id = 0;
        try {
            id = std::stoi(line, &pos);
        } catch (const std::exception&) {
            fail(lineNo, "an entry must start with its number");
        }
        while (pos < line.size() && (line[pos] == ' ' || line[pos] == ',' || line[pos] == '\t'))
            ++pos;
        if (pos >= line.size() || line[pos] != '"')
            fail(lineNo, "the text must stand in double quotes");
        std::string text;
        bool closed = false;
        for (++pos; pos < line.size(); ++pos) {
            if (line[pos] == '"') {
                if (pos + 1 < line.size() && line[pos + 1] == '"') {
                    text += '"';
                    ++pos;
                    continue;
                }
                closed = true;
                break;
            }
            text += line[pos];
        }
        if (!closed || trimmed(line.substr(pos + 1)) != "")
            fail(lineNo, "the text must end with a double quote at the end of the line");
        if (!table.entries_.emplace(id, text).second)
            fail(lineNo, "number " + std::to_string(id) + " appears twice");
    }
    return table;
}

RcStringTable RcStringTable::load(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    if (!f)
        throw std::runtime_error("cannot open " + path);
    std::ostringstream all;
    all << f.rdbuf();
    return parse(all.str());
}

std::optional<std::string> RcStringTable::find(int id) const
{
    auto it = entries_.find(id);
    if (it == entries_.end())
        return std::nullopt;
    return it->second;
}

} // namespace lt::sim
