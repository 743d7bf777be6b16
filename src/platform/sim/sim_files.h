// An in-memory file system with Windows path rules: drive letters, names
// that ignore case, read-only attributes, files in use, drives without a
// disk, folders that refuse new files and a disk that is full.
#pragma once

#include <map>
#include <set>
#include <vector>

#include "platform/files.h"

namespace lt::sim {

class SimFiles : public Files {
public:
    SimFiles();

    // Setting up the machine.
    void addDrive(char letter, bool ready = true);
    void makeDirectory(const std::string& path, std::uint32_t attributes = attr::Directory);
    void writeFile(const std::string& path, const std::string& content, std::uint32_t attributes = attr::Archive);
    void setAttributes(const std::string& path, std::uint32_t attributes);
    // The file is open elsewhere without sharing: it cannot be read, written or deleted.
    void setInUse(const std::string& path, bool inUse);
    // New files in the folder are refused, as an access-control list does.
    void denyNewFiles(const std::string& directory);
    void setDiskFull(char drive, bool full);
    void setCurrentDirectoryForTest(const std::string& path) { cwd_ = absolute(path); }

    // Looking at it.
    bool exists(const std::string& path) const;
    std::optional<std::string> content(const std::string& path) const;
    std::vector<std::string> list(const std::string& directory) const; // names, as created
    const std::string& currentDirectory() const { return cwd_; }

    // Files
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

private:
    struct Node {
        std::string name;
        bool directory = false;
        std::uint32_t attributes = 0;
        std::string content;
        bool inUse = false;
        bool deniesNewFiles = false;
    };

    // Absolute, normalised form "C:\DIR\NAME" in the case given; the key is its upper case.
    std::string absolute(const std::string& path) const;
    static std::string key(const std::string& absolutePath);
    static std::string parentOf(const std::string& absolutePath);
    static std::string leafOf(const std::string& absolutePath);
    const Node* node(const std::string& path) const;
    Node* node(const std::string& path);
    // Why a file could not be written at this place, or None.
    FileError writeError(const std::string& absolutePath, std::size_t bytes) const;

    std::map<std::string, Node> nodes_;
    std::set<char> unreadyDrives_;
    std::set<char> fullDrives_;
    std::string cwd_ = "C:\\";
};

} // namespace lt::sim
