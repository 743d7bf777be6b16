// The running tutorial: its global state, the platform it runs on, its
// string table and its forms. Every window and shared routine works on one.
#pragma once

#include <set>
#include <string>

#include "app/globals.h"
#include "forms/forms_runtime.h"
#include "platform/desktop.h"
#include "platform/files.h"
#include "platform/string_table.h"

namespace lt {

// Numbers of the texts that code refers to by meaning.
namespace txt {
inline constexpr int Quits = 20, AppTitle = 22, StepsWindowTitle = 47, MenuTitle = 63, PressF1 = 79;
}

// The topics of the tutorial's help file, by the window they help with.
namespace help_topic {
inline constexpr unsigned long Contents = 1000, Intro = 1001, LessonMenu = 1002, Lesson = 1003, Exercises = 1004;
}

// The tutorial's own texts, loaded by number. A missing number is remembered
// so tests can fail on it; the screen then shows nothing rather than a guess.
class Texts {
public:
    explicit Texts(const StringTable& table) : table_(table) {}
    std::string operator()(int id) const;
    // A text in which "%1" stands for a number.
    std::string operator()(int id, int number) const;
    const std::set<int>& missing() const { return missing_; }

private:
    const StringTable& table_;
    mutable std::set<int> missing_;
};

class Tutorial {
public:
    Tutorial(Desktop& desktop, Files& files, const StringTable& strings, forms::UiBinding& ui)
        : desktop(desktop), files(files), text(strings), forms(ui),
          host{desktop, files, forms, g, text(txt::StepsWindowTitle)}
    {
    }
    Tutorial(const Tutorial&) = delete;
    Tutorial& operator=(const Tutorial&) = delete;

    Globals g;
    Desktop& desktop;
    Files& files;
    Texts text;
    forms::FormsRuntime forms;
    // What the host operations (host/) work with.
    HostLink host;

    // The program's title, the title of every message box.
    std::string title() const { return text(txt::AppTitle); }
    int message(const std::string& body, int style) { return desktop.messageBox(body, title(), style); }
    // The program's own directory, App.Path.
    std::string appPath() { return desktop.programDirectory(); }
    // The tutorial's help file, beside the program, opened at a topic for one
    // of the tutorial's windows, and told when that window needs it no more.
    std::string helpFile() { return appPath() + "\\TRZTUTOR.HLP"; }
    void showHelp(WindowHandle owner, unsigned long topic) { desktop.winHelp(owner, helpFile(), help::Context, topic); }
    void closeHelp(WindowHandle owner) { desktop.winHelp(owner, helpFile(), help::Quit, 0); }
    [[noreturn]] void end() { forms.end(); }
};

// Paths are formed as directory + "\" + file name.
inline std::string joinPath(const std::string& dir, const std::string& name) { return dir + "\\" + name; }

} // namespace lt
