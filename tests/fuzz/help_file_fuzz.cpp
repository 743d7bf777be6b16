// The help file: any text is either refused with a line-numbered
// std::runtime_error or read as topics with unique numbers, titles and
// display text, and the topics written back as a help file read the same.
#include <set>
#include <stdexcept>
#include <string>

#include "fuzz_check.h"
#include "platform/help_file.h"

namespace {

constexpr std::string_view Bullet = "\xE2\x80\xA2 ";

// A topic's display text as the lines of a help file: a bullet line for each
// line that shows a bullet (unless blanks follow the sign, which a bullet
// line would lose), an indented line for each other one (so that no marker
// at its start counts), a blank line for an empty line.
std::string written(const std::vector<lt::HelpTopic>& topics)
{
    std::string out;
    for (const lt::HelpTopic& topic : topics) {
        out += "#" + std::to_string(topic.context) + " " + topic.title + "\n";
        std::string_view body = topic.body;
        while (!body.empty()) {
            const std::size_t end = std::min(body.find("\r\n"), body.size());
            const std::string_view line = body.substr(0, end);
            body.remove_prefix(std::min(end + 2, body.size()));
            const std::string_view words = line.starts_with(Bullet) ? line.substr(Bullet.size()) : "";
            if (line.starts_with(Bullet) && (words.empty() || std::string_view(" \t\r").find(words[0]) == std::string_view::npos))
                out += "- " + std::string(words) + "\n";
            else if (!line.empty())
                out += " " + std::string(line) + "\n";
            else
                out += "\n";
        }
        out += "\n";
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    lt::HelpFile file;
    try {
        file = lt::HelpFile::parse(fuzz::text(data, size));
    } catch (const std::runtime_error& refused) {
        fuzz::require(std::string_view(refused.what()).starts_with("help file line "), "a refusal names its line");
        return 0;
    }
    std::set<unsigned> contexts;
    for (const lt::HelpTopic& topic : file.topics()) {
        fuzz::require(contexts.insert(topic.context).second, "topic numbers are unique");
        fuzz::require(file.find(topic.context) == &topic, "a topic is found by its number");
        fuzz::require(!topic.title.empty() && topic.title.front() != ' ' && topic.title.back() != ' ',
                      "a title has words and no blanks around them");
        for (std::size_t i = topic.body.find('\n'); i != std::string::npos; i = topic.body.find('\n', i + 1))
            fuzz::require(i > 0 && topic.body[i - 1] == '\r', "lines of the display text end with CR LF");
    }

    const lt::HelpFile again = lt::HelpFile::parse(written(file.topics()));
    fuzz::require(again.topics().size() == file.topics().size(), "the written file has the same topics");
    for (std::size_t i = 0; i < file.topics().size(); ++i) {
        const lt::HelpTopic &a = file.topics()[i], &b = again.topics()[i];
        fuzz::require(a.context == b.context && a.title == b.title && a.body == b.body,
                      "the written file reads as the same topics");
    }
    return 0;
}
