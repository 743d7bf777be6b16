// Ends a program in the middle of saving progress, again and again, and
// checks after every kill that TRAZEL.LRN holds exactly the old or the new
// content, and that what the cut-short saves leave behind does not pile up.
//   kill-save.exe DIRECTORY KILLS
// starts itself as the saver (kill-save.exe --save DIRECTORY), which saves
// through the program's own Win32 files in a loop, and kills it with
// TerminateProcess at a random moment, KILLS times. Prints
//   KILLS kills: KILLS old-or-new, 0 damaged
// and exits non-zero when a kill left anything else.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "menu/progress.h"
#include "platform/replacement_file.h"
#include "platform/win32/utf.h"
#include "platform/win32/win32_files.h"

namespace {

using lt::win32::narrow;
using lt::win32::widen;

// What the saver and the killer share: the number of the save the saver is
// in (started) and of the last one that returned (done).
struct Progress {
    volatile LONG started;
    volatile LONG done;
};

// The content of save number n: fifteen marks whose lines differ in length
// from one save to the next, so a file cut short or mixed shows.
std::string content(LONG n)
{
    lt::Marks marks{};
    std::uint32_t x = static_cast<std::uint32_t>(n) * 2654435761u + 1;
    for (int lesson = 1; lesson <= lt::LessonCount; ++lesson) {
        x = x * 1103515245u + 12345u;
        marks[lesson] = static_cast<std::int16_t>((x >> 8) % (1u << (1 + (n + lesson) % 16)));
    }
    return lt::formatProgress(marks);
}

std::string readFile(const std::wstring& path, bool& exists)
{
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    exists = h != INVALID_HANDLE_VALUE;
    std::string text;
    char buffer[4096];
    DWORD read = 0;
    while (exists && ReadFile(h, buffer, sizeof buffer, &read, nullptr) && read > 0)
        text.append(buffer, read);
    if (exists)
        CloseHandle(h);
    return text;
}

void writeFile(const std::wstring& path, const std::string& text)
{
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(h);
}

// The files in the directory that cut-short saves of TRAZEL.LRN left.
int leftovers(const std::wstring& dir)
{
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((dir + L"\\*").c_str(), &data);
    int count = 0;
    if (find == INVALID_HANDLE_VALUE)
        return 0;
    do {
        if (lt::isReplacementOf(lt::ProgressFileName, narrow(data.cFileName)))
            ++count;
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return count;
}

Progress* shared(const std::wstring& name, bool create)
{
    HANDLE mapping = create ? CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(Progress),
                                                 name.c_str())
                            : OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, name.c_str());
    return mapping ? static_cast<Progress*>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(Progress)))
                   : nullptr;
}

std::wstring mappingName(DWORD killer) { return L"Local\\LearningTrazel.KillSave." + std::to_wstring(killer); }

// The saver: saves 1, 2, 3, ... after the last one done, until it is killed.
int save(const std::wstring& dir, DWORD killer)
{
    Progress* p = shared(mappingName(killer), false);
    if (!p)
        return 2;
    lt::win32::Win32Files files;
    const std::string path = narrow(dir) + "\\" + lt::ProgressFileName;
    for (LONG n = p->done + 1;; ++n) {
        InterlockedExchange(&p->started, n);
        if (files.replaceContent(path, content(n)) != lt::FileError::None)
            return 3;
        InterlockedExchange(&p->done, n);
    }
}

int kill(const std::wstring& dir, int kills)
{
    Progress* p = shared(mappingName(GetCurrentProcessId()), true);
    if (!p)
        return 2;
    const std::wstring file = dir + L"\\" + widen(lt::ProgressFileName);
    writeFile(file, content(0));
    // Files that only look like leftovers, which must survive every save.
    const std::vector<std::wstring> strangers = {L"TRAZEL.LRN.BAK", L"TRAZEL.LRN.NOTOURS.tmp", L"OTHER.LRN.0000BEEF.tmp"};
    for (const std::wstring& name : strangers)
        writeFile(dir + L"\\" + name, "a stranger's file");

    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::mt19937 random(GetTickCount());
    int oldOrNew = 0, damaged = 0, midSave = 0, newFound = 0, withLeftover = 0, mostLeftovers = 0;
    for (int k = 0; k < kills; ++k) {
        const LONG before = p->done;
        std::wstring command = L"\"" + std::wstring(self) + L"\" --save \"" + dir + L"\" " +
                               std::to_wstring(GetCurrentProcessId());
        STARTUPINFOW si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
            return 2;
        // Kill once the saver is under way, at a random moment: up to
        // 30 ms later, to the microsecond.
        while (p->started <= before && WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT)
            Sleep(0);
        Sleep(std::uniform_int_distribution<DWORD>(0, 29)(random));
        LARGE_INTEGER frequency, start, tick;
        QueryPerformanceFrequency(&frequency);
        QueryPerformanceCounter(&start);
        const LONGLONG spin = frequency.QuadPart * std::uniform_int_distribution<int>(0, 999)(random) / 1000000;
        do
            QueryPerformanceCounter(&tick);
        while (tick.QuadPart - start.QuadPart < spin);
        TerminateProcess(pi.hProcess, 9);
        WaitForSingleObject(pi.hProcess, INFINITE);
        DWORD exitCode = 0;
        GetExitCodeProcess(pi.hProcess, &exitCode);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        if (exitCode != 9) {
            std::printf("the saver stopped by itself (exit code %lu)\n", exitCode);
            return 1;
        }

        const LONG started = p->started, done = p->done;
        bool exists = false;
        const std::string now = readFile(file, exists);
        if (started != done)
            ++midSave;
        if (exists && now == content(done)) {
            ++oldOrNew;
        } else if (exists && now == content(started)) {
            ++oldOrNew;
            ++newFound;
            InterlockedExchange(&p->done, started);
        } else {
            ++damaged;
            std::printf("kill %d left %s\n", k + 1, exists ? ("\"" + now + "\"").c_str() : "no file");
        }
        const int left = leftovers(dir);
        withLeftover += left > 0;
        mostLeftovers = std::max(mostLeftovers, left);
    }

    // One more save, to the end, clears what the last kill left.
    lt::win32::Win32Files files;
    const bool saved = files.replaceContent(narrow(file), content(p->done + 1)) == lt::FileError::None;
    const int left = leftovers(dir);
    int strangersKept = 0;
    for (const std::wstring& name : strangers) {
        bool exists = false;
        strangersKept += readFile(dir + L"\\" + name, exists) == "a stranger's file" && exists;
    }

    std::printf("%d kills: %d old-or-new, %d damaged\n", kills, oldOrNew, damaged);
    std::printf("%d in the middle of a save, %d of them after the new content was in place; %d left a temporary "
                "file (at most %d), %d were left after the last save; %d of %zu look-alike files kept\n",
                midSave, newFound, withLeftover, mostLeftovers, left, strangersKept, strangers.size());
    const bool ok = damaged == 0 && oldOrNew == kills && saved && mostLeftovers <= 1 && left == 0 &&
                    strangersKept == static_cast<int>(strangers.size());
    return ok ? 0 : 1;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc == 4 && std::wstring(argv[1]) == L"--save")
        return save(argv[2], static_cast<DWORD>(std::wcstoul(argv[3], nullptr, 10)));
    if (argc == 3)
        return kill(argv[1], static_cast<int>(std::wcstol(argv[2], nullptr, 10)));
    std::fprintf(stderr, "usage: kill-save.exe DIRECTORY KILLS\n");
    return 2;
}
