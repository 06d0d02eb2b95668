// Events reach the dispatcher from real offscreen widgets: clicks, keys, changes, closing, timers.
#include "WidgetTestSupport.h"

#include "VlButtons.h"
#include "VlExceptions.h"
#include "VlComCtrls.h"
#include "VlExtCtrls.h"
#include "VlForms.h"
#include "VlMenus.h"
#include "VlStdCtrls.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

class WidgetEvents : public testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>();
        Form->SetBounds(0, 0, 300, 200);
        Form->Show();
    }
    TEventRecorder Recorder;
    std::unique_ptr<TForm> Form;
};

TEST_F(WidgetEvents, ButtonClickRaisesOnClickWithTheButtonAsSender)
{
    auto *button = new TButton(Form.get());
    button->SetParent(Form.get());
    button->SetOnClick(TEventRecorder::Handler());
    QTest::mouseClick(button->Widget(), Qt::LeftButton);
    ASSERT_EQ(Recorder.Count("OnClick"), 1);
    EXPECT_EQ(Recorder.Events[0].Sender, button);
    EXPECT_EQ(Recorder.Events[0].TypeName, "TNotifyEvent");
}

TEST_F(WidgetEvents, UnassignedHandlersAndLoadingControlsRaiseNothing)
{
    auto *button = new TButton(Form.get());
    button->SetParent(Form.get());
    QTest::mouseClick(button->Widget(), Qt::LeftButton);
    EXPECT_TRUE(Recorder.Events.empty());
    button->SetOnClick(TEventRecorder::Handler());
    button->SetComponentState(csDesigning, true);
    button->Click();
    EXPECT_TRUE(Recorder.Events.empty());
}

TEST_F(WidgetEvents, MouseEventsCarryButtonShiftAndPosition)
{
    auto *panel = new TPanel(Form.get());
    panel->SetParent(Form.get());
    panel->SetOnMouseDown(TEventRecorder::Handler());
    panel->SetOnMouseUp(TEventRecorder::Handler());
    panel->SetOnClick(TEventRecorder::Handler());
    QTest::mouseClick(panel->Widget(), Qt::LeftButton, Qt::ShiftModifier, QPoint(7, 9));
    ASSERT_EQ(Recorder.Events.size(), 3u);
    EXPECT_EQ(Recorder.Events[0].Name, "OnMouseDown");
    EXPECT_EQ(Recorder.Events[0].TypeName, "TMouseEvent");
    EXPECT_EQ(Recorder.Events[0].Args.Button, mbLeft);
    EXPECT_EQ(Recorder.Events[0].Args.X, 7);
    EXPECT_EQ(Recorder.Events[0].Args.Y, 9);
    EXPECT_TRUE(Recorder.Events[0].Args.Shift & ssShift);
    EXPECT_TRUE(Recorder.Events[0].Args.Shift & ssLeft);
    EXPECT_EQ(Recorder.Events[1].Name, "OnMouseUp");
    EXPECT_EQ(Recorder.Events[2].Name, "OnClick");
    // A right click is no click.
    QTest::mouseClick(panel->Widget(), Qt::RightButton);
    EXPECT_EQ(Recorder.Count("OnClick"), 1);
}

TEST_F(WidgetEvents, CheckBoxClickTogglesAndRaisesOnClick)
{
    auto *check = new TCheckBox(Form.get());
    check->SetParent(Form.get());
    check->SetOnClick(TEventRecorder::Handler());
    QTest::mouseClick(check->Widget(), Qt::LeftButton, {}, QPoint(5, check->Height() / 2));
    EXPECT_TRUE(check->Checked());
    EXPECT_EQ(Recorder.Count("OnClick"), 1);
    check->SetChecked(false); // a programmatic change clicks too
    EXPECT_EQ(Recorder.Count("OnClick"), 2);
}

TEST_F(WidgetEvents, TypingRaisesKeyEventsAndHandlersCanReplaceOrSwallowCharacters)
{
    auto *edit = new TEdit(Form.get());
    edit->SetParent(Form.get());
    edit->SetOnKeyPress(TEventRecorder::Handler());
    edit->SetOnKeyDown(TEventRecorder::Handler());
    edit->SetOnChange(TEventRecorder::Handler());
    Recorder.Reaction = [](TVlEventArgs &args) {
        if (args.Name == "OnKeyPress" && args.KeyChar == 'a')
            args.KeyChar = 'b';
        if (args.Name == "OnKeyPress" && args.KeyChar == 'x')
            args.KeyChar = 0;
    };
    edit->Widget()->setFocus();
    QTest::keyClicks(edit->Widget(), "axc");
    EXPECT_EQ(edit->Text(), "bc");
    EXPECT_EQ(Recorder.Count("OnKeyDown"), 3);
    EXPECT_EQ(Recorder.Count("OnKeyPress"), 3);
    EXPECT_EQ(Recorder.Count("OnChange"), 2);
    EXPECT_EQ(Recorder.Events[0].Args.Key, 'A');
    // Cyrillic arrives as its CP1251 byte.
    Recorder.Events.clear();
    Recorder.Reaction = nullptr;
    QTest::sendKeyEvent(QTest::Click, edit->Widget(), Qt::Key_unknown, QString::fromUtf8("ж"), Qt::NoModifier);
    ASSERT_EQ(Recorder.Count("OnKeyPress"), 1);
    EXPECT_EQ(Recorder.Events[0].Name, "OnKeyPress");
    EXPECT_EQ(static_cast<unsigned char>(Recorder.Events[0].Args.KeyChar), 0xE6);
    EXPECT_EQ(edit->Text(), "bc\xe6");
}

TEST_F(WidgetEvents, KeyPreviewLetsTheFormSeeKeysFirst)
{
    auto *edit = new TEdit(Form.get());
    edit->SetParent(Form.get());
    Form->SetKeyPreview(true);
    Form->SetOnKeyDown(TEventRecorder::Handler());
    Recorder.Reaction = [](TVlEventArgs &args) { args.Key = 0; };
    QTest::keyClick(edit->Widget(), Qt::Key_Q);
    EXPECT_EQ(Recorder.Count("OnKeyDown"), 1);
    EXPECT_EQ(Recorder.Events[0].Sender, Form.get());
    EXPECT_EQ(edit->Text(), "") << "a key cleared by the form never reaches the edit";
}

TEST_F(WidgetEvents, CloseQueryCanRefuseAndOnCloseCanFree)
{
    Form->SetOnCloseQuery(TEventRecorder::Handler());
    Form->SetOnClose(TEventRecorder::Handler());
    Recorder.Reaction = [](TVlEventArgs &args) {
        if (args.Name == "OnCloseQuery")
            args.CanClose = false;
    };
    Form->Close();
    EXPECT_TRUE(Form->Widget()->isVisible());
    EXPECT_EQ(Recorder.Count("OnClose"), 0);
    Recorder.Reaction = nullptr;
    Form->Widget()->close(); // the window's close box
    EXPECT_FALSE(Form->Widget()->isVisible());
    ASSERT_EQ(Recorder.Count("OnClose"), 1);
    EXPECT_EQ(Recorder.Events.back().Args.Action, caHide);
}

TEST_F(WidgetEvents, ShowModalReturnsTheModalResultOfTheClickedButton)
{
    auto dialog = std::make_unique<TForm>();
    auto *ok = new TButton(dialog.get());
    ok->SetParent(dialog.get());
    ok->SetModalResult(mrOk);
    ok->SetOnClick(TEventRecorder::Handler());
    dialog->SetOnShow(TEventRecorder::Handler());
    QTimer::singleShot(0, [ok] { QTest::mouseClick(ok->Widget(), Qt::LeftButton); });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_FALSE(dialog->Widget()->isVisible());
    EXPECT_EQ(Recorder.Count("OnShow"), 1);
    EXPECT_EQ(Recorder.Count("OnClick"), 1);
    // Closing a modal form gives mrCancel.
    QTimer::singleShot(0, [&dialog] { dialog->Close(); });
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
}

TEST_F(WidgetEvents, EnterAndEscPressTheDefaultAndCancelButtons)
{
    auto dialog = std::make_unique<TForm>();
    auto *edit = new TEdit(dialog.get());
    edit->SetParent(dialog.get());
    auto *ok = new TButton(dialog.get());
    ok->SetParent(dialog.get());
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    auto *cancel = new TButton(dialog.get());
    cancel->SetParent(dialog.get());
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    cancel->SetOnClick(TEventRecorder::Handler());
    QTimer::singleShot(0, [edit] { QTest::keyClick(edit->Widget(), Qt::Key_Return); });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    QTimer::singleShot(0, [edit] { QTest::keyClick(edit->Widget(), Qt::Key_Escape); });
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
    EXPECT_EQ(Recorder.Count("OnClick"), 1);
    // A memo that wants returns keeps Enter.
    auto *memo = new TMemo(dialog.get());
    memo->SetParent(dialog.get());
    dialog->Show();
    QTest::keyClick(memo->Widget(), Qt::Key_Return);
    EXPECT_EQ(memo->Lines()->Count(), 2);
    EXPECT_TRUE(dialog->Widget()->isVisible());
}

TEST_F(WidgetEvents, ShowModalSurvivesTheFormBeingFreedByAHandler)
{
    auto *dialog = new TForm();
    auto *button = new TButton(dialog);
    button->SetParent(dialog);
    button->SetOnClick(TEventRecorder::Handler());
    Recorder.Reaction = [dialog](TVlEventArgs &args) {
        if (args.Name == "OnClick")
            delete dialog;
    };
    QTimer::singleShot(0, [button] { QTest::mouseClick(button->Widget(), Qt::LeftButton); });
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
}

TEST_F(WidgetEvents, ShowModalOnAVisibleFormIsRefused)
{
    EXPECT_THROW(Form->ShowModal(), EInvalidOperation);
}

TEST_F(WidgetEvents, MenuItemClickRaisesOnClickAndRadioItemsExcludeEachOther)
{
    auto *menu = new TMainMenu(Form.get());
    auto *file = new TMenuItem(Form.get());
    file->SetCaption("&File");
    menu->Items()->Add(file);
    auto *open = new TMenuItem(Form.get());
    open->SetCaption("Open");
    open->SetShortCut(scCtrl | 'O');
    open->SetOnClick(TEventRecorder::Handler());
    file->Add(open);
    Form->SetMenu(menu);
    ASSERT_EQ(menu->MenuBar()->actions().size(), 1);
    EXPECT_EQ(menu->MenuBar()->actions()[0]->text(), "&File");
    open->Action()->trigger();
    ASSERT_EQ(Recorder.Count("OnClick"), 1);
    EXPECT_EQ(Recorder.Events[0].Sender, open);
    EXPECT_EQ(open->Action()->shortcut(), QKeySequence("Ctrl+O"));
    auto *a = new TMenuItem(Form.get());
    auto *b = new TMenuItem(Form.get());
    for (TMenuItem *item : {a, b}) {
        item->SetRadioItem(true);
        file->Add(item);
    }
    a->SetChecked(true);
    b->SetChecked(true);
    EXPECT_FALSE(a->Checked());
    EXPECT_EQ(ShortCutToText(scCtrl | 'S'), "Ctrl+S");
    EXPECT_EQ(TextToShortCut("Shift+F5"), scShift | 0x74);
}

TEST_F(WidgetEvents, TimerRaisesOnTimerFromTheEventLoop)
{
    auto *timer = new TTimer(Form.get());
    timer->SetInterval(5);
    timer->SetOnTimer(TEventRecorder::Handler());
    QTRY_VERIFY_WITH_TIMEOUT(Recorder.Count("OnTimer") >= 2, 2000);
    timer->SetEnabled(false);
    const int count = Recorder.Count("OnTimer");
    QTest::qWait(30);
    EXPECT_EQ(Recorder.Count("OnTimer"), count);
}

TEST_F(WidgetEvents, SpeedButtonsOfAGroupReleaseEachOther)
{
    auto *a = new TSpeedButton(Form.get());
    auto *b = new TSpeedButton(Form.get());
    for (TSpeedButton *button : {a, b}) {
        button->SetParent(Form.get());
        button->SetGroupIndex(1);
        button->SetOnClick(TEventRecorder::Handler());
    }
    QTest::mouseClick(a->Widget(), Qt::LeftButton);
    EXPECT_TRUE(a->Down());
    QTest::mouseClick(b->Widget(), Qt::LeftButton);
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());
    QTest::mouseClick(b->Widget(), Qt::LeftButton);
    EXPECT_TRUE(b->Down()) << "without AllowAllUp one button stays down";
    EXPECT_EQ(Recorder.Count("OnClick"), 3);
}

TEST_F(WidgetEvents, UpDownStepsItsAssociatedEditWithinRange)
{
    auto *edit = new TEdit(Form.get());
    edit->SetParent(Form.get());
    auto *updown = new TUpDown(Form.get());
    updown->SetParent(Form.get());
    updown->SetMax(2);
    updown->SetAssociate(edit);
    updown->SetOnClick(TEventRecorder::Handler());
    for (int i = 0; i < 3; ++i)
        updown->ClickButton(btNext);
    EXPECT_EQ(updown->Position(), 2);
    EXPECT_EQ(edit->Text(), "2");
    EXPECT_EQ(Recorder.Count("OnClick"), 3);
    EXPECT_EQ(Recorder.Events[0].Args.Value, btNext);
    delete edit;
    EXPECT_EQ(updown->Associate(), nullptr);
}

TEST_F(WidgetEvents, ExceptionsInHandlersGoToTheExceptionHandler)
{
    std::string reported;
    auto previous = SetVlExceptionHandler([&](const std::exception_ptr &e) { reported = VlExceptionMessage(e); });
    auto *button = new TButton(Form.get());
    button->SetParent(Form.get());
    button->SetOnClick(TEventRecorder::Handler());
    Recorder.Reaction = [](TVlEventArgs &) { throw std::runtime_error("handler failed"); };
    QTest::mouseClick(button->Widget(), Qt::LeftButton);
    EXPECT_EQ(reported, "handler failed");
    SetVlExceptionHandler(previous);
}

} // namespace
