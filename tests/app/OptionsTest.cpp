// The settings dialog: Config.ini reading and writing, and what each box does to the main window.
#include "ShellTestSupport.h"

#include "app/OptionsForm.h"
#include "app/OptionsFormMagnet.h"
#include "app/VeltranoAppearance.h"
#include "app/VeltranoDocuments.h"
#include "app/VeltranoStatusBar.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QListWidget>
#include <gtest/gtest.h>

namespace {

class OptionsTest : public testing::Test {
protected:
    void WriteConfig(const QByteArray &text)
    {
        QFile file(Fixture.PathOf("Config.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    void Start()
    {
        Form = Fixture.MakeForm();
        Options = Form->findChild<TOptions *>();
        ASSERT_NE(Options, nullptr);
        Options->ReportError = [this](const QString &m) { Fixture.Log.Errors << m; };
    }
    bool Shown(const char *menuItem) const { return Form->MenuItem(menuItem)->isVisible(); }

    TShellFixture Fixture;
    std::unique_ptr<TForm1> Form;
    TOptions *Options = nullptr;
};

TEST_F(OptionsTest, MissingFileGivesTheDefaults)
{
    Start();
    EXPECT_EQ(Options->Values(), DefaultOptionValues());
    EXPECT_FALSE(Form->LOG1->isHidden());
    EXPECT_EQ(Options->CurrentPage(), "Установки текста");
    EXPECT_FALSE(Options->Magnet()->Enabled());
}

TEST_F(OptionsTest, StoredValuesActOnTheWindowAtStart)
{
    WriteConfig("[General]\r\nLog=0\r\nStatusBar=0\r\nMagnetForm=5\r\n[Other]\r\nPrintMode=0\r\nInsertMode=x\r\n"
                "[Editor]\r\nDefaultMode=0\r\nRichMode=1\r\n");
    Start();
    EXPECT_TRUE(Form->LOG1->isHidden());
    EXPECT_FALSE(Options->OptionButton(TVlOption::Log)->isChecked());
    EXPECT_TRUE(Form->StatusBar1->isHidden());
    EXPECT_TRUE(Options->Magnet()->Enabled());
    EXPECT_FALSE(Shown("PrintText1"));
    EXPECT_FALSE(Shown("PrintSetup1"));
    EXPECT_FALSE(Shown("NPrint"));
    EXPECT_TRUE(Shown("Insert1")); // a non-integer value keeps the default
    EXPECT_EQ(TVlDocuments::Of(*Form)->TextMode, TVlTextMode::Rich);
}

TEST_F(OptionsTest, StatesAreWrittenAtExitAsOneAndZero)
{
    Start();
    Options->OptionButton(TVlOption::StatusBar)->setChecked(false);
    Options->reject(); // "Отмена" undoes nothing
    EXPECT_TRUE(Form->StatusBar1->isHidden());
    Options->OptionButton(TVlOption::PlainMode)->setChecked(true);
    Form.reset();
    const QByteArray text = FileBytes(Fixture.PathOf("Config.ini"));
    EXPECT_TRUE(text.contains("[General]\r\nLog=1\r\nEditor=1\r\nStatusBar=0\r\nRectPanel=1\r\nMagnetForm=0\r\n"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("[Other]\r\nInsertMode=1\r\nPrintMode=1\r\nAutoPlugins=1\r\n"));
    EXPECT_TRUE(text.contains("[Editor]\r\nDefaultMode=0\r\nPlainMode=1\r\nRichMode=0\r\n"));
}

TEST_F(OptionsTest, EachBoxActsWhenItChanges)
{
    Start();
    struct TEffect {
        TVlOption option;
        std::function<bool()> shown;
    };
    const TEffect effects[] = {
        {TVlOption::Log, [this] { return !Form->LOG1->isHidden(); }},
        {TVlOption::StatusBar, [this] { return !Form->StatusBar1->isHidden(); }},
        {TVlOption::RectPanel, [this] { return !Form->RectPanel->isHidden(); }},
        {TVlOption::InsertMode, [this] { return Shown("Insert1"); }},
        {TVlOption::PrintMode, [this] { return Shown("PrintText1") && Shown("PrintSetup1"); }},
        {TVlOption::MagnetForm, [this] { return !Options->Magnet()->Enabled(); }}, // inverse: starts off
    };
    for (const TEffect &effect : effects) {
        QAbstractButton *box = Options->OptionButton(effect.option);
        box->setChecked(!box->isChecked());
        EXPECT_FALSE(effect.shown()) << static_cast<int>(effect.option);
        box->setChecked(!box->isChecked());
        EXPECT_TRUE(effect.shown()) << static_cast<int>(effect.option);
    }
    EXPECT_FALSE(Options->OptionButton(TVlOption::Editor)->isEnabled());
    EXPECT_FALSE(Options->OptionButton(TVlOption::AutoPlugins)->isEnabled());
}

TEST_F(OptionsTest, InsertPageBoxesAndTheSeparatorRule)
{
    Start();
    const std::pair<const char *, const char *> items[] = {{"OnClick", "ProcOnClick1"}, {"OnChange", "ProcOnChange1"},
                                                           {"Uses", "UsesText1"},      {"Var", "Var1"},
                                                           {"Const", "Const1"},        {"Комментарий", "Comment1"}};
    for (const auto &[caption, item] : items) {
        Options->InsertBox(caption)->setChecked(false);
        EXPECT_FALSE(Shown(item)) << item;
    }
    EXPECT_FALSE(Shown("NBegin"));
    Options->InsertBox("Const")->setChecked(true);
    EXPECT_TRUE(Shown("NBegin"));
    EXPECT_TRUE(Shown("Const1"));
    Options->RestoreDefaults(); // leaves the "Вставка" page alone
    EXPECT_FALSE(Shown("Var1"));
}

TEST_F(OptionsTest, DefaultsButtonRestoresEveryKeptBox)
{
    WriteConfig("[General]\r\nLog=0\r\nRectPanel=0\r\nMagnetForm=1\r\n[Editor]\r\nPlainMode=1\r\n");
    Start();
    Options->RestoreDefaults();
    EXPECT_EQ(Options->Values(), DefaultOptionValues());
    EXPECT_FALSE(Form->LOG1->isHidden());
    EXPECT_FALSE(Form->RectPanel->isHidden());
    EXPECT_EQ(TVlDocuments::Of(*Form)->TextMode, TVlTextMode::Default);
}

TEST_F(OptionsTest, OkGivesTheEditorTheFontDialogsFont)
{
    Start();
    Options->Accept();
    EXPECT_EQ(Form->Memo1->font().family(), "MS Sans Serif");
    EXPECT_EQ(Form->Memo1->font().pointSize(), 8);
    AppearanceOf(*Form)->ChooseFont = [](QFont &font) {
        font = QFont("Courier New", 12);
        return true;
    };
    EXPECT_TRUE(Options->ChooseFont());
    Options->Accept();
    EXPECT_EQ(Form->Memo1->font().pointSize(), 12);
}

TEST_F(OptionsTest, DialogKeepsTheLastPage)
{
    Start();
    Options->ShowPage("вставка");
    EXPECT_EQ(Options->CurrentPage(), "Вставка");
    EXPECT_EQ(Options->size(), QSize(550, 337));
}

TEST(FormMagnetTest, SnapsWithinTenPixelsOfAnEdge)
{
    const QRect screen(0, 0, 1000, 800);
    EXPECT_EQ(SnapToScreenEdges(QRect(9, 300, 200, 100), screen), QPoint(0, 300));
    EXPECT_EQ(SnapToScreenEdges(QRect(10, 300, 200, 100), screen), QPoint(10, 300));
    EXPECT_EQ(SnapToScreenEdges(QRect(795, -5, 200, 100), screen), QPoint(800, 0));
    EXPECT_EQ(SnapToScreenEdges(QRect(400, 695, 200, 100), screen), QPoint(400, 700));
}

} // namespace
