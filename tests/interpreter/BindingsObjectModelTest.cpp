// The rtl object model as the interpreter sees it: published properties by kind, method
// properties with script event bridges, and exceptions turned into script objects.
#include "BindingsTestSupport.h"
#include "interpreter/bindings/VlInterpreterClassesEvent.h"
#include "interpreter/bindings/VlInterpreterObjectModel.h"

#include "rtl/VlComponent.h"
#include "rtl/VlExceptions.h"
#include "rtl/VlStringList.h"

#include <new>

namespace {

const TEnumInfo &ProbeStyles()
{
    static const TEnumInfo info("TProbeStyle", {"psOne", "psTwo", "psThree"});
    return info;
}

class TVlProbe : public TComponent {
    VL_CLASS(TVlProbe)
    explicit TVlProbe(TComponent *owner = nullptr) : TComponent(owner) {}
    int Size = 3;
    bool Active = true;
    char Letter = 'q';
    double Ratio = 0.25;
    std::string Caption = "cap";
    uint32_t Style = 5;
    TStringList *Lines = nullptr;
    TMethod OnPing;
    int Fixed() const { return 9; }
};

VL_IMPLEMENT_CLASS(TVlProbe, TComponent, "Test",
    VlIntProp<&TVlProbe::Size, &TVlProbe::Size>("Size"),
    VlBoolProp<&TVlProbe::Active, &TVlProbe::Active>("Active", true),
    VlCharProp<&TVlProbe::Letter, &TVlProbe::Letter>("Letter"),
    VlFloatProp<&TVlProbe::Ratio, &TVlProbe::Ratio>("Ratio"),
    VlStrProp<&TVlProbe::Caption, &TVlProbe::Caption>("Caption"),
    VlSetProp<&TVlProbe::Style, &TVlProbe::Style>("Style", "TProbeStyles", ProbeStyles(), 0),
    VlClassProp<&TVlProbe::Lines, &TVlProbe::Lines>("Lines", "TStringList"),
    VlMethodProp<&TVlProbe::OnPing, &TVlProbe::OnPing>("OnPing"),
    VlIntProp<&TVlProbe::Fixed>("Fixed"))

} // namespace

TEST(BindingsObjectModel, PublishedPropertiesReadByKind)
{
    TVlRtlObjectModel model;
    TVlProbe probe;
    TStringList lines;
    probe.Lines = &lines;
    TVlValue v;
    ASSERT_TRUE(model.ReadProperty(&probe, "size", v));
    EXPECT_EQ(v.Kind(), varInteger);
    EXPECT_EQ(v.RawInteger(), 3);
    ASSERT_TRUE(model.ReadProperty(&probe, "Active", v));
    EXPECT_EQ(v.Kind(), varBoolean);
    ASSERT_TRUE(model.ReadProperty(&probe, "Letter", v));
    EXPECT_EQ(ValueToString(v), "q");
    ASSERT_TRUE(model.ReadProperty(&probe, "Ratio", v));
    EXPECT_DOUBLE_EQ(ValueToDouble(v), 0.25);
    ASSERT_TRUE(model.ReadProperty(&probe, "Caption", v));
    EXPECT_EQ(ValueToString(v), "cap");
    ASSERT_TRUE(model.ReadProperty(&probe, "Style", v));
    EXPECT_EQ(v.Kind(), varVlSet);
    EXPECT_EQ(ValueToSet(v), 5u);
    ASSERT_TRUE(model.ReadProperty(&probe, "Lines", v));
    EXPECT_EQ(ValueToObject(v), static_cast<TObject *>(&lines));
    EXPECT_FALSE(model.ReadProperty(&probe, "OnPing", v));   // method properties are not values
    EXPECT_FALSE(model.ReadProperty(&probe, "Missing", v));
}

TEST(BindingsObjectModel, PublishedPropertiesWrittenByKind)
{
    TVlRtlObjectModel model;
    TVlProbe probe;
    EXPECT_TRUE(model.WriteProperty(&probe, "Size", TVlValue::String("12")));
    EXPECT_EQ(probe.Size, 12);
    EXPECT_TRUE(model.WriteProperty(&probe, "Active", TVlValue::Boolean(false)));
    EXPECT_FALSE(probe.Active);
    EXPECT_TRUE(model.WriteProperty(&probe, "Letter", TVlValue::String("xyz")));
    EXPECT_EQ(probe.Letter, 'x');
    EXPECT_TRUE(model.WriteProperty(&probe, "Ratio", TVlValue::Integer(2)));
    EXPECT_DOUBLE_EQ(probe.Ratio, 2.0);
    EXPECT_TRUE(model.WriteProperty(&probe, "Caption", TVlValue::Integer(7)));
    EXPECT_EQ(probe.Caption, "7");
    EXPECT_TRUE(model.WriteProperty(&probe, "Style", SetToValue(2)));
    EXPECT_EQ(probe.Style, 2u);
    EXPECT_TRUE(model.WriteProperty(&probe, "Lines", TVlValue::Null()));
    EXPECT_EQ(probe.Lines, nullptr);
    EXPECT_FALSE(model.WriteProperty(&probe, "Fixed", TVlValue::Integer(1)));  // read-only
    EXPECT_FALSE(model.WriteProperty(&probe, "Missing", TVlValue::Integer(1)));
}

TEST(BindingsObjectModel, ScriptHandlerOnAMethodProperty)
{
    RegisterOnce();
    TVlProbe probe;
    TVlInterpreterProgram program;
    program.OnGetValue = [&](void *, const std::string &name, TVlValue &value, TVlInterpreterArgs &, bool &done) {
        if (VlSameName(name, "Probe")) {
            value = ObjectToValue(static_cast<TObject *>(&probe));
            done = true;
        }
    };
    program.SetSourceText("unit Ev2;\r\nvar\r\n  Count: integer;\r\n"
                          "procedure Ping(Sender: TObject);\r\nbegin\r\n  Count := Count + 1;\r\nend;\r\n"
                          "function main: integer;\r\nbegin\r\n  Probe.OnPing := Ping;\r\n  Result := 0;\r\nend;\r\n"
                          "function Report: integer;\r\nbegin\r\n  Result := Count;\r\nend;\r\nend.\r\n");
    program.Execute();
    ASSERT_TRUE(probe.OnPing.IsAssigned());
    auto entry = reinterpret_cast<TVlNotifyEventEntry>(probe.OnPing.Code);
    entry(probe.OnPing.Data, &probe);
    entry(probe.OnPing.Data, &probe);
    program.InvokeFunction("Report", nullptr, {});
    EXPECT_EQ(VlResultText(program.ResultValue), "2");
}

TEST(BindingsObjectModel, LibraryExceptionsBecomeObjectsOfTheirClass)
{
    TVlRtlObjectModel model;
    auto classOf = [&](std::exception_ptr e) {
        auto *object = static_cast<TObject *>(model.ExceptionObject(e));
        return object ? object->ClassName() : std::string("none");
    };
    EXPECT_EQ(classOf(std::make_exception_ptr(EListError("List index out of bounds (3)"))), "EListError");
    EXPECT_EQ(classOf(std::make_exception_ptr(EParserError("x"))), "EParserError");
    EXPECT_EQ(classOf(std::make_exception_ptr(EVlRuntimeError("EDivByZero", "Division by zero"))), "EDivByZero");
    EXPECT_EQ(classOf(std::make_exception_ptr(EVlRuntimeError("ENoSuchClass", "x"))), "Exception");
    EXPECT_EQ(classOf(std::make_exception_ptr(std::bad_alloc())), "EOutOfMemory");
    EXPECT_EQ(classOf(std::make_exception_ptr(42)), "none");

    std::exception_ptr e = std::make_exception_ptr(EConvertError("bad"));
    void *first = model.ExceptionObject(e);
    EXPECT_EQ(model.ExceptionObject(e), first);  // one object per exception
    EXPECT_EQ(static_cast<TVlExceptionObject *>(first)->Message, "bad");
}

TEST(BindingsObjectModel, RaisedObjectsAreOwnedByTheirException)
{
    TVlRtlObjectModel model;
    auto *object = new TVlExceptionObject(*VlExceptionClass("EAbort"), "stop");
    std::exception_ptr raised;
    try {
        model.RaiseObject(object);
    } catch (const EVlScriptException &e) {
        EXPECT_STREQ(e.what(), "stop");
        EXPECT_EQ(e.Object.get(), object);
        raised = std::current_exception();
    }
    ASSERT_TRUE(raised);
    EXPECT_EQ(model.ExceptionObject(raised), object);
    model.FreeObject(object);  // still owned by the raised exception: not freed here
    try {
        model.RaiseObject(object);  // raising it again shares the same owner
    } catch (const EVlScriptException &e) {
        EXPECT_EQ(e.Object.use_count(), 2);  // this exception and the first one
    }
}
