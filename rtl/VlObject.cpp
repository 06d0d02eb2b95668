// Metadata of TObject itself.
#include "VlObject.h"

const TClassInfo &TObject::StaticClassInfo()
{
    static const TClassInfo info("TObject", nullptr, "System", VlFactoryFor<TObject>(), {});
    return info;
}
