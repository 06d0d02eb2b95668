// Modal waits: however a modal form's wait ends (a handler's exception, a host ending every wait),
// nothing is left pointing at the finished loop, and the form is usable again.
#include "WidgetTestSupport.h"

#include "VlApplication.h"
#include "VlForms.h"
#include "VlMessageDialogs.h"
#include "VlModalWaits.h"
#include "VlStdCtrls.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

namespace {

class ModalWaits : public testing::Test {
protected:
    // A form with one button that ends its modal wait with mrOk.
    std::unique_ptr<TForm> MakeDialog()
    {
        auto dialog = std::make_unique<TForm>();
        auto *ok = new TButton(dialog.get());
        ok->SetParent(dialog.get());
        ok->SetModalResult(mrOk);
        Ok = ok;
        return dialog;
    }
    // Runs action once the next modal wait has begun (every wait runs the event loop).
    static void InTheWait(std::function<void()> action) { QTimer::singleShot(0, qApp, std::move(action)); }

    TEventRecorder Recorder;
    TButton *Ok = nullptr;
};

TEST_F(ModalWaits, AnExceptionFromCloseQueryLeavesTheFormHiddenAndNoLongerModal)
{
    std::unique_ptr<TForm> dialog = MakeDialog();
    dialog->SetOnCloseQuery(TEventRecorder::Handler());
    Recorder.Reaction = [](TVlEventArgs &args) {
        if (args.Name == "OnCloseQuery")
            throw std::runtime_error("refused loudly");
    };
    InTheWait([this] { QTest::mouseClick(Ok->Widget(), Qt::LeftButton); });
    EXPECT_THROW(dialog->ShowModal(), std::runtime_error);
    EXPECT_FALSE(dialog->IsModal());
    EXPECT_FALSE(dialog->Widget()->isVisible());
    EXPECT_EQ(dialog->Widget()->windowModality(), Qt::NonModal);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // The form is modal again at once, and ends as usual.
    Recorder.Reaction = nullptr;
    InTheWait([this] { QTest::mouseClick(Ok->Widget(), Qt::LeftButton); });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    // Freeing the form afterwards touches no finished loop (the sanitizer build checks).
    dialog.reset();
}

TEST_F(ModalWaits, AnExceptionFromOnCloseEndsTheWaitAsWell)
{
    std::unique_ptr<TForm> dialog = MakeDialog();
    dialog->SetOnClose(TEventRecorder::Handler());
    Recorder.Reaction = [](TVlEventArgs &args) {
        if (args.Name == "OnClose")
            throw std::runtime_error("no");
    };
    InTheWait([this] { QTest::mouseClick(Ok->Widget(), Qt::LeftButton); });
    EXPECT_THROW(dialog->ShowModal(), std::runtime_error);
    EXPECT_FALSE(dialog->IsModal());
    EXPECT_FALSE(dialog->Widget()->isVisible());
}

TEST_F(ModalWaits, EndingTheWaitsClosesNestedModalFormsWithoutAskingThem)
{
    std::unique_ptr<TForm> outer = MakeDialog();
    std::unique_ptr<TForm> inner = MakeDialog();
    // Both refuse to close: an ended wait does not ask.
    outer->SetOnCloseQuery(TEventRecorder::Handler());
    inner->SetOnCloseQuery(TEventRecorder::Handler());
    Recorder.Reaction = [](TVlEventArgs &args) {
        if (args.Name == "OnCloseQuery")
            args.CanClose = false;
    };
    TModalResult innerResult = mrNone;
    InTheWait([&] {
        InTheWait([&] {
            EXPECT_TRUE(inner->IsModal());
            VlEndModalWaits();
        });
        innerResult = inner->ShowModal();
    });
    EXPECT_EQ(outer->ShowModal(), mrCancel);
    EXPECT_EQ(innerResult, mrCancel);
    EXPECT_EQ(Recorder.Count("OnCloseQuery"), 0);
    EXPECT_FALSE(outer->Widget()->isVisible());
    EXPECT_FALSE(inner->Widget()->isVisible());
    // With no wait running, ending them does nothing.
    VlEndModalWaits();
}

TEST_F(ModalWaits, EndingTheWaitsCancelsMessageBoxesAndApplicationRun)
{
    int answer = -1;
    InTheWait([] { VlEndModalWaits(); });
    answer = MessageDlg("Продолжить?", mtConfirmation, mbYesNoCancel);
    EXPECT_EQ(answer, mrCancel);

    std::string value = "typed";
    InTheWait([] { VlEndModalWaits(); });
    EXPECT_FALSE(InputQuery("Имя", "Введите имя", value));
    EXPECT_EQ(value, "typed");

    auto main = std::make_unique<TForm>(&Application());
    Application().SetMainForm(main.get());
    InTheWait([] { VlEndModalWaits(); });
    Application().Run();
    EXPECT_TRUE(main->Visible()) << "Run ended by the host, not by the form closing";
    Application().SetMainForm(nullptr);
}

} // namespace
