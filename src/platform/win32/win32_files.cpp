#include "platform/win32/win32_files.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "platform/replacement_file.h"
#include "platform/win32/utf.h"

namespace lt::win32 {

namespace {

FileError fromWin32(DWORD error)
{
    switch (error) {
    case ERROR_SUCCESS:
        return FileError::None;
    case ERROR_FILE_NOT_FOUND:
        return FileError::FileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_PATHNAME:
        return FileError::PathNotFound;
    case ERROR_NOT_READY:
        return FileError::DiskNotReady;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return FileError::DiskFull;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return FileError::PermissionDenied;
    default:
        return FileError::PathFileAccess;
    }
}

bool readOnlyFile(const std::wstring& path)
{
    const DWORD a = GetFileAttributesW(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_READONLY) && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

// Moves the open file `h` over `target`. Another program (a virus scanner, a
// backup, an editor) may hold the old file open for a moment, so a refused
// move is tried again for a second.
bool moveOver(HANDLE h, const std::wstring& target)
{
    std::vector<char> buffer(sizeof(FILE_RENAME_INFO) + target.size() * sizeof(wchar_t));
    auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    rename->ReplaceIfExists = TRUE;
    rename->RootDirectory = nullptr;
    rename->FileNameLength = static_cast<DWORD>(target.size() * sizeof(wchar_t));
    std::copy(target.begin(), target.end(), rename->FileName);
    constexpr int Attempts = 20, PauseMs = 50;
    for (int attempt = 1;; ++attempt) {
        if (SetFileInformationByHandle(h, FileRenameInfo, rename, static_cast<DWORD>(buffer.size())))
            return true;
        const DWORD error = GetLastError();
        if (attempt == Attempts || (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED))
            return false;
        Sleep(PauseMs);
    }
}

bool isDirectory(const std::wstring& path)
{
    const DWORD a = GetFileAttributesW(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

// Drives without a disk answer with a message box of their own unless told not to.
struct QuietErrors {
    UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    ~QuietErrors() { SetErrorMode(previous); }
};

FileError writeAll(HANDLE h, const std::string& content)
{
    std::size_t done = 0;
    while (done < content.size()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(content.size() - done, 1 << 20));
        if (!WriteFile(h, content.data() + done, chunk, &written, nullptr))
            return fromWin32(GetLastError());
        done += written;
    }
    return FlushFileBuffers(h) ? FileError::None : fromWin32(GetLastError());
}

std::wstring directoryOf(const std::wstring& path)
{
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? L"." : path.substr(0, slash == 2 ? 3 : slash);
}

std::wstring nameOf(const std::wstring& path)
{
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring inDirectory(const std::wstring& dir, const std::wstring& name)
{
    return dir.back() == L'\\' ? dir + name : dir + L"\\" + name;
}

// The replacement's file, new and open for this program alone until it has
// been moved over the target: no one else can delete it in between, nor
// mistake it for a leftover. Its number counts on from a clock reading.
HANDLE createReplacement(const std::wstring& target, DWORD& error)
{
    const std::wstring dir = directoryOf(target);
    const std::string name = narrow(nameOf(target));
    const std::uint32_t first = GetTickCount() ^ (GetCurrentProcessId() << 16);
    for (std::uint32_t n = 0; n < 100; ++n) {
        const std::wstring path = inDirectory(dir, widen(replacementName(name, first + n)));
        HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                               nullptr);
        error = GetLastError();
        if (h != INVALID_HANDLE_VALUE || (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS))
            return h;
    }
    return INVALID_HANDLE_VALUE;
}

// Deletes a file through a handle open for deleting; it goes when the handle is closed.
void deleteOnClose(HANDLE h)
{
    FILE_DISPOSITION_INFO disposition{TRUE};
    SetFileInformationByHandle(h, FileDispositionInfo, &disposition, sizeof disposition);
}

} // namespace

std::optional<std::uint32_t> Win32Files::attributes(const std::string& path)
{
    QuietErrors quiet;
    const DWORD a = GetFileAttributesW(widen(path).c_str());
    if (a == INVALID_FILE_ATTRIBUTES)
        return std::nullopt;
    return a;
}

bool Win32Files::findEntry(const std::string& pattern)
{
    QuietErrors quiet;
    std::wstring p = widen(pattern);
    if (!p.empty() && (p.back() == L'\\' || p.back() == L'/'))
        p += L'*';
    WIN32_FIND_DATAW data;
    HANDLE h = FindFirstFileW(p.c_str(), &data);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    FindClose(h);
    return true;
}

std::optional<std::int64_t> Win32Files::fileLength(const std::string& path)
{
    QuietErrors quiet;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(widen(path).c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return std::nullopt;
    return (static_cast<std::int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

FileError Win32Files::createEmpty(const std::string& path)
{
    QuietErrors quiet;
    const std::wstring p = widen(path);
    if (readOnlyFile(p))
        return FileError::PathFileAccess;
    HANDLE h = CreateFileW(p.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return fromWin32(GetLastError());
    CloseHandle(h);
    return FileError::None;
}

FileError Win32Files::remove(const std::string& path)
{
    QuietErrors quiet;
    const std::wstring p = widen(path);
    if (readOnlyFile(p))
        return FileError::PathFileAccess;
    return DeleteFileW(p.c_str()) ? FileError::None : fromWin32(GetLastError());
}

FileError Win32Files::copy(const std::string& from, const std::string& to)
{
    QuietErrors quiet;
    const std::wstring target = widen(to);
    if (readOnlyFile(target))
        return FileError::PathFileAccess;
    return CopyFileW(widen(from).c_str(), target.c_str(), FALSE) ? FileError::None : fromWin32(GetLastError());
}

int Win32Files::removeMatching(const std::string& directory, const std::string& pattern)
{
    QuietErrors quiet;
    const std::wstring dir = widen(directory);
    WIN32_FIND_DATAW data;
    HANDLE h = FindFirstFileW((dir + L"\\" + widen(pattern)).c_str(), &data);
    if (h == INVALID_HANDLE_VALUE)
        return 0;
    std::vector<std::wstring> names;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.emplace_back(data.cFileName);
    } while (FindNextFileW(h, &data));
    FindClose(h);
    int removed = 0;
    for (const std::wstring& name : names)
        if (remove(narrow(dir + L"\\" + name)) == FileError::None)
            ++removed;
    return removed;
}

std::optional<std::string> Win32Files::readPrefix(const std::string& path, std::size_t limit)
{
    QuietErrors quiet;
    HANDLE h = CreateFileW(widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::string content(limit, '\0');
    DWORD read = 0;
    const bool ok = ReadFile(h, content.data(), static_cast<DWORD>(limit), &read, nullptr);
    CloseHandle(h);
    if (!ok)
        return std::nullopt;
    content.resize(read);
    return content;
}

FileError Win32Files::replaceContent(const std::string& path, const std::string& content)
{
    QuietErrors quiet;
    removeLeftovers(path);
    const std::wstring target = widen(path);
    if (readOnlyFile(target) || isDirectory(target))
        return FileError::PathFileAccess;
    if (!isDirectory(directoryOf(target)))
        return FileError::PathNotFound;
    DWORD error = ERROR_SUCCESS;
    HANDLE h = createReplacement(target, error);
    if (h == INVALID_HANDLE_VALUE)
        return fromWin32(error);
    FileError result = writeAll(h, content);
    if (result == FileError::None && !moveOver(h, target))
        result = fromWin32(GetLastError());
    if (result != FileError::None)
        deleteOnClose(h);
    CloseHandle(h);
    return result;
}

void Win32Files::removeLeftovers(const std::string& path)
{
    QuietErrors quiet;
    const std::wstring target = widen(path), dir = directoryOf(target);
    const std::string name = narrow(nameOf(target));
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(inDirectory(dir, nameOf(target) + L".*.tmp").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return;
    std::vector<std::wstring> leftovers;
    do {
        if (!(data.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) &&
            isReplacementOf(name, narrow(data.cFileName)))
            leftovers.push_back(inDirectory(dir, data.cFileName));
    } while (FindNextFileW(find, &data));
    FindClose(find);
    // One that another program still writes is open without sharing and stays.
    for (const std::wstring& leftover : leftovers)
        DeleteFileW(leftover.c_str());
}

bool Win32Files::setCurrentDirectory(const std::string& path)
{
    QuietErrors quiet;
    return SetCurrentDirectoryW(widen(path).c_str()) != 0;
}

} // namespace lt::win32
