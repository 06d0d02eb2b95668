// Running the editor's code in the window: results, times, errors with the caret, the log, Stop,
// refused second runs, console output and input, unit files and the demonstration names.
#include "RunTestSupport.h"

#include "app/VeltranoDocuments.h"
#include "editor/VlHLEditor.h"
#include "interpreter/VlInterpreter.h"
#include "runner/VlExpressionPanel.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace {

const QString kUnit42 = "unit U; function main: integer; begin Result := 40 + 2; end; end.";
const QString kRunaway = "program P; var i: integer; begin i := 0; while true do i := i + 1; end.";

using RunCommandsTest = RunWindowTest;

TEST_F(RunCommandsTest, RunningAUnitShowsItsResultTimeAndLog)
{
    Run(kUnit42);
    EXPECT_EQ(Result(), QString("42"));
    EXPECT_TRUE(Time().startsWith("ms: ")) << Time().toStdString();
    EXPECT_EQ(LogLines(), (QStringList{"Компилирую...", "Запуск...", "Запуск проекта..."}));
    EXPECT_TRUE(Fixture.Log.Errors.isEmpty());
    // The panel has the button face back after the red "Запущено".
    EXPECT_EQ(Form->pnlResult->palette().color(QPalette::Window), QApplication::palette().color(QPalette::Button));
}

TEST_F(RunCommandsTest, ResultsShowByKind)
{
    struct TRow {
        const char *Source;
        const char *Shown;
    };
    const TRow rows[] = {
        {"", "Empty"},
        {"5", "5"},
        {"2.5 * 3", "7.5"},
        {"0.1 + 0.2", "0.3"},      // extended reals of the classic dialect
        {"Sqrt(2)", "1.4142135623731"},
        {"'a' + 'b'", "ab"},
        {"3 > 2", "True"},
        {"1 = 2", "False"},
        {"Null", "Null"},
        {"TObject(nil)", "Object: nil"},
        {"\r\n  ", "Empty"},
        {"Test", "Object: TForm1"},
        {"[0, 2]", "Set: 5"},
        {"Rec", "!Unknown!"},
        {"begin Result := 5; end;", "5"},
        {"program P; begin end.", "Empty"},
    };
    for (const TRow &row : rows) {
        Run(QString::fromUtf8(row.Source));
        EXPECT_EQ(Result(), QString::fromUtf8(row.Shown)) << row.Source;
    }
}

TEST_F(RunCommandsTest, TheSamplesTabCompilesWithRussianTexts)
{
    Browser->Button("Button5")->click();
    EXPECT_EQ(Result(), QString("Пусто"));
    Run("program P; begin end.", "Button5Click", "Button5");
    EXPECT_EQ(Result(), QString("103: 'unit' expected but 'program' found"));
    Form->pnlTime->setText("before");
    Run("unit U; function main: integer; begin Result := 1; end; end.", "Button5Click", "Button5");
    EXPECT_EQ(Result(), QString("Пусто"));
    EXPECT_TRUE(Time().startsWith("ms: "));
    EXPECT_TRUE(LogLines().isEmpty());  // the samples tab's compile writes no log lines
}

TEST_F(RunCommandsTest, AnErrorOnLineThreePutsTheCaretThereAndKeepsTheTime)
{
    Run(kUnit42);
    const QString time = Time();
    Form->Memo1->SelectAll();
    const QString source = "unit U;\r\nfunction main: integer;\r\nbegin Result := (1 + 2; end;\r\nend.";
    Run(source);
    EXPECT_EQ(Result(), QString("103: Error in unit 'U' on line 3 : ')' expected but ';' found"));
    EXPECT_EQ(Time(), time);
    EXPECT_EQ(Form->Memo1->SelStart(), source.indexOf("; end;"));
    EXPECT_EQ(Form->Memo1->SelLength(), 0);
    EXPECT_EQ(Form->Memo1->CaretY(), 2);
    EXPECT_TRUE(Form->Memo1->hasFocus());
    const QString explanation = "Здесь ожидалось ')', а найдено ';'. Чаще всего в конце предыдущей строки пропущена "
                                "точка с запятой или слово end.";
    EXPECT_EQ(LogLines().mid(3), (QStringList{"Компилирую...", "Запуск...", "Пояснение: " + explanation}));
    EXPECT_TRUE(Fixture.Log.Errors.isEmpty());
    // The plain explanation stands beside the English message, and goes with it.
    EXPECT_EQ(Form->pnlResult->toolTip(), explanation);
    Run(kUnit42);
    EXPECT_EQ(Form->pnlResult->toolTip(), QString());
}

TEST_F(RunCommandsTest, AFailureOutsideTheInterpreterIsExplainedToo)
{
    Run("unit U;\r\nfunction main: integer;\r\nbegin\r\n  Result := StrToInt('12x');\r\nend;\r\nend.");
    EXPECT_TRUE(Result().startsWith("6: ")) << Result().toStdString();
    EXPECT_TRUE(Form->pnlResult->toolTip().startsWith("Ошибка возникла не в самой программе"));
}

TEST_F(RunCommandsTest, AnErrorFromTheSamplesTabBringsTheEditorBack)
{
    Form->PageControl1->setCurrentIndex(3);
    Run("unit U;\r\nvar x: integer\r\nfunction main: integer;\r\nbegin Result := x; end;\r\nend.", "Button5Click",
        "Button5");
    EXPECT_TRUE(Result().startsWith("103: ")) << Result().toStdString();
    EXPECT_EQ(Form->PageControl1->currentWidget(), Form->findChild<QSplitter *>("EditorSplitter"));
    EXPECT_TRUE(Form->Memo1->hasFocus());
}

TEST_F(RunCommandsTest, AHostExceptionIsShownAndPassedOn)
{
    Run("unit U;\r\nfunction main: integer;\r\nbegin\r\n  raise Exception.Create('boom');\r\nend;\r\nend.");
    EXPECT_EQ(Result(), QString("6: Error in unit 'U' on line 4 : boom"));
    EXPECT_EQ(Fixture.Log.Errors, QStringList{"boom"});
    EXPECT_EQ(Form->Memo1->CaretY(), 3);
    EXPECT_FALSE(LogLines().contains("Запуск проекта..."));
}

TEST_F(RunCommandsTest, CompilingAProgramWantsAUnit)
{
    Run("program P; begin end.", "RunProjectClick", "CompileProject");
    EXPECT_EQ(Result(), QString("103: 'unit' expected but 'program' found"));
    Run("unit U; function main: integer; begin Result := 1; end; end.", "RunProjectClick", "CompileProject");
    EXPECT_EQ(Result(), QString("Empty"));  // compiled, not run
}

TEST_F(RunCommandsTest, TheProjectMenuItemsAndKeysRun)
{
    Form->Memo1->SetText(kUnit42);
    Form->MenuItem("Run1")->trigger();
    EXPECT_EQ(Result(), QString("42"));
    Form->MenuItem("Run2Proj")->trigger();  // a unit runs as a form, and this one has no form file
    EXPECT_EQ(Result(), QString("58: DFM 'U' not found"));
    Form->MenuItem("CompileProject1")->trigger();
    EXPECT_EQ(Result(), QString("Empty"));
    Form->ToolButton("RunProject")->click();
    EXPECT_EQ(Result(), QString("42"));
    Form->ToolButton("CompileProject")->click();
    EXPECT_EQ(Result(), QString("Empty"));
    Form->Memo1->setFocus();
    QTest::keyClick(Form->Memo1, Qt::Key_F9);
    EXPECT_EQ(Result(), QString("42"));
    QTest::keyClick(Form->Memo1, Qt::Key_F9, Qt::ControlModifier);
    EXPECT_EQ(Result(), QString("Empty"));
    EXPECT_EQ(LogLines().count("Запуск проекта..."), 6);
}

TEST_F(RunCommandsTest, StopEndsARunawayLoopWithoutAnErrorBox)
{
    QAction *stopItem = Form->MenuItem("StopRun1");
    EXPECT_FALSE(stopItem->isEnabled());
    EXPECT_FALSE(Form->ToolButton("StopButton")->isEnabled());
    bool enabledWhileRunning = false;
    During(30, [&] {
        enabledWhileRunning = stopItem->isEnabled() && Form->ToolButton("StopButton")->isEnabled();
        Form->Memo1->setFocus();
        QTest::keyClick(Form->Memo1, Qt::Key_F2, Qt::ControlModifier);
    });
    Form->pnlTime->setText("before");
    Run(kRunaway);
    EXPECT_TRUE(enabledWhileRunning);
    EXPECT_EQ(Result(), QString("Выполнение остановлено"));
    EXPECT_EQ(LogLines(), (QStringList{"Компилирую...", "Запуск...", "Выполнение остановлено"}));
    EXPECT_EQ(Time(), QString("before"));
    EXPECT_TRUE(Fixture.Log.Errors.isEmpty());
    EXPECT_FALSE(stopItem->isEnabled());
    EXPECT_FALSE(Harness->Running());
    // The next run starts afresh.
    Run(kUnit42);
    EXPECT_EQ(Result(), QString("42"));
}

TEST_F(RunCommandsTest, StopReachesLoopsThatCatchEverything)
{
    During(30, [&] { Form->ToolButton("StopButton")->click(); });
    Run("var i: integer; begin i := 0; while true do try i := i + 1; except end; end;");
    EXPECT_EQ(Result(), QString("Выполнение остановлено"));
}

// The place a stepping engine plugs in: it sees every statement and may wait there.
TEST_F(RunCommandsTest, AStatementObserverSeesEveryStatementAndMayWait)
{
    int statements = 0;
    bool released = false;
    Harness->SetStatementObserver([&](TVlInterpreterProgram &) {
        if (++statements == 2) {
            During(10, [&] { released = true; });
            Harness->WaitUntil([&] { return released; });
        }
    });
    Run("var a, b: integer; begin a := 1; b := a + 1; Result := a + b; end;");
    EXPECT_EQ(Result(), QString("3"));
    EXPECT_TRUE(released);
    EXPECT_GE(statements, 3);

    // Stopping while the observer waits ends the run.
    statements = 0;
    Harness->SetStatementObserver([&](TVlInterpreterProgram &) {
        if (++statements == 5) {
            During(10, [&] { Harness->Stop(); });
            Harness->WaitUntil([] { return false; });
        }
    });
    Run(kRunaway);
    EXPECT_EQ(Result(), QString("Выполнение остановлено"));
    EXPECT_EQ(statements, 5);

    Harness->SetStatementObserver(nullptr);
    Run(kUnit42);
    EXPECT_EQ(Result(), QString("42"));
}

TEST_F(RunCommandsTest, ASecondRunIsRefusedWhileOneRuns)
{
    During(20, [&] {
        Form->ToolButton("RunProject")->click();
        Form->MenuItem("Run1")->trigger();
        Browser->Button("Button5")->click();
        Harness->Stop();
    });
    Run(kRunaway);
    const QString refused = "Программа уже выполняется: сначала остановите её (Ctrl+F2)";
    EXPECT_EQ(LogLines(), (QStringList{"Компилирую...", "Запуск...", refused, refused, refused, "Выполнение остановлено"}));
}

TEST_F(RunCommandsTest, ClosingTheWindowStopsTheRunFirst)
{
    During(20, [&] { Form->close(); });
    Run(kRunaway);
    EXPECT_EQ(Result(), QString("Выполнение остановлено"));
    EXPECT_TRUE(Fixture.Log.Questions.isEmpty());  // not yet: the window closes once the run has ended
    for (int i = 0; i < 200 && Form->isVisible(); ++i)
        QTest::qWait(5);
    EXPECT_FALSE(Form->isVisible());
    EXPECT_EQ(Fixture.Log.Questions, QStringList{"Вы действительно хотите выйти?"});
}

TEST_F(RunCommandsTest, WriteLnGoesToTheOutputPane)
{
    EXPECT_TRUE(Pane->isHidden());
    Run("program P; var i: integer; begin WriteLn('Привет'); for i := 1 to 3 do Write(i:3); WriteLn; "
        "WriteLn(2.5:0:2, ' ', true); end.");
    EXPECT_FALSE(Pane->isHidden());
    EXPECT_EQ(Output(), QString("Привет\n  1  2  3\n2.50 TRUE\n"));
    EXPECT_EQ(Result(), QString("Empty"));
    // Every run starts with an empty pane.
    Run("program P; begin WriteLn('again'); end.");
    EXPECT_EQ(Output(), QString("again\n"));
}

TEST_F(RunCommandsTest, EveryRunDrawsTheSameRandomNumbers)
{
    // As a compiled program does: without Randomize each run starts the sequence from seed 0.
    Run("program P; begin WriteLn(Random(1000), ' ', Random(1000)); end.");
    EXPECT_EQ(Output(), QString("548 592\n"));
    Run("program P; begin WriteLn(Random(1000), ' ', Random(1000)); end.");
    EXPECT_EQ(Output(), QString("548 592\n"));
}

TEST_F(RunCommandsTest, ReadLnReadsTheInputField)
{
    AnswerReadLn({"Анна", "41"});
    Run("program P; var s: string; n: integer; begin Write('Имя: '); ReadLn(s); ReadLn(n); "
        "WriteLn(s, ' ', n + 1); end.");
    EXPECT_EQ(Output(), QString("Имя: Анна\n41\nАнна 42\n"));
    EXPECT_FALSE(Pane->Waiting());
}

TEST_F(RunCommandsTest, StopEndsTheWaitForInput)
{
    bool waited = false;
    During(30, [&] {
        waited = Pane->Waiting() && Pane->Input()->hasFocus();
        Harness->Stop();
    });
    Run("unit U; function main: string; var s: string; begin try ReadLn(s); finally Result := 'x'; end; end; end.");
    EXPECT_TRUE(waited);
    EXPECT_EQ(Result(), QString("Выполнение остановлено"));
    EXPECT_FALSE(Pane->Waiting());
    EXPECT_TRUE(Fixture.Log.Errors.isEmpty());
}

TEST_F(RunCommandsTest, RunUnitLoadsTheChosenFileAndFindsItsNeighbours)
{
    Fixture.WriteFile("units/Main.pas", "unit Main;\nuses Helper;\nfunction main: integer; begin Result := Twice(21); end;\nend.\n");
    Fixture.WriteFile("units/Helper.pas", "unit Helper;\nfunction Twice(x: integer): integer; begin Result := 2 * x; end;\nend.\n");
    auto *documents = TVlDocuments::Of(*Form);
    QString chosen = Fixture.RootPath("units/Main.pas");
    documents->AskFile = [&](TVlFileDialogKind kind) -> std::optional<TVlFileChoice> {
        EXPECT_EQ(kind, TVlFileDialogKind::Open);
        if (chosen.isEmpty())
            return std::nullopt;
        return TVlFileChoice{chosen, 0};
    };
    Form->MenuItem("RunUnit")->trigger();
    EXPECT_EQ(Result(), QString("42"));
    EXPECT_TRUE(Form->Memo1->Text().startsWith("unit Main;\r\nuses Helper;"));
    EXPECT_EQ(Harness->Folders().RunFileName, chosen.toStdString());
    // The file is the editor's document now: the next run finds its neighbours again.
    EXPECT_EQ(Form->CurrentFileName, chosen);
    EXPECT_EQ(Form->DocumentTitle(), chosen);
    Form->ToolButton("RunProject")->click();
    EXPECT_EQ(Result(), QString("42"));

    // Cancelled: the log line and nothing else.
    chosen.clear();
    Form->Memo1->SetText("kept");
    const int lines = int(LogLines().size());
    Form->MenuItem("RunUnit")->trigger();
    EXPECT_EQ(LogLines().mid(lines), QStringList{"Компилирую..."});
    EXPECT_EQ(Form->Memo1->Text(), QString("kept\r\n"));
    EXPECT_EQ(Result(), QString("42"));
    EXPECT_EQ(Form->CurrentFileName, Fixture.RootPath("units/Main.pas"));

    // A file that cannot be read fails before anything runs.
    chosen = Fixture.RootPath("units/Missing.pas");
    Form->MenuItem("RunUnit")->trigger();
    EXPECT_EQ(Fixture.Log.Errors.size(), 1);
    EXPECT_EQ(Form->Memo1->Text(), QString("kept\r\n"));
}

TEST_F(RunCommandsTest, UnitsComeFromTheSamplesFolderOrAreReportedMissing)
{
    Fixture.WriteFile("samples/Extra.pas", "unit Extra; function Seven: integer; begin Result := 7; end; end.");
    Run("program P; uses Extra; begin WriteLn(Seven); end.");
    EXPECT_EQ(Output(), QString("7\n"));
    Run("unit U; uses Nowhere; function main: integer; begin Result := 1; end; end.");
    EXPECT_TRUE(Result().endsWith("Unit 'Nowhere' not found")) << Result().toStdString();
    // The shipped helper unit of the examples folder.
    Run("unit U; uses SampleMath; function main: integer; begin Result := Gcd(12, 18); end; end.");
    EXPECT_EQ(Result(), QString("6"));
}

TEST_F(RunCommandsTest, DemonstrationNames)
{
    Form->SetDocumentTitle("Demo");
    Run("Test.Caption");
    EXPECT_EQ(Result(), QString("Veltrano - Demo"));
    Run("MyFunction(41)");
    EXPECT_EQ(Result(), QString("42"));
    Run("SamplesDir");
    EXPECT_EQ(Result(), QString("samples/"));
    Run("unit U; function main: integer; begin Test.ShowMessage('x'); Test.Caption := 'Новый заголовок'; "
        "Result := Test.Width; end; end.");
    EXPECT_EQ(Fixture.Messages, QStringList{"x"});
    EXPECT_EQ(Form->windowTitle(), QString("Новый заголовок"));
    EXPECT_EQ(Result().toInt(), Form->frameGeometry().width());
    // The window's own EZeroDivide.Create holds after any number of runs.
    Run("var s: string; begin try raise EZeroDivide.Create('деление'); except on E: EZeroDivide do "
        "s := E.ClassName + ' ' + E.Message; end; Result := s; end;");
    EXPECT_EQ(Result(), QString("EZeroDivide деление"));
    // A script that frees Test gets a new one next time.
    Run("begin Test.Free; Result := Test.ClassName; end;");
    EXPECT_EQ(Result(), QString("TForm1"));
}

TEST_F(RunCommandsTest, TheEditorOfACustomSampleIsSavedBeforeARun)
{
    Fixture.WriteFile("samples/sample - mine.pas", "1 + 1");
    Form.reset();  // the list is read when the window is made
    SetUp();
    Browser->LoadEntry("sample - mine.pas");
    EXPECT_EQ(Form->Memo1->Text(), QString("1 + 1\r\n"));
    Form->Memo1->SetText("2 + 3");
    Form->ToolButton("RunProject")->click();
    EXPECT_EQ(Result(), QString("5"));
    EXPECT_EQ(FileBytes(Fixture.RootPath("samples/sample - mine.pas")), QByteArray("2 + 3\r\n"));
    // A fixed sample is never written.
    Browser->LoadEntry(Browser->Model().Entries().first());
    Form->Memo1->SetText("7");
    Form->ToolButton("RunProject")->click();
    EXPECT_EQ(FileBytes(Fixture.RootPath("samples/sample - mine.pas")), QByteArray("2 + 3\r\n"));
}

TEST_F(RunCommandsTest, TheHiddenExpressionCompiler)
{
    // Hidden items cannot be triggered; the commands run as a shortcut would run them.
    QAction *compile = Form->MenuItem("ExprCompile1");
    EXPECT_FALSE(compile->isVisible());
    compile->setVisible(true);
    EXPECT_FALSE(compile->isEnabled());
    auto *expression = Form->findChild<QLineEdit *>("Edit1");
    auto *argument = Form->findChild<QLineEdit *>("Edit2");
    auto *label = Form->findChild<QLabel *>("Label1");
    ASSERT_TRUE(expression && argument && label);
    Form->Memo1->SetText("cleared by Отмена");
    expression->setText("x * x + 1");
    Form->RunCommand("ExprCancelClick");
    EXPECT_TRUE(compile->isEnabled());
    EXPECT_EQ(Form->Memo1->Text(), QString());
    argument->setText("3");
    Form->RunCommand("ExprCompileClick");
    EXPECT_EQ(label->text(), QString("10"));
    argument->setText("три");
    Form->RunCommand("ExprCompileClick");
    EXPECT_EQ(Fixture.Log.Errors, QStringList{"«три» — не число"});
    EXPECT_EQ(label->text(), QString("10"));

    // "Просмотр скорости" appends its two lines (here with fewer calls than the item makes).
    Form->Memo1->SetText("first");
    Form->findChild<TVlExpressionPanel *>("ExpressionPanel")->ExprSpeedClick(1001);
    ASSERT_EQ(Form->Memo1->LineCount(), 3);
    EXPECT_TRUE(Form->Memo1->Line(1).startsWith("work time for 1000 repeats =")) << Form->Memo1->Line(1).toStdString();
    EXPECT_TRUE(Form->Memo1->Line(1).endsWith(" sec"));
    EXPECT_TRUE(Form->Memo1->Line(2).startsWith("="));
    EXPECT_TRUE(Form->Memo1->Line(2).endsWith(" days"));
}

} // namespace
