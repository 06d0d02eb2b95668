// Host functions that make a new script form program for a file: modal and modeless forms, units.
#include "VlInterpreterFmFunctions.h"

#include "VlInterpreterFm.h"
#include "VlInterpreterForm.h"

#include <memory>

namespace {

// A new program; a script form program calling the function makes it with its own host (units,
// form files, the console), so that the form's unit is found and runs as the caller would.
std::unique_ptr<TVlInterpreterFm> NewProgram(const TVlInterpreterArgs &a)
{
    if (auto *caller = dynamic_cast<TVlInterpreterFm *>(a.Caller))
        return caller->NewFormProgram();
    return std::make_unique<TVlInterpreterFm>();
}

std::string FileArg(const TVlInterpreterArgs &a)
{
    return ValueToString(a.Values[0]);
}

void RunFormModal(TVlValue &r, TVlInterpreterArgs &a)
{
    std::unique_ptr<TVlInterpreterFm> program = NewProgram(a);
    r = TVlValue::Integer(program->RunFormModal(FileArg(a)));
}

// The form keeps the program alive from here on, and frees it when it goes.
void KeepWithForm(std::unique_ptr<TVlInterpreterFm> program, TVlInterpreterForm *form, TVlValue &r)
{
    if (!form) {
        r = ObjectToValue(nullptr);
        return;
    }
    form->FreeProgramWithForm = true;
    program.release();
    r = ObjectToValue(form);
}

void RunForm(TVlValue &r, TVlInterpreterArgs &a)
{
    std::unique_ptr<TVlInterpreterFm> program = NewProgram(a);
    TVlInterpreterForm *form = program->RunForm(FileArg(a));
    KeepWithForm(std::move(program), form, r);
}

void MakeForm(TVlValue &r, TVlInterpreterArgs &a)
{
    std::unique_ptr<TVlInterpreterFm> program = NewProgram(a);
    TVlInterpreterForm *form = program->MakeForm(FileArg(a));
    KeepWithForm(std::move(program), form, r);
}

void RunUnit(TVlValue &r, TVlInterpreterArgs &a)
{
    std::unique_ptr<TVlInterpreterFm> program = NewProgram(a);
    program->RunUnitFile(FileArg(a));
    r = TVlValue();
}

} // namespace

void VlRegisterFormFunctions(TVlInterpreterAdapter &adapter)
{
    const struct {
        const char *Name;
        THostGetProc Func;
    } functions[] = {
        {"VlInterpreterRunFormModal", RunFormModal},
        {"VlInterpreterRunForm", RunForm},
        {"VlInterpreterMakeForm", MakeForm},
        {"VlInterpreterRunUnit", RunUnit},
    };
    for (const auto &f : functions)
        adapter.AddHostFunction("VlInterpreterFm", f.Name, f.Func, 1, TVlKinds{varString}, varEmpty);
}
