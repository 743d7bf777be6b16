// The real file system, with the error numbers the tutorial tells apart.
// Read-only files are refused for writing and deleting as Windows does, also
// where the host system would let the user write them.
#pragma once

#include "platform/files.h"

namespace lt::win32 {

class Win32Files : public Files {
public:
    std::optional<std::uint32_t> attributes(const std::string& path) override;
    bool findEntry(const std::string& pattern) override;
    std::optional<std::int64_t> fileLength(const std::string& path) override;
    FileError createEmpty(const std::string& path) override;
    FileError remove(const std::string& path) override;
    FileError copy(const std::string& from, const std::string& to) override;
    int removeMatching(const std::string& directory, const std::string& pattern) override;
    std::optional<std::string> readPrefix(const std::string& path, std::size_t limit) override;
    FileError replaceContent(const std::string& path, const std::string& content) override;
    void removeLeftovers(const std::string& path) override;
    bool setCurrentDirectory(const std::string& path) override;
};

} // namespace lt::win32
