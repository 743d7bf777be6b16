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

[[noreturn]] void fail(const std::string& file, int lineNo, const std::string& why)
{
    throw std::runtime_error(file + " line " + std::to_string(lineNo) + ": " + why);
}

std::string readAll(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    if (!f)
        throw std::runtime_error("cannot open " + path);
    std::ostringstream all;
    all << f.rdbuf();
    return all.str();
}

std::string directoryOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

} // namespace

RcStringTable RcStringTable::parse(const std::string& rcText, const std::string& directory)
{
    RcStringTable table;
    table.add(rcText, directory, "strings.rc", 0);
    return table;
}

void RcStringTable::add(const std::string& rcText, const std::string& directory, const std::string& fileName, int depth)
{
    std::istringstream in(rcText);
    std::string raw;
    bool inside = false;
    for (int lineNo = 1; std::getline(in, raw); ++lineNo) {
        const std::string line = trimmed(raw);
        if (line.empty() || line.rfind("//", 0) == 0)
            continue;
        if (!inside && line.rfind("#include", 0) == 0) {
            const auto open = line.find('"'), close = line.rfind('"');
            if (open == std::string::npos || close <= open || depth > 8)
                fail(fileName, lineNo, "an #include names its file in double quotes");
            const std::string name = line.substr(open + 1, close - open - 1);
            const std::string path = directory + "/" + name;
            add(readAll(path), directoryOf(path), name, depth + 1);
            continue;
        }
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
            fail(fileName, lineNo, "an entry must start with its number");
        }
        while (pos < line.size() && (line[pos] == ' ' || line[pos] == ',' || line[pos] == '\t'))
            ++pos;
        if (pos >= line.size() || line[pos] != '"')
            fail(fileName, lineNo, "the text must stand in double quotes");
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
            fail(fileName, lineNo, "the text must end with a double quote at the end of the line");
        if (!entries_.emplace(id, text).second)
            fail(fileName, lineNo, "number " + std::to_string(id) + " appears twice");
    }
}

RcStringTable RcStringTable::load(const std::string& path) { return parse(readAll(path), directoryOf(path)); }

std::optional<std::string> RcStringTable::find(int id) const
{
    auto it = entries_.find(id);
    if (it == entries_.end())
        return std::nullopt;
    return it->second;
}

} // namespace lt::sim
