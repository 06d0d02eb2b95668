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

void VlEndModalScriptForms()
{
    for (int i = Application().ComponentCount() - 1; i >= 0; --i)
        if (auto *form = dynamic_cast<TForm *>(Application().Components(i)); form && form->IsModal())
            form->SetModalResult(mrCancel);
}

void VlFreeScriptObjects()
{
    VlFreeApplicationComponents();
}
