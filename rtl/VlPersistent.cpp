// TPersistent's assignment protocol and naming.
#include "VlPersistent.h"

#include "VlExceptions.h"
#include "VlFiler.h"

VL_IMPLEMENT_CLASS(TPersistent, TObject, "Classes")

void TPersistent::Assign(const TPersistent *source)
{
    if (!source)
        AssignError(nullptr);
    source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent *dest) const
{
    dest->AssignError(this);
}

void TPersistent::AssignError(const TPersistent *source) const
{
    const std::string sourceName = source ? source->ClassName() : "nil";
    throw EConvertError(VlSprintf("Cannot assign a %s to a %s", sourceName.c_str(), ClassName().c_str()));
}

std::string TPersistent::GetNamePath() const
{
    const TPersistent *owner = GetOwner();
    const std::string ownerPath = owner ? owner->GetNamePath() : std::string();
    return ownerPath.empty() ? ClassName() : ownerPath + "." + ClassName();
}

void TPersistent::DefineProperties(TFiler &)
{
}
