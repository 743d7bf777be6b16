#include "pictures/describe.h"

#include <algorithm>
#include <optional>

#include "pictures/board_words.h"
#include "pictures/host_view.h"
#include "pictures/words.h"

namespace lt::pictures {

namespace {

using K = DialogItem::Kind;

bool inside(const Area& a, Point p)
{
    return p.x >= a.left && p.x <= a.left + a.width && p.y >= a.top && p.y <= a.top + a.height;
}

std::string windowWords(const HostScreen& h)
{
    switch (h.window) {
    case HostWindow::SessionFrame:
        return "Trazel's session frame";
    case HostWindow::Skemora:
        return h.file.empty() ? "Quarn Skemora's window" : "Quarn Skemora's window with " + h.file;
    case HostWindow::DesignWindow:
        break;
    }
    if (h.file.empty())
        return "Trazel's design window with no design open";
    return "Trazel's design window with " + h.file + (h.board ? "" : ", its design area empty");
}

std::string menuWords(const OpenMenu& m)
{
    std::string words = "the " + m.menu + " menu is open";
    if (m.item.empty())
        return words;
    words += " with " + m.item + " highlighted";
    return m.choice.empty() ? words : words + " and its choice " + m.choice;
}

std::string itemWords(const DialogItem& i)
{
    switch (i.kind) {
    case K::Label:
        return words::phrase(i.text);
    case K::Field:
        if (i.text.empty())
            return i.value;
        return i.text + ": " + (i.value.empty() ? "empty" : i.value);
    case K::CheckBox:
        return i.text + (i.on ? " checked" : " not checked");
    case K::Option:
        return i.on ? i.text + " chosen" : "";
    case K::List: {
        if (!i.text.empty())
            return i.text + " chosen in a list";
        std::vector<std::string> rows;
        for (std::size_t start = 0; start <= i.value.size();) {
            const auto end = std::min(i.value.find('\n', start), i.value.size());
            if (end > start)
                rows.push_back(words::phrase(i.value.substr(start, end - start)));
            start = end + 1;
        }
        if (rows.empty())
            return "an empty list";
        return rows.size() <= 6 ? "a list of " + words::list(rows) : "a list of " + words::count(rows.size(), "item");
    }
    case K::Button:
    case K::Group:
        break;
    }
    return "";
}

std::string dialogWords(const Dialog& d)
{
    std::string shown;
    std::vector<std::string> highlighted;
    for (const DialogItem& i : d.items) {
        const std::string words = itemWords(i);
        if (!words.empty())
            shown += (shown.empty() ? "" : ", ") + words;
        if (i.highlighted)
            highlighted.push_back(i.kind == K::Button ? "the " + i.text + " button" : i.text);
    }
    std::string words = "the " + d.title + " dialog box is open";
    if (!shown.empty())
        words += ": " + shown;
    if (!highlighted.empty())
        words += ", with " + words::list(highlighted) + " highlighted";
    return words;
}

// The words drawn on the picture, in the order they were drawn.
std::string figureTexts(const std::vector<Figure>& figures)
{
    std::string texts;
    for (const Figure& f : figures)
        if ((f.kind == Figure::Kind::Text || f.kind == Figure::Kind::Box) && !f.text.empty())
            texts += (texts.empty() ? "" : ", ") + words::phrase(f.text);
    return texts;
}

std::string hostPartAt(const HostScreen& h, const Area& frame, Point at)
{
    const HostLayout layout = hostLayout(frame);
    if (inside(layout.title, at))
        return "the title bar";
    if (inside(layout.menu, at))
        return "the menu bar";
    if (inside(layout.toolbar, at)) {
        for (int i = 0; i < ToolbarButtons; ++i)
            if (inside(toolbarButton(layout, i), at))
                return "the toolbar's " + toolName(toolbarTool(i)) + " button";
        return "the toolbar";
    }
    if (inside(layout.status, at))
        return "the status bar";
    if (inside(layout.design, at) && h.board)
        return boardThingAt(*h.board, layout.design, at, h.file);
    return "the design area";
}

// A part of a drawing under a point: its words, or what kind of thing it is.
std::string figureAt(const std::vector<Figure>& figures, Point at)
{
    for (auto f = figures.rbegin(); f != figures.rend(); ++f) {
        if (!inside(f->at, at))
            continue;
        if (!f->text.empty() && (f->kind == Figure::Kind::Text || f->kind == Figure::Kind::Box))
            return words::quoted(f->text);
        if (f->kind == Figure::Kind::Pad)
            return "a pad";
        if (f->kind == Figure::Kind::Relief)
            return "a thermal relief";
    }
    return "";
}

// What a note's arrow ends on: a dialog box in front, a part of Trazel's
// window or a thing on its board, or a part of a drawing.
std::string targetWords(const ScreenPicture& p, const Area& frame, Point at)
{
    for (auto d = p.dialogs.rbegin(); d != p.dialogs.rend(); ++d)
        if (inside(d->at, at))
            return "the " + d->title + " dialog box";
    const std::string part = p.host ? hostPartAt(*p.host, frame, at) : "the drawing";
    if (part != "the design area" && part != "the board" && part != "the drawing")
        return part;
    const std::string figure = figureAt(p.figures, at);
    return figure.empty() ? part : figure;
}

// Where a note points: its own pointer, or an arrow drawn from its edge.
std::optional<Point> pointedAt(const ScreenPicture& p, const Callout& c)
{
    if (c.pointsTo)
        return c.pointsTo;
    constexpr int Edge = 30;
    const Area around = {c.at.left - Edge, c.at.top - Edge, c.at.width + 2 * Edge, c.at.height + 2 * Edge};
    for (const Figure& f : p.figures)
        if (f.kind == Figure::Kind::Arrow && inside(around, {f.at.left, f.at.top}))
            return Point{f.at.left + f.at.width, f.at.top + f.at.height};
    return std::nullopt;
}

std::string noteWords(const ScreenPicture& p, const Area& frame, const Callout& c)
{
    const std::optional<Point> target = pointedAt(p, c);
    if (!target)
        return "a note reads " + words::quoted(c.text);
    return "a note " + words::quoted(c.text) + " points to " + targetWords(p, frame, *target);
}

} // namespace

std::string describe(const ScreenPicture& p, const Area& frame)
{
    std::vector<std::string> clauses;
    const std::string texts = figureTexts(p.figures);
    if (p.host) {
        const HostScreen& h = *p.host;
        clauses.push_back(windowWords(h));
        if (h.board)
            for (const std::string& c : boardClauses(*h.board))
                clauses.push_back(c);
        if (h.toolbarHighlight)
            clauses.push_back("the toolbar's " + toolName(toolbarTool(*h.toolbarHighlight)) + " button is highlighted");
        if (h.menu)
            clauses.push_back(menuWords(*h.menu));
        if (!texts.empty())
            clauses.push_back("drawn on it: " + texts);
    } else {
        clauses.push_back(texts.empty() ? "a drawing" : "a drawing: " + texts);
    }
    if (p.popup)
        clauses.push_back("the pop-up menu of a component is open" +
                          (p.popup->item.empty() ? "" : " with " + p.popup->item + " highlighted"));
    for (const Dialog& d : p.dialogs)
        clauses.push_back(dialogWords(d));
    if (p.host && !p.host->status.empty() && p.host->status != IdleStatus)
        clauses.push_back("the status bar reads " + words::quoted(p.host->status));
    for (const Callout& c : p.callouts)
        clauses.push_back(noteWords(p, frame, c));
    return words::sentence(clauses);
}

} // namespace lt::pictures
