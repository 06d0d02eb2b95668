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

// Scripts ask about the same few objects over and over (a data set and its field in a loop):
// the last two found alive answer without a look into the set.
const void *RecentLive[2] = {};

} // namespace

TObject::TObject()
{
    LiveObjects().insert(this);
}

TObject::~TObject()
{
    LiveObjects().erase(this);
    for (const void *&recent : RecentLive)
        if (recent == this)
            recent = nullptr;
}

bool VlIsLiveObject(const void *address)
{
    if (!address)
        return false;
    if (address == RecentLive[0] || address == RecentLive[1])
        return true;
    if (LiveObjects().count(address) == 0)
        return false;
    RecentLive[1] = RecentLive[0];
    RecentLive[0] = address;
    return true;
}

const TClassInfo &TObject::StaticClassInfo()
{
    static const TClassInfo info("TObject", nullptr, "System", VlFactoryFor<TObject>(), {});
    return info;
}
