// Small pieces of plain English for the descriptions of pictures: lists,
// counts and sentences.
#pragma once

#include <string>
#include <vector>

namespace lt::pictures::words {

// "A", "A and B", "A, B and C".
std::string list(const std::vector<std::string>& items);
// "1 via", "3 vias"; the plural adds an s unless given.
std::string count(std::size_t n, const std::string& one, const std::string& many = "");
// A text on one line: its line breaks and runs of blanks become one blank.
std::string plain(const std::string& text);
// A text as one item of a list: on one line, without its closing full stop.
std::string phrase(const std::string& text);
// A text as quoted in a description: on one line, in double quotes.
std::string quoted(const std::string& text);
// Clauses joined by semicolons into one sentence, its first letter a capital.
std::string sentence(const std::vector<std::string>& clauses);

} // namespace lt::pictures::words
