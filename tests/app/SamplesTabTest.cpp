// The "Избранное" tab in the window: choosing entries, pages, the user's own copies, and every
// shipped sample run through the window's own run path.
#include "RunTestSupport.h"

#include "editor/VlHLEditor.h"
#include "rtl/VlCp1251.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QToolButton>

namespace {

using SamplesTabTest = RunWindowTest;

TEST_F(SamplesTabTest, ListsTheShippedSamplesWithNothingChosen)
{
    const TVlSamplesModel &model = Browser->Model();
    EXPECT_GE(model.DemoCount(), 20);
    EXPECT_EQ(Browser->cmbExamples->count(), model.DemoCount());
    EXPECT_EQ(Browser->cmbExamples->currentIndex(), -1);
    EXPECT_EQ(Browser->cmbExamples->maxVisibleItems(), 25);
    EXPECT_EQ(Browser->Notebook1->count(), 6);
    EXPECT_FALSE(Browser->SaveOwnButton->isEnabled());
    for (const char *button : {"Button1", "Button5", "bRunForm", "bRunReport", "Button2", "Button3"})
        EXPECT_NE(Browser->Button(button), nullptr) << button;
}

TEST_F(SamplesTabTest, ChoosingEntriesFillsTheEditorDescriptionAndPage)
{
    const TVlSamplesModel &model = Browser->Model();
    const QString eventSample = "TStringList: событие OnChange";
    ASSERT_TRUE(model.Entries().contains(eventSample));
    Browser->cmbExamples->activated(int(model.Entries().indexOf(eventSample)));
    EXPECT_TRUE(Form->Memo1->Text().startsWith("unit ListEvents;"));
    EXPECT_TRUE(Browser->memDescription->toPlainText().startsWith("Процедура скрипта назначается событию"));
    EXPECT_EQ(Browser->CurrentPage(), QString("Event"));
    EXPECT_TRUE(Browser->SaveOwnButton->isEnabled());
    // Indented lines keep their blanks.
    EXPECT_TRUE(Form->Memo1->Text().contains("\r\n  Changes := Changes + 1;\r\n"));

    Browser->LoadEntry(model.Entries().first());  // no Page key: the default page
    EXPECT_EQ(Browser->CurrentPage(), QString("Default"));
    Browser->LoadEntry("no such entry");
    EXPECT_EQ(Form->Memo1->Text(), QString());
    EXPECT_TRUE(Browser->memDescription->toPlainText().isEmpty());
    EXPECT_EQ(Browser->CurrentPage(), QString("Empty"));
    EXPECT_FALSE(Browser->SaveOwnButton->isEnabled());
}

TEST_F(SamplesTabTest, CustomFilesFollowTheSeparatorAndOpenOnTheDefaultPage)
{
    Fixture.WriteFile("samples/sample - b.pas", "2");
    Fixture.WriteFile("samples/sample - a.pas", "Привет");
    Fixture.WriteFile("samples/sample - c.txt", "3");
    Form.reset();
    SetUp();
    const int demos = Browser->Model().DemoCount();
    ASSERT_EQ(Browser->cmbExamples->count(), demos + 3);
    EXPECT_EQ(Browser->cmbExamples->itemText(demos), TVlSamplesModel::Separator);
    EXPECT_EQ(Browser->cmbExamples->itemText(demos + 1), QString("sample - a.pas"));
    EXPECT_EQ(Browser->cmbExamples->itemText(demos + 2), QString("sample - b.pas"));

    Browser->cmbExamples->activated(demos);
    EXPECT_EQ(Browser->CurrentPage(), QString("Empty"));
    Browser->cmbExamples->activated(demos + 1);
    EXPECT_EQ(Form->Memo1->Text(), QString("Привет\r\n"));
    EXPECT_EQ(Browser->CurrentPage(), QString("Default"));

    // Opening the list writes the editor back into the chosen file first.
    Form->Memo1->SetText("Пока");
    Browser->cmbExamples->showPopup();
    Browser->cmbExamples->hidePopup();
    EXPECT_EQ(QString::fromStdString(ReadTextFile(Fixture.RootPath("samples/sample - a.pas").toStdString())),
              QString("Пока\r\n"));
}

TEST_F(SamplesTabTest, SaveAsOwnSampleCopiesTheEditorIntoTheSamplesFolder)
{
    const QString name = Browser->Model().Entries().first();
    Browser->cmbExamples->activated(0);
    Form->Memo1->SetText("1 + 2 { changed }");
    Browser->SaveOwnButton->click();
    const QString entry = "sample - " + name.section(':', 0, 0) + "_" + name.section(':', 1) + ".pas";
    EXPECT_EQ(Browser->cmbExamples->currentText(), entry);
    EXPECT_EQ(Browser->cmbExamples->itemText(Browser->Model().DemoCount()), TVlSamplesModel::Separator);
    EXPECT_EQ(FileBytes(Fixture.RootPath("samples/" + entry)), QByteArray("1 + 2 { changed }\r\n"));
    EXPECT_FALSE(Browser->SaveOwnButton->isEnabled());
    // The copy is the chosen entry now: runs write the editor into it.
    Form->Memo1->SetText("3 + 4");
    Browser->Button("Button1")->click();
    EXPECT_EQ(Result(), QString("7"));
    EXPECT_EQ(FileBytes(Fixture.RootPath("samples/" + entry)), QByteArray("3 + 4\r\n"));
    // The original is unchanged and one click away.
    Browser->cmbExamples->activated(0);
    EXPECT_EQ(Form->Memo1->Text(), Browser->Model().Source(name).join("\r\n") + "\r\n");
}

TEST_F(SamplesTabTest, AnUnwritableCustomSampleStopsTheRun)
{
    Fixture.WriteFile("samples/sample - ro.pas", "1");
    Form.reset();
    SetUp();
    Browser->LoadEntry("sample - ro.pas");
    // A file where the folder should be: no folder can be made, whoever runs the test.
    QDir(Fixture.RootPath("samples")).removeRecursively();
    Fixture.WriteFile("samples", "in the way");
    Form->ToolButton("RunProject")->click();
    EXPECT_EQ(Fixture.Log.Errors.size(), 1);
    EXPECT_FALSE(LogLines().contains("Компилирую..."));
}

TEST_F(SamplesTabTest, AConsoleSampleStartedHereShowsItsOutputAndInput)
{
    const QString name = "Консоль: ввод через ReadLn";
    Browser->cmbExamples->activated(int(Browser->Model().Entries().indexOf(name)));
    Form->PageControl1->setCurrentWidget(Form->SamplesPage);
    bool inputSeen = false;
    During(30, [&] {
        inputSeen = Pane->isVisible() && Pane->Input()->hasFocus();
        Harness->Stop();
    });
    Browser->Button("Button1")->click();
    EXPECT_TRUE(inputSeen);
    EXPECT_EQ(Output(), QString("Как вас зовут? "));
}

// Every fixed sample runs without an error from its own page's buttons.
TEST_F(SamplesTabTest, EveryShippedSampleRuns)
{
    const TVlSamplesModel &model = Browser->Model();
    AnswerReadLn({"Анна", "30"});
    for (int i = 0; i < model.DemoCount(); ++i) {
        const QString name = model.Name(i);
        Browser->cmbExamples->activated(i);
        const QString page = Browser->CurrentPage();
        QPushButton *run = Browser->Notebook1->currentWidget()->findChildren<QPushButton *>().value(0);
        ASSERT_NE(run, nullptr) << name.toStdString() << " on page " << page.toStdString();
        run->click();
        const QString result = Result();
        EXPECT_FALSE(result.isEmpty()) << name.toStdString();
        EXPECT_FALSE(result.contains(QRegularExpression("^\\d+: "))) << name.toStdString() << ": " << result.toStdString();
        EXPECT_NE(result, QString("Выполнение остановлено")) << name.toStdString();
        EXPECT_TRUE(Fixture.Log.Errors.isEmpty()) << name.toStdString() << ": " << Fixture.Log.Errors.join("; ").toStdString();
        EXPECT_TRUE(Time().startsWith("ms: ")) << name.toStdString();
        Form->pnlTime->clear();
    }
    EXPECT_EQ(Fixture.Messages, QStringList{"Привет из скрипта!"});
}

} // namespace
