// The window's interpreter program and its own host names.
#include "VlWindowProgram.h"

#include "interpreter/VlInterpreter.h"
#include "interpreter/bindings/VlInterpreterBindingTable.h"
#include "interpreter/bindings/VlInterpreterObjectModel.h"
#include "interpreter/bindings/VlInterpreter_Console.h"

namespace {

// A program class whose own adapter gets the window's names back after every reset.
template <class TProgram>
class TVlWindowProgram : public TProgram {
public:
    explicit TVlWindowProgram(TVlRegisterNames registerNames) : FRegisterNames(std::move(registerNames))
    {
        FRegisterNames(this->OwnAdapter());
    }

protected:
    void ResetState() override
    {
        TProgram::ResetState();
        FRegisterNames(this->OwnAdapter());
    }

private:
    TVlRegisterNames FRegisterNames;
};

// EZeroDivide.Create(text): an EZeroDivide exception object whose message is the argument as text.
void ZeroDivideCreate(TVlValue &value, TVlInterpreterArgs &args)
{
    value = VlObjectValue(new TVlExceptionObject(*VlExceptionClass("EZeroDivide"), ValueToString(args.Values[0])));
}

const TVlMemberBinding ZeroDivideMembers[] = {VlGet("Create", ZeroDivideCreate, ".")};

} // namespace

std::unique_ptr<TVlInterpreterProgram> VlCreateWindowProgram(TVlRegisterNames registerNames)
{
    return std::make_unique<TVlWindowProgram<TVlInterpreterProgram>>(std::move(registerNames));
}

void VlRegisterWindowNames(TVlInterpreterAdapter &adapter, TVlConsole &console)
{
    VlRegisterConsole(adapter, console);
    VlRegisterMembers(adapter, *VlExceptionClass("EZeroDivide"), ZeroDivideMembers);
}
