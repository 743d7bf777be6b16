// A simulated Trazel: starting "..\TRZFRAME.EXE" from the tutorial's
// directory opens the session frame; Alt+F, N typed into the frame opens the
// design window, or the host's error box when its design program is missing.
#pragma once

#include "host/send_keys.h"
#include "stroke_text.h"
#include "machine.h"

namespace lt::test {

struct SimHost {
    explicit SimHost(Machine& machine) : m(machine)
    {
        m.desktop.onExec = [this](const sim::Exec& e) {
            if (e.commandLine != "..\\TRZFRAME.EXE" || m.files.currentDirectory() != TutorDir || !installed)
                return 2;
            frame = m.desktop.openWindow("QaTrazelFrame", "Trazel Session", true, "host");
            m.desktop.setForeground(frame);
            return 33;
        };
        m.desktop.onKeys = [this](const sim::SentKeys& k) {
            if (k.targetClass != "QaTrazelFrame")
                return;
            for (std::size_t i = 0; i + 1 < k.keys.size(); ++i)
                if (k.keys[i].ch == 'f' && k.keys[i + 1].ch == 'n' && (k.keys[i + 1].modifiers & mod::Alt))
                    openDesignWindow();
        };
    }

    // A program's new window comes up in front, active.
    void openDesignWindow()
    {
        if (designProgram)
            m.desktop.setForeground(design = m.desktop.openWindow("MaxFrame", "Trazel", true, "host"));
        else
            m.desktop.setForeground(errorBox = m.desktop.openWindow("#32770", errorBoxTitle, true, "host"));
    }

    // Both windows already running.
    void running()
    {
        frame = m.desktop.openWindow("QaTrazelFrame", "Trazel Session", true, "host");
        design = m.desktop.openWindow("MaxFrame", "Trazel - TUTORBD2.MAX", true, "host");
    }

    std::vector<std::string> keysAt(const std::string& cls) const
    {
        std::vector<std::string> out;
        for (const sim::SentKeys& s : m.desktop.sentKeys())
            if (s.targetClass == cls)
                for (const Keystroke& k : s.keys)
                    out.push_back(describe(k));
        return out;
    }

    Machine& m;
    bool installed = true;     // TRZFRAME.EXE is in the host's directory
    bool designProgram = true; // TRAZEL.EXE is there too
    std::string errorBoxTitle = "Quarn Trazel";
    WindowHandle frame = 0, design = 0, errorBox = 0;
};

} // namespace lt::test
