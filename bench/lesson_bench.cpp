// How much a press of Continue or Go Back costs: the time, and how many
// control properties it changes (each change repaints a control), over every
// screen of every lesson.
#include <benchmark/benchmark.h>

#include "app/lay_intro.h"
#include "app/main_routine.h"
#include "lessons/lesson_window.h"
#include "menu/sel_menu.h"
#include "platform/sim/rc_string_table.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_files.h"
#include "platform/sim/sim_ui.h"

namespace {

using namespace lt;

struct Machine {
    sim::SimDesktop desktop;
    sim::SimFiles files;
    sim::SimUi ui{desktop};
    Tutorial t;
    explicit Machine(const StringTable& strings) : t(desktop, files, strings, ui)
    {
        ui.attach(t.forms);
        desktop.addRegistryKey("QuarnTrazelUltor9.20");
        desktop.openWindow("QaTrazelFrame", "Trazel Session", true, "host");
        desktop.openWindow("MaxFrame", "Trazel", true, "host");
        files.makeDirectory("C:\\TRAZEL\\TUTOR");
        ui.act([this] { Main(t); });
        ui.click(Lay_Intro(t).Continue);
    }
};

void ContinueAndBack(benchmark::State& state)
{
    static const auto strings = sim::RcStringTable::load(LT_SOURCE_DIR "/res/strings.rc");
    Machine m(strings);
    const int lesson = static_cast<int>(state.range(0));
    m.ui.click(Sel_menu(m.t).Menu_btn[lesson]);
    auto& w = *m.t.forms.find<LessonWindow>(lesson);
    const int screens = static_cast<int>(w.content().screens.size());
    long long presses = 0;
    const long long updatesBefore = m.ui.controlUpdates();
    for (auto _ : state) {
        for (int k = 1; k < screens; ++k)
            m.ui.click(w.Fwd_1);
        for (int k = 1; k < screens; ++k)
            m.ui.click(w.Back_1);
        presses += 2 * (screens - 1);
    }
    state.SetItemsProcessed(presses);
    state.counters["updates/press"] =
        benchmark::Counter(static_cast<double>(m.ui.controlUpdates() - updatesBefore) / static_cast<double>(presses));
}

BENCHMARK(ContinueAndBack)->DenseRange(1, 15)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
