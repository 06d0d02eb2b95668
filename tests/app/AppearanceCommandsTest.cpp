// The appearance commands on a real main window: zoom, font, read-only, transparency, go to line,
// search agents, the status report and "Сохранить".
#include "ShellTestSupport.h"
#include "app/AlphaBlendForm.h"
#include "app/GoLineForm.h"
#include "app/VeltranoAppearance.h"
#include "app/VeltranoStatusBar.h"
#include "app/VlFindAgent.h"
#include "app/VlFindDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QTextEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {
struct TAppearanceFixture
{
    TShellFixture Shell;
    std::unique_ptr<TForm1> Form = Shell.MakeForm();
    TVlAppearance *A = nullptr;
    QStringList Infos;

    TAppearanceFixture()
    {
        if (!AppearanceOf(*Form))
            InstallAppearanceCommands(*Form);
        A = AppearanceOf(*Form);
        A->ShowInfo = [this](const QString &caption, const QString &text) { Infos << caption + ": " + text; };
    }
    TVlHLEditor &Memo1() { return *Form->Memo1; }
};

int PointSize(const QFont &f)
{
    return f.pointSize() > 0 ? f.pointSize() : qRound(f.pixelSize() * 72.0 / 96.0);
}

TEST(AppearanceCommands, ZoomOutThreeTimesFromTenGivesSevenAndLeavesTheTextTab)
{
    TAppearanceFixture f;
    ASSERT_NE(f.A, nullptr);
    EXPECT_EQ(PointSize(f.Memo1().font()), 10);
    const QFont textFont = f.Form->Memo2->font();
    for (int i = 0; i < 3; ++i)
        f.Form->RunCommand("ZoomOutClick");
    EXPECT_EQ(PointSize(f.Memo1().font()), 7);
    EXPECT_EQ(f.Form->Memo2->font(), textFont);
    f.Form->RunCommand("ZoomInClick");
    EXPECT_EQ(PointSize(f.Memo1().font()), 8);
}

TEST(AppearanceCommands, FontDialogGivesBothEditorsTheFontAndRemembersIt)
{
    TAppearanceFixture f;
    QFont offered;
    f.A->ChooseFont = [&](QFont &font) {
        offered = font;
        font = QFont("DejaVu Sans Mono", 12);
        return true;
    };
    f.Form->RunCommand("FontClick");
    EXPECT_EQ(offered.family(), "MS Sans Serif");
    EXPECT_EQ(f.Memo1().font().family(), "DejaVu Sans Mono");
    EXPECT_EQ(f.Form->Memo2->font().family(), "DejaVu Sans Mono");
    f.Form->RunCommand("FontClick");
    EXPECT_EQ(offered.family(), "DejaVu Sans Mono");
}

TEST(AppearanceCommands, TheFontDialogsStyleNameLeavesTheKeywordsBoldInBothEditors)
{
    TAppearanceFixture f;
    f.A->ChooseFont = [](QFont &font) {
        font = QFont("DejaVu Sans", 10);
        font.setStyleName("Book"); // as the dialog names its styles
        return true;
    };
    f.Form->RunCommand("FontClick");
    // A style name wins over the bold weight of keywords (the text tab's are character formats).
    EXPECT_TRUE(f.Memo1().font().styleName().isEmpty());
    EXPECT_TRUE(f.Form->Memo2->font().styleName().isEmpty());
    EXPECT_EQ(f.A->DialogFont.styleName(), "Book"); // the dialog opens on what was chosen
}

TEST(AppearanceCommands, ReadOnlyItemsSetTheEditorToTheirOwnCheckState)
{
    TAppearanceFixture f;
    QAction *menuItem = f.Form->findChild<QAction *>("ReadOnly1");
    ASSERT_NE(menuItem, nullptr);
    menuItem->setChecked(true);
    f.Form->RunCommand("ReadOnlyClick", "ReadOnly1");
    EXPECT_TRUE(f.Memo1().ReadOnly());
    EXPECT_EQ(f.Form->StatusBar1->PanelText(2), "Только чтение");
    QAction *popupItem = f.Form->findChild<QAction *>("EdReadOnly1");
    ASSERT_NE(popupItem, nullptr);
    EXPECT_FALSE(popupItem->isChecked());
    f.Form->RunCommand("ReadOnlyClick", "EdReadOnly1");
    EXPECT_FALSE(f.Memo1().ReadOnly());
}

TEST(AppearanceCommands, StatusPanelsAndSaveFollowTheEditor)
{
    TAppearanceFixture f;
    f.Memo1().SetText("abc");
    f.Memo1().SetModified(false);
    EXPECT_EQ(f.Form->StatusBar1->PanelText(0), "1:1");
    EXPECT_EQ(f.Form->StatusBar1->PanelText(1), "");
    EXPECT_EQ(f.Form->StatusBar1->PanelText(2), "Вставка");
    QAction *save = f.Form->MenuItem("Save1");
    ASSERT_NE(save, nullptr);
    EXPECT_FALSE(save->isEnabled());
    f.Memo1().SetCaret(2, 0);
    f.Memo1().ExecuteCommand(ecChar, "x");
    EXPECT_EQ(f.Form->StatusBar1->PanelText(0), "1:4");
    EXPECT_EQ(f.Form->StatusBar1->PanelText(1), "Изменен");
    EXPECT_TRUE(save->isEnabled());
}

TEST(AppearanceCommands, TransparencyCancelMakesOpaqueButKeepsTheBox)
{
    TAppearanceFixture f;
    TAlBl &dialog = *f.A->AlphaBlend;
    EXPECT_EQ(dialog.windowTitle(), "Настройка прозрачности");
    EXPECT_FALSE(dialog.TrackBar1->isEnabled());
    dialog.UseTransparency->click();
    EXPECT_TRUE(dialog.TrackBar1->isEnabled());
    dialog.TrackBar1->setValue(100);
    EXPECT_NEAR(f.Form->windowOpacity(), 100 / 255.0, 0.01);
    dialog.CancelClick();
    EXPECT_DOUBLE_EQ(f.Form->windowOpacity(), 1.0);
    EXPECT_TRUE(dialog.UseTransparency->isChecked());
    dialog.UseTransparency->click();
    dialog.UseTransparency->click();
    EXPECT_NEAR(f.Form->windowOpacity(), 100 / 255.0, 0.01);
}

TEST(AppearanceCommands, GoToLineMovesTheCaretOrReportsABadNumber)
{
    TAppearanceFixture f;
    f.Memo1().SetText("a\nb\nc\nd");
    QStringList errors;
    f.A->GoLine->ShowError = [&](const QString &m) { errors << m; };
    f.A->GoLine->Edit1->setText("2");
    f.A->GoLine->OkClick();
    EXPECT_EQ(f.Memo1().CaretXY(), QPoint(1, 3));
    f.A->GoLine->Edit1->setText("x1");
    f.A->GoLine->OkClick();
    EXPECT_EQ(errors, QStringList{"'x1' is not a valid integer value"});
    f.A->GoLine->Edit1->setText("99");
    f.A->GoLine->OkClick();
    EXPECT_EQ(f.Memo1().CaretY(), 3);
}

TEST(AppearanceSearch, FindSelectsAndNotFoundReportsWithTheCaption)
{
    TAppearanceFixture f;
    f.Memo1().SetText("begin\n  x := endif;\n  end;");
    TVlFindAgent &find = *f.A->FindAgent;
    find.Dialog().FindEdit->setText("end");
    find.Dialog().WholeWord->setChecked(true);
    find.Dialog().Down->setChecked(true);
    EXPECT_TRUE(find.FindNext());
    EXPECT_EQ(f.Memo1().SelText(), "end");
    EXPECT_EQ(f.Memo1().CaretXY(), QPoint(6, 3));
    EXPECT_FALSE(find.FindNext());
    EXPECT_EQ(f.Infos, QStringList{"Find: Search string 'end' not found"});
    EXPECT_EQ(f.Memo1().SelText(), "end");
    f.Form->RunCommand("RepeatSearchClick");
    EXPECT_EQ(f.Infos.size(), 2);
}

TEST(AppearanceSearch, ReplaceAllReportsTheCountAndIsOneUndoStep)
{
    TAppearanceFixture f;
    f.Memo1().SetText("aaa");
    f.Memo1().SetCaret(0, 0);
    TVlFindAgent &replace = *f.A->ReplaceAgent;
    replace.Dialog().FindEdit->setText("a");
    replace.Dialog().ReplaceEdit->setText("aa");
    replace.ReplaceAll();
    EXPECT_EQ(f.Memo1().Line(0), "aaaaaa");
    EXPECT_EQ(f.Infos, QStringList{"Replace: 3 occurence(s) of 'a' were replaced"});
    f.Memo1().Undo();
    EXPECT_EQ(f.Memo1().Line(0), "aaa");
}

TEST(AppearanceSearch, ReplaceReplacesTheMatchingSelectionThenFindsTheNext)
{
    TAppearanceFixture f;
    f.Memo1().SetText("one two one");
    TVlFindAgent &replace = *f.A->ReplaceAgent;
    replace.Dialog().FindEdit->setText("ONE");
    replace.Dialog().ReplaceEdit->setText("1");
    f.Memo1().SetSelStart(0);
    f.Memo1().SetSelLength(3);
    replace.Replace();
    EXPECT_EQ(f.Memo1().Line(0), "1 two one");
    // the replace dialog has no direction: it searches up, so the next one is not found
    EXPECT_EQ(f.Infos, QStringList{"Replace: Search string 'ONE' not found"});
}

TEST(AppearanceSearch, FastAgentFindsLikeTheOthers)
{
    TAppearanceFixture f;
    f.Memo1().SetText("abab");
    TVlFindAgent &fast = *f.A->FastAgent;
    fast.Dialog().FindEdit->setText("ab");
    fast.Dialog().Down->setChecked(true);
    f.Memo1().SetSelStart(0);
    f.Memo1().SetSelLength(2);
    EXPECT_TRUE(fast.FindNext());
    EXPECT_EQ(f.Memo1().SelStart(), 2);
    EXPECT_EQ(fast.Dialog().HelpButton, nullptr);
    EXPECT_NE(f.A->FindAgent->Dialog().HelpButton, nullptr);
    EXPECT_TRUE(f.A->FindAgent->Dialog().Up->isChecked());
}

TEST(AppearanceCommands, FindInFilesWithoutADesktopSearchSaysSo)
{
    TAppearanceFixture f;
    f.A->OpenFileSearch = [] { return false; };
    f.Form->RunCommand("FindInFilesClick");
    ASSERT_EQ(f.Infos.size(), 1);
    EXPECT_TRUE(f.Infos[0].startsWith("Искать в файлах: "));
}

TEST(AppearanceCommands, EditorPropertiesOkGivesStoredDefaults)
{
    TAppearanceFixture f;
    f.A->PropertiesDialog.RunModal = [](TVlHLEditorParamsForm &form) {
        EXPECT_EQ(form.Pages->tabText(1), "Комментарий");
        return true;
    };
    f.Form->RunCommand("EditorPropertiesClick");
    EXPECT_EQ(f.Memo1().Colors()[TVlTokenClass::Comment].ForeColor, VlColors::clOlive);
}
} // namespace

namespace {
// Pixels of the window's picture inside the editor cells [x, x + count) of `line` that `match`.
template <typename TMatch>
int CountPixels(const QImage &image, TForm1 &form, int line, int x, int count, TMatch match)
{
    const QRect first = form.Memo1->CellRect({x, line});
    const QPoint origin = form.Memo1->viewport()->mapTo(&form, first.topLeft());
    int found = 0;
    for (int px = origin.x(); px < origin.x() + count * form.Memo1->CharWidth(); ++px)
        for (int py = origin.y(); py < origin.y() + first.height(); ++py)
            found += match(image.pixelColor(px, py)) ? 1 : 0;
    return found;
}

bool Dark(const QColor &c) { return qGray(c.rgb()) < 100; }
bool Navy(const QColor &c) { return c.blue() >= 70 && c.blue() <= 170 && c.red() < 60 && c.green() < 60; }
bool Blue(const QColor &c) { return c.blue() >= 200 && c.red() < 90 && c.green() < 90; }

TEST(AppearancePicture, MainWindowEditorWithStatus)
{
    TAppearanceFixture f;
    f.Form->show();
    f.Memo1().SetText("program Demo;\n{ comment }\nbegin\n  programs := 'Hello' + 42;\nend.");
    f.Memo1().SetCaret(2, 2);
    const QImage image = f.Form->grab().toImage();
    image.save(QDir::tempPath() + "/veltrano-main-editor.png"); // to look at, not to compare
    TForm1 &form = *f.Form;
    // Keywords are bold: "program" has more ink than the identifier "programs" over the same letters.
    const int keyword = CountPixels(image, form, 0, 0, 7, Dark);
    const int identifier = CountPixels(image, form, 3, 2, 7, Dark);
    EXPECT_GT(identifier, 0);
    EXPECT_GT(keyword, identifier * 11 / 10) << keyword << " against " << identifier;
    // The comment and the number in navy, the string in blue, and neither colour elsewhere.
    EXPECT_GT(CountPixels(image, form, 1, 0, 11, Navy), 0);
    EXPECT_GT(CountPixels(image, form, 3, 24, 2, Navy), 0);
    EXPECT_GT(CountPixels(image, form, 3, 14, 7, Blue), 0);
    EXPECT_EQ(CountPixels(image, form, 0, 0, 13, Blue) + CountPixels(image, form, 0, 0, 13, Navy), 0);
    // The gutter numbers the lines, and the status reports the caret.
    const QPoint gutter = form.Memo1->viewport()->mapTo(&form, QPoint(0, 0));
    int gutterInk = 0;
    for (int x = gutter.x(); x < gutter.x() + form.Memo1->GutterWidth(); ++x)
        for (int y = gutter.y(); y < gutter.y() + form.Memo1->RowHeight(); ++y)
            gutterInk += Dark(image.pixelColor(x, y)) ? 1 : 0;
    EXPECT_GT(gutterInk, 0);
    EXPECT_EQ(form.StatusBar1->PanelText(0), "3:3");
}
} // namespace
