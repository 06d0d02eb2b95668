// Data-aware controls and the grid follow their data source, in a form file and when scripts make
// them, and write what the user types back into the database.
#include "DbTestSupport.h"

#include "common/VlTestPaths.h"
#include "components/db/VlDbCtrls.h"
#include "components/db/VlDbGrids.h"
#include "components/db/VlDbTables.h"
#include "interpreter/forms/VlInterpreterForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include <filesystem>

namespace {

class DbControls : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterDbBindingsOnce();
        Db = std::make_unique<TTestDatabase>("Sqlite", "controls");
        Db->Scalar("CREATE TABLE people (id INTEGER PRIMARY KEY, name VARCHAR(20), score REAL, member BOOLEAN)");
        Db->Scalar("INSERT INTO people VALUES (1, 'Анна', 3.5, 1)");
        Db->Scalar("INSERT INTO people VALUES (2, 'Борис', 4, 0)");
        Db->Scalar("INSERT INTO people VALUES (3, 'Вера', NULL, 1)");
        Program.FileName = VlTestDataDir() + "/dbforms/Driver.pas";
    }
    // The form of People.pas with its table opened on the test database.
    TVlInterpreterForm *OpenPeople()
    {
        TVlInterpreterForm *form = Program.MakeForm(VlTestDataDir() + "/dbforms/People.pas");
        auto *table = static_cast<TTable *>(form->FindComponent("Table1"));
        table->SetDatabaseName(Db->Name());
        table->Open();
        return form;
    }
    template <class T>
    static T *Part(TComponent *form, const char *name)
    {
        return static_cast<T *>(form->FindComponent(name));
    }
    std::unique_ptr<TTestDatabase> Db;
    TVlInterpreterFm Program;
};

std::string Utf8(const std::string &cp1251)
{
    return Cp1251ToUtf8(cp1251);
}

} // namespace

TEST_F(DbControls, AFormFileGridShowsTheTableAndFollowsTheCurrentRecord)
{
    TVlInterpreterForm *form = OpenPeople();
    auto *grid = Part<TDBGrid>(form, "DBGrid1");
    auto *view = static_cast<QTableView *>(grid->Widget());
    ASSERT_EQ(view->model()->rowCount(), 3);
    ASSERT_EQ(view->model()->columnCount(), 3);
    EXPECT_EQ(view->model()->headerData(0, Qt::Horizontal).toString(), "Name");
    EXPECT_EQ(view->model()->headerData(1, Qt::Horizontal).toString(), "score");
    EXPECT_EQ(view->model()->index(1, 0).data().toString(), QString::fromUtf8("Борис"));
    EXPECT_EQ(view->model()->index(0, 1).data().toString(), "3.5");
    EXPECT_EQ(view->model()->index(2, 1).data().toString(), "");
    EXPECT_EQ(view->model()->index(1, 2).data().toString(), "False");
    EXPECT_EQ(view->columnWidth(0), 160);
    EXPECT_EQ(view->currentIndex().row(), 0);

    auto *table = Part<TTable>(form, "Table1");
    table->Last();
    EXPECT_EQ(view->currentIndex().row(), 2);
    // A click on a row moves the data set there.
    view->setCurrentIndex(view->model()->index(1, 0));
    EXPECT_EQ(table->RecNo(), 2);
    EXPECT_EQ(Utf8(Part<TDBText>(form, "DBText1")->Text()), "Борис");
    EXPECT_EQ(Utf8(form->Caption()), "People: Борис");

    form->Show();
    const std::string shot = std::filesystem::temp_directory_path().string() + "/veltrano-dbgrid.png";
    form->Widget()->grab().save(QString::fromStdString(shot));
    delete form;
}

TEST_F(DbControls, EditsCheckBoxesAndTheNavigatorReadAndWriteTheCurrentRecord)
{
    TVlInterpreterForm *form = OpenPeople();
    auto *edit = Part<TDBEdit>(form, "DBEdit1");
    auto *check = Part<TDBCheckBox>(form, "DBCheckBox1");
    auto *navigator = Part<TDBNavigator>(form, "DBNavigator1");
    auto *table = Part<TTable>(form, "Table1");
    EXPECT_EQ(Utf8(edit->Text()), "Анна");
    EXPECT_TRUE(check->Checked());
    EXPECT_FALSE(navigator->ButtonEnabled(nbPrior));
    EXPECT_FALSE(navigator->ButtonEnabled(nbPost));

    navigator->BtnClick(nbNext);
    EXPECT_EQ(Utf8(edit->Text()), "Борис");
    EXPECT_FALSE(check->Checked());

    // Typing starts editing; leaving the edit and posting stores the text.
    form->Show();
    auto *line = static_cast<QLineEdit *>(edit->Widget());
    line->setFocus();
    line->selectAll();
    for (QChar ch : QString::fromUtf8("Глеб"))
        QTest::sendKeyEvent(QTest::Click, line, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    EXPECT_EQ(table->State(), dsEdit);
    EXPECT_TRUE(navigator->ButtonEnabled(nbPost));
    EXPECT_EQ(Utf8(edit->Text()), "Глеб");
    check->SetChecked(true);
    navigator->BtnClick(nbPost);
    EXPECT_EQ(table->State(), dsBrowse);
    EXPECT_EQ(Db->Scalar("SELECT name || ':' || member FROM people WHERE id = 2"), "Глеб:1");

    navigator->BtnClick(nbInsert);
    EXPECT_EQ(table->State(), dsInsert);
    EXPECT_EQ(edit->Text(), "");
    navigator->BtnClick(nbCancel);
    navigator->BtnClick(nbLast);
    navigator->BtnClick(nbDelete);
    EXPECT_EQ(Db->Scalar("SELECT COUNT(*) FROM people"), "2");
    EXPECT_EQ(static_cast<QTableView *>(Part<TDBGrid>(form, "DBGrid1")->Widget())->model()->rowCount(), 2);
    delete form;
}

TEST_F(DbControls, TheGridEditsACellThroughTheDataSet)
{
    TVlInterpreterForm *form = OpenPeople();
    auto *grid = Part<TDBGrid>(form, "DBGrid1");
    auto *view = static_cast<QTableView *>(grid->Widget());
    auto *table = Part<TTable>(form, "Table1");
    EXPECT_TRUE(view->model()->flags(view->model()->index(0, 1)) & Qt::ItemIsEditable);
    view->model()->setData(view->model()->index(2, 1), "9.25");
    EXPECT_EQ(table->State(), dsEdit);
    EXPECT_EQ(table->RecNo(), 3);
    EXPECT_EQ(view->model()->headerData(2, Qt::Vertical).toString(), "I");
    table->First();  // moving on posts
    EXPECT_EQ(Db->Scalar("SELECT score FROM people WHERE id = 3"), "9.25");
    grid->SetReadOnly(true);
    EXPECT_FALSE(view->model()->flags(view->model()->index(0, 1)) & Qt::ItemIsEditable);
    delete form;
}

TEST_F(DbControls, ScriptsMakeDataAwareControlsAndTheyFollowTheirSource)
{
    const std::string source = Utf8ToCp1251(
        "unit T;\r\nfunction main: string;\r\n"
        "var T: TTable; S: TDataSource; E: TDBEdit; L: TDBLookupComboBox; G: TDBGrid; Q: TQuery; LS: TDataSource;\r\n"
        "begin\r\n"
        "  T := TTable.Create(nil); T.DatabaseName := '" + Db->Name() + "'; T.TableName := 'people'; T.Open;\r\n"
        "  S := TDataSource.Create(nil); S.DataSet := T;\r\n"
        "  E := TDBEdit.Create(nil); E.DataSource := S; E.DataField := 'name';\r\n"
        "  G := TDBGrid.Create(nil); G.DataSource := S;\r\n"
        "  Q := TQuery.Create(nil); Q.DatabaseName := T.DatabaseName;\r\n"
        "  Q.SQL.Text := 'SELECT id, name FROM people ORDER BY name DESC'; Q.Open;\r\n"
        "  LS := TDataSource.Create(nil); LS.DataSet := Q;\r\n"
        "  L := TDBLookupComboBox.Create(nil); L.ListSource := LS; L.KeyField := 'id'; L.ListField := 'name';\r\n"
        "  L.DataSource := S; L.DataField := 'id';\r\n"
        "  T.Next;\r\n"
        "  Result := E.Text + ' ' + L.Text + ' ' + IntToStr(L.ItemCount) + ' ' + IntToStr(G.FieldCount) + ' ' + G.Fields[1].FieldName + ' ' + G.CellText[1, 2];\r\n"
        "  if S.State = dsBrowse then Result := Result + ' browse';\r\n"
        "  L.Free; LS.Free; Q.Free; G.Free; E.Free; S.Free; T.Free;\r\n"
        "end;\r\nend.\r\n");
    EXPECT_EQ(Utf8(RunScript(Program, source)), "Борис Борис 3 4 name 4 browse");
}

TEST_F(DbControls, CellsStandAsTheirColumnOrFieldAsks)
{
    TVlInterpreterForm *form = OpenPeople();
    auto *grid = Part<TDBGrid>(form, "DBGrid1");
    auto *view = static_cast<QTableView *>(grid->Widget());
    auto *table = Part<TTable>(form, "Table1");
    auto columnOf = [&](const char *name) {
        for (int i = 0; i < grid->FieldCount(); ++i)
            if (grid->Fields(i)->FieldName() == name)
                return i;
        return -1;
    };
    auto horizontal = [&](int column) {
        return view->model()->data(view->model()->index(0, column), Qt::TextAlignmentRole).toInt() & Qt::AlignHorizontal_Mask;
    };
    ASSERT_GE(columnOf("score"), 0);
    EXPECT_EQ(horizontal(columnOf("score")), Qt::AlignRight);
    EXPECT_EQ(horizontal(columnOf("name")), Qt::AlignLeft);
    table->FieldByName("name")->SetAlignment(2);
    EXPECT_EQ(horizontal(columnOf("name")), Qt::AlignHCenter);
    grid->Columns()->Clear();
    TColumn *column = grid->Columns()->Add();
    column->SetFieldName("score");
    column->SetAlignment(0);
    EXPECT_EQ(grid->FieldCount(), 1);
    EXPECT_EQ(horizontal(0), Qt::AlignLeft);
    delete form;
}
