// TVlInterpreterForm: bridges kept per component, released with the component or the form.
#include "VlInterpreterForm.h"

#include "VlInterpreterFm.h"

#include "interpreter/bindings/VlInterpreterHostEvent.h"

VL_IMPLEMENT_CLASS(TVlInterpreterForm, TForm, "VlInterpreterFm")

TVlInterpreterForm::TVlInterpreterForm(TComponent *owner) : TForm(owner) {}

TVlInterpreterForm::~TVlInterpreterForm()
{
    // OnDestroy runs here, while its bridge and the components still exist; TForm then finds no handler.
    if (CanFireEvents() && OnDestroy().IsAssigned())
        VlGuard([this] { FireNotify(OnDestroy(), "OnDestroy"); });
    SetOnDestroy(TMethod());
    Destroying();
    // The bridges clear the properties that hold them (components still live here) as they go.
    FBindings.clear();
    MethodNames.clear();
    FormVars.Clear();
    if (TVlInterpreterFm *program = OwnerProgram) {
        OwnerProgram = nullptr;
        program->FormDestroyed(this, FreeProgramWithForm);
    }
}

const std::string *TVlInterpreterForm::MethodNameOf(const TMethod &handler) const
{
    if (handler.Data != static_cast<const void *>(this))
        return nullptr;
    for (const auto &name : MethodNames)
        if (handler.Code == name.get())
            return name.get();
    return nullptr;
}

void TVlInterpreterForm::AdoptBridge(TComponent *component, std::unique_ptr<TVlInterpreterEvent> bridge)
{
    FBindings.push_back({component, std::move(bridge)});
}

void TVlInterpreterForm::DetachFromProgram()
{
    SilenceHandlers();
    OwnerProgram = nullptr;
}

void TVlInterpreterForm::SilenceHandlers()
{
    for (TBinding &binding : FBindings)
        binding.Bridge->Owner = nullptr;
}

void TVlInterpreterForm::ReleaseBridges()
{
    FBindings.clear();
}

void TVlInterpreterForm::ClearUnboundHandlers()
{
    auto clear = [this](TComponent *component) {
        for (const TPropInfo *prop : component->ClassInfo()->Properties())
            if (prop->Kind == TTypeKind::Method && prop->GetMethod && prop->SetMethod &&
                MethodNameOf(GetMethodProp(component, *prop)))
                SetMethodProp(component, *prop, TMethod());
    };
    clear(this);
    for (int i = 0; i < ComponentCount(); ++i)
        clear(Components(i));
}

void TVlInterpreterForm::Notification(TComponent *component, TOperation operation)
{
    // A component freed before the form takes its bridges along (it no longer holds them).
    if (operation == TOperation::opRemove && component != this)
        std::erase_if(FBindings, [component](const TBinding &binding) { return binding.Component == component; });
    TForm::Notification(component, operation);
}

TVlInterpreterForm *TVlInterpreterForm::FromAddress(void *address)
{
    if (!VlIsLiveObject(address))
        return nullptr;
    // Every member access asks this; the class tree answers it without a dynamic_cast.
    auto *object = static_cast<TObject *>(address);
    return object->Is<TVlInterpreterForm>() ? static_cast<TVlInterpreterForm *>(object) : nullptr;
}
