// Scripts calling libc and the test library through "external" declarations: marshalling by
// declared kind, by-reference write-back, result kinds, errors 184-187 at their moments, and the
// library released after every call.
#include "ForeignTestSupport.h"

#include "interpreter/VlInterpreterAdapter.h"
#include "interpreter/VlInterpreterForeign.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cerrno>

namespace {

const char *LibC = "function strlen(s: PChar): Integer; external 'libc.so.6' name 'strlen';\n"
                   "function abs(n: Integer): Integer; external 'libc.so.6' name 'abs';\n"
                   "function atoi(s: string): Integer; external 'libc.so.6' name 'atoi';\n"
                   "function toupper(c: Integer): Integer; external 'libc.so.6' name 'toupper';\n"
                   "procedure srand(seed: Integer); external 'libc.so.6' name 'srand';\n"
                   "function rand: Integer; external 'libc.so.6' name 'rand';\n";

const char *TestLib =
    "function AddInto(var target: Integer; amount: Integer): Integer; external 'vlffitest.dll' name 'AddInto';\n"
    "procedure SetSmall(var target: Smallint; value: Smallint); external 'vlffitest.dll' name 'SetSmall';\n"
    "procedure Toggle(var flag: Boolean); external 'vlffitest.dll' name 'Toggle';\n"
    "procedure Remember(value: Integer); external 'vlffitest.dll' name 'Remember';\n"
    "function Recall: Integer; external 'vlffitest.dll' name 'Recall';\n"
    "function Mix(a: Smallint; b: Integer; const s: string; f: Boolean): Integer; external 'vlffitest.dll' name 'Mix';\n"
    "function WideSmall: Smallint; external 'vlffitest.dll' name 'Wide';\n"
    "function MinusOneWord: Word; external 'vlffitest.dll' name 'MinusOne';\n"
    "function Flag(b: Boolean): Integer; external 'vlffitest.dll' name 'Flag';\n"
    "function LowByte(n: Integer): Boolean; external 'vlffitest.dll' name 'Flag';\n"
    "function Scribble(s: PChar): Integer; external 'vlffitest.dll' name 'Scribble';\n"
    "function FirstByte(s: PChar): Integer; external 'vlffitest.dll' name 'FirstByte';\n";

struct TScriptCase {
    const char *Name;
    const char *Locals;
    const char *Statements;
    const char *Expected;
};

const TScriptCase Cases[] = {
    {"StrlenCountsCp1251Bytes", "", "Result := strlen('Привет, мир')", "Integer: 11"},
    {"AbsTakesANegativeInteger", "", "Result := abs(-42)", "Integer: 42"},
    {"AtoiReadsAStringCopy", "", "Result := atoi('123abc')", "Integer: 123"},
    {"ToupperOfACharacterCode", "", "Result := toupper(113)", "Integer: 81"},
    {"ProcedureThenFunction", "var a, b: Integer;",
     "srand(7); a := rand; srand(7); b := rand; Result := a = b", "Boolean: True"},
    {"IntegerByReferenceIsWrittenBack", "var n: Integer;", "n := 5; Result := AddInto(n, 3) * 100 + n",
     "Integer: 808"},
    {"ByReferenceGivenAnExpressionStillCalls", "", "Result := AddInto(5, 3)", "Integer: 8"},
    {"SmallintByReferenceIsWrittenBack", "var s: Smallint;", "s := 1; SetSmall(s, -2); Result := s",
     "Smallint: -2"},
    {"BooleanByReferenceIsWrittenBack", "var b: Boolean;", "b := False; Toggle(b); Result := b",
     "Boolean: True"},
    {"ProcedureResultIsNull", "", "Result := Remember(17)", "Null: "},
    {"ArgumentsKeepTheirOrderAndWidths", "", "Result := Mix(-3, 45, 'abcd', True)", "Integer: -254959"},
    {"SmallintResultIsTheUnsignedLow16Bits", "", "Result := WideSmall", "Integer: 9029"},
    {"WordResultOfMinusOne", "", "Result := MinusOneWord", "Integer: 65535"},
    {"BooleanArgumentIsOne", "", "Result := Flag(True) * 10 + Flag(False)", "Integer: 10"},
    {"BooleanResultIsTheLowByte", "", "Result := (LowByte(256) = False) and LowByte(257)", "Boolean: True"},
    {"CalleeWritesIntoItsOwnCopy", "var s: string;", "s := 'abc'; if Scribble(s) = 3 then Result := s",
     "String: abc"},
    {"TextCrossesAsCp1251", "", "Result := FirstByte('Я')", "Integer: 223"},
};

void PrintTo(const TScriptCase &c, std::ostream *os) { *os << c.Name; }

class ExternalScripts : public ::testing::TestWithParam<TScriptCase> {};

TEST_P(ExternalScripts, GiveTheExpectedResult)
{
    const TScriptCase &c = GetParam();
    TForeignOutcome r = RunForeign(ForeignUnit(std::string(LibC) + TestLib, c.Locals, c.Statements));
    EXPECT_FALSE(r.Failed) << r.Code << " " << r.Text;
    EXPECT_EQ(r.Text, c.Expected);
}

INSTANTIATE_TEST_SUITE_P(Foreign, ExternalScripts, ::testing::ValuesIn(Cases),
                         [](const auto &info) { return std::string(info.param.Name); });

// Holds the test library loaded for the test, so that its call counter survives the releases.
class HeldLibrary {
public:
    HeldLibrary() : Handle(::dlopen(TestLibraryPath().c_str(), RTLD_NOW)) {}
    ~HeldLibrary()
    {
        if (Handle)
            ::dlclose(Handle);
    }
    int Calls() const { return reinterpret_cast<int (*)()>(::dlsym(Handle, "Calls"))(); }
    void *Handle;
};

struct TErrorCase {
    const char *Name;
    const char *Declaration;
    const char *Statements;
    int32_t Code;
    const char *Message;
};

const TErrorCase Errors[] = {
    {"MissingLibrary", "function f: Integer; external 'no_such_library.so' name 'f';", "Result := f", 184,
     "Error loading library 'no_such_library.so'"},
    {"MissingDllKeepsItsName", "function f: Integer; external 'no_such_library.dll' name 'f';", "Result := f", 184,
     "Error loading library 'no_such_library.dll'"},
    {"MissingEntry", "function f: Integer; external 'libc.so.6' name 'no_such_entry_anywhere';", "Result := f", 187,
     "Can't get proc address for function 'no_such_entry_anywhere'"},
    {"EntryDeclaredByIndexOnly", "function f: Integer; external 'libc.so.6' index 3;", "Result := f", 187,
     "Can't get proc address for function 'f'"},
    {"StringByReference", "function Bump(var s: string): Integer; external 'vlffitest.dll' name 'Bump';",
     "Result := Bump(s)", 185, "Invalid type of argument in call to function 'Bump'"},
    {"DoubleArgument", "function Bump(d: Double): Integer; external 'vlffitest.dll' name 'Bump';",
     "Result := Bump(1.5)", 185, "Invalid type of argument in call to function 'Bump'"},
    {"DoubleResult", "function Bump: Double; external 'vlffitest.dll' name 'Bump';", "Result := Bump", 186,
     "Invalid type of result in call to function 'Bump'"},
    {"StringResult", "function Bump: PChar; external 'vlffitest.dll' name 'Bump';", "Result := Bump", 186,
     "Invalid type of result in call to function 'Bump'"},
    {"TooManyArguments", "function Bump: Integer; external 'vlffitest.dll' name 'Bump';", "Result := Bump(1)", 181,
     "Too many actual parameters"},
    {"NotEnoughArguments", "function Bump(n: Integer): Integer; external 'vlffitest.dll' name 'Bump';",
     "Result := Bump", 182, "Not enough parameters"},
};

void PrintTo(const TErrorCase &c, std::ostream *os) { *os << c.Name; }

class ExternalErrors : public ::testing::TestWithParam<TErrorCase> {};

TEST_P(ExternalErrors, AreRaisedBeforeTheEntryRuns)
{
    const TErrorCase &c = GetParam();
    HeldLibrary held;
    ASSERT_NE(held.Handle, nullptr) << ::dlerror();
    TForeignOutcome r = RunForeign(ForeignUnit(c.Declaration, "var s: string;", c.Statements));
    EXPECT_TRUE(r.Failed);
    EXPECT_EQ(r.Code, c.Code);
    EXPECT_EQ(r.Text, c.Message);
    EXPECT_EQ(held.Calls(), 0);
}

INSTANTIATE_TEST_SUITE_P(Foreign, ExternalErrors, ::testing::ValuesIn(Errors),
                         [](const auto &info) { return std::string(info.param.Name); });

bool TestLibraryLoaded()
{
    void *handle = ::dlopen(TestLibraryPath().c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (handle)
        ::dlclose(handle);
    return handle != nullptr;
}

TEST(ExternalLibrary, IsReleasedAfterTheCallAlsoWhenItFails)
{
    ASSERT_FALSE(TestLibraryLoaded());
    TForeignOutcome ok = RunForeign(ForeignUnit(TestLib, "", "Remember(1); Result := Recall"));
    EXPECT_EQ(ok.Text, "Integer: 0");  // a fresh copy of the library for every call
    EXPECT_FALSE(TestLibraryLoaded());
    TForeignOutcome failed =
        RunForeign(ForeignUnit("function Bump: Double; external 'vlffitest.dll' name 'Bump';", "", "Result := Bump"));
    EXPECT_EQ(failed.Code, 186);
    EXPECT_FALSE(TestLibraryLoaded());
}

TEST(ExternalLibrary, TheCallsErrnoSurvivesTheRelease)
{
    TVlInterpreterExtFunction f;
    f.Identifier = "SetErrno";
    f.DllName = "vlffitest.dll";
    f.FunctionName = "SetErrno";
    f.Desc.ParamCount = 1;
    f.Desc.ParamTypes[0] = varInteger;
    TVlInterpreterArgs args;
    args.Add(TVlValue::Integer(1234));
    TVlValue result;
    errno = 0;
    VlCallExternalFunction(f, result, args);
    EXPECT_EQ(errno, 1234);
    EXPECT_TRUE(result.IsNull());
}

TEST(ExternalLibrary, AGivenLibraryHandleIsUsedAndKept)
{
    HeldLibrary held;
    TVlInterpreterAdapter adapter;
    adapter.AddExternalFunction("U", "Bump", held.Handle, "not-loaded-by-name", "Bump", -1, 0, {}, varInteger);
    TVlInterpreterArgs args;
    TVlValue value;
    ASSERT_TRUE(adapter.GetValue(nullptr, "Bump", 0, value, args));
    EXPECT_EQ(ValueToInteger(value), 1);
    ASSERT_TRUE(adapter.GetValue(nullptr, "bump", 0, value, args));
    EXPECT_EQ(ValueToInteger(value), 2);  // the same copy: the handle was not released
    EXPECT_EQ(held.Calls(), 2);
}

TEST(ExternalLibrary, TheFirstDeclarationOfANameIsCalledUnlessExternalCallsAreDisabled)
{
    HeldLibrary held;
    TVlInterpreterAdapter adapter;
    adapter.AddExternalFunction("U", "Next", held.Handle, "", "Bump", -1, 0, {}, varInteger);
    adapter.AddExternalFunction("U", "Next", held.Handle, "", "Calls", -1, 0, {}, varInteger);
    TVlInterpreterArgs args;
    TVlValue value;
    ASSERT_TRUE(adapter.GetValue(nullptr, "Next", 0, value, args));
    ASSERT_TRUE(adapter.GetValue(nullptr, "Next", 0, value, args));
    EXPECT_EQ(ValueToInteger(value), 2);  // Bump both times
    adapter.ExternalCallsDisabled = true;
    EXPECT_FALSE(adapter.GetValue(nullptr, "Next", 0, value, args));
    EXPECT_EQ(held.Calls(), 2);
}

TEST(ExternalLibrary, AutomationIsNotAvailable)
{
    for (const char *name : {"CreateOleObject", "GetActiveOleObject", "GetOleObject"}) {
        TForeignOutcome r = RunForeign(ForeignUnit("", "", std::string("Result := ") + name + "('Word.Application')"));
        EXPECT_EQ(r.Code, 104) << name;
    }
}

} // namespace
