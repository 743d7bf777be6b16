#include "exercises/exercise_script.h"

#include "exercises/open_design.h"
#include "exercises/steps_window.h"
#include "host/host_windows.h"
#include "menu/sel_menu.h"

namespace lt {

namespace {

constexpr int SetupBanner = 850, OpeningDesign = 853, ChooseWhenShown = 854, WaitBanner = 860, BeingConfigured = 863;

using K = ScriptOp::Kind;
ScriptOp host() { return {K::Host}; }
ScriptOp send(const char* keys) { return {K::Send, keys}; }
ScriptOp page(int first, int last) { return {K::Page, nullptr, first, last}; }
ScriptOp secondSetup(int first, int last) { return {K::SecondSetup, nullptr, first, last}; }
ScriptOp pleaseWait() { return {K::PleaseWait}; }
ScriptOp end() { return {K::End}; }

// Lesson 15's two exercises start from the same view.
constexpr const char* Lesson15View = "{ESC 6}%(w1)+{HOME}";
constexpr const char* Lesson15Zoom = "{i 3}^f1050,1325{Enter}{ESC}1{home}";

std::vector<ExerciseScript> makeScripts()
{
    return {
        {3, "TUTORBD1.MAX", 4, false,
         {
             {host(), send("{ESC 6}%(w1){i 2}^f2250,3800{Enter}{    3}{ESC}"), page(13050, 13056)},
             {host(), send("{ESC 6}%(w1)+{HOME}i^f2200,1650{Enter}{ESC}"), page(13100, 13109)},
             {page(13150, 13157)},
             {page(13200, 13204), end()},
         }},
        {4, "TUTORBD2.MAX", 5, false,
         {
             {page(14010, 14019)},
             {host(), send("{ESC 6}%(w1)+{HOME}{i 2}^f1550,1050{Enter}{ESC}"), page(14050, 14055)},
             {pleaseWait(), host(), page(14100, 14106)},
             {page(14150, 14162)},
             {page(14200, 14206), end()},
         }},
        {5, "TUTORBD2.MAX", 6, true,
         {
             {secondSetup(15005, 15009)},
             {page(15050, 15060)},
             {host(), send("{ESC 6}%(w1)"), send("%va"), send("{i 3}^f2100,2700{Enter}{ESC}1{home}"),
              page(15100, 15113)},
             {host(), send("{i 3}^f5050,1500{Enter}{ESC}1{home}{o 3}"), page(15150, 15160)},
             {page(15200, 15209)},
             {page(15250, 15255)},
             {page(15300, 15304), end(), host()},
         }},
        {6, "TUTORBD2.MAX", 3, true,
         {
             {page(16050, 16060), host(), send("{ESC 6}%(w1)%va{BACKSPACE}{i 3}^f4725,1500{Enter}{ESC}{home}")},
             {page(16100, 16104), host(), send("{ESC 6}")},
             {page(16150, 16162), end()},
         }},
        {8, "TUTORBD2.MAX", 5, false,
         {
             {page(18050, 18055)},
             {page(18100, 18108)},
             {page(18150, 18171)},
             {page(18200, 18206)},
             {host(), send("%(wr)"), page(18250, 18258), end()},
         }},
        {9, "TUTORBD3.MAX", 2, false,
         {
             {host(), send("+{HOME}{BACKSPACE}{i 2}^f1025,4525{Enter}{ESC}{home}"), page(19050, 19060)},
             {page(19100, 19112), end()},
         }},
        {13, "TUTORBD2.MAX", 3, false,
         {
             {page(23010, 23020)},
             {page(23050, 23055)},
             {host(), send("{ESC 6}%(w1)+{HOME}{BACKSPACE}{i 2}^f4025,1150{Enter}{ESC}{home}"), page(23100, 23109),
              end()},
         }},
        {14, "TUTORBD1.MAX", 4, false,
         {
             {page(24050, 24061)},
             {page(24100, 24109)},
             {page(24150, 24156)},
             {host(), page(24200, 24208), end()},
         }},
        {15, "TUTORBD4.MAX", 2, false,
         {
             {secondSetup(25025, 25027)},
             {host(), send(Lesson15View), send(Lesson15Zoom), page(25050, 25055)},
             {host(), send(Lesson15View), send(Lesson15Zoom), page(25100, 25105), end()},
         }},
    };
}

// The last page is shown: the exercises count as done, whether or not the
// learner does the last one.
void EndExercises(Tutorial& t, StepsWindow& steps)
{
    const int lesson = t.g.Cur_Lesson;
    steps.Next_Step.setEnabled(false);
    t.g.Exer_Done = 1;
    Sel_menu(t).Chk_Exr[lesson].setVisible(true);
    t.g.Lsn_Progress[lesson] = static_cast<std::int16_t>(t.g.Lsn_Progress[lesson] | mark::ExercisesDone);
}

// What the op did to Trazel's keys: Handled unless it typed and Trazel did
// not take them.
KeysOutcome runOp(Tutorial& t, StepsWindow& steps, const ScriptOp& op)
{
    PageText page(t.text, t.g.CRLF, t.g.CRLF2);
    switch (op.kind) {
    case K::Host:
        ActivateHost(t.host);
        break;
    case K::Send:
        return SendKeys(t.host, op.keys);
    case K::Page:
        steps.showPage(page.lines(op.first, op.last).str(), false);
        break;
    case K::SecondSetup:
        steps.showPage(page.banner(SetupBanner).lines(op.first, op.last).str(), true);
        break;
    case K::PleaseWait:
        steps.showPage(page.banner(WaitBanner).lines(BeingConfigured, BeingConfigured).str(), true);
        break;
    case K::End:
        EndExercises(t, steps);
        break;
    }
    return KeysOutcome::Handled;
}

// Runs a step and gives what became of its keys; the step stops at keys
// Trazel did not take, before its page or its end.
KeysOutcome runStep(Tutorial& t, StepsWindow& steps, const ExerciseScript& script, int step)
{
    PageText page(t.text, t.g.CRLF, t.g.CRLF2);
    if (step == 0) {
        t.g.Design_File = script.designFile;
        t.forms.doEvents();
        steps.showPage(page.banner(SetupBanner).lines(script.textBase(), script.textBase() + 2).str(), true);
        return KeysOutcome::Handled;
    }
    if (step == 1) {
        page.banner(SetupBanner).line("--- " + t.g.Design_File + " ---").lines(OpeningDesign, ChooseWhenShown);
        steps.showPage(page.str(), true);
        const std::optional<KeysOutcome> opened = OpenTutorialDesign(t);
        if (opened == KeysOutcome::Handled && script.hostAfterOpening)
            ActivateHost(t.host);
        // A missing design has already taken the learner back to the menu.
        return opened.value_or(KeysOutcome::Handled);
    }
    for (const ScriptOp& op : script.laterSteps[static_cast<std::size_t>(step - 2)])
        if (const KeysOutcome o = runOp(t, steps, op); o != KeysOutcome::Handled)
            return o;
    return KeysOutcome::Handled;
}

} // namespace

const std::vector<ExerciseScript>& exerciseScripts()
{
    static const std::vector<ExerciseScript> scripts = makeScripts();
    return scripts;
}

const ExerciseScript* exerciseScript(int lesson)
{
    for (const ExerciseScript& s : exerciseScripts())
        if (s.lesson == lesson)
            return &s;
    return nullptr;
}

void PageText::add(const std::string& separator, const std::string& s)
{
    page_ += page_.empty() ? crlf_ : separator;
    page_ += s;
}

PageText& PageText::banner(int firstText)
{
    return banner(text_(firstText), text_(firstText + 1), text_(firstText + 2));
}

PageText& PageText::banner(const std::string& above, const std::string& title, const std::string& below)
{
    add(crlf2_, above);
    add(crlf_, title);
    add(crlf_, below);
    return *this;
}

PageText& PageText::line(const std::string& s)
{
    add(crlf2_, s);
    return *this;
}

PageText& PageText::lines(int firstText, int lastText)
{
    for (int id = firstText; id <= lastText; ++id)
        line(text_(id));
    return *this;
}

void RunExerciseScript(Tutorial& t, StepsWindow& steps)
{
    const ExerciseScript* script = exerciseScript(t.g.Cur_Lesson);
    if (!script)
        return;
    const int step = t.g.Step_No;
    t.g.Step_No = static_cast<std::int16_t>(step + 1);
    if (step < 0 || step >= script->stepCount())
        return;
    const KeysOutcome outcome = runStep(t, steps, *script, step);
    if (outcome == KeysOutcome::Handled)
        return;
    // The step is not done: the next press repeats it.
    t.g.Step_No = static_cast<std::int16_t>(step);
    steps.TellKeysNotTaken(outcome);
}

} // namespace lt
