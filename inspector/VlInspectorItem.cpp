// Items of the property grid.
#include "VlInspectorItem.h"

#include <algorithm>

TVlInspectorItem::TVlInspectorItem(QString displayName, std::unique_ptr<TVlInspectorData> data)
    : FDisplayName(std::move(displayName)), FData(std::move(data)), FCategory(!FData)
{
}

TVlInspectorItem::~TVlInspectorItem() = default;

int TVlInspectorItem::Depth() const
{
    int depth = 0;
    for (const TVlInspectorItem *p = FParent; p && p->FParent; p = p->FParent)
        ++depth;
    return depth;
}

bool TVlInspectorItem::IsBoolean() const
{
    return FData && FData->EditKind() == TVlInspectorEditKind::Boolean;
}

TVlInspectorItem *TVlInspectorItem::Add(std::unique_ptr<TVlInspectorItem> child)
{
    child->FParent = this;
    auto position = FChildren.end();
    if (FSortChildren) {
        position = std::upper_bound(FChildren.begin(), FChildren.end(), child, [](const auto &a, const auto &b) {
            return a->FDisplayName.compare(b->FDisplayName, Qt::CaseInsensitive) < 0;
        });
    }
    return FChildren.insert(position, std::move(child))->get();
}

void TVlInspectorItem::AddPart(std::unique_ptr<TVlInspectorItem> part, int width)
{
    part->FParent = this;
    FParts.push_back(std::move(part));
    FPartWidths.push_back(width);
}
