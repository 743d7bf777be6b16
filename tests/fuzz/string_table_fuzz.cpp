// The string table reader of the native tests: any text is either refused
// with a std::runtime_error naming its file and line, or read as numbered
// texts that, written back as a string table, read the same. Its #include
// lines name files of a folder that does not exist, so nothing is read from
// the disk.
#include <stdexcept>
#include <string>

#include "fuzz_check.h"
#include "platform/sim/rc_string_table.h"

namespace {

std::string written(const std::map<int, std::string>& entries)
{
    std::string out = "STRINGTABLE\r\nBEGIN\r\n";
    for (const auto& [id, text] : entries) {
        out += std::to_string(id) + ", \"";
        for (char c : text)
            out += c == '"' ? std::string("\"\"") : std::string(1, c);
        out += "\"\r\n";
    }
    return out + "END\r\n";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    lt::sim::RcStringTable table;
    try {
        table = lt::sim::RcStringTable::parse(std::string(fuzz::text(data, size)), "/nonexistent/strings");
    } catch (const std::runtime_error& refused) {
        const std::string_view why = refused.what();
        fuzz::require(why.find(" line ") != std::string_view::npos || why.starts_with("cannot open "),
                      "a refusal names its line or the file it cannot open");
        return 0;
    }
    for (const auto& [id, text] : table.entries()) {
        fuzz::require(table.find(id) == text, "every entry is found by its number");
        fuzz::require(text.find('\n') == std::string::npos, "an entry's text stays on its line");
    }
    const auto again = lt::sim::RcStringTable::parse(written(table.entries()), "/nonexistent/strings");
    fuzz::require(again.entries() == table.entries(), "the written table reads as the same texts");
    return 0;
}
