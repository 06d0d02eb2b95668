// TVlInterpreterForm: the window of a script form unit, filled from its form file, holding its
// class's fields and the bridges that run its script handlers.
#pragma once

#include "components/VlForms.h"
#include "interpreter/VlInterpreterTypes.h"

#include <memory>
#include <string>
#include <vector>

class TVlInterpreterFm;
class TVlInterpreterEvent;

class TVlInterpreterForm : public TForm {
    VL_CLASS(TVlInterpreterForm)
    explicit TVlInterpreterForm(TComponent *owner = nullptr);
    // Raises OnDestroy while everything exists, frees the handler bridges and, with
    // FreeProgramWithForm, the program (once it has returned, when the form dies in its own handler).
    ~TVlInterpreterForm() override;

    // The program that loaded the form; null before loading and once that program is gone.
    TVlInterpreterFm *OwnerProgram = nullptr;
    // One copy per handler reference of the form file; a method property holds the address of its
    // copy (and the form as its object) until the handlers are bound.
    std::vector<std::unique_ptr<std::string>> MethodNames;
    TVlInterpreterVarList FormVars;
    bool FreeProgramWithForm = false;
    std::string ClassIdentifier;
    std::string UnitName;

    // The name a handler holds while the form file is being bound; null for any other handler.
    const std::string *MethodNameOf(const TMethod &handler) const;
    // Keeps the bridge made for a method property of component (the form or one it owns).
    void AdoptBridge(TComponent *component, std::unique_ptr<TVlInterpreterEvent> bridge);
    // Leaves every bridge without a program: the handlers do nothing from then on.
    void DetachFromProgram();
    // The same, while the form stays the program's (a new run of it: the routines are gone).
    void SilenceHandlers();
    // Frees the bridges of an earlier binding (the form is read again); the properties that
    // hold them are cleared.
    void ReleaseBridges();
    // Clears the handler names that no bridge replaced (a failed binding).
    void ClearUnboundHandlers();
    bool IsLoadedFromFile() const { return FLoadedFromFile; }
    void SetLoadedFromFile() { FLoadedFromFile = true; }

    void Notification(TComponent *component, TOperation operation) override;

    // The live script form an address holds; null for anything else (a freed form, another object).
    static TVlInterpreterForm *FromAddress(void *address);

private:
    struct TBinding {
        TComponent *Component;
        std::unique_ptr<TVlInterpreterEvent> Bridge;
    };
    std::vector<TBinding> FBindings;
    bool FLoadedFromFile = false;
};
