// The main window: layout, title, quitting, the backup and the log written at exit, placement.
#include "ShellTestSupport.h"
#include "app/AboutForm.h"
#include "app/VeltranoStatusBar.h"
#include "rtl/VlCp1251.h"
#include "rtl/VlSettingsStore.h"

#include <QAction>
#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QDateTime>
#include <QLabel>
#include <QListWidget>
#include <QSlider>
#include <QSplitter>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

TEST(MainWindow, StartsTitledProject1WithFourTabs)
{
    TShellFixture fixture;
    auto form = fixture.MakeForm();
    EXPECT_EQ(form->windowTitle(), QString("Veltrano - Project1"));
    EXPECT_EQ(form->CurrentFileName, QString("Project1.pas"));
    ASSERT_EQ(form->PageControl1->count(), 4);
    QStringList tabs;
    for (int i = 0; i < 4; ++i)
        tabs << form->PageControl1->tabText(i);
    EXPECT_EQ(tabs, (QStringList{"Редактор", "Дизайнер", "Текст", "Избранное"}));
    EXPECT_EQ(form->PageControl1->tabPosition(), QTabWidget::South);
    EXPECT_EQ(form->PageControl1->currentIndex(), 0);
    EXPECT_EQ(form->size(), QSize(815, 623));
}

TEST(MainWindow, ComponentsCarryTheirNames)
{
    TShellFixture fixture;
    auto form = fixture.MakeForm();
    for (const char *name : {"Memo1", "Memo2", "LOG1", "pnlResult", "pnlTime", "StatusBar1", "PageControl1",
                             "VlDesignPanel", "VlInspector1", "TrackBar1", "ToolBar1"})
        EXPECT_NE(form->findChild<QWidget *>(name), nullptr) << name;
    EXPECT_EQ(form->pnlTime->width(), 134);
    EXPECT_EQ(form->TrackBar1->toolTip(), QString("Настройка отступа"));
    EXPECT_EQ(form->Memo2->toolTip(), QString("Редактор кода"));
    EXPECT_EQ(form->VlDesignPanel->palette().color(QPalette::Window), QColor(Qt::white));
}

TEST(MainWindow, StatusBarHasSixPanels)
{
    TShellFixture fixture;
    auto form = fixture.MakeForm();
    ASSERT_EQ(form->StatusBar1->PanelCount(), 6);
    const int widths[] = {200, 70, 110, 80, 150, 50};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(form->StatusBar1->Panel(i)->width(), widths[i]) << i;
    EXPECT_EQ(form->StatusBar1->PanelText(4), QString("Новый"));
    EXPECT_EQ(form->StatusBar1->PanelText(3), QString());
    form->StatusBar1->SetPanelText(9, "ignored");
}

TEST(MainWindow, TitleFollowsTheOpenedFile)
{
    TShellFixture fixture;
    auto form = fixture.MakeForm();
    form->SetDocumentTitle("/home/user/Проект/unit1.pas");
    EXPECT_EQ(form->windowTitle(), QString("Veltrano - /home/user/Проект/unit1.pas"));
    EXPECT_EQ(form->DocumentTitle(), QString("/home/user/Проект/unit1.pas"));
}

TEST(MainWindow, LogAppendsLines)
{
    TShellFixture fixture;
    auto form = fixture.MakeForm();
    form->AddLog("Компилирую...");
    form->AddLog("Запуск...");
    ASSERT_EQ(form->LOG1->count(), 2);
    EXPECT_EQ(form->LOG1->item(1)->text(), QString("Запуск..."));
}

TEST(MainWindow, CancelKeepsTheWindowAsItWas)
{
    TShellFixture fixture;
    fixture.Log.ConfirmAnswer = false;
    auto form = fixture.MakeForm();
    form->show();
    form->Memo1->SetText("program p;");
    form->SetDocumentTitle("x.pas");
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(fixture.Log.Questions, (QStringList{"Вы действительно хотите выйти?"}));
    EXPECT_EQ(form->windowTitle(), QString("Veltrano - x.pas"));
    EXPECT_EQ(form->Memo1->Line(0), QString("program p;"));
    EXPECT_FALSE(QFile::exists(fixture.PathOf("VlInterpreterTest.ini")));
}

TEST(MainWindow, OkClosesAndExitWritesBackupLogAndPlacement)
{
    TShellFixture fixture;
    auto form = fixture.MakeForm();
    form->show();
    form->Memo1->SetText("program Привет;\nbegin\nend.");
    form->AddLog("Добавлено: begin");
    form->RunCommand("ExitClick");
    EXPECT_FALSE(form->isVisible());
    form.reset();
    EXPECT_EQ(FileBytes(fixture.PathOf("BackUp/Project.dpr")),
              QByteArray::fromStdString(Utf8ToCp1251("program Привет;\r\nbegin\r\nend.\r\n")));
    EXPECT_EQ(FileBytes(fixture.PathOf("Data/Last.log")),
              QByteArray::fromStdString(Utf8ToCp1251("Добавлено: begin\r\n")));
    EXPECT_TRUE(fixture.Log.Errors.isEmpty()) << fixture.Log.Errors.join("; ").toStdString();

    TVlSettingsStore store(fixture.PathOf("VlInterpreterTest.ini").toStdString());
    for (const char *key : {"ShowCmd", "Flags", "PixelsPerInch", "MinMaxPos", "NormPos", "FormVersion"})
        EXPECT_TRUE(store.ValueExists(key)) << key;
    EXPECT_EQ(store.ReadInteger("ShowCmd", 0), 1);
    EXPECT_EQ(store.ReadInteger("FormVersion", -1), 0);
    const QString norm = QString::fromStdString(store.ReadString("NormPos", ""));
    EXPECT_EQ(norm.split(',').size(), 4) << norm.toStdString();
    bool suffixed = false;
    for (const std::string &key : store.IniFile().ReadSection("Test"))
        suffixed = suffixed || (key.starts_with("NormPos(") && key.ends_with(")"));
    EXPECT_TRUE(suffixed);
}

TEST(MainWindow, EmptyEditorWritesAnEmptyBackup)
{
    TShellFixture fixture;
    fixture.MakeForm().reset();
    EXPECT_TRUE(QFile::exists(fixture.PathOf("BackUp/Project.dpr")));
    EXPECT_EQ(FileBytes(fixture.PathOf("BackUp/Project.dpr")), QByteArray());
    EXPECT_EQ(FileBytes(fixture.PathOf("Data/Last.log")), QByteArray());
}

TEST(MainWindow, MissingDataFolderIsReportedAndTheBackupStillWritten)
{
    TShellFixture fixture(false);
    auto form = fixture.MakeForm();
    form->Memo1->SetText("x");
    const qsizetype atStart = fixture.Log.Errors.size(); // the event lists in Data/ are missing too
    form.reset();
    ASSERT_GT(fixture.Log.Errors.size(), atStart);
    EXPECT_TRUE(fixture.Log.Errors[atStart].contains("Data")) << fixture.Log.Errors[atStart].toStdString();
    EXPECT_FALSE(QDir(fixture.PathOf("Data")).exists()); // never created
    EXPECT_EQ(FileBytes(fixture.PathOf("BackUp/Project.dpr")), QByteArray("x\r\n"));
}

TEST(MainWindow, FailedBackupIsReportedLeavesNoTemporaryFileAndTheLogIsStillWritten)
{
    TShellFixture fixture;
    // A folder stands where the backup file goes, so the backup cannot replace it.
    QDir(fixture.Dir.path()).mkpath("BackUp/Project.dpr/inside");
    auto form = fixture.MakeForm();
    form->Memo1->SetText("new text");
    form->AddLog("line");
    form.reset();
    ASSERT_EQ(fixture.Log.Errors.size(), 1);
    EXPECT_TRUE(fixture.Log.Errors[0].contains("Project.dpr")) << fixture.Log.Errors[0].toStdString();
    EXPECT_EQ(QDir(fixture.PathOf("BackUp")).entryList(QDir::Files | QDir::Hidden), QStringList());
    EXPECT_EQ(FileBytes(fixture.PathOf("Data/Last.log")), QByteArray("line\r\n"));
}

// Every file below `dir` with its size and time of change.
QStringList Snapshot(const QString &dir)
{
    QStringList files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        files << QString("%1 %2 %3").arg(info.filePath()).arg(info.size()).arg(info.lastModified().toMSecsSinceEpoch());
    }
    files.sort();
    return files;
}

TEST(MainWindow, AReadOnlyProgramFolderKeepsEveryFileInTheUserFoldersAndSaysWhereOnce)
{
    TShellFixture fixture;
    const QString program = fixture.Dir.path();
    fixture.IsWritable = [program](const std::string &path) {
        const QString file = QString::fromStdString(path);
        return !(file == program || file.startsWith(program + "/")) || file.contains("/user-");
    };
    const QStringList before = Snapshot(program);
    auto form = fixture.MakeForm();
    ASSERT_EQ(form->LOG1->count(), 1);
    const QString where = form->LOG1->item(0)->text();
    EXPECT_TRUE(where.contains(fixture.PathOf("user-config")) && where.contains(fixture.PathOf("user-data")))
        << where.toStdString();
    form->show();
    form->Memo1->SetText("program Backup;");
    form->RunCommand("ExitClick");
    form.reset();

    EXPECT_TRUE(fixture.Log.Errors.isEmpty()) << fixture.Log.Errors.join("; ").toStdString();
    EXPECT_EQ(FileBytes(fixture.PathOf("user-data/BackUp/Project.dpr")), QByteArray("program Backup;\r\n"));
    const QByteArray log = FileBytes(fixture.PathOf("user-data/Data/Last.log"));
    EXPECT_EQ(QString::fromStdString(DecodeFileText(log.toStdString())), where + "\r\n");
    EXPECT_TRUE(FileBytes(fixture.PathOf("user-data/Data/FormProc.vlf")).startsWith("OnActivate\r\n"));
    EXPECT_TRUE(FileBytes(fixture.PathOf("user-data/Data/ObjectProc.vlf")).startsWith("OnChange\r\n"));
    EXPECT_TRUE(QFile::exists(fixture.PathOf("user-config/VlInterpreterTest.ini")));
    QStringList after = Snapshot(program);
    after.removeIf([&](const QString &entry) { return entry.startsWith(fixture.PathOf("user-")); });
    EXPECT_EQ(after.join('\n').toStdString(), before.join('\n').toStdString());
}

TEST(MainWindow, TwoInstancesLeaveTheFilesOfTheLastToQuit)
{
    TShellFixture fixture;
    auto first = fixture.MakeForm();
    auto second = std::make_unique<TForm1>(fixture.Dir.path(), TVlShellHooks{[](const QString &) { return true; }, [](const QString &) {}, {}, {}, {}, {}});
    first->Memo1->SetText("first");
    second->Memo1->SetText("second");
    first.reset();
    second.reset();
    EXPECT_EQ(FileBytes(fixture.PathOf("BackUp/Project.dpr")), QByteArray("second\r\n"));
}

TEST(MainWindow, PlacementIsRestoredWhenFirstShown)
{
    TShellFixture fixture;
    {
        TVlSettingsStore store(fixture.PathOf("VlInterpreterTest.ini").toStdString());
        store.WriteInteger("FormVersion", 0);
        store.WriteInteger("ShowCmd", 1);
        store.WriteString("NormPos", "10,20,770,580");
        store.Save();
    }
    auto form = fixture.MakeForm();
    int shown = 0;
    QObject::connect(form.get(), &TForm1::FirstShown, [&] { ++shown; });
    form->show();
    form->hide();
    form->show();
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(form->frameGeometry().size(), QSize(760, 560));
    EXPECT_EQ(form->frameGeometry().topLeft(), QPoint(10, 20));
}

TEST(MainWindow, NegativeFormVersionIsNotRestored)
{
    TShellFixture fixture;
    {
        TVlSettingsStore store(fixture.PathOf("VlInterpreterTest.ini").toStdString());
        store.WriteInteger("FormVersion", -1);
        store.WriteString("NormPos", "10,20,770,580");
        store.Save();
    }
    auto form = fixture.MakeForm();
    form->show();
    EXPECT_EQ(form->size(), QSize(815, 623));
}

TEST(MainWindow, ToolbarEditButtonsActOnTheTextEvenOnTheEditorTab)
{
    TShellFixture fixture;
    auto form = fixture.MakeForm();
    form->Memo2->setPlainText("text");
    form->Memo1->SetText("editor");
    form->Memo2->selectAll();
    form->Memo1->SelectAll();
    form->PageControl1->setCurrentIndex(0);
    form->ToolButton("CutButton")->click();
    EXPECT_EQ(form->Memo2->toPlainText(), QString());
    EXPECT_EQ(form->Memo1->Line(0), QString("editor"));
    form->ToolButton("UndoButton")->click();
    EXPECT_EQ(form->Memo2->toPlainText(), QString("text"));
}

TEST(MainWindow, EditOperationsOfTheSourceEditor)
{
    TShellFixture fixture;
    auto form = fixture.MakeForm();
    form->Memo1->SetText("alpha beta");
    form->RunCommand("EditSelectAllClick");
    EXPECT_EQ(form->Memo1->SelText(), QString("alpha beta"));
    form->RunCommand("EditCopyClick");
    form->RunCommand("EditDeleteClick");
    EXPECT_EQ(form->Memo1->Line(0), QString());
    form->RunCommand("EditUndoClick");
    EXPECT_EQ(form->Memo1->Line(0), QString("alpha beta"));
    form->RunCommand("EditClearClick");
    EXPECT_EQ(form->Memo1->Text().trimmed(), QString());
    form->RunCommand("EditPasteClick");
    EXPECT_EQ(form->Memo1->Line(0), QString("alpha beta"));
}

TEST(MainWindow, DeleteWithoutSelectionChangesNothing)
{
    TShellFixture fixture;
    auto form = fixture.MakeForm();
    form->Memo1->SetText("keep");
    form->RunCommand("EditDeleteClick");
    form->Memo2->setPlainText("keep");
    form->RunCommand("TextDeleteClick");
    EXPECT_EQ(form->Memo1->Line(0), QString("keep"));
    EXPECT_EQ(form->Memo2->toPlainText(), QString("keep"));
}

TEST(MainWindow, ReplacingMemo2KeepsItsPlaceNameAndMenu)
{
    TShellFixture fixture;
    auto form = fixture.MakeForm();
    QWidget *page = form->Memo2->parentWidget();
    QMenu *menu = form->TextPopup();
    auto *view = new QTextEdit;
    form->SetMemo2(view);
    EXPECT_EQ(form->Memo2, view);
    EXPECT_EQ(view->parentWidget(), page);
    EXPECT_EQ(view->objectName(), QString("Memo2"));
    EXPECT_EQ(form->Shortcuts().ContextMenu(view), menu);
    view->setPlainText("abc");
    form->RunCommand("TextSelectAllClick");
    form->RunCommand("TextCutClick");
    EXPECT_EQ(view->toPlainText(), QString());
}

TEST(MainWindow, ReplacingTheDesignPanelKeepsTheSplitterSlot)
{
    TShellFixture fixture;
    auto form = fixture.MakeForm();
    form->show();
    QSplitter *splitter = form->DesignSplitter;
    ASSERT_EQ(splitter->indexOf(form->VlDesignPanel), 1);
    auto *surface = new QWidget;
    form->VlDesignPanel = form->ReplaceComponent(form->VlDesignPanel, surface);
    EXPECT_EQ(splitter->indexOf(surface), 1);
    EXPECT_EQ(surface->objectName(), QString("VlDesignPanel"));
    EXPECT_EQ(form->Shortcuts().ContextMenu(surface), form->DesignerPopup());
    EXPECT_EQ(splitter->count(), 2);
}

TEST(MainWindow, AboutAndMailLink)
{
    TShellFixture fixture;
    auto form = fixture.MakeForm();
    form->RunCommand("ReportBugClick");
    ASSERT_EQ(fixture.Log.Urls.size(), 1);
    EXPECT_TRUE(fixture.Log.Urls[0].startsWith("mailto:"));
    ASSERT_NE(form->AboutBox, nullptr);
    EXPECT_EQ(form->AboutBox->windowTitle(), QString("О программе"));
    EXPECT_EQ(form->AboutBox->size(), QSize(334, 163));
}

} // namespace

namespace {

TEST(MainWindow, IndentSliderReachesAcrossTheEditor)
{
    TShellFixture fixture;
    auto form = fixture.MakeForm();
    const int maximum = form->TrackBar1->maximum();
    EXPECT_GT(maximum, 700);
    form->show();
    EXPECT_EQ(maximum, form->Memo1->width());
}

} // namespace
