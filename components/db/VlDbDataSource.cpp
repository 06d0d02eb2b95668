// Data sources and data links.
#include "VlDbDataSource.h"

#include "VlDbDataSet.h"

#include <algorithm>

VL_IMPLEMENT_CLASS(TDataSource, TComponent, "Db",
    VlBoolProp<&TDataSource::AutoEdit, &TDataSource::SetAutoEdit>("AutoEdit", true),
    VlClassProp<&TDataSource::DataSet, &TDataSource::SetDataSet>("DataSet", "TDataSet"),
    VlBoolProp<&TDataSource::Enabled, &TDataSource::SetEnabled>("Enabled", true),
    VlMethodProp<&TDataSource::OnDataChange, &TDataSource::SetOnDataChange>("OnDataChange", "TDataChangeEvent"),
    VlMethodProp<&TDataSource::OnStateChange, &TDataSource::SetOnStateChange>("OnStateChange"),
    VlMethodProp<&TDataSource::OnUpdateData, &TDataSource::SetOnUpdateData>("OnUpdateData"))

TDataSource::TDataSource(TComponent *owner) : TComponent(owner) {}

TDataSource::~TDataSource()
{
    Destroying();
    SetDataSet(nullptr);
    for (TDataLink *link : std::vector<TDataLink *>(FLinks))
        link->SetDataSource(nullptr);
}

void TDataSource::SetDataSet(TDataSet *dataSet)
{
    if (dataSet == FDataSet)
        return;
    if (FDataSet) {
        FDataSet->RemoveDataSource(this);
        FDataSet->RemoveFreeNotification(this);
    }
    FDataSet = dataSet;
    if (FDataSet) {
        FDataSet->AddDataSource(this);
        FDataSet->FreeNotification(this);
    }
    if (!HasState(csDestroying))
        DataEvent(deUpdateState, nullptr);
}

void TDataSource::Notification(TComponent *component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FDataSet)
        SetDataSet(nullptr);
}

void TDataSource::SetEnabled(bool value)
{
    if (value == FEnabled)
        return;
    FEnabled = value;
    DataEvent(deUpdateState, nullptr);
}

TDataSetState TDataSource::State() const
{
    return FDataSet && FEnabled ? FDataSet->State() : dsInactive;
}

void TDataSource::Edit()
{
    if (FAutoEdit && State() == dsBrowse)
        FDataSet->Edit();
}

void TDataSource::AddLink(TDataLink *link)
{
    if (std::find(FLinks.begin(), FLinks.end(), link) == FLinks.end())
        FLinks.push_back(link);
}

void TDataSource::RemoveLink(TDataLink *link)
{
    std::erase(FLinks, link);
}

void TDataSource::RaiseNotify(const TMethod &handler, const char *name)
{
    if (!handler.IsAssigned() || HasState(csDestroying) || HasState(csLoading))
        return;
    TVlEventArgs args;
    args.Sender = this;
    args.Name = name;
    args.TypeName = "TNotifyEvent";
    DispatchVlEvent(handler, args);
}

void TDataSource::DataEvent(TDataEvent event, TField *field)
{
    if (event == deUpdateState) {
        const TDataSetState state = State();
        if (state == FLastState)
            return;
        const bool activeChanged = (state == dsInactive) != (FLastState == dsInactive);
        FLastState = state;
        for (TDataLink *link : std::vector<TDataLink *>(FLinks)) {
            if (activeChanged)
                link->ActiveChanged();
            link->EditingChanged();
        }
        RaiseNotify(FOnStateChange, "OnStateChange");
        return;
    }
    if (!FEnabled)
        return;
    switch (event) {
    case deUpdateRecord:
        for (TDataLink *link : std::vector<TDataLink *>(FLinks))
            link->UpdateData();
        RaiseNotify(FOnUpdateData, "OnUpdateData");
        return;
    case deFieldChange:
    case deRecordChange:
        for (TDataLink *link : std::vector<TDataLink *>(FLinks))
            link->RecordChanged(field);
        break;
    case deDataSetScroll:
        for (TDataLink *link : std::vector<TDataLink *>(FLinks))
            link->DataSetScrolled();
        break;
    case deDataSetChange:
    case deLayoutChange:
        for (TDataLink *link : std::vector<TDataLink *>(FLinks))
            link->DataSetChanged();
        break;
    default:
        return;
    }
    if (FOnDataChange.IsAssigned() && !HasState(csDestroying) && !HasState(csLoading)) {
        TVlEventArgs args;
        args.Sender = this;
        args.Name = "OnDataChange";
        args.TypeName = "TDataChangeEvent";
        args.Item = event == deFieldChange ? field : nullptr;
        DispatchVlEvent(FOnDataChange, args);
    }
}

TDataLink::~TDataLink()
{
    SetDataSource(nullptr);
}

void TDataLink::SetDataSource(TDataSource *source)
{
    if (source == FDataSource)
        return;
    if (FDataSource)
        FDataSource->RemoveLink(this);
    FDataSource = source;
    if (FDataSource)
        FDataSource->AddLink(this);
    ActiveChanged();
}

TDataSet *TDataLink::DataSet() const
{
    return FDataSource ? FDataSource->DataSet() : nullptr;
}

bool TDataLink::Active() const
{
    return FDataSource && FDataSource->State() != dsInactive;
}

bool TDataLink::Editing() const
{
    const TDataSetState state = FDataSource ? FDataSource->State() : dsInactive;
    return state == dsEdit || state == dsInsert;
}

bool TDataLink::Edit()
{
    if (FDataSource && !Editing())
        FDataSource->Edit();
    return Editing();
}

void TFieldDataLink::SetFieldName(const std::string &name)
{
    FFieldName = name;
    FindField();
    if (OnDataChange)
        OnDataChange();
}

void TFieldDataLink::FindField()
{
    FField = Active() && !FFieldName.empty() ? DataSet()->FindField(FFieldName) : nullptr;
}

bool TFieldDataLink::CanModify() const
{
    return FField && !FField->ReadOnly() && DataSet()->CanModify();
}

void TFieldDataLink::ActiveChanged()
{
    FindField();
    FModified = false;
    if (OnActiveChange)
        OnActiveChange();
    if (OnDataChange)
        OnDataChange();
}

void TFieldDataLink::DataSetChanged()
{
    // The data set may have made new fields (a refresh, another query): find ours again by name.
    FindField();
    FModified = false;
    if (OnDataChange)
        OnDataChange();
}

void TFieldDataLink::RecordChanged(TField *field)
{
    if (field && field != FField)
        return;
    FModified = false;
    if (OnDataChange)
        OnDataChange();
}

void TFieldDataLink::EditingChanged()
{
    const bool editing = Editing() && CanModify();
    if (editing == FEditing)
        return;
    FEditing = editing;
    if (OnEditingChange)
        OnEditingChange();
}

void TFieldDataLink::UpdateData()
{
    if (FModified && FField && OnUpdateData) {
        FModified = false;
        OnUpdateData();
    }
}

void TFieldDataLink::UpdateRecord()
{
    UpdateData();
}
