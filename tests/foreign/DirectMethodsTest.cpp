// Direct methods: native functions of a small host class called with the object first, full-width
// objects and pointers, result kinds, and errors 188-190 before the call.
#include "ForeignTestSupport.h"

#include "interpreter/VlInterpreterAdapter.h"
#include "interpreter/VlInterpreterForeign.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <memory>
#include <vector>

namespace {

struct TCounterClass {
    const char *Name;
    const TCounterClass *Parent;
};
const TCounterClass CounterBase{"TCounterBase", nullptr};
const TCounterClass Counter{"TCounter", &CounterBase};

struct TCounter {
    const TCounterClass *Class = &Counter;
    int32_t Total = 0;
};

class TCounterModel : public TVlHostObjectModel {
public:
    TVlHostClass ClassOf(void *object) const override { return static_cast<TCounter *>(object)->Class; }
    bool InheritsFrom(TVlHostClass cls, TVlHostClass ancestor) const override
    {
        for (auto *c = static_cast<const TCounterClass *>(cls); c; c = c->Parent)
            if (c == ancestor)
                return true;
        return false;
    }
    std::string ClassName(TVlHostClass cls) const override { return static_cast<const TCounterClass *>(cls)->Name; }
};

std::vector<std::unique_ptr<TCounter>> Counters;
int NativeCalls = 0;

int32_t CounterAdd(TCounter *self, int32_t amount)
{
    ++NativeCalls;
    return self->Total += amount;
}
void CounterReset(TCounter *self) { self->Total = 0; }
int32_t CounterDescribe(TCounter *self, const char *text, int32_t whole, int16_t small, int32_t flag)
{
    return self->Total + static_cast<int32_t>(std::strlen(text)) * 10000 + whole * 100 + small * 10 + flag;
}
TCounter *CounterSelf(TCounter *self) { return self; }
void *CounterAddress(TCounter *self) { return self; }
bool CounterSame(TCounter *self, TCounter *other) { return self == other; }
int32_t CounterWide(TCounter *) { return 0x12345; }
int32_t CounterFail(TCounter *) { throw EVlRuntimeError("EVlException", "the counter is broken"); }
int32_t CounterNever(TCounter *)
{
    ++NativeCalls;
    return 0;
}

void NewCounter(TVlValue &value, TVlInterpreterArgs &)
{
    Counters.push_back(std::make_unique<TCounter>());
    value = ObjectToValue(Counters.back().get());
}

template <class TFunction>
void *Entry(TFunction *function)
{
    return reinterpret_cast<void *>(function);
}

void InstallCounter(TVlInterpreterProgram &program)
{
    auto model = std::make_shared<TCounterModel>();
    auto host = std::make_shared<TVlInterpreterAdapter>();
    host->SetObjectModel(model);
    program.OwnAdapter().SetObjectModel(model);
    host->AddHostFunction("Counters", "NewCounter", NewCounter, 0, {}, varEmpty);
    const TVlHostClass base = &CounterBase;
    const uint8_t native = VlNativeCallFlag;
    host->AddDirectMethod(base, "Add", Entry(CounterAdd), 1, {varInteger}, varInteger, native);
    host->AddDirectMethod(base, "Reset", Entry(CounterReset), 0, {}, varEmpty, native);
    host->AddDirectMethod(base, "Describe", Entry(CounterDescribe), 4,
                          {varString, varInteger, varSmallint, varBoolean}, varInteger, native);
    host->AddDirectMethod(base, "Self", Entry(CounterSelf), 0, {}, varVlObject, native);
    host->AddDirectMethod(base, "Address", Entry(CounterAddress), 0, {}, varVlPointer, native);
    host->AddDirectMethod(base, "Same", Entry(CounterSame), 1, {varVlObject}, varBoolean, native);
    host->AddDirectMethod(base, "Wide", Entry(CounterWide), 0, {}, varSmallint, native);
    host->AddDirectMethod(base, "Fail", Entry(CounterFail), 0, {}, varInteger, native);
    host->AddDirectMethod(base, "NoConvention", Entry(CounterNever), 0, {}, varInteger, 0);
    host->AddDirectMethod(base, "DoubleArgument", Entry(CounterNever), 1, {varDouble}, varInteger, native);
    host->AddDirectMethod(base, "LateString", Entry(CounterNever), 3, {varInteger, varInteger, varString},
                          varInteger, native);
    host->AddDirectMethod(base, "VarArgument", Entry(CounterNever), 1, {varInteger | varByRef}, varInteger,
                          native);
    host->AddDirectMethod(base, "DoubleResult", Entry(CounterNever), 0, {}, varDouble, native);
    host->AddDirectMethod(base, "StringResult", Entry(CounterNever), 0, {}, varString, native);
    program.AddHostAdapter(host);
}

TForeignOutcome RunCounter(const std::string &statements)
{
    Counters.clear();
    NativeCalls = 0;
    return RunForeign(ForeignUnit("", "var c, d: TObject; n: Integer;", "c := NewCounter; d := NewCounter;\n" + statements),
                      InstallCounter);
}

struct TDirectCase {
    const char *Name;
    const char *Statements;
    const char *Expected;
};

const TDirectCase Cases[] = {
    {"ObjectComesFirst", "c.Add(5); d.Add(100); Result := c.Add(3)", "Integer: 8"},
    {"Procedure", "c.Add(5); Result := c.Reset; c.Add(1)", "Null: "},
    {"ArgumentsInOrderAndWidths", "c.Add(1); Result := c.Describe('abc', 4, -2, True)", "Integer: 30382"},
    {"ObjectResultKeepsTheFullPointer", "c.Self.Add(7); Result := c.Add(0)", "Integer: 7"},
    {"ObjectArgumentKeepsTheFullPointer", "Result := c.Same(c.Self) and not c.Same(d)", "Boolean: True"},
    {"PointerResultKeepsTheFullPointer", "Result := c.Same(c.Address)", "Boolean: True"},
    {"SmallintResultIsTheLow16Bits", "Result := c.Wide", "Integer: 9029"},
    {"NilArgumentIsANullPointer", "Result := c.Same(nil)", "Boolean: False"},
};

void PrintTo(const TDirectCase &c, std::ostream *os) { *os << c.Name; }

class DirectMethods : public ::testing::TestWithParam<TDirectCase> {};

TEST_P(DirectMethods, GiveTheExpectedResult)
{
    TForeignOutcome r = RunCounter(GetParam().Statements);
    EXPECT_FALSE(r.Failed) << r.Code << " " << r.Text;
    EXPECT_EQ(r.Text, GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Foreign, DirectMethods, ::testing::ValuesIn(Cases),
                         [](const auto &info) { return std::string(info.param.Name); });

struct TDirectError {
    const char *Name;
    const char *Statements;
    int32_t Code;
    const char *Message;
};

const TDirectError Errors[] = {
    {"WithoutTheConventionFlag", "Result := c.NoConvention", 190,
     "Invalid calling convention for function 'NoConvention'"},
    {"DoubleArgument", "Result := c.DoubleArgument(1.5)", 188,
     "Invalid type of argument in call to function 'DoubleArgument'"},
    {"StringBeyondTheSecondParameter", "Result := c.LateString(1, 2, 'x')", 188,
     "Invalid type of argument in call to function 'LateString'"},
    {"ByReferenceArgument", "Result := c.VarArgument(n)", 188,
     "Invalid type of argument in call to function 'VarArgument'"},
    {"DoubleResult", "Result := c.DoubleResult", 189, "Invalid type of result in call to function 'DoubleResult'"},
    {"StringResult", "Result := c.StringResult", 189, "Invalid type of result in call to function 'StringResult'"},
    {"TooManyArguments", "Result := c.Add(1, 2)", 181, "Too many actual parameters"},
};

void PrintTo(const TDirectError &c, std::ostream *os) { *os << c.Name; }

class DirectMethodErrors : public ::testing::TestWithParam<TDirectError> {};

TEST_P(DirectMethodErrors, AreRaisedBeforeTheCall)
{
    TForeignOutcome r = RunCounter(GetParam().Statements);
    EXPECT_TRUE(r.Failed);
    EXPECT_EQ(r.Code, GetParam().Code);
    EXPECT_EQ(r.Text, GetParam().Message);
    EXPECT_EQ(NativeCalls, 0);
}

INSTANTIATE_TEST_SUITE_P(Foreign, DirectMethodErrors, ::testing::ValuesIn(Errors),
                         [](const auto &info) { return std::string(info.param.Name); });

TEST(DirectMethod, AHostExceptionPassesUnchanged)
{
    TForeignOutcome r = RunCounter("Result := c.Fail");
    EXPECT_TRUE(r.Failed);
    EXPECT_EQ(r.Code, 6);
    EXPECT_EQ(r.Text, "the counter is broken");
}

TEST(DirectMethod, ObjectsAboveFourGigabytesAreTheCaseThisGuards)
{
    auto object = std::make_unique<TCounter>();
    if (reinterpret_cast<uintptr_t>(object.get()) <= UINT32_MAX)
        GTEST_SKIP() << "heap objects lie below 4 GB here";
    TVlInterpreterDMethod method;
    method.Identifier = "Self";
    method.NativeEntry = Entry(CounterSelf);
    method.ResultType = varVlObject;
    method.CallFlags = VlNativeCallFlag;
    TVlInterpreterArgs args;
    args.Obj = object.get();
    args.ObjType = varVlObject;
    TVlValue result;
    VlCallDirectMethod(method, result, args);
    EXPECT_EQ(result.Kind(), varVlObject);
    EXPECT_EQ(result.RawPointer(), object.get());
}

} // namespace
