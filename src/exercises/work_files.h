// The tutorial work files: fresh copies of the installed board sources in the
// working directory, and the clean-up of them and the host's by-products.
#pragma once

#include "app/tutorial.h"

namespace lt {

struct WorkFile {
    const char* source; // in the tutorial's own directory
    const char* target; // in the working directory
};

inline constexpr WorkFile WorkFiles[] = {
    {"SRCTRZ1.MA$", "TUTORBD1.MAX"}, {"SRCTRZ2.MA$", "TUTORBD2.MAX"}, {"SRCTRZ3.MA$", "TUTORBD3.MAX"},
    {"SRCTRZ4.MA$", "TUTORBD4.MAX"}, {"SRCTRZ6.S$", "TUTOR.SF"},      {"SRCTRZ7.LL$", "TUTOR.LLB"},
};

// Deleted in this order; names and wild-card patterns in the working directory.
inline constexpr const char* CleanUpList[] = {
    "TUTORBD*.MAX", "TUTORSCH.DBK", "TUTOR.SF", "TUTOR.LLB", "BACKUP*.MAX", "PLACE*.MAX", "TRAZEL.LOG", "*.OPJ",
};

// Copies every source over its work file; a copy that fails is skipped.
// Without a working directory there is nowhere to copy to.
void PrepareWorkFiles(Tutorial& t);
// Deletes the clean-up list; what cannot be deleted stays.
void DeleteWorkFiles(Tutorial& t);

} // namespace lt
