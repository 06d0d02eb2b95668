// Undo buffer storage and group extraction.
#include "VlUndoBuffer.h"

void TVlUndoBuffer::Clear()
{
    fRecords.clear();
    fIndex = 0;
}

void TVlUndoBuffer::Add(const TVlUndoRecord &record)
{
    fRecords.resize(fIndex);
    fRecords.push_back(record);
    fIndex = static_cast<int>(fRecords.size());
}

std::vector<TVlUndoRecord> TVlUndoBuffer::TakeUndoGroup()
{
    std::vector<TVlUndoRecord> group;
    if (fIndex == 0)
        return group;
    const int id = fRecords[fIndex - 1].Group;
    while (fIndex > 0 && fRecords[fIndex - 1].Group == id)
        group.push_back(fRecords[--fIndex]);
    return group;
}

std::vector<TVlUndoRecord> TVlUndoBuffer::TakeRedoGroup()
{
    std::vector<TVlUndoRecord> group;
    if (fIndex >= static_cast<int>(fRecords.size()))
        return group;
    const int id = fRecords[fIndex].Group;
    while (fIndex < static_cast<int>(fRecords.size()) && fRecords[fIndex].Group == id)
        group.push_back(fRecords[fIndex++]);
    return group;
}

TVlUndoRecord *TVlUndoBuffer::Last()
{
    return fIndex > 0 ? &fRecords[fIndex - 1] : nullptr;
}
