// Script forms in the window: "Запуск формы" makes the editor's unit a live window from its form
// file; its events run, their errors are shown, Stop ends its waits, and a new run or the window's
// end takes old forms away.
#include "RunTestSupport.h"
#include "ScriptFormProbe.h"

#include "common/VlTestPaths.h"
#include "editor/VlHLEditor.h"
#include "rtl/VlCp1251.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTest>

#include <fstream>

namespace {

// A form with a button whose handler sets a label and the form's caption, and a second button
// whose handler fails (Button2Click) or loops (Button3Click).
const char *const kUnit = R"(unit Clicker;

interface

uses Forms, StdCtrls;

type
  TClicker = class(TForm)
    Label1: TLabel;
    Button1: TButton;
    Button2: TButton;
    Button3: TButton;
    procedure Button1Click(Sender: TObject);
    procedure Button2Click(Sender: TObject);
    procedure Button3Click(Sender: TObject);
  public
    Clicks: Integer;
  end;

implementation

procedure TClicker.Button1Click(Sender: TObject);
begin
  Clicks := Clicks + 1;
  Label1.Caption := 'Нажато ' + IntToStr(Clicks);
  Caption := 'Щелчок';
  WriteLn('click ', Clicks);
end;

procedure TClicker.Button2Click(Sender: TObject);
begin
  Label1.Caption := NoSuchName;
end;

procedure TClicker.Button3Click(Sender: TObject);
begin
  while True do
    Clicks := Clicks + 1;
end;

end.
)";

const char *const kForm = R"(object Clicker: TClicker
  Caption = 'Кликер'
  ClientWidth = 240
  ClientHeight = 120
  object Label1: TLabel
    Left = 8
    Top = 8
    Caption = 'Ещё нет'
  end
  object Button1: TButton
    Left = 8
    Top = 40
    Caption = 'Нажми'
    OnClick = Button1Click
  end
  object Button2: TButton
    Left = 88
    Top = 40
    Caption = 'Ошибка'
    OnClick = Button2Click
  end
  object Button3: TButton
    Left = 168
    Top = 40
    Caption = 'Цикл'
    OnClick = Button3Click
  end
end
)";

class FormRunTest : public RunWindowTest {
protected:
    void SetUp() override
    {
        RunWindowTest::SetUp();
        Fixture.WriteFile("project/Clicker.pas", kUnit);
        Fixture.WriteFile("project/Clicker.dfm", kForm);
        Form->CurrentFileName = Fixture.RootPath("project/Clicker.pas");
    }

    void RunForm(const QString &text = QString::fromUtf8(kUnit))
    {
        Run(text, "RunProjectClick", "Run2Proj");
    }

    // The only script form, or -1.
    static int OnlyForm() { return ScriptFormCount() == 1 ? 0 : -1; }

    // Runs action with the modal window once one is open (a run or a click waiting in it); a
    // timer looks at every pass of the event loop until then.
    void WhenModal(std::function<void(QWidget *modal)> action)
    {
        auto *poll = new QTimer(Form.get());
        QObject::connect(poll, &QTimer::timeout, poll, [poll, action = std::move(action)] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                poll->deleteLater();
                poll->stop();
                action(modal);
            }
        });
        poll->start(0);
    }

    // Clicks the looping button of the form and stops the handler with Стоп.
    void StopTheLoopOf(int form)
    {
        bool runningSeen = false;
        During(30, [&] {
            runningSeen = Harness->Running();
            Form->RunCommand("StopRunClick", "StopRun1");
        });
        Click(form, "Button3");
        EXPECT_TRUE(runningSeen);
        EXPECT_FALSE(Harness->Running());
        EXPECT_EQ(Result(), QString("Выполнение остановлено"));
    }

    static void Click(int form, const char *name)
    {
        QWidget *button = ScriptControlWidget(form, name);
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }
};

TEST_F(FormRunTest, TheEditorsUnitOpensAsALiveFormThatAnswersClicksAndCloses)
{
    RunForm();
    EXPECT_TRUE(Result().startsWith("Object: ")) << Result().toStdString();
    EXPECT_TRUE(Time().startsWith("ms: "));
    EXPECT_TRUE(LogLines().contains("Запуск проекта..."));
    const int form = OnlyForm();
    ASSERT_EQ(form, 0);
    QPointer<QWidget> window = ScriptFormWindow(form);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QString("Кликер"));
    EXPECT_EQ(ScriptControlCaption(form, "Label1"), QString("Ещё нет"));

    Click(form, "Button1");
    Click(form, "Button1");
    EXPECT_EQ(ScriptControlCaption(form, "Label1"), QString("Нажато 2"));
    EXPECT_EQ(window->windowTitle(), QString("Щелчок"));
    // The handler writes to the run's console, which a click does not clear.
    EXPECT_EQ(Output(), QString("click 1\nclick 2\n"));
    EXPECT_FALSE(Harness->Running());

    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(Fixture.Log.Errors.isEmpty()) << Fixture.Log.Errors.join("; ").toStdString();
}

TEST_F(FormRunTest, TheEditorsTextIsTheUnitEvenUnsavedAndOtherSourcesRunAsUsual)
{
    QString text = QString::fromUtf8(kUnit);
    text.replace("'Щелчок'", "'Изменено'");
    RunForm(text);
    const int form = OnlyForm();
    ASSERT_EQ(form, 0);
    Click(form, "Button1");
    EXPECT_EQ(ScriptFormWindow(form)->windowTitle(), QString("Изменено"));

    // Not a unit: "Запуск формы" runs it as the run button does.
    RunForm("MyFunction(41)");
    EXPECT_EQ(Result(), QString("42"));
    // A unit without a form file beside it or in the sample folders.
    RunForm("unit Lonely; interface implementation end.");
    EXPECT_EQ(Result(), QString("58: DFM 'Lonely' not found"));
}

TEST_F(FormRunTest, AnErrorInAHandlerIsShownAsARunErrorWithTheCaretOnIt)
{
    RunForm();
    const int form = OnlyForm();
    ASSERT_EQ(form, 0);
    Form->Memo1->SetSelStart(0);
    Click(form, "Button2");
    EXPECT_TRUE(Result().contains(QRegularExpression("^\\d+: .*NoSuchName"))) << Result().toStdString();
    const QStringList log = LogLines();
    ASSERT_FALSE(log.isEmpty());
    EXPECT_TRUE(log.last().startsWith("Ошибка в обработчике события: ")) << log.last().toStdString();
    const QString unit = Form->Memo1->Text();
    const int lineStart = unit.indexOf("  Label1.Caption := NoSuchName");
    EXPECT_GE(Form->Memo1->SelStart(), lineStart);
    EXPECT_LE(Form->Memo1->SelStart(), unit.indexOf('\n', lineStart));
    EXPECT_TRUE(Fixture.Log.Errors.isEmpty());
    // The form goes on answering.
    Click(form, "Button1");
    EXPECT_EQ(ScriptControlCaption(form, "Label1"), QString("Нажато 1"));

    // Once the editor holds other text, the place would be wrong: the caret stays.
    Form->Memo1->SetText("другой текст");
    Form->Memo1->SetSelStart(3);
    Click(form, "Button2");
    EXPECT_EQ(Form->Memo1->SelStart(), 3);
}

TEST_F(FormRunTest, StopEndsAHandlerStuckInALoop)
{
    RunForm();
    const int form = OnlyForm();
    ASSERT_EQ(form, 0);
    StopTheLoopOf(form);
    Click(form, "Button1");
    EXPECT_TRUE(ScriptControlCaption(form, "Label1").startsWith("Нажато "));
}

TEST_F(FormRunTest, ANewRunClosesTheFormsOfTheLastOne)
{
    RunForm();
    ASSERT_EQ(ScriptFormCount(), 1);
    QPointer<QWidget> first = ScriptFormWindow(0);
    RunForm();
    EXPECT_TRUE(first.isNull());
    const int second = OnlyForm();
    ASSERT_EQ(second, 0);
    Click(second, "Button1");
    EXPECT_EQ(ScriptControlCaption(second, "Label1"), QString("Нажато 1"));
    Run("1 + 1");
    EXPECT_EQ(ScriptFormCount(), 0);
}

TEST_F(FormRunTest, ClosingTheWindowTakesAnOpenFormWithIt)
{
    RunForm();
    QPointer<QWidget> window = ScriptFormWindow(0);
    ASSERT_TRUE(window && window->isVisible());
    Form->CloseWithoutAsking();
    QTest::qWait(20);
    EXPECT_TRUE(window.isNull());

    // And a window destroyed with a form open leaves none behind.
    Form.reset();
    Form = Fixture.MakeForm();
    Form->show();
    Form->CurrentFileName = Fixture.RootPath("project/Clicker.pas");
    Form->Memo1->SetText(QString::fromUtf8(kUnit));
    Form->RunCommand("RunProjectClick", "Run2Proj");
    window = ScriptFormWindow(0);
    ASSERT_FALSE(window.isNull());
    Form.reset();
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(ScriptFormCount(), 0);
}

TEST_F(FormRunTest, StopAndTheStopKeyEndAModalScriptForm)
{
    const QString program = "program P;\nvar F: TObject;\nbegin\n  F := VlInterpreterMakeForm('" +
                            Fixture.RootPath("project/Clicker.pas") + "');\n  F.ShowModal;\n  WriteLn('after');\nend.";
    bool modalSeen = false;
    WhenModal([&](QWidget *) {
        modalSeen = true;
        Form->RunCommand("StopRunClick", "StopRun1");
    });
    Run(program);
    EXPECT_TRUE(modalSeen);
    EXPECT_EQ(Result(), QString("Выполнение остановлено"));
    EXPECT_FALSE(Harness->Running());
    EXPECT_FALSE(Output().contains("after"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // The main window is blocked: Ctrl+F2 pressed in the modal form stops the run.
    modalSeen = false;
    WhenModal([&](QWidget *modal) {
        modalSeen = true;
        QTest::keyClick(modal, Qt::Key_F2, Qt::ControlModifier);
    });
    Run(program);
    EXPECT_TRUE(modalSeen);
    EXPECT_EQ(Result(), QString("Выполнение остановлено"));
    EXPECT_FALSE(Output().contains("after"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    // Elsewhere the key is the form's: nothing runs, nothing stops.
    RunForm();
    QTest::keyClick(ScriptFormWindow(0), Qt::Key_F2, Qt::ControlModifier);
    EXPECT_TRUE(Result().startsWith("Object: "));
}

TEST_F(FormRunTest, StopEndsTheModalFormAndTheMessageBoxOfAFormsHandler)
{
    // A form whose handlers show another unit's form modally and a message box.
    Fixture.WriteFile("project/Opener.pas", "unit Opener;\ninterface\nuses Forms, StdCtrls, Dialogs;\ntype\n"
                      "  TOpener = class(TForm)\n    Button1: TButton;\n    Button2: TButton;\n"
                      "    procedure Button1Click(Sender: TObject);\n    procedure Button2Click(Sender: TObject);\n"
                      "  end;\nimplementation\nprocedure TOpener.Button1Click(Sender: TObject);\nvar R: Integer;\n"
                      "begin\n  R := VlInterpreterRunFormModal('" + Fixture.RootPath("project/Clicker.pas").toStdString() +
                      "');\n  WriteLn('result ', R);\nend;\n"
                      "procedure TOpener.Button2Click(Sender: TObject);\nbegin\n  ShowMessage('Привет');\n"
                      "  WriteLn('shown');\nend;\nend.\n");
    Fixture.WriteFile("project/Opener.dfm", "object Opener: TOpener\n  object Button1: TButton\n"
                      "    OnClick = Button1Click\n  end\n  object Button2: TButton\n    Top = 40\n"
                      "    OnClick = Button2Click\n  end\nend\n");
    Form->CurrentFileName = Fixture.RootPath("project/Opener.pas");
    RunForm(QString::fromStdString(ReadTextFile(Fixture.RootPath("project/Opener.pas").toStdString())));
    const int opener = OnlyForm();
    ASSERT_EQ(opener, 0);

    QString modalTitle;
    WhenModal([&](QWidget *modal) {
        modalTitle = modal->windowTitle();
        QTest::keyClick(modal, Qt::Key_F2, Qt::ControlModifier);
    });
    Click(opener, "Button1");
    EXPECT_EQ(modalTitle, QString("Кликер"));
    EXPECT_EQ(Result(), QString("Выполнение остановлено"));
    EXPECT_FALSE(Harness->Running());
    EXPECT_FALSE(Output().contains("result"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    // RunFormModal freed its form; the opener stays.
    EXPECT_EQ(ScriptFormCount(), 1);

    bool boxSeen = false;
    WhenModal([&](QWidget *) {
        boxSeen = true;
        Form->RunCommand("StopRunClick", "StopRun1");
    });
    Click(opener, "Button2");
    EXPECT_TRUE(boxSeen);
    EXPECT_EQ(Result(), QString("Выполнение остановлено"));
    EXPECT_FALSE(Output().contains("shown"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(FormRunTest, AFormAScriptRunsGoesThroughTheWindowAsAFormRunFromTheMenu)
{
    // VlInterpreterRunForm makes a program of its own for the form: it too writes to the window's
    // console, shows its handlers' errors in the window and stops on Стоп.
    Run("VlInterpreterRunForm('" + Fixture.RootPath("project/Clicker.pas") + "')");
    EXPECT_TRUE(Result().startsWith("Object: ")) << Result().toStdString();
    const int form = OnlyForm();
    ASSERT_EQ(form, 0);
    Click(form, "Button1");
    EXPECT_EQ(ScriptControlCaption(form, "Label1"), QString("Нажато 1"));
    EXPECT_EQ(Output(), QString("click 1\n"));

    Click(form, "Button2");
    EXPECT_TRUE(Result().contains("NoSuchName")) << Result().toStdString();
    EXPECT_TRUE(LogLines().last().startsWith("Ошибка в обработчике события: ")) << LogLines().last().toStdString();
    EXPECT_TRUE(Fixture.Log.Errors.isEmpty()) << Fixture.Log.Errors.join("; ").toStdString();

    StopTheLoopOf(form);

    // A new run takes the form and its program away.
    Run("1 + 1");
    EXPECT_EQ(ScriptFormCount(), 0);
}

TEST_F(FormRunTest, TheFormSamplesShipTheirUnitsAndFormFiles)
{
    const QString shipped = QString::fromStdString(VlTestDataDir()) + "/../../data/examples/";
    const TVlSamplesModel &model = Browser->Model();
    int forms = 0;
    for (int i = 0; i < model.DemoCount(); ++i) {
        const QString name = model.Name(i);
        if (model.Page(name) != "ExternalForm")
            continue;
        ++forms;
        const QStringList source = model.Source(name);
        ASSERT_FALSE(source.isEmpty());
        const QString unit = source.first().section(' ', 1).chopped(1);
        // The sample is the unit of the form samples' folder, and its form file is in the sample folder.
        std::ifstream pas((shipped + "Forms/" + unit + ".pas").toStdString());
        std::string line;
        QStringList lines;
        while (std::getline(pas, line))
            lines << QString::fromStdString(line);
        EXPECT_EQ(source, lines) << unit.toStdString();
        EXPECT_EQ(ReadTextFile((shipped + "Forms/" + unit + ".dfm").toStdString()),
                  ReadTextFile((shipped + "VeZiv/DuDizuzededur/" + unit + ".dfm").toStdString()))
            << unit.toStdString();

        // Run from the samples tab, the form opens and answers a click.
        Browser->cmbExamples->activated(i);
        ASSERT_EQ(Browser->CurrentPage(), QString("ExternalForm"));
        Browser->Button("bRunForm")->click();
        EXPECT_TRUE(Result().startsWith("Object: ")) << unit.toStdString() << ": " << Result().toStdString();
        ASSERT_EQ(OnlyForm(), 0) << unit.toStdString();
        EXPECT_TRUE(ScriptFormWindow(0)->isVisible());
    }
    EXPECT_EQ(forms, 3);
    Browser->cmbExamples->activated(model.Entries().indexOf("Форма: калькулятор"));
    Browser->Button("bRunForm")->click();
    const int calculator = OnlyForm();
    ASSERT_EQ(calculator, 0);
    for (const char *button : {"Btn7", "BtnMul", "Btn6", "BtnEquals"})
        Click(calculator, button);
    EXPECT_EQ(ScriptEditText(calculator, "Display"), QString("42"));
    EXPECT_TRUE(Fixture.Log.Errors.isEmpty()) << Fixture.Log.Errors.join("; ").toStdString();
}

} // namespace
