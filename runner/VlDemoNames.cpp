// The demonstration names of the window's scripts.
#include "VlDemoNames.h"

#include "VlMainWindowObject.h"

#include "interpreter/VlInterpreterAdapter.h"
#include "interpreter/VlInterpreterConst.h"
#include "interpreter/VlInterpreterError.h"
#include "interpreter/VlInterpreterOperations.h"
#include "rtl/VlCp1251.h"
#include "rtl/VlSysUtils.h"

namespace {

enum class TDemoName { None, Test, Rec, ShowMessage, MyFunction, SamplesDir };

// Every unknown name of a script passes here (script routine calls too), so the length is
// compared before the text.
TDemoName DemoNameOf(const std::string &name)
{
    auto is = [&name](std::string_view word) { return VlSysUtils::CompareText(name, word) == 0; };
    switch (name.size()) {
    case 3: return is("Rec") ? TDemoName::Rec : TDemoName::None;
    case 4: return is("Test") ? TDemoName::Test : TDemoName::None;
    case 10:
        if (is("MyFunction"))
            return TDemoName::MyFunction;
        return is("SamplesDir") ? TDemoName::SamplesDir : TDemoName::None;
    case 11: return is("ShowMessage") ? TDemoName::ShowMessage : TDemoName::None;
    default: return TDemoName::None;
    }
}

} // namespace

TVlDemoNames::TVlDemoNames(QWidget *window, std::function<void(const QString &text)> showMessage)
    : FWindow(window)
    , FShowMessage(std::move(showMessage))
{
}

TVlDemoNames::~TVlDemoNames()
{
    delete FTestObject;
}

TVlMainWindowObject *TVlDemoNames::TestObject()
{
    if (!FTestObject)
        FTestObject = new TVlMainWindowObject(FWindow, &FTestObject);
    return FTestObject;
}

void TVlDemoNames::GetValue(const std::string &name, TVlValue &value, TVlInterpreterArgs &args, bool &done)
{
    switch (DemoNameOf(name)) {
    case TDemoName::None:
        return;
    case TDemoName::Test:
        value = ObjectToValue(TestObject());
        break;
    case TDemoName::Rec:
        if (!GlobalAdapter().NewRecord("TSearchRec", value))
            return;
        break;
    case TDemoName::ShowMessage:
        // Only as a member of Test; a plain ShowMessage belongs to the bindings.
        if (args.ObjType != varVlObject || !FTestObject || args.Obj != FTestObject)
            return;
        if (FShowMessage)
            FShowMessage(args.Count > 0 ? QString::fromStdU16String(Cp1251ToUtf16(ValueToString(args.Values[0])))
                                        : QString());
        value = TVlValue::Null();
        break;
    case TDemoName::MyFunction:
        if (args.Count < 1)
            RaiseError(erNotEnoughParams, -1);
        value = VlBinaryOp(opAdd, args.Values[0], TVlValue::Integer(1));
        break;
    case TDemoName::SamplesDir:
        value = TVlValue::String("samples/");
        break;
    }
    done = true;
}
