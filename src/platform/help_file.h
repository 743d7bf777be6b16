// The tutorial's help file: numbered topics in plain UTF-8 text, written to be
// edited by hand and read by the help viewer that stands in for Windows Help.
//
//   ; a comment line, anywhere
//   #1002 The lesson menu        a topic: '#', its context number, its title
//   Text lines run on into one paragraph until a blank line.
//   - A bullet; like a paragraph, it may run on over the lines below it.
//
// Markers count only at the very start of a line, so "-i" or "  #2" is text.
// A blank line ends a paragraph or bullet and leaves an empty line on screen;
// a bullet begins a new line without one, so bullets written one under the
// other form a list. Line ends may be LF or CRLF (a stray CR before them is
// dropped too); a byte order mark is ignored.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lt {

struct HelpTopic {
    unsigned context = 0;
    std::string title;
    // Display text with CRLF line ends: paragraphs and lists apart by an empty
    // line, each bullet on a line of its own behind a bullet sign.
    std::string body;
};

class HelpFile {
public:
    // Throws std::runtime_error naming the line for a topic line without a
    // number or title, a number used twice, or text before the first topic.
    static HelpFile parse(std::string_view text);

    const HelpTopic* find(unsigned context) const;
    // In the order the file has them.
    const std::vector<HelpTopic>& topics() const { return topics_; }

private:
    std::vector<HelpTopic> topics_;
};

} // namespace lt
