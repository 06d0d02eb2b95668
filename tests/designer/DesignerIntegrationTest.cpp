// The designer in the main window: palette, menus, keys against the main menu, saving and opening.
#include "DesignerAppFixture.h"

#include "designer/VlDesignImpMessengers.h"
#include "designer/VlDesignImpSelector.h"
#include "designer/VlDesignIntegration.h"
#include "designer/VlDesignPalette.h"
#include "designer/VlDesignPanel.h"
#include "designer/VlDesignClip.h"
#include "components/VlStdCtrls.h"
#include "rtl/VlCp1251.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class DesignerIntegration : public testing::Test {
protected:
    TVlDesignPanel &Panel() const { return *App.Designer().Panel(); }
    TVlDesignSurface &Surface() const { return *Panel().Surface(); }
    QWidget *Container() const { return Panel().Widget(); }
    QToolButton *PaletteButton(int tag) const { return App.Designer().Palette()->Button(tag); }
    void ShowDesigner() const
    {
        App.Pages()->setCurrentWidget(App.PageOfDesigner());
        QApplication::processEvents();
    }
    void ClickPanel(const QPoint &at) const
    {
        QWidget *target = Container()->childAt(at) ? Container()->childAt(at) : Container();
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(Container(), at));
    }
    TControl *Placed(int tag, const QPoint &at) const
    {
        QTest::mouseClick(PaletteButton(tag), Qt::LeftButton);
        ClickPanel(at);
        TVlDesignSelector &selector = *Surface().Selector();
        return selector.Count() ? selector.Selection(0) : nullptr;
    }
    TDesignerApp App;
};

TEST_F(DesignerIntegration, ThePaletteHasEighteenToggleButtonsWithTheirHints)
{
    const QStringList hints = {
        "", "Добавить кнопку", "Добавить надпись", "Добавить панель", "Добавить картинку", "Добавить галочку",
        "Добавить текст", "Добавить выпадающий список", "Добавить радиокнопку", "Добавить слайдер",
        "Добавить шкалу прогресса", "Добавить ползунок", "Добавить кнопки \"вверх-вниз\"",
        "Добавить текстовое поле", "Добавить выделенную группу", "Добавить список", "Добавить древо объектов",
        "Добавить строку состояния"};
    for (int tag = 0; tag < 18; ++tag) {
        QToolButton *button = PaletteButton(tag);
        ASSERT_NE(button, nullptr) << tag;
        EXPECT_EQ(button->toolTip(), hints[tag]);
        EXPECT_EQ(button->size(), QSize(37, 32));
        EXPECT_EQ(button->iconSize(), QSize(26, 26));
        EXPECT_TRUE(button->isCheckable());
        const QImage image = PaletteImage(tag).toImage();
        int drawn = 0;
        for (int y = 0; y < 26; ++y)
            for (int x = 0; x < 26; ++x)
                drawn += qAlpha(image.pixel(x, y)) != 0;
        EXPECT_GT(drawn, 40) << "an image of its own: " << tag;
    }
    EXPECT_TRUE(PaletteButton(0)->isChecked());
    EXPECT_EQ(QString(PaletteClassName(12)), "TUpDown");
}

TEST_F(DesignerIntegration, ThePaletteButtonPlacesOneButtonThenSelectIsPressedAgain)
{
    ShowDesigner();
    QTest::mouseClick(PaletteButton(1), Qt::LeftButton);
    EXPECT_TRUE(PaletteButton(1)->isChecked());
    EXPECT_EQ(App.PendingAddClass(), "TButton");
    ClickPanel({50, 40});
    auto *button = dynamic_cast<TButton *>(Panel().FindComponent("Button1"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->BoundsRect(), Bounds(50, 40, 75, 25));
    EXPECT_EQ(App.Designer().Palette()->PressedTag(), 0);
    EXPECT_TRUE(App.PendingAddClass().isEmpty());
    ClickPanel({300, 300});
    EXPECT_EQ(Surface().DesignedControls().size(), 1u) << "the next press selects";
}

TEST_F(DesignerIntegration, WithShiftEveryPressPlacesAnotherUntilAnotherButtonIsClicked)
{
    ShowDesigner();
    QTest::mouseClick(PaletteButton(1), Qt::LeftButton, Qt::ShiftModifier);
    ClickPanel({20, 20});
    ClickPanel({20, 100});
    ClickPanel({20, 200});
    EXPECT_EQ(Surface().DesignedControls().size(), 3u);
    EXPECT_TRUE(PaletteButton(1)->isChecked());
    QTest::mouseClick(PaletteButton(0), Qt::LeftButton);
    ClickPanel({300, 300});
    EXPECT_EQ(Surface().DesignedControls().size(), 3u);
}

TEST_F(DesignerIntegration, BothViewMenusSwitchTheViewAndStayInStep)
{
    ShowDesigner();
    App.Item("DsGrid1")->trigger();
    EXPECT_TRUE(App.Item("FormGrid1")->isChecked());
    EXPECT_FALSE(App.Item("FormRules1")->isChecked());
    EXPECT_FALSE(Panel().DrawRules());
    EXPECT_EQ(Panel().Color(), clBtnFace);
    QImage image = Container()->grab().toImage();
    EXPECT_EQ(image.pixelColor(8, 8), Qt::black) << "dots every 8 pixels";
    EXPECT_EQ(image.pixelColor(9, 8), ColorToQColor(clBtnFace));
    App.Item("FormRules1")->trigger();
    EXPECT_TRUE(App.Item("DsStandard1")->isChecked());
    EXPECT_FALSE(App.Item("DsGrid1")->isChecked());
    EXPECT_TRUE(Panel().DrawRules());
    EXPECT_EQ(Panel().Color(), clWhite);
}

TEST_F(DesignerIntegration, InactiveTheGridShowsNeitherRulesNorDots)
{
    ShowDesigner();
    App.Item("FormGrid1")->trigger();
    App.Item("FormActive1")->trigger();
    EXPECT_FALSE(Panel().Active());
    const QImage image = Container()->grab().toImage();
    EXPECT_EQ(image.pixelColor(8, 8), ColorToQColor(clBtnFace));
    App.RunCommand("DesignerClearClick");
    EXPECT_TRUE(Panel().Active()) << "clearing leaves the surface active";
    EXPECT_FALSE(App.Item("FormActive1")->isChecked());
}

TEST_F(DesignerIntegration, EscAsksToQuitOnThePressAndSelectsTheParentOnTheRelease)
{
    ShowDesigner();
    Placed(1, {40, 40});
    Container()->setFocus();
    QTest::keyPress(Container(), Qt::Key_Escape);
    EXPECT_EQ(App.Questions, QStringList{"Вы действительно хотите выйти?"});
    EXPECT_EQ(Surface().Selector()->Selection(0)->Name(), "Button1");
    QTest::keyRelease(Container(), Qt::Key_Escape);
    EXPECT_EQ(Surface().Selector()->Selection(0), &Panel());
}

TEST_F(DesignerIntegration, CtrlXCutsTheEditorsTextThenTheSelectedControls)
{
    ShowDesigner();
    App.SetEditorText("hello");
    App.SelectAllEditorText();
    Placed(1, {40, 40});
    Container()->setFocus();
    QTest::keyPress(Container(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_FALSE(App.EditorText().contains("hello")) << "the main menu cuts on the press";
    EXPECT_EQ(Surface().DesignedControls().size(), 1u);
    QTest::keyRelease(Container(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(Surface().DesignedControls().empty());
    EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasFormat(DesignClipboardFormat));
    // Ctrl let go before V: the press, which the main menu took, still counts.
    QTest::keyPress(Container(), Qt::Key_Control, Qt::ControlModifier);
    QTest::keyPress(Container(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyRelease(Container(), Qt::Key_Control, Qt::NoModifier);
    EXPECT_TRUE(Surface().DesignedControls().empty());
    QTest::keyRelease(Container(), Qt::Key_V, Qt::NoModifier);
    EXPECT_EQ(Surface().DesignedControls().size(), 1u);
}

TEST_F(DesignerIntegration, UndoHasKeysOfItsOwnInTheDesigner)
{
    ShowDesigner();
    Placed(1, {40, 40});
    EXPECT_TRUE(App.Item("FormUndo1")->isEnabled());
    EXPECT_FALSE(App.Item("DsRedo1")->isEnabled());
    QAction *undo = App.ShortcutTarget(Container(), Qt::Key_Backspace, Qt::AltModifier);
    ASSERT_NE(undo, nullptr);
    EXPECT_EQ(undo->objectName(), "DsUndo1");
    EXPECT_EQ(App.ShortcutTarget(Container(), Qt::Key_Z, Qt::ControlModifier)->objectName(), "Undo1")
        << "Ctrl+Z stays the editor's";
    EXPECT_EQ(App.ShortcutTarget(App.Editor(), Qt::Key_Backspace, Qt::AltModifier), nullptr)
        << "the editor keeps Alt+Backspace";
    Container()->setFocus();
    QTest::keyClick(Container(), Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_TRUE(Surface().DesignedControls().empty());
    QTest::keyClick(Container(), Qt::Key_Backspace, Qt::AltModifier | Qt::ShiftModifier);
    EXPECT_EQ(Surface().DesignedControls().size(), 1u);
}

TEST_F(DesignerIntegration, SavingAsAFormAndOpeningItAgainGivesTheSameForm)
{
    ShowDesigner();
    Placed(1, {40, 40});
    Placed(2, {40, 100});
    App.SetEditorText("unit Unit1;");
    App.AnswerSave("form.vlf", 6);
    App.RunCommand("SaveAsClick");
    const std::string saved = ReadFileBytes(App.PathOf("form.vlf").toStdString());
    EXPECT_EQ(saved.find("unit Unit1"), std::string::npos) << "the text does not go into a form file";
    EXPECT_NE(saved.find("object Button1: TButton"), std::string::npos);
    EXPECT_NE(saved.find("object Label1: TLabel"), std::string::npos);
    App.RunCommand("DesignerClearClick");
    EXPECT_TRUE(Surface().DesignedControls().empty());
    App.Pages()->setCurrentIndex(0);
    App.Designer().AskFormFile = [this] { return std::optional<QString>(App.PathOf("form.vlf")); };
    App.RunCommand("OpenFormClick");
    EXPECT_EQ(App.Pages()->currentWidget(), App.PageOfDesigner());
    EXPECT_EQ(Surface().DesignedControls().size(), 2u);
    Surface().SaveForm(App.PathOf("again.vlf").toStdString());
    EXPECT_EQ(ReadFileBytes(App.PathOf("again.vlf").toStdString()), saved);
    EXPECT_EQ(TVlDesignIntegration::FormFileFilter, "Форма Veltrano (*.vlf)|*.vlf|Форма дизайнера Tessaform (.fds)|*.fds");
}

TEST_F(DesignerIntegration, ABadFormFileIsReportedAndTheDesignerStaysActive)
{
    ShowDesigner();
    WriteFileBytesAtomically(App.PathOf("bad.vlf").toStdString(), "object X: TForm\r\n  object A: TGizmo\r\n  end\r\nend\r\n");
    App.Designer().AskFormFile = [this] { return std::optional<QString>(App.PathOf("bad.vlf")); };
    App.RunCommand("OpenFormClick");
    ASSERT_EQ(App.Errors.size(), 1);
    EXPECT_TRUE(App.Errors[0].contains("Class TGizmo not found")) << App.Errors[0].toStdString();
    EXPECT_TRUE(Panel().Active());
    EXPECT_EQ(Panel().Name(), "VlDesignPanel");
}

TEST_F(DesignerIntegration, TheSkeletonsStartWithAnEmptyDesigner)
{
    ShowDesigner();
    Placed(1, {40, 40});
    App.Pages()->setCurrentIndex(0);
    App.RunCommand("NewFormClick");
    EXPECT_TRUE(Surface().DesignedControls().empty());
    EXPECT_EQ(App.Pages()->currentWidget(), App.PageOfDesigner());
}

TEST_F(DesignerIntegration, TheWindowHandlerModeDesignsToo)
{
    ShowDesigner();
    App.Item("FormWindowHandler1")->trigger();
    EXPECT_NE(dynamic_cast<TVlDesignWinControlHookMessenger *>(Surface().Messenger()), nullptr);
    EXPECT_EQ(Surface().MessengerClass(), &TVlDesignWinControlHookMessenger::Create);
    TControl *edit = Placed(6, {40, 40});
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->ClassName(), "TEdit");
    App.Item("FormDesigning1")->trigger();
    EXPECT_NE(dynamic_cast<TVlDesignDesignerMessenger *>(Surface().Messenger()), nullptr);
}

} // namespace
