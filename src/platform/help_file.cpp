#include "platform/help_file.h"

#include <algorithm>
#include <limits>
#include <map>
#include <stdexcept>

namespace lt {

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view Bullet = "\xE2\x80\xA2 "; // U+2022 and a space
// A carriage return counts as a blank: a file whose CR LF line ends went
// through a second conversion ends its lines with CR CR LF.
constexpr std::string_view Blanks = " \t\r";

std::string_view trimmed(std::string_view s)
{
    const auto b = s.find_first_not_of(Blanks);
    if (b == std::string_view::npos)
        return {};
    return s.substr(b, s.find_last_not_of(Blanks) - b + 1);
}

[[noreturn]] void fail(int lineNo, const std::string& why)
{
    throw std::runtime_error("help file line " + std::to_string(lineNo) + ": " + why);
}

// "#1002 The lesson menu": the number and the title.
HelpTopic topicLine(std::string_view line, int lineNo)
{
    HelpTopic topic;
    std::size_t pos = 1;
    unsigned long long number = 0;
    for (; pos < line.size() && line[pos] >= '0' && line[pos] <= '9'; ++pos) {
        number = number * 10 + static_cast<unsigned>(line[pos] - '0');
        if (number > std::numeric_limits<unsigned>::max())
            fail(lineNo, "the topic number is too large");
    }
    if (pos == 1 || (pos < line.size() && Blanks.find(line[pos]) == std::string_view::npos))
        fail(lineNo, "a topic line needs its number right after the #");
    topic.context = static_cast<unsigned>(number);
    topic.title = trimmed(line.substr(pos));
    if (topic.title.empty())
        fail(lineNo, "topic " + std::to_string(number) + " needs a title");
    return topic;
}

} // namespace

HelpFile HelpFile::parse(std::string_view text)
{
    if (text.starts_with(ByteOrderMark))
        text.remove_prefix(ByteOrderMark.size());

    HelpFile file;
    std::map<unsigned, int> firstLine;
    // Within the current topic: whether a paragraph or bullet is still open,
    // and whether a blank line has come since the last one.
    bool open = false, gap = false;
    int lineNo = 0;
    while (!text.empty()) {
        ++lineNo;
        const auto end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.ends_with('\r'))
            line.remove_suffix(1);

        if (line.starts_with(';'))
            continue;
        if (line.starts_with('#')) {
            HelpTopic topic = topicLine(line, lineNo);
            if (auto [it, added] = firstLine.emplace(topic.context, lineNo); !added)
                fail(lineNo, "topic " + std::to_string(topic.context) + " is already on line " +
                                 std::to_string(it->second));
            file.topics_.push_back(std::move(topic));
            open = gap = false;
            continue;
        }
        const std::string_view words = trimmed(line);
        if (words.empty()) {
            open = false;
            gap = true;
            continue;
        }
        if (file.topics_.empty())
            fail(lineNo, "text must follow a topic line");

        std::string& body = file.topics_.back().body;
        const bool bullet = line.starts_with("- ");
        if (open && !bullet) {
            // After a bullet without words the bullet sign's blank serves.
            if (!body.ends_with(' '))
                body += ' ';
        } else {
            if (!body.empty())
                body += gap ? "\r\n\r\n" : "\r\n";
            if (bullet)
                body += Bullet;
            open = true;
            gap = false;
        }
        body += bullet ? trimmed(line.substr(2)) : words;
    }
    return file;
}

const HelpTopic* HelpFile::find(unsigned context) const
{
    auto it = std::find_if(topics_.begin(), topics_.end(), [&](const HelpTopic& t) { return t.context == context; });
    return it == topics_.end() ? nullptr : &*it;
}

} // namespace lt
