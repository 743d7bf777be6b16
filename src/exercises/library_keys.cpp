#include "exercises/library_keys.h"

#include <string_view>
#include <vector>

namespace lt {

namespace {

constexpr std::size_t MaxTildes = 3;

// Characters of a path that the send-keys notation would read as commands;
// each is typed as itself.
std::string literal(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (std::string_view("+^%(){}[]").find(c) != std::string_view::npos)
            out += std::string("{") + c + "}";
        else
            out += c;
    }
    return out;
}

// The directory cut at its first three tildes; a fourth stays in the last part.
std::vector<std::string> splitAtTildes(const std::string& dir)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (parts.size() < MaxTildes) {
        const std::size_t tilde = dir.find('~', start);
        if (tilde == std::string::npos)
            break;
        parts.push_back(dir.substr(start, tilde - start));
        start = tilde + 1;
    }
    parts.push_back(dir.substr(start));
    return parts;
}

} // namespace

std::string libraryOpenKeys(const std::string& workDir)
{
    if (workDir.find('~') == std::string::npos)
        return "%(f)on{BKSP}" + literal(workDir) + "\\TUTOR.LLB{Enter}";
    std::string keys = "%(f)o{ }";
    const std::vector<std::string> parts = splitAtTildes(workDir);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            keys += "{~}";
        keys += literal(parts[i]);
    }
    return keys + "\\TUTOR.LLB{Enter}{ESC}";
}

} // namespace lt
