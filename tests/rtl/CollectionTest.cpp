// TCollection: items created from the item class, ordering, IDs, assignment and change notices.
#include "VlCollection.h"
#include "VlExceptions.h"

#include <gtest/gtest.h>

namespace {

class TPanelItem : public TCollectionItem {
    VL_CLASS(TPanelItem)
    using TCollectionItem::TCollectionItem;
    void Assign(const TPersistent *source) override
    {
        if (auto *other = dynamic_cast<const TPanelItem *>(source)) {
            Width = other->Width;
            return;
        }
        TCollectionItem::Assign(source);
    }
    void SetWidth(int value)
    {
        Width = value;
        Changed(false);
    }
    int Width = 50;
};
VL_IMPLEMENT_CLASS(TPanelItem, TCollectionItem, "CollectionTest",
                   VlIntProp<&TPanelItem::Width, &TPanelItem::SetWidth>("Width"))

class TCountingCollection : public TCollection {
public:
    using TCollection::TCollection;
    int Updates = 0;
    TCollectionItem *LastItem = nullptr;

protected:
    void Update(TCollectionItem *item) override
    {
        ++Updates;
        LastItem = item;
    }
};

TPanelItem *Panel(TCollection &collection, int index)
{
    return static_cast<TPanelItem *>(collection.Items(index));
}

} // namespace

TEST(Collection, AddCreatesItemsOfTheItemClass)
{
    TCollection panels(TPanelItem::StaticClassInfo());
    TCollectionItem *item = panels.Add();
    EXPECT_TRUE(item->Is<TPanelItem>());
    EXPECT_EQ(item->Collection(), &panels);
    EXPECT_EQ(panels.Count(), 1);
    EXPECT_EQ(item->Index(), 0);
}

TEST(Collection, IndexOrderAndIDs)
{
    TCollection panels(TPanelItem::StaticClassInfo());
    TCollectionItem *a = panels.Add();
    TCollectionItem *b = panels.Add();
    TCollectionItem *c = panels.Insert(0);
    EXPECT_EQ(panels.Items(0), c);
    EXPECT_EQ(panels.Items(1), a);
    EXPECT_EQ(panels.Items(2), b);
    EXPECT_EQ(a->ID(), 0);
    EXPECT_EQ(c->ID(), 2);
    panels.Delete(1);
    EXPECT_EQ(panels.Count(), 2);
    EXPECT_EQ(panels.FindItemID(0), nullptr);
    EXPECT_EQ(panels.FindItemID(1), b);
    EXPECT_EQ(panels.Add()->ID(), 3) << "IDs are never reused";
    b->SetIndex(0);
    EXPECT_EQ(panels.Items(0), b);
    EXPECT_THROW(panels.Items(5), EListError);
    EXPECT_THROW(panels.Delete(-1), EListError);
}

TEST(Collection, DeletingAnItemLeavesTheCollection)
{
    TCollection panels(TPanelItem::StaticClassInfo());
    TCollectionItem *a = panels.Add();
    panels.Add();
    delete a;
    EXPECT_EQ(panels.Count(), 1);
}

TEST(Collection, AssignCopiesItems)
{
    TCollection source(TPanelItem::StaticClassInfo());
    static_cast<TPanelItem *>(source.Add())->Width = 10;
    static_cast<TPanelItem *>(source.Add())->Width = 20;
    TCollection target(TPanelItem::StaticClassInfo());
    target.Add();
    target.Assign(&source);
    ASSERT_EQ(target.Count(), 2);
    EXPECT_EQ(Panel(target, 0)->Width, 10);
    EXPECT_EQ(Panel(target, 1)->Width, 20);
    EXPECT_NE(target.Items(0), source.Items(0));
}

TEST(Collection, UpdatesAreBatchedBetweenBeginAndEndUpdate)
{
    TCountingCollection panels(TPanelItem::StaticClassInfo());
    auto *item = static_cast<TPanelItem *>(panels.Add());
    EXPECT_EQ(panels.Updates, 1);
    item->SetWidth(5);
    EXPECT_EQ(panels.Updates, 2);
    EXPECT_EQ(panels.LastItem, item);
    panels.BeginUpdate();
    panels.Add();
    panels.Add();
    item->SetWidth(6);
    EXPECT_EQ(panels.Updates, 2);
    panels.EndUpdate();
    EXPECT_EQ(panels.Updates, 3);
    EXPECT_EQ(panels.LastItem, nullptr);
}

TEST(Collection, RefusesItemClassesThatAreNotItems)
{
    EXPECT_THROW(TCollection(TPersistent::StaticClassInfo()), EInvalidOperation);
}

TEST(Collection, NamePathFollowsTheOwner)
{
    TCollection panels(TPanelItem::StaticClassInfo());
    EXPECT_EQ(panels.GetNamePath(), "TCollection");
    panels.SetPropName("Panels");
    EXPECT_EQ(panels.GetNamePath(), "TCollection");
    EXPECT_EQ(panels.Add()->GetNamePath(), "TCollection[0]");
}
