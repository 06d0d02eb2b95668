// Event bridges of the binding units: safe calls and detaching from the property on destruction.
#include "VlInterpreterHostEvent.h"

#include "interpreter/VlInterpreter.h"
#include "rtl/VlObject.h"

TVlInterpreterHostEvent::~TVlInterpreterHostEvent()
{
    void *holder = Holder ? Holder : Object;
    if (!VlIsLiveObject(holder))
        return;
    // A live object at that address holding this bridge is the one it was set on: the bridge's
    // address cannot have been reused while it lives.
    auto *object = static_cast<TObject *>(holder);
    const TPropInfo *prop = object->ClassInfo()->FindProperty(PropertyName);
    if (!prop || prop->Kind != TTypeKind::Method || !prop->GetMethod || !prop->SetMethod)
        return;
    if (GetMethodProp(object, *prop).Data == static_cast<TVlInterpreterEvent *>(this))
        SetMethodProp(object, *prop, TMethod());
}

TVlValue TVlInterpreterHostEvent::Call(void *bridge, TVlInterpreterArgs &args)
{
    auto *self = static_cast<TVlInterpreterEvent *>(bridge);
    TVlValue result = TVlValue::Null();
    TVlInterpreterProgram *owner = self->Owner;
    if (!owner)
        return result;
    // Copies: the bridge may not outlive the routine it calls.
    void *object = self->Object;
    const std::string unitName = self->UnitName;
    const std::string routineName = self->RoutineName;
    owner->InvokeFunctionIn(object, unitName, routineName, &args, {}, result);
    return result;
}
