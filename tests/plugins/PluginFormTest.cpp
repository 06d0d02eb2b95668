// The plug-ins window offscreen: command items and buttons, the lists, the status lines.
#include "PluginTestSupport.h"

#include "plugins/PluginForm.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

class PluginFormTest : public testing::Test {
protected:
    QString Folder() const { return Dir.path() + QStringLiteral("/Plugins"); }
    QString File(const QString &name) const { return Folder() + QLatin1Char('/') + name + QStringLiteral(".so"); }
    TPlug &Open(const QStringList &plugins)
    {
        StageTestPlugins(Folder(), plugins);
        Window = std::make_unique<TPlug>(Folder(), Host.Handlers());
        return *Window;
    }
    static QStringList Items(const QListWidget *list)
    {
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->item(i)->text();
        return items;
    }
    QList<QToolButton *> Buttons() const { return Window->Panel1->findChildren<QToolButton *>(); }

    QTemporaryDir Dir;
    TTestHost Host;
    std::unique_ptr<TPlug> Window;
};

TEST_F(PluginFormTest, TwoCommandsBecomeTwoMenuItemsAndTwoButtons)
{
    TPlug &window = Open({"TwoCommands"});
    EXPECT_EQ(window.windowTitle(), "Плагины");
    const QList<QAction *> items = window.CommandsMenu->actions();
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0]->text(), "Первая");
    EXPECT_EQ(items[1]->text(), "Вторая");
    EXPECT_EQ(items[0]->shortcut().toString(), "Ctrl+Shift+1");
    EXPECT_FALSE(items[0]->isChecked());
    EXPECT_TRUE(items[0]->isEnabled());

    const QList<QToolButton *> buttons = Buttons();
    ASSERT_EQ(buttons.size(), 2);
    EXPECT_EQ(window.ButtonCount(), 2);
    EXPECT_EQ(buttons[0]->geometry(), QRect(4, 4, 23, 22));
    EXPECT_EQ(buttons[1]->geometry(), QRect(27, 4, 23, 22));
    EXPECT_EQ(buttons[0]->toolTip(), "Подсказка первой");
    EXPECT_EQ(buttons[0]->property("NumGlyphs").toInt(), 1);
    EXPECT_EQ(buttons[1]->property("NumGlyphs").toInt(), 2); // 32 x 16: two images
    EXPECT_EQ(buttons[1]->iconSize(), QSize(16, 16));
    EXPECT_FALSE(buttons[0]->icon().isNull());

    QTest::mouseClick(buttons[0], Qt::LeftButton);
    EXPECT_EQ(Host.Log.last(), "TwoCommands: execute Первая");
    items[1]->trigger();
    EXPECT_EQ(Host.Log.last(), "TwoCommands: execute Вторая");
}

TEST_F(PluginFormTest, TheListShowsAuthorAndDescriptionAndADoubleClickOpensTheSettings)
{
    TPlug &window = Open({"NoCommands", "TwoCommands"});
    EXPECT_EQ(Items(window.clbPlugins), QStringList({"NoCommands", "TwoCommands"}));
    QListWidgetItem *second = window.clbPlugins->item(1);
    const QPoint centre = window.clbPlugins->visualItemRect(second).center();
    QTest::mouseClick(window.clbPlugins->viewport(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(window.labAuthor->text(), "Автор теста");
    EXPECT_EQ(window.labDescription->text(), "Два тестовых действия");
    QTest::mouseDClick(window.clbPlugins->viewport(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(Host.Log.last(), "TwoCommands: configure");
}

TEST_F(PluginFormTest, EverySkippedLibraryLeavesAStatusLineSayingWhy)
{
    WriteBrokenPlugin(File("Broken"));
    TPlug &window = Open({"NoEntry", "Refuses", "NoCommands"});
    const QStringList status = Items(window.lbStatus);
    ASSERT_EQ(status.size(), 10) << status.join('\n').toStdString();
    EXPECT_EQ(status[0], "Загрузка плагина: " + File("Broken"));
    EXPECT_TRUE(status[1].startsWith("Плагин пропущен: Plugin package not found: " + File("Broken") + " ("))
        << status[1].toStdString();
    EXPECT_EQ(status[2], "Загрузка плагина: " + File("NoCommands"));
    EXPECT_EQ(status[3], "Загрузка плагина завешена: " + File("NoCommands"));
    EXPECT_EQ(status[4], "Загрузка плагина: " + File("NoEntry"));
    EXPECT_EQ(status[5], "Загрузка плагина завешена: " + File("NoEntry"));
    EXPECT_EQ(status[6], "Плагин пропущен: Plugin function RegisterPlugin not found in " + File("NoEntry"));
    EXPECT_EQ(status[8], "Загрузка плагина завешена: " + File("Refuses"));
    EXPECT_EQ(status[9], "Плагин отказался запускаться: " + File("Refuses"));
    EXPECT_EQ(window.lbStatus->item(1)->toolTip(), status[1]);
    EXPECT_EQ(Items(window.clbPlugins), QStringList({"NoCommands"}));
}

TEST_F(PluginFormTest, WithoutAPluginFolderBothListsStayEmpty)
{
    Window = std::make_unique<TPlug>(Folder(), Host.Handlers());
    EXPECT_EQ(Window->clbPlugins->count(), 0);
    EXPECT_EQ(Window->lbStatus->count(), 0);
    EXPECT_TRUE(Window->CommandsMenu->actions().isEmpty());
    Window->clbPluginsDblClick(); // nothing selected: nothing happens
    Window->clbPluginsClick();
    EXPECT_TRUE(Window->labAuthor->text().isEmpty());
}

TEST_F(PluginFormTest, ClosingHidesTheWindowAndDestroyingItFreesThePlugins)
{
    TPlug &window = Open({"TwoCommands"});
    window.show();
    QTest::mouseClick(window.CloseButton, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    Window.reset();
    EXPECT_EQ(Host.Log.last(), "TwoCommands: destroy");
    EXPECT_FALSE(IsLibraryLoaded(File("TwoCommands")));
}

} // namespace
