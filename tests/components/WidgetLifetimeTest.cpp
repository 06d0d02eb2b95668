// Destroying owners and parents frees the controls and their widgets, and nothing dangles afterwards.
#include "WidgetTestSupport.h"

#include "VlComCtrls.h"
#include "VlExtCtrls.h"
#include "VlForms.h"
#include "VlMenus.h"
#include "VlStdCtrls.h"

#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(WidgetLifetime, OwnerDestructionFreesOwnedControlsAndWidgets)
{
    RegisterVlComponents();
    auto *form = new TForm();
    auto *panel = new TPanel(form);
    panel->SetParent(form);
    auto *button = new TButton(form);
    button->SetParent(panel);
    auto *memo = new TMemo(form);
    memo->SetParent(form);
    auto *timer = new TTimer(form);
    (void)timer;
    auto *menu = new TPopupMenu(form);
    auto *item = new TMenuItem(form);
    menu->Items()->Add(item);
    button->SetPopupMenu(menu);
    QPointer<QWidget> window = form->Widget(), panelWidget = panel->Widget(), buttonWidget = button->Widget();
    EXPECT_EQ(form->ComponentCount(), 6);
    delete form;
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(panelWidget.isNull());
    EXPECT_TRUE(buttonWidget.isNull());
}

TEST(WidgetLifetime, ParentDestructionFreesChildControlsOwnedElsewhere)
{
    TForm owner;
    auto *panel = new TPanel(&owner);
    auto *inner = new TPanel(&owner);
    inner->SetParent(panel);
    auto *label = new TLabel(&owner);
    label->SetParent(inner);
    QPointer<QWidget> labelWidget = label->Widget();
    EXPECT_EQ(owner.ComponentCount(), 3);
    delete panel;
    // The children were destroyed with their parent and left their owner.
    EXPECT_EQ(owner.ComponentCount(), 0);
    EXPECT_TRUE(labelWidget.isNull());
}

TEST(WidgetLifetime, DestroyedChildLeavesItsParentAndReferences)
{
    TForm form;
    auto *panel = new TPanel(&form);
    panel->SetParent(&form);
    auto *edit = new TEdit(&form);
    edit->SetParent(panel);
    auto *menu = new TPopupMenu(&form);
    edit->SetPopupMenu(menu);
    auto *label = new TLabel(&form);
    label->SetParent(panel);
    label->SetFocusControl(edit);
    EXPECT_EQ(panel->ControlCount(), 2);
    delete edit;
    EXPECT_EQ(panel->ControlCount(), 1);
    EXPECT_EQ(label->FocusControl(), nullptr);
    auto *button = new TButton(&form);
    button->SetPopupMenu(menu);
    delete menu;
    EXPECT_EQ(button->PopupMenu(), nullptr);
    // Reparenting moves the widget along.
    button->SetParent(panel);
    EXPECT_EQ(button->Widget()->parentWidget(), panel->Widget());
    button->SetParent(&form);
    EXPECT_EQ(button->Widget()->parentWidget(), form.ClientWidget());
    EXPECT_EQ(panel->ControlCount(), 1);
}

TEST(WidgetLifetime, ReleasedFormIsFreedByTheEventLoop)
{
    TEventRecorder recorder;
    auto *form = new TForm();
    form->SetOnDestroy(TEventRecorder::Handler());
    QPointer<QWidget> window = form->Widget();
    form->Release();
    EXPECT_FALSE(window.isNull());
    QTRY_VERIFY(window.isNull());
    EXPECT_EQ(recorder.Count("OnDestroy"), 1);
}

TEST(WidgetLifetime, PageControlsTreesAndListsTearDownCleanly)
{
    auto *form = new TForm();
    auto *pages = new TPageControl(form);
    pages->SetParent(form);
    for (int i = 0; i < 3; ++i) {
        auto *sheet = new TTabSheet(form);
        sheet->SetPageControl(pages);
        auto *list = new TListBox(form);
        list->SetParent(sheet);
        list->Items()->Add("x");
    }
    auto *tree = new TTreeView(form);
    tree->SetParent(form);
    TTreeNode *root = tree->Items()->AddChild(nullptr, "root");
    tree->Items()->AddChild(root, "child");
    EXPECT_EQ(tree->Items()->Count(), 2);
    auto *status = new TStatusBar(form);
    status->SetParent(form);
    status->Panels()->Add()->SetText("a");
    auto *group = new TRadioGroup(form);
    group->SetParent(form);
    group->Items()->Add("one");
    group->Items()->Add("two");
    delete form;
    SUCCEED();
}

} // namespace
