// Event procedure generator: combinations of the two lists, descriptions and list files.
#include "GoldenText.h"
#include "VlEventProcedures.h"
#include "common/VlFullDisk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

struct TGenerateCase {
    const char *name;
    const char *controlItem;
    const char *formItem;
    const char *formName;
    const char *controlName;
    QStringList headers; // the header lines expected, control event first
    bool hintShown;      // description set to "Выберите процедуру из списка"
};

const TGenerateCase GenerateCases[] = {
    {"ClickOnly", "OnClick", "", "Form1", "Button1",
     {"procedure TForm1.Button1Click(Sender: TObject)"}, false},
    {"EnterAndCreate", "OnEnter", "OnCreate", "Form1", "Edit1",
     {"procedure TForm1.Edit1Enter(Sender: TObject)", "procedure TForm1.FormCreate(Sender: TObject)"},
     false},
    {"OtherFormName", "OnDblClick", "OnCloseQuery", "Main", "List",
     {"procedure TMain.ListDblClick(Sender: TObject)",
      "procedure TMain.FormCloseQuery(Sender: TObject; var CanClose: Boolean)"},
     false},
    {"EmptyControlName", "OnClick", "", "Form1", "", {"procedure TForm1.Click(Sender: TObject)"}, false},
    {"DeactivateSpelling", "", "OnDectivate", "Form1", "B", {"procedure TForm1.OnDectivate(Sender: TObject)"},
     false},
    {"ActivateKeepsItsName", "", "OnActivate", "F", "B", {"procedure TF.OnActivate(Sender: TObject)"}, false},
    {"BothNotChosen", "не выбрано", "не выбрано", "Form1", "Button1", {}, true},
    {"FormNotChosen", "OnSelect", "не выбрано", "Form1", "C", {"procedure TForm1.CSelect(Sender: TObject)"},
     true},
    {"UnknownItemsWriteNothing", "OnKeyPress", "OnResize", "Form1", "Button1", {}, false},
    {"NoChoiceAtAll", "", "", "Form1", "Button1", {}, false},
};

class GenerateTest : public testing::TestWithParam<TGenerateCase> {};

TEST_P(GenerateTest, ProceduresLogLinesAndDescription)
{
    const TGenerateCase &c = GetParam();
    const TVlEventProcedures result =
        GenerateEventProcedures(c.controlItem, c.formItem, c.formName, c.controlName);
    ASSERT_EQ(result.lines.size(), c.headers.size() * 4);
    ASSERT_EQ(result.logLines.size(), c.headers.size());
    for (int i = 0; i < c.headers.size(); ++i) {
        EXPECT_EQ(result.lines[i * 4], c.headers[i]);
        EXPECT_EQ(result.lines.mid(i * 4 + 1, 3), QStringList({"begin", "", "end;"}));
    }
    if (!c.headers.isEmpty()) {
        const QString firstItem = ControlEventDescription(c.controlItem) ? c.controlItem : c.formItem;
        EXPECT_EQ(result.logLines[0], "Добавлена процедура " + firstItem);
    }
    EXPECT_EQ(result.description.has_value(), c.hintShown);
    if (c.hintShown) {
        EXPECT_EQ(*result.description, ChooseProcedureText);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, GenerateTest, testing::ValuesIn(GenerateCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(EventProceduresTest, GoldenTextOfBothEvents)
{
    const TVlEventProcedures result = GenerateEventProcedures("OnEnter", "OnCreate", "Form1", "Button1");
    ExpectGolden("event-procedures.pas", (result.lines + result.logLines).join('\n'));
}

TEST(EventProceduresTest, DescriptionsOnlyForRecognisedItems)
{
    EXPECT_EQ(ControlEventDescription("OnClick"), QString("Процедура при клике левой кнопки мыши"));
    EXPECT_EQ(FormEventDescription("OnDectivate"), QString("Процедура при отмены активации текущей формы"));
    EXPECT_FALSE(ControlEventDescription("OnCreate"));
    EXPECT_FALSE(FormEventDescription("OnClick"));
    EXPECT_FALSE(FormEventDescription("OnKeyPress"));
    EXPECT_FALSE(ControlEventDescription("не выбрано"));
}

TEST(EventProceduresTest, EveryBuiltInItemIsRecognisedOrNotChosen)
{
    for (const QString &item : BuiltInControlEvents())
        EXPECT_TRUE(item == NotChosenItem || ControlEventDescription(item)) << item.toStdString();
    for (const QString &item : BuiltInFormEvents())
        EXPECT_TRUE(item == NotChosenItem || FormEventDescription(item)) << item.toStdString();
}

TEST(EventProceduresTest, ListFilesRoundTripInCodePage1251)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("FormProc.vlf");
    QString error;
    ASSERT_TRUE(SaveEventList(path, BuiltInFormEvents(), error)) << error.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().endsWith("\xed\xe5 \xe2\xfb\xe1\xf0\xe0\xed\xee\r\n")); // "не выбрано"
    EXPECT_EQ(LoadEventList(path, error), BuiltInFormEvents());
}

TEST(EventProceduresTest, LoadingAcceptsUtf8AndBareLineFeeds)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("ObjectProc.vlf");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QString("OnClick\nOnKeyPress\nне выбрано").toUtf8());
    file.close();
    QString error;
    EXPECT_EQ(LoadEventList(path, error), QStringList({"OnClick", "OnKeyPress", "не выбрано"}));
}

TEST(EventProceduresTest, MissingOrUnwritableFilesReportTheStandardErrors)
{
    QTemporaryDir dir;
    QString error;
    const QString missing = dir.filePath("none.vlf");
    EXPECT_FALSE(LoadEventList(missing, error));
    EXPECT_TRUE(error.startsWith("Cannot open file \"" + missing + "\". ")) << error.toStdString();
    const QString unwritable = dir.filePath("no/such/folder/FormProc.vlf");
    EXPECT_FALSE(SaveEventList(unwritable, {"OnClick"}, error));
    EXPECT_TRUE(error.startsWith("Cannot create file \"" + unwritable + "\". ")) << error.toStdString();
}

TEST(EventProceduresTest, AFullDiskKeepsThePreviousListAndIsReported)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("FormProc.vlf");
    QString error;
    ASSERT_TRUE(SaveEventList(path, BuiltInFormEvents(), error));
    bool saved = true;
    {
        TVlFullDisk full;
        saved = SaveEventList(path, {"OnCreate"}, error);
    }
    EXPECT_FALSE(saved);
    EXPECT_TRUE(error.startsWith("Cannot create file \"" + path + "\". ")) << error.toStdString();
    EXPECT_EQ(LoadEventList(path, error), BuiltInFormEvents());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"FormProc.vlf"});
}

TEST(EventProceduresTest, ShippedListFilesLoad)
{
    const auto dataDir = CodegenDataDir().parent_path().parent_path().parent_path() / "data/program/Data";
    QString error;
    const auto formEvents = LoadEventList(QString::fromStdString((dataDir / "FormProc.vlf").string()), error);
    ASSERT_TRUE(formEvents) << error.toStdString();
    EXPECT_EQ(*formEvents, BuiltInFormEvents());
    const auto controlEvents = LoadEventList(QString::fromStdString((dataDir / "ObjectProc.vlf").string()), error);
    ASSERT_TRUE(controlEvents) << error.toStdString();
    EXPECT_EQ(*controlEvents, BuiltInControlEvents());
}

} // namespace
