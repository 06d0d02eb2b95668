// ShowMessage, MessageDlg, InputQuery and the common dialogs as scripts call them: real modal
// dialogs with Russian buttons, driven here as a user would, and their answers in unattended runs.
#include "FormsTestSupport.h"

#include "components/VlApplication.h"
#include "components/VlDialogs.h"
#include "components/VlMessageDialogs.h"
#include "components/VlStdCtrls.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace {

std::string RunMain(const std::string &resultType, const std::string &body)
{
    TFormsProgram program;
    return RunText(program, "unit T;\r\nfunction main: " + resultType + ";\r\nvar S: string; D: TObject;\r\nbegin\r\n" +
                                Cp(body.c_str()) + "\r\nend;\r\nend.\r\n");
}

QStringList ButtonTexts(QMessageBox *box)
{
    QStringList texts;
    for (QAbstractButton *button : box->buttons())
        texts << button->text();
    texts.sort();
    return texts;
}

void ClickButton(QMessageBox *box, const char *utf8)
{
    for (QAbstractButton *button : box->buttons())
        if (button->text() == QString::fromUtf8(utf8)) {
            button->click();
            return;
        }
    ADD_FAILURE() << "no button " << utf8;
}

TEST(ScriptDialogs, ShowMessageIsAModalBoxWithAnOkButton)
{
    Application().SetTitle(Cp("Тест"));
    QString title, text;
    QStringList buttons;
    Later([&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        buttons = ButtonTexts(box);
        box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok)->click() : box->buttons().front()->click();
    });
    EXPECT_EQ(RunMain("integer", "  ShowMessage('Привет');\r\n  Result := 1;"), "1");
    EXPECT_EQ(title, QString::fromUtf8("Тест"));
    EXPECT_EQ(text, QString::fromUtf8("Привет"));
    EXPECT_EQ(buttons, QStringList{"OK"});
    Application().SetTitle("");
}

TEST(ScriptDialogs, MessageDlgAnswersTheButtonPressed)
{
    QString title;
    QStringList buttons;
    Later([&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        buttons = ButtonTexts(box);
        ClickButton(box, "&Нет");
    });
    EXPECT_EQ(RunMain("integer", "  Result := MessageDlg('Сохранить?', mtConfirmation, mbYesNoCancel, 0);"), "7");
    EXPECT_EQ(title, QString::fromUtf8("Подтверждение"));
    QStringList expected{QString::fromUtf8("&Да"), QString::fromUtf8("&Нет"), QString::fromUtf8("Отмена")};
    expected.sort();
    EXPECT_EQ(buttons, expected);
    // Esc answers Cancel.
    Later([] { qobject_cast<QMessageBox *>(QApplication::activeModalWidget())->reject(); });
    EXPECT_EQ(RunMain("integer", "  Result := MessageDlg('?', mtWarning, [mbYes, mbNo, mbCancel], 0);"), "2");
}

TEST(ScriptDialogs, InputQueryChangesTheVariableOnlyWhenAccepted)
{
    Later([] {
        auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->labelText(), QString::fromUtf8("Имя:"));
        dialog->setTextValue(QString::fromUtf8("Иван"));
        dialog->accept();
    });
    EXPECT_EQ(RunMain("string", "  S := 'никто';\r\n  if InputQuery('Вопрос', 'Имя:', S) then Result := 'да ' + S else Result := S;"),
              Cp("да Иван"));
    Later([] { qobject_cast<QInputDialog *>(QApplication::activeModalWidget())->reject(); });
    EXPECT_EQ(RunMain("string", "  S := 'никто';\r\n  if InputQuery('Вопрос', 'Имя:', S) then Result := 'да ' + S else Result := S;"),
              Cp("никто"));
    Later([] { qobject_cast<QInputDialog *>(QApplication::activeModalWidget())->reject(); });
    EXPECT_EQ(RunMain("string", "  Result := InputBox('Вопрос', 'Имя:', 'по умолчанию');"), Cp("по умолчанию"));
}

TEST(ScriptDialogs, CreateMessageDialogMakesAFormWithNamedButtons)
{
    Later([] {
        auto *form = dynamic_cast<TForm *>(TControl::FromWidget(QApplication::activeModalWidget()));
        ASSERT_NE(form, nullptr);
        auto *no = dynamic_cast<TButton *>(form->FindComponent("No"));
        ASSERT_NE(no, nullptr);
        EXPECT_EQ(no->Caption(), Cp("&Нет"));
        no->Click();
    });
    EXPECT_EQ(RunMain("integer", "  D := CreateMessageDialog('Удалить?', mtConfirmation, [mbYes, mbNo]);\r\n"
                                 "  try Result := D.ShowModal; finally D.Free; end;"),
              "7");
}

TEST(ScriptDialogs, AnOpenDialogReturnsTheChosenFile)
{
    const std::string dir = ScriptFormsDir();
    QStringList filters;
    Later([&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        filters = dialog->nameFilters();
        dialog->selectFile(QString::fromStdString(dir + "/Unit2.pas"));
        static_cast<QDialog *>(dialog)->accept();
    });
    EXPECT_EQ(RunMain("string", "  D := TOpenDialog.Create(nil);\r\n  try\r\n"
                                "    D.Filter := 'Модули (*.pas)|*.pas|Все файлы|*.*';\r\n"
                                "    D.InitialDir := '" + dir + "';\r\n"
                                "    if D.Execute then Result := ExtractFileName(D.FileName) + ' ' + IntToStr(D.FilterIndex);\r\n"
                                "  finally D.Free; end;"),
              "Unit2.pas 1");
    EXPECT_EQ(filters, (QStringList{QString::fromUtf8("Модули (*.pas)"), QString::fromUtf8("Все файлы (*.*)")}));
}

TEST(ScriptDialogs, AFindDialogRaisesOnFindWithWhatWasTyped)
{
    TFormsProgram program;
    program.SetSourceText(Cp("unit T;\r\nvar D: TFindDialog; Found: string;\r\n"
                          "procedure DoFind(Sender: TObject);\r\nbegin\r\n"
                          "  Found := D.FindText;\r\n"
                          "  if D.Options = [frDown, frMatchCase, frFindNext] then Found := Found + ' case next';\r\nend;\r\n"
                          "function main: boolean;\r\nbegin\r\n"
                          "  D := TFindDialog.Create(Application);\r\n  D.OnFind := DoFind;\r\n"
                          "  Result := D.Execute;\r\nend;\r\n"
                          "function Answer: string;\r\nbegin\r\n  Result := Found;\r\n  D.Free;\r\nend;\r\nend.\r\n"));
    program.Execute();
    EXPECT_TRUE(ValueToBoolean(program.ResultValue));
    QWidget *window = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == "VlFindDialog" && w->isVisible())
            window = w;
    ASSERT_NE(window, nullptr);
    window->findChild<QLineEdit *>("FindText")->setText(QString::fromUtf8("слово"));
    window->findChild<QCheckBox *>("MatchCase")->setChecked(true);
    window->findChild<QPushButton *>("FindNext")->click();
    program.InvokeFunction("Answer", nullptr, {});
    EXPECT_EQ(ValueToString(program.ResultValue), Cp("слово case next"));
}

TEST(ScriptDialogs, UnattendedRunsPrintMessagesAndTakeTheDefaultAnswers)
{
    std::string printed;
    VlSetUnattendedDialogs([&](const std::string &text) { printed += text + "\n"; });
    EXPECT_EQ(RunMain("string", "  ShowMessage('раз');\r\n"
                                "  Result := IntToStr(MessageDlg('два', mtInformation, mbYesNoCancel, 0));\r\n"
                                "  S := 'x';\r\n  if not InputQuery('три', 'четыре', S) then Result := Result + ' нет';\r\n"
                                "  D := TOpenDialog.Create(nil);\r\n"
                                "  try if not D.Execute then Result := Result + ' отмена'; finally D.Free; end;"),
              Cp("6 нет отмена"));
    VlSetUnattendedDialogs(nullptr);
    EXPECT_EQ(printed, Cp("[") + VlDialogCaption() + "]\n" + Cp("раз\n[Информация]\nдва\n[три]\nчетыре\n"));
}

} // namespace
