// Menus: TMenuItem trees shown as a Qt menu bar (TMainMenu) or a context menu (TPopupMenu).
#include "VlMenus.h"

#include "VlControls.h"
#include "VlExceptions.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>

namespace {
bool CanFire(const TComponent *c)
{
    return !c->HasState(csLoading) && !c->HasState(csReading) && !c->HasState(csDesigning) && !c->HasState(csDestroying);
}

void FireNotify(TComponent *sender, const TMethod &handler, std::string_view name)
{
    if (!handler.IsAssigned() || !CanFire(sender))
        return;
    TVlEventArgs args;
    args.Sender = sender;
    args.Name = name;
    args.TypeName = "TNotifyEvent";
    DispatchVlEvent(handler, args);
}

QKeySequence ToKeySequence(TShortCut shortCut)
{
    const int key = VirtualKeyToQtKey(shortCut & 0xFF);
    if (!key)
        return {};
    int modifiers = 0;
    if (shortCut & scShift) modifiers |= Qt::SHIFT;
    if (shortCut & scCtrl) modifiers |= Qt::CTRL;
    if (shortCut & scAlt) modifiers |= Qt::ALT;
    return QKeySequence(key | modifiers);
}
} // namespace

std::string ShortCutToText(TShortCut shortCut)
{
    return ToKeySequence(shortCut).toString(QKeySequence::PortableText).toStdString();
}

TShortCut TextToShortCut(const std::string &text)
{
    const QKeySequence sequence = QKeySequence::fromString(QString::fromStdString(text), QKeySequence::PortableText);
    if (sequence.isEmpty())
        return 0;
    const QKeyCombination combination = sequence[0];
    const int vk = QtKeyToVirtualKey(combination.key());
    if (!vk)
        return 0;
    TShortCut result = vk;
    if (combination.keyboardModifiers() & Qt::ShiftModifier) result |= scShift;
    if (combination.keyboardModifiers() & Qt::ControlModifier) result |= scCtrl;
    if (combination.keyboardModifiers() & Qt::AltModifier) result |= scAlt;
    return result;
}

VL_IMPLEMENT_CLASS(TMenuItem, TComponent, "Menus",
    VlBoolProp<&TMenuItem::AutoCheck, &TMenuItem::SetAutoCheck>("AutoCheck", false),
    VlStrProp<&TMenuItem::Caption, &TMenuItem::SetCaption>("Caption", "TCaption"),
    VlBoolProp<&TMenuItem::Checked, &TMenuItem::SetChecked>("Checked", false),
    VlBoolProp<&TMenuItem::Default, &TMenuItem::SetDefault>("Default", false),
    VlBoolProp<&TMenuItem::Enabled, &TMenuItem::SetEnabled>("Enabled", true),
    VlIntProp<&TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex>("GroupIndex", "Byte").WithDefault(0),
    VlStrProp<&TMenuItem::Hint, &TMenuItem::SetHint>("Hint"),
    VlBoolProp<&TMenuItem::RadioItem, &TMenuItem::SetRadioItem>("RadioItem", false),
    VlIntProp<&TMenuItem::ShortCut, &TMenuItem::SetShortCut>("ShortCut", "TShortCut").WithDefault(0),
    VlBoolProp<&TMenuItem::Visible, &TMenuItem::SetVisible>("Visible", true),
    VlMethodProp<&TMenuItem::OnClick, &TMenuItem::SetOnClick>("OnClick"))

TMenuItem::TMenuItem(TComponent *owner) : TComponent(owner), FAction(std::make_unique<QAction>())
{
    QObject::connect(FAction.get(), &QAction::triggered, FAction.get(), [this] { VlGuard([this] { Click(); }); });
}

TMenuItem::~TMenuItem()
{
    Destroying();
    FAction->disconnect();
    while (!FItems.empty())
        delete FItems.back();
    if (FParent)
        FParent->Remove(this);
    FSubMenu.reset();
    FAction.reset();
}

TMenuItem *TMenuItem::Items(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError(VlSprintf("List index out of bounds (%d)", index));
    return FItems[size_t(index)];
}

TMenu *TMenuItem::GetParentMenu() const
{
    const TMenuItem *item = this;
    while (item->FParent)
        item = item->FParent;
    return item->FMenu;
}

int TMenuItem::IndexOf(const TMenuItem *item) const
{
    auto it = std::find(FItems.begin(), FItems.end(), item);
    return it == FItems.end() ? -1 : int(it - FItems.begin());
}

void TMenuItem::Add(TMenuItem *item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem *item)
{
    if (!item)
        return;
    if (item->FParent)
        throw EInvalidOperation("Menu inserted twice");
    for (const TMenuItem *p = this; p; p = p->FParent)
        if (p == item)
            throw EInvalidOperation("A menu item cannot contain itself");
    index = std::clamp(index, 0, Count());
    FItems.insert(FItems.begin() + index, item);
    item->FParent = this;
    Changed();
}

void TMenuItem::Remove(TMenuItem *item)
{
    auto it = std::find(FItems.begin(), FItems.end(), item);
    if (it == FItems.end())
        return;
    FItems.erase(it);
    item->FParent = nullptr;
    if (!HasState(csDestroying))
        Changed();
}

void TMenuItem::Delete(int index)
{
    TMenuItem *item = Items(index);
    Remove(item);
}

void TMenuItem::Clear()
{
    while (!FItems.empty())
        delete FItems.back();
}

QAction *TMenuItem::Action() const
{
    return FSubMenu && !FItems.empty() ? FSubMenu->menuAction() : FAction.get();
}

void TMenuItem::Changed()
{
    for (TMenuItem *item = this; item; item = item->FParent)
        item->RebuildSubMenu();
    if (TMenu *menu = GetParentMenu(); menu && !menu->HasState(csDestroying))
        menu->Rebuild();
}

void TMenuItem::RebuildSubMenu()
{
    if (FItems.empty()) {
        if (FSubMenu)
            for (QAction *action : FSubMenu->actions())
                FSubMenu->removeAction(action);
        ApplyToActions();
        return;
    }
    if (!FSubMenu)
        FSubMenu = std::make_unique<QMenu>();
    for (QAction *action : FSubMenu->actions())
        FSubMenu->removeAction(action);
    for (TMenuItem *item : FItems)
        FSubMenu->addAction(item->Action());
    ApplyToActions();
}

void TMenuItem::ApplyToActions()
{
    QAction *actions[] = {FAction.get(), FSubMenu ? FSubMenu->menuAction() : nullptr};
    for (QAction *action : actions) {
        if (!action)
            continue;
        action->setSeparator(IsLine());
        action->setText(VlToQString(FCaption));
        action->setEnabled(FEnabled);
        action->setVisible(FVisible);
        action->setStatusTip(VlToQString(FHint));
    }
    FAction->setCheckable(FChecked || FRadioItem || FAutoCheck);
    FAction->setChecked(FChecked);
    FAction->setShortcut(ToKeySequence(FShortCut));
    QFont font = FAction->font();
    font.setBold(FDefault);
    FAction->setFont(font);
}

void TMenuItem::SetCaption(const std::string &caption)
{
    const bool wasLine = IsLine();
    FCaption = caption;
    ApplyToActions();
    if (wasLine != IsLine())
        Changed();
}

void TMenuItem::SetChecked(bool value)
{
    FChecked = value;
    // Checking a radio item unchecks the others of its group.
    if (value && FRadioItem && FParent)
        for (TMenuItem *sibling : FParent->FItems)
            if (sibling != this && sibling->FRadioItem && sibling->FGroupIndex == FGroupIndex && sibling->FChecked) {
                sibling->FChecked = false;
                sibling->ApplyToActions();
            }
    ApplyToActions();
}

void TMenuItem::SetEnabled(bool value)
{
    FEnabled = value;
    ApplyToActions();
}

void TMenuItem::SetVisible(bool value)
{
    FVisible = value;
    ApplyToActions();
}

void TMenuItem::SetRadioItem(bool value)
{
    FRadioItem = value;
    ApplyToActions();
}

void TMenuItem::SetShortCut(TShortCut value)
{
    FShortCut = value;
    ApplyToActions();
}

void TMenuItem::SetHint(const std::string &hint)
{
    FHint = hint;
    ApplyToActions();
}

void TMenuItem::SetDefault(bool value)
{
    FDefault = value;
    ApplyToActions();
}

void TMenuItem::Click()
{
    if (FAutoCheck)
        SetChecked(!FChecked);
    else
        FAction->setChecked(FChecked); // Qt toggled it; the Checked property decides
    FireNotify(this, FOnClick, "OnClick");
}

TComponent *TMenuItem::GetParentComponent() const
{
    if (FParent && FParent->FMenu)
        return FParent->FMenu;
    return FParent;
}

void TMenuItem::SetParentComponent(TComponent *parent)
{
    if (FParent)
        FParent->Remove(this);
    if (auto *item = dynamic_cast<TMenuItem *>(parent))
        item->Add(this);
    else if (auto *menu = dynamic_cast<TMenu *>(parent))
        menu->Items()->Add(this);
}

void TMenuItem::GetChildren(const TGetChildProc &proc, TComponent *)
{
    for (TMenuItem *item : FItems)
        proc(item);
}

VL_IMPLEMENT_CLASS(TMenu, TComponent, "Menus")

TMenu::TMenu(TComponent *owner) : TComponent(owner), FItems(std::make_unique<TMenuItem>())
{
    FItems->FMenu = this;
}

TMenu::~TMenu()
{
    Destroying();
    FItems.reset();
}

void TMenu::GetChildren(const TGetChildProc &proc, TComponent *)
{
    for (int i = 0; i < FItems->Count(); ++i)
        proc(FItems->Items(i));
}

VL_IMPLEMENT_CLASS(TMainMenu, TMenu, "Menus")

TMainMenu::TMainMenu(TComponent *owner) : TMenu(owner), FMenuBar(new QMenuBar) {}

TMainMenu::~TMainMenu()
{
    Destroying();
    Items()->Clear();
    delete FMenuBar.data();
}

void TMainMenu::Rebuild()
{
    if (!FMenuBar)
        return;
    for (QAction *action : FMenuBar->actions())
        FMenuBar->removeAction(action);
    for (int i = 0; i < Items()->Count(); ++i)
        FMenuBar->addAction(Items()->Items(i)->Action());
}

VL_IMPLEMENT_CLASS(TPopupMenu, TMenu, "Menus",
    VlBoolProp<&TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup>("AutoPopup", true),
    VlMethodProp<&TPopupMenu::OnPopup, &TPopupMenu::SetOnPopup>("OnPopup"))

TPopupMenu::TPopupMenu(TComponent *owner) : TMenu(owner), FMenu(std::make_unique<QMenu>()) {}

TPopupMenu::~TPopupMenu()
{
    Destroying();
    Items()->Clear();
    FMenu.reset();
}

void TPopupMenu::Rebuild()
{
    for (QAction *action : FMenu->actions())
        FMenu->removeAction(action);
    for (int i = 0; i < Items()->Count(); ++i)
        FMenu->addAction(Items()->Items(i)->Action());
}

void TPopupMenu::Popup(int x, int y)
{
    FireNotify(this, FOnPopup, "OnPopup");
    FMenu->popup(QPoint(x, y));
}
