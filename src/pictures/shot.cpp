#include "pictures/shot.h"

#include <stdexcept>

namespace lt::pictures {

namespace item {

using K = DialogItem::Kind;

DialogItem label(const std::string& text, Area at) { return {K::Label, text, "", at}; }
DialogItem field(const std::string& name, const std::string& value, Area at, bool highlighted)
{
    return {K::Field, name, value, at, false, highlighted};
}
DialogItem check(const std::string& text, bool on, Area at, bool highlighted)
{
    return {K::CheckBox, text, "", at, on, highlighted};
}
DialogItem option(const std::string& text, bool on, Area at, bool highlighted)
{
    return {K::Option, text, "", at, on, highlighted};
}
DialogItem button(const std::string& text, Area at, bool highlighted)
{
    return {K::Button, text, "", at, false, highlighted};
}
DialogItem list(const std::vector<std::string>& items, const std::string& chosen, Area at)
{
    std::string joined;
    for (const std::string& s : items)
        joined += (joined.empty() ? "" : "\n") + s;
    return {K::List, chosen, joined, at};
}
DialogItem group(const std::string& text, Area at) { return {K::Group, text, "", at}; }

} // namespace item

namespace {

const MenuItem& modelItem(HostWindow window, const std::string& menu, const std::string& item)
{
    const Menu* m = findMenu(window, menu);
    if (!m)
        throw std::logic_error("Trazel has no " + menu + " menu");
    const MenuItem* i = m->item(item);
    if (!i)
        throw std::logic_error("the " + menu + " menu has no " + item);
    return *i;
}

} // namespace

Shot Shot::host(Stage stage, const std::string& file)
{
    Shot s = host(tutorialBoard(stage), file.empty() ? designFile(stage) : file);
    if (stage == Stage::Empty)
        s.screen().board.reset();
    return s;
}

Shot Shot::host(Board board, const std::string& file)
{
    Shot s = window(HostWindow::DesignWindow, file);
    s.screen().board = std::move(board);
    return s;
}

Shot Shot::sessionFrame() { return window(HostWindow::SessionFrame, ""); }

Shot Shot::skemora(const std::string& file) { return window(HostWindow::Skemora, file); }

Shot Shot::window(HostWindow window, const std::string& file)
{
    Shot s;
    s.picture_.host.emplace();
    s.screen().window = window;
    s.screen().file = file;
    s.screen().status = IdleStatus;
    return s;
}

Shot Shot::diagram() { return {}; }

HostScreen& Shot::screen()
{
    if (!picture_.host)
        throw std::logic_error("a diagram shows no window of Trazel");
    return *picture_.host;
}

Shot& Shot::openDesigns(std::vector<std::string> files)
{
    screen().openDesigns = std::move(files);
    return *this;
}

Shot& Shot::menu(const std::string& menu, const std::string& item, const std::string& choice)
{
    if (!item.empty()) {
        const MenuItem& i = modelItem(screen().window, menu, item);
        if (!choice.empty() && !i.choice(choice))
            throw std::logic_error(menu + ", " + item + " has no " + choice);
    } else if (!findMenu(screen().window, menu)) {
        throw std::logic_error("Trazel has no " + menu + " menu");
    }
    screen().menu = OpenMenu{menu, item, choice};
    return *this;
}

Shot& Shot::popup(Point at, const std::string& item)
{
    if (!item.empty() && !componentPopup().item(item))
        throw std::logic_error("the pop-up menu has no " + item);
    picture_.popup = OpenPopup{at, item};
    return *this;
}

Shot& Shot::dialog(const std::string& title, Area at, std::vector<DialogItem> items)
{
    picture_.dialogs.push_back({title, at, std::move(items)});
    return *this;
}

Shot& Shot::dialogOf(const std::string& menu, const std::string& item, Area at, std::vector<DialogItem> items)
{
    const MenuItem& i = modelItem(picture_.host ? picture_.host->window : HostWindow::DesignWindow, menu, item);
    const std::string title = i.dialog.empty() && !i.choices.empty() ? i.choices.front().dialog : i.dialog;
    if (title.empty())
        throw std::logic_error(menu + ", " + item + " opens no dialog box");
    return dialog(title, at, std::move(items));
}

Shot& Shot::note(const std::string& text, Area at)
{
    picture_.callouts.push_back({at, text, std::nullopt});
    return *this;
}

Shot& Shot::note(const std::string& text, Area at, Point pointsTo)
{
    picture_.callouts.push_back({at, text, pointsTo});
    return *this;
}

Shot& Shot::status(const std::string& text)
{
    screen().status = text;
    return *this;
}

Shot& Shot::tool(int index)
{
    screen().toolbarHighlight = index;
    return *this;
}

Shot& Shot::figure(Figure f)
{
    picture_.figures.push_back(std::move(f));
    return *this;
}

Shot& Shot::box(const std::string& text, Area at, unsigned color, bool filled)
{
    return figure({Figure::Kind::Box, at, text, color, filled});
}

Shot& Shot::text(const std::string& text, Area at, bool bold, unsigned color)
{
    return figure({Figure::Kind::Text, at, text, color, false, bold});
}

Shot& Shot::arrow(Point from, Point to, unsigned color)
{
    return figure({Figure::Kind::Arrow, {from.x, from.y, to.x - from.x, to.y - from.y}, "", color});
}

forms::PictureRef Shot::done() const { return std::make_shared<ScreenPicture>(picture_); }

} // namespace lt::pictures
