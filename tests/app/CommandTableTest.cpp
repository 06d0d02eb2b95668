// The command table as data and as menus: captions, shortcuts, check and radio behaviour.
#include "ShellTestSupport.h"
#include "app/VeltranoCommandTable.h"
#include "app/VeltranoCommands.h"
#include "app/VeltranoMenus.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

std::vector<std::span<const TVlMenuItemDesc>> AllMenus()
{
    return {MainMenuItems(), EditorPopupItems(), TextPopupItems(), DesignerPopupItems()};
}

TEST(CommandTable, NamesAreUniqueAndEveryLeafHasACommand)
{
    QSet<QString> names;
    for (auto menu : AllMenus()) {
        for (size_t i = 0; i < menu.size(); ++i) {
            const TVlMenuItemDesc &item = menu[i];
            EXPECT_FALSE(names.contains(item.Name)) << item.Name;
            names.insert(item.Name);
            const bool opensSubmenu = i + 1 < menu.size() && menu[i + 1].Level > item.Level;
            const bool separator = std::string_view(item.Caption) == "-";
            EXPECT_EQ(std::string_view(item.Command).empty(), opensSubmenu || separator) << item.Name;
            if (i > 0) {
                EXPECT_LE(item.Level, menu[i - 1].Level + 1) << item.Name;
            }
        }
    }
    for (const TVlToolButtonDesc &button : ToolButtons()) {
        EXPECT_FALSE(names.contains(button.Name)) << button.Name;
        names.insert(button.Name);
    }
}

TEST(CommandTable, TopLevelMenusInOrder)
{
    QStringList captions;
    for (const TVlMenuItemDesc &item : MainMenuItems()) {
        if (item.Level == 0)
            captions << QString::fromUtf8(item.Caption);
    }
    EXPECT_EQ(captions, (QStringList{"Файл", "Правка", "Поиск", "Форма", "Проект", "Вставка", "Сервис", "Помощь"}));
}

TEST(CommandTable, ShortcutsOfTheMainMenu)
{
    struct TRow {
        const char *Name;
        const char *Caption;
        const char *Shortcut;
        const char *Command;
    };
    const TRow rows[] = {
        {"OpenFile1", "Открыть...", "Ctrl+O", "OpenClick"},
        {"Save1", "Сохранить", "Ctrl+S", "SaveClick"},
        {"PrintText1", "Печать текста", "Ctrl+P", "PrintTextClick"},
        {"Exit1", "Выход", "Esc", "ExitClick"},
        {"Undo1", "Отменить", "Ctrl+Z", "EditUndoClick"},
        {"Redo1", "Восстановить", "Ctrl+Shift+Z", "EditRedoClick"},
        {"Delete1", "Удалить", "Ctrl+D", "EditDeleteClick"},
        {"Clear1", "Очистить", "Ctrl+W", "EditClearClick"},
        {"TextUndo1", "Отмена", "Ctrl+Z", "TextUndoClick"},
        {"TextRedo1", "Вернуть", "Ctrl+Alt+Z", "TextRedoClick"},
        {"TextRefresh1", "Обновить", "F5", "TextRefreshClick"},
        {"Find1", "Найти...", "Ctrl+F", "FindClick"},
        {"FindNext1", "Найти далее...", "F3", "FindNextClick"},
        {"Replace1", "Заменить...", "Ctrl+R", "ReplaceClick"},
        {"ProcOther1", "Другое...", "Alt+Ins", "NewProcedureClick"},
        {"Font1", "Шрифт...", "F6", "FontClick"},
        {"Options1", "Настройки", "F12", "OptionsClick"},
        {"About1", "О программе Veltrano", "F1", "AboutClick"},
        {"Run1", "Запустить", "", "Button5Click"},
        {"RunUnit", "Запустить юнит...", "", "RunProjectClick"},
        {"Run2Proj", "Запуск формы", "", "RunProjectClick"},
        {"StopRun1", "Стоп", "Ctrl+F2", "StopRunClick"},
    };
    for (const TRow &row : rows) {
        const auto items = MainMenuItems();
        const auto found = std::find_if(items.begin(), items.end(),
                                        [&](const TVlMenuItemDesc &d) { return std::string_view(d.Name) == row.Name; });
        ASSERT_NE(found, items.end()) << row.Name;
        EXPECT_STREQ(found->Caption, row.Caption);
        EXPECT_STREQ(found->Shortcut, row.Shortcut) << row.Name;
        EXPECT_STREQ(found->Command, row.Command) << row.Name;
    }
}

TEST(CommandTable, ToolbarHintsLeftToRight)
{
    QStringList hints;
    for (const TVlToolButtonDesc &b : ToolButtons())
        hints << (b.Style == TVlToolButtonStyle::Separator ? QString("|") : QString::fromUtf8(b.Hint));
    EXPECT_EQ(hints, (QStringList{"Создать", "Открыть", "Сохранить", "|", "Вырезать", "Копировать", "Вставить", "|",
                                  "Отменить", "Вернуть", "|", "Добавить процедуру (Alt+Insert)", "|", "Запустить",
                                  "Компилировать", "Стоп", "|", "Увеличить", "Уменьшить", "|", "Настройки", "|", "Об авторах"}));
}

class MenuTest : public testing::Test {
protected:
    void SetUp() override { Form = Fixture.MakeForm(); }
    QAction *Item(const char *name) const
    {
        QAction *action = Form->MenuItem(name);
        EXPECT_NE(action, nullptr) << name;
        return action;
    }

    TShellFixture Fixture;
    std::unique_ptr<TForm1> Form;
};

TEST_F(MenuTest, MenusShowCaptionsAndShortcuts)
{
    EXPECT_EQ(Item("Redo1")->text(), QString("Восстановить\tCtrl+Shift+Z"));
    EXPECT_EQ(Item("Exit1")->text(), QString("Выход\tEsc"));
    EXPECT_EQ(Item("Indent1")->menu()->actions().size(), 7);
    EXPECT_TRUE(Item("Run1")->font().bold());
    EXPECT_FALSE(Item("ExprSpeed1")->isVisible());
    EXPECT_TRUE(Item("FormRules1")->isChecked());
    EXPECT_TRUE(Item("FormActive1")->isChecked());
    EXPECT_FALSE(Item("ReadOnly1")->isChecked());
    EXPECT_EQ(Form->menuBar()->actions().size(), 8);
}

TEST_F(MenuTest, RadioItemsOfOneGroupUncheckEachOther)
{
    // The menus alone: the designer's view command keeps the two "Вид" menus in step.
    Form->SetCommandHandler("DesignerViewClick", std::function<void()>());
    Item("FormGrid1")->trigger();
    EXPECT_TRUE(Item("FormGrid1")->isChecked());
    EXPECT_FALSE(Item("FormRules1")->isChecked());
    // Other groups and the context menu's own group are not affected.
    EXPECT_TRUE(Item("FormDesigning1")->isChecked());
    EXPECT_TRUE(Item("DsStandard1")->isChecked());
}

TEST_F(MenuTest, ClickingTheCheckedRadioItemLeavesNoneChecked)
{
    Item("FormRules1")->trigger();
    EXPECT_FALSE(Item("FormRules1")->isChecked());
    EXPECT_FALSE(Item("FormGrid1")->isChecked());
}

TEST_F(MenuTest, AutoCheckTogglesBeforeTheCommandRuns)
{
    QList<bool> seen;
    Form->SetCommandHandler("ReadOnlyClick", [&](const QString &sender) {
        seen << Form->MenuItem(sender)->isChecked();
    });
    Item("ReadOnly1")->trigger();
    Item("ReadOnly1")->trigger();
    Item("TxReadOnly1")->trigger();
    EXPECT_EQ(seen, (QList<bool>{true, false, true}));
    EXPECT_FALSE(Item("EdReadOnly1")->isChecked()); // the three items are independent
}

TEST_F(MenuTest, SharedCommandsKnowTheirSender)
{
    QStringList senders;
    Form->SetCommandHandler("RunProjectClick", [&](const QString &sender) { senders << sender; });
    Item("RunUnit")->trigger();
    Item("Run2Proj")->trigger();
    Form->ToolButton("RunProject")->click();
    Form->ToolButton("CompileProject")->click();
    EXPECT_EQ(senders, (QStringList{"RunUnit", "Run2Proj", "RunProject", "CompileProject"}));
}

TEST_F(MenuTest, CommandsWithoutHandlersDoNothing)
{
    // The command loses its handler here, so the test holds whatever the program's parts bind.
    Form->SetCommandHandler("FindClick", std::function<void()>());
    ASSERT_FALSE(Form->HasCommandHandler("FindClick"));
    const auto visibleWindows = [] {
        int count = 0;
        for (const QWidget *window : QApplication::topLevelWidgets())
            count += window->isVisible() ? 1 : 0;
        return count;
    };
    const int windowsBefore = visibleWindows();
    const QString textBefore = Form->Memo1->Text();
    Item("Find1")->trigger();
    EXPECT_TRUE(Fixture.Log.Errors.isEmpty());
    EXPECT_EQ(visibleWindows(), windowsBefore);
    EXPECT_EQ(Form->Memo1->Text(), textBefore);
    // With the handler back, the same item does run it.
    int runs = 0;
    Form->SetCommandHandler("FindClick", [&runs] { ++runs; });
    Item("Find1")->trigger();
    EXPECT_EQ(runs, 1);
}

TEST_F(MenuTest, AnExceptionInAHandlerIsShownAndTheProgramGoesOn)
{
    int runs = 0;
    Form->SetCommandHandler("FindClick", [&] {
        ++runs;
        throw std::runtime_error("disk on fire");
    });
    Item("Find1")->trigger();
    Item("Find1")->trigger();
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(Fixture.Log.Errors, (QStringList{"disk on fire", "disk on fire"}));
}

TEST_F(MenuTest, ToolbarDropDownsOpenTheirSubmenus)
{
    EXPECT_EQ(Form->ToolButton("NewButton")->menu(), Item("New1")->menu());
    EXPECT_EQ(Form->ToolButton("OpenButton")->menu(), Item("Open1")->menu());
    EXPECT_EQ(Form->ToolButton("SaveButton")->toolTip(), QString("Сохранить"));
    EXPECT_EQ(Form->ToolButton("AboutButton")->cursor().shape(), Qt::WhatsThisCursor);
}

TEST_F(MenuTest, SaveButtonStaysEnabledWhenTheMenuItemIsDisabled)
{
    int saves = 0;
    Form->SetCommandHandler("SaveClick", [&] { ++saves; });
    Item("Save1")->setEnabled(false);
    Form->ToolButton("SaveButton")->click();
    EXPECT_EQ(saves, 1);
}

TEST_F(MenuTest, CaptionButtonStartsANewInstance)
{
    auto *button = Form->menuBar()->findChild<QToolButton *>("CaptionButton1");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), QString("N"));
    EXPECT_EQ(button->toolTip(), QString("Создать новое окно"));
    button->click();
    Item("NewWindow1")->trigger();
    EXPECT_EQ(Fixture.Log.Started.size(), 2);
    EXPECT_EQ(Fixture.Log.Started.value(0), QCoreApplication::applicationFilePath());
}

} // namespace

namespace {

TEST(CentralErrorHandler, ReportsEveryKindOfException)
{
    QStringList reported;
    const auto report = [&](const QString &m) { reported << m; };
    EXPECT_TRUE(RunGuarded([] {}, report));
    EXPECT_FALSE(RunGuarded([] { throw std::invalid_argument("bad"); }, report));
    EXPECT_FALSE(RunGuarded([] { throw 42; }, report));
    EXPECT_FALSE(RunGuarded([] { throw std::runtime_error("no one listens"); }, nullptr));
    EXPECT_EQ(reported, (QStringList{"bad", "Unknown error"}));
}

TEST(CentralErrorHandler, AHandlerMayReplaceItselfWhileRunning)
{
    TVlCommandRegistry registry;
    QStringList ran;
    registry.Set("A", [&](const QString &) {
        ran << "first";
        registry.Set("A", [&](const QString &) { ran << "second"; });
    });
    registry.Run("A", {});
    registry.Run("A", {});
    registry.Run("missing", {});
    EXPECT_EQ(ran, (QStringList{"first", "second"}));
    registry.Set("A", nullptr);
    EXPECT_FALSE(registry.Has("A"));
}

} // namespace
