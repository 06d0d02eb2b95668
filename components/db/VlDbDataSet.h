// TDataSet: records read from an engine into memory, a cursor over them, editing through an edit
// buffer, and the events and data-source notifications around each step.
//
// Descendants supply the records (OpenData) and, when they can write, store each posted or deleted
// record in the engine (PostData, DeleteData) before the in-memory copy changes, so that what
// scripts see always matches what the engine holds.
#pragma once

#include "VlDbDefs.h"
#include "VlDbField.h"

#include "rtl/VlComponent.h"

#include <memory>
#include <string>
#include <vector>

class TDataSource;
class TStrings;

class TDataSet : public TComponent {
    VL_CLASS(TDataSet)
    explicit TDataSet(TComponent *owner = nullptr);
    ~TDataSet() override;

    bool Active() const { return FState != dsInactive; }
    void SetActive(bool value);
    void Open() { SetActive(true); }
    void Close() { SetActive(false); }
    // Reads the records again, keeping the cursor position where the records allow.
    void Refresh();

    void First();
    void Last();
    void Next();
    void Prior();
    // Moves by distance records (negative: backwards); returns how far it went.
    int MoveBy(int distance);
    bool Eof() const { return FEof; }
    bool Bof() const { return FBof; }
    bool IsEmpty() const { return FRows.empty(); }
    int RecordCount();
    // 1-based position of the current record; 0 when there is none (and while inserting).
    int RecNo() const;
    void SetRecNo(int value);

    void Append();
    void Insert();
    void Edit();
    void Post();
    void Cancel();
    void Delete();
    // The values of the fields in order, a new record posted at once (Append/InsertRecord) or the
    // current one changed (SetFields, which leaves it in edit mode); a Null value leaves its field.
    void AppendRecord(const std::vector<TVarValue> &values);
    void InsertRecord(const std::vector<TVarValue> &values);
    void SetFields(const std::vector<TVarValue> &values);
    // Every field of the record being edited or inserted back to Null.
    void ClearFields();
    // Moves as First/Last/Next/Prior do; true when the cursor went there (also kept in Found).
    bool FindFirst();
    bool FindLast();
    bool FindNext();
    bool FindPrior();
    bool Found() const { return FFound; }
    // The table posted records are written to; empty for a data set that writes nowhere.
    virtual std::string UpdateTableName() const { return {}; }
    // Posts a pending edit (what scrolling and closing do first).
    void CheckBrowseMode();
    // Asks the data-aware controls to write what they show into the fields.
    void UpdateRecord();

    TDataSetState State() const { return FState; }
    bool Modified() const { return FModified; }
    virtual bool CanModify() const { return false; }
    bool Filtered() const { return FFiltered; }
    void SetFiltered(bool value);
    void DisableControls() { ++FDisableCount; }
    void EnableControls();
    bool ControlsDisabled() const { return FDisableCount > 0; }

    TFields *Fields() const { return FFields.get(); }
    int FieldCount() const { return FFields->Count(); }
    TField *FindField(const std::string &name) const { return FFields->FindField(name); }
    TField *FieldByName(const std::string &name) const { return FFields->FieldByName(name); }
    TFieldDefs *FieldDefs() const { return FFieldDefs.get(); }
    void GetFieldNames(TStrings *list) const;
    // FieldValues['A;B']: one field's value, or several as the list the caller makes of them.
    std::vector<TVarValue> FieldValues(const std::string &names) const;
    void SetFieldValues(const std::string &names, const std::vector<TVarValue> &values);
    // Moves to the first record whose fields (names separated by ';') equal the values; false
    // (cursor unchanged) when none does.
    bool Locate(const std::string &keyFields, const std::vector<TVarValue> &keyValues, TLocateOptions options);
    // The values of resultFields in the first record matching, without moving; empty when none.
    std::vector<TVarValue> Lookup(const std::string &keyFields, const std::vector<TVarValue> &keyValues,
                                  const std::string &resultFields);

    // The value of field index in the current record (the edit buffer while editing); used by TField.
    const TVarValue &FieldCell(int index) const;
    void SetFieldCell(TField *field, const TVarValue &value);

    // The records as a grid shows them: while inserting, the new record stands at its place.
    int DisplayRowCount() const;
    int DisplayRow() const;  // the current record's row; -1 when there is none
    const TVarValue &DisplayCell(int row, int fieldIndex) const;

    // Data sources register themselves to hear of changes.
    void AddDataSource(TDataSource *source);
    void RemoveDataSource(TDataSource *source);
    void DataEvent(TDataEvent event, TField *field = nullptr);

    // The events.
#define VL_DATASET_EVENT(Name)                       \
    TMethod Name() const { return F##Name; }         \
    void Set##Name(const TMethod &h) { F##Name = h; }
    VL_DATASET_EVENT(BeforeOpen) VL_DATASET_EVENT(AfterOpen) VL_DATASET_EVENT(BeforeClose)
    VL_DATASET_EVENT(AfterClose) VL_DATASET_EVENT(BeforeInsert) VL_DATASET_EVENT(AfterInsert)
    VL_DATASET_EVENT(BeforeEdit) VL_DATASET_EVENT(AfterEdit) VL_DATASET_EVENT(BeforePost)
    VL_DATASET_EVENT(AfterPost) VL_DATASET_EVENT(BeforeCancel) VL_DATASET_EVENT(AfterCancel)
    VL_DATASET_EVENT(BeforeDelete) VL_DATASET_EVENT(AfterDelete) VL_DATASET_EVENT(BeforeScroll)
    VL_DATASET_EVENT(AfterScroll) VL_DATASET_EVENT(OnNewRecord) VL_DATASET_EVENT(OnPostError)
    VL_DATASET_EVENT(OnEditError) VL_DATASET_EVENT(OnDeleteError) VL_DATASET_EVENT(OnFilterRecord)
#undef VL_DATASET_EVENT

    void Notification(TComponent *component, TOperation operation) override;
    void Loaded() override;

protected:
    // Fills defs with the columns and rows with the records. Raise EDatabaseError on failure.
    virtual void OpenData(TFieldDefs &defs, std::vector<TDbRow> &rows) = 0;
    // The next record of a result OpenData left open (it may give only the first records and read
    // the rest as the cursor gets there) into the row given, whose cells it may reuse; false when
    // there is none (the row is left as it was), and the result is released.
    virtual bool FetchRow(TDbRow &) { return false; }
    virtual void CloseData() {}
    // Reads the records not yet fetched, so that the engine's result can be released.
    void FetchRest();
public:
    // Every record of the engine's result read into memory now.
    void FetchAllRecords() { FetchAll(); }

protected:
    // Stores a posted record in the engine: oldRow is null for a new record; the engine may fill in
    // generated values (an auto-increment key) in row.
    virtual void PostData(const TDbRow *oldRow, TDbRow &row);
    virtual void DeleteData(const TDbRow &row);
    // Raises EDatabaseError "Cannot perform this operation on a closed dataset" when closed.
    void CheckActive() const;
    // Raises EDatabaseError "Cannot modify a read-only dataset" unless CanModify.
    void CheckCanModify() const;

private:
    void OpenNow();
    void CloseNow();
    void CreateFields();
    bool AcceptRecord(const TDbRow &row);
    void BeginInsert(bool append);
    void SetState(TDataSetState state);
    void Notify(const TMethod &handler, const char *name);
    // Runs an error handler: false when the step is to be tried again; raises for daFail and daAbort.
    bool HandleError(const TMethod &handler, const char *name);
    void Scrolled(int oldCursor);
    void BeforeScrollStep();
    // Every record in memory: the rest fetched, and the query run again when a forward scan has
    // already let the first records go.
    void FetchAll();
    // Fetches until the record at index (of FRows) is there; false when the result ends first.
    bool FetchUpTo(int index);
    void ReadAllRows(std::vector<TDbRow> &rows);

    std::unique_ptr<TFields> FFields;
    std::unique_ptr<TFieldDefs> FFieldDefs;
    std::vector<TDbRow> FRows;
    TDbRow FSpareRow;             // what a forward scan reads the next record into
    TDbRow FBuffer;               // the record being edited or inserted
    const TDbRow *FFilterRow = nullptr;
    int FCursor = -1;             // index into FRows, -1 when empty
    int FBase = 0;                // records a forward scan has let go, before FRows[0]
    bool FPending = false;        // the engine's result may hold more records
    int FInsertAt = -1;           // where an inserted record goes
    TDataSetState FState = dsInactive;
    bool FBof = true, FEof = true, FModified = false, FFiltered = false, FOpenWhenLoaded = false, FFound = false;
    int FDisableCount = 0;
    std::vector<TDataSource *> FDataSources;
    TMethod FBeforeOpen, FAfterOpen, FBeforeClose, FAfterClose, FBeforeInsert, FAfterInsert, FBeforeEdit,
        FAfterEdit, FBeforePost, FAfterPost, FBeforeCancel, FAfterCancel, FBeforeDelete, FAfterDelete,
        FBeforeScroll, FAfterScroll, FOnNewRecord, FOnPostError, FOnEditError, FOnDeleteError, FOnFilterRecord;
};

// The published properties every data set has (Active, Filtered and the events), for descendants.
std::vector<TPropInfo> DataSetProps();
