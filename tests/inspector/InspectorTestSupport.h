// Shared helpers of the property grid's tests.
#pragma once

#include "inspector/VlInspectorItem.h"

// The display names of an item's children, in order.
inline QStringList ChildNames(const TVlInspectorItem *parent)
{
    QStringList names;
    for (int i = 0; i < parent->Count(); ++i)
        names << parent->Child(i)->DisplayName();
    return names;
}
