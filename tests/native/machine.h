// A simulated machine with the tutorial installed: C:\TRAZEL\TUTOR holds the
// program and its board sources, C:\WINDOWS is the Windows directory.
#pragma once

#include <gtest/gtest.h>

#include "app/lay_intro.h"
#include "app/main_routine.h"
#include "app/tutorial.h"
#include "menu/sel_menu.h"
#include "platform/sim/rc_string_table.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_files.h"
#include "platform/sim/sim_ui.h"

namespace lt::test {

inline const sim::RcStringTable& stringTable()
{
    static const sim::RcStringTable table = sim::RcStringTable::load(LT_SOURCE_DIR "/res/strings.rc");
    return table;
}

inline const std::string TutorDir = "C:\\TRAZEL\\TUTOR";

// What the machine has besides the tutorial: the editions of Trazel
// installed (their registry keys), and whether its session frame and design
// window are open.
struct Setup {
    std::vector<std::string> editions = {"QuarnTrazelUltor9.20"};
    bool trazelRunning = true;
};
inline const Setup Bare = {{}, false};

struct Machine {
    sim::SimDesktop desktop;
    sim::SimFiles files;
    sim::SimUi ui{desktop};
    Tutorial t{desktop, files, stringTable(), ui};

    explicit Machine(const Setup& setup = {})
    {
        ui.attach(t.forms);
        for (const std::string& key : setup.editions)
            desktop.addRegistryKey(key);
        if (setup.trazelRunning) {
            desktop.openWindow("QaTrazelFrame", "Trazel Session", true, "host");
            desktop.openWindow("MaxFrame", "Trazel", true, "host");
        }
        files.makeDirectory("C:\\WINDOWS");
        for (const char* source : {"SRCTRZ1.MA$", "SRCTRZ2.MA$", "SRCTRZ3.MA$", "SRCTRZ4.MA$", "SRCTRZ6.S$", "SRCTRZ7.LL$"})
            files.writeFile(TutorDir + "\\" + source, std::string("source ") + source);
        desktop.setProgramDirectory(TutorDir);
    }

    ~Machine()
    {
        EXPECT_TRUE(t.text.missing().empty()) << "the program asked for texts that strings.rc lacks, first "
                                             << (t.text.missing().empty() ? 0 : *t.text.missing().begin());
        EXPECT_EQ(desktop.pendingAnswers(), 0u) << "scripted message box answers were left over";
    }

    void start() { ui.act([this] { Main(t); }); }
    // Starts and goes on from the intro to the lesson menu.
    void startToMenu();

    std::string text(int id) const { return stringTable().find(id).value_or("(no string " + std::to_string(id) + ")"); }
    // A lesson button clicked by a learner too quick for the menu: the click
    // is queued behind the events the menu lets run once it is on the screen.
    void clickLessonAsTheMenuComesUp(int lesson)
    {
        ui.duringEvents = [this, lesson] {
            if (Sel_menu(t).visible())
                ui.click(Sel_menu(t).Menu_btn[lesson]);
            else
                clickLessonAsTheMenuComesUp(lesson);
        };
    }
    // The last message box shown.
    const sim::MessageBoxRecord& lastBox() const { return desktop.messageBoxes().back(); }
    std::size_t boxCount() const { return desktop.messageBoxes().size(); }
};

inline void Machine::startToMenu()
{
    start();
    if (LayIntro* intro = t.forms.find<LayIntro>())
        ui.click(intro->Continue);
}

} // namespace lt::test
