#include "platform/sim/sim_files.h"

#include <vector>

#include "platform/replacement_file.h"
#include "platform/win_path.h"

namespace lt::sim {

namespace {

char driveOf(const std::string& absolutePath) { return absolutePath.empty() ? 0 : absolutePath[0]; }

bool isRoot(const std::string& absolutePath) { return absolutePath.size() == 3; }

} // namespace

SimFiles::SimFiles() { addDrive('C'); }

void SimFiles::addDrive(char letter, bool ready)
{
    letter = upperCase(std::string(1, letter))[0];
    const std::string root = std::string(1, letter) + ":\\";
    nodes_[root] = Node{root, true, attr::Directory, {}, false, false};
    if (ready)
        unreadyDrives_.erase(letter);
    else
        unreadyDrives_.insert(letter);
}

std::string SimFiles::absolute(const std::string& path) const
{
    std::string p = path;
    for (char& c : p)
        if (c == '/')
            c = '\\';
    if (p.size() >= 2 && p[1] == ':') {
        if (p.size() == 2 || p[2] != '\\')
            p = p.substr(0, 2) + "\\" + p.substr(2);
    } else if (!p.empty() && p[0] == '\\') {
        p = cwd_.substr(0, 2) + p;
    } else {
        p = cwd_ + (cwd_.back() == '\\' ? "" : "\\") + p;
    }
    p[0] = upperCase(std::string(1, p[0]))[0];
    // Resolve the parts after the drive root.
    std::vector<std::string> parts;
    std::size_t i = 3;
    while (i <= p.size()) {
        std::size_t j = p.find('\\', i);
        if (j == std::string::npos)
            j = p.size();
        std::string part = p.substr(i, j - i);
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        i = j + 1;
    }
    std::string out = p.substr(0, 3);
    for (std::size_t k = 0; k < parts.size(); ++k)
        out += (k ? "\\" : "") + parts[k];
    return out;
}

std::string SimFiles::key(const std::string& absolutePath) { return upperCase(absolutePath); }

std::string SimFiles::parentOf(const std::string& absolutePath)
{
    if (isRoot(absolutePath))
        return absolutePath;
    const auto slash = absolutePath.rfind('\\');
    return slash <= 2 ? absolutePath.substr(0, 3) : absolutePath.substr(0, slash);
}

std::string SimFiles::leafOf(const std::string& absolutePath)
{
    return isRoot(absolutePath) ? std::string() : absolutePath.substr(absolutePath.rfind('\\') + 1);
}

const SimFiles::Node* SimFiles::node(const std::string& path) const
{
    const std::string abs = absolute(path);
    if (unreadyDrives_.count(driveOf(abs)))
        return nullptr;
    auto it = nodes_.find(key(abs));
    return it == nodes_.end() ? nullptr : &it->second;
}

SimFiles::Node* SimFiles::node(const std::string& path)
{
    return const_cast<Node*>(static_cast<const SimFiles*>(this)->node(path));
}

void SimFiles::makeDirectory(const std::string& path, std::uint32_t attributes)
{
    const std::string abs = absolute(path);
    if (!isRoot(abs) && !node(parentOf(abs)))
        makeDirectory(parentOf(abs));
    nodes_[key(abs)] = Node{leafOf(abs), true, attributes | attr::Directory, {}, false, false};
}

void SimFiles::writeFile(const std::string& path, const std::string& content, std::uint32_t attributes)
{
    const std::string abs = absolute(path);
    if (!node(parentOf(abs)))
        makeDirectory(parentOf(abs));
    nodes_[key(abs)] = Node{leafOf(abs), false, attributes, content, false, false};
}

void SimFiles::setAttributes(const std::string& path, std::uint32_t attributes)
{
    if (Node* n = node(path))
        n->attributes = attributes | (n->directory ? attr::Directory : 0);
}

void SimFiles::setInUse(const std::string& path, bool inUse)
{
    if (Node* n = node(path))
        n->inUse = inUse;
}

void SimFiles::denyNewFiles(const std::string& directory)
{
    if (Node* n = node(directory))
        n->deniesNewFiles = true;
}

void SimFiles::setDiskFull(char drive, bool full)
{
    drive = upperCase(std::string(1, drive))[0];
    if (full)
        fullDrives_.insert(drive);
    else
        fullDrives_.erase(drive);
}

bool SimFiles::exists(const std::string& path) const { return node(path) != nullptr; }

std::optional<std::string> SimFiles::content(const std::string& path) const
{
    const Node* n = node(path);
    if (!n || n->directory)
        return std::nullopt;
    return n->content;
}

std::vector<std::string> SimFiles::list(const std::string& directory) const
{
    std::vector<std::string> names;
    const std::string dirKey = key(absolute(directory));
    for (const auto& [k, n] : nodes_)
        if (k != dirKey && !isRoot(k) && parentOf(k) == dirKey)
            names.push_back(n.name);
    return names;
}

std::optional<std::uint32_t> SimFiles::attributes(const std::string& path)
{
    const Node* n = node(path);
    if (!n)
        return std::nullopt;
    return n->attributes;
}

bool SimFiles::findEntry(const std::string& pattern)
{
    std::string abs = absolute(pattern);
    // A pattern ending in a backslash (or a bare root) looks inside the directory.
    const bool inside = isRoot(abs) || (!pattern.empty() && (pattern.back() == '\\' || pattern.back() == '/'));
    const std::string dir = inside ? abs : parentOf(abs);
    const std::string leaf = inside ? "*" : leafOf(abs);
    const Node* d = node(dir);
    if (!d || !d->directory)
        return false;
    // Every directory but a root holds its "." and ".." entries.
    if (inside && !isRoot(dir))
        return true;
    for (const std::string& name : list(dir))
        if (wildcardMatch(leaf, name))
            return true;
    return false;
}

std::optional<std::int64_t> SimFiles::fileLength(const std::string& path)
{
    const Node* n = node(path);
    if (!n || n->directory)
        return std::nullopt;
    return static_cast<std::int64_t>(n->content.size());
}

FileError SimFiles::writeError(const std::string& abs, std::size_t bytes) const
{
    if (unreadyDrives_.count(driveOf(abs)))
        return FileError::DiskNotReady;
    const Node* dir = node(parentOf(abs));
    if (!dir || !dir->directory)
        return FileError::PathNotFound;
    if (const Node* existing = node(abs)) {
        if (existing->directory || (existing->attributes & attr::ReadOnly))
            return FileError::PathFileAccess;
        if (existing->inUse)
            return FileError::PermissionDenied;
    } else if (dir->deniesNewFiles) {
        return FileError::PathFileAccess;
    }
    if (bytes > 0 && fullDrives_.count(driveOf(abs)))
        return FileError::DiskFull;
    return FileError::None;
}

FileError SimFiles::createEmpty(const std::string& path)
{
    const std::string abs = absolute(path);
    if (FileError e = writeError(abs, 0); e != FileError::None)
        return e;
    Node& n = nodes_[key(abs)];
    if (n.name.empty())
        n = Node{leafOf(abs), false, attr::Archive, {}, false, false};
    n.content.clear();
    return FileError::None;
}

FileError SimFiles::remove(const std::string& path)
{
    const std::string abs = absolute(path);
    if (unreadyDrives_.count(driveOf(abs)))
        return FileError::DiskNotReady;
    Node* n = node(abs);
    if (!n || n->directory)
        return FileError::FileNotFound;
    if (n->attributes & attr::ReadOnly)
        return FileError::PathFileAccess;
    if (n->inUse)
        return FileError::PermissionDenied;
    nodes_.erase(key(abs));
    return FileError::None;
}

FileError SimFiles::copy(const std::string& from, const std::string& to)
{
    const Node* src = node(from);
    if (!src || src->directory)
        return FileError::FileNotFound;
    if (src->inUse)
        return FileError::PermissionDenied;
    const std::string abs = absolute(to);
    if (FileError e = writeError(abs, src->content.size()); e != FileError::None)
        return e;
    const std::string content = src->content;
    nodes_[key(abs)] = Node{leafOf(abs), false, attr::Archive, content, false, false};
    return FileError::None;
}

int SimFiles::removeMatching(const std::string& directory, const std::string& pattern)
{
    int removed = 0;
    for (const std::string& name : list(directory)) {
        const std::string path = absolute(directory) + "\\" + name;
        const Node* n = node(path);
        if (n && !n->directory && wildcardMatch(pattern, name) && remove(path) == FileError::None)
            ++removed;
    }
    return removed;
}

std::optional<std::string> SimFiles::readPrefix(const std::string& path, std::size_t limit)
{
    const Node* n = node(path);
    if (!n || n->directory || n->inUse)
        return std::nullopt;
    return n->content.substr(0, limit);
}

FileError SimFiles::replaceContent(const std::string& path, const std::string& content)
{
    removeLeftovers(path);
    const std::string abs = absolute(path);
    if (FileError e = writeError(abs, content.size()); e != FileError::None)
        return e;
    Node& n = nodes_[key(abs)];
    if (n.name.empty())
        n = Node{leafOf(abs), false, attr::Archive, {}, false, false};
    n.content = content;
    return FileError::None;
}

void SimFiles::removeLeftovers(const std::string& path)
{
    const std::string abs = absolute(path), dir = parentOf(abs);
    for (const std::string& name : list(dir))
        if (isReplacementOf(leafOf(abs), name))
            remove(dir + "\\" + name);
}

bool SimFiles::setCurrentDirectory(const std::string& path)
{
    const Node* n = node(path);
    if (!n || !n->directory)
        return false;
    cwd_ = absolute(path);
    return true;
}

} // namespace lt::sim
