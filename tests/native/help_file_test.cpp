#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>

#include "app/tutorial.h"
#include "platform/help_file.h"

namespace lt {
namespace {

#define BULLET "\xE2\x80\xA2 "

std::string withCrlf(std::string_view lf)
{
    std::string out;
    for (char c : lf) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

struct GoodCase {
    const char* name;
    const char* text;
    std::vector<HelpTopic> topics;
};

void PrintTo(const GoodCase& c, std::ostream* os) { *os << c.name; }

class HelpFileReads : public ::testing::TestWithParam<GoodCase> {};

void expectTopics(const HelpFile& file, const std::vector<HelpTopic>& expected)
{
    ASSERT_EQ(file.topics().size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const HelpTopic& got = file.topics()[i];
        EXPECT_EQ(got.context, expected[i].context) << "topic " << i;
        EXPECT_EQ(got.title, expected[i].title) << "topic " << i;
        EXPECT_EQ(got.body, expected[i].body) << "topic " << i;
        EXPECT_EQ(file.find(expected[i].context), &got) << "topic " << i;
    }
}

TEST_P(HelpFileReads, WithLfOrCrlfLineEnds)
{
    expectTopics(HelpFile::parse(GetParam().text), GetParam().topics);
    expectTopics(HelpFile::parse(withCrlf(GetParam().text)), GetParam().topics);
}

INSTANTIATE_TEST_SUITE_P(
    HelpFiles, HelpFileReads,
    ::testing::Values(
        GoodCase{"Empty", "", {}},
        GoodCase{"OnlyCommentsAndBlanks", "; nothing yet\n\n   \n", {}},
        GoodCase{"TitleWithoutBody", "#1001 The intro window\n", {{1001, "The intro window", ""}}},
        GoodCase{"LinesRunOnIntoOneParagraph",
                 "#1 T\n  First line\nsecond line  \n\tthird\n",
                 {{1, "T", "First line second line third"}}},
        GoodCase{"BlankLinesSeparateParagraphs",
                 "#1 T\n\nOne.\n\n\n  \nTwo.\n\n",
                 {{1, "T", "One.\r\n\r\nTwo."}}},
        GoodCase{"BulletsFormAListBelowTheirParagraph",
                 "#1 T\nThe buttons:\n- Continue\n-   Go Back  \n\nThat is all.",
                 {{1, "T", "The buttons:\r\n" BULLET "Continue\r\n" BULLET "Go Back\r\n\r\nThat is all."}}},
        GoodCase{"BulletRunsOnOverLinesBelow",
                 "#1 T\n- Alt+N shows\n  the next screen.\n- Alt+B\n",
                 {{1, "T", BULLET "Alt+N shows the next screen.\r\n" BULLET "Alt+B"}}},
        GoodCase{"MarkersCountOnlyAtTheStartOfALine",
                 "#1 T\n-i C:\\MYWORK\n  - not a bullet\n  #2 not a topic\n  ; not a comment\n",
                 {{1, "T", "-i C:\\MYWORK - not a bullet #2 not a topic ; not a comment"}}},
        GoodCase{"TopicsKeepFileOrderAndBodies",
                 "#2 Second\nbody two\n#1 First\nbody one\n\n#4294967295 Largest\n#0 Zero",
                 {{2, "Second", "body two"}, {1, "First", "body one"}, {4294967295u, "Largest", ""}, {0, "Zero", ""}}},
        GoodCase{"BulletWithoutWordsTakesTheLineBelow", "#1 T\n- \n  runs on\n", {{1, "T", BULLET "runs on"}}},
        // Converted twice, CR LF line ends become CR CR LF (the CR LF run tries both).
        GoodCase{"StrayCarriageReturnsBeforeTheLineEnds",
                 "#1 Title\r\nText\r\n\r\n- bullet\r\n\r\n",
                 {{1, "Title", "Text\r\n\r\n" BULLET "bullet"}}}),
    [](const auto& info) { return std::string(info.param.name); });

struct BadCase {
    const char* name;
    const char* text;
    int line;
    const char* why;
};

void PrintTo(const BadCase& c, std::ostream* os) { *os << c.name; }

class HelpFileRejects : public ::testing::TestWithParam<BadCase> {};

void expectError(const std::string& text, const std::string& error)
{
    try {
        HelpFile::parse(text);
        ADD_FAILURE() << "parsed without error";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()), error);
    }
}

std::string message(const BadCase& c) { return "help file line " + std::to_string(c.line) + ": " + c.why; }

TEST_P(HelpFileRejects, WithLfOrCrlfLineEndsNamingTheSameLine)
{
    expectError(GetParam().text, message(GetParam()));
    expectError(withCrlf(GetParam().text), message(GetParam()));
}

constexpr const char* NoNumber = "a topic line needs its number right after the #";
constexpr const char* NoTopic = "text must follow a topic line";

INSTANTIATE_TEST_SUITE_P(
    HelpFiles, HelpFileRejects,
    ::testing::Values(
        BadCase{"HashAlone", "#\n", 1, NoNumber},
        BadCase{"TitleWithoutNumber", "#1 A\n\n#Lessons", 3, NoNumber},
        BadCase{"NumberRunsIntoTitle", "#12Title", 1, NoNumber},
        BadCase{"NumberWithoutTitle", "; c\n#12", 2, "topic 12 needs a title"},
        BadCase{"NumberTooLarge", "#4294967296 Big", 1, "the topic number is too large"},
        BadCase{"RepeatedNumber", "#1 A\ntext\n#2 B\n#1 C", 4, "topic 1 is already on line 1"},
        BadCase{"TextBeforeFirstTopic", "Hello\n#1 A", 1, NoTopic},
        BadCase{"IndentedTopicLineIsText", "  #1 A\n", 1, NoTopic}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HelpFileShipped, HasTheTopicsTheProgramAsksForAndAContentsListingTheRest)
{
    std::ifstream in(LT_SOURCE_DIR "/res/help/TRZTUTOR.HLP", std::ios::binary);
    ASSERT_TRUE(in) << "res/help/TRZTUTOR.HLP can't be read";
    std::ostringstream text;
    text << in.rdbuf();
    const HelpFile file = HelpFile::parse(text.str());

    for (unsigned long context : {help_topic::Contents, help_topic::Intro, help_topic::LessonMenu, help_topic::Lesson,
                                  help_topic::Exercises}) {
        const HelpTopic* topic = file.find(context);
        ASSERT_NE(topic, nullptr) << "topic " << context;
        EXPECT_FALSE(topic->title.empty()) << "topic " << context;
        EXPECT_FALSE(topic->body.empty()) << "topic " << context;
    }
    std::set<std::string> contentsLines;
    std::istringstream contents(file.find(help_topic::Contents)->body);
    for (std::string line; std::getline(contents, line);)
        contentsLines.insert(line.substr(0, line.find('\r')));
    for (const HelpTopic& topic : file.topics()) {
        if (topic.context != help_topic::Contents) {
            EXPECT_TRUE(contentsLines.contains(BULLET + topic.title)) << "not in the contents: " << topic.title;
        }
    }
}

} // namespace
} // namespace lt
