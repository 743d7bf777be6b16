#include "app/command_line.h"

namespace lt {

namespace {

std::string trimBlanks(const std::string& s)
{
    const auto b = s.find_first_not_of(' ');
    if (b == std::string::npos)
        return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

} // namespace

std::optional<std::string> workDirOption(const std::string& commandLine)
{
    const std::string line = trimBlanks(commandLine);
    if (line.size() < 2 || (line[0] != '-' && line[0] != '/') || (line[1] != 'i' && line[1] != 'I'))
        return std::nullopt;
    std::string dir = trimBlanks(line.substr(2));
    if (dir.size() >= 2 && dir.front() == '"' && dir.back() == '"')
        dir = trimBlanks(dir.substr(1, dir.size() - 2));
    if (!dir.empty() && dir.back() == '\\')
        dir.pop_back();
    if (dir.empty())
        return std::nullopt;
    return dir;
}

} // namespace lt
