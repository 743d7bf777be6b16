// The program's stand-in for Windows Help: one top-level window that shows
// the topics of a help file (see platform/help_file.h). It lives on the UI
// thread and needs nothing from the message loop beyond dispatching.
#pragma once

#include <string>

#include <windows.h>

#include "platform/help_file.h"
#include "platform/string_table.h"

namespace lt::win32 {

class HelpViewer {
public:
    explicit HelpViewer(const StringTable& strings);
    ~HelpViewer();
    HelpViewer(const HelpViewer&) = delete;
    HelpViewer& operator=(const HelpViewer&) = delete;

    // WinHelp's commands: help::Context reads the file afresh and shows topic
    // `data`, opening the viewer if need be; help::Quit closes it. A file that
    // can't be read is reported in a message box owned by `owner`.
    void command(HWND owner, const std::string& fileUtf8, unsigned helpCommand, unsigned long data);
    bool isOpen() const { return window_ != nullptr; }

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK controlProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self);
    LRESULT handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    // Keys the viewer takes from whichever of its controls has the focus.
    bool key(HWND from, UINT msg, WPARAM wp);

    bool load(HWND owner, const std::string& path);
    void open();
    void createControls();
    void showTopic(std::size_t index);
    void showContents(bool topicMissing);
    void focus(HWND control);
    void openSelected();
    void layout();
    int px(int at96) const;
    std::string text(int id) const;

    const StringTable& strings_;
    HelpFile file_;
    std::size_t current_ = 0;
    bool contentsShown_ = false;
    int dpi_ = 96;
    HWND window_ = nullptr, title_ = nullptr, note_ = nullptr, list_ = nullptr, body_ = nullptr,
         contents_ = nullptr, close_ = nullptr, lastFocus_ = nullptr;
    HFONT font_ = nullptr, titleFont_ = nullptr;
    wchar_t contentsKey_ = 0, closeKey_ = 0;
};

} // namespace lt::win32
