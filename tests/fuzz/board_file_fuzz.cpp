// The stand-in Trazel's design files: any text is either refused with the
// line at fault or read as a board, library or support file that, written
// back in the file format, reads the same; and every board that reads can be
// shown at every zoom step.
#include <string>

#include "pictures/host_view.h"
#include "fuzz_check.h"
#include "standin/board_file.h"

namespace {

using Board = decltype(standin::BoardFile::board);
using Layer = decltype(decltype(Board::tracks)::value_type::layer);

std::string layerName(Layer layer)
{
    switch (layer) {
    case Layer::Top: return "TOP";
    case Layer::Bottom: return "BOTTOM";
    case Layer::Inner1: return "INNER1";
    case Layer::Inner2: return "INNER2";
    case Layer::Silk: return "SILK";
    case Layer::Keepout: return "KEEPOUT";
    }
    fuzz::require(false, "a track or zone lies on a layer");
    return {};
}

template <class P>
std::string point(const P& p)
{
    return " " + std::to_string(p.x) + "," + std::to_string(p.y);
}

// Every field of every record, one record a line: the file's canonical form.
std::string written(const standin::BoardFile& f)
{
    const Board& b = f.board;
    std::string out = "TRAZEL BOARD\nNAME " + f.name + "\nOUTLINE " + std::to_string(b.outline.left) + " " +
                      std::to_string(b.outline.top) + " " + std::to_string(b.outline.width) + " " +
                      std::to_string(b.outline.height) + "\n";
    fuzz::require(f.footprints.size() == b.components.size() && f.zoneNets.size() == b.zones.size(),
                  "every part has its footprint and every zone its net");
    for (std::size_t i = 0; i < b.components.size(); ++i) {
        const auto& c = b.components[i];
        out += "PART " + c.reference + " " + f.footprints[i] + " " + std::to_string(c.at.x) + " " +
               std::to_string(c.at.y) + " " + std::to_string(c.width) + " " +
               std::to_string(c.height) + " " + std::to_string(c.pins) + (c.surfaceMount ? " smd" : " th") + "\n";
    }
    for (const auto& t : b.tracks) {
        out += "TRACK " + layerName(t.layer) + " " + std::to_string(t.width);
        for (const auto& p : t.points)
            out += point(p);
        out += "\n";
    }
    for (const auto& v : b.vias)
        out += "VIA " + std::to_string(v.at.x) + " " + std::to_string(v.at.y) + "\n";
    for (std::size_t i = 0; i < b.zones.size(); ++i) {
        const auto& z = b.zones[i];
        out += "ZONE " + layerName(z.layer) + " " + f.zoneNets[i] + (z.hatched ? " hatched" : " solid") +
               (z.reliefs ? " reliefs" : " direct");
        for (const auto& p : z.outline)
            out += point(p);
        out += "\n";
    }
    for (const auto& c : b.connections)
        out += "CONNECT" + point(c.from) + point(c.to) + "\n";
    return out + "END\n";
}

std::string written(const standin::LibraryFile& f)
{
    std::string out = "TRAZEL LIBRARY\nNAME " + f.name + "\n";
    for (const standin::Footprint& p : f.footprints)
        out += "FOOTPRINT " + p.name + " " + std::to_string(p.pins) + " " + std::to_string(p.width) + " " +
               std::to_string(p.height) + (p.surfaceMount ? " smd" : " th") + "\n";
    return out + "END\n";
}

std::string written(const standin::SupportFile& f)
{
    std::string out = "TRAZEL SUPPORT\nDESIGNS";
    for (const std::string& d : f.designs)
        out += " " + d;
    out += "\n";
    for (const std::string& l : f.libraries)
        out += "LIBRARY " + l + "\n";
    return out + "GRID " + std::to_string(f.grid) + "\nEND\n";
}

std::string written(const standin::DesignFile& file)
{
    return std::visit([](const auto& f) { return written(f); }, file);
}

// The design window shows a board from all out to all in; the whole board
// (no zoom) shows every part inside the design area.
void show(const Board& b)
{
    const lt::pictures::Area area{300, 900, 9000, 6000};
    const lt::pictures::BoardFit whole(b, area);
    for (const auto& c : b.components) {
        const auto at = whole.toPicture(c.at);
        fuzz::require(at.x >= area.left && at.x <= area.left + area.width && at.y >= area.top &&
                          at.y <= area.top + area.height,
                      "the whole board shows every part");
    }
    for (int steps = -2; steps <= 6; ++steps) {
        const lt::pictures::BoardFit zoomed(b, area, {steps, std::nullopt});
        for (const auto& c : b.components)
            zoomed.toPicture(c.at);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    standin::DesignFile file;
    try {
        file = standin::readDesignFile(fuzz::text(data, size));
    } catch (const standin::BadFile& bad) {
        fuzz::require(bad.line() >= 1 && !bad.reason().empty(), "a refusal names the line at fault and why");
        return 0;
    }
    const std::string canonical = written(file);
    standin::DesignFile again;
    try {
        again = standin::readDesignFile(canonical);
    } catch (const standin::BadFile&) {
        fuzz::require(false, "the written file is not refused");
    }
    fuzz::require(written(again) == canonical, "the written file reads as the same design");
    if (const auto* board = std::get_if<standin::BoardFile>(&file))
        show(board->board);
    return 0;
}
