// The new-procedure dialog: enabling "ОК", descriptions, generation and list-file failures.
#include "DelphiUnitForm.h"
#include "NewProcedureForm.h"
#include "UsesListForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Picks an item the way the drop-down does.
void Choose(QComboBox *list, const QString &item)
{
    list->setCurrentIndex(list->findText(item));
}

struct TFixture {
    TProcedureForm form;
    QList<TVlEventProcedures> generated;
    TFixture()
    {
        form.FormNameProvider = [] { return QString("Form1"); };
        form.OnGenerate = [this](const TVlEventProcedures &result) { generated << result; };
    }
};

TEST(NewProcedureFormTest, StartsAsDesigned)
{
    TProcedureForm form;
    EXPECT_FALSE(form.OkButton()->isEnabled());
    EXPECT_EQ(form.Description()->text(), "нет");
    EXPECT_EQ(form.ControlName()->text(), "Button1");
    EXPECT_EQ(form.FormEvents()->currentText(), "не выбрано");
    EXPECT_EQ(form.ControlEvents()->currentText(), "");
}

TEST(NewProcedureFormTest, ChoosingEnablesOkAndDescribes)
{
    TFixture f;
    Choose(f.form.ControlEvents(), "OnClick");
    EXPECT_TRUE(f.form.OkButton()->isEnabled());
    EXPECT_EQ(f.form.Description()->text(), "Процедура при клике левой кнопки мыши");
    Choose(f.form.FormEvents(), "OnCloseQuery");
    EXPECT_EQ(f.form.Description()->text(), "Процедура при запросе о выходе из текущей формы");
    Choose(f.form.FormEvents(), "не выбрано");
    EXPECT_EQ(f.form.Description()->text(), "Процедура при запросе о выходе из текущей формы");
    f.form.ControlEvents()->setEditText("OnDblClick"); // typed, not chosen
    EXPECT_EQ(f.form.Description()->text(), "Процедура при запросе о выходе из текущей формы");
}

TEST(NewProcedureFormTest, OkGeneratesControlEventFirst)
{
    TFixture f;
    Choose(f.form.ControlEvents(), "OnEnter");
    Choose(f.form.FormEvents(), "OnCreate");
    f.form.OkButton()->click();
    ASSERT_EQ(f.generated.size(), 1);
    EXPECT_EQ(f.generated[0].lines.size(), 8);
    EXPECT_EQ(f.generated[0].lines[0], "procedure TForm1.Button1Enter(Sender: TObject)");
    EXPECT_EQ(f.generated[0].logLines, QStringList({"Добавлена процедура OnEnter", "Добавлена процедура OnCreate"}));
}

TEST(NewProcedureFormTest, BothNotChosenWritesNothingAndShowsTheHint)
{
    TFixture f;
    Choose(f.form.ControlEvents(), "не выбрано");
    f.form.OkButton()->click();
    ASSERT_EQ(f.generated.size(), 1);
    EXPECT_TRUE(f.generated[0].lines.isEmpty());
    EXPECT_EQ(f.form.Description()->text(), "Выберите процедуру из списка");
    EXPECT_TRUE(f.form.OkButton()->isEnabled());
}

TEST(NewProcedureFormTest, ListFileItemsCanBeChosenButUnknownOnesWriteNothing)
{
    QTemporaryDir dir;
    for (const auto &[name, text] : {std::pair{"FormProc.vlf", "OnCreate\r\nне выбрано\r\n"},
                                     std::pair{"ObjectProc.vlf", "OnKeyPress\r\nOnClick\r\n"}}) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QString(text).toUtf8());
    }
    TFixture f;
    EXPECT_EQ(f.form.LoadListFiles(TVlEventListFiles::In(dir.path())), "");
    EXPECT_EQ(f.form.ControlEvents()->count(), 2);
    Choose(f.form.ControlEvents(), "OnKeyPress");
    EXPECT_TRUE(f.form.OkButton()->isEnabled());
    EXPECT_EQ(f.form.Description()->text(), "нет");
    f.form.OkButton()->click();
    EXPECT_TRUE(f.generated.value(0).lines.isEmpty());
}

TEST(NewProcedureFormTest, MissingFormListStopsLoadingBeforeTheControlList)
{
    QTemporaryDir dir;
    QFile control(dir.filePath("ObjectProc.vlf"));
    ASSERT_TRUE(control.open(QIODevice::WriteOnly));
    control.write("OnClick\r\n");
    control.close();
    TProcedureForm form;
    const QString error = form.LoadListFiles(TVlEventListFiles::In(dir.path()));
    EXPECT_TRUE(error.startsWith("Cannot open file \"" + QDir(dir.path()).filePath("FormProc.vlf") + "\". "))
        << error.toStdString();
    EXPECT_EQ(form.ControlEvents()->count(), BuiltInControlEvents().size());
    EXPECT_EQ(form.FormEvents()->count(), BuiltInFormEvents().size());
}

TEST(NewProcedureFormTest, ListsAreSavedAndReadBack)
{
    QTemporaryDir dir;
    TProcedureForm form;
    EXPECT_EQ(form.SaveListFiles(TVlEventListFiles::In(dir.path())), "");
    TProcedureForm again;
    EXPECT_EQ(again.LoadListFiles(TVlEventListFiles::In(dir.path())), "");
    EXPECT_EQ(again.FormEvents()->itemText(4), "OnDectivate");
    EXPECT_EQ(again.FormEvents()->currentText(), "не выбрано");
    EXPECT_TRUE(form.SaveListFiles(TVlEventListFiles::In(dir.filePath("missing"))).startsWith("Cannot create file"));
}

TEST(CodegenDialogsTest, UnitDialogKeepsTheTypedFormName)
{
    TDelphiF dialog;
    EXPECT_EQ(dialog.windowTitle(), "Новый юнит Delphi");
    EXPECT_EQ(dialog.UnitName(), "Unit1");
    EXPECT_EQ(dialog.FormName(), "Form1");
    dialog.NameEdit(1)->setText(" Main ");
    EXPECT_EQ(dialog.FormName(), " Main ");
}

TEST(CodegenDialogsTest, UsesListBuildsTheClauseFromTicks)
{
    TUsesListForm form;
    ASSERT_EQ(form.UnitBoxes().size(), 15);
    for (QCheckBox *box : form.UnitBoxes())
        box->setChecked(box->text() == "SysUtils" || box->text() == "IniFiles");
    EXPECT_EQ(form.UsesClause(), "Uses\n   SysUtils, IniFiles;");
}

} // namespace
