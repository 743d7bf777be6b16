// What the host operations work with: the desktop and the files, the form
// runtime (to let pending events run), the title the steps window is found
// by, and the globals they keep. The tutorial hands over its own.
#pragma once

#include <cstdint>
#include <string>

#include "forms/forms_runtime.h"
#include "platform/desktop.h"
#include "platform/files.h"

namespace lt {

// The globals of the host operations, part of the tutorial's globals.
struct HostGlobals {
    // The result of the last start of Trazel: 0 to 31 errors (2 not found),
    // 32 and above started; 0 when no start was needed or tried.
    std::int16_t Launch_Code = 0;
    bool Host_Opened = false;
    // The first copy's window that a second copy brings forward.
    WindowHandle Found_Wnd = 0;
};

struct HostLink {
    Desktop& desktop;
    Files& files;
    forms::FormsRuntime& forms;
    HostGlobals& g;
    std::string stepsWindowTitle;
};

} // namespace lt
