// TNotebook over QStackedWidget; its Pages list is a view of its pages' names.
#include "VlNotebook.h"

#include "VlControlProps.h"
#include "VlExceptions.h"
#include "VlWidgetBridge.h"

#include <QStackedWidget>

// The names of the pages, as a string list that makes and frees pages.
class TNotebook::TPageNames : public TStrings {
public:
    explicit TPageNames(TNotebook *owner) : FOwner(owner) {}
    int Count() const override { return FOwner->PageCount(); }
    std::string Get(int index) const override { return FOwner->Page(index)->Caption(); }
    void Put(int index, const std::string &value) override { FOwner->Page(index)->SetCaption(value); }
    void Insert(int index, const std::string &value) override
    {
        if (index < 0 || index > Count())
            throw EStringListError(VlSprintf("List index out of bounds (%d)", index));
        TComponent *owner = FOwner->Owner() ? FOwner->Owner() : FOwner;
        auto *page = new TPage(owner);
        page->SetCaption(value);
        page->SetParent(FOwner);
        FOwner->SetChildOrder(page, index);
        FOwner->SyncPages();
    }
    void Delete(int index) override { delete FOwner->Page(index); }
    void Clear() override
    {
        while (Count() > 0)
            Delete(Count() - 1);
    }

private:
    TNotebook *FOwner;
};

VL_IMPLEMENT_CLASS_PROPS(TPage, TWinControl, "ExtCtrls", VlProps::Caption(), VlProps::Color(clBtnFace),
    VlProps::ParentColor(true), VlProps::Font(), VlProps::ParentFont(), VlProps::Visible(), VlProps::OnClick(),
    VlProps::MouseEvents())

TPage::TPage(TComponent *owner) : TWinControl(owner)
{
    SetWidget(new QWidget);
    SetParentColor(true);
}

TNotebook *TPage::Notebook() const { return dynamic_cast<TNotebook *>(Parent()); }

void TPage::ApplyText() {}

VL_IMPLEMENT_CLASS_PROPS(TNotebook, TWinControl, "ExtCtrls",
    {VlStrProp<&TNotebook::ActivePage, &TNotebook::SetActivePage>("ActivePage").NotStored()},
    VlProps::Align(), VlProps::Anchors(), VlProps::Color(clBtnFace), VlProps::Enabled(), VlProps::Font(),
    VlProps::ParentColor(true), VlProps::ParentFont(), VlProps::Hints(), VlProps::PopupMenu(),
    {VlIntProp<&TNotebook::PageIndex, &TNotebook::SetPageIndex>("PageIndex").WithDefault(0),
     VlClassProp<&TNotebook::Pages, &TNotebook::SetPages>("Pages", "TStrings").NotStored()},
    VlProps::TabOrder(), VlProps::TabStop(false), VlProps::Visible(), VlProps::OnClick(), VlProps::OnDblClick(),
    VlProps::MouseEvents(),
    {VlMethodProp<&TNotebook::OnPageChanged, &TNotebook::SetOnPageChanged>("OnPageChanged")})

TNotebook::TNotebook(TComponent *owner) : TWinControl(owner), FPages(std::make_unique<TPageNames>(this))
{
    auto *stack = new QStackedWidget;
    SetWidget(stack);
    QObject::connect(stack, &QStackedWidget::currentChanged, Bridge(), [this](int) {
        if (!FSyncing)
            VlGuard([this] { FireNotify(FOnPageChanged, "OnPageChanged"); });
    });
    SetParentColor(true);
    SetDefaultSize(150, 150);
}

TNotebook::~TNotebook()
{
    DetachWidget();
    FSyncing = true;
}

TStrings *TNotebook::Pages() const { return FPages.get(); }
void TNotebook::SetPages(TStrings *pages) { FPages->Assign(pages); }

QStackedWidget *TNotebook::Stack() const { return static_cast<QStackedWidget *>(Widget()); }

int TNotebook::PageCount() const
{
    int count = 0;
    for (int i = 0; i < ControlCount(); ++i)
        count += dynamic_cast<TPage *>(Controls(i)) != nullptr;
    return count;
}

TPage *TNotebook::Page(int index) const
{
    int count = 0;
    for (int i = 0; i < ControlCount(); ++i)
        if (auto *page = dynamic_cast<TPage *>(Controls(i)))
            if (count++ == index)
                return page;
    throw EListError(VlSprintf("List index out of bounds (%d)", index));
}

void TNotebook::SyncPages()
{
    FSyncing = true;
    QWidget *current = Stack()->currentWidget();
    while (Stack()->count() > 0)
        Stack()->removeWidget(Stack()->widget(0));
    for (int i = 0; i < PageCount(); ++i)
        Stack()->addWidget(Page(i)->Widget());
    if (current && Stack()->indexOf(current) >= 0)
        Stack()->setCurrentWidget(current);
    FSyncing = false;
}

void TNotebook::ControlAdded(TControl *control)
{
    if (dynamic_cast<TPage *>(control))
        SyncPages();
}

void TNotebook::ControlRemoved(TControl *control)
{
    if (dynamic_cast<TPage *>(control) && !HasState(csDestroying))
        SyncPages();
}

int TNotebook::PageIndex() const
{
    return Stack()->currentIndex() < 0 ? 0 : Stack()->currentIndex();
}

void TNotebook::SetPageIndex(int index)
{
    if (HasState(csLoading)) {
        FPendingIndex = index;
        return;
    }
    if (index >= 0 && index < Stack()->count())
        Stack()->setCurrentIndex(index);
}

std::string TNotebook::ActivePage() const
{
    return PageCount() > 0 ? Page(PageIndex())->Caption() : std::string();
}

void TNotebook::SetActivePage(const std::string &name)
{
    const int index = FPages->IndexOf(name);
    if (index >= 0)
        SetPageIndex(index);
}

void TNotebook::Loaded()
{
    TWinControl::Loaded();
    SyncPages();
    if (FPendingIndex >= 0)
        SetPageIndex(FPendingIndex);
    FPendingIndex = -1;
}
