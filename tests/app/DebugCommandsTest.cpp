// Stepping in the window: a breakpoint set in the gutter stops a loop run with F9, F8 and F7 step
// with the values beside the lines and in the "Переменные" pane, F9 continues, Ctrl+F2 stops;
// a step command starts a run paused; Shift+F8 leaves a routine; the call stack chooses the frame.
// Pictures of the paused window go to the temporary folder.
#include "RunTestSupport.h"

#include "debugger/views/VlDebugMarks.h"
#include "debugger/views/VlDebugSession.h"
#include "debugger/views/VlVariablesPane.h"
#include "editor/VlHLEditor.h"
#include "interpreter/VlInterpreter.h"
#include "interpreter/forms/VlInterpreterFm.h"

#include <QAction>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include <deque>

namespace {

const QString kLoop = "program P;\r\n"                 // 1
                      "var i, s: integer;\r\n"         // 2
                      "begin\r\n"                      // 3
                      "  s := 0;\r\n"                  // 4
                      "  for i := 1 to 5 do\r\n"       // 5
                      "  begin\r\n"                    // 6
                      "    s := s + i;\r\n"            // 7
                      "  end;\r\n"                     // 8
                      "  s := s * 2;\r\n"              // 9
                      "end.";                          // 10

const QString kRoutine = "program P;\r\n"                        // 1
                         "var g: integer;\r\n"                   // 2
                         "function Sq(x: integer): integer;\r\n" // 3
                         "var t: integer;\r\n"                   // 4
                         "begin\r\n"                             // 5
                         "  t := x * x;\r\n"                     // 6
                         "  Result := t;\r\n"                    // 7
                         "end;\r\n"                              // 8
                         "begin\r\n"                             // 9
                         "  g := Sq(3);\r\n"                     // 10
                         "  g := g + 1;\r\n"                     // 11
                         "end.";                                 // 12

const QString kRecord = "program P;\r\n"                                              // 1
                        "type TPoint = record x, y: integer; end;\r\n"                 // 2
                        "var p: TPoint; a: array [1..3] of integer; i: integer;\r\n"   // 3
                        "begin\r\n"                                                    // 4
                        "  for i := 1 to 3 do\r\n"                                     // 5
                        "  begin\r\n"                                                  // 6
                        "    p.x := i; (* i := 0 *)\r\n"                               // 7
                        "    a[i] := i * i;\r\n"                                       // 8
                        "  end;\r\n"                                                   // 9
                        "end.";                                                         // 10

class DebugCommandsTest : public RunWindowTest {
protected:
    void SetUp() override
    {
        RunWindowTest::SetUp();
        Session = Form->findChild<TVlDebugSession *>("VlDebugSession");
        Variables = Form->findChild<TVlVariablesPane *>("VariablesPane");
        ASSERT_TRUE(Session && Variables);
        // Each pause runs the next action once the window serves its events.
        QObject::connect(Session, &TVlDebugSession::PausedChanged, Form.get(), [this](bool paused) {
            if (!paused)
                return;
            ++Pauses;
            QTimer::singleShot(0, Form.get(), [this] {
                if (Actions.empty()) {
                    Key(Qt::Key_F2, Qt::ControlModifier);  // "Стоп"
                    return;
                }
                std::function<void()> action = std::move(Actions.front());
                Actions.pop_front();
                action();
                // An action that failed before its command would leave the run paused for good.
                const int pause = Pauses;
                QTimer::singleShot(0, Form.get(), [this, pause] {
                    if (Pauses == pause && Session->Paused()) {
                        ADD_FAILURE() << "an action left the run paused";
                        Harness->Stop();
                    }
                });
            });
        });
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        Form->Memo1->setFocus();
        QTest::keyClick(Form->Memo1, key, modifiers);
    }
    void ClickGutter(int line)
    {
        const int y = (line - Form->Memo1->Model().TopLine()) * Form->Memo1->RowHeight() + Form->Memo1->RowHeight() / 2;
        QTest::mouseClick(Form->Memo1->viewport(), Qt::LeftButton, {}, QPoint(4, y));
    }
    // The value column of a variable or watch under a group of the tree.
    QString Shown(const QString &group, const QString &name) const
    {
        QTreeWidget *tree = Variables->Tree();
        for (int g = 0; g < tree->topLevelItemCount(); ++g) {
            QTreeWidgetItem *top = tree->topLevelItem(g);
            if (top->text(0) != group)
                continue;
            for (int i = 0; i < top->childCount(); ++i)
                if (top->child(i)->text(0) == name)
                    return top->child(i)->text(1);
        }
        return "(none)";
    }
    // The entry of the tree at a path of names ({"Глобальные", "p", "x"}), or null.
    QTreeWidgetItem *Entry(const QStringList &path) const
    {
        QTreeWidget *tree = Variables->Tree();
        QTreeWidgetItem *found = nullptr;
        for (const QString &name : path) {
            const int count = found ? found->childCount() : tree->topLevelItemCount();
            QTreeWidgetItem *next = nullptr;
            for (int i = 0; i < count && !next; ++i) {
                QTreeWidgetItem *item = found ? found->child(i) : tree->topLevelItem(i);
                if (item->text(0) == name)
                    next = item;
            }
            if (!next)
                return nullptr;
            found = next;
        }
        return found;
    }
    int GroupSize(const QString &group) const
    {
        QTreeWidget *tree = Variables->Tree();
        for (int g = 0; g < tree->topLevelItemCount(); ++g)
            if (tree->topLevelItem(g)->text(0) == group)
                return tree->topLevelItem(g)->childCount();
        return -1;
    }
    QString Picture(const QString &name)
    {
        const QString path = QDir::temp().filePath("veltrano-debug-" + name + ".png");
        Form->grab().save(path);
        return path;
    }
    QColor EditorPixel(int line, int x)
    {
        const QImage image = Form->Memo1->viewport()->grab().toImage();
        const int y = (line - Form->Memo1->Model().TopLine()) * Form->Memo1->RowHeight() + Form->Memo1->RowHeight() / 2;
        return image.pixelColor(x, y);
    }

    TVlDebugSession *Session = nullptr;
    TVlVariablesPane *Variables = nullptr;
    std::deque<std::function<void()>> Actions;
    int Pauses = 0;
};

TEST_F(DebugCommandsTest, ABreakpointInALoopStepsWithValuesBesideTheLinesThenContinuesAndStops)
{
    Form->Memo1->SetText(kLoop);
    ClickGutter(6);  // line 7, "s := s + i"
    EXPECT_TRUE(Session->Engine().HasBreakpoint({"", 7}));
    Variables->AddWatch("s * 10");
    EXPECT_FALSE(Form->MenuItem("DebugStepOut1")->isEnabled());

    Actions.push_back([this] {
        EXPECT_TRUE(Variables->isVisible());
        EXPECT_EQ(Session->Marks().CurrentLine(), 6);
        EXPECT_EQ(Shown(TVlVariablesPane::GlobalsCaption(), "i"), "1");
        EXPECT_EQ(Shown(TVlVariablesPane::GlobalsCaption(), "s"), "0");
        EXPECT_EQ(Shown(TVlVariablesPane::WatchesCaption(), "s * 10"), "0");
        EXPECT_EQ(GroupSize(TVlVariablesPane::LocalsCaption()), 0);  // a main block has no locals
        EXPECT_EQ(Variables->Stack()->count(), 1);
        EXPECT_EQ(Variables->Stack()->item(0)->text(), "P — строка 7");
        EXPECT_TRUE(Form->MenuItem("DebugStepOut1")->isEnabled());
        // The paused line is highlighted over the breakpoint's colour, the gutter has the dot.
        EXPECT_EQ(EditorPixel(6, Form->Memo1->GutterWidth() + 300), TVlDebugMarks::CurrentLineColor());
        EXPECT_GT(EditorPixel(6, 4).red(), 180);
        Picture("paused-1");
        Key(Qt::Key_F8);
    });
    Actions.push_back([this] {
        EXPECT_EQ(Session->Marks().CurrentLine(), 6);
        EXPECT_EQ(Shown(TVlVariablesPane::GlobalsCaption(), "i"), "2");
        EXPECT_EQ(Session->Marks().LineValues().at(6), "s = 1");
        EXPECT_EQ(Shown(TVlVariablesPane::WatchesCaption(), "s * 10"), "10");
        Key(Qt::Key_F7);
    });
    Actions.push_back([this] {
        EXPECT_EQ(Shown(TVlVariablesPane::GlobalsCaption(), "i"), "3");
        EXPECT_EQ(Session->Marks().LineValues().at(6), "s = 3");
        // The values stand after the line's text in the faint colour.
        const QImage image = Form->Memo1->viewport()->grab().toImage();
        const int row = (6 - Form->Memo1->Model().TopLine()) * Form->Memo1->RowHeight();
        const int from = Form->Memo1->GutterWidth() + 2 + 17 * Form->Memo1->CharWidth();
        bool faint = false;
        for (int x = from; x < from + 6 * Form->Memo1->CharWidth() && !faint; ++x)
            for (int y = row; y < row + Form->Memo1->RowHeight() && !faint; ++y)
                faint = image.pixelColor(x, y) == TVlDebugMarks::ValueColor();
        EXPECT_TRUE(faint);
        Picture("paused-3");
        Key(Qt::Key_F9);  // on to the breakpoint's next pass
    });
    Actions.push_back([this] {
        EXPECT_EQ(Shown(TVlVariablesPane::GlobalsCaption(), "i"), "4");
        Key(Qt::Key_F9);
    });
    Form->RunCommand("RunProjectClick", "RunProject");
    // No action was left for the fifth pass: Ctrl+F2 stopped the run there.
    EXPECT_EQ(Pauses, 5);
    EXPECT_EQ(Result(), QString("Выполнение остановлено"));
    EXPECT_FALSE(Session->Paused());
    EXPECT_EQ(Session->Marks().CurrentLine(), -1);
    EXPECT_EQ(Variables->Status()->text(), QString("Программа остановлена"));
    // Every line the run passed has the gutter mark; the line after the loop never ran.
    EXPECT_EQ(EditorPixel(3, Form->Memo1->GutterWidth() - 2), QColor(40, 170, 70));
    EXPECT_EQ(EditorPixel(6, Form->Memo1->GutterWidth() - 2), QColor(40, 170, 70));
    EXPECT_NE(EditorPixel(8, Form->Memo1->GutterWidth() - 2), QColor(40, 170, 70));
    Picture("stopped");
}

TEST_F(DebugCommandsTest, AStepStartsARunPausedAndShiftF8LeavesTheRoutine)
{
    Form->Memo1->SetText(kRoutine);
    Actions.push_back([this] {
        EXPECT_EQ(Session->Marks().CurrentLine(), 9);  // "g := Sq(3)"
        Key(Qt::Key_F7);
    });
    Actions.push_back([this] {
        EXPECT_EQ(Session->Marks().CurrentLine(), 5);  // into Sq
        ASSERT_EQ(Variables->Stack()->count(), 2);
        EXPECT_EQ(Variables->Stack()->item(0)->text(), "Sq — строка 6");
        EXPECT_EQ(Variables->Stack()->item(1)->text(), "P — строка 10");
        EXPECT_EQ(Shown(TVlVariablesPane::LocalsCaption(), "x"), "3");
        EXPECT_EQ(Shown(TVlVariablesPane::LocalsCaption(), "t"), "0");
        // The caller's frame: no locals, the program's globals.
        Variables->Stack()->setCurrentRow(1);
        EXPECT_EQ(GroupSize(TVlVariablesPane::LocalsCaption()), 0);
        EXPECT_EQ(Shown(TVlVariablesPane::GlobalsCaption(), "g"), "0");
        Variables->Stack()->setCurrentRow(0);
        Picture("routine");
        Key(Qt::Key_F8);
    });
    Actions.push_back([this] {
        EXPECT_EQ(Session->Marks().CurrentLine(), 6);
        EXPECT_EQ(Session->Marks().LineValues().at(5), "t = 9");
        Key(Qt::Key_F8, Qt::ShiftModifier);
    });
    Actions.push_back([this] {
        EXPECT_EQ(Session->Marks().CurrentLine(), 10);  // back in the main block, after the call
        EXPECT_EQ(Shown(TVlVariablesPane::GlobalsCaption(), "g"), "9");
        Form->ToolButton("RunProject")->click();  // continues, as F9 does
    });
    Key(Qt::Key_F7);
    EXPECT_EQ(Pauses, 4);
    EXPECT_EQ(Result(), QString("Empty"));
    EXPECT_EQ(ValueToInteger(Harness->Program().OwnAdapter().SrcVars.front()->Value), 10);
    EXPECT_EQ(Variables->Status()->text(), QString("Программа завершена"));  // ended on its own
}

TEST_F(DebugCommandsTest, RecordsTheUserOpenedStayOpenFromStepToStepAndThePaneIsNotRebuiltWhileRunning)
{
    Form->Memo1->SetText(kRecord);
    Session->ToggleBreakpoint(6);  // "p.x := i"
    Variables->AddWatch("a");
    const QStringList p{TVlVariablesPane::GlobalsCaption(), "p"};
    const QStringList a{TVlVariablesPane::GlobalsCaption(), "a"};
    const QStringList watchedA{TVlVariablesPane::WatchesCaption(), "a"};
    // At each resume the last pause's entries stand, greyed, instead of an empty tree.
    int resumes = 0;
    QObject::connect(Session, &TVlDebugSession::PausedChanged, Form.get(), [&](bool paused) {
        if (paused)
            return;
        ++resumes;
        EXPECT_NE(Entry(p), nullptr);
        EXPECT_TRUE(Variables->ShowsStaleValues());
        EXPECT_EQ(Variables->Status()->text(), QString("Выполняется..."));
    });

    Actions.push_back([&] {
        ASSERT_TRUE(Entry(p) && Entry(a) && Entry(watchedA));
        EXPECT_FALSE(Entry(p)->isExpanded());  // values start closed, groups open
        EXPECT_TRUE(Entry({TVlVariablesPane::GlobalsCaption()})->isExpanded());
        Variables->Tree()->expandItem(Entry(p));
        Variables->Tree()->expandItem(Entry(watchedA));
        Key(Qt::Key_F8);
    });
    Actions.push_back([&] {
        EXPECT_FALSE(Variables->ShowsStaleValues());
        ASSERT_TRUE(Entry(p) && Entry(a) && Entry(watchedA));
        EXPECT_TRUE(Entry(p)->isExpanded());
        EXPECT_TRUE(Entry(watchedA)->isExpanded());
        EXPECT_FALSE(Entry(a)->isExpanded());  // the same name elsewhere keeps its own state
        ASSERT_NE(Entry(p + QStringList{"x"}), nullptr);
        EXPECT_EQ(Entry(p + QStringList{"x"})->text(1), "1");
        // A field not yet assigned shows the kind it was declared with.
        ASSERT_NE(Entry(p + QStringList{"y"}), nullptr);
        EXPECT_EQ(Entry(p + QStringList{"y"})->text(2), "Integer");
        EXPECT_EQ(Entry(watchedA + QStringList{"[3]"})->text(2), "Integer");
        // The comment's "i := 0" assigns nothing.
        EXPECT_EQ(Session->Marks().LineValues().at(6), "p.x = 1");
        Variables->Tree()->collapseItem(Entry(p));
        Key(Qt::Key_F9);
    });
    Actions.push_back([&] {
        ASSERT_TRUE(Entry(p) && Entry(watchedA));
        EXPECT_FALSE(Entry(p)->isExpanded());
        EXPECT_TRUE(Entry(watchedA)->isExpanded());
        ASSERT_NE(Entry(watchedA + QStringList{"[2]"}), nullptr);
        EXPECT_EQ(Entry(watchedA + QStringList{"[1]"})->text(1), "1");
        Key(Qt::Key_F9);
    });
    Form->RunCommand("RunProjectClick", "RunProject");
    EXPECT_EQ(Pauses, 4);  // the fourth, with no action left, stopped the run
    EXPECT_EQ(resumes, 4);  // the stop ends the last pause too
    EXPECT_EQ(Result(), QString("Выполнение остановлено"));
    EXPECT_EQ(Variables->Status()->text(), QString("Программа остановлена"));
    EXPECT_FALSE(Variables->ShowsStaleValues());

    // The breakpoint stays, so the next run is observed too: one that fails says so.
    Run("program P;\r\nvar z: integer;\r\nbegin\r\n  z := 0;\r\n  z := 1 div z;\r\nend.");
    EXPECT_EQ(Pauses, 4);
    EXPECT_TRUE(Result().contains("Division by zero")) << Result().toStdString();
    EXPECT_EQ(Variables->Status()->text(), QString("Программа завершена с ошибкой"));
}

TEST_F(DebugCommandsTest, RunsWithoutBreakpointsAreNotObservedAndF4RunsToTheCaret)
{
    bool observed = true;
    During(20, [&] {
        observed = static_cast<bool>(Harness->Program().OnStatement);
        Harness->Stop();
    });
    Run("program P; var i: integer; begin i := 0; while true do i := i + 1; end.");
    EXPECT_FALSE(observed);
    EXPECT_EQ(Pauses, 0);

    Form->Memo1->SetText(kLoop);
    Form->Memo1->SetCaret(0, 8);  // "s := s * 2"
    Actions.push_back([this] {
        EXPECT_EQ(Session->Marks().CurrentLine(), 8);
        EXPECT_EQ(Shown(TVlVariablesPane::GlobalsCaption(), "s"), "15");
        Key(Qt::Key_F9);
    });
    Key(Qt::Key_F4);
    EXPECT_EQ(Pauses, 1);
    EXPECT_EQ(Result(), QString("Empty"));

    // Ctrl+F8 sets a breakpoint at the caret and takes it away again.
    Key(Qt::Key_F8, Qt::ControlModifier);
    EXPECT_TRUE(Session->Engine().HasBreakpoint({"", 9}));
    Form->ToolButton("BreakpointButton")->click();
    EXPECT_TRUE(Session->Engine().Breakpoints().empty());
}

TEST_F(DebugCommandsTest, WhilePausedOtherRunsAreRefusedAndEveryDebugMenuItemWorks)
{
    Form->Memo1->SetText(kRoutine);
    Actions.push_back([this] {
        EXPECT_EQ(Session->Marks().CurrentLine(), 9);
        Form->RunCommand("RunProjectClick", "CompileProject");
        Form->MenuItem("Run2Proj")->trigger();
        Browser->Button("Button5")->click();
        Form->MenuItem("DebugStepInto1")->trigger();
    });
    Actions.push_back([this] {
        EXPECT_EQ(Session->Marks().CurrentLine(), 5);  // in Sq
        Form->MenuItem("DebugStepOver1")->trigger();
    });
    Actions.push_back([this] {
        EXPECT_EQ(Session->Marks().CurrentLine(), 6);
        Form->MenuItem("DebugStepOut1")->trigger();
    });
    Actions.push_back([this] {
        EXPECT_EQ(Session->Marks().CurrentLine(), 10);
        Form->Memo1->SetCaret(0, 10);
        Form->MenuItem("DebugBreakpoint1")->trigger();  // on "g := g + 1", the line it stands on
        Form->MenuItem("DebugVariables1")->trigger();
        EXPECT_FALSE(Variables->isVisible());
        Form->MenuItem("DebugVariables1")->trigger();
        EXPECT_TRUE(Variables->isVisible());
        Form->MenuItem("Run1")->trigger();  // "Запустить" continues, as F9 does
    });
    Form->MenuItem("DebugRunToCursor1")->trigger();  // the caret is on line 1: runs to the end
    EXPECT_EQ(Pauses, 0);
    EXPECT_EQ(Result(), QString("Empty"));

    Form->MenuItem("DebugStepInto1")->trigger();
    EXPECT_EQ(Pauses, 4);
    EXPECT_EQ(Result(), QString("Empty"));
    const QString refused = "Программа уже выполняется: сначала остановите её (Ctrl+F2)";
    EXPECT_EQ(LogLines().count(refused), 3);

    // "Продолжить" with nothing running starts a run; the breakpoint set above stops it.
    Actions.push_back([this] {
        EXPECT_EQ(Session->Marks().CurrentLine(), 10);
        EXPECT_EQ(Shown(TVlVariablesPane::GlobalsCaption(), "g"), "9");
        Form->MenuItem("StopRun1")->trigger();
    });
    Form->MenuItem("DebugContinue1")->trigger();
    EXPECT_EQ(Pauses, 5);
    EXPECT_EQ(Result(), QString("Выполнение остановлено"));
}

TEST_F(DebugCommandsTest, ClosingTheWindowWhilePausedStopsTheRunAndCloses)
{
    Form->Memo1->SetText(kLoop);
    Session->ToggleBreakpoint(6);
    Actions.push_back([this] { Form->close(); });
    Form->RunCommand("RunProjectClick", "RunProject");
    EXPECT_EQ(Pauses, 1);
    EXPECT_EQ(Result(), QString("Выполнение остановлено"));
    for (int i = 0; i < 200 && Form->isVisible(); ++i)
        QTest::qWait(5);
    EXPECT_FALSE(Form->isVisible());
}

} // namespace
