// Key delivery: twenty keys typed into Trazel's design window by the
// tutorial's key sender until Trazel has handled them, against the floor:
// the same keys and one marker key sent with SendInput, and a hook in
// Trazel that signals when it takes the marker.
#pragma once

#include <string>
#include <vector>

namespace bench {

inline constexpr char KeysTyped[] = "{ESC 20}";

struct KeyFigures {
    std::vector<double> senderMs, floorMs;
    int notHandled = 0; // sends the key sender did not report handled
    int floorLost = 0;  // floor sends repeated because their marker did not come back
};

// `pairs` alternating sends of each; Trazel's design window must be open.
KeyFigures measureKeys(const std::wstring& floorHookPath, int pairs);

} // namespace bench
