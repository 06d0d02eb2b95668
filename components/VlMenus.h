// Menus: TMenuItem trees shown as a Qt menu bar (TMainMenu) or a context menu (TPopupMenu).
#pragma once

#include "VlComponent.h"
#include "VlEvents.h"

#include <QMenuBar>
#include <QPointer>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QWidget;
class TMenu;

// Delphi shortcut: virtual key | scShift | scCtrl | scAlt.
using TShortCut = int;
constexpr TShortCut scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000;

class TMenuItem : public TComponent {
    VL_CLASS(TMenuItem)
    explicit TMenuItem(TComponent *owner = nullptr);
    // Frees its sub-items and leaves its parent item.
    ~TMenuItem() override;

    const std::string &Caption() const { return FCaption; }
    void SetCaption(const std::string &caption);
    bool Checked() const { return FChecked; }
    void SetChecked(bool value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    bool RadioItem() const { return FRadioItem; }
    void SetRadioItem(bool value);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value) { FGroupIndex = value; }
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut value);
    const std::string &Hint() const { return FHint; }
    void SetHint(const std::string &hint);
    bool AutoCheck() const { return FAutoCheck; }
    void SetAutoCheck(bool value) { FAutoCheck = value; }
    bool Default() const { return FDefault; }
    void SetDefault(bool value);
    TMethod OnClick() const { return FOnClick; }
    void SetOnClick(const TMethod &h) { FOnClick = h; }

    int Count() const { return static_cast<int>(FItems.size()); }
    // Raises EListError "List index out of bounds (%d)".
    TMenuItem *Items(int index) const;
    TMenuItem *Parent() const { return FParent; }
    TMenu *GetParentMenu() const;
    void Add(TMenuItem *item);
    void Insert(int index, TMenuItem *item);
    // Takes the item out without freeing it.
    void Remove(TMenuItem *item);
    void Delete(int index);
    void Clear();
    int IndexOf(const TMenuItem *item) const;
    bool IsLine() const { return FCaption == "-"; }
    // What a click does: toggles an AutoCheck item, then OnClick.
    virtual void Click();

    // The Qt action that stands for this item in its parent menu (a submenu action when it has items).
    QAction *Action() const;
    QMenu *SubMenu() const { return FSubMenu.get(); }

    bool HasParent() const override { return true; }
    TComponent *GetParentComponent() const override;
    void SetParentComponent(TComponent *parent) override;
    void GetChildren(const TGetChildProc &proc, TComponent *root) override;

private:
    friend class TMenu;
    void ApplyToActions();
    void RebuildSubMenu();
    void Changed();

    std::string FCaption;
    bool FChecked = false, FEnabled = true, FVisible = true, FRadioItem = false, FAutoCheck = false, FDefault = false;
    int FGroupIndex = 0;
    TShortCut FShortCut = 0;
    std::string FHint;
    TMethod FOnClick;
    std::vector<TMenuItem *> FItems;
    TMenuItem *FParent = nullptr;
    TMenu *FMenu = nullptr; // set on a menu's root item
    std::unique_ptr<QAction> FAction;
    std::unique_ptr<QMenu> FSubMenu;
};

class TMenu : public TComponent {
    VL_CLASS(TMenu)
    explicit TMenu(TComponent *owner = nullptr);
    ~TMenu() override;
    // The invisible root whose sub-items are the menu's items.
    TMenuItem *Items() const { return FItems.get(); }
    void GetChildren(const TGetChildProc &proc, TComponent *root) override;
    // Shows the root's items in the Qt container.
    virtual void Rebuild() = 0;

private:
    std::unique_ptr<TMenuItem> FItems;
};

class TMainMenu : public TMenu {
    VL_CLASS(TMainMenu)
    explicit TMainMenu(TComponent *owner = nullptr);
    ~TMainMenu() override;
    QMenuBar *MenuBar() const { return FMenuBar; }
    void Rebuild() override;

private:
    QPointer<QMenuBar> FMenuBar;
};

enum TPopupAlignment { paLeft, paRight, paCenter };

class TPopupMenu : public TMenu {
    VL_CLASS(TPopupMenu)
    explicit TPopupMenu(TComponent *owner = nullptr);
    ~TPopupMenu() override;
    QMenu *Menu() const { return FMenu.get(); }
    void Rebuild() override;
    // Runs OnPopup and shows the menu at screen coordinates (without waiting).
    void Popup(int x, int y);
    bool AutoPopup() const { return FAutoPopup; }
    void SetAutoPopup(bool value) { FAutoPopup = value; }
    TPopupAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TPopupAlignment value) { FAlignment = value; }
    TMethod OnPopup() const { return FOnPopup; }
    void SetOnPopup(const TMethod &h) { FOnPopup = h; }

private:
    std::unique_ptr<QMenu> FMenu;
    bool FAutoPopup = true;
    TPopupAlignment FAlignment = paLeft;
    TMethod FOnPopup;
};

// "Ctrl+S"-style text of a shortcut and back (0 when the text is no shortcut).
std::string ShortCutToText(TShortCut shortCut);
TShortCut TextToShortCut(const std::string &text);
