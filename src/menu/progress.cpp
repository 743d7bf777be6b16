#include "menu/progress.h"

#include "menu/sel_menu.h"

namespace lt {

namespace {

// Fifteen values fit in well under this; a longer file is read no further.
constexpr std::size_t ReadLimit = 4096;

constexpr int DamagedFile = 745, DamagedMarks = 746, SaveFailed = 747, ReadOnlyFile = 748, DiskFull = 749,
              FolderMissing = 750, CannotWrite = 751;

std::string progressPath(const Tutorial& t) { return joinPath(t.g.Work_Dir, ProgressFileName); }

// The message, a line break, the file's path, a blank line and what follows.
std::string aboutFile(const Tutorial& t, int message, const std::string& path, const std::string& more)
{
    std::string body = t.text(message);
    body.append(t.g.CRLF).append(path).append(t.g.CRLF2).append(more);
    return body;
}

std::string saveFailureReason(const Tutorial& t, FileError e)
{
    switch (e) {
    case FileError::PathFileAccess:
        return t.text(ReadOnlyFile);
    case FileError::DiskFull:
        return t.text(DiskFull);
    case FileError::PathNotFound:
    case FileError::DiskNotReady:
        return t.text(FolderMissing);
    default:
        return t.text(CannotWrite);
    }
}

} // namespace

void LoadProgress(Tutorial& t)
{
    const std::string path = progressPath(t);
    t.files.removeLeftovers(path);
    auto length = t.files.fileLength(path);
    if (!length) {
        t.files.createEmpty(path);
        length = t.files.fileLength(path);
    }
    // A file that could not be created counts as empty; a later save tells why.
    if (!length || *length == 0)
        return;

    const auto content = t.files.readPrefix(path, ReadLimit);
    const ParsedProgress parsed = content ? parseProgress(*content) : ParsedProgress{{}, true};
    if (parsed.damaged)
        t.message(aboutFile(t, DamagedFile, path, t.text(DamagedMarks)), mb::Ok | mb::IconExclamation);

    t.g.Lsn_Progress = parsed.marks;
    t.g.Saved_Progress = parsed.marks;
    SelMenu& menu = Sel_menu(t);
    for (int n = 1; n <= LessonCount; ++n) {
        if (t.g.Lsn_Progress[n] & mark::LessonDone)
            menu.Chk_Lsn[n].setVisible(true);
        if (t.g.Lsn_Progress[n] & mark::ExercisesDone)
            menu.Chk_Exr[n].setVisible(true);
    }
    menu.setCaption(t.text(SelMenu::HiddenTitle));
}

bool SaveProgress(Tutorial& t)
{
    const std::string path = progressPath(t);
    const FileError e = t.files.replaceContent(path, formatProgress(t.g.Lsn_Progress));
    if (e == FileError::None)
        return true;
    t.message(aboutFile(t, SaveFailed, path, saveFailureReason(t, e)), mb::Ok | mb::IconExclamation);
    return false;
}

bool ProgressChanged(const Tutorial& t)
{
    return !t.g.Work_Dir.empty() && t.g.Lsn_Progress != t.g.Saved_Progress;
}

} // namespace lt
