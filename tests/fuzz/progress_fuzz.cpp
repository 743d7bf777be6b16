// The progress file: any content reads as fifteen marks, and the line saved
// from those marks reads back as the same marks, undamaged.
#include "fuzz_check.h"
#include "menu/progress_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view content = fuzz::text(data, size);
    const lt::ParsedProgress read = lt::parseProgress(content);
    fuzz::require(read.marks[0] == 0, "only lessons 1 to 15 get a mark");

    const std::string saved = lt::formatProgress(read.marks);
    const lt::ParsedProgress again = lt::parseProgress(saved);
    fuzz::require(!again.damaged && again.marks == read.marks, "the saved line reads back as the same marks");

    // Whatever follows a complete line is ignored.
    if (!read.damaged) {
        const lt::ParsedProgress followed = lt::parseProgress(std::string(content) + "\r\n" + std::string(content));
        fuzz::require(!followed.damaged && followed.marks == read.marks, "text after the fifteenth mark is ignored");
    }
    return 0;
}
