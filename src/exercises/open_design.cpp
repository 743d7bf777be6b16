#include "exercises/open_design.h"

#include <string_view>
#include <vector>

#include "host/host_windows.h"
#include "menu/sel_menu.h"

namespace lt {

namespace {

constexpr int DesignMissing = 802;
constexpr std::size_t MaxTildes = 3;

// Characters of a path that the send-keys notation would read as commands;
// each is typed as itself.
std::string literal(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (std::string_view("+^%(){}[]").find(c) != std::string_view::npos)
            out += std::string("{") + c + "}";
        else
            out += c;
    }
    return out;
}

// The directory cut at its first three tildes; a fourth stays in the last part.
std::vector<std::string> splitAtTildes(const std::string& dir)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (parts.size() < MaxTildes) {
        const std::size_t tilde = dir.find('~', start);
        if (tilde == std::string::npos)
            break;
        parts.push_back(dir.substr(start, tilde - start));
        start = tilde + 1;
    }
    parts.push_back(dir.substr(start));
    return parts;
}

} // namespace

std::string libraryOpenKeys(const std::string& workDir)
{
    if (workDir.find('~') == std::string::npos)
        return "%(f)on{BKSP}" + literal(workDir) + "\\TUTOR.LLB{Enter}";
    std::string keys = "%(f)o{ }";
    const std::vector<std::string> parts = splitAtTildes(workDir);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            keys += "{~}";
        keys += literal(parts[i]);
    }
    return keys + "\\TUTOR.LLB{Enter}{ESC}";
}

std::optional<KeysOutcome> OpenTutorialDesign(Tutorial& t)
{
    Desktop& d = t.desktop;
    const std::string path = joinPath(t.g.Work_Dir, t.g.Design_File);
    const auto found = t.files.attributes(path);
    if (!found || (*found & attr::Directory)) {
        if (forms::Form* steps = t.forms.find("Steps"))
            d.showWindow(steps->handle(), ShowCommand::ShowMinimized);
        t.message(path + t.g.CRLF2 + t.text(DesignMissing), mb::Ok | mb::IconExclamation);
        ShowLessonMenu(t);
        return std::nullopt;
    }
    d.setForeground(d.findTutorialWindow(t.text(StepsWindowTitle)));
    if (const WindowHandle design = d.findWindow(DesignWindowClass, ""))
        d.setForeground(design);
    KeysOutcome library;
    if (t.g.Work_Dir.find('~') == std::string::npos) {
        ActivateHost(t);
        library = SendKeys(t, libraryOpenKeys(t.g.Work_Dir));
    } else {
        library = SendKeys(t, libraryOpenKeys(t.g.Work_Dir));
        t.forms.doEvents();
    }
    if (library != KeysOutcome::Handled)
        return library;
    return SendKeys(t, "%(f)o" + t.g.Design_File + "{Enter}");
}

} // namespace lt
