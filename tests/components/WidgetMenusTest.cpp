// Menus: item trees, popups from the context menu, streaming order, removal.
#include "WidgetTestSupport.h"

#include "VlExceptions.h"
#include "VlForms.h"
#include "VlMenus.h"
#include "VlStdCtrls.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

TEST(WidgetMenus, ItemTreeBuildsSubmenusAndSeparators)
{
    RegisterVlComponents();
    TForm form;
    TPopupMenu menu(&form);
    auto *edit = new TMenuItem(&form);
    edit->SetCaption("Edit");
    auto *line = new TMenuItem(&form);
    line->SetCaption("-");
    auto *copy = new TMenuItem(&form);
    copy->SetCaption("Copy");
    menu.Items()->Add(edit);
    menu.Items()->Add(line);
    edit->Add(copy);
    ASSERT_EQ(menu.Menu()->actions().size(), 2);
    EXPECT_TRUE(menu.Menu()->actions()[1]->isSeparator());
    QAction *editAction = menu.Menu()->actions()[0];
    ASSERT_NE(editAction->menu(), nullptr);
    EXPECT_EQ(editAction->menu()->actions()[0]->text(), "Copy");
    EXPECT_EQ(copy->GetParentMenu(), &menu);
    EXPECT_EQ(copy->GetParentComponent(), edit);
    EXPECT_EQ(edit->GetParentComponent(), &menu);
    // Streaming lists the top items under the menu and sub-items under their item.
    std::vector<TComponent *> children;
    menu.GetChildren([&](TComponent *c) { children.push_back(c); }, &form);
    EXPECT_EQ(children, (std::vector<TComponent *>{edit, line}));
    // Freeing an item takes it out of the menu.
    delete copy;
    EXPECT_EQ(edit->Count(), 0);
    EXPECT_EQ(menu.Menu()->actions()[0]->menu(), nullptr);
    EXPECT_THROW(edit->Items(0), EListError);
    EXPECT_THROW(menu.Items()->Insert(0, edit), EInvalidOperation);
}

TEST(WidgetMenus, ContextMenuEventRaisesOnPopup)
{
    TEventRecorder recorder;
    TForm form;
    form.Show();
    auto *popup = new TPopupMenu(&form);
    auto *item = new TMenuItem(&form);
    item->SetCaption("Item");
    popup->Items()->Add(item);
    popup->SetOnPopup(TEventRecorder::Handler());
    auto *button = new TButton(&form);
    button->SetParent(&form);
    button->SetPopupMenu(popup);
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), button->Widget()->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(button->Widget(), &event);
    EXPECT_EQ(recorder.Count("OnPopup"), 1);
    EXPECT_EQ(recorder.Events[0].Sender, popup);
    popup->Menu()->close();
}

TEST(WidgetMenus, AutoCheckItemsToggleOnClick)
{
    TEventRecorder recorder;
    TForm form;
    TMainMenu menu(&form);
    auto *item = new TMenuItem(&form);
    item->SetAutoCheck(true);
    item->SetOnClick(TEventRecorder::Handler());
    menu.Items()->Add(item);
    item->Action()->trigger();
    EXPECT_TRUE(item->Checked());
    item->Action()->trigger();
    EXPECT_FALSE(item->Checked());
    EXPECT_EQ(recorder.Count("OnClick"), 2);
    // Disabled items do not run.
    item->SetEnabled(false);
    item->Action()->trigger();
    EXPECT_EQ(recorder.Count("OnClick"), 2);
}

TEST(WidgetMenus, FormMenuFollowsTheMenuComponent)
{
    RegisterVlComponents();
    auto form = std::make_unique<TForm>();
    form->SetBounds(0, 0, 300, 200);
    const int clientHeight = form->ClientHeight();
    auto *menu = new TMainMenu(form.get());
    form->SetMenu(menu);
    EXPECT_EQ(form->ClientHeight(), clientHeight - 20);
    EXPECT_EQ(form->Height(), 200);
    delete menu;
    EXPECT_EQ(form->Menu(), nullptr);
    EXPECT_EQ(form->ClientHeight(), clientHeight);
}

} // namespace
