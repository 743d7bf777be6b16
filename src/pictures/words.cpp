#include "pictures/words.h"

#include <cctype>

namespace lt::pictures::words {

std::string list(const std::vector<std::string>& items)
{
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            out += i + 1 == items.size() ? " and " : ", ";
        out += items[i];
    }
    return out;
}

std::string count(std::size_t n, const std::string& one, const std::string& many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many.empty() ? one + "s" : many);
}

std::string plain(const std::string& text)
{
    std::string out;
    bool blank = false;
    for (char c : text) {
        if (c == '\r' || c == '\n' || c == ' ' || c == '\t') {
            blank = true;
            continue;
        }
        if (blank && !out.empty())
            out += ' ';
        blank = false;
        out += c;
    }
    return out;
}

std::string phrase(const std::string& text)
{
    std::string out = plain(text);
    while (!out.empty() && (out.back() == '.' || out.back() == ' '))
        out.pop_back();
    return out;
}

std::string quoted(const std::string& text) { return "\"" + plain(text) + "\""; }

std::string sentence(const std::vector<std::string>& clauses)
{
    std::string out;
    for (const std::string& c : clauses) {
        if (c.empty())
            continue;
        out += (out.empty() ? "" : "; ") + c;
    }
    if (out.empty())
        return out;
    out[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(out[0])));
    return out.back() == '.' ? out : out + ".";
}

} // namespace lt::pictures::words
