// Script forms for the harness.
#include "VlScriptForms.h"

#include "components/VlApplication.h"
#include "interpreter/bindings/VlInterpreterBindingTable.h"
#include "interpreter/forms/VlInterpreterFm.h"
#include "interpreter/forms/VlInterpreterForm.h"

TVlValue VlRunScriptForm(TVlInterpreterFm &program, const std::string &fileName)
{
    return VlObjectValue(program.RunForm(fileName));
}

void VlFreeScriptObjects()
{
    VlFreeApplicationComponents();
}
