// The undo buffer: text changes with the caret and selection before them, in undo groups.
#pragma once

#include "VlEditorCommon.h"

#include <vector>

enum class TVlUndoKind : std::uint8_t {
    Insert, Delete, Overwrite, TabInsert, TrailingBlanks, DeleteLine, Replace
};

// One primitive change. Insert-like records put Text at Start (it ended at End); delete-like
// records took Removed from Start..End. A change that does both (overwrite, replace) holds both.
struct TVlUndoRecord
{
    TVlUndoKind Kind = TVlUndoKind::Insert;
    TVlPos Start;
    TVlPos End;         // end of the inserted text
    QString Inserted;   // text the change put in
    QString Removed;    // text the change took out (at Start)
    TVlPos CaretBefore;
    TVlPos AnchorBefore; // selection anchor before the change (== caret when none)
    TVlPos CaretAfter;
    TVlPos AnchorAfter;
    int Group = 0;      // records of one group are undone together
    bool CreatedFirstLine = false; // the insert went into an empty list: undo leaves it empty
    bool EmptiedList = false;      // the delete removed the only line: redo removes it again
};

class TVlUndoBuffer
{
public:
    void Clear();
    // Adds a record after the current index; records past it (the redo list) are dropped.
    void Add(const TVlUndoRecord &record);
    bool CanUndo() const { return fIndex > 0; }
    bool CanRedo() const { return fIndex < static_cast<int>(fRecords.size()); }
    // Records of the group to undo next, newest first; moves the index before them.
    std::vector<TVlUndoRecord> TakeUndoGroup();
    // Records of the group to redo next, oldest first; moves the index past them.
    std::vector<TVlUndoRecord> TakeRedoGroup();
    // The record most recently added (nullptr when none).
    TVlUndoRecord *Last();
    int NewGroup() { return ++fGroupCounter; }
    int Count() const { return static_cast<int>(fRecords.size()); }

private:
    std::vector<TVlUndoRecord> fRecords;
    int fIndex = 0; // records before the index can be undone
    int fGroupCounter = 0;
};
