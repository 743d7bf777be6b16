#include "pictures/renumber.h"

#include <algorithm>
#include <map>

namespace lt::pictures {

namespace {

std::string prefixOf(const std::string& reference)
{
    return reference.substr(0, reference.find_first_of("0123456789"));
}

} // namespace

std::vector<Renaming> renumber(const Board& board, RenumberOrder order, int tolerance)
{
    const bool rows = order == RenumberOrder::Rows;
    const auto across = [&](const Component& c) { return rows ? c.at.x : c.at.y; };
    const auto down = [&](const Component& c) { return rows ? c.at.y : c.at.x; };
    std::vector<const Component*> parts;
    for (const Component& c : board.components)
        parts.push_back(&c);
    std::sort(parts.begin(), parts.end(), [&](const Component* a, const Component* b) { return down(*a) < down(*b); });

    // Lines of components, each in the order of its position along the line.
    std::vector<const Component*> numbered;
    for (std::size_t first = 0; first < parts.size();) {
        std::size_t end = first;
        while (end < parts.size() && down(*parts[end]) - down(*parts[first]) <= tolerance)
            ++end;
        std::vector<const Component*> line(parts.begin() + static_cast<long>(first), parts.begin() + static_cast<long>(end));
        std::stable_sort(line.begin(), line.end(),
                         [&](const Component* a, const Component* b) { return across(*a) < across(*b); });
        numbered.insert(numbered.end(), line.begin(), line.end());
        first = end;
    }

    std::map<std::string, int> next;
    std::vector<Renaming> changes;
    for (const Component* c : numbered) {
        const std::string prefix = prefixOf(c->reference);
        const std::string is = prefix + std::to_string(++next[prefix]);
        if (is != c->reference)
            changes.push_back({c->reference, is});
    }
    return changes;
}

Board renamed(Board board, const std::vector<Renaming>& renamings)
{
    for (Component& c : board.components)
        for (const Renaming& r : renamings)
            if (c.reference == r.was) {
                c.reference = r.is;
                break;
            }
    return board;
}

} // namespace lt::pictures
