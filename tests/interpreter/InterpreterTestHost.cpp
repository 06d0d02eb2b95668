// A small host for interpreter tests: a class tree with exceptions and a list.
#include "InterpreterTestHost.h"

#include "interpreter/bindings/VlInterpreter_Classic.h"
#include "interpreter/bindings/VlInterpreter_Console.h"
#include "interpreter/bindings/VlInterpreter_all.h"

#include <fstream>
#include <sstream>

const TTestClass TestTObject{"TObject", nullptr};
const TTestClass TestException{"Exception", &TestTObject};
const TTestClass TestEDivByZero{"EDivByZero", &TestException};
const TTestClass TestEConvertError{"EConvertError", &TestException};
const TTestClass TestERangeError{"ERangeError", &TestException};
const TTestClass TestTList{"TList", &TestTObject};

namespace {

// A raised script exception owns its object, which lives until the exception is handled.
struct TTestRaise : std::exception {
    explicit TTestRaise(TTestObject *object) : Owned(object), Object(object) {}
    const char *what() const noexcept override { return Object->Message.c_str(); }
    std::shared_ptr<TTestObject> Owned;
    TTestObject *Object;
};

class TTestModel : public TTestClassModel {
public:
    void FreeObject(void *object) const override { delete static_cast<TTestObject *>(object); }
    [[noreturn]] void RaiseObject(void *object) const override { throw TTestRaise(static_cast<TTestObject *>(object)); }
    void *ExceptionObject(const std::exception_ptr &error) const override
    {
        try {
            std::rethrow_exception(error);
        } catch (const TTestRaise &raised) {
            return raised.Object;
        } catch (const EVlRuntimeError &e) {
            const TTestClass *cls = e.ClassName == "EDivByZero"      ? &TestEDivByZero
                                    : e.ClassName == "EConvertError" ? &TestEConvertError
                                    : e.ClassName == "ERangeError"   ? &TestERangeError
                                                                     : &TestException;
            return Keep(cls, e.what());
        } catch (const std::exception &e) {
            return Keep(&TestException, e.what());
        } catch (...) {
            return nullptr;
        }
    }

private:
    void *Keep(const TTestClass *cls, const std::string &message) const
    {
        auto object = std::make_unique<TTestObject>();
        object->Class = cls;
        object->Message = message;
        Kept.push_back(std::move(object));
        return Kept.back().get();
    }
    mutable std::vector<std::unique_ptr<TTestObject>> Kept;
};

TTestObject *Target(TVlInterpreterArgs &args) { return static_cast<TTestObject *>(args.Obj); }

void ExceptionCreate(TVlValue &value, TVlInterpreterArgs &args)
{
    auto *object = new TTestObject;
    object->Class = static_cast<const TTestClass *>(args.Obj);
    object->Message = ValueToString(args.Values[0]);
    value = ObjectToValue(object);
}

void ExceptionMessage(TVlValue &value, TVlInterpreterArgs &args) { value = TVlValue::String(Target(args)->Message); }

void ListCreate(TVlValue &value, TVlInterpreterArgs &)
{
    auto *object = new TTestObject;
    object->Class = &TestTList;
    value = ObjectToValue(object);
}

void ListAdd(TVlValue &value, TVlInterpreterArgs &args)
{
    Target(args)->Items.push_back(ValueToInteger(args.Values[0]));
    value = TVlValue::Integer(static_cast<int32_t>(Target(args)->Items.size()) - 1);
}

void ListCount(TVlValue &value, TVlInterpreterArgs &args)
{
    value = TVlValue::Integer(static_cast<int32_t>(Target(args)->Items.size()));
}

void ListGetItem(TVlValue &value, TVlInterpreterArgs &args)
{
    value = TVlValue::Integer(Target(args)->Items.at(static_cast<size_t>(ValueToInteger(args.Values[0]))));
}

void ListSetItem(const TVlValue &value, TVlInterpreterArgs &args)
{
    Target(args)->Items.at(static_cast<size_t>(ValueToInteger(args.Values[0]))) = ValueToInteger(value);
}

void ListSetCount(const TVlValue &value, TVlInterpreterArgs &args)
{
    Target(args)->Items.resize(static_cast<size_t>(ValueToInteger(value)));
}

void Swap(TVlValue &, TVlInterpreterArgs &args)
{
    std::swap(args.Values[0], args.Values[1]);
}

void Describe(TVlValue &value, TVlInterpreterArgs &args)
{
    std::string text;
    for (int i = 0; i < args.Count; ++i)
        text += ValueToString(args.Values[i]) + ":" + std::to_string(args.Widths[i]) + ":" +
                std::to_string(args.Decimals[i]) + ";";
    value = TVlValue::String(text);
}

void StrLength(TVlValue &value, TVlInterpreterArgs &args)
{
    value = TVlValue::Integer(static_cast<int32_t>(ValueToString(args.Values[0]).size()));
}

void IntText(TVlValue &value, TVlInterpreterArgs &args)
{
    value = TVlValue::String(std::to_string(ValueToInteger(args.Values[0])));
}

} // namespace

void InstallTestHost(TVlInterpreterProgram &program)
{
    auto model = std::make_shared<TTestModel>();
    auto host = std::make_shared<TVlInterpreterAdapter>();
    host->SetObjectModel(model);
    program.OwnAdapter().SetObjectModel(model);
    for (const TTestClass *cls : {&TestTObject, &TestException, &TestEDivByZero, &TestEConvertError,
                                  &TestERangeError, &TestTList})
        host->AddClassType("TestUnit", cls, cls->Name);
    for (const TTestClass *cls : {&TestException, &TestEDivByZero, &TestEConvertError, &TestERangeError})
        host->AddGetter(cls, "Create", ExceptionCreate, 1, {varEmpty}, varEmpty);
    host->AddGetter(&TestException, "Message", ExceptionMessage, 0, {}, varEmpty);
    host->AddGetter(&TestTList, "Create", ListCreate, 0, {}, varEmpty);
    host->AddGetter(&TestTList, "Add", ListAdd, 1, {varEmpty}, varEmpty);
    host->AddGetter(&TestTList, "Count", ListCount, 0, {}, varEmpty);
    host->AddSetter(&TestTList, "Count", ListSetCount, 0, {});
    host->AddIndexedGetter(&TestTList, "Items", ListGetItem, 1, {varEmpty}, varEmpty);
    host->AddIndexedSetter(&TestTList, "Items", ListSetItem, 1, {varEmpty});
    host->AddDefaultGetter(&TestTList, ListGetItem, 1, {varEmpty}, varEmpty);
    host->AddDefaultSetter(&TestTList, ListSetItem, 1, {varEmpty});
    host->AddHostFunction("TestUnit", "Swap", Swap, 2, {varByRef, varByRef}, varEmpty);
    host->AddHostFunction("TestUnit", "Describe", Describe, -1, {}, varEmpty);
    host->AddFormattedArgs("Describe");
    host->AddHostFunction("TestUnit", "StrLen", StrLength, 1, {varEmpty}, varEmpty);
    host->AddHostFunction("TestUnit", "IntToStr", IntText, 1, {varEmpty}, varEmpty);
    host->AddConstant("TestUnit", "Answer", TVlValue::Integer(42));
    program.AddHostAdapter(host);
}

std::string ResultText(const TVlValue &value)
{
    if (value.IsScriptArray() || value.IsVariantArray())
        return VlKindName(value.Kind());
    if (value.Kind() == varVlObject || value.Kind() == varVlClass || value.Kind() == varVlPointer)
        return VlKindName(value.Kind()) + (value.RawPointer() ? ": set" : ": nil");
    if (value.Kind() == varVlSet)
        return "Set: " + std::to_string(value.RawSet());
    if (value.IsRecord())
        return "Record: " + value.RawRecord()->RecordName;
    return VlKindName(value.Kind()) + ": " + ValueToString(value);
}

static std::string WithCrLf(const std::string &text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            out += '\r';
        out += text[i];
    }
    return out;
}

static TRunResult RunProgram(TVlInterpreterProgram &program, const std::string &source, bool observe);

TRunResult RunWithOptions(const std::string &source, const TRunOptions &options)
{
    TVlInterpreterProgram program;
    return RunWithOptionsOn(program, source, options);
}

TRunResult RunWithOptionsOn(TVlInterpreterProgram &program, const std::string &source, const TRunOptions &options)
{
    InstallTestHost(program);
    program.StatementBudget = options.Budget;
    program.DirectStatements = options.Direct;
    if (options.Classic)
        VlUseClassicDialect(program);
    std::string unitDir = options.UnitDir;
    program.OnGetUnitSource = [unitDir](TVlInterpreterUnit &, const std::string &name, std::string &text, bool &done) {
        std::ifstream in(unitDir + "/" + name + ".pas", std::ios::binary);
        if (!in)
            return;
        std::stringstream buffer;
        buffer << in.rdbuf();
        text = WithCrLf(buffer.str());
        done = true;
    };
    return RunProgram(program, source, options.Observe);
}

static void RegisterBindingsOnce()
{
    static bool registered = (VlRegisterAllBindings(GlobalAdapter()), true);
    (void)registered;
}

TRunResult RunWithBindings(const std::string &source)
{
    return RunWithBindingsInDialect(source, false);
}

TRunResult RunWithBindingsInDialect(const std::string &source, bool classic)
{
    RegisterBindingsOnce();
    TVlInterpreterProgram program;
    if (classic)
        VlUseClassicDialect(program);
    return RunProgram(program, source, false);
}

namespace {

// A program whose own adapter gets the console routines back after every reset.
class TConsoleProgram : public TVlInterpreterProgram {
public:
    explicit TConsoleProgram(TVlConsole &console) : Console(console) {}

protected:
    void ResetState() override
    {
        TVlInterpreterProgram::ResetState();
        VlRegisterConsole(OwnAdapter(), Console);
    }

private:
    TVlConsole &Console;
};

} // namespace

TRunResult RunConsoleProgram(const std::string &source, const TRunOptions &options, const std::string &input)
{
    RegisterBindingsOnce();
    std::istringstream in(input);
    std::ostringstream out;
    TVlConsole console{&in, &out};
    TConsoleProgram program(console);
    program.StatementBudget = options.Budget;
    program.DirectStatements = options.Direct;
    if (options.Classic) {
        VlUseClassicDialect(program);
        VlRestartRandom();
    }
    TRunResult result = RunProgram(program, source, options.Observe);
    result.Output = out.str();
    return result;
}

static TRunResult RunProgram(TVlInterpreterProgram &program, const std::string &source, bool observe)
{
    TRunResult result;
    if (observe)
        program.OnStatement = [&result](TVlInterpreterProgram &sender) { result.Trace.push_back(sender.ReaderPos()); };
    program.SetSourceText(WithCrLf(source));
    try {
        program.Execute();
        result.Message = ResultText(program.ResultValue);
    } catch (const EVlInterpreterError &e) {
        result.Failed = true;
        result.Code = e.Code;
        result.Position = e.Position;
        result.Message = e.Message;
    } catch (...) {
        result.Failed = true;
        result.Code = program.LastFailure.Code;
        result.Position = program.LastFailure.Position;
        result.Message = program.LastFailure.Message;
    }
    result.BudgetLeft = program.StatementBudget;
    return result;
}
