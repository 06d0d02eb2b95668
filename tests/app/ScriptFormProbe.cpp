// The script forms alive in the process.
#include "ScriptFormProbe.h"

#include "components/VlApplication.h"
#include "components/VlStdCtrls.h"
#include "interpreter/forms/VlInterpreterForm.h"
#include "rtl/VlCp1251.h"

#include <QWidget>

#include <vector>

namespace {

std::vector<TVlInterpreterForm *> ScriptForms()
{
    std::vector<TVlInterpreterForm *> forms;
    for (int i = 0; i < Application().ComponentCount(); ++i)
        if (auto *form = dynamic_cast<TVlInterpreterForm *>(Application().Components(i)))
            forms.push_back(form);
    return forms;
}

TControl *Control(int form, const char *name)
{
    const std::vector<TVlInterpreterForm *> forms = ScriptForms();
    if (form < 0 || form >= static_cast<int>(forms.size()))
        return nullptr;
    return dynamic_cast<TControl *>(forms[form]->FindComponent(name));
}

QString FromScript(const std::string &text)
{
    return QString::fromStdU16String(Cp1251ToUtf16(text));
}

} // namespace

int ScriptFormCount()
{
    return static_cast<int>(ScriptForms().size());
}

QWidget *ScriptFormWindow(int form)
{
    const std::vector<TVlInterpreterForm *> forms = ScriptForms();
    return form >= 0 && form < static_cast<int>(forms.size()) ? forms[form]->Widget()->window() : nullptr;
}

QWidget *ScriptControlWidget(int form, const char *name)
{
    TControl *control = Control(form, name);
    return control ? control->Widget() : nullptr;
}

QString ScriptControlCaption(int form, const char *name)
{
    TControl *control = Control(form, name);
    return control ? FromScript(control->Caption()) : QString();
}

QString ScriptEditText(int form, const char *name)
{
    auto *edit = dynamic_cast<TEdit *>(Control(form, name));
    return edit ? FromScript(edit->Text()) : QString();
}
