// Document commands: filters and text modes, open/save of the editor, the text tab's files.
#include "ShellTestSupport.h"

#include "app/VeltranoDocuments.h"
#include "app/VeltranoStatusBar.h"
#include "editor/VlRichView.h"

#include <QAction>
#include <QFile>
#include <QTextCursor>
#include <gtest/gtest.h>

namespace {

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(DocumentsModelTest, FilterTextsSplitIntoDescriptionsAndPatterns)
{
    const QList<TVlFileFilter> open = ParseFileFilter(DocumentOpenFilter);
    ASSERT_EQ(open.size(), 7);
    EXPECT_EQ(open[0].Description, "Все файлы Delphi\\Pascal (*.dpr; *.dfm; *.dpk; *.res; *.xfm)");
    EXPECT_EQ(open[0].Patterns.size(), 6); // ".pas" is listed only among the patterns
    EXPECT_EQ(open[6].Description, "Ресурс/модуль (*.res)");
    const QList<TVlFileFilter> save = ParseFileFilter(DocumentSaveFilter);
    ASSERT_EQ(save.size(), 8);
    EXPECT_EQ(save[6].Description, "Форма Veltrano (*.vlf)");
    EXPECT_EQ(DialogNameFilter(save[7]), "Текстовый документ (*.txt) (*.txt)");
}

TEST(DocumentsModelTest, ExtensionsFollowTheChosenSaveFilter)
{
    EXPECT_EQ(SaveFilterExtension(0), "dpr");
    EXPECT_EQ(SaveFilterExtension(3), "pas");
    EXPECT_EQ(SaveFilterExtension(7), "txt");
    EXPECT_EQ(SaveFilterExtension(42), "dpr");
    EXPECT_EQ(WithDefaultExtension("/tmp/project", "dpr"), "/tmp/project.dpr");
    EXPECT_EQ(WithDefaultExtension("/tmp/a.b/project", "dpr"), "/tmp/a.b/project.dpr");
    EXPECT_EQ(WithDefaultExtension("/tmp/unit.pas", "dpr"), "/tmp/unit.pas");
    EXPECT_TRUE(SaveFilterStoresForm(6));
    EXPECT_FALSE(SaveFilterStoresForm(0));
    EXPECT_FALSE(SaveFilterStoresForm(7));
}

struct TModeCase {
    TVlTextMode mode;
    const char *file;
    TVlTextFormat write;
    TVlTextFormat readFirst;
    std::optional<TVlTextFormat> readFallback;
};

TEST(DocumentsModelTest, TextModeDecidesFormats)
{
    using F = TVlTextFormat;
    const TModeCase cases[] = {
        {TVlTextMode::Default, "a.txt", F::Plain, F::Plain, std::nullopt},
        {TVlTextMode::Default, "a.TXT", F::Plain, F::Plain, std::nullopt},
        {TVlTextMode::Default, "a.pas", F::Rich, F::Rich, F::Plain},
        {TVlTextMode::Default, "a.rtf", F::Rich, F::Rich, F::Plain},
        {TVlTextMode::Default, "noext", F::Rich, F::Rich, F::Plain},
        {TVlTextMode::Plain, "a.pas", F::Plain, F::Plain, F::Rich},
        {TVlTextMode::Plain, "a.txt", F::Plain, F::Plain, F::Rich},
        {TVlTextMode::Rich, "a.txt", F::Rich, F::Rich, F::Plain},
    };
    for (const TModeCase &c : cases) {
        EXPECT_EQ(TextWriteFormat(c.mode, c.file), c.write) << c.file;
        const TVlTextReadPlan plan = TextReadPlan(c.mode, c.file);
        EXPECT_EQ(plan.First, c.readFirst) << c.file;
        EXPECT_EQ(plan.Fallback, c.readFallback) << c.file;
    }
}

class DocumentsTest : public testing::Test {
protected:
    void SetUp() override
    {
        Form = Fixture.MakeForm();
        StartErrors = Fixture.Log.Errors.size();
        Documents = TVlDocuments::Of(*Form);
        ASSERT_NE(Documents, nullptr);
        Documents->AskFile = [this](TVlFileDialogKind kind) -> std::optional<TVlFileChoice> {
            Asked << kind;
            if (Answer.Path.isEmpty())
                return std::nullopt;
            return Answer;
        };
    }
    TVlRichView *Text() const { return qobject_cast<TVlRichView *>(Form->Memo2); }
    void Choose(const QString &name, int filter = 0) { Answer = {Fixture.PathOf(name), filter}; }

    TShellFixture Fixture;
    std::unique_ptr<TForm1> Form;
    TVlDocuments *Documents = nullptr;
    QStringList Lines() const
    {
        QStringList lines;
        for (int i = 0; i < Form->Memo1->LineCount(); ++i)
            lines << Form->Memo1->Line(i);
        return lines;
    }

    TVlFileChoice Answer;
    QList<TVlFileDialogKind> Asked;
    qsizetype StartErrors = 0; // errors reported while the window was created
};

TEST_F(DocumentsTest, OpenReadsCodePage1251AndSetsNameAndTitle)
{
    WriteFile(Fixture.PathOf("unit.pas"), "unit \xc0;\r\nbegin\rend.\n");
    Choose("unit.pas");
    Form->RunCommand("OpenClick");
    EXPECT_EQ(Lines(), QStringList({"unit А;", "begin", "end."}));
    EXPECT_EQ(Form->CurrentFileName, Fixture.PathOf("unit.pas"));
    EXPECT_EQ(Form->windowTitle(), "Veltrano - " + Fixture.PathOf("unit.pas"));
}

TEST_F(DocumentsTest, AnOpenedFileIsNotMarkedModified)
{
    WriteFile(Fixture.PathOf("unit.pas"), "unit u;\r\n");
    Form->Memo1->SetText("changed before");
    Choose("unit.pas");
    Form->RunCommand("OpenClick");
    EXPECT_FALSE(Form->Memo1->Modified());
    EXPECT_EQ(Form->StatusBar1->PanelText(1), "");
    EXPECT_FALSE(Form->MenuItem("Save1")->isEnabled());
    Form->Memo1->ExecuteCommand(ecChar, "x");
    EXPECT_EQ(Form->StatusBar1->PanelText(1), "Изменен");
}

TEST_F(DocumentsTest, ACp1251FileBeginningWithTheBomBytesOpensAsItStands)
{
    // "п»їДом" in CP1251: the first three bytes are those of a UTF-8 byte order mark.
    WriteFile(Fixture.PathOf("bom.pas"), "\xEF\xBB\xBF\xC4\xEE\xEC\r\n");
    Choose("bom.pas");
    Form->RunCommand("OpenClick");
    EXPECT_EQ(Lines(), QStringList({"п»їДом"}));
    Choose("again.pas");
    Form->RunCommand("SaveClick");
    EXPECT_EQ(FileBytes(Fixture.PathOf("again.pas")), QByteArray("\xEF\xBB\xBF\xC4\xEE\xEC\r\n"));
}

TEST_F(DocumentsTest, SaveWritesTheChosenFileWithCrLfAndKeepsTheTitle)
{
    WriteFile(Fixture.PathOf("opened.pas"), "old");
    Choose("opened.pas");
    Form->RunCommand("OpenClick");
    Form->Memo1->SetText("program Привет;\nend.");
    Choose("other.dpr");
    Form->RunCommand("SaveClick");
    EXPECT_EQ(Asked.last(), TVlFileDialogKind::Save);
    EXPECT_EQ(FileBytes(Fixture.PathOf("other.dpr")), "program \xcf\xf0\xe8\xe2\xe5\xf2;\r\nend.\r\n");
    EXPECT_EQ(FileBytes(Fixture.PathOf("opened.pas")), "old");
    EXPECT_EQ(Form->CurrentFileName, Fixture.PathOf("other.dpr"));
    EXPECT_EQ(Form->windowTitle(), "Veltrano - " + Fixture.PathOf("opened.pas"));
}

TEST_F(DocumentsTest, SavingUnderTheFormTypeWritesTheDesignersFormNeverTheText)
{
    Form->Memo1->SetText("unit U;");
    Choose("form.vlf", 6);
    Form->RunCommand("SaveAsClick");
    const QByteArray form = FileBytes(Fixture.PathOf("form.vlf"));
    EXPECT_TRUE(form.startsWith("object VlDesignPanel: TVlDesignPanel\r\n")) << form.constData();
    EXPECT_EQ(Form->CurrentFileName, Fixture.PathOf("form.vlf"));
    // Any filter: a ".vlf" name gets the form too, and the selection is refused.
    Choose("other.VLF", 0);
    Form->RunCommand("SaveClick");
    EXPECT_TRUE(FileBytes(Fixture.PathOf("other.VLF")).startsWith("object VlDesignPanel"));
    Form->RunCommand("SaveSelectionClick");
    EXPECT_EQ(Fixture.Log.Errors.size(), StartErrors + 1);
    EXPECT_TRUE(FileBytes(Fixture.PathOf("other.VLF")).startsWith("object VlDesignPanel"));
}

TEST_F(DocumentsTest, CancelAndFailuresChangeNothing)
{
    Form->Memo1->SetText("keep");
    Form->RunCommand("OpenClick"); // cancelled
    EXPECT_EQ(Lines(), QStringList{"keep"});
    Choose("missing.pas");
    Form->RunCommand("OpenClick");
    EXPECT_EQ(Lines(), QStringList{"keep"});
    EXPECT_EQ(Form->CurrentFileName, "Project1.pas");
    EXPECT_EQ(Form->windowTitle(), "Veltrano - Project1");
    ASSERT_EQ(Fixture.Log.Errors.size(), StartErrors + 1);
    Choose("no/such/folder/x.pas");
    Form->RunCommand("SaveClick");
    EXPECT_EQ(Fixture.Log.Errors.size(), StartErrors + 2);
    EXPECT_EQ(Form->CurrentFileName, "Project1.pas");
}

TEST_F(DocumentsTest, TextTabWritesPlainForTxtAndRtfOtherwise)
{
    Text()->setPlainText("begin мир end");
    Choose("notes.txt", 7);
    Form->RunCommand("TextSaveClick");
    EXPECT_EQ(FileBytes(Fixture.PathOf("notes.txt")), "begin \xec\xe8\xf0 end");
    EXPECT_EQ(Form->CurrentFileName, Fixture.PathOf("notes.txt"));
    Choose("notes.pas", 3);
    Form->RunCommand("TextSaveClick");
    EXPECT_TRUE(FileBytes(Fixture.PathOf("notes.pas")).startsWith("{\\rtf1"));
    Documents->TextMode = TVlTextMode::Plain;
    Choose("plain.pas", 3);
    Form->RunCommand("TextSaveClick");
    EXPECT_EQ(FileBytes(Fixture.PathOf("plain.pas")), "begin \xec\xe8\xf0 end");
}

TEST_F(DocumentsTest, TextTabLoadFallsBackToPlainText)
{
    WriteFile(Fixture.PathOf("source.pas"), "begin\r\n  x := 1;\r\nend.");
    Choose("source.pas");
    Form->RunCommand("TextLoadClick");
    EXPECT_EQ(Text()->toPlainText(), "begin\n  x := 1;\nend.");
    EXPECT_EQ(Form->windowTitle(), "Veltrano - " + Fixture.PathOf("source.pas"));
    WriteFile(Fixture.PathOf("styled.rtf"), "{\\rtf1\\ansi{\\b bold} plain}");
    Choose("styled.rtf");
    Form->RunCommand("TextLoadClick");
    EXPECT_EQ(Text()->toPlainText(), "bold plain");
    WriteFile(Fixture.PathOf("fake.rtf"), "{\\rt no");
    Choose("fake.rtf");
    Form->RunCommand("TextLoadClick");
    EXPECT_EQ(Text()->toPlainText(), "{\\rt no");
    EXPECT_EQ(Fixture.Log.Errors.size(), StartErrors);
}

TEST_F(DocumentsTest, SelectionSaveWritesOnlyTheSelection)
{
    Text()->setPlainText("hello world");
    Choose("empty.txt", 7);
    Form->RunCommand("SaveSelectionClick");
    EXPECT_TRUE(QFile::exists(Fixture.PathOf("empty.txt")));
    EXPECT_EQ(FileBytes(Fixture.PathOf("empty.txt")), "");
    QTextCursor cursor = Text()->textCursor();
    cursor.setPosition(0);
    cursor.setPosition(5, QTextCursor::KeepAnchor);
    Text()->setTextCursor(cursor);
    Choose("part.txt", 7);
    Form->RunCommand("SaveSelectionClick");
    EXPECT_EQ(FileBytes(Fixture.PathOf("part.txt")), "hello");
    EXPECT_EQ(Form->CurrentFileName, "Project1.pas");
}

TEST_F(DocumentsTest, InsertFilePathReplacesTheSelectionAndLeavesItSelected)
{
    Form->Memo1->SetText("uses X;");
    Form->Memo1->SetSelStart(5);
    Form->Memo1->SetSelLength(1);
    Choose("lib.pas");
    Form->RunCommand("InsertFilePathClick");
    EXPECT_EQ(Lines(), QStringList{"uses " + Fixture.PathOf("lib.pas") + ";"});
    EXPECT_EQ(Form->Memo1->SelText(), Fixture.PathOf("lib.pas"));
    EXPECT_EQ(Asked.last(), TVlFileDialogKind::FilePath);
}

} // namespace
