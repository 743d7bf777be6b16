#include "app/tutorial.h"

namespace lt {

std::string Texts::operator()(int id) const
{
    if (auto s = table_.find(id))
        return *s;
    missing_.insert(id);
    return {};
}

} // namespace lt
