// Every text the tutorial shows describes the one Trazel of the model: a
// menu path it names is on that menu, a dialog box it says a command opens
// is the one the command opens, and a component, net or layer it names for
// a tutorial board is on that board. The lessons' texts speak of the boards
// their pictures show; the exercises' texts of the design Trazel opens.
#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "exercises/exercise_script.h"
#include "lessons/lesson_content.h"
#include "machine.h"
#include "pictures/trazel_menus.h"
#include "pictures/tutorial_boards.h"

namespace lt {
namespace {

using namespace pictures;

// What a text may name: the components, nets and layers of its boards.
struct Scope {
    std::string what; // "lesson 9", "exercises of lesson 3"
    std::set<std::string> components, nets, layers;
};

void addDesign(Scope& s, const TutorialDesign& d)
{
    for (const Component& c : d.board.components)
        s.components.insert(c.reference);
    for (const Net& n : d.nets)
        s.nets.insert(n.name);
}

Scope boardLayerScope(std::string what)
{
    Scope s{std::move(what), {}, {}, {}};
    for (const BoardLayer& l : boardLayers()) {
        s.layers.insert(l.name);
        if (!l.planeNet.empty())
            s.nets.insert(l.planeNet);
    }
    return s;
}

// A lesson speaks of the tutorial designs its pictures show and of the
// boards as the pictures show them, parts its story adds included.
Scope lessonScope(int lesson)
{
    Scope s = boardLayerScope("lesson " + std::to_string(lesson));
    for (const NamedPicture& p : lessonContent(lesson).pictures.pictures) {
        const auto* screen = dynamic_cast<const ScreenPicture*>(p.picture.get());
        if (!screen || !screen->host)
            continue;
        if (const TutorialDesign* d = tutorialDesign(screen->host->file))
            addDesign(s, *d);
        if (screen->host->board)
            for (const Component& c : screen->host->board->components)
                s.components.insert(c.reference);
    }
    return s;
}

Scope exerciseScope(int lesson)
{
    Scope s = boardLayerScope("the exercises of lesson " + std::to_string(lesson));
    addDesign(s, *tutorialDesign(exerciseScript(lesson)->designFile));
    return s;
}

Scope scopeOf(int id)
{
    if (id >= 1100 && id < 2600)
        return lessonScope((id - 1000) / 100);
    if (id >= 13000 && id < 26000 && exerciseScript(id / 1000 - 10))
        return exerciseScope(id / 1000 - 10);
    return boardLayerScope("the tutorial's own windows");
}

// ---- Menu paths --------------------------------------------------------

// A name as the texts write a command: words that begin with a capital or
// a digit ("Design Rule Check", "Rotate 90", "45 Degrees").
const std::string Name = R"(((?:[A-Z0-9][\w-]*)(?: [A-Z0-9][\w-]*)*))";
const std::string MenuWord = R"((pop-up|[A-Z]\w*) menu( of the session frame)?)";

struct Problems {
    std::vector<std::string> found;
    void operator()(const std::string& p) { found.push_back(p); }
};

const Menu* menuNamed(const std::string& name, bool sessionFrame)
{
    if (name == "pop-up")
        return &componentPopup();
    return findMenu(sessionFrame ? HostWindow::SessionFrame : HostWindow::DesignWindow, name);
}

// A command named in a menu: the item, and the choices a text names after
// "then" ("choose Autoroute, then Board", "choose Corner Style, then 45
// Degrees or 90 Degrees").
void checkItem(Problems& problems, const std::string& menu, bool sessionFrame, const std::string& item,
               const std::string& after)
{
    const Menu* m = menuNamed(menu, sessionFrame);
    if (!m)
        return; // reported with every other mention of the menu
    const MenuItem* i = m->item(item);
    if (!i) {
        problems("the " + menu + " menu has no " + item);
        return;
    }
    static const std::regex then("^(?:,| and) then (choose )?" + Name);
    static const std::regex orName("^ or " + Name);
    const MenuItem* opener = i;
    std::smatch t;
    if (std::regex_search(after, t, then) && !(t[1].matched && i->choices.empty())) {
        std::vector<std::string> choices = {t[2]};
        std::string rest = t.suffix();
        for (std::smatch o; std::regex_search(rest, o, orName); rest = o.suffix())
            choices.push_back(o[1]);
        for (const std::string& c : choices)
            if (!i->choice(c))
                problems(menu + ", " + item + " has no " + c);
        if (i->choice(choices.front()))
            opener = i->choice(choices.front());
    }
    // "choose Grids. The Grids dialog box displays."
    static const std::regex opens(R"(^(?:, then [^.]*)?\. The ([A-Z][\w ]*?) dialog(?: box)? (?:opens|displays))");
    std::smatch d;
    if (std::regex_search(after, d, opens) && d[1] != opener->dialog)
        problems(menu + ", " + item + " opens the " + (opener->dialog.empty() ? "no" : opener->dialog) +
                 " dialog box, not " + std::string(d[1]));
}

void checkMenuPaths(Problems& problems, const std::string& text)
{
    // Every menu the text names is one of Trazel's ("the File or Setup menu").
    static const std::regex anyMenu(R"((?:[Tt]he|its) (?:([A-Z]\w*) or )?)" + MenuWord);
    for (std::sregex_iterator m(text.begin(), text.end(), anyMenu), end; m != end; ++m)
        for (int g : {1, 2})
            if ((*m)[g].matched && !menuNamed((*m)[g], (*m)[3].matched))
                problems("Trazel has no " + std::string((*m)[g]) + " menu" + std::string((*m)[3]));

    struct Form {
        std::regex pattern;
        int menu, session, item, second; // group numbers; 0 for none
    };
    static const std::vector<Form> forms = {
        // From the Tools menu, choose Renumber.
        {std::regex("[Ff]rom the " + MenuWord + ", choose " + Name), 1, 2, 3, 0},
        // From the Window menu, choose a design, or choose Session Frame.
        {std::regex("[Ff]rom the " + MenuWord + ", choose [^.:]*?, or choose " + Name), 1, 2, 3, 0},
        // choose Renumber from the Tools menu; with Relinx from the Tools menu; Unlock from its pop-up menu
        {std::regex("(?:[Cc]hoose|with) " + Name + " from (?:the|its) " + MenuWord), 2, 3, 1, 0},
        // the Place menu is open with Component highlighted
        {std::regex("[Tt]he " + MenuWord + " is open with " + Name + " highlighted"), 1, 2, 3, 0},
        // Tools > Renumber
        {std::regex(R"(([A-Z]\w*) > )" + Name), 1, 0, 2, 0},
        // the Renumber command of the Tools menu; the Post Process and Reports commands of the Tools menu
        {std::regex("the " + Name + "(?: and " + Name + ")?(?: commands?)? of the " + MenuWord), 3, 4, 1, 2},
        // the commands of the Route menu, such as Add Track
        {std::regex("the commands of the " + MenuWord + ", such as " + Name), 1, 2, 3, 0},
        // from the Auto menu with Autoroute
        {std::regex("from the " + MenuWord + " with " + Name), 1, 2, 3, 0},
    };
    for (const Form& f : forms)
        for (std::sregex_iterator m(text.begin(), text.end(), f.pattern), end; m != end; ++m) {
            const std::string after = m->suffix();
            const bool session = f.session && (*m)[f.session].matched;
            checkItem(problems, (*m)[f.menu], session, (*m)[f.item], after);
            if (f.second && (*m)[f.second].matched)
                checkItem(problems, (*m)[f.menu], session, (*m)[f.second], "");
        }

    // In the Grids dialog box, which you open from the Setup menu
    static const std::regex opened(R"(the ([A-Z][\w ]*?) dialog(?: box)?, which you open from the ([A-Z]\w*) menu)");
    for (std::sregex_iterator m(text.begin(), text.end(), opened), end; m != end; ++m) {
        const auto path = openedBy(HostWindow::DesignWindow, (*m)[1].str());
        if (!path || path->menu != (*m)[2])
            problems("no item of the " + std::string((*m)[2]) + " menu opens the " + std::string((*m)[1]) +
                     " dialog box");
    }
}

// ---- Boards -------------------------------------------------------------

const std::string NetName = R"((\+\d+V|[A-Z]{2,}[A-Z0-9]*))";

void checkBoardNames(Problems& problems, const std::string& text, const Scope& scope)
{
    static const std::regex component(R"(\b([UJRC]\d{1,3})\b)");
    for (std::sregex_iterator m(text.begin(), text.end(), component), end; m != end; ++m)
        if (!scope.components.contains((*m)[1]))
            problems(std::string((*m)[1]) + " is not on the board of " + scope.what);

    // the net GND, the nets GND and VCC, the ground net, GND; GND pads, the GND zone
    static const std::vector<std::regex> nets = {
        std::regex(R"(\bnets?,? )" + NetName + "(?: and " + NetName + ")?"),
        std::regex(NetName + "(?: and " + NetName + R"()? (?:nets?|zones?|pads?|pins?|planes?)\b)"),
    };
    for (const std::regex& r : nets)
        for (std::sregex_iterator m(text.begin(), text.end(), r), end; m != end; ++m)
            for (int g : {1, 2})
                if ((*m)[g].matched && !scope.nets.contains((*m)[g]))
                    problems("there is no net " + std::string((*m)[g]) + " on the board of " + scope.what);

    // the Top layer, the Top and Bottom layers, the layer to Silkscreen Top
    static const std::vector<std::regex> layers = {
        std::regex("[Tt]he " + Name + "(?: and " + Name + R"()? layers?\b)"),
        std::regex("layer(?: to|,) " + Name),
    };
    for (const std::regex& r : layers)
        for (std::sregex_iterator m(text.begin(), text.end(), r), end; m != end; ++m)
            for (int g : {1, 2})
                if (m->size() > static_cast<std::size_t>(g) && (*m)[g].matched && !scope.layers.contains((*m)[g]))
                    problems("there is no layer " + std::string((*m)[g]) + " on the board of " + scope.what);
}

std::vector<std::string> problemsOf(const std::string& text, const Scope& scope)
{
    Problems problems;
    checkMenuPaths(problems, text);
    checkBoardNames(problems, text, scope);
    return problems.found;
}

TEST(TextsDescribeTheModel, EveryTextOfTheStringTable)
{
    int checked = 0;
    for (const auto& [id, text] : test::stringTable().entries()) {
        for (const std::string& p : problemsOf(text, scopeOf(id)))
            ADD_FAILURE() << "string " << id << ": " << p << "\n  \"" << text << "\"";
        ++checked;
    }
    EXPECT_GT(checked, 600);
}

// The phrasings the texts use, each read as it should be, so that a text
// that strays from the model is caught.
TEST(TextsDescribeTheModel, TheReadingOfEachPhrasing)
{
    Scope card = boardLayerScope("TUTORBD2");
    addDesign(card, *tutorialDesign("TUTORBD2.MAX"));
    struct Case {
        const char* text;
        std::vector<std::string> problems;
    };
    const Case cases[] = {
        {"From the Tools menu, choose Renumber.", {}},
        {"From the Tools menu, choose Libraries, add the library.", {"the Tools menu has no Libraries"}},
        {"Choose Renumber from the Tools menu.", {}},
        {"Choose Renumber from the Route menu.", {"the Route menu has no Renumber"}},
        {"Tools > Library Manager", {}},
        {"Tools > Design Check", {"the Tools menu has no Design Check"}},
        {"From the File menu of the session frame, choose Exit.", {}},
        {"From the File menu of the session frame, choose Save.", {"the File menu has no Save"}},
        {"From the Auto menu, choose Autoroute, then Board.", {}},
        {"From the Auto menu, choose Autoroute, then Everything.", {"Auto, Autoroute has no Everything"}},
        {"From the Route menu, choose Corner Style, then 45 Degrees or 30 Degrees.",
         {"Route, Corner Style has no 30 Degrees"}},
        {"From the Place menu, choose Keepout, then draw the area.", {}},
        {"From the Setup menu, choose Grids. The Grids dialog box displays.", {}},
        {"From the Setup menu, choose Grids. The Layers dialog box displays.",
         {"Setup, Grids opens the Grids dialog box, not Layers"}},
        {"From the pop-up menu, choose Lock.", {}},
        {"Choose Rotate 90 from the pop-up menu.", {}},
        {"Choose Rotate 45 from the pop-up menu.", {"the pop-up menu has no Rotate 45"}},
        {"with the Post Process and Reports commands of the Tools menu",
         {"the Tools menu has no Post Process"}},
        {"with the Library Manager of the Tools menu", {}},
        {"the commands of the Route menu, such as Add Track", {}},
        {"You start it from the Auto menu with Autoroute.", {}},
        {"In the Grids dialog box, which you open from the Setup menu, type 100.", {}},
        {"In the Grids dialog box, which you open from the View menu, type 100.",
         {"no item of the View menu opens the Grids dialog box"}},
        {"Use the Options menu.", {"Trazel has no Options menu"}},
        {"a command of the File or Setup menu", {}},
        {"a command of the File or Extras menu", {"Trazel has no Extras menu"}},
        {"Here the Place menu is open with Cluster highlighted.", {}},
        {"Here the Place menu is open with Copper Zone highlighted.", {"the Place menu has no Copper Zone"}},
        {"until you choose Unlock from its pop-up menu", {}},
        {"From the Window menu, choose a design, or choose Session Frame.", {}},
        {"From the Window menu, choose a design, or choose Frame.", {"the Window menu has no Frame"}},
        {"Click pin 1 of R2, then U12.", {"U12 is not on the board of TUTORBD2"}},
        {"The footprint R0805 and the part C0805 are footprints.", {}},
        {"the net GND, the nets VCC and CLK, and the GND pads", {}},
        {"the ground net, GND, and the power net, +5V", {"there is no net +5V on the board of TUTORBD2"}},
        {"the RESET and FOO nets", {"there is no net FOO on the board of TUTORBD2"}},
        {"on the Top layer, the Inner 2 layer, and the Top and Bottom layers", {}},
        {"Set the layer to Silkscreen Top, then the layer to Inner 3.",
         {"there is no layer Inner 3 on the board of TUTORBD2"}},
        {"on the Middle layer", {"there is no layer Middle on the board of TUTORBD2"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(problemsOf(c.text, card), c.problems) << c.text;
}

} // namespace
} // namespace lt
