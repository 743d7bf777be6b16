#include "process_counts.h"

#include <psapi.h>
#include <winternl.h>

#include <vector>

namespace bench {

namespace {

// The GDI handle table as Wine lays it out (and Windows before it): 65536
// entries of 24 bytes; byte 12 holds the stock-object flag in its top bit,
// byte 14 the object type, 0 for a free entry.
constexpr std::size_t TableEntries = 0x10000, EntrySize = 24, StockByte = 12, TypeByte = 14;
// Where the process environment block of a 64-bit process points to it.
constexpr std::size_t PebGdiTable = 0xF8;

long countEntries(const std::vector<unsigned char>& table)
{
    long n = 0;
    for (std::size_t i = 0; i < TableEntries; ++i) {
        const unsigned char* e = table.data() + i * EntrySize;
        if (e[TypeByte] != 0 && !(e[StockByte] & 0x80))
            ++n;
    }
    return n;
}

long gdiFromTable(HANDLE process)
{
    PROCESS_BASIC_INFORMATION info{};
    ULONG length = 0;
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &info, sizeof info, &length) != 0 ||
        !info.PebBaseAddress)
        return -1;
    void* table = nullptr;
    SIZE_T got = 0;
    if (!ReadProcessMemory(process, reinterpret_cast<const char*>(info.PebBaseAddress) + PebGdiTable, &table,
                           sizeof table, &got) ||
        !table)
        return -1;
    std::vector<unsigned char> entries(TableEntries * EntrySize);
    if (!ReadProcessMemory(process, table, entries.data(), entries.size(), &got) || got != entries.size())
        return -1;
    return countEntries(entries);
}

struct WindowCount {
    DWORD pid;
    long n;
};

BOOL CALLBACK countChild(HWND, LPARAM count)
{
    ++reinterpret_cast<WindowCount*>(count)->n;
    return TRUE;
}

BOOL CALLBACK countTopLevel(HWND w, LPARAM count)
{
    auto* c = reinterpret_cast<WindowCount*>(count);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid == c->pid) {
        ++c->n;
        EnumChildWindows(w, countChild, count);
    }
    return TRUE;
}

long windowsOf(DWORD pid)
{
    WindowCount count{pid, 0};
    EnumWindows(countTopLevel, reinterpret_cast<LPARAM>(&count));
    for (HWND w = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); w;
         w = FindWindowExW(HWND_MESSAGE, w, nullptr, nullptr))
        countTopLevel(w, reinterpret_cast<LPARAM>(&count));
    return count.n;
}

} // namespace

CountsReader::CountsReader()
{
    // Each way is believed only once it has seen objects made here.
    HANDLE self = GetCurrentProcess();
    std::vector<HBRUSH> made;
    const DWORD before = GetGuiResources(self, GR_GDIOBJECTS);
    const long tableBefore = gdiFromTable(self);
    for (COLORREF c = 1; c <= 8; ++c)
        made.push_back(CreateSolidBrush(c));
    guiResources_ = GetGuiResources(self, GR_GDIOBJECTS) == before + made.size();
    handleTable_ = tableBefore >= 0 && gdiFromTable(self) == tableBefore + static_cast<long>(made.size());
    for (HBRUSH b : made)
        DeleteObject(b);
}

Counts CountsReader::read(HANDLE process, DWORD pid) const
{
    Counts c;
    PROCESS_MEMORY_COUNTERS m{};
    m.cb = sizeof m;
    if (GetProcessMemoryInfo(process, &m, sizeof m)) {
        c.workingSetMb = static_cast<double>(m.WorkingSetSize) / (1024.0 * 1024.0);
        c.peakWorkingSetMb = static_cast<double>(m.PeakWorkingSetSize) / (1024.0 * 1024.0);
    }
    if (guiResources_) {
        c.gdi = static_cast<long>(GetGuiResources(process, GR_GDIOBJECTS));
        c.user = static_cast<long>(GetGuiResources(process, GR_USEROBJECTS));
    } else {
        c.gdi = handleTable_ ? gdiFromTable(process) : -1;
        c.user = windowsOf(pid);
    }
    return c;
}

std::string CountsReader::gdiSource() const
{
    if (guiResources_)
        return "GetGuiResources";
    return handleTable_ ? "GDI handle table (GetGuiResources is not implemented here)" : "not countable here";
}

std::string CountsReader::userSource() const
{
    return guiResources_ ? "GetGuiResources" : "windows of the process (GetGuiResources is not implemented here)";
}

} // namespace bench
