// TBatchMove: records of one data set appended to, copied into, updated in or deleted from a table.
#pragma once

#include "VlDbTypes.h"

#include "rtl/VlComponent.h"

#include <memory>
#include <string>

class TDataSet;
class TStringList;
class TStrings;
class TTable;

enum TBatchMode { batAppend, batUpdate, batAppendUpdate, batDelete, batCopy };
const TEnumInfo &BatchModeEnumInfo();

class TBatchMove : public TComponent {
    VL_CLASS(TBatchMove)
    explicit TBatchMove(TComponent *owner = nullptr);
    ~TBatchMove() override;

    TDataSet *Source() const { return FSource; }
    void SetSource(TDataSet *source);
    TTable *Destination() const { return FDestination; }
    void SetDestination(TTable *destination);
    TBatchMode Mode() const { return FMode; }
    void SetMode(TBatchMode mode) { FMode = mode; }
    // "Target=Source" or "Name" lines; empty: the fields of the same names.
    TStrings *Mappings() const;
    void SetMappings(TStrings *lines);
    // At most this many source records (0: all of them).
    int RecordCount() const { return FRecordCount; }
    void SetRecordCount(int value) { FRecordCount = value; }
    // A record the destination refuses (a key it has already, a missing value) stops the move, or
    // is counted and skipped.
    bool AbortOnKeyViol() const { return FAbortOnKeyViol; }
    void SetAbortOnKeyViol(bool value) { FAbortOnKeyViol = value; }

    // Moves the records from the source's first. batCopy makes the destination anew from the
    // source's fields; batUpdate, batAppendUpdate and batDelete find records by the destination's
    // primary key (EDatabaseError when it has none).
    void Execute();
    int MovedCount() const { return FMovedCount; }
    int KeyViolCount() const { return FKeyViolCount; }
    int ChangedCount() const { return FChangedCount; }

    void Notification(TComponent *component, TOperation operation) override;

private:
    void Move();
    void CopyStructure();
    bool FindTarget();
    void AssignFields();
    TDataSet *FSource = nullptr;
    TTable *FDestination = nullptr;
    TBatchMode FMode = batAppend;
    std::unique_ptr<TStringList> FMappings;
    int FRecordCount = 0, FMovedCount = 0, FKeyViolCount = 0, FChangedCount = 0;
    bool FAbortOnKeyViol = true;
};
