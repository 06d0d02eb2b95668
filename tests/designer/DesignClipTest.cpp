// The designer's clipboard records and form files: copy, cut, paste, save, load, clear.
#include "DesignTestSupport.h"

#include "designer/VlDesignClip.h"
#include "designer/VlDesignHandlerNames.h"
#include "components/VlFormStream.h"
#include "components/VlFormText.h"
#include "components/VlFormWriter.h"
#include "components/VlStdCtrls.h"
#include "rtl/VlCp1251.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

std::string ClipboardBlock()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasFormat(DesignClipboardFormat))
        return {};
    const QByteArray bytes = data->data(DesignClipboardFormat);
    return std::string(bytes.constData(), size_t(bytes.size()));
}

void PutOnClipboard(const std::string &block)
{
    auto *data = new QMimeData;
    data->setData(DesignClipboardFormat, QByteArray::fromStdString(block));
    QGuiApplication::clipboard()->setMimeData(data);
}

// A panel holding a button and a label.
struct TSmallForm {
    explicit TSmallForm(TDesignFixture &f)
    {
        Panel = f.Place("TPanel", QRect(100, 100, 200, 160));
        Button = f.Place("TButton", QRect(120, 140, 0, 0));
        Label = f.Place("TLabel", QRect(120, 200, 0, 0));
        static_cast<TButton *>(Button)->SetCaption(VlFromQString(QStringLiteral("Готово")));
        f.Surface().SelectOnly(nullptr);
    }
    TControl *Panel, *Button, *Label;
};

class DesignClip : public testing::Test {
protected:
    void SetUp() override { QGuiApplication::clipboard()->clear(); }
    std::string FormText() { return ObjectBinaryToText(F.Surface().FormSnapshot()); }
    std::string Path(const char *name) const { return Dir.filePath(name).toStdString(); }
    TDesignFixture F;
    QTemporaryDir Dir;
};

TEST_F(DesignClip, CopyPutsOneRecordPerSelectedControlByteForByte)
{
    TControl *a = F.Place("TButton", QRect(20, 20, 0, 0));
    TControl *b = F.Place("TEdit", QRect(20, 100, 0, 0));
    F.Click({25, 25});
    F.Click({25, 105}, Qt::ShiftModifier);
    QTest::keyPress(F.Container(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(ClipboardBlock().empty()) << "the designer copies on the key release";
    QTest::keyRelease(F.Container(), Qt::Key_C, Qt::ControlModifier);
    std::string expected;
    AppendClipboardRecord(expected, WriteComponentToBinary(a, DesignHandlerNamer(), F.Panel.get()));
    AppendClipboardRecord(expected, WriteComponentToBinary(b, DesignHandlerNamer(), F.Panel.get()));
    EXPECT_EQ(ClipboardBlock(), expected);
    EXPECT_EQ(ClipboardBlock().substr(8, 4), "TPF0");
}

TEST_F(DesignClip, PastingTwoControlsGivesFreshNamesBothSelectedOneEventPair)
{
    F.Place("TButton", QRect(20, 20, 0, 0));
    F.Place("TEdit", QRect(20, 100, 0, 0));
    F.Click({25, 25});
    F.Click({25, 105}, Qt::ShiftModifier);
    F.Surface().CopySelection();
    F.Surface().SelectOnly(nullptr);
    F.Events = {};
    F.Surface().PasteFromClipboard();
    EXPECT_EQ(F.SelectedNames(), (std::vector<std::string>{"Button2", "Edit2"}));
    EXPECT_EQ(F.Events.SelectionChanges, 1);
    EXPECT_EQ(F.Events.Changes, 1);
    EXPECT_EQ(F.Selector().Selection(0)->Parent(), F.Panel.get());
    EXPECT_TRUE(F.Selector().Selection(1)->HasState(csDesigning)) << "pasted controls are designed too";
    EXPECT_EQ(F.Selector().Selection(0)->Left(), 20);
    EXPECT_EQ(static_cast<TWinControl *>(F.Selector().Selection(0))->TabOrder(), 2) << "after the two it copies";
}

TEST_F(DesignClip, APastedControlBeyondTheParentsWidthIsPulledInside)
{
    TControl *button = F.Place("TButton", QRect(20, 20, 0, 0));
    button->SetLeft(700);
    F.Surface().SelectOnly(button);
    F.Surface().CopySelection();
    F.Surface().SelectOnly(nullptr);
    F.Surface().PasteFromClipboard();
    TControl *pasted = F.Selector().Selection(0);
    EXPECT_EQ(pasted->Left() + pasted->Width(), F.Panel->ClientWidth());
}

TEST_F(DesignClip, PastingIntoASelectedPanelPutsTheControlsInIt)
{
    TSmallForm form(F);
    F.Surface().SelectOnly(form.Button);
    F.Surface().CopySelection();
    F.Surface().SelectOnly(form.Panel);
    F.Surface().PasteFromClipboard();
    ASSERT_EQ(F.Selector().Count(), 1);
    EXPECT_EQ(F.Selector().Selection(0)->Parent(), form.Panel);
    EXPECT_EQ(F.Selector().Selection(0)->Caption(), VlFromQString(QStringLiteral("Готово")));
}

TEST_F(DesignClip, CopyingAPanelCopiesTheControlsItHolds)
{
    TSmallForm form(F);
    F.Surface().SelectOnly(form.Panel);
    F.Key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(F.Surface().DesignedControls().empty()) << "cut";
    F.Key(Qt::Key_V, Qt::ControlModifier);
    const std::vector<TControl *> controls = F.Surface().DesignedControls();
    ASSERT_EQ(controls.size(), 3u);
    EXPECT_EQ(controls[0]->Name(), "Panel1");
    EXPECT_EQ(controls[1]->Parent(), controls[0]);
    EXPECT_EQ(controls[1]->Owner(), F.Panel.get());
    EXPECT_EQ(controls[1]->Caption(), VlFromQString(QStringLiteral("Готово")));
    EXPECT_EQ(controls[2]->Name(), "Label1");
    F.Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(F.Surface().DesignedControls().size(), 6u) << "a second paste renames what the first kept";
    EXPECT_NE(F.Panel->FindComponent("Button2"), nullptr);
}

TEST_F(DesignClip, PastingWithoutDesignerRecordsDoesNothing)
{
    QGuiApplication::clipboard()->setText("just text");
    F.Events = {};
    F.Surface().PasteFromClipboard();
    PutOnClipboard("");
    F.Surface().PasteFromClipboard();
    EXPECT_EQ(F.Events.Changes, 0);
    EXPECT_EQ(F.Events.SelectionChanges, 0);
    EXPECT_TRUE(F.Surface().DesignedControls().empty());
}

TEST_F(DesignClip, ARecordOfAnUnknownClassFailsAfterTheRecordsBeforeIt)
{
    TControl *button = F.Place("TButton", QRect(20, 20, 0, 0));
    std::string block;
    AppendClipboardRecord(block, WriteComponentToBinary(button, DesignHandlerNamer(), F.Panel.get()));
    AppendClipboardRecord(block, ObjectTextToBinary("object Gizmo1: TGizmo\r\nend\r\n"));
    PutOnClipboard(block);
    F.Events = {};
    try {
        F.Surface().PasteFromClipboard();
        FAIL() << "an unknown class was pasted";
    } catch (const EClassNotFound &e) {
        EXPECT_STREQ(e.what(), "Class TGizmo not found");
    }
    EXPECT_NE(F.Panel->FindComponent("Button2"), nullptr);
    EXPECT_EQ(F.Events.Changes, 1) << "the window still hears about what was pasted";
    EXPECT_TRUE(F.Surface().CanUndo());
}

TEST_F(DesignClip, SaveLoadSaveGivesTheSameFile)
{
    TSmallForm form(F);
    static_cast<TButton *>(form.Button)->SetOnClick(DesignHandlerMethod("Button1Click"));
    F.Surface().SaveForm(Path("a.vlf"));
    const std::string saved = ReadFileBytes(Path("a.vlf"));
    EXPECT_EQ(saved.substr(0, 38), "object VlDesignPanel: TVlDesignPanel\r\n");
    EXPECT_NE(saved.find("    OnClick = Button1Click\r\n"), std::string::npos);
    EXPECT_EQ(saved.find("Surface"), std::string::npos);
    F.Surface().ClearForm();
    EXPECT_TRUE(F.Surface().DesignedControls().empty());
    EXPECT_TRUE(F.Surface().Active());
    F.Surface().LoadForm(Path("a.vlf"));
    F.Surface().SaveForm(Path("b.vlf"));
    EXPECT_EQ(ReadFileBytes(Path("b.vlf")), saved);
}

TEST_F(DesignClip, LoadingGivesBackTheSameControlsAndKeepsThePanelsName)
{
    TSmallForm form(F);
    const TRect buttonBounds = form.Button->BoundsRect();
    F.Surface().SaveForm(Path("a.vlf"));
    std::string text = ReadFileBytes(Path("a.vlf"));
    text.replace(0, 36, "object Form7: TForm1");
    WriteFileBytesAtomically(Path("renamed.vlf"), text);
    F.Surface().ClearForm();
    F.Panel->SetActive(false);
    F.Surface().LoadForm(Path("renamed.vlf"));
    EXPECT_TRUE(F.Surface().Active()) << "loading leaves the surface active";
    EXPECT_EQ(F.Panel->Name(), "VlDesignPanel");
    auto *button = dynamic_cast<TButton *>(F.Panel->FindComponent("Button1"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->BoundsRect(), buttonBounds);
    EXPECT_EQ(button->Caption(), VlFromQString(QStringLiteral("Готово")));
    EXPECT_EQ(button->Parent(), F.Panel->FindComponent("Panel1"));
    EXPECT_EQ(F.Panel->FindComponent("Label1")->ClassName(), "TLabel");
    EXPECT_TRUE(button->HasState(csDesigning));
    EXPECT_EQ(F.Panel->FindComponent("Surface"), F.Panel->Surface());
}

TEST_F(DesignClip, AFileThatCannotBeReadLeavesTheFormAndTheSurfaceActive)
{
    TSmallForm form(F);
    const std::string before = FormText();
    F.Panel->SetActive(false);
    EXPECT_THROW(F.Surface().LoadForm(Path("missing.vlf")), std::exception);
    WriteFileBytesAtomically(Path("bad.vlf"), "object X: TPanel\r\n  Left = \r\n");
    EXPECT_THROW(F.Surface().LoadForm(Path("bad.vlf")), std::exception);
    EXPECT_EQ(FormText(), before);
    EXPECT_TRUE(F.Surface().Active());
}

TEST_F(DesignClip, AnUnknownClassInAFileKeepsWhatWasReadBeforeIt)
{
    WriteFileBytesAtomically(Path("partial.vlf"), "object P: TVlDesignPanel\r\n"
                                                  "  object Button1: TButton\r\n    Left = 8\r\n  end\r\n"
                                                  "  object Gizmo1: TGizmo\r\n  end\r\nend\r\n");
    try {
        F.Surface().LoadForm(Path("partial.vlf"));
        FAIL();
    } catch (const EClassNotFound &e) {
        EXPECT_STREQ(e.what(), "Class TGizmo not found");
    }
    EXPECT_NE(F.Panel->FindComponent("Button1"), nullptr);
    EXPECT_EQ(F.Panel->Name(), "VlDesignPanel");
    EXPECT_TRUE(F.Surface().Active());
}

TEST_F(DesignClip, AFormOfAnotherDesignerLoadsTheSameWay)
{
    WriteFileBytesAtomically(Path("other.fds"), "object Form1: TForm1\r\n  Caption = 'Other'\r\n"
                                                "  object Edit1: TEdit\r\n    Left = 16\r\n    Top = 8\r\n"
                                                "    OnChange = Edit1Change\r\n  end\r\nend\r\n");
    F.Surface().LoadForm(Path("other.fds"));
    TComponent *edit = F.Panel->FindComponent("Edit1");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(DesignHandlerName(static_cast<TEdit *>(edit)->OnChange()), "Edit1Change");
}

} // namespace
