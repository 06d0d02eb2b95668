// Registers every binding unit, the window-framework ones after the Qt-free ones, in a fixed order.
#include "VlInterpreterGui_all.h"

#include "VlInterpreterGuiEvents.h"
#include "VlInterpreter_all.h"

#include "components/db/VlDbRegister.h"
#include "interpreter/forms/VlInterpreterFmFunctions.h"

void VlRegisterAllGuiBindings(TVlInterpreterAdapter &adapter)
{
    VlRegisterAllBindings(adapter);
    VlRegisterGraphics(adapter);
    VlRegisterControls(adapter);
    VlRegisterButtons(adapter);
    VlRegisterStdCtrls(adapter);
    VlRegisterComCtrls(adapter);
    VlRegisterExtCtrls(adapter);
    VlRegisterForms(adapter);
    VlRegisterDialogs(adapter);
    VlRegisterMenus(adapter);
    VlRegisterGrids(adapter);
    RegisterDbComponents();
    VlRegisterDb(adapter);
    VlRegisterDbTables(adapter);
    VlRegisterDbCtrls(adapter);
    VlRegisterDbGrids(adapter);
    VlRegisterVlEditor(adapter);
    VlRegisterFormFunctions(adapter);
    VlInstallScriptEventDispatcher();
}
