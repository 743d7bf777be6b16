// What the key sender and the keyboard hook in the receiving thread agree
// on. The sender types a start marker, the keys and an end marker; the hook
// swallows both markers, counts the key messages the thread takes between
// them, and at the end marker writes the count where the sender reads it and
// signals the sender.
#pragma once

#include <windows.h>

#include <string>

namespace lt::win32::keys_protocol {

inline constexpr WORD StartMarker = VK_F23, EndMarker = VK_F24;

inline std::wstring doneEventName(DWORD thread)
{
    return L"Local\\LearningTrazel.KeysDone." + std::to_wstring(thread);
}

// A shared LONG: the number of key messages between the markers.
inline std::wstring countName(DWORD thread)
{
    return L"Local\\LearningTrazel.KeysCount." + std::to_wstring(thread);
}

} // namespace lt::win32::keys_protocol
