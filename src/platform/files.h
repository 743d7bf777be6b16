// The file system as the tutorial sees it: Windows paths (UTF-8), attributes,
// copies, wild-card deletes and whole-file text, with the error numbers that
// the tutorial tells apart.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace lt {

enum class FileError : int {
    None = 0,
    FileNotFound = 53,
    DiskFull = 61,
    PermissionDenied = 70,
    DiskNotReady = 71,
    PathFileAccess = 75,
    PathNotFound = 76,
};

namespace attr {
inline constexpr std::uint32_t ReadOnly = 0x1, Hidden = 0x2, System = 0x4, Directory = 0x10, Archive = 0x20;
} // namespace attr

class Files {
public:
    virtual ~Files() = default;

    // Attributes of a file or directory; none when it cannot be found or read.
    virtual std::optional<std::uint32_t> attributes(const std::string& path) = 0;
    // A directory-entry lookup that includes directories: true when the pattern
    // names an entry. A pattern ending in a backslash looks inside the directory.
    virtual bool findEntry(const std::string& pattern) = 0;
    // Length of an existing file; none when it does not exist or cannot be read.
    virtual std::optional<std::int64_t> fileLength(const std::string& path) = 0;

    // Creates (or truncates) a file and closes it again.
    virtual FileError createEmpty(const std::string& path) = 0;
    virtual FileError remove(const std::string& path) = 0;
    // Copies a file, replacing the target.
    virtual FileError copy(const std::string& from, const std::string& to) = 0;
    // Deletes every file in `directory` that matches the wild-card `pattern`;
    // files that cannot be deleted are left. Returns the number deleted.
    virtual int removeMatching(const std::string& directory, const std::string& pattern) = 0;

    // Reads at most `limit` bytes from the start of a file.
    virtual std::optional<std::string> readPrefix(const std::string& path, std::size_t limit) = 0;
    // Replaces a file's content as a whole: written beside it and then moved
    // over it, so a failure leaves the old file as it was. A read-only file is
    // refused. What earlier replaces of the file left behind goes first.
    virtual FileError replaceContent(const std::string& path, const std::string& content) = 0;
    // Deletes what replaces of `path` that were cut short (the program ended
    // in the middle) left beside it, and nothing else: a replacement another
    // program is still writing stays, as do read-only files.
    virtual void removeLeftovers(const std::string& path) = 0;

    virtual bool setCurrentDirectory(const std::string& path) = 0;
};

} // namespace lt
