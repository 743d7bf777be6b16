// The exercise scripts: for each lesson with exercises, what every press of
// the steps window's Exercise button shows and does to Trazel. Step 0 shows
// the set-up page, step 1 opens the tutorial design; the later steps are the
// lesson's own table.
#pragma once

#include <string>
#include <vector>

#include "app/tutorial.h"

namespace lt {

class StepsWindow;

// One thing a step does, in the order the step lists them.
struct ScriptOp {
    enum class Kind {
        Host,        // ActivateHost
        Send,        // type `keys` into the foreground window and wait
        Page,        // the exercise page of texts first..last, regular weight
        SecondSetup, // a further set-up page of texts first..last, bold
        PleaseWait,  // the "Please wait" page, bold
        End,         // the end of the exercises
    };
    Kind kind;
    const char* keys = nullptr;
    int first = 0, last = 0;
};

struct ExerciseScript {
    int lesson;
    const char* designFile; // in the working directory
    int exercises;
    bool hostAfterOpening;                         // step 1 brings Trazel forward once the design opens
    std::vector<std::vector<ScriptOp>> laterSteps; // steps 2, 3, ...

    int stepCount() const { return 2 + static_cast<int>(laterSteps.size()); }
    // The first text of the lesson's block: set-up texts +0 ... +2.
    int textBase() const { return (10 + lesson) * 1000; }
};

// The script of a lesson; null for the lessons without exercises.
const ExerciseScript* exerciseScript(int lesson);
// All scripts, in lesson order.
const std::vector<ExerciseScript>& exerciseScripts();

// A page of the steps window. It begins with an empty line; the three lines
// of a banner follow one another, every other line stands after a blank line.
class PageText {
public:
    PageText(const Texts& text, const std::string& crlf, const std::string& crlf2)
        : text_(text), crlf_(crlf), crlf2_(crlf2)
    {
    }
    // Three texts in a row: a rule, a title, a rule.
    PageText& banner(int firstText);
    PageText& banner(const std::string& above, const std::string& title, const std::string& below);
    PageText& line(const std::string& s);
    PageText& lines(int firstText, int lastText);
    const std::string& str() const { return page_; }

private:
    void add(const std::string& separator, const std::string& s);

    const Texts& text_;
    const std::string& crlf_;
    const std::string& crlf2_;
    std::string page_;
};

// The Exercise button's press: runs step Step_No of Cur_Lesson's script and
// counts the step; a step past the end does nothing.
void RunExerciseScript(Tutorial& t, StepsWindow& steps);

} // namespace lt
