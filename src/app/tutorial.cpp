#include "app/tutorial.h"

namespace lt {

std::string Texts::operator()(int id) const
{
    if (auto s = table_.find(id))
        return *s;
    missing_.insert(id);
    return {};
}

std::string Texts::operator()(int id, int number) const
{
    std::string s = (*this)(id);
    if (const auto at = s.find("%1"); at != std::string::npos)
        s.replace(at, 2, std::to_string(number));
    return s;
}

} // namespace lt
