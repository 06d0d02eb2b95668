// Properties set through the metadata reach the Qt widgets: geometry, text, font, visibility, colour.
#include "VlClassRegistry.h"
#include "VlComCtrls.h"
#include "VlExceptions.h"
#include "VlExtCtrls.h"
#include "VlForms.h"
#include "VlRegisterComponents.h"
#include "VlStdCtrls.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

const TPropInfo &Prop(const TObject &object, const char *name)
{
    const TPropInfo *prop = GetPropInfo(&object, name);
    if (!prop)
        throw std::runtime_error(std::string("no property ") + name);
    return *prop;
}

class WidgetProperties : public testing::Test {
protected:
    void SetUp() override
    {
        RegisterVlComponents();
        Form = std::make_unique<TForm>();
        Form->SetName("Form1");
    }
    std::unique_ptr<TForm> Form;
};

TEST_F(WidgetProperties, GeometryCaptionAndStateReachTheButton)
{
    auto *button = new TButton(Form.get());
    button->SetParent(Form.get());
    SetOrdProp(button, Prop(*button, "Left"), 16);
    SetOrdProp(button, Prop(*button, "Top"), 24);
    SetOrdProp(button, Prop(*button, "Width"), 90);
    SetOrdProp(button, Prop(*button, "Height"), 30);
    SetStrProp(button, Prop(*button, "Caption"), "\xcf\xf3\xf1\xea"); // "Пуск" in CP1251
    SetOrdProp(button, Prop(*button, "Enabled"), 0);
    auto *widget = qobject_cast<QPushButton *>(button->Widget());
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->geometry(), QRect(16, 24, 90, 30));
    EXPECT_EQ(widget->text(), QString::fromUtf8("Пуск"));
    EXPECT_FALSE(widget->isEnabled());
    EXPECT_EQ(widget->parentWidget(), Form->ClientWidget());
    EXPECT_EQ(GetStrProp(button, Prop(*button, "Caption")), "\xcf\xf3\xf1\xea");
}

TEST_F(WidgetProperties, FontPropertiesReachTheWidgetAndChildrenFollowParentFont)
{
    auto *panel = new TPanel(Form.get());
    panel->SetParent(Form.get());
    auto *label = new TLabel(Form.get());
    label->SetParent(panel);
    TFont *font = static_cast<TFont *>(GetObjectProp(panel, Prop(*panel, "Font")));
    SetStrProp(font, Prop(*font, "Name"), "Courier New");
    SetOrdProp(font, Prop(*font, "Height"), -13);
    SetOrdProp(font, Prop(*font, "Style"), VlFontStyle(fsBold) | VlFontStyle(fsItalic));
    SetOrdProp(font, Prop(*font, "Color"), clRed);
    EXPECT_FALSE(panel->ParentFont());
    EXPECT_EQ(panel->Widget()->font().family(), "Courier New");
    EXPECT_EQ(panel->Widget()->font().pixelSize(), 13);
    EXPECT_TRUE(panel->Widget()->font().bold());
    // The label keeps ParentFont and takes the panel's font.
    EXPECT_TRUE(label->ParentFont());
    EXPECT_EQ(label->Font()->Name(), "Courier New");
    EXPECT_TRUE(label->Widget()->font().italic());
    EXPECT_EQ(label->Widget()->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(font->Size(), 10);
    // Changing the label's own font ends ParentFont.
    label->Font()->SetSize(12);
    EXPECT_FALSE(label->ParentFont());
    EXPECT_EQ(label->Font()->Height(), -16);
    EXPECT_EQ(panel->Font()->Height(), -13);
}

TEST_F(WidgetProperties, VisibilityFollowsVisibleAndParent)
{
    Form->Show();
    auto *edit = new TEdit(Form.get());
    EXPECT_FALSE(edit->Widget()->isVisible()) << "no parent, nothing on screen";
    edit->SetParent(Form.get());
    EXPECT_TRUE(edit->Widget()->isVisible());
    SetOrdProp(edit, Prop(*edit, "Visible"), 0);
    EXPECT_FALSE(edit->Widget()->isVisible());
    EXPECT_FALSE(edit->Showing());
    edit->Show();
    EXPECT_TRUE(edit->Showing());
    Form->Hide();
    EXPECT_FALSE(edit->Showing());
}

TEST_F(WidgetProperties, ColourReachesThePaletteAndParentColorFollows)
{
    auto *panel = new TPanel(Form.get());
    panel->SetParent(Form.get());
    auto *check = new TCheckBox(Form.get());
    check->SetParent(panel);
    SetOrdProp(panel, Prop(*panel, "Color"), clYellow);
    EXPECT_EQ(panel->Widget()->palette().color(QPalette::Window), QColor(255, 255, 0));
    EXPECT_TRUE(check->ParentColor());
    EXPECT_EQ(check->Color(), clYellow);
    auto *edit = new TEdit(Form.get());
    edit->SetParent(panel);
    EXPECT_EQ(edit->Color(), clWindow);
    edit->SetColor(clAqua);
    EXPECT_EQ(edit->Widget()->palette().color(QPalette::Base), QColor(0, 255, 255));
    // Colour is written to form files only when it is the control's own.
    EXPECT_FALSE(IsStoredProp(check, Prop(*check, "Color")));
    EXPECT_TRUE(IsStoredProp(panel, Prop(*panel, "Color")));
}

TEST_F(WidgetProperties, TextOfEditsAndMemosComesFromTheWidget)
{
    auto *edit = new TEdit(Form.get());
    edit->SetParent(Form.get());
    SetStrProp(edit, Prop(*edit, "Text"), "abc");
    auto *line = qobject_cast<QLineEdit *>(edit->Widget());
    EXPECT_EQ(line->text(), "abc");
    line->setText("typed");
    EXPECT_EQ(GetStrProp(edit, Prop(*edit, "Text")), "typed");

    auto *memo = new TMemo(Form.get());
    memo->SetParent(Form.get());
    memo->Lines()->Add("one");
    memo->Lines()->Add("two");
    auto *editor = qobject_cast<QPlainTextEdit *>(memo->Widget());
    EXPECT_EQ(editor->toPlainText(), "one\ntwo");
    editor->setPlainText("x\ny\nz");
    EXPECT_EQ(memo->Lines()->Count(), 3);
    EXPECT_EQ(memo->Lines()->Get(2), "z");
}

TEST_F(WidgetProperties, CheckBoxListsAndGroupBoxes)
{
    auto *check = new TCheckBox(Form.get());
    check->SetParent(Form.get());
    SetOrdProp(check, Prop(*check, "Checked"), 1);
    EXPECT_TRUE(qobject_cast<QCheckBox *>(check->Widget())->isChecked());
    auto *group = new TGroupBox(Form.get());
    group->SetParent(Form.get());
    group->SetCaption("Group");
    EXPECT_EQ(qobject_cast<QGroupBox *>(group->Widget())->title(), "Group");
    auto *combo = new TComboBox(Form.get());
    combo->SetParent(Form.get());
    combo->Items()->SetText("red\r\ngreen\r\nblue\r\n");
    combo->SetItemIndex(1);
    EXPECT_EQ(combo->Text(), "green");
    combo->SetItemIndex(7);
    EXPECT_EQ(combo->ItemIndex(), -1);
    auto *list = new TListBox(Form.get());
    list->SetParent(Form.get());
    list->Items()->Add("a");
    list->Items()->Add("b");
    list->SetItemIndex(1);
    EXPECT_EQ(list->ItemIndex(), 1);
}

TEST_F(WidgetProperties, AlignedControlsFillTheirParent)
{
    Form->SetClientWidth(300);
    Form->SetClientHeight(200);
    auto *top = new TPanel(Form.get());
    top->SetParent(Form.get());
    top->SetHeight(30);
    top->SetAlign(alTop);
    auto *status = new TStatusBar(Form.get());
    status->SetParent(Form.get());
    auto *left = new TPanel(Form.get());
    left->SetParent(Form.get());
    left->SetWidth(50);
    left->SetAlign(alLeft);
    auto *client = new TMemo(Form.get());
    client->SetParent(Form.get());
    client->SetAlign(alClient);
    EXPECT_EQ(top->BoundsRect(), Bounds(0, 0, 300, 30));
    EXPECT_EQ(status->BoundsRect(), Bounds(0, 200 - 19, 300, 19));
    EXPECT_EQ(left->BoundsRect(), Bounds(0, 30, 50, 200 - 30 - 19));
    EXPECT_EQ(client->BoundsRect(), Bounds(50, 30, 250, 200 - 30 - 19));
    EXPECT_EQ(client->Widget()->geometry(), QRect(50, 30, 250, 151));
    // Resizing the form re-lays out; anchored controls follow their right edge.
    auto *anchored = new TButton(Form.get());
    anchored->SetParent(Form.get());
    anchored->SetBounds(200, 100, 75, 25);
    anchored->SetAnchors((1u << akRight) | (1u << akTop));
    Form->SetClientWidth(400);
    EXPECT_EQ(client->Width(), 350);
    EXPECT_EQ(anchored->Left(), 300);
}

TEST_F(WidgetProperties, FormSizesIncludeTheFrame)
{
    Form->SetBounds(10, 20, 400, 300);
    EXPECT_EQ(Form->ClientWidth(), 400 - Form->FrameWidth());
    EXPECT_EQ(Form->ClientHeight(), 300 - Form->FrameHeight());
    EXPECT_EQ(Form->ClientWidget()->size(), QSize(Form->ClientWidth(), Form->ClientHeight()));
    Form->SetCaption("\xd4\xee\xf0\xec\xe0");
    EXPECT_EQ(Form->Widget()->windowTitle(), QString::fromUtf8("Форма"));
}

TEST_F(WidgetProperties, BorderStyleAndIconsShapeTheWindow)
{
    Form->SetBounds(0, 0, 400, 300);
    const int clientWidth = Form->ClientWidth(), clientHeight = Form->ClientHeight();
    Form->SetBorderIcons((1u << biSystemMenu) | (1u << biMinimize));
    Qt::WindowFlags flags = Form->Widget()->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    Form->SetBorderStyle(bsNone);
    EXPECT_TRUE(Form->Widget()->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(Form->ClientWidth(), clientWidth) << "the client area keeps its size";
    EXPECT_EQ(Form->ClientHeight(), clientHeight);
    EXPECT_EQ(Form->Width(), clientWidth);
    Form->SetFormStyle(fsStayOnTop);
    EXPECT_TRUE(Form->Widget()->windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(WidgetProperties, PageControlShowsSheetsAsTabs)
{
    auto *pages = new TPageControl(Form.get());
    pages->SetParent(Form.get());
    auto *first = new TTabSheet(Form.get());
    first->SetCaption("First");
    first->SetPageControl(pages);
    auto *second = new TTabSheet(Form.get());
    second->SetCaption("Second");
    second->SetPageControl(pages);
    auto *tabs = qobject_cast<QTabWidget *>(pages->Widget());
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(1), "Second");
    pages->SetActivePage(second);
    EXPECT_EQ(pages->ActivePageIndex(), 1);
    delete first;
    EXPECT_EQ(tabs->count(), 1);
    EXPECT_EQ(pages->PageCount(), 1);
}

TEST_F(WidgetProperties, ParentCannotBeTheControlItself)
{
    auto *panel = new TPanel(Form.get());
    auto *inner = new TPanel(Form.get());
    inner->SetParent(panel);
    EXPECT_THROW(panel->SetParent(inner), EInvalidOperation);
    EXPECT_THROW(panel->SetParent(panel), EInvalidOperation);
}

} // namespace
