// Names in a script form's context: Self, the form's components, locals, the form's fields and its
// members, in that order; "Create" on a form value; script form classes as new forms.
#include "VlInterpreterFm.h"

#include "VlInterpreterForm.h"

#include "components/VlApplication.h"
#include "interpreter/bindings/VlInterpreterGuiApplication.h"

namespace {

int32_t AtomOf(const char *name)
{
    return VlNames().Intern(name);
}

} // namespace

TVlInterpreterFm::TInstanceScope::TInstanceScope(TVlInterpreterFm &program, void *instance)
    : Program(program), SavedInstance(program.CurrentInstance), SavedLocalsFirst(program.LocalsReadFirst)
{
    Program.CurrentInstance = instance;
    // A form's components come before the locals of its methods.
    Program.LocalsReadFirst = TVlInterpreterForm::FromAddress(instance) == nullptr;
}

TVlInterpreterFm::TInstanceScope::~TInstanceScope()
{
    Program.CurrentInstance = SavedInstance;
    Program.LocalsReadFirst = SavedLocalsFirst;
}

bool TVlInterpreterFm::GetValue(const std::string &name, int32_t atom, TVlValue &result, TVlInterpreterArgs &args)
{
    if (!atom)
        atom = VlNames().Intern(name);
    if (args.Obj && args.ObjType == varVlObject) {
        // 2. A member of a form value.
        if (TVlInterpreterForm *form = TVlInterpreterForm::FromAddress(args.Obj))
            return ReadFormMember(*form, name, atom, result, args);
    } else if (!args.Obj) {
        // 1. A plain name inside a form's method.
        if (TVlInterpreterForm *form = TVlInterpreterForm::FromAddress(CurrentInstance))
            if (ReadInForm(*form, name, atom, result, args, true))
                return true;
        // 3. A script class: a new, empty form of that class.
        if (MakeScriptClassForm(name, result))
            return true;
    }
    // 4. The ordinary lookup.
    return TVlInterpreterProgram::GetValue(name, atom, result, args);
}

bool TVlInterpreterFm::ClaimsMembersOf(void *object) const
{
    return TVlInterpreterForm::FromAddress(object) != nullptr;
}

bool TVlInterpreterFm::ReadInForm(TVlInterpreterForm &form, const std::string &name, int32_t atom, TVlValue &result,
                                  TVlInterpreterArgs &args, bool withLocals)
{
    static const int32_t selfAtom = AtomOf("Self");
    if (atom == selfAtom) {
        result = ObjectToValue(&form);
        return true;
    }
    if (TComponent *component = form.FindComponent(name)) {
        result = ObjectToValue(component);
        return true;
    }
    if (withLocals)
        if (TRoutineFrame *frame = CurrentFrame())
            if (TVlInterpreterVar *var = frame->Vars.LookupAtom(0, atom)) {
                result = var->Value;
                return true;
            }
    if (TVlInterpreterVar *field = form.FormVars.LookupAtom(0, atom)) {
        result = field->Value;
        return true;
    }
    // A member of the form: its properties, registered members and script methods.
    void *savedObj = args.Obj;
    uint16_t savedType = args.ObjType;
    args.Obj = &form;
    args.ObjType = varVlObject;
    bool found = false;
    try {
        found = TVlInterpreterProgram::GetValue(name, atom, result, args) || CallFormMethod(form, name, result, args);
    } catch (...) {
        args.Obj = savedObj;
        args.ObjType = savedType;
        throw;
    }
    args.Obj = savedObj;
    args.ObjType = savedType;
    return found;
}

bool TVlInterpreterFm::ReadFormMember(TVlInterpreterForm &form, const std::string &name, int32_t atom,
                                      TVlValue &result, TVlInterpreterArgs &args)
{
    static const int32_t createAtom = AtomOf("Create");
    if (atom == createAtom) {
        // The owner the constructor names (Application, a form, nil); another kind of value gives none.
        if (args.Count > 1)
            RaiseError(erTooManyParams, -1);
        TComponent *owner = nullptr;
        if (args.Count == 1 && args.Values[0].Kind() == varVlObject)
            if (void *object = ValueToObject(args.Values[0]); VlIsLiveObject(object))
                owner = dynamic_cast<TComponent *>(static_cast<TObject *>(object));
        CreateScriptForm(form, owner);
        result = ObjectToValue(&form);
        return true;
    }
    // As inside one of its methods, without the caller's locals (they are no members of the form).
    args.Obj = nullptr;
    args.ObjType = 0;
    bool found = false;
    try {
        found = ReadInForm(form, name, atom, result, args, false);
    } catch (...) {
        args.Obj = &form;
        args.ObjType = varVlObject;
        throw;
    }
    args.Obj = &form;
    args.ObjType = varVlObject;
    return found;
}

bool TVlInterpreterFm::CallFormMethod(TVlInterpreterForm &form, const std::string &name, TVlValue &result,
                                      TVlInterpreterArgs &args)
{
    // A form made by another program (a form function's) has its methods there.
    if (form.OwnerProgram && form.OwnerProgram != this) {
        TVlInterpreterFm &owner = *form.OwnerProgram;
        TRunScope run(owner);
        return owner.CallFormMethod(form, name, result, args);
    }
    const TVlInterpreterFunctionDesc *desc = OwnAdapter().FindSourceFunction(form.UnitName, name, form.ClassIdentifier);
    if (!desc || desc->ClassIdentifier.empty())
        return false;
    TVlInterpreterAdapter::CheckArgs(desc->ParamCount, desc->ParamTypes, args);
    TInstanceScope scope(*this, &form);
    TVlInterpreterArgs *savedArgs = Args;
    Args = &args;
    try {
        InterpretRoutine(*desc);
    } catch (...) {
        Args = savedArgs;
        throw;
    }
    Args = savedArgs;
    result = ResultValue;
    return true;
}

bool TVlInterpreterFm::MakeScriptClassForm(const std::string &name, TVlValue &result)
{
    if (OwnAdapter().SrcClasses.empty())
        return false;
    TVlInterpreterSrcClass *cls = OwnAdapter().FindSourceClass(name);
    if (!cls)
        return false;
    VlEnsureGuiApplication();
    auto *form = new TVlInterpreterForm(&Application());
    form->ClassIdentifier = cls->Identifier;
    result = ObjectToValue(form);
    return true;
}

void TVlInterpreterFm::CreateScriptForm(TVlInterpreterForm &form, TComponent *owner)
{
    if (form.Owner() != owner) {
        if (form.Owner())
            form.Owner()->RemoveComponent(&form);
        if (owner)
            owner->InsertComponent(&form);
    }
    if (TVlInterpreterSrcClass *cls = OwnAdapter().FindSourceClass(form.ClassIdentifier))
        form.UnitName = cls->UnitName;
    try {
        LoadForm(&form);
    } catch (...) {
        delete &form;
        throw;
    }
}

bool TVlInterpreterFm::WriteFormField(TVlInterpreterForm &form, int32_t atom, const TVlValue &value)
{
    TVlInterpreterVar *field = form.FormVars.LookupAtom(0, atom);
    if (!field)
        return false;
    try {
        TVlInterpreterVarList::StoreInto(*field, value);
    } catch (...) {
        RecordFailure(std::current_exception(), form.UnitName);
        throw;
    }
    return true;
}

TVlInterpreterForm *TVlInterpreterFm::MethodsForm(int32_t atom)
{
    TVlInterpreterForm *form = TVlInterpreterForm::FromAddress(CurrentInstance);
    if (!form)
        return nullptr;
    TRoutineFrame *frame = CurrentFrame();
    return frame && frame->Vars.LookupAtom(0, atom) ? nullptr : form;
}

void *TVlInterpreterFm::ImplicitWriteTarget(int32_t atom)
{
    TVlInterpreterForm *form = MethodsForm(atom);
    return form && !form->FormVars.LookupAtom(0, atom) ? form : nullptr;
}

bool TVlInterpreterFm::SetValue(const std::string &name, int32_t atom, const TVlValue &value, TVlInterpreterArgs &args)
{
    if (!atom)
        atom = VlNames().Intern(name);
    if (args.Obj && args.ObjType == varVlObject) {
        // 2. A field of a form value; otherwise the ordinary write (its properties).
        if (TVlInterpreterForm *form = TVlInterpreterForm::FromAddress(args.Obj))
            if (WriteFormField(*form, atom, value))
                return true;
    } else if (!args.Obj) {
        // 1. Inside a form's method: a local, a field of the form, a member of the form.
        if (TVlInterpreterForm *form = MethodsForm(atom)) {
            if (WriteFormField(*form, atom, value))
                return true;
            bool written = false;
            {
                TVlMemberTarget target(args, form, varVlObject);
                written = TVlInterpreterProgram::SetValue(name, atom, value, args);
            }
            if (written)
                return true;
        }
    }
    // 3. The ordinary write.
    return TVlInterpreterProgram::SetValue(name, atom, value, args);
}

void *TVlInterpreterFm::FormContextFor(void *instance, const std::string &unitName, const std::string &name)
{
    if (!VlIsLiveObject(instance) || TVlInterpreterForm::FromAddress(instance))
        return instance;
    // A component raising an event whose handler is a method: the form the component sits on.
    auto *component = dynamic_cast<TComponent *>(static_cast<TObject *>(instance));
    if (!component)
        return instance;
    const TVlInterpreterFunctionDesc *desc = OwnAdapter().FindSourceFunction(unitName, name, std::string());
    if (!desc || desc->ClassIdentifier.empty())
        return instance;
    for (TComponent *owner = component->Owner(); owner; owner = owner->Owner())
        if (auto *form = dynamic_cast<TVlInterpreterForm *>(owner))
            return form;
    return instance;
}

void TVlInterpreterFm::InvokeFunctionIn(void *instance, const std::string &unitName, const std::string &name,
                                        TVlInterpreterArgs *args, const std::vector<TVlValue> &argValues,
                                        TVlValue &result)
{
    TRunScope run(*this);
    void *context = FormContextFor(instance, unitName, name);
    const bool savedLocalsFirst = LocalsReadFirst;
    LocalsReadFirst = TVlInterpreterForm::FromAddress(context) == nullptr;
    try {
        TVlInterpreterProgram::InvokeFunctionIn(context, unitName, name, args, argValues, result);
    } catch (...) {
        LocalsReadFirst = savedLocalsFirst;
        throw;
    }
    LocalsReadFirst = savedLocalsFirst;
}
