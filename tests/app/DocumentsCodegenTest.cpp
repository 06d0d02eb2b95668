// Code generation commands on the main window: skeletons, snippets, their log lines and undo.
#include "ShellTestSupport.h"

#include "app/VeltranoCodegen.h"
#include "app/VeltranoStatusBar.h"
#include "codegen/DelphiConsoleForm.h"
#include "codegen/DelphiUnitForm.h"
#include "codegen/LibraryForm.h"
#include "codegen/ModuleForm.h"
#include "codegen/UsesListForm.h"
#include "codegen/NewProcedureForm.h"
#include "editor/VlRichView.h"

#include <QFile>

#include <QCheckBox>
#include <QComboBox>
#include <QTextCursor>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class CodegenCommandsTest : public testing::Test {
protected:
    void SetUp() override { Form = Fixture.MakeForm(); }

    // Runs a command whose modal dialog is answered by `answer` once it shows.
    void RunWithDialog(const QString &command, QDialog *dialog, std::function<void()> answer)
    {
        QTimer::singleShot(0, dialog, std::move(answer));
        Form->RunCommand(command);
    }
    QStringList Lines() const
    {
        QStringList lines;
        for (int i = 0; i < Form->Memo1->LineCount(); ++i)
            lines << Form->Memo1->Line(i);
        return lines;
    }
    QStringList Log() const
    {
        QStringList lines;
        for (int i = 0; i < Form->LOG1->count(); ++i)
            lines << Form->LOG1->item(i)->text();
        return lines;
    }

    TShellFixture Fixture;
    std::unique_ptr<TForm1> Form;
};

TEST_F(CodegenCommandsTest, ConsoleSkeletonReplacesTextAndDisablesTheDesigner)
{
    Form->Memo1->SetText("unsaved work");
    auto *dialog = Form->findChild<TConsoleF *>();
    RunWithDialog("NewConsoleClick", dialog, [dialog] {
        dialog->NameEdit()->setText("My App");
        dialog->accept();
    });
    EXPECT_EQ(Lines().size(), 10);
    EXPECT_EQ(Lines().first(), "program My App;");
    EXPECT_EQ(Form->windowTitle(), "Veltrano - My App");
    EXPECT_EQ(Form->StatusBar1->PanelText(4), "Консольное приложение");
    EXPECT_FALSE(Form->PageControl1->widget(1)->isEnabled());
}

TEST_F(CodegenCommandsTest, CancelChangesNothing)
{
    Form->Memo1->SetText("keep");
    auto *dialog = Form->findChild<TConsoleF *>();
    RunWithDialog("NewConsoleClick", dialog, [dialog] { dialog->reject(); });
    EXPECT_EQ(Lines(), QStringList{"keep"});
    EXPECT_EQ(Form->windowTitle(), "Veltrano - Project1");
    EXPECT_EQ(Form->StatusBar1->PanelText(4), "Новый");
}

TEST_F(CodegenCommandsTest, FormUnitEnablesDesignerInTheBackground)
{
    auto *dialog = Form->findChild<TDelphiF *>();
    RunWithDialog("NewApplicationClick", dialog, [dialog] { dialog->accept(); });
    EXPECT_EQ(Lines().value(16), " Form1:TForm1;");
    EXPECT_EQ(Form->windowTitle(), "Veltrano - Unit1");
    EXPECT_EQ(Form->StatusBar1->PanelText(4), "Приложение");
    EXPECT_TRUE(Form->PageControl1->widget(1)->isEnabled());
    EXPECT_EQ(Form->PageControl1->currentIndex(), 0);
}

TEST_F(CodegenCommandsTest, EmptyUnitUsesPanelFiveAndIgnoresTheName)
{
    auto *dialog = Form->findChild<TModuleF *>();
    RunWithDialog("NewModuleClick", dialog, [dialog] {
        dialog->NameEdit()->setText("MyUnit");
        dialog->accept();
    });
    EXPECT_EQ(Lines().first(), "unit Unit1;");
    EXPECT_EQ(Form->windowTitle(), "Veltrano - MyUnit");
    EXPECT_EQ(Form->StatusBar1->PanelText(5), "Модуль");
}

TEST_F(CodegenCommandsTest, FormDescriptionSwitchesToTheDesigner)
{
    Form->RunCommand("NewFormClick");
    EXPECT_EQ(Lines().size(), 15);
    EXPECT_EQ(Form->PageControl1->currentIndex(), 1);
    EXPECT_EQ(Form->CurrentFileName, "NewForm.dfm");
    EXPECT_EQ(Form->windowTitle(), "Veltrano - Project1");
}

TEST_F(CodegenCommandsTest, WordSnippetReplacesTheSelectionInOneUndoStep)
{
    Form->Memo1->SetText("x abc y");
    Form->Memo1->SetSelStart(2);
    Form->Memo1->SetSelLength(3);
    Form->RunCommand("SnippetBeginClick");
    EXPECT_EQ(Lines(), QStringList{"x begin y"});
    EXPECT_EQ(Form->Memo1->SelText(), "begin");
    EXPECT_EQ(Form->Memo1->CaretXY(), QPoint(8, 1));
    EXPECT_EQ(Log().last(), "Добавлено: begin");
    Form->Memo1->Undo();
    EXPECT_EQ(Lines(), QStringList{"x abc y"});
}

TEST_F(CodegenCommandsTest, BlockSnippetAppendsWithoutMovingTheCaret)
{
    Form->Memo1->SetText("a\nb");
    Form->Memo1->SetCaret(0, 0);
    const int logLines = Form->LOG1->count();
    Form->RunCommand("SnippetBeginEndClick");
    EXPECT_EQ(Lines(), QStringList({"a", "b", "begin", "", "end;"}));
    EXPECT_EQ(Form->Memo1->CaretXY(), QPoint(1, 1));
    EXPECT_EQ(Form->LOG1->count(), logLines);
    Form->Memo1->SetReadOnly(true);
    Form->RunCommand("SnippetIfThenClick"); // the commands ignore the read-only flag
    EXPECT_TRUE(Lines().first().startsWith("if *** then"));
}

TEST_F(CodegenCommandsTest, EventSnippetsUseTheFormNameOfTheUnitDialog)
{
    Form->findChild<TDelphiF *>()->NameEdit(1)->setText("Main");
    Form->Memo1->SetText("");
    Form->RunCommand("ProcOnClickClick");
    EXPECT_EQ(Lines().first(), "procedure TMain.?Click(Sender: TObject)   //? - то на что вы нажимаете");
    EXPECT_EQ(Log().last(), "Добавлена процедура OnClick");
    EXPECT_EQ(CurrentFormName(*Form), "Main");
}

TEST_F(CodegenCommandsTest, NewProcedureDialogAppendsBothProcedures)
{
    auto *dialog = Form->findChild<TProcedureForm *>();
    Form->Memo1->SetText("end.");
    RunWithDialog("NewProcedureClick", dialog, [dialog] {
        dialog->ControlEvents()->setCurrentIndex(dialog->ControlEvents()->findText("OnEnter"));
        dialog->FormEvents()->setCurrentIndex(dialog->FormEvents()->findText("OnCreate"));
        dialog->OkButton()->click();
    });
    EXPECT_EQ(Lines().size(), 9);
    EXPECT_EQ(Lines()[1], "procedure TForm1.Button1Enter(Sender: TObject)");
    EXPECT_EQ(Lines()[5], "procedure TForm1.FormCreate(Sender: TObject)");
    EXPECT_EQ(Log().mid(Log().size() - 2),
              QStringList({"Добавлена процедура OnEnter", "Добавлена процедура OnCreate"}));
}

TEST_F(CodegenCommandsTest, UsesListInsertsTheClauseAtTheCaret)
{
    Form->Memo1->SetText("unit U;");
    Form->Memo1->SetCaret(7, 0);
    auto *dialog = Form->findChild<TUsesListForm *>();
    RunWithDialog("UsesListClick", dialog, [dialog] {
        for (QCheckBox *box : dialog->UnitBoxes())
            box->setChecked(box->text() == "SysUtils");
        dialog->accept();
    });
    EXPECT_EQ(Lines(), QStringList({"unit U;Uses", "   SysUtils;"}));
    EXPECT_EQ(Log().last(), "Добавлено: Список Uses");
}

TEST_F(CodegenCommandsTest, TextViewRefreshAfterASkeletonKeepsTheFocus)
{
    Form->show();
    Form->Memo1->setFocus();
    Form->Memo2->setPlainText("begin x end");
    auto *dialog = Form->findChild<TLibraryF *>();
    RunWithDialog("NewLibraryClick", dialog, [dialog] { dialog->accept(); });
    EXPECT_EQ(Lines().first(), "library Library1;");
    EXPECT_EQ(Form->StatusBar1->PanelText(4), "Библиотека");
    EXPECT_FALSE(Form->Memo2->hasFocus());
    QTextCursor cursor(Form->Memo2->document());
    cursor.setPosition(1);
    EXPECT_EQ(cursor.charFormat().fontWeight(), QFont::Bold);
}

TEST(CodegenListFilesTest, MissingFormListIsReportedAndBothListsAreWrittenAtExit)
{
    TShellFixture fixture;
    QFile::remove(fixture.PathOf("Data/FormProc.vlf"));
    QFile::remove(fixture.PathOf("Data/ObjectProc.vlf"));
    auto form = fixture.MakeForm();
    ASSERT_EQ(fixture.Log.Errors.size(), 1);
    EXPECT_TRUE(fixture.Log.Errors[0].startsWith("Cannot open file \"" + fixture.PathOf("Data/FormProc.vlf")));
    form.reset(); // the lists are written back at exit
    EXPECT_TRUE(FileBytes(fixture.PathOf("Data/FormProc.vlf")).startsWith("OnActivate\r\n"));
    EXPECT_TRUE(FileBytes(fixture.PathOf("Data/ObjectProc.vlf")).startsWith("OnChange\r\n"));
}

TEST(TextViewInstallTest, WordListLibraryIsLoadedOrReportedOnce)
{
    TShellFixture fixture;
    auto form = fixture.MakeForm();
    int reports = 0;
    for (int i = 0; i < form->LOG1->count(); ++i)
        reports += form->LOG1->item(i)->text().contains("libquillon.so");
    EXPECT_EQ(reports, QFile::exists(fixture.PathOf("libquillon.so")) ? 0 : 1);
    EXPECT_NE(qobject_cast<TVlRichView *>(form->Memo2), nullptr);
    EXPECT_EQ(form->Memo2->objectName(), "Memo2");
}

} // namespace
