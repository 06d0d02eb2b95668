// The end of the session (SIGTERM) closes the window as "Выход" with OK does: no question, the
// backup is written, open dialogs end first.
#include "ShellTestSupport.h"
#include "app/VlTerminationWatcher.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QTimer>

#include <csignal>
#include <gtest/gtest.h>

namespace {

// Runs the event loop until `done` holds or two seconds have passed.
template <typename TCondition>
bool ProcessUntil(TCondition done)
{
    QDeadlineTimer deadline(2000);
    while (!done() && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

TEST(Termination, ARequestToStopClosesTheWindowWithoutAskingAndKeepsTheBackup)
{
    TShellFixture fixture;
    fixture.Log.ConfirmAnswer = false; // a question would keep the window open
    auto form = fixture.MakeForm();
    form->show();
    form->Memo1->SetText("kept");
    TVlTerminationWatcher watcher;
    QObject::connect(&watcher, &TVlTerminationWatcher::TerminationRequested, form.get(),
                     [&form] { form->CloseWithoutAsking(); });
    ::raise(SIGTERM);
    EXPECT_TRUE(ProcessUntil([&] { return !form->isVisible(); }));
    EXPECT_TRUE(watcher.Requested());
    EXPECT_TRUE(fixture.Log.Questions.isEmpty());
    form.reset();
    EXPECT_EQ(FileBytes(fixture.PathOf("BackUp/Project.dpr")), QByteArray("kept\r\n"));
}

TEST(Termination, AnOpenModalDialogEndsFirst)
{
    TShellFixture fixture;
    auto form = fixture.MakeForm();
    form->show();
    QTimer::singleShot(0, form.get(), [&] { form->CloseWithoutAsking(); });
    QDialog dialog(form.get());
    EXPECT_EQ(dialog.exec(), QDialog::Rejected); // returns only when something closes it
    EXPECT_TRUE(ProcessUntil([&] { return !form->isVisible(); }));
    EXPECT_TRUE(fixture.Log.Questions.isEmpty());
}

} // namespace
