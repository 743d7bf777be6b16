#include "exercises/work_files.h"

namespace lt {

void PrepareWorkFiles(Tutorial& t)
{
    if (t.g.Work_Dir.empty())
        return;
    for (const WorkFile& f : WorkFiles)
        t.files.copy(joinPath(t.g.Tutor_Dir, f.source), joinPath(t.g.Work_Dir, f.target));
}

void DeleteWorkFiles(Tutorial& t)
{
    // An empty working directory would mean the root of the current drive.
    if (t.g.Work_Dir.empty())
        return;
    for (const char* pattern : CleanUpList)
        t.files.removeMatching(t.g.Work_Dir, pattern);
}

} // namespace lt
