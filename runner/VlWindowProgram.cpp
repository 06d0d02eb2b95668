// The window's interpreter program and its own host names.
#include "VlWindowProgram.h"

#include "interpreter/VlInterpreter.h"
#include "interpreter/bindings/VlInterpreterBindingTable.h"
#include "interpreter/bindings/VlInterpreterObjectModel.h"
#include "interpreter/bindings/VlInterpreter_Console.h"

namespace {

// EZeroDivide.Create(text): an EZeroDivide exception object whose message is the argument as text.
void ZeroDivideCreate(TVlValue &value, TVlInterpreterArgs &args)
{
    value = VlObjectValue(new TVlExceptionObject(*VlExceptionClass("EZeroDivide"), ValueToString(args.Values[0])));
}

const TVlMemberBinding ZeroDivideMembers[] = {VlGet("Create", ZeroDivideCreate, ".")};

} // namespace

std::unique_ptr<TVlInterpreterProgram> VlCreateWindowProgram()
{
    return std::make_unique<TVlInterpreterProgram>();
}

std::shared_ptr<TVlInterpreterAdapter> VlCreateWindowAdapter(TVlConsole &console)
{
    auto adapter = std::make_shared<TVlInterpreterAdapter>();
    VlRegisterConsole(*adapter, console);
    VlRegisterMembers(*adapter, *VlExceptionClass("EZeroDivide"), ZeroDivideMembers);
    return adapter;
}
