#include "forms/picture.h"

#include <map>

namespace lt::forms {

std::shared_ptr<const Picture> Picture::named(const std::string& symbol)
{
    static std::map<std::string, std::shared_ptr<const Picture>> made;
    auto& p = made[symbol];
    if (!p) {
        auto picture = std::make_shared<Picture>();
        picture->symbol = symbol;
        p = picture;
    }
    return p;
}

} // namespace lt::forms
