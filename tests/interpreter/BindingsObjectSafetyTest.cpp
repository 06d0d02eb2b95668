// Scripts holding addresses that are no live object (typecast integers, freed objects) get an
// access violation error instead of the host dereferencing them; typecasts of real objects work.
#include "BindingsTestSupport.h"

#include "interpreter/bindings/VlInterpreterObjectModel.h"
#include "rtl/VlStringList.h"

#include <algorithm>
#include <cstdint>

namespace {

class TVlLinkProbe : public TObject {
    VL_CLASS(TVlLinkProbe)
    TStringList *Lines = nullptr;
};

VL_IMPLEMENT_CLASS(TVlLinkProbe, TObject, "Test",
    VlClassProp<&TVlLinkProbe::Lines, &TVlLinkProbe::Lines>("Lines", "TStringList"))

std::string ObjectMain(const std::string &vars, const std::string &body)
{
    return Main("Variant", vars, body);
}

std::string Violation(int line, const std::string &member)
{
    return "error 6: Error in unit 'T' on line " + std::to_string(line) + " : Access violation: " +
           (member.empty() ? std::string("invalid object") : "member '" + member + "' of invalid object");
}

void *Bogus(uintptr_t address)
{
    return reinterpret_cast<void *>(address);
}

} // namespace

TEST(BindingsObjectSafety, InvalidObjectsRaiseAccessViolation)
{
    const std::string freedList = "s: TStringList;";
    const std::vector<TCase> cases = {
        {"property read", ObjectMain("", "Result := TComponent(7).Name;"), Violation(4, "Name")},
        {"property write", ObjectMain("", "TComponent(7).Name := 'x';"), Violation(4, "Name")},
        {"method call", ObjectMain("", "TStringList(5).Add('a');"), Violation(4, "Add")},
        {"method result", ObjectMain("", "Result := TStringList(5).Count;"), Violation(4, "Count")},
        {"indexed property", ObjectMain("", "Result := TStringList(5).Strings[0];"), Violation(4, "Strings")},
        {"Free", ObjectMain("", "TObject(12345).Free;"), Violation(4, "Free")},
        {"ClassName", ObjectMain("", "Result := TObject(12345).ClassName;"), Violation(4, "ClassName")},
        {"InheritsFrom", ObjectMain("", "Result := TObject(12345).InheritsFrom(TStringList);"),
         Violation(4, "InheritsFrom")},
        {"freed twice", ObjectMain(freedList, "s := TStringList.Create;\r\ns.Free;\r\ns.Free;"), Violation(8, "Free")},
        {"use after free", ObjectMain(freedList, "s := TStringList.Create;\r\ns.Free;\r\nResult := s.Count;"),
         Violation(8, "Count")},
        {"use after free of a member read before",
         ObjectMain(freedList, "s := TStringList.Create;\r\nResult := s.Count;\r\ns.Free;\r\nResult := s.Count;"),
         Violation(9, "Count")},
        {"host routine argument",
         ObjectMain(freedList, "s := TStringList.Create;\r\ntry\r\n  s.Assign(TStrings(77));\r\nfinally\r\n  s.Free;\r\nend;"),
         Violation(8, "")},
        {"raise", ObjectMain("", "raise Exception(4242);"), Violation(4, "")},
        {"caught by except",
         ObjectMain("", "try\r\n  Result := TStringList(5).Count;\r\nexcept\r\n  on E: EAccessViolation do Result := E.Message;\r\nend;"),
         "Access violation: member 'Count' of invalid object"},
        {"result value", ObjectMain("", "Result := TObject(5);"), "Object: invalid"},
        {"event assignment",
         "unit T;\r\nprocedure H(Sender: TObject);\r\nbegin\r\nend;\r\nfunction main: Variant;\r\nbegin\r\n"
         "TStringList(5).OnChange := H;\r\nend;\r\nend.\r\n",
         Violation(7, "OnChange")},
        {"event cleared", ObjectMain("", "TStringList(5).OnChange := nil;"), Violation(4, "OnChange")},
    };
    RunCases(cases);
}

TEST(BindingsObjectSafety, ClassTestsOnInvalidObjectsFailCleanly)
{
    // Whatever the language makes of them, these end in an error, not in the host reading memory.
    const std::string scripts[] = {
        ObjectMain("", "Result := TObject(5) is TStringList;"),
        ObjectMain("", "Result := (TObject(5) as TStringList).Count;"),
    };
    for (const std::string &source : scripts)
        EXPECT_EQ(RunScript(source).rfind("error ", 0), 0u) << source;
}

TEST(BindingsObjectSafety, LiveObjectsAndNilKeepWorking)
{
    const std::vector<TCase> cases = {
        {"cast of a live object",
         ObjectMain("o: TObject;", "o := TStringList.Create;\r\nTStringList(o).Add('a');\r\nResult := TStringList(o).Count;\r\no.Free;"),
         "1"},
        {"cast keeps the class", ObjectMain("o: TObject;", "o := TStringList.Create;\r\nResult := TObject(o).ClassName;\r\no.Free;"),
         "TStringList"},
        {"number stored as object",
         ObjectMain("s: TStringList;", "s := TStringList.Create;\r\ns.AddObject('a', TObject(5));\r\nResult := Integer(s.Objects[0]);\r\ns.Free;"),
         "5"},
        {"nil member", ObjectMain("", "Result := TStringList(0).Count;"),
         "error 6: Error in unit 'T' on line 4 : Access violation: member 'Count' of nil"},
        {"nil result", ObjectMain("", "Result := TObject(0);"), "Object: nil"},
    };
    RunCases(cases);
}

TEST(BindingsObjectSafety, RegistryFollowsObjectLifetime)
{
    auto *list = new TStringList();
    const void *address = list;
    EXPECT_TRUE(VlIsLiveObject(address));
    delete list;
    EXPECT_FALSE(VlIsLiveObject(address));
    EXPECT_FALSE(VlIsLiveObject(nullptr));
    EXPECT_FALSE(VlIsLiveObject(Bogus(12345)));
}

TEST(BindingsObjectSafety, ModelRefusesInvalidAddresses)
{
    TVlRtlObjectModel model;
    TVlValue value;
    TVlMethod handler;
    std::string eventType;
    EXPECT_THROW(model.ClassOf(Bogus(4096)), EVlRuntimeError);
    EXPECT_THROW(model.ReadProperty(Bogus(4096), "Name", value), EVlRuntimeError);
    EXPECT_THROW(model.WriteProperty(Bogus(4096), "Name", TVlValue::String("x")), EVlRuntimeError);
    EXPECT_THROW(model.GetMethodProperty(Bogus(4096), "OnChange", eventType, handler), EVlRuntimeError);
    EXPECT_THROW(model.SetMethodProperty(Bogus(4096), "OnChange", handler), EVlRuntimeError);
    EXPECT_THROW(model.FreeObject(Bogus(4096)), EVlRuntimeError);
    EXPECT_THROW(model.RaiseObject(Bogus(4096)), EVlRuntimeError);
    EXPECT_EQ(model.ClassOf(nullptr), nullptr);

    // An object-valued property takes live objects and nil only.
    TVlLinkProbe probe;
    TStringList lines;
    EXPECT_THROW(model.WriteProperty(&probe, "Lines", ObjectToValue(Bogus(4096))), EVlRuntimeError);
    EXPECT_EQ(probe.Lines, nullptr);
    EXPECT_TRUE(model.WriteProperty(&probe, "Lines", ObjectToValue(&lines)));
    EXPECT_EQ(probe.Lines, &lines);
    EXPECT_TRUE(model.WriteProperty(&probe, "Lines", ObjectToValue(nullptr)));
    EXPECT_EQ(probe.Lines, nullptr);
}

TEST(BindingsObjectSafety, AHostFailureIsLocatedAlikeWhetherTheMemberWasReadBeforeOrNot)
{
    RegisterOnce();
    // The column of the failure on its line: the window puts the caret there. The finally part
    // runs before the routine lets the failure go.
    auto failureColumn = [](const std::string &before) {
        const std::string failing = "  s.Delete(3);";
        const std::string source = Main("Variant", "s: TStringList;",
                                        "  s := TStringList.Create;\r\n" + before + "try\r\n" + failing +
                                            "\r\nfinally\r\n  s.Free;\r\nend;");
        TVlInterpreterProgram program;
        program.SetSourceText(source);
        EXPECT_ANY_THROW(program.Execute());
        EXPECT_EQ(program.LastFailure.ErrorLine, 8 + static_cast<int>(std::count(before.begin(), before.end(), '\n')));
        return program.LastFailure.Position - static_cast<int32_t>(source.find(failing));
    };
    const int32_t fresh = failureColumn("");
    EXPECT_GT(fresh, 0);
    EXPECT_EQ(failureColumn("  s.Add('a');\r\n  s.Delete(0);\r\n"), fresh);
}
