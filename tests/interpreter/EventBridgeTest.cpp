// Event-property assignments: bridges made for script routines, nil, re-assignment, code 57.
#include "InterpreterTestHost.h"

#include <gtest/gtest.h>

namespace {

const TTestClass Button{"TButton", &TestTObject};

struct TButtonObject : TTestObject {
    TVlMethod OnClick;
};

class TButtonModel : public TTestClassModel {
public:
    bool GetMethodProperty(void *object, const std::string &name, std::string &eventType,
                           TVlMethod &handler) const override
    {
        if (!VlSameName(name, "OnClick") && !VlSameName(name, "OnOdd"))
            return false;
        eventType = VlSameName(name, "OnClick") ? "TNotifyEvent" : "TOddEvent";
        handler = static_cast<TButtonObject *>(object)->OnClick;
        return true;
    }
    void SetMethodProperty(void *object, const std::string &, const TVlMethod &handler) const override
    {
        static_cast<TButtonObject *>(object)->OnClick = handler;
    }
};

// The bridge of "TNotifyEvent": passes the sender to the script routine.
class TNotifyBridge : public TVlInterpreterEvent {
public:
    using TVlInterpreterEvent::TVlInterpreterEvent;
    void Fire()
    {
        Args().Clear();
        Args().Add(ObjectToValue(Object));
        CallScript();
    }
};

TVlInterpreterEvent *MakeNotifyBridge(TVlInterpreterProgram *owner, void *object, const std::string &unitName,
                                      const std::string &routineName, const std::string &propertyName)
{
    return new TNotifyBridge(owner, object, unitName, routineName, propertyName);
}

int NotifyCode;  // the handler entry registered for TNotifyEvent

void Fire(TButtonObject &button)
{
    ASSERT_EQ(button.OnClick.Code, &NotifyCode);
    static_cast<TNotifyBridge *>(button.OnClick.Data)->Fire();
}

struct TFixture {
    TFixture()
    {
        auto model = std::make_shared<TButtonModel>();
        program.OwnAdapter().SetObjectModel(model);
        auto host = std::make_shared<TVlInterpreterAdapter>();
        host->SetObjectModel(model);
        host->AddEventHandler("Test", "TNotifyEvent", MakeNotifyBridge, &NotifyCode);
        program.AddHostAdapter(host);
        button.Class = &Button;
        program.OnGetValue = [this](void *, const std::string &name, TVlValue &value, TVlInterpreterArgs &, bool &done) {
            if (VlSameName(name, "Button1")) {
                value = ObjectToValue(&button);
                done = true;
            }
        };
    }
    TVlInterpreterProgram program;
    TButtonObject button;
};

const char *const Script =
    "unit Main;\r\n"
    "var clicks: integer;\r\n"
    "procedure Clicked(Sender: TObject);\r\n"
    "begin\r\n"
    "  clicks := clicks + 1;\r\n"
    "end;\r\n"
    "function main: integer;\r\n"
    "begin\r\n"
    "  clicks := 0;\r\n"
    "  Button1.OnClick := Clicked;\r\n"
    "  Result := 0;\r\n"
    "end;\r\n"
    "function Count: integer;\r\n"
    "begin\r\n"
    "  Result := clicks;\r\n"
    "end;\r\n"
    "procedure Detach;\r\n"
    "begin\r\n"
    "  Button1.OnClick := nil;\r\n"
    "end;\r\n"
    "procedure Odd;\r\n"
    "begin\r\n"
    "  Button1.OnOdd := Clicked;\r\n"
    "end;\r\n"
    "end.";

TEST(EventBridge, AssignedRoutineRunsWhenTheHostRaisesTheEvent)
{
    TFixture f;
    f.program.SetSourceText(Script);
    f.program.Execute();
    Fire(f.button);
    Fire(f.button);
    f.program.InvokeFunction("Count", nullptr, {});
    EXPECT_EQ(f.program.ResultValue.RawInteger(), 2);
}

TEST(EventBridge, NilRemovesTheHandler)
{
    TFixture f;
    f.program.SetSourceText(Script);
    f.program.Execute();
    f.program.InvokeFunction("Detach", nullptr, {});
    EXPECT_TRUE(f.button.OnClick.IsEmpty());
}

TEST(EventBridge, UnregisteredEventTypeIsCode57)
{
    TFixture f;
    f.program.SetSourceText(Script);
    f.program.Execute();
    try {
        f.program.InvokeFunction("Odd", nullptr, {});
        FAIL();
    } catch (const EVlInterpreterError &e) {
        EXPECT_EQ(e.Code, 57);
        EXPECT_NE(e.Message.find("Event 'TOddEvent' not registered"), std::string::npos) << e.Message;
    }
}

} // namespace
