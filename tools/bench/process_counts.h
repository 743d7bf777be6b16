// What another process holds: its working set and its GDI and USER objects.
#pragma once

#include <windows.h>

#include <string>

namespace bench {

struct Counts {
    double workingSetMb = 0, peakWorkingSetMb = 0;
    long gdi = -1, user = -1; // -1: could not be counted
};

// GetGuiResources where the system implements it. Wine 8 does not (it
// returns 0 and ERROR_CALL_NOT_IMPLEMENTED); there the GDI objects are
// counted in the process's GDI handle table, which Wine publishes in the
// process environment block as Windows does, and the USER objects are the
// windows the process owns, hidden ones included.
class CountsReader {
public:
    CountsReader();
    Counts read(HANDLE process, DWORD pid) const;
    // How the GDI and USER figures were obtained, for the table.
    std::string gdiSource() const;
    std::string userSource() const;

private:
    bool guiResources_ = false;
    bool handleTable_ = false;
};

} // namespace bench
