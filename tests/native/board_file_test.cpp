// The stand-in Trazel's design files and view keys: what its reader makes of
// good files, how it refuses bad ones, the tutorial's six shipped files, and
// how its view follows the keys the exercises type.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <tuple>

#include "exercises/exercise_script.h"
#include "pictures/tutorial_boards.h"
#include "standin/board_file.h"
#include "standin/view_keys.h"

namespace standin {
namespace {

using lt::pictures::Layer;
using lt::pictures::Point;

// ---- Good files --------------------------------------------------------

const char* layerName(Layer l)
{
    switch (l) {
    case Layer::Top:
        return "TOP";
    case Layer::Bottom:
        return "BOTTOM";
    case Layer::Inner1:
        return "INNER1";
    case Layer::Inner2:
        return "INNER2";
    case Layer::Silk:
        return "SILK";
    case Layer::Keepout:
        return "KEEPOUT";
    }
    return "?";
}

std::string at(Point p) { return std::to_string(p.x) + "," + std::to_string(p.y); }

// What was read, one item a line, to compare with a table.
std::string summary(const DesignFile& file)
{
    std::ostringstream out;
    if (const auto* b = std::get_if<BoardFile>(&file)) {
        const auto& o = b->board.outline;
        out << "board " << b->name << " " << o.left << "," << o.top << " " << o.width << "x" << o.height << "\n";
        for (std::size_t i = 0; i < b->board.components.size(); ++i) {
            const auto& c = b->board.components[i];
            out << "part " << c.reference << " " << b->footprints[i] << " " << at(c.at) << " " << c.width << "x"
                << c.height << " " << c.pins << (c.surfaceMount ? " smd" : " th") << "\n";
        }
        for (const auto& t : b->board.tracks) {
            out << "track " << layerName(t.layer) << " " << t.width;
            for (Point p : t.points)
                out << " " << at(p);
            out << "\n";
        }
        for (const auto& v : b->board.vias)
            out << "via " << at(v.at) << "\n";
        for (std::size_t i = 0; i < b->board.zones.size(); ++i) {
            const auto& z = b->board.zones[i];
            out << "zone " << layerName(z.layer) << " " << b->zoneNets[i] << (z.hatched ? " hatched" : " solid")
                << (z.reliefs ? " reliefs" : " direct");
            for (Point p : z.outline)
                out << " " << at(p);
            out << "\n";
        }
        for (const auto& c : b->board.connections)
            out << "connect " << at(c.from) << " " << at(c.to) << "\n";
    } else if (const auto* l = std::get_if<LibraryFile>(&file)) {
        out << "library " << l->name << "\n";
        for (const Footprint& f : l->footprints)
            out << "footprint " << f.name << " " << f.pins << " " << f.width << "x" << f.height
                << (f.surfaceMount ? " smd" : " th") << "\n";
    } else if (const auto* s = std::get_if<SupportFile>(&file)) {
        out << "support grid " << s->grid << "\n";
        for (const std::string& d : s->designs)
            out << "design " << d << "\n";
        for (const std::string& l : s->libraries)
            out << "library " << l << "\n";
    }
    return out.str();
}

struct GoodCase {
    const char* name;
    std::string text;
    std::string read;
};

void PrintTo(const GoodCase& c, std::ostream* os) { *os << c.name; }

class StandinGoodFile : public ::testing::TestWithParam<GoodCase> {};

TEST_P(StandinGoodFile, Reads) { EXPECT_EQ(summary(readDesignFile(GetParam().text)), GetParam().read); }

INSTANTIATE_TEST_SUITE_P(
    Files, StandinGoodFile,
    ::testing::Values(
        GoodCase{"EveryBoardRecord",
                 "TRAZEL BOARD\r\n"
                 "; a comment\r\n"
                 "\r\n"
                 "NAME TUTORBD9\r\n"
                 "OUTLINE -100 -50 3000 2000\r\n"
                 "PART U16 DIP20 2250 3800 1050 400 20 th\r\n"
                 "PART R1\tR0805   10 -20 160 100 2 smd\r\n"
                 "TRACK TOP 12 0,0 100,0 100,-100\r\n"
                 "TRACK INNER2 25 5,5 6,6\r\n"
                 "VIA 100 -100\r\n"
                 "ZONE BOTTOM GND solid reliefs 0,0 10,0 10,10\r\n"
                 "ZONE KEEPOUT NONE hatched direct 0,0 10,0 10,10 0,10\r\n"
                 "CONNECT 1,2 3,4\r\n"
                 "END\r\n"
                 "; said and done\r\n",
                 "board TUTORBD9 -100,-50 3000x2000\n"
                 "part U16 DIP20 2250,3800 1050x400 20 th\n"
                 "part R1 R0805 10,-20 160x100 2 smd\n"
                 "track TOP 12 0,0 100,0 100,-100\n"
                 "track INNER2 25 5,5 6,6\n"
                 "via 100,-100\n"
                 "zone BOTTOM GND solid reliefs 0,0 10,0 10,10\n"
                 "zone KEEPOUT NONE hatched direct 0,0 10,0 10,10 0,10\n"
                 "connect 1,2 3,4\n"},
        GoodCase{"ByteOrderMarkAndNoFinalLineEnd", "\xEF\xBB\xBFTRAZEL LIBRARY\nNAME TUTOR\nEND",
                 "library TUTOR\n"},
        GoodCase{"Library",
                 "TRAZEL LIBRARY\nNAME TUTOR\nFOOTPRINT SOIC8 8 250 240 smd\nFOOTPRINT CONN20 20 250 1050 th\nEND\n",
                 "library TUTOR\nfootprint SOIC8 8 250x240 smd\nfootprint CONN20 20 250x1050 th\n"},
        GoodCase{"SupportGridDefaultsTo25", "TRAZEL SUPPORT\nDESIGNS ONE\nEND\n", "support grid 25\ndesign ONE\n"},
        GoodCase{"LineEndsConvertedTwice", "TRAZEL SUPPORT\r\r\nDESIGNS ONE TWO\r\t\r\r\nEND\r\r\n",
                 "support grid 25\ndesign ONE\ndesign TWO\n"}),
    [](const ::testing::TestParamInfo<GoodCase>& info) { return std::string(info.param.name); });

TEST(StandinFileKinds, TheMessageNamesTheLine)
{
    try {
        readDesignFile("TRAZEL BOARD\nNAME B\nOUTLINE 0 0 0 10\nEND\n");
        FAIL() << "a board without width was read";
    } catch (const BadFile& bad) {
        EXPECT_STREQ(bad.what(), "line 3: width must be more than 0");
    }
}

// ---- Malformed files ---------------------------------------------------

struct BadCase {
    const char* name;
    std::string text;
    int line;
    std::string reason;
};

void PrintTo(const BadCase& c, std::ostream* os) { *os << c.name; }

class StandinBadFile : public ::testing::TestWithParam<BadCase> {};

TEST_P(StandinBadFile, IsRefusedWithItsLine)
{
    try {
        readDesignFile(GetParam().text);
        FAIL() << "the file was read";
    } catch (const BadFile& bad) {
        EXPECT_EQ(bad.line(), GetParam().line);
        EXPECT_EQ(bad.reason(), GetParam().reason);
    }
}

const std::string Head = "TRAZEL BOARD\nNAME B\nOUTLINE 0 0 6000 5000\n"; // lines 1 to 3
const std::string NotTrazel =
    "not a Trazel design file: the first line must be TRAZEL BOARD, TRAZEL LIBRARY or TRAZEL SUPPORT";

BadCase board(const char* name, const std::string& line4, const std::string& reason)
{
    return {name, Head + line4 + "\nEND\n", 4, reason};
}

INSTANTIATE_TEST_SUITE_P(
    Header, StandinBadFile,
    ::testing::Values(BadCase{"Empty", "", 1, NotTrazel},
                      BadCase{"HeaderNotOnTheFirstLine", "\nTRAZEL BOARD\nNAME B\nEND\n", 1, NotTrazel},
                      BadCase{"UnknownKind", "TRAZEL PICTURE\nEND\n", 1,
                              "TRAZEL PICTURE is not a kind of design file"}),
    [](const ::testing::TestParamInfo<BadCase>& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Board, StandinBadFile,
    ::testing::Values(
        board("UnknownRecord", "HOLE 1 2", "'HOLE' is not a record of a board"),
        board("RecordOfALibrary", "FOOTPRINT SOIC8 8 250 240 smd", "'FOOTPRINT' is not a record of a board"),
        board("SecondName", "NAME C", "NAME was given on line 2 already"),
        BadCase{"NameWithTwoWords", "TRAZEL BOARD\nNAME MY BOARD\n", 2, "NAME needs one name"},
        BadCase{"OutlineShort", "TRAZEL BOARD\nNAME B\nOUTLINE 0 0 6000\nEND\n", 3,
                "OUTLINE needs left top width height"},
        BadCase{"OutlineNotANumber", "TRAZEL BOARD\nNAME B\nOUTLINE 0 0 6k 5000\nEND\n", 3,
                "'6k' is not a whole number"},
        BadCase{"NoOutline", "TRAZEL BOARD\nNAME B\n\nEND\n", 4, "OUTLINE is missing"},
        BadCase{"NoName", "TRAZEL BOARD\nOUTLINE 0 0 1 1\nEND\n", 3, "NAME is missing"},
        board("PartShort", "PART U1 SOIC8 1 2 250 240 8", "PART needs ref footprint x y width height pins smd|th"),
        board("ReferenceNumberFirst", "PART 16U DIP20 1 2 3 4 20 th",
              "'16U' is not a reference designator (letters, then a number)"),
        BadCase{"ReferenceTwice", Head + "PART U1 SOIC8 1 2 3 4 8 smd\n\nPART U1 DIP14 5 6 7 8 14 th\nEND\n", 6,
                "U1 is already on line 4"},
        board("PartPositionNotANumber", "PART U1 SOIC8 1.5 2 3 4 8 smd", "'1.5' is not a whole number"),
        board("PartWithoutWidth", "PART U1 SOIC8 1 2 0 4 8 smd", "width must be more than 0"),
        // Sums of positions and sizes must fit in an int when the board is shown.
        BadCase{"OutlineBeyondReach", "TRAZEL BOARD\nNAME B\nOUTLINE 2147483000 0 1000 10\nEND\n", 3,
                "'2147483000' is beyond 1000000"},
        board("PartWiderThanReach", "PART U1 SOIC8 1 2 1000001 4 8 smd", "'1000001' is beyond 1000000"),
        board("TrackPointBeyondReach", "TRACK TOP 12 0,0 0,-1000001", "'0,-1000001' is beyond 1000000"),
        board("PartMountingUnknown", "PART U1 SOIC8 1 2 3 4 8 SMD", "'SMD' must be smd or th"),
        board("TrackOnePoint", "TRACK TOP 12 0,0", "TRACK needs a layer, a width and two or more points x,y"),
        board("TrackUnknownLayer", "TRACK MIDDLE 12 0,0 1,1", "'MIDDLE' is not a layer"),
        board("TrackPointWithSemicolon", "TRACK TOP 12 0,0 10;20", "'10;20' is not a point x,y"),
        board("ViaAsPoint", "VIA 1,2", "VIA needs x y"),
        board("ZoneTwoCorners", "ZONE BOTTOM GND solid reliefs 0,0 1,1",
              "ZONE needs a layer, a net, hatched|solid, reliefs|direct and three or more corners x,y"),
        board("ZoneFillUnknown", "ZONE BOTTOM GND open reliefs 0,0 1,0 1,1", "'open' must be hatched or solid"),
        board("ConnectOnePoint", "CONNECT 1,2", "CONNECT needs two points x,y")),
    [](const ::testing::TestParamInfo<BadCase>& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    End, StandinBadFile,
    ::testing::Values(BadCase{"NoEnd", Head, 3, "the file ends without END"},
                      BadCase{"EndWithMore", Head + "END NOW\n", 4, "END stands alone"},
                      BadCase{"RecordAfterEnd", Head + "END\n\nVIA 1 2\n", 6, "nothing may follow END"}),
    [](const ::testing::TestParamInfo<BadCase>& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    LibraryAndSupport, StandinBadFile,
    ::testing::Values(
        BadCase{"LibraryPart", "TRAZEL LIBRARY\nNAME L\nPART U1 SOIC8 1 2 3 4 8 smd\nEND\n", 3,
                "'PART' is not a record of a library"},
        BadCase{"FootprintShort", "TRAZEL LIBRARY\nNAME L\nFOOTPRINT SOIC8 8 250 240\nEND\n", 3,
                "FOOTPRINT needs name pins width height smd|th"},
        BadCase{"FootprintTwice",
                "TRAZEL LIBRARY\nNAME L\nFOOTPRINT SOIC8 8 250 240 smd\nFOOTPRINT SOIC8 8 250 240 th\nEND\n", 4,
                "SOIC8 is already on line 3"},
        BadCase{"LibraryWithoutName", "TRAZEL LIBRARY\nFOOTPRINT SOIC8 8 250 240 smd\nEND\n", 3, "NAME is missing"},
        BadCase{"SupportWithoutDesigns", "TRAZEL SUPPORT\nGRID 25\nEND\n", 3, "DESIGNS is missing"},
        BadCase{"DesignsEmpty", "TRAZEL SUPPORT\nDESIGNS\nEND\n", 2, "DESIGNS needs one or more names"},
        BadCase{"GridZero", "TRAZEL SUPPORT\nDESIGNS A\nGRID 0\nEND\n", 3, "GRID must be more than 0"},
        BadCase{"LibraryOfTwoFiles", "TRAZEL SUPPORT\nDESIGNS A\nLIBRARY A.LLB B.LLB\nEND\n", 3,
                "LIBRARY needs one file name"},
        BadCase{"SupportName", "TRAZEL SUPPORT\nNAME S\nDESIGNS A\nEND\n", 2,
                "'NAME' is not a record of a support file"}),
    [](const ::testing::TestParamInfo<BadCase>& info) { return std::string(info.param.name); });

// ---- The shipped tutorial files ----------------------------------------

// A shipped file of the expected kind.
template <class Kind>
Kind shipped(const std::string& name)
{
    std::ifstream in(LT_SOURCE_DIR "/res/boards/" + name, std::ios::binary);
    if (!in)
        throw std::runtime_error("missing " + name);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return std::get<Kind>(readDesignFile(text));
}

const Footprint* footprintNamed(const LibraryFile& library, const std::string& name)
{
    for (const Footprint& f : library.footprints)
        if (f.name == name)
            return &f;
    return nullptr;
}

bool contains(const lt::pictures::Area& a, Point p)
{
    return p.x >= a.left && p.x <= a.left + a.width && p.y >= a.top && p.y <= a.top + a.height;
}

lt::pictures::Area body(const lt::pictures::Component& c)
{
    return {c.at.x - c.width / 2, c.at.y - c.height / 2, c.width, c.height};
}

// The component whose body covers the point; empty if none does.
std::string partAt(const lt::pictures::Board& b, Point p)
{
    for (const auto& c : b.components)
        if (contains(body(c), p))
            return c.reference;
    return "";
}

const char* const Boards[] = {"SRCTRZ1.MA$", "SRCTRZ2.MA$", "SRCTRZ3.MA$", "SRCTRZ4.MA$"};

TEST(StandinShippedFiles, EveryPartIsAFootprintOfTheTutorialLibrary)
{
    const LibraryFile library = shipped<LibraryFile>("SRCTRZ7.LL$");
    for (const char* name : {"SOIC8", "SOIC14", "SOIC16", "DIP14", "DIP16", "DIP20", "DIP24", "R0805", "C0805",
                             "CONN20"})
        EXPECT_TRUE(footprintNamed(library, name)) << name;
    for (const char* file : Boards) {
        const BoardFile b = shipped<BoardFile>(file);
        for (std::size_t i = 0; i < b.board.components.size(); ++i) {
            const auto& c = b.board.components[i];
            const Footprint* f = footprintNamed(library, b.footprints[i]);
            ASSERT_TRUE(f) << file << " " << c.reference << " " << b.footprints[i];
            EXPECT_EQ(c.pins, f->pins) << file << " " << c.reference;
            EXPECT_EQ(c.surfaceMount, f->surfaceMount) << file << " " << c.reference;
            const bool asDrawn = c.width == f->width && c.height == f->height;
            const bool turned = c.width == f->height && c.height == f->width;
            EXPECT_TRUE(asDrawn || turned) << file << " " << c.reference << " is not the size of " << f->name;
        }
    }
}

// Every place an exercise sends Trazel's cursor to (Ctrl+F x,y) lies on a
// part of the design the exercise opened, TUTORBDn.MAX made from SRCTRZn.MA$.
TEST(StandinShippedFiles, TheExercisesFindAPartWhereTheyPoint)
{
    const std::regex place(R"(\^f(\d+),(\d+))");
    int places = 0;
    for (const lt::ExerciseScript& s : lt::exerciseScripts()) {
        const std::string source = std::string("SRCTRZ") + s.designFile[7] + ".MA$";
        const lt::pictures::Board board = shipped<BoardFile>(source).board;
        for (const auto& step : s.laterSteps)
            for (const lt::ScriptOp& op : step) {
                const std::string keys = op.keys ? op.keys : "";
                for (std::sregex_iterator m(keys.begin(), keys.end(), place), end; m != end; ++m, ++places) {
                    const Point p{std::stoi((*m)[1]), std::stoi((*m)[2])};
                    EXPECT_FALSE(partAt(board, p).empty()) << source << " has no part at " << at(p);
                }
            }
    }
    EXPECT_GE(places, 9);
    EXPECT_EQ(partAt(shipped<BoardFile>("SRCTRZ1.MA$").board, {2250, 3800}), "U16") << "lesson 3 locks U16";
}

TEST(StandinShippedFiles, EachBoardIsAtItsStage)
{
    struct Stage {
        const char* file;
        bool partsWaiting;
        bool tracks;
        bool connectionsLeft;
        bool groundZone;
    };
    const Stage stages[] = {
        {"SRCTRZ1.MA$", true, false, true, false},
        {"SRCTRZ2.MA$", false, true, true, true},
        {"SRCTRZ3.MA$", false, true, false, false},
        {"SRCTRZ4.MA$", false, true, true, false},
    };
    for (const Stage& s : stages) {
        const BoardFile f = shipped<BoardFile>(s.file);
        const lt::pictures::Board& b = f.board;
        const auto inside = [&](const lt::pictures::Component& c) {
            const lt::pictures::Area a = body(c);
            return contains(b.outline, {a.left, a.top}) && contains(b.outline, {a.left + a.width, a.top + a.height});
        };
        const auto waiting = std::count_if(b.components.begin(), b.components.end(),
                                           [&](const auto& c) { return !inside(c); });
        EXPECT_EQ(waiting > 0, s.partsWaiting) << s.file << ": " << waiting << " parts outside the board";
        EXPECT_LT(static_cast<std::size_t>(waiting), b.components.size()) << s.file << " has parts placed";
        EXPECT_EQ(!b.tracks.empty(), s.tracks) << s.file;
        EXPECT_EQ(!b.connections.empty(), s.connectionsLeft) << s.file;
        const bool ground = std::any_of(b.zones.begin(), b.zones.end(), [&](const lt::pictures::Zone& z) {
            return z.layer == Layer::Bottom && z.reliefs && !z.hatched &&
                   f.zoneNets[static_cast<std::size_t>(&z - b.zones.data())] == "GND";
        });
        EXPECT_EQ(ground, s.groundZone) << s.file;
        for (const auto& t : b.tracks)
            for (Point p : t.points)
                EXPECT_TRUE(contains(b.outline, p)) << s.file << " track point " << at(p) << " is off the board";
        for (const auto& v : b.vias)
            EXPECT_TRUE(contains(b.outline, v.at)) << s.file << " via " << at(v.at) << " is off the board";
    }
}


// The model of the tutorial designs, which the lessons picture and the
// texts are held to, is the boards the exercises open: the same outline and
// the same components in the same places, so what a lesson points at is
// where the learner finds it in Trazel.
TEST(StandinShippedFiles, TheModelsTutorialDesignsAreTheShippedBoards)
{
    const auto layout = [](const lt::pictures::Board& b) {
        std::vector<std::tuple<std::string, int, int, int, int, int>> parts;
        for (const auto& c : b.components)
            parts.emplace_back(c.reference, c.at.x, c.at.y, c.width, c.height, c.pins);
        std::sort(parts.begin(), parts.end());
        return parts;
    };
    const auto& designs = lt::pictures::tutorialDesigns();
    ASSERT_EQ(designs.size(), std::size(Boards));
    for (std::size_t i = 0; i < designs.size(); ++i) {
        const lt::pictures::Board& model = designs[i].board;
        const BoardFile b = shipped<BoardFile>(Boards[i]);
        EXPECT_EQ(designs[i].file, b.name + ".MAX") << Boards[i];
        EXPECT_EQ(std::tie(model.outline.width, model.outline.height),
                  std::tie(b.board.outline.width, b.board.outline.height))
            << Boards[i];
        EXPECT_EQ(layout(model), layout(b.board)) << Boards[i];
        EXPECT_EQ(std::tuple(model.connections.size(), model.tracks.size(), model.vias.size(), model.zones.size()),
                  std::tuple(b.board.connections.size(), b.board.tracks.size(), b.board.vias.size(),
                             b.board.zones.size()))
            << Boards[i] << ": connections to route, tracks, vias and zones";
    }
}

} // namespace
} // namespace standin

namespace {

struct ViewKeysCase {
    const char* name;
    std::vector<std::tuple<unsigned, bool, bool>> keys; // key, Ctrl, Shift
    int steps;
    std::optional<lt::pictures::Point> centre;
    std::string status;
};

using namespace standin::vk;

// The keys the tutorial's exercises type, and their neighbours.
TEST(StandinViewKeys, ZoomAndGoToAsTheExercisesTypeThem)
{
    const ViewKeysCase cases[] = {
        {"two steps in", {{'I', false, false}, {'I', false, false}}, 2, std::nullopt, "Zoom 2"},
        {"go to a place", {{'F', true, false}, {'1', false, false}, {'0', false, false}, {Comma, false, false},
                           {'4', false, false}, {Enter, false, false}},
         0, lt::pictures::Point{10, 4}, "Zoom 0 at 10,4"},
        {"typing shows", {{'F', true, false}, {'2', false, false}, {Comma, false, false}}, 0, std::nullopt,
         "Go to x,y: 2,"},
        {"backspace edits", {{'F', true, false}, {'7', false, false}, {Back, false, false}, {'5', false, false},
                             {Comma, false, false}, {'6', false, false}, {Enter, false, false}},
         0, lt::pictures::Point{5, 6}, "Zoom 0 at 5,6"},
        {"esc cancels the place", {{'I', false, false}, {'F', true, false}, {'9', false, false}, {Esc, false, false}},
         1, std::nullopt, "Zoom 1"},
        {"half a place is ignored", {{'F', true, false}, {'9', false, false}, {Enter, false, false}}, 0, std::nullopt,
         "Whole board"},
        {"shift home shows it all", {{'I', false, false}, {'O', false, false}, {'O', false, false}, {Home, false, true}},
         0, std::nullopt, "Whole board"},
        {"zoom stops", {{'O', false, false}, {'O', false, false}, {'O', false, false}, {'O', false, false}}, -2,
         std::nullopt, "Zoom -2"},
    };
    for (const ViewKeysCase& c : cases) {
        standin::ViewKeys view;
        for (const auto& [key, ctrl, shift] : c.keys)
            EXPECT_TRUE(view.key(key, ctrl, shift)) << c.name;
        EXPECT_EQ(view.zoom().steps, c.steps) << c.name;
        EXPECT_EQ(view.zoom().centre.has_value(), c.centre.has_value()) << c.name;
        if (c.centre && view.zoom().centre) {
            EXPECT_EQ(view.zoom().centre->x, c.centre->x) << c.name;
            EXPECT_EQ(view.zoom().centre->y, c.centre->y) << c.name;
        }
        EXPECT_EQ(view.status(), c.status) << c.name;
    }
    standin::ViewKeys view;
    EXPECT_FALSE(view.key('X', false, false)) << "other keys are the window's";
    EXPECT_TRUE(view.key('I', false, false));
    EXPECT_TRUE(view.key(Home, false, false)) << "Home redraws";
    EXPECT_EQ(view.zoom().steps, 1);
    EXPECT_FALSE(view.key('I', true, false));
}

TEST(BoardFit, AZoomPutsItsCentreInTheMiddleAndDoublesEveryTwoSteps)
{
    lt::pictures::Board board;
    board.outline = {0, 0, 6000, 5000};
    const lt::pictures::Area design{0, 0, 9000, 7500};
    const lt::pictures::BoardFit whole(board, design);
    const lt::pictures::BoardFit closer(board, design, {2, lt::pictures::Point{1025, 4525}});
    const lt::pictures::Point middle = closer.toPicture({1025, 4525});
    EXPECT_EQ(middle.x, 4500);
    EXPECT_EQ(middle.y, 3750);
    EXPECT_NEAR(closer.length(1000), 2 * whole.length(1000), 1);
    const lt::pictures::BoardFit zoomedOnTheMiddle(board, design, {1, std::nullopt});
    const lt::pictures::Point boardMiddle = zoomedOnTheMiddle.toPicture({3000, 2500});
    EXPECT_EQ(boardMiddle.x, 4500);
    EXPECT_EQ(boardMiddle.y, 3750);
}

} // namespace
