#include "host/host_windows.h"
#include "host/send_keys.h"

namespace lt {

KeysOutcome SendKeys(HostLink& h, const std::string& keys)
{
    // The design window is where the exercises are done; the session frame
    // takes the keys that open one.
    static const std::vector<std::string> TrazelWindows = {DesignWindowClass, SessionFrameClass};
    const auto strokes = parseSendKeys(keys);
    if (!strokes)
        return KeysOutcome::NotInFront;
    return h.desktop.sendKeys(*strokes, TrazelWindows);
}

} // namespace lt
