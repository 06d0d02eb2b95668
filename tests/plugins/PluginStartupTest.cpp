// Start-up with the sample plug-ins and a broken library in Plugins/, and the sample commands
// working on the main window's editor through the host's entry points.
#include "PluginTestSupport.h"

#include "app/VeltranoForm.h"
#include "common/VlTestPaths.h"
#include "plugins/PluginForm.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

class PluginStartupTest : public testing::Test {
protected:
    PluginStartupTest()
    {
        const QString plugins = Dir.filePath(QStringLiteral("Plugins"));
        QDir().mkpath(plugins);
        QDir().mkpath(Dir.filePath(QStringLiteral("Data")));
        // What the build stages: the event lists (so that start-up reports nothing else) and the samples.
        const QString staged = QString::fromStdString(VlProgramDir()) + QLatin1Char('/');
        for (const QString name : {"Data/FormProc.vlf", "Data/ObjectProc.vlf", "Plugins/EditorTools.so"})
            QFile::copy(staged + name, Dir.filePath(name));
        QFile::copy(QStringLiteral(VL_REFUSING_SAMPLE), PluginFile(QStringLiteral("NewerHostOnly.so")));
        WriteBrokenPlugin(plugins + QStringLiteral("/Broken.so"));
        TVlShellHooks hooks;
        hooks.Confirm = [](const QString &) { return true; };
        hooks.ShowError = [this](const QString &message) { Errors << message; };
        hooks.OpenUrl = [](const QString &) {};
        hooks.StartInstance = [](const QString &) { return true; };
        Form = std::make_unique<TForm1>(Dir.path(), hooks);
        Plug = Form->findChild<TPlug *>();
    }

    QString PluginFile(const QString &name) const { return Dir.filePath(QStringLiteral("Plugins/") + name); }
    QAction *Command(const QString &caption) const
    {
        for (QAction *item : Plug->CommandsMenu->actions())
            if (item->text() == caption)
                return item;
        return nullptr;
    }
    // Runs `action`, closing the message box it opens; returns the box's text.
    static QString AnswerModal(const std::function<void()> &action)
    {
        QString seen;
        QTimer::singleShot(0, [&seen] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                seen = box->text();
                box->close();
            }
        });
        action();
        return seen;
    }
    QStringList Log() const
    {
        QStringList lines;
        for (int i = 0; i < Form->LOG1->count(); ++i)
            lines << Form->LOG1->item(i)->text();
        return lines;
    }

    QTemporaryDir TempDir;
    QDir Dir{TempDir.path()};
    QStringList Errors;
    std::unique_ptr<TForm1> Form;
    TPlug *Plug = nullptr;
};

TEST_F(PluginStartupTest, TheWindowStartsWithTheSamplesAndSkipsTheBrokenLibrary)
{
    ASSERT_NE(Plug, nullptr);
    ASSERT_EQ(Plug->clbPlugins->count(), 1);
    EXPECT_EQ(Plug->clbPlugins->item(0)->text(), "EditorTools");
    QStringList status;
    for (int i = 0; i < Plug->lbStatus->count(); ++i)
        status << Plug->lbStatus->item(i)->text();
    EXPECT_TRUE(status.contains("Загрузка плагина: " + PluginFile("Broken.so")));
    EXPECT_TRUE(status.filter("Плагин пропущен: Plugin package not found: " + PluginFile("Broken.so")).size() == 1);
    EXPECT_TRUE(status.contains("Добавлена команда: Вставить дату"));
    EXPECT_TRUE(status.contains("Добавлена команда: Посчитать строки"));
    EXPECT_TRUE(status.contains("Плагин отказался запускаться: " + PluginFile("NewerHostOnly.so")));
    // The refusing sample says why in the main window's log.
    EXPECT_EQ(Log().filter("NewerHostOnly: нужна Veltrano 2.0").size(), 1);
    EXPECT_EQ(Errors, QStringList());

    EXPECT_TRUE(Form->HasCommandHandler("PluginsClick"));
    bool shown = false;
    QTimer::singleShot(0, [this, &shown] {
        shown = Plug->isVisible() && Plug->isModal();
        Plug->close();
    });
    Form->RunCommand("PluginsClick");
    EXPECT_TRUE(shown);
    EXPECT_FALSE(Plug->isVisible());
}

TEST_F(PluginStartupTest, TheSampleCommandsWorkOnTheEditorFromTheMenuAndTheButtons)
{
    QAction *insertDate = Command("Вставить дату");
    QAction *countLines = Command("Посчитать строки");
    ASSERT_NE(insertDate, nullptr);
    ASSERT_NE(countLines, nullptr);
    EXPECT_EQ(insertDate->shortcut().toString(), "Ctrl+Shift+D");
    EXPECT_EQ(countLines->shortcut().toString(), "Ctrl+Shift+L");

    Form->Memo1->SetText(QStringLiteral("begin\r\nend."));
    Form->Memo1->SetCaret(5, 0);
    insertDate->trigger();
    const QString today = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
    EXPECT_EQ(Form->Memo1->Line(0), "begin" + today);
    EXPECT_FALSE(Form->Memo1->SelAvail());
    Form->Memo1->Undo(); // one step the user can take back
    EXPECT_EQ(Form->Memo1->Line(0), "begin");

    QToolButton *countButton = Plug->Panel1->findChildren<QToolButton *>().at(1);
    EXPECT_EQ(countButton->toolTip(), "Сколько строк в тексте редактора (Ctrl+Shift+L)");
    EXPECT_EQ(AnswerModal([countButton] { countButton->click(); }), "Строк в тексте: 2");
    EXPECT_EQ(Log().last(), "Строк в тексте: 2");

    Form->Memo1->SetReadOnly(true);
    EXPECT_EQ(AnswerModal([insertDate] { insertDate->trigger(); }),
              "Редактор открыт только для чтения: дата не вставлена.");
    EXPECT_EQ(Form->Memo1->Line(0), "begin");
}

TEST_F(PluginStartupTest, ClosingTheProgramFreesThePluginsAfterTheMainWindow)
{
    const QString library = PluginFile("EditorTools.so");
    EXPECT_TRUE(IsLibraryLoaded(library));
    Form.reset();
    EXPECT_FALSE(IsLibraryLoaded(library));
}

} // namespace
