// The window's interpreter program and its own host names.
#include "VlWindowProgram.h"

#include "interpreter/VlInterpreter.h"
#include "interpreter/bindings/VlInterpreterBindingTable.h"
#include "interpreter/bindings/VlInterpreter_Classic.h"
#include "interpreter/bindings/VlInterpreterObjectModel.h"
#include "interpreter/bindings/VlInterpreter_Console.h"
#include "interpreter/forms/VlInterpreterFm.h"

namespace {

// A program class whose own adapter gets the window's names back after every reset, and whose
// routines called from outside a run go through the window.
template <class TProgram>
class TVlWindowProgram : public TProgram {
public:
    TVlWindowProgram(TVlRegisterNames registerNames, TVlEnterRoutine enterRoutine)
        : FRegisterNames(std::move(registerNames))
        , FEnterRoutine(std::move(enterRoutine))
    {
        FRegisterNames(this->OwnAdapter());
    }

    void InvokeFunctionIn(void *instance, const std::string &unitName, const std::string &name,
                          TVlInterpreterArgs *args, const std::vector<TVlValue> &argValues,
                          TVlValue &result) override
    {
        FEnterRoutine([&] { TProgram::InvokeFunctionIn(instance, unitName, name, args, argValues, result); });
    }

protected:
    void ResetState() override
    {
        TProgram::ResetState();
        FRegisterNames(this->OwnAdapter());
    }

private:
    TVlRegisterNames FRegisterNames;
    TVlEnterRoutine FEnterRoutine;
};

// EZeroDivide.Create(text): an EZeroDivide exception object whose message is the argument as text.
void ZeroDivideCreate(TVlValue &value, TVlInterpreterArgs &args)
{
    value = VlObjectValue(new TVlExceptionObject(*VlExceptionClass("EZeroDivide"), ValueToString(args.Values[0])));
}

const TVlMemberBinding ZeroDivideMembers[] = {VlGet("Create", ZeroDivideCreate, ".")};

} // namespace

std::unique_ptr<TVlInterpreterFm> VlCreateWindowProgram(TVlRegisterNames registerNames, TVlEnterRoutine enterRoutine)
{
    auto program = std::make_unique<TVlWindowProgram<TVlInterpreterFm>>(std::move(registerNames), std::move(enterRoutine));
    VlUseClassicDialect(*program);  // learners' programs run as classic Pascal runs them
    return program;
}

void VlRegisterWindowNames(TVlInterpreterAdapter &adapter, TVlConsole &console)
{
    VlRegisterConsole(adapter, console);
    VlRegisterMembers(adapter, *VlExceptionClass("EZeroDivide"), ZeroDivideMembers);
}
