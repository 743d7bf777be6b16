// The registry keys that tell which editions of Trazel are installed.
#pragma once

#include <cstdint>

#include "app/globals.h"

namespace lt {

namespace edition {
inline constexpr std::int16_t Kelmar = 1, Standard = 2, Ultor = 3;
}

struct EditionKey {
    const char* key;
    std::int16_t edition;
    long Globals::*result;
};

// In the order they are looked up.
inline constexpr EditionKey EditionKeys[] = {
    {"QuarnTrazelStd9.20", edition::Standard, &Globals::Reg_Std},
    {"QuarnTrazelKmEd9.20", edition::Kelmar, &Globals::Reg_KmEd},
    {"QuarnTrazelUltor9.20", edition::Ultor, &Globals::Reg_Ultor},
};

} // namespace lt
