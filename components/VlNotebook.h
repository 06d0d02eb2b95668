// TNotebook and TPage: pages shown one at a time, chosen by index or by name (no tabs).
#pragma once

#include "VlControls.h"
#include "VlStrings.h"

#include <memory>

class QStackedWidget;
class TNotebook;

// One page of a notebook; its Caption is the page's name.
class TPage : public TWinControl {
    VL_CLASS(TPage)
    explicit TPage(TComponent *owner = nullptr);
    bool AcceptsControls() const override { return true; }
    TNotebook *Notebook() const;

protected:
    bool GeometryFromWidget() const override { return Parent() != nullptr; }
    void ApplyText() override;
};

class TNotebook : public TWinControl {
    VL_CLASS(TNotebook)
    explicit TNotebook(TComponent *owner = nullptr);
    ~TNotebook() override;
    bool AcceptsControls() const override { return true; }

    int PageCount() const;
    // Raises EListError "List index out of bounds (%d)".
    TPage *Page(int index) const;
    // The page names: adding one makes a page, deleting one frees it.
    TStrings *Pages() const;
    void SetPages(TStrings *pages);
    int PageIndex() const;
    // Raises OnPageChanged when the page changes.
    void SetPageIndex(int index);
    std::string ActivePage() const;
    void SetActivePage(const std::string &name);
    TMethod OnPageChanged() const { return FOnPageChanged; }
    void SetOnPageChanged(const TMethod &h) { FOnPageChanged = h; }
    void Loaded() override;
    QStackedWidget *Stack() const;

protected:
    void ControlAdded(TControl *control) override;
    void ControlRemoved(TControl *control) override;

private:
    class TPageNames;
    void SyncPages();
    std::unique_ptr<TPageNames> FPages;
    int FPendingIndex = -1;
    bool FSyncing = false;
    TMethod FOnPageChanged;
};
