// The window's interpreter program and its own host names.
#include "VlWindowProgram.h"

#include "interpreter/VlInterpreter.h"
#include "interpreter/bindings/VlInterpreterBindingTable.h"
#include "interpreter/bindings/VlInterpreter_Classic.h"
#include "interpreter/bindings/VlInterpreterObjectModel.h"
#include "interpreter/bindings/VlInterpreter_Console.h"
#include "interpreter/forms/VlInterpreterFm.h"

namespace {

// A program whose own adapter gets the window's names back after every reset, whose routines
// called from outside a run go through the window, and whose scripts' forms run in programs like it.
class TVlWindowProgram : public TVlInterpreterFm {
public:
    TVlWindowProgram(TVlRegisterNames registerNames, TVlEnterRoutine enterRoutine,
                     std::shared_ptr<TVlWindowPrograms> programs)
        : FRegisterNames(std::move(registerNames))
        , FEnterRoutine(std::move(enterRoutine))
        , FPrograms(std::move(programs))
    {
        VlUseClassicDialect(*this);  // learners' programs run as classic Pascal runs them
        FRegisterNames(OwnAdapter());
        FPrograms->Add(*this);
    }
    ~TVlWindowProgram() override { FPrograms->Remove(*this); }

    void InvokeFunctionIn(void *instance, const std::string &unitName, const std::string &name,
                          TVlInterpreterArgs *args, const std::vector<TVlValue> &argValues,
                          TVlValue &result) override
    {
        FEnterRoutine([&] { TVlInterpreterFm::InvokeFunctionIn(instance, unitName, name, args, argValues, result); });
    }

    std::unique_ptr<TVlInterpreterFm> NewFormProgram() override
    {
        auto program = std::make_unique<TVlWindowProgram>(FRegisterNames, FEnterRoutine, FPrograms);
        program->InheritHost(*this);
        return program;
    }

protected:
    void ResetState() override
    {
        TVlInterpreterFm::ResetState();
        FRegisterNames(OwnAdapter());
    }

private:
    TVlRegisterNames FRegisterNames;
    TVlEnterRoutine FEnterRoutine;
    std::shared_ptr<TVlWindowPrograms> FPrograms;
};

// EZeroDivide.Create(text): an EZeroDivide exception object whose message is the argument as text.
void ZeroDivideCreate(TVlValue &value, TVlInterpreterArgs &args)
{
    value = VlObjectValue(new TVlExceptionObject(*VlExceptionClass("EZeroDivide"), ValueToString(args.Values[0])));
}

const TVlMemberBinding ZeroDivideMembers[] = {VlGet("Create", ZeroDivideCreate, ".")};

} // namespace

void TVlWindowPrograms::RequestInterrupts()
{
    std::lock_guard<std::mutex> lock(FLock);
    for (TVlInterpreterFunction *program : FPrograms)
        program->RequestInterrupt();
}

void TVlWindowPrograms::Add(TVlInterpreterFunction &program)
{
    std::lock_guard<std::mutex> lock(FLock);
    FPrograms.push_back(&program);
}

void TVlWindowPrograms::Remove(TVlInterpreterFunction &program)
{
    std::lock_guard<std::mutex> lock(FLock);
    std::erase(FPrograms, &program);
}

std::unique_ptr<TVlInterpreterFm> VlCreateWindowProgram(TVlRegisterNames registerNames, TVlEnterRoutine enterRoutine,
                                                        std::shared_ptr<TVlWindowPrograms> programs)
{
    return std::make_unique<TVlWindowProgram>(std::move(registerNames), std::move(enterRoutine), std::move(programs));
}

void VlRegisterWindowNames(TVlInterpreterAdapter &adapter, TVlConsole &console)
{
    VlRegisterConsole(adapter, console);
    VlRegisterMembers(adapter, *VlExceptionClass("EZeroDivide"), ZeroDivideMembers);
}
