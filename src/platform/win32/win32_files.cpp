#include "platform/win32/win32_files.h"

#include <windows.h>

#include <algorithm>
#include <vector>

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

// Another program (a virus scanner, a backup, an editor) may hold the old
// file open for a moment, so a refused replace is tried again for a second.
bool replaceWith(const std::wstring& source, const std::wstring& target)
{
    constexpr int Attempts = 20, PauseMs = 50;
    for (int attempt = 1;; ++attempt) {
        if (MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
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
    const std::wstring target = widen(path);
    if (readOnlyFile(target) || isDirectory(target))
        return FileError::PathFileAccess;
    const std::wstring dir = directoryOf(target);
    if (!isDirectory(dir))
        return FileError::PathNotFound;
    wchar_t temp[MAX_PATH + 1];
    if (!GetTempFileNameW(dir.c_str(), L"lrn", 0, temp))
        return fromWin32(GetLastError());
    HANDLE h = CreateFileW(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        DeleteFileW(temp);
        return fromWin32(error);
    }
    FileError result = writeAll(h, content);
    CloseHandle(h);
    if (result == FileError::None && !replaceWith(temp, target))
        result = fromWin32(GetLastError());
    if (result != FileError::None)
        DeleteFileW(temp);
    return result;
}

bool Win32Files::setCurrentDirectory(const std::string& path)
{
    QuietErrors quiet;
    return SetCurrentDirectoryW(widen(path).c_str()) != 0;
}

} // namespace lt::win32
