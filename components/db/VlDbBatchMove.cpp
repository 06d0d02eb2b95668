// Moving records between data sets, one posted record at a time.
#include "VlDbBatchMove.h"

#include "VlDbTables.h"

#include "rtl/VlExceptions.h"
#include "rtl/VlNameCompare.h"
#include "rtl/VlStringList.h"

const TEnumInfo &BatchModeEnumInfo()
{
    static const TEnumInfo info("TBatchMode", {"batAppend", "batUpdate", "batAppendUpdate", "batDelete", "batCopy"});
    return info;
}

VL_IMPLEMENT_CLASS(TBatchMove, TComponent, "DbTables",
    VlBoolProp<&TBatchMove::AbortOnKeyViol, &TBatchMove::SetAbortOnKeyViol>("AbortOnKeyViol", true),
    VlClassProp<&TBatchMove::Destination, &TBatchMove::SetDestination>("Destination", "TTable"),
    VlClassProp<&TBatchMove::Mappings, &TBatchMove::SetMappings>("Mappings", "TStrings"),
    VlEnumProp<&TBatchMove::Mode, &TBatchMove::SetMode>("Mode", BatchModeEnumInfo(), batAppend),
    VlIntProp<&TBatchMove::RecordCount, &TBatchMove::SetRecordCount>("RecordCount"),
    VlClassProp<&TBatchMove::Source, &TBatchMove::SetSource>("Source", "TDataSet"))

TBatchMove::TBatchMove(TComponent *owner) : TComponent(owner), FMappings(std::make_unique<TStringList>()) {}

TBatchMove::~TBatchMove()
{
    Destroying();
}

void TBatchMove::SetSource(TDataSet *source)
{
    Refer(FSource, source);
}

void TBatchMove::SetDestination(TTable *destination)
{
    Refer(FDestination, destination);
}

void TBatchMove::Notification(TComponent *component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == FSource)
        FSource = nullptr;
    if (component == FDestination)
        FDestination = nullptr;
}

TStrings *TBatchMove::Mappings() const
{
    return FMappings.get();
}

void TBatchMove::SetMappings(TStrings *lines)
{
    FMappings->Assign(lines);
}

void TBatchMove::Execute()
{
    if (!FSource || !FDestination)
        DatabaseError("No source or destination for the batch move", this);
    FMovedCount = FKeyViolCount = FChangedCount = 0;
    if (FMode == batCopy)
        CopyStructure();
    if (!FSource->Active())
        FSource->Open();
    if (!FDestination->Active())
        FDestination->Open();
    if (FMode == batUpdate || FMode == batAppendUpdate || FMode == batDelete) {
        bool keyed = false;
        for (int i = 0; i < FDestination->IndexDefs()->Count(); ++i)
            keyed = keyed || (FDestination->IndexDefs()->Items(i)->Options & (1u << ixPrimary));
        if (!keyed)
            DatabaseError("Destination table has no primary key", this);
    }
    FSource->DisableControls();
    FDestination->DisableControls();
    try {
        Move();
    } catch (...) {
        FDestination->Cancel();
        FSource->EnableControls();
        FDestination->EnableControls();
        throw;
    }
    FSource->EnableControls();
    FDestination->EnableControls();
}

void TBatchMove::CopyStructure()
{
    if (FDestination->Active())
        FDestination->Close();
    if (!FSource->Active())
        FSource->Open();
    if (FDestination->Exists())
        FDestination->DeleteTable();
    FDestination->FieldDefs()->Clear();
    for (int i = 0; i < FSource->FieldCount(); ++i) {
        const TField *field = FSource->Fields()->Fields(i);
        FDestination->FieldDefs()->Add(field->FieldName(), field->DataType(), field->Size(), field->Required());
    }
    FDestination->CreateTable();
}

void TBatchMove::Move()
{
    for (FSource->First(); !FSource->Eof() && (FRecordCount <= 0 || FMovedCount < FRecordCount); FSource->Next()) {
        ++FMovedCount;
        const bool found = FMode != batAppend && FMode != batCopy && FindTarget();
        if (FMode == batDelete) {
            if (found) {
                FDestination->Delete();
                ++FChangedCount;
            }
            continue;
        }
        if (FMode == batUpdate && !found)
            continue;
        if (found)
            FDestination->Edit();
        else
            FDestination->Append();
        try {
            AssignFields();
            FDestination->Post();
            if (found)
                ++FChangedCount;
        } catch (const EDatabaseError &) {
            FDestination->Cancel();
            ++FKeyViolCount;
            if (FAbortOnKeyViol)
                throw;
        }
    }
}

bool TBatchMove::FindTarget()
{
    std::string keys;
    for (int i = 0; i < FDestination->IndexDefs()->Count(); ++i)
        if (FDestination->IndexDefs()->Items(i)->Options & (1u << ixPrimary))
            keys = FDestination->IndexDefs()->Items(i)->Fields;
    std::vector<TVarValue> values;
    for (const std::string &name : SplitFieldNames(keys)) {
        std::string from = name;
        for (int i = 0; i < FMappings->Count(); ++i)
            if (VlSameName(FMappings->Names(i), name))
                from = FMappings->ValueFromIndex(i);
        values.push_back(FSource->FieldByName(from)->Value());
    }
    return FDestination->Locate(keys, values, 0);
}

void TBatchMove::AssignFields()
{
    if (FMappings->Count() == 0) {
        for (int i = 0; i < FSource->FieldCount(); ++i) {
            const TField *from = FSource->Fields()->Fields(i);
            // The destination numbers its own automatic keys.
            if (TField *to = FDestination->FindField(from->FieldName()); to && !to->Is<TAutoIncField>())
                to->SetValue(from->Value());
        }
        return;
    }
    for (int i = 0; i < FMappings->Count(); ++i) {
        const std::string line = FMappings->Strings(i);
        const size_t equals = line.find('=');
        const std::string target = line.substr(0, equals);
        const std::string source = equals == std::string::npos ? target : line.substr(equals + 1);
        FDestination->FieldByName(target)->SetValue(FSource->FieldByName(source)->Value());
    }
}
