// The properties dialog: colour records in the store, element display, grid clicks, OK and Cancel.
#include "editor/VlColorGrid.h"
#include "editor/VlHLEditorPropertyForm.h"
#include "rtl/VlSettingsStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {
struct TDialogFixture
{
    QTemporaryDir Dir;
    TVlSettingsStore Store{(Dir.path() + "/VlInterpreterTest.ini").toStdString()};
    TVlHLEditor Editor;
    TVlHLEditorParamsForm Form;
    TDialogFixture() { Form.Open(&Editor, &Store); }
    void SelectElement(int element) { Form.Elements->setCurrentRow(element); }
};

TEST(ColorRecords, WriteAndReadBackWithDefaultsForEmptyParts)
{
    EXPECT_EQ(VlColorRecordText({VlColors::clOlive, VlColors::clWindow, VlFontStyle(fsItalic)}), "clOlive, clWindow, 2");
    EXPECT_EQ(VlColorRecordText({0x123456, VlColors::clWindow, 0}), "$00123456, clWindow, 0");
    const TVlSymbolColor defaults{VlColors::clNavy, VlColors::clWindow, 0};
    const TVlSymbolColor parsed = VlParseColorRecord(" clRed , , 5", defaults);
    EXPECT_EQ(parsed.ForeColor, VlColors::clRed);
    EXPECT_EQ(parsed.BackColor, VlColors::clWindow);
    EXPECT_EQ(parsed.Style, 5);
    EXPECT_EQ(VlParseColorRecord("nonsense", defaults), defaults);
}

TEST(ColorRecords, StoreRoundTripUsesGroupNamePlusKey)
{
    QTemporaryDir dir;
    TVlSettingsStore store((dir.path() + "/s.ini").toStdString());
    TVlHighlighterColors colors = VlDefaultHighlighterColors();
    colors.Colors[TVlTokenClass::Comment] = {VlColors::clRed, VlColors::clYellow, VlFontStyle(fsBold)};
    colors.BackColor = 0x00102030;
    VlWriteHighlighterColors(store, 11, colors);
    EXPECT_EQ(store.ReadString("CocoRComment", ""), "clRed, clYellow, 1");
    EXPECT_EQ(store.ReadString("CocoRBackColor", ""), "$00102030");
    const TVlHighlighterColors back = VlReadHighlighterColors(store, 11);
    EXPECT_EQ(back.Colors, colors.Colors);
    EXPECT_EQ(back.BackColor, colors.BackColor);
    store.WriteString("PascalBackColor", "garbage");
    EXPECT_EQ(VlReadHighlighterColors(store, 1).BackColor, VlColors::clWindow);
}

TEST(PropertiesDialog, OkWithEmptyStoreGivesTheEditorTheStoredDefaults)
{
    TDialogFixture f;
    EXPECT_EQ(f.Editor.Colors()[TVlTokenClass::Comment].ForeColor, VlColors::clNavy);
    f.Form.ApplyOk();
    EXPECT_EQ(f.Editor.Colors()[TVlTokenClass::Comment], (TVlSymbolColor{VlColors::clOlive, VlColors::clWindow, VlFontStyle(fsItalic)}));
    EXPECT_EQ(f.Editor.Colors()[TVlTokenClass::Strings].ForeColor, VlColors::clMaroon);
    EXPECT_EQ(f.Editor.Colors()[TVlTokenClass::Symbol].ForeColor, VlColors::clBlue);
    EXPECT_EQ(f.Editor.Colors()[TVlTokenClass::Reserved].Style, VlFontStyle(fsBold));
    EXPECT_EQ(f.Store.ReadString("PascalComment", ""), "clOlive, clWindow, 2");
}

TEST(PropertiesDialog, ReservedWordWithDefaultsTicksBothDefaultsAndBold)
{
    TDialogFixture f;
    f.SelectElement(ceReserved);
    EXPECT_TRUE(f.Form.DefaultForeground->isChecked());
    EXPECT_TRUE(f.Form.DefaultBackground->isChecked());
    EXPECT_EQ(f.Form.Grid->ForegroundIndex(), -1);
    EXPECT_EQ(f.Form.Grid->BackgroundIndex(), -1);
    EXPECT_TRUE(f.Form.Bold->isChecked());
    EXPECT_FALSE(f.Form.Italic->isChecked());
}

TEST(PropertiesDialog, RightClickOnYellowGivesCommentsAYellowBackground)
{
    TDialogFixture f;
    f.Form.show();
    f.SelectElement(ceComment);
    EXPECT_EQ(f.Form.Grid->ForegroundIndex(), TVlColorGrid::CellOf(VlColors::clOlive));
    const int yellow = TVlColorGrid::CellOf(VlColors::clYellow);
    QTest::mouseClick(f.Form.Grid, Qt::RightButton, Qt::NoModifier, f.Form.Grid->CellRect(yellow).center());
    EXPECT_FALSE(f.Form.DefaultBackground->isChecked());
    EXPECT_EQ(f.Form.Grid->CellText(yellow), "BC");
    EXPECT_EQ(f.Form.Preview->Colors()[TVlTokenClass::Comment].BackColor, VlColors::clYellow);
    QTest::mouseClick(f.Form.Grid, Qt::LeftButton, Qt::NoModifier, f.Form.Grid->CellRect(yellow).center());
    EXPECT_EQ(f.Form.Grid->CellText(yellow), "FB");
}

TEST(PropertiesDialog, ChoosingSqlAndOkSwitchesTheEditor)
{
    TDialogFixture f;
    f.Form.HighlighterBox->setCurrentIndex(static_cast<int>(TVlHighlighter::hlSql));
    EXPECT_TRUE(f.Form.Preview->Text().contains("SELECT"));
    f.Form.ApplyOk();
    EXPECT_EQ(f.Editor.Highlighter(), TVlHighlighter::hlSql);
}

TEST(PropertiesDialog, CancelLeavesTheEditorButSwitchedAwayColoursWereStored)
{
    TDialogFixture f;
    const TVlColors before = f.Editor.Colors();
    f.SelectElement(ceComment);
    f.Form.Grid->ForegroundClicked(TVlColorGrid::CellOf(VlColors::clRed));
    f.Form.HighlighterBox->setCurrentIndex(static_cast<int>(TVlHighlighter::hlJava));
    f.Form.ApplyCancel();
    EXPECT_EQ(f.Editor.Colors(), before);
    EXPECT_EQ(f.Editor.Highlighter(), TVlHighlighter::hlPascal);
    EXPECT_EQ(f.Store.ReadString("PascalComment", ""), "clRed, clWindow, 2");
}

TEST(PropertiesDialog, OptionsGoBackOnOk)
{
    TDialogFixture f;
    EXPECT_EQ(f.Form.TabStopsEdit->text(), "3 5");
    EXPECT_TRUE(f.Form.AutoIndent->isChecked());
    f.Form.AutoIndent->setChecked(false);
    f.Form.KeepTrailingBlanks->setChecked(true);
    f.Form.UseSyntaxHighlight->setChecked(false);
    f.Form.TabStopsEdit->setText("5 9");
    f.Form.ApplyOk();
    EXPECT_FALSE(f.Editor.Options().AutoIndent);
    EXPECT_TRUE(f.Editor.Options().KeepTrailingBlanks);
    EXPECT_FALSE(f.Editor.SyntaxHighlighting());
    EXPECT_EQ(f.Editor.TabStops(), "5 9");
}

TEST(PropertiesDialog, ClickInPreviewSelectsTheElementUnderIt)
{
    TDialogFixture f;
    f.Form.show();
    TVlSampleViewer *preview = f.Form.Preview;
    // line 1 of the Pascal sample begins with "procedure"
    const QRect cell = preview->CellRect({2, 1});
    QTest::mouseClick(preview->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    EXPECT_EQ(f.Form.Elements->currentRow(), ceReserved);
    QTest::mouseClick(preview->viewport(), Qt::LeftButton, Qt::NoModifier, preview->CellRect({2, 0}).center());
    EXPECT_EQ(f.Form.Elements->currentRow(), ceComment);
}

TEST(PropertiesDialogComponent, ExecuteWithoutEditorFails)
{
    TVlHLEdPropDlg dialog;
    EXPECT_THROW(
        {
            try {
                dialog.Execute();
            } catch (const std::runtime_error &e) {
                EXPECT_STREQ(e.what(), "VlHLEditor property is not assigned");
                throw;
            }
        },
        std::runtime_error);
}

TEST(PropertiesDialogComponent, PopupAddsAPageAndThePageIndexIsRemembered)
{
    QTemporaryDir dir;
    TVlSettingsStore store((dir.path() + "/s.ini").toStdString());
    TVlHLEditor editor;
    TVlHLEdPropDlg dialog;
    dialog.VlHLEditor = &editor;
    dialog.Store = &store;
    bool closed = false;
    dialog.OnDialogPopup = [](TVlHLEditorParamsForm &form) {
        form.InsertPage(1, new QWidget, QStringLiteral("Комментарий"));
    };
    dialog.OnDialogClosed = [&](TVlHLEditorParamsForm &) { closed = true; };
    dialog.RunModal = [](TVlHLEditorParamsForm &form) {
        EXPECT_EQ(form.Pages->tabText(1), "Комментарий");
        EXPECT_EQ(form.windowTitle(), "Свойства");
        form.Pages->setCurrentIndex(2);
        return false;
    };
    EXPECT_FALSE(dialog.Execute());
    EXPECT_TRUE(closed);
    EXPECT_EQ(store.ReadInteger("ParamsActivePage", -1), 2);
    dialog.RunModal = [](TVlHLEditorParamsForm &form) {
        EXPECT_EQ(form.Pages->currentIndex(), 2);
        return true;
    };
    EXPECT_TRUE(dialog.Execute());
}
} // namespace

namespace {
TEST(PropertiesDialogPicture, ColoursPageRenders)
{
    TDialogFixture f;
    f.Form.Pages->setCurrentIndex(1);
    f.SelectElement(ceComment);
    f.Form.resize(520, 470);
    f.Form.show();
    const QImage image = f.Form.grab().toImage();
    EXPECT_TRUE(image.save(QDir::tempPath() + "/veltrano-editor-properties.png"));
}
} // namespace
