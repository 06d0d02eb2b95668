// Registers the host library bindings in the GlobalAdapter, once per process.
#include "VlHostBindings.h"

#include "interpreter/VlInterpreterAdapter.h"
#include "interpreter/bindings/VlInterpreterGui_all.h"

void VlRegisterHostBindings()
{
    static const bool registered = [] {
        VlRegisterAllGuiBindings(GlobalAdapter());
        return true;
    }();
    (void)registered;
}
