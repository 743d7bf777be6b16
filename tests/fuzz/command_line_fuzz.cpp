// The command line: the working directory option reads the same whatever
// blanks stand around the line and whichever way the option is written; the
// directory it names, given again with a trailing backslash, reads back; and
// the keys that later open the tutorial library there type it as it stands.
#include <algorithm>
#include <string>

#include "app/command_line.h"
#include "exercises/library_keys.h"
#include "fuzz_check.h"
#include "host/send_keys.h"
#include "platform/win_path.h"

namespace {

// The characters typed in one run, without modifiers, right before the
// first Enter of the keys; none when the keys are refused or have no Enter.
std::optional<std::string> typedBeforeEnter(const std::string& keys)
{
    const auto strokes = lt::parseSendKeys(keys);
    if (!strokes)
        return std::nullopt;
    std::string run;
    for (const lt::Keystroke& k : *strokes) {
        if (k.vk == lt::vk::Return && k.modifiers == 0)
            return run;
        if (k.vk == 0 && k.modifiers == 0)
            run += fuzz::utf8(k.ch);
        else
            run.clear();
    }
    return std::nullopt;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string line(fuzz::text(data, size));
    const std::optional<std::string> dir = lt::workDirOption(line);
    fuzz::require(lt::workDirOption("  " + line + " ") == dir, "blanks around the line change nothing");

    const std::size_t first = line.find_first_not_of(' ');
    const bool option = first != std::string::npos && first + 1 < line.size() &&
                        (line[first] == '-' || line[first] == '/') && (line[first + 1] == 'i' || line[first + 1] == 'I');
    for (const char* spelling : {"-i", "/i", "-I", "/I"}) {
        if (!option)
            break;
        std::string other = line;
        other.replace(first, 2, spelling);
        fuzz::require(lt::workDirOption(other) == dir, "-i, /i, -I and /I are one option");
    }
    if (!dir)
        return 0;

    fuzz::require(!dir->empty() && dir->front() != ' ', "a directory is named, without a blank before it");
    fuzz::require(lt::workDirOption("-i " + *dir + "\\") == dir, "the directory named again reads back");

    // The working directory as start-up keeps it (UTF-8 from the system),
    // typed into Trazel's Open dialog; a fourth tilde is typed as Enter, as
    // the keys have it.
    const std::string workDir = lt::upperCase(*dir);
    if (fuzz::isUtf8(workDir) && std::count(workDir.begin(), workDir.end(), '~') <= 3) {
        const auto typed = typedBeforeEnter(lt::libraryOpenKeys(workDir));
        fuzz::require(typed && typed->ends_with(workDir + "\\TUTOR.LLB"), "the library's path is typed as it stands");
    }
    return 0;
}
