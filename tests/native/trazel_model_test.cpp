// The model of Trazel holds together: every key the tutorial types into
// Trazel chooses the command it is meant for, each menu's access keys and the
// window's shortcut keys are its own, the stand-in's commands are the
// model's, and renumbering gives what the exercises promise.
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <set>

#include "exercises/exercise_script.h"
#include "exercises/library_keys.h"
#include "host/send_keys.h"
#include "pictures/renumber.h"
#include "pictures/trazel_menus.h"
#include "pictures/tutorial_boards.h"
#include "standin/menu_commands.h"
#include "standin/view_keys.h"

namespace lt {
namespace {

using namespace pictures;

// Alt+menu key, then an item key, as they follow one another in a send:
// "%(w1)" and "%va" both choose an item of a menu.
std::vector<std::pair<char, char>> menuChoices(const std::string& keys)
{
    const auto strokes = parseSendKeys(keys);
    EXPECT_TRUE(strokes) << keys;
    std::vector<std::pair<char, char>> choices;
    for (std::size_t i = 0; strokes && i + 1 < strokes->size(); ++i) {
        const Keystroke &menu = (*strokes)[i], &item = (*strokes)[i + 1];
        const bool opensMenu = (menu.modifiers & mod::Alt) &&
                               (i == 0 || !((*strokes)[i - 1].modifiers & mod::Alt) || (*strokes)[i - 1].group != menu.group);
        if (opensMenu && menu.ch && item.ch)
            choices.emplace_back(static_cast<char>(std::tolower(static_cast<int>(menu.ch))),
                                 static_cast<char>(std::tolower(static_cast<int>(item.ch))));
    }
    return choices;
}

TEST(TrazelMenus, EveryKeyTheTutorialTypesChoosesItsCommand)
{
    // What each Alt pair the tutorial types is for.
    const std::map<std::pair<char, char>, std::string> meant = {
        {{'f', 'o'}, "Open"}, {{'w', '1'}, "1 TUTORBD2.MAX"}, {{'w', 'r'}, "Redraw"}, {{'v', 'a'}, "All"}};
    std::vector<std::string> designWindowSends = {libraryOpenKeys("C:\\TRAZEL\\TUTOR"),
                                                  libraryOpenKeys("C:\\PROGRA~1\\TRAZEL")};
    for (const ExerciseScript& s : exerciseScripts())
        for (const auto& step : s.laterSteps)
            for (const ScriptOp& op : step)
                if (op.kind == ScriptOp::Kind::Send)
                    designWindowSends.emplace_back(op.keys);
    std::set<std::pair<char, char>> typed;
    for (const std::string& keys : designWindowSends)
        for (const auto& pair : menuChoices(keys)) {
            typed.insert(pair);
            const auto item = chosenByKeys(HostWindow::DesignWindow, pair.first, pair.second, {"TUTORBD2.MAX"});
            ASSERT_TRUE(item) << "Alt+" << pair.first << " " << pair.second << " in " << keys << " chooses nothing";
            ASSERT_TRUE(meant.contains(pair)) << "Alt+" << pair.first << " " << pair.second << " is typed for "
                                              << item->name() << "; say here what it is for";
            EXPECT_EQ(item->name(), meant.at(pair));
        }
    EXPECT_EQ(typed.size(), meant.size()) << "every pair above is typed by some step";

    // Starting Trazel opens a design window from the session frame.
    const auto session = menuChoices("{ESC 6}%(fn)");
    ASSERT_EQ(session.size(), 1u);
    const auto item = chosenByKeys(HostWindow::SessionFrame, session[0].first, session[0].second, {});
    ASSERT_TRUE(item);
    EXPECT_EQ(item->name(), "New");
}

TEST(TrazelMenus, AccessKeysAndShortcutsAreEachMenusOwn)
{
    for (HostWindow w : {HostWindow::SessionFrame, HostWindow::DesignWindow, HostWindow::Skemora}) {
        std::set<char> menuKeys;
        std::set<std::string> shortcuts;
        for (const Menu& m : menuBar(w)) {
            EXPECT_TRUE(m.accessKey() && menuKeys.insert(m.accessKey()).second) << m.label;
            std::set<char> itemKeys;
            std::vector<const std::vector<MenuItem>*> lists = {&m.items};
            for (const MenuItem& i : m.items)
                if (!i.choices.empty())
                    lists.push_back(&i.choices);
            for (const auto* list : lists) {
                itemKeys.clear();
                for (const MenuItem& i : *list) {
                    if (i.separator())
                        continue;
                    EXPECT_TRUE(i.accessKey() && itemKeys.insert(i.accessKey()).second) << m.name() << ", " << i.label;
                    EXPECT_TRUE(i.shortcut.empty() || shortcuts.insert(i.shortcut).second)
                        << i.shortcut << " is the shortcut of two commands";
                }
            }
        }
    }
    std::set<char> popupKeys;
    for (const MenuItem& i : componentPopup().items)
        EXPECT_TRUE(i.separator() || popupKeys.insert(i.accessKey()).second) << i.label;
}

TEST(TrazelMenus, TheStandinCarriesOutCommandsOfTheModel)
{
    const std::pair<HostWindow, const std::vector<standin::MenuCommand>*> programs[] = {
        {HostWindow::SessionFrame, &standin::sessionFrameCommands()},
        {HostWindow::DesignWindow, &standin::designWindowCommands()}};
    for (const auto& [window, commands] : programs)
        for (const standin::MenuCommand& c : *commands) {
            const Menu* m = findMenu(window, c.menu);
            EXPECT_TRUE(m && m->item(c.item)) << c.menu << ", " << c.item;
        }
}

// The view's keys in the stand-in are the shortcuts the model gives the
// commands of the View and Window menus.
TEST(TrazelMenus, TheViewKeysAreTheViewCommandsShortcuts)
{
    struct Key {
        const char* menu;
        const char* item;
        unsigned vk;
        bool ctrl, shift;
    };
    const Key keys[] = {{"View", "Zoom In", 'I', false, false},
                        {"View", "Zoom Out", 'O', false, false},
                        {"View", "All", 0x24, false, true},
                        {"View", "Go To", 'F', true, false},
                        {"Window", "Redraw", 0x24, false, false}};
    for (const Key& k : keys) {
        std::string written = k.ctrl ? "Ctrl+" : k.shift ? "Shift+" : "";
        written += k.vk == 0x24 ? "Home" : std::string(1, static_cast<char>(k.vk));
        EXPECT_EQ(findMenu(HostWindow::DesignWindow, k.menu)->item(k.item)->shortcut, written) << k.item;
        standin::ViewKeys view;
        EXPECT_TRUE(view.key(k.vk, k.ctrl, k.shift)) << k.item;
    }
}

TEST(Renumber, RowsAndColumnsAsTheLessonAndTheExercisesTellThem)
{
    Board board;
    // Two columns of two: U3 upper left, U1 lower left, U4 upper right, U2
    // lower right; R1 on its own, a little lower than U3.
    for (const auto& [ref, x, y] : std::vector<std::tuple<const char*, int, int>>{
             {"U3", 100, 100}, {"U1", 110, 500}, {"U4", 600, 120}, {"U2", 590, 480}, {"R1", 300, 150}})
        board.components.push_back({ref, {x, y}, 50, 50, 2, true});
    const auto text = [](const std::vector<Renaming>& changes) {
        std::string s;
        for (const Renaming& r : changes)
            s += r.was + ">" + r.is + " ";
        return s;
    };
    EXPECT_EQ(text(renumber(board, RenumberOrder::Rows, 100)), "U3>U1 U4>U2 U1>U3 U2>U4 ");
    EXPECT_EQ(text(renumber(board, RenumberOrder::Columns, 100)), "U3>U1 U1>U2 U4>U3 U2>U4 ");
    EXPECT_EQ(text(renumber(board, RenumberOrder::Rows, 10)), "U3>U1 U4>U2 U2>U3 U1>U4 ");

    // The exercise renumbers TUTORBD3.MAX by columns and finds U12 -> U1 and C7 -> C4.
    const auto changes = renumber(tutorialDesign("TUTORBD3.MAX")->board, RenumberOrder::Columns, 200);
    const std::string all = text(changes);
    EXPECT_NE(all.find("U12>U1 "), std::string::npos) << all;
    EXPECT_NE(all.find("C7>C4 "), std::string::npos) << all;
    EXPECT_EQ(all.find("J1>"), std::string::npos) << "J1 keeps its designator: " << all;
}

// The nets of each tutorial design join pins that its components have, and
// the planes' nets are on every board.
TEST(TutorialDesigns, NetsJoinPinsOfTheBoard)
{
    ASSERT_EQ(tutorialDesigns().size(), 4u);
    for (const TutorialDesign& d : tutorialDesigns()) {
        for (const Net& n : d.nets)
            for (const std::string& pin : n.pins) {
                const std::string ref = pin.substr(0, pin.find('.'));
                const int number = std::stoi(pin.substr(pin.find('.') + 1));
                const auto c = std::find_if(d.board.components.begin(), d.board.components.end(),
                                            [&](const Component& k) { return k.reference == ref; });
                ASSERT_NE(c, d.board.components.end()) << d.file << " " << n.name << " " << pin;
                EXPECT_LE(number, c->pins) << d.file << " " << n.name << " " << pin;
            }
        for (const BoardLayer& l : boardLayers()) {
            if (l.use == BoardLayer::Use::Plane) {
                EXPECT_TRUE(d.net(l.planeNet)) << d.file << " lacks the plane net " << l.planeNet;
            }
        }
    }
    // The nets the lessons name on the controller card.
    for (const char* net : {"GND", "VCC", "CLK", "EN"})
        EXPECT_TRUE(tutorialDesign("TUTORBD2.MAX")->net(net)) << net;
    EXPECT_EQ(tutorialDesign("TUTORBD2.MAX")->net("CLK")->pins, (std::vector<std::string>{"J1.1", "U1.1"}));
}

} // namespace
} // namespace lt
