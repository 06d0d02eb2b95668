// Metadata of TObject itself, and the registry of the objects alive.
#include "VlObject.h"

#include <unordered_set>

namespace {

// Every TObject alive; never destroyed, so objects outliving static destruction still unregister.
std::unordered_set<const void *> &LiveObjects()
{
    static auto *live = new std::unordered_set<const void *>();
    return *live;
}

} // namespace

TObject::TObject()
{
    LiveObjects().insert(this);
}

TObject::~TObject()
{
    LiveObjects().erase(this);
}

bool VlIsLiveObject(const void *address)
{
    return address && LiveObjects().count(address) != 0;
}

const TClassInfo &TObject::StaticClassInfo()
{
    static const TClassInfo info("TObject", nullptr, "System", VlFactoryFor<TObject>(), {});
    return info;
}
