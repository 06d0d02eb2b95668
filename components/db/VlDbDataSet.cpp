// The data set's cursor, editing steps and notifications.
#include "VlDbDataSet.h"

#include "VlDbDataSource.h"

#include "rtl/VlExceptions.h"
#include "rtl/VlStrings.h"

#include <algorithm>
#include <limits>

std::vector<TPropInfo> DataSetProps()
{
    return {VlBoolProp<&TDataSet::Active, &TDataSet::SetActive>("Active", false),
            VlBoolProp<&TDataSet::Filtered, &TDataSet::SetFiltered>("Filtered", false),
#define VL_EVENT(Name, Type) VlMethodProp<&TDataSet::Name, &TDataSet::Set##Name>(#Name, Type)
            VL_EVENT(BeforeOpen, "TDataSetNotifyEvent"), VL_EVENT(AfterOpen, "TDataSetNotifyEvent"),
            VL_EVENT(BeforeClose, "TDataSetNotifyEvent"), VL_EVENT(AfterClose, "TDataSetNotifyEvent"),
            VL_EVENT(BeforeInsert, "TDataSetNotifyEvent"), VL_EVENT(AfterInsert, "TDataSetNotifyEvent"),
            VL_EVENT(BeforeEdit, "TDataSetNotifyEvent"), VL_EVENT(AfterEdit, "TDataSetNotifyEvent"),
            VL_EVENT(BeforePost, "TDataSetNotifyEvent"), VL_EVENT(AfterPost, "TDataSetNotifyEvent"),
            VL_EVENT(BeforeCancel, "TDataSetNotifyEvent"), VL_EVENT(AfterCancel, "TDataSetNotifyEvent"),
            VL_EVENT(BeforeDelete, "TDataSetNotifyEvent"), VL_EVENT(AfterDelete, "TDataSetNotifyEvent"),
            VL_EVENT(BeforeScroll, "TDataSetNotifyEvent"), VL_EVENT(AfterScroll, "TDataSetNotifyEvent"),
            VL_EVENT(OnNewRecord, "TDataSetNotifyEvent"), VL_EVENT(OnPostError, "TDataSetErrorEvent"),
            VL_EVENT(OnEditError, "TDataSetErrorEvent"), VL_EVENT(OnDeleteError, "TDataSetErrorEvent"),
            VL_EVENT(OnFilterRecord, "TFilterRecordEvent")};
#undef VL_EVENT
}

const TClassInfo &TDataSet::StaticClassInfo()
{
    static const TClassInfo info("TDataSet", &TComponent::StaticClassInfo(), "Db", nullptr, DataSetProps());
    return info;
}

TDataSet::TDataSet(TComponent *owner)
    : TComponent(owner), FFields(std::make_unique<TFields>()), FFieldDefs(std::make_unique<TFieldDefs>())
{
}

TDataSet::~TDataSet()
{
    Destroying();
    for (TDataSource *source : std::vector<TDataSource *>(FDataSources))
        source->SetDataSet(nullptr);
}

void TDataSet::Notification(TComponent *component, TOperation operation)
{
    TComponent::Notification(component, operation);
}

void TDataSet::Loaded()
{
    TComponent::Loaded();
    // A form file's Active = True opens once every property (DatabaseName, SQL) has been read.
    if (FOpenWhenLoaded) {
        FOpenWhenLoaded = false;
        VlGuard([this] { Open(); });
    }
}

void TDataSet::SetActive(bool value)
{
    if (HasState(csLoading) || HasState(csReading)) {
        FOpenWhenLoaded = value;
        return;
    }
    if (value == Active())
        return;
    if (value)
        OpenNow();
    else
        CloseNow();
}

void TDataSet::OpenNow()
{
    Notify(FBeforeOpen, "BeforeOpen");
    FFieldDefs->Clear();
    std::vector<TDbRow> rows;
    FBase = 0;
    FPending = true;
    OpenData(*FFieldDefs, rows);
    CreateFields();
    FRows.clear();
    FState = dsBrowse;  // fields read the filter row from here on
    if (FFiltered && FOnFilterRecord.IsAssigned()) {
        for (TDbRow row; FetchRow(row);)
            rows.push_back(std::move(row));
        FPending = false;
        for (TDbRow &row : rows)
            if (AcceptRecord(row))
                FRows.push_back(std::move(row));
    } else {
        FRows = std::move(rows);
        // Controls show every record; a scan alone reads them as it goes.
        if (!FDataSources.empty())
            FetchRest();
        else
            FetchUpTo(0);
    }
    FCursor = FRows.empty() ? -1 : 0;
    FBof = true;
    FEof = FRows.empty();
    FModified = false;
    DataEvent(deUpdateState);
    DataEvent(deDataSetChange);
    Notify(FAfterOpen, "AfterOpen");
}

void TDataSet::CloseNow()
{
    Notify(FBeforeClose, "BeforeClose");
    if (FState == dsEdit || FState == dsInsert)
        Cancel();
    CloseData();
    FState = dsInactive;
    FPending = false;
    FBase = 0;
    FRows.clear();
    FRows.shrink_to_fit();
    FBuffer.clear();
    FCursor = -1;
    FBof = FEof = true;
    DataEvent(deUpdateState);
    DataEvent(deDataSetChange);
    FFields->Clear();
    Notify(FAfterClose, "AfterClose");
}

void TDataSet::Refresh()
{
    CheckBrowseMode();
    CheckActive();
    const int keep = FBase + FCursor;
    std::vector<TDbRow> rows;
    ReadAllRows(rows);
    FRows.clear();
    for (TDbRow &row : rows)
        if (!FFiltered || !FOnFilterRecord.IsAssigned() || AcceptRecord(row))
            FRows.push_back(std::move(row));
    FCursor = FRows.empty() ? -1 : std::clamp(keep, 0, static_cast<int>(FRows.size()) - 1);
    FBof = FCursor <= 0;
    FEof = FRows.empty();
    DataEvent(deDataSetChange);
}

void TDataSet::CreateFields()
{
    FFields->Clear();
    for (int i = 0; i < FFieldDefs->Count(); ++i) {
        const TFieldDef *def = FFieldDefs->Items(i);
        std::unique_ptr<TField> field = CreateFieldOfType(def->DataType);
        field->SetFieldName(def->Name);
        field->SetSize(def->Size);
        field->SetRequired(def->Required);
        field->Bind(this, i, def->DataType);
        FFields->Add(std::move(field));
    }
}

bool TDataSet::AcceptRecord(const TDbRow &row)
{
    const TDataSetState saved = FState;
    FFilterRow = &row;
    FState = dsFilter;
    TVlEventArgs args;
    args.Sender = this;
    args.Name = "OnFilterRecord";
    args.TypeName = "TFilterRecordEvent";
    args.Allow = true;
    try {
        DispatchVlEvent(FOnFilterRecord, args);
    } catch (...) {
        FState = saved;
        FFilterRow = nullptr;
        throw;
    }
    FState = saved;
    FFilterRow = nullptr;
    return args.Allow;
}

void TDataSet::SetFiltered(bool value)
{
    if (value == FFiltered)
        return;
    FFiltered = value;
    if (Active() && FOnFilterRecord.IsAssigned())
        Refresh();
}

void TDataSet::CheckActive() const
{
    if (!Active())
        DatabaseError("Cannot perform this operation on a closed dataset", this);
}

void TDataSet::CheckCanModify() const
{
    if (!CanModify())
        DatabaseError("Cannot modify a read-only dataset", this);
}

void TDataSet::ReadAllRows(std::vector<TDbRow> &rows)
{
    FFieldDefs->Clear();
    FPending = true;
    OpenData(*FFieldDefs, rows);
    for (TDbRow row; FetchRow(row);)
        rows.push_back(std::move(row));
    FPending = false;
    FBase = 0;
    if (FFieldDefs->Count() != FFields->Count())
        CreateFields();
}

bool TDataSet::FetchUpTo(int index)
{
    while (FPending && index >= static_cast<int>(FRows.size())) {
        TDbRow row;
        if (!FetchRow(row)) {
            FPending = false;
            break;
        }
        FRows.push_back(std::move(row));
    }
    return index < static_cast<int>(FRows.size());
}

void TDataSet::FetchRest()
{
    FetchUpTo(std::numeric_limits<int>::max());
}

void TDataSet::FetchAll()
{
    if (FBase == 0) {
        FetchRest();
        return;
    }
    const int position = FBase + FCursor;
    std::vector<TDbRow> rows;
    ReadAllRows(rows);
    FRows = std::move(rows);
    FCursor = FRows.empty() ? -1 : std::min(position, static_cast<int>(FRows.size()) - 1);
}

int TDataSet::RecordCount()
{
    CheckActive();
    FetchAll();
    return static_cast<int>(FRows.size());
}

int TDataSet::RecNo() const
{
    if (!Active() || FState == dsInsert || FCursor < 0)
        return 0;
    return FBase + FCursor + 1;
}

void TDataSet::SetRecNo(int value)
{
    CheckActive();
    FetchAll();
    if (FRows.empty())
        return;
    MoveBy(std::clamp(value, 1, static_cast<int>(FRows.size())) - 1 - FCursor);
}

void TDataSet::BeforeScrollStep()
{
    CheckActive();
    CheckBrowseMode();
    Notify(FBeforeScroll, "BeforeScroll");
}

void TDataSet::Scrolled(int oldCursor)
{
    if (FCursor != oldCursor)
        DataEvent(deDataSetScroll);
    Notify(FAfterScroll, "AfterScroll");
}

void TDataSet::First()
{
    BeforeScrollStep();
    if (FBase > 0)
        FetchAll();
    const int old = FCursor;
    FCursor = FRows.empty() ? -1 : 0;
    FBof = true;
    FEof = FRows.empty();
    Scrolled(old);
}

void TDataSet::Last()
{
    BeforeScrollStep();
    FetchAll();
    const int old = FCursor;
    FCursor = static_cast<int>(FRows.size()) - 1;
    FEof = true;
    FBof = FRows.empty();
    Scrolled(old);
}

void TDataSet::Next()
{
    // The plain step (no handlers, no links, no pending edit) is what record loops spend their time on.
    // A forward scan of a result read as it goes keeps one record: the one it is on.
    if (FState == dsBrowse && !FBeforeScroll.IsAssigned() && !FAfterScroll.IsAssigned() && FDataSources.empty()) {
        if (FCursor + 1 < static_cast<int>(FRows.size())) {
            ++FCursor;
            FBof = false;
        } else if (FPending && FRows.size() == 1) {
            if (FetchRow(FSpareRow)) {
                FRows.front().swap(FSpareRow);
                ++FBase;
                FBof = false;
            } else {
                FPending = false;
                FEof = true;
            }
        } else if (FetchUpTo(FCursor + 1)) {
            ++FCursor;
            FBof = false;
        } else {
            FEof = true;
        }
        return;
    }
    MoveBy(1);
}

void TDataSet::Prior()
{
    MoveBy(-1);
}

int TDataSet::MoveBy(int distance)
{
    BeforeScrollStep();
    if (distance < 0 && FCursor + distance < 0 && FBase > 0)
        FetchAll();
    else if (distance > 0)
        FetchUpTo(FCursor + distance);
    const int old = FCursor;
    const int last = static_cast<int>(FRows.size()) - 1;
    int moved = 0;
    if (distance > 0) {
        FBof = false;
        moved = std::min(distance, last - FCursor);
        FCursor += moved;
        FEof = moved < distance;
    } else if (distance < 0) {
        FEof = false;
        moved = -std::min(-distance, std::max(FCursor, 0));
        FCursor += moved;
        FBof = moved > distance;
    }
    if (FRows.empty())
        FBof = FEof = true;
    Scrolled(old);
    return moved;
}

const TVarValue &TDataSet::FieldCell(int index) const
{
    static const TVarValue null = DbNull();
    switch (FState) {
    case dsBrowse:
        return FCursor >= 0 ? FRows[size_t(FCursor)][size_t(index)] : null;
    case dsEdit:
    case dsInsert:
        return FBuffer[size_t(index)];
    case dsFilter:
        return (*FFilterRow)[size_t(index)];
    default:
        return null;
    }
}

int TDataSet::DisplayRowCount() const
{
    if (!Active())
        return 0;
    return static_cast<int>(FRows.size()) + (FState == dsInsert ? 1 : 0);
}

int TDataSet::DisplayRow() const
{
    if (FState == dsInsert)
        return FInsertAt;
    return Active() ? FCursor : -1;
}

const TVarValue &TDataSet::DisplayCell(int row, int fieldIndex) const
{
    if ((FState == dsInsert || FState == dsEdit) && row == DisplayRow())
        return FBuffer[size_t(fieldIndex)];
    if (FState == dsInsert && row > FInsertAt)
        --row;
    return FRows[size_t(row)][size_t(fieldIndex)];
}

void TDataSet::SetFieldCell(TField *field, const TVarValue &value)
{
    if (FState != dsEdit && FState != dsInsert)
        DatabaseError("Dataset not in edit or insert mode", this);
    if (field->OnValidate().IsAssigned()) {
        // The handler sees the new value and may refuse it by raising; the old one comes back then.
        const TVarValue old = FBuffer[size_t(field->Index())];
        FBuffer[size_t(field->Index())] = value;
        TVlEventArgs args;
        args.Sender = field;
        args.Name = "OnValidate";
        args.TypeName = "TFieldNotifyEvent";
        try {
            DispatchVlEvent(field->OnValidate(), args);
        } catch (...) {
            FBuffer[size_t(field->Index())] = old;
            throw;
        }
    }
    FBuffer[size_t(field->Index())] = value;
    FModified = true;
    if (field->OnChange().IsAssigned()) {
        TVlEventArgs args;
        args.Sender = field;
        args.Name = "OnChange";
        args.TypeName = "TFieldNotifyEvent";
        DispatchVlEvent(field->OnChange(), args);
    }
    DataEvent(deFieldChange, field);
}

void TDataSet::Edit()
{
    if (FState == dsEdit || FState == dsInsert)
        return;
    CheckActive();
    CheckCanModify();
    FetchAll();
    if (FRows.empty()) {
        Insert();
        return;
    }
    Notify(FBeforeEdit, "BeforeEdit");
    FBuffer = FRows[size_t(FCursor)];
    FModified = false;
    SetState(dsEdit);
    DataEvent(deRecordChange);
    Notify(FAfterEdit, "AfterEdit");
}

void TDataSet::Append()
{
    BeginInsert(true);
}

void TDataSet::Insert()
{
    BeginInsert(false);
}

void TDataSet::BeginInsert(bool append)
{
    CheckActive();
    CheckCanModify();
    CheckBrowseMode();
    FetchAll();
    Notify(FBeforeInsert, "BeforeInsert");
    FInsertAt = append || FCursor < 0 ? static_cast<int>(FRows.size()) : FCursor;
    FBuffer.assign(size_t(FFields->Count()), DbNull());
    FModified = false;
    SetState(dsInsert);
    FBof = FEof = false;
    DataEvent(deDataSetChange);
    Notify(FOnNewRecord, "OnNewRecord");
    Notify(FAfterInsert, "AfterInsert");
}

void TDataSet::Post()
{
    UpdateRecord();
    if (FState != dsEdit && FState != dsInsert)
        DatabaseError("Dataset not in edit or insert mode", this);
    Notify(FBeforePost, "BeforePost");
    for (int i = 0; i < FFields->Count(); ++i) {
        TField *field = FFields->Fields(i);
        if (field->Required() && DbIsNull(FBuffer[size_t(i)]) && !field->Is<TAutoIncField>())
            DatabaseError("Field '" + field->FieldName() + "' must have a value", this);
    }
    for (;;) {
        try {
            if (FState == dsInsert)
                PostData(nullptr, FBuffer);
            else
                PostData(&FRows[size_t(FCursor)], FBuffer);
            break;
        } catch (const EDatabaseError &) {
            if (HandleError(FOnPostError, "OnPostError"))
                throw;
        }
    }
    if (FState == dsInsert) {
        FRows.insert(FRows.begin() + FInsertAt, std::move(FBuffer));
        FCursor = FInsertAt;
    } else {
        FRows[size_t(FCursor)] = std::move(FBuffer);
    }
    FBuffer.clear();
    FModified = false;
    FBof = FEof = false;
    SetState(dsBrowse);
    DataEvent(deDataSetChange);
    Notify(FAfterPost, "AfterPost");
}

void TDataSet::Cancel()
{
    if (FState != dsEdit && FState != dsInsert)
        return;
    Notify(FBeforeCancel, "BeforeCancel");
    FBuffer.clear();
    FModified = false;
    SetState(dsBrowse);
    FBof = FCursor <= 0;
    FEof = FRows.empty();
    DataEvent(deDataSetChange);
    Notify(FAfterCancel, "AfterCancel");
}

void TDataSet::Delete()
{
    CheckActive();
    if (FState == dsInsert) {
        Cancel();
        return;
    }
    if (FRows.empty())
        DatabaseError("Cannot perform this operation on an empty dataset", this);
    CheckCanModify();
    FetchAll();
    Notify(FBeforeDelete, "BeforeDelete");
    for (;;) {
        try {
            DeleteData(FRows[size_t(FCursor)]);
            break;
        } catch (const EDatabaseError &) {
            if (HandleError(FOnDeleteError, "OnDeleteError"))
                throw;
        }
    }
    FRows.erase(FRows.begin() + FCursor);
    if (FCursor >= static_cast<int>(FRows.size()))
        FCursor = static_cast<int>(FRows.size()) - 1;
    FBuffer.clear();
    SetState(dsBrowse);
    FBof = FCursor <= 0;
    FEof = FRows.empty();
    DataEvent(deDataSetChange);
    Notify(FAfterDelete, "AfterDelete");
}

void TDataSet::SetFields(const std::vector<TVarValue> &values)
{
    Edit();
    for (size_t i = 0; i < values.size() && i < size_t(FFields->Count()); ++i)
        if (!DbIsNull(values[i]))
            FFields->Fields(int(i))->SetValue(values[i]);
}

void TDataSet::AppendRecord(const std::vector<TVarValue> &values)
{
    Append();
    SetFields(values);
    Post();
}

void TDataSet::InsertRecord(const std::vector<TVarValue> &values)
{
    Insert();
    SetFields(values);
    Post();
}

void TDataSet::ClearFields()
{
    if (FState != dsEdit && FState != dsInsert)
        DatabaseError("Dataset not in edit or insert mode", this);
    for (int i = 0; i < FFields->Count(); ++i)
        FFields->Fields(i)->Clear();
}

bool TDataSet::FindFirst()
{
    First();
    return FFound = !IsEmpty();
}

bool TDataSet::FindLast()
{
    Last();
    return FFound = !IsEmpty();
}

bool TDataSet::FindNext()
{
    Next();
    return FFound = !IsEmpty() && !FEof;
}

bool TDataSet::FindPrior()
{
    Prior();
    return FFound = !IsEmpty() && !FBof;
}

void TDataSet::CheckBrowseMode()
{
    if (FState == dsEdit || FState == dsInsert) {
        UpdateRecord();
        if (FModified)
            Post();
        else
            Cancel();
    }
}

void TDataSet::UpdateRecord()
{
    if (FState == dsEdit || FState == dsInsert)
        DataEvent(deUpdateRecord);
}

void TDataSet::PostData(const TDbRow *, TDbRow &)
{
    CheckCanModify();
}

void TDataSet::DeleteData(const TDbRow &)
{
    CheckCanModify();
}

void TDataSet::EnableControls()
{
    if (FDisableCount > 0 && --FDisableCount == 0)
        DataEvent(deDataSetChange);
}

void TDataSet::GetFieldNames(TStrings *list) const
{
    list->Clear();
    for (int i = 0; i < FFields->Count(); ++i)
        list->Add(FFields->Fields(i)->FieldName());
    if (!Active())
        for (int i = 0; i < FFieldDefs->Count(); ++i)
            list->Add(FFieldDefs->Items(i)->Name);
}

std::vector<TVarValue> TDataSet::FieldValues(const std::string &names) const
{
    std::vector<TVarValue> values;
    for (const std::string &name : SplitFieldNames(names))
        values.push_back(FieldByName(name)->Value());
    return values;
}

void TDataSet::SetFieldValues(const std::string &names, const std::vector<TVarValue> &values)
{
    const std::vector<std::string> list = SplitFieldNames(names);
    for (size_t i = 0; i < list.size() && i < values.size(); ++i)
        FieldByName(list[i])->SetValue(values[i]);
}

namespace {

std::vector<int> KeyIndexes(const TDataSet &dataSet, const std::string &keyFields, size_t valueCount)
{
    std::vector<int> indexes;
    for (const std::string &name : SplitFieldNames(keyFields))
        indexes.push_back(dataSet.FieldByName(name)->Index());
    if (indexes.size() != valueCount)
        DatabaseError("Wrong number of key values for '" + keyFields + "'", &dataSet);
    return indexes;
}

bool RowMatches(const TDbRow &row, const std::vector<int> &indexes, const std::vector<TVarValue> &values,
                TLocateOptions options)
{
    for (size_t k = 0; k < indexes.size(); ++k)
        if (!DbValuesEqual(row[size_t(indexes[k])], values[k], options & (1u << loCaseInsensitive),
                           options & (1u << loPartialKey)))
            return false;
    return true;
}

} // namespace

bool TDataSet::Locate(const std::string &keyFields, const std::vector<TVarValue> &keyValues, TLocateOptions options)
{
    CheckBrowseMode();
    CheckActive();
    const std::vector<int> indexes = KeyIndexes(*this, keyFields, keyValues.size());
    FetchAll();
    for (size_t r = 0; r < FRows.size(); ++r) {
        if (RowMatches(FRows[r], indexes, keyValues, options)) {
            MoveBy(static_cast<int>(r) - FCursor);
            FBof = FEof = false;
            return true;
        }
    }
    return false;
}

std::vector<TVarValue> TDataSet::Lookup(const std::string &keyFields, const std::vector<TVarValue> &keyValues,
                                        const std::string &resultFields)
{
    CheckActive();
    const std::vector<int> indexes = KeyIndexes(*this, keyFields, keyValues.size());
    FetchAll();
    for (const TDbRow &row : FRows) {
        if (RowMatches(row, indexes, keyValues, 0)) {
            std::vector<TVarValue> result;
            for (const std::string &name : SplitFieldNames(resultFields))
                result.push_back(row[size_t(FieldByName(name)->Index())]);
            return result;
        }
    }
    return {};
}

void TDataSet::SetState(TDataSetState state)
{
    if (state == FState)
        return;
    FState = state;
    DataEvent(deUpdateState);
}

void TDataSet::Notify(const TMethod &handler, const char *name)
{
    if (!handler.IsAssigned() || HasState(csDestroying))
        return;
    TVlEventArgs args;
    args.Sender = this;
    args.Name = name;
    args.TypeName = "TDataSetNotifyEvent";
    DispatchVlEvent(handler, args);
}

bool TDataSet::HandleError(const TMethod &handler, const char *name)
{
    if (!handler.IsAssigned())
        return true;
    TVlEventArgs args;
    args.Sender = this;
    args.Name = name;
    args.TypeName = "TDataSetErrorEvent";
    args.Error = std::current_exception();
    args.Value = daFail;
    DispatchVlEvent(handler, args);
    if (args.Value == daAbort)
        throw EAbort("Operation aborted");
    return args.Value != daRetry;
}

void TDataSet::AddDataSource(TDataSource *source)
{
    if (std::find(FDataSources.begin(), FDataSources.end(), source) == FDataSources.end())
        FDataSources.push_back(source);
    // Controls show every record, the ones a scan has passed too.
    if (Active())
        FetchAll();
}

void TDataSet::RemoveDataSource(TDataSource *source)
{
    std::erase(FDataSources, source);
}

void TDataSet::DataEvent(TDataEvent event, TField *field)
{
    if (FDisableCount > 0 && event != deUpdateRecord && event != deUpdateState)
        return;
    for (TDataSource *source : std::vector<TDataSource *>(FDataSources))
        source->DataEvent(event, field);
}
