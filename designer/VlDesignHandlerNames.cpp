// Event handler names of designed forms.
#include "VlDesignHandlerNames.h"

#include <set>

namespace {

// Names live as long as the process, so method pointers copied anywhere stay valid.
std::set<std::string> &NamePool()
{
    static std::set<std::string> pool;
    return pool;
}

// The data half of every handler-name method pointer: tells them from script event bridges.
char DesignHandlerTag;

} // namespace

TMethod DesignHandlerMethod(const std::string &name)
{
    if (name.empty())
        return {};
    const std::string &interned = *NamePool().insert(name).first;
    return {const_cast<std::string *>(&interned), &DesignHandlerTag};
}

std::string DesignHandlerName(const TMethod &method)
{
    if (!method.Code || method.Data != &DesignHandlerTag)
        return {};
    return *static_cast<const std::string *>(method.Code);
}

TFormReader::TFindMethod DesignHandlerFinder()
{
    return [](TFormReader &, TComponent *, const TPropInfo &, const std::string &name) {
        return DesignHandlerMethod(name);
    };
}

TFormWriter::TGetMethodName DesignHandlerNamer()
{
    return [](TComponent *, const TPropInfo &, const TMethod &method) { return DesignHandlerName(method); };
}
