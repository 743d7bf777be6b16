#include "board_file.h"

#include <algorithm>
#include <charconv>
#include <map>

namespace standin {

using lt::pictures::Layer;
using lt::pictures::Point;

namespace {

template <class... Parts>
std::string cat(const Parts&... parts)
{
    std::string s;
    (s.append(std::string_view(parts)), ...);
    return s;
}

std::string quoted(std::string_view field) { return cat("'", field, "'"); }

} // namespace

BadFile::BadFile(int line, const std::string& reason)
    : std::runtime_error(cat("line ", std::to_string(line), ": ", reason)), line_(line), reason_(reason)
{
}

namespace {

// Numbers stay within a thousand inches either way, so that positions and
// sizes added together always fit.
constexpr int Farthest = 1000000;

bool wholeNumber(std::string_view field, int& value)
{
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    return !field.empty() && error == std::errc() && end == field.data() + field.size();
}

bool withinReach(int value) { return value >= -Farthest && value <= Farthest; }

struct Record {
    int line = 0;
    std::vector<std::string_view> fields;

    [[noreturn]] void fail(const std::string& reason) const { throw BadFile(line, reason); }

    std::string_view keyword() const { return fields.front(); }
    std::size_t count() const { return fields.size() - 1; } // fields after the keyword

    void expect(std::size_t fieldsAfterKeyword, const char* usage) const
    {
        if (count() != fieldsAfterKeyword)
            fail(cat(keyword(), " needs ", usage));
    }

    int number(std::size_t i) const
    {
        int value = 0;
        if (!wholeNumber(fields[i], value))
            fail(cat(quoted(fields[i]), " is not a whole number"));
        if (!withinReach(value))
            fail(cat(quoted(fields[i]), " is beyond ", std::to_string(Farthest)));
        return value;
    }

    int positive(std::size_t i, const char* what) const
    {
        const int value = number(i);
        if (value <= 0)
            fail(cat(what, " must be more than 0"));
        return value;
    }

    Point point(std::size_t i) const
    {
        const std::string_view f = fields[i];
        const std::size_t comma = f.find(',');
        Point p;
        if (comma == std::string_view::npos || !wholeNumber(f.substr(0, comma), p.x) ||
            !wholeNumber(f.substr(comma + 1), p.y))
            fail(cat(quoted(f), " is not a point x,y"));
        if (!withinReach(p.x) || !withinReach(p.y))
            fail(cat(quoted(f), " is beyond ", std::to_string(Farthest)));
        return p;
    }

    std::vector<Point> points(std::size_t first) const
    {
        std::vector<Point> out;
        for (std::size_t i = first; i < fields.size(); ++i)
            out.push_back(point(i));
        return out;
    }

    Layer layer(std::size_t i) const
    {
        static const std::pair<std::string_view, Layer> names[] = {
            {"TOP", Layer::Top},       {"BOTTOM", Layer::Bottom}, {"INNER1", Layer::Inner1},
            {"INNER2", Layer::Inner2}, {"SILK", Layer::Silk},     {"KEEPOUT", Layer::Keepout}};
        for (const auto& [name, layer] : names)
            if (fields[i] == name)
                return layer;
        fail(cat(quoted(fields[i]), " is not a layer"));
    }

    // One of two words: true for the first.
    bool either(std::size_t i, std::string_view yes, std::string_view no) const
    {
        if (fields[i] != yes && fields[i] != no)
            fail(cat(quoted(fields[i]), " must be ", yes, " or ", no));
        return fields[i] == yes;
    }
};

// A carriage return separates fields too: a file converted to CR LF twice
// ends its lines with CR CR LF.
bool separates(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::vector<std::string_view> split(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && separates(line[i]))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && !separates(line[i]))
            ++i;
        if (i > start)
            fields.push_back(line.substr(start, i - start));
    }
    return fields;
}

// The file's lines as records, comments and blank lines left out, checked for
// the header of its kind and the closing END.
class Records {
public:
    explicit Records(std::string_view text)
    {
        if (text.substr(0, 3) == "\xEF\xBB\xBF")
            text.remove_prefix(3);
        int number = 0;
        while (!text.empty()) {
            const std::size_t end = std::min(text.find('\n'), text.size());
            std::string_view line = text.substr(0, end);
            text.remove_prefix(std::min(end + 1, text.size()));
            ++number;
            if (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);
            std::vector<std::string_view> fields = split(line);
            if (!fields.empty() && fields.front().front() != ';')
                records_.push_back({number, std::move(fields)});
        }
        lines_ = number;
        const bool header = !records_.empty() && records_.front().line == 1 && records_.front().fields.size() == 2 &&
                            records_.front().fields[0] == "TRAZEL";
        if (!header)
            throw BadFile(1, "not a Trazel design file: the first line must be TRAZEL BOARD, TRAZEL LIBRARY or "
                             "TRAZEL SUPPORT");
        kind_ = records_.front().fields[1];
    }

    std::string_view kind() const { return kind_; }

    // Calls `read` with each record between the header and END, which it
    // returns; `read` answers whether it knows the record.
    template <class Read>
    const Record& each(std::string_view noun, Read read) const
    {
        for (std::size_t i = 1; i < records_.size(); ++i) {
            const Record& r = records_[i];
            if (r.keyword() == "END") {
                if (r.count() != 0)
                    r.fail("END stands alone");
                if (i + 1 < records_.size())
                    records_[i + 1].fail("nothing may follow END");
                return r;
            }
            if (!read(r))
                r.fail(cat(quoted(r.keyword()), " is not a record of a ", noun));
        }
        throw BadFile(lines_, "the file ends without END");
    }

private:
    std::vector<Record> records_;
    std::string_view kind_;
    int lines_ = 0;
};

// Records that may appear once: the line that gave each.
class Once {
public:
    void note(const Record& r)
    {
        const auto [it, first] = seen_.emplace(std::string(r.keyword()), r.line);
        if (!first)
            r.fail(cat(r.keyword(), " was given on line ", std::to_string(it->second), " already"));
    }
    void require(const Record& end, std::string_view keyword) const
    {
        if (!seen_.count(std::string(keyword)))
            end.fail(cat(keyword, " is missing"));
    }

private:
    std::map<std::string, int> seen_;
};

// Names that must not repeat within a file: the line that gave each.
class Unique {
public:
    void note(const Record& r, std::string_view name)
    {
        const auto [it, first] = seen_.emplace(std::string(name), r.line);
        if (!first)
            r.fail(cat(name, " is already on line ", std::to_string(it->second)));
    }

private:
    std::map<std::string, int> seen_;
};

bool isReference(std::string_view ref)
{
    const auto digits = std::find_if(ref.begin(), ref.end(), [](char c) { return c >= '0' && c <= '9'; });
    return digits != ref.begin() && digits != ref.end() &&
           std::all_of(ref.begin(), digits, [](char c) { return c >= 'A' && c <= 'Z'; }) &&
           std::all_of(digits, ref.end(), [](char c) { return c >= '0' && c <= '9'; });
}

BoardFile board(const Records& records)
{
    BoardFile out;
    lt::pictures::Board& b = out.board;
    Once once;
    Unique references;
    const Record& end = records.each("board", [&](const Record& r) {
        const std::string_view k = r.keyword();
        if (k == "NAME") {
            r.expect(1, "one name");
            once.note(r);
            out.name = r.fields[1];
        } else if (k == "OUTLINE") {
            r.expect(4, "left top width height");
            once.note(r);
            b.outline = {r.number(1), r.number(2), r.positive(3, "width"), r.positive(4, "height")};
        } else if (k == "PART") {
            r.expect(8, "ref footprint x y width height pins smd|th");
            if (!isReference(r.fields[1]))
                r.fail(cat(quoted(r.fields[1]), " is not a reference designator (letters, then a number)"));
            references.note(r, r.fields[1]);
            lt::pictures::Component c;
            c.reference = r.fields[1];
            c.at = {r.number(3), r.number(4)};
            c.width = r.positive(5, "width");
            c.height = r.positive(6, "height");
            c.pins = r.positive(7, "pins");
            c.surfaceMount = r.either(8, "smd", "th");
            b.components.push_back(c);
            out.footprints.emplace_back(r.fields[2]);
        } else if (k == "TRACK") {
            if (r.count() < 4)
                r.fail("TRACK needs a layer, a width and two or more points x,y");
            b.tracks.push_back({r.layer(1), r.points(3), r.positive(2, "width")});
        } else if (k == "VIA") {
            r.expect(2, "x y");
            b.vias.push_back({{r.number(1), r.number(2)}});
        } else if (k == "ZONE") {
            if (r.count() < 7)
                r.fail("ZONE needs a layer, a net, hatched|solid, reliefs|direct and three or more corners x,y");
            b.zones.push_back({r.layer(1), r.points(5), r.either(3, "hatched", "solid"), r.either(4, "reliefs", "direct")});
            out.zoneNets.emplace_back(r.fields[2]);
        } else if (k == "CONNECT") {
            r.expect(2, "two points x,y");
            b.connections.push_back({r.point(1), r.point(2)});
        } else {
            return false;
        }
        return true;
    });
    once.require(end, "NAME");
    once.require(end, "OUTLINE");
    return out;
}

LibraryFile library(const Records& records)
{
    LibraryFile out;
    Once once;
    Unique names;
    const Record& end = records.each("library", [&](const Record& r) {
        const std::string_view k = r.keyword();
        if (k == "NAME") {
            r.expect(1, "one name");
            once.note(r);
            out.name = r.fields[1];
        } else if (k == "FOOTPRINT") {
            r.expect(5, "name pins width height smd|th");
            names.note(r, r.fields[1]);
            out.footprints.push_back({std::string(r.fields[1]), r.positive(2, "pins"), r.positive(3, "width"),
                                      r.positive(4, "height"), r.either(5, "smd", "th")});
        } else {
            return false;
        }
        return true;
    });
    once.require(end, "NAME");
    return out;
}

SupportFile support(const Records& records)
{
    SupportFile out;
    Once once;
    const Record& end = records.each("support file", [&](const Record& r) {
        const std::string_view k = r.keyword();
        if (k == "DESIGNS") {
            if (r.count() == 0)
                r.fail("DESIGNS needs one or more names");
            once.note(r);
            out.designs.assign(r.fields.begin() + 1, r.fields.end());
        } else if (k == "LIBRARY") {
            r.expect(1, "one file name");
            out.libraries.emplace_back(r.fields[1]);
        } else if (k == "GRID") {
            r.expect(1, "mils");
            once.note(r);
            out.grid = r.positive(1, "GRID");
        } else {
            return false;
        }
        return true;
    });
    once.require(end, "DESIGNS");
    return out;
}

} // namespace

DesignFile readDesignFile(std::string_view text)
{
    const Records records(text);
    if (records.kind() == "BOARD")
        return board(records);
    if (records.kind() == "LIBRARY")
        return library(records);
    if (records.kind() == "SUPPORT")
        return support(records);
    throw BadFile(1, cat("TRAZEL ", records.kind(), " is not a kind of design file"));
}

} // namespace standin
