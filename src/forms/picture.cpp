#include "forms/picture.h"

#include <map>

namespace lt::forms {

PictureRef BuiltInPicture::named(const std::string& name)
{
    static std::map<std::string, PictureRef> made;
    auto& p = made[name];
    if (!p)
        p = std::make_shared<BuiltInPicture>(name);
    return p;
}

} // namespace lt::forms
