#include "menu/progress_line.h"

#include <charconv>
#include <limits>
#include <optional>

namespace lt {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool endsValue(char c) { return isBlank(c) || c == ',' || c == '\r' || c == '\n'; }

std::optional<std::int16_t> toMark(std::string_view token)
{
    int value = 0;
    const char* end = token.data() + token.size();
    auto [ptr, ec] = std::from_chars(token.data(), end, value);
    if (token.empty() || ec != std::errc() || ptr != end || value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

} // namespace

ParsedProgress parseProgress(std::string_view text)
{
    ParsedProgress result;
    std::size_t pos = 0;
    for (int lesson = 1; lesson <= LessonCount; ++lesson) {
        while (pos < text.size() && isBlank(text[pos]))
            ++pos;
        if (pos >= text.size()) {
            result.damaged = true;
            break;
        }
        const std::size_t start = pos;
        while (pos < text.size() && !endsValue(text[pos]))
            ++pos;
        if (auto mark = toMark(text.substr(start, pos - start)))
            result.marks[lesson] = *mark;
        else
            result.damaged = true;
        // The delimiter: blanks, then one comma or one line end.
        while (pos < text.size() && isBlank(text[pos]))
            ++pos;
        if (pos < text.size() && text[pos] == ',')
            ++pos;
        else if (pos < text.size() && text[pos] == '\r')
            pos += (pos + 1 < text.size() && text[pos + 1] == '\n') ? 2 : 1;
        else if (pos < text.size() && text[pos] == '\n')
            ++pos;
    }
    return result;
}

std::string formatProgress(const Marks& marks)
{
    std::string line;
    for (int lesson = 1; lesson <= LessonCount; ++lesson) {
        if (lesson > 1)
            line += ',';
        line += std::to_string(marks[lesson]);
    }
    return line + "\r\n";
}

} // namespace lt
