// Which item a key runs: the focused control's context menu first, then the main menu in order.
#include "ShellTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTextEdit>

#include "editor/VlCompletion.h"

#include <gtest/gtest.h>

namespace {

class ShortcutTest : public testing::Test {
protected:
    void SetUp() override
    {
        Form = Fixture.MakeForm();
        Form->show();
        QApplication::setActiveWindow(Form.get());
        for (const char *id : {"EditUndoClick", "EditCutClick", "TextCutClick", "TextUndoClick", "TextRefreshClick",
                               "NewProcedureClick", "PrintTextClick", "OptionsClick", "EditClearClick", "TextClearClick",
                               "ExitClick", "FindClick"}) {
            const QString command = id;
            Form->SetCommandHandler(command, [this, command](const QString &sender) { Ran << command + "/" + sender; });
        }
    }

    void Press(QWidget *target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        target->setFocus();
        QTest::keyClick(target, key, modifiers);
    }

    TShellFixture Fixture;
    std::unique_ptr<TForm1> Form;
    QStringList Ran;
};

TEST_F(ShortcutTest, TextContextMenuWinsInTheTextTab)
{
    Form->PageControl1->setCurrentIndex(2);
    Press(Form->Memo2, Qt::Key_X, Qt::ControlModifier);
    Press(Form->Memo2, Qt::Key_F5);
    Press(Form->Memo2, Qt::Key_Z, Qt::ControlModifier); // not in the context menu: the main menu's first
    Press(Form->Memo2, Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(Ran, (QStringList{"TextCutClick/TxCut1", "TextRefreshClick/TxRefresh1", "EditUndoClick/Undo1",
                                "EditClearClick/Clear1"}));
}

TEST_F(ShortcutTest, EditorKeysRunTheFirstMainMenuItem)
{
    Press(Form->Memo1, Qt::Key_X, Qt::ControlModifier);
    Press(Form->Memo1, Qt::Key_Z, Qt::ControlModifier);
    Press(Form->Memo1, Qt::Key_F5); // only the text menus have F5: "Правка" → "Текст" → "Обновить"
    EXPECT_EQ(Ran, (QStringList{"EditCutClick/Cut1", "EditUndoClick/Undo1", "TextRefreshClick/TextRefresh1"}));
}

TEST_F(ShortcutTest, HiddenItemsStillRunByTheirKeys)
{
    Form->MenuItem("Insert1")->setVisible(false);
    Form->MenuItem("PrintText1")->setVisible(false);
    Press(Form->Memo1, Qt::Key_Insert, Qt::AltModifier);
    Press(Form->Memo1, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(Ran, (QStringList{"NewProcedureClick/ProcOther1", "PrintTextClick/PrintText1"}));
}

TEST_F(ShortcutTest, DisabledItemsAndDisabledParentsDoNotRun)
{
    Form->MenuItem("Options1")->setEnabled(false);
    Form->MenuItem("Insert1")->setEnabled(false);
    Form->MenuItem("PrintText1")->setVisible(false);
    Form->MenuItem("PrintText1")->setEnabled(false); // disabled while hidden
    Press(Form->Memo1, Qt::Key_F12);
    Press(Form->Memo1, Qt::Key_Insert, Qt::AltModifier);
    Press(Form->Memo1, Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(Ran.isEmpty());
    EXPECT_FALSE(Form->MenuItem("PrintText1")->isVisible());
}

TEST_F(ShortcutTest, ConsumedKeysDoNotReachTheControl)
{
    Form->PageControl1->setCurrentIndex(2);
    Form->Memo2->setPlainText("abc");
    Form->Memo2->selectAll();
    Press(Form->Memo2, Qt::Key_X, Qt::ControlModifier); // our handler only records: the text stays
    EXPECT_EQ(Form->Memo2->toPlainText(), QString("abc"));
}

TEST_F(ShortcutTest, KeysWithoutItemsReachTheControl)
{
    Form->PageControl1->setCurrentIndex(2);
    Form->Memo2->clear();
    Press(Form->Memo2, Qt::Key_Q);
    EXPECT_EQ(Form->Memo2->toPlainText(), QString("q"));
    EXPECT_TRUE(Ran.isEmpty());
}

TEST_F(ShortcutTest, EscapeAsksToQuit)
{
    Press(Form->Memo1, Qt::Key_Escape);
    EXPECT_EQ(Ran, (QStringList{"ExitClick/Exit1"}));
}

TEST_F(ShortcutTest, EscAfterTheFirstKeyOfATwoKeyCommandCancelsOnlyThatCommand)
{
    Form->Memo1->SetText("ab");
    Press(Form->Memo1, Qt::Key_K, Qt::ControlModifier);
    Press(Form->Memo1, Qt::Key_Escape);
    EXPECT_TRUE(Ran.isEmpty());
    EXPECT_FALSE(Form->Memo1->KeySequencePending());
    Press(Form->Memo1, Qt::Key_Escape); // nothing waits now: Esc is "Выход" again
    EXPECT_EQ(Ran, (QStringList{"ExitClick/Exit1"}));
}

TEST_F(ShortcutTest, EscWithTheCompletionListOpenRunsExitAndTheListGoes)
{
    // The question's answer comes from the hook, so the editor keeps the focus: the list must
    // go because a command of the window ran, not because the focus moved.
    Form->SetCommandHandler("ExitClick", [this] { Form->close(); });
    Fixture.Log.ConfirmAnswer = false;
    Form->Memo1->setFocus();
    for (QChar ch : QString("cla"))
        QTest::sendKeyEvent(QTest::Click, Form->Memo1, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    Press(Form->Memo1, Qt::Key_J, Qt::ControlModifier);
    ASSERT_TRUE(Form->Memo1->Completion().Showing());
    Press(Form->Memo1, Qt::Key_Escape);
    EXPECT_EQ(Fixture.Log.Questions, (QStringList{"Вы действительно хотите выйти?"}));
    EXPECT_FALSE(Form->Memo1->Completion().Showing());
    EXPECT_TRUE(Form->isVisible());
    EXPECT_EQ(Form->Memo1->Line(0), "cla");
}

TEST_F(ShortcutTest, AWindowCommandCancelsAWaitingTwoKeyCommand)
{
    Form->Memo1->SetText("ab");
    Press(Form->Memo1, Qt::Key_K, Qt::ControlModifier);
    Press(Form->Memo1, Qt::Key_F, Qt::ControlModifier); // "Найти..."
    EXPECT_EQ(Ran, (QStringList{"FindClick/Find1"}));
    EXPECT_FALSE(Form->Memo1->KeySequencePending());
}

TEST_F(ShortcutTest, ResolverOrderWithoutWidgetsFocused)
{
    TVlShortcutResolver &resolver = Form->Shortcuts();
    EXPECT_EQ(resolver.Resolve(nullptr, QKeySequence("Ctrl+C"))->objectName(), QString("Copy1"));
    EXPECT_EQ(resolver.Resolve(Form->Memo2, QKeySequence("Ctrl+C"))->objectName(), QString("TxCopy1"));
    EXPECT_EQ(resolver.Resolve(Form->Memo2, QKeySequence("Ctrl+Alt+Z"))->objectName(), QString("TextRedo1"));
    EXPECT_EQ(resolver.Resolve(Form->Memo1, QKeySequence("Ctrl+Q")), nullptr);
    // A disabled item in the focused control's menu decides: nothing runs.
    Form->MenuItem("TxCopy1")->setEnabled(false);
    EXPECT_EQ(resolver.Resolve(Form->Memo2, QKeySequence("Ctrl+C")), nullptr);
}

} // namespace
