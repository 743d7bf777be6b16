// Every screen picture says in words what it shows, so a learner who cannot
// see it follows the lesson: the window of Trazel and its design, the open
// menu and its highlighted item, the dialog boxes, the status bar and the
// notes with what they point at.
#include <gtest/gtest.h>

#include "lessons/lesson_content.h"
#include "lessons/pictures/picture_kit.h"
#include "pictures/screen_picture.h"
#include "pictures/words.h"

namespace lt {
namespace {

using pictures::ScreenPicture;

const ScreenPicture* screenPicture(int lesson, int screen)
{
    const LessonPictures& p = lessonContent(lesson).pictures;
    const int at = p.screenPicture[static_cast<std::size_t>(screen - 1)];
    return at < 0 ? nullptr
                  : dynamic_cast<const ScreenPicture*>(p.pictures[static_cast<std::size_t>(at)].picture.get());
}

std::string words(int lesson, int screen)
{
    const ScreenPicture* p = screenPicture(lesson, screen);
    return p ? p->description(pictures::SlideWidth, pictures::SlideHeight) : "";
}

// What the model of a picture holds that its words must name.
std::vector<std::string> namedParts(const ScreenPicture& p)
{
    std::vector<std::string> parts;
    if (p.host) {
        const pictures::HostScreen& h = *p.host;
        parts.push_back(h.window == pictures::HostWindow::SessionFrame ? "session frame"
                        : h.window == pictures::HostWindow::Skemora    ? "Skemora"
                                                                       : "design window");
        if (!h.file.empty())
            parts.push_back(h.file);
        if (h.menu) {
            parts.push_back("the " + h.menu->menu + " menu is open");
            if (!h.menu->item.empty())
                parts.push_back(h.menu->item + " highlighted");
        }
        if (!h.status.empty() && h.status != pictures::IdleStatus)
            parts.push_back(pictures::words::quoted(h.status));
    }
    if (p.popup && !p.popup->item.empty())
        parts.push_back("pop-up menu of a component is open with " + p.popup->item);
    for (const pictures::Dialog& d : p.dialogs)
        parts.push_back("the " + d.title + " dialog box is open");
    for (const pictures::Callout& c : p.callouts)
        parts.push_back(pictures::words::quoted(c.text));
    return parts;
}

class EveryLessonPicture : public ::testing::TestWithParam<int> {};

TEST_P(EveryLessonPicture, NamesWhatItShowsAndChangesWithTheScreen)
{
    const int n = GetParam();
    const int screens = static_cast<int>(lessonContent(n).screens.size());
    std::string before;
    const ScreenPicture* shownBefore = nullptr;
    for (int k = 1; k <= screens; ++k) {
        const ScreenPicture* p = screenPicture(n, k);
        if (!p)
            continue; // the chart screen of lesson 1 shows the chart instead
        const std::string said = words(n, k);
        ASSERT_FALSE(said.empty()) << "lesson " << n << ", screen " << k;
        for (const std::string& part : namedParts(*p))
            EXPECT_NE(said.find(part), std::string::npos)
                << "lesson " << n << ", screen " << k << " does not name " << part << ":\n" << said;
        if (shownBefore && shownBefore != p) {
            EXPECT_NE(said, before) << "lesson " << n << ", screens " << k - 1 << " and " << k << " read alike";
        }
        before = said;
        shownBefore = p;
    }
}

INSTANTIATE_TEST_SUITE_P(Lessons, EveryLessonPicture, ::testing::Range(1, 16));

struct Said {
    int lesson, screen;
    std::string words;
};

// A few screens word for word: the things notes point at are found on the
// board, in the window's bars and in the dialog boxes.
const Said Samples[] = {
    {1, 4,
     "Trazel's session frame; the File menu is open with Open highlighted; drawn on it: Designs, TUTORBD1.MAX, "
     "TUTORBD2.MAX, Double-click a design to show its window."},
    {1, 9,
     "Trazel's design window with TUTORBD2.MAX; the board with 22 components: tracks on the Top and Bottom layers, "
     "12 vias, 23 connections still to route; the toolbar's Component button is highlighted; the status bar reads "
     "\"Select, move and place parts\"; a note \"Component button\" points to the toolbar's Component button; a note "
     "\"Zoom button\" points to the toolbar's Zoom button; a note \"The status bar describes the button\" points to "
     "the status bar."},
    {1, 11,
     "Trazel's design window with TUTORBD2.MAX; the board with 22 components: tracks on the Top and Bottom layers, "
     "12 vias, 23 connections still to route; a note \"Component U6 and its reference designator\" points to U6; a "
     "note \"Track\" points to a track on the Top layer; a note \"Via\" points to a via; a note \"Connection still "
     "to be routed\" points to the connection of net LED2 from pin 10 of U8 to pin 1 of R4."},
    {2, 8,
     "Trazel's design window with NEWBOARD.MAX, its design area empty; the Board dialog box is open: Width: 6000 mil, "
     "Height: 5000 mil, Rectangle chosen, Corner radius: 0 mil, with Width and Height highlighted."},
    {3, 4,
     "Trazel's design window with TUTORBD1.MAX; the board with 29 components, 19 of them still beside the board: "
     "36 connections still to route; 4 keepout areas; a note \"Keepout area\" points to a keepout area."},
    {5, 7,
     "Trazel's design window with TUTORBD2.MAX; a close view of R1, R2, U6 and C4: tracks on the Top layer, "
     "2 connections still to route; the status bar reads \"Add Track: click to fix a corner\"; a note \"Pin 1 of "
     "R2\" points to pin 1 of R2; a note \"Connection to pin 8 of U6\" points to the connection to pin 8 of U6."},
    {5, 9, "A drawing: 90 degree corners, 45 degree corners."},
    {5, 10,
     "Trazel's design window with TUTORBD2.MAX; a close view of R1, R2, U6 and C4: tracks on the Top layer, "
     "2 connections still to route; the Route menu is open with Corner Style highlighted and its choice 45 Degrees."},
    {8, 1,
     "Trazel's design window with TUTOR.LLB: DIP16; drawn on it: REF?; the status bar reads \"Footprint DIP16: "
     "16 pads\"; a note \"Pad 1\" points to a pad; a note \"Pads\" points to the design area; a note \"Silkscreen "
     "outline\" points to the design area; a note \"Reference designator\" points to \"REF?\"."},
};

TEST(PictureWords, ReadAsWritten)
{
    for (const Said& s : Samples)
        EXPECT_EQ(words(s.lesson, s.screen), s.words) << "lesson " << s.lesson << ", screen " << s.screen;
}

} // namespace
} // namespace lt
