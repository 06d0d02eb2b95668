// Registers every Qt-free binding unit in a fixed order.
#include "VlInterpreter_all.h"

#include "VlInterpreterObjectModel.h"

void VlRegisterAllBindings(TVlInterpreterAdapter &adapter)
{
    adapter.SetObjectModel(std::make_shared<TVlRtlObjectModel>());
    VlRegisterSystem(adapter);
    VlRegisterSysUtils(adapter);
    VlRegisterClasses(adapter);
    VlRegisterWindows(adapter);
}
