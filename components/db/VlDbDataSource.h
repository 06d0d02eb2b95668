// TDataSource connects a data set to data-aware controls; TDataLink is what a control holds to
// hear of the data set's changes, TFieldDataLink the link of a control showing one field.
#pragma once

#include "VlDbTypes.h"

#include "rtl/VlComponent.h"

#include <functional>
#include <string>
#include <vector>

class TDataSet;
class TDataLink;
class TField;

class TDataSource : public TComponent {
    VL_CLASS(TDataSource)
    explicit TDataSource(TComponent *owner = nullptr);
    ~TDataSource() override;

    TDataSet *DataSet() const { return FDataSet; }
    void SetDataSet(TDataSet *dataSet);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    bool AutoEdit() const { return FAutoEdit; }
    void SetAutoEdit(bool value) { FAutoEdit = value; }
    // The data set's state; dsInactive without one, or when disabled.
    TDataSetState State() const;
    // Puts the data set into edit mode when AutoEdit allows it.
    void Edit();
    // Whether the source links to the data set (itself, or through a chain of sources).
    bool IsLinkedTo(const TDataSet *dataSet) const { return dataSet && dataSet == FDataSet; }

    TMethod OnDataChange() const { return FOnDataChange; }
    void SetOnDataChange(const TMethod &h) { FOnDataChange = h; }
    TMethod OnStateChange() const { return FOnStateChange; }
    void SetOnStateChange(const TMethod &h) { FOnStateChange = h; }
    TMethod OnUpdateData() const { return FOnUpdateData; }
    void SetOnUpdateData(const TMethod &h) { FOnUpdateData = h; }

    void AddLink(TDataLink *link);
    void RemoveLink(TDataLink *link);
    // What the data set reports; handed on to the links and the events.
    void DataEvent(TDataEvent event, TField *field);
    void Notification(TComponent *component, TOperation operation) override;

private:
    void RaiseNotify(const TMethod &handler, const char *name);
    TDataSet *FDataSet = nullptr;
    bool FEnabled = true, FAutoEdit = true;
    TDataSetState FLastState = dsInactive;
    std::vector<TDataLink *> FLinks;
    TMethod FOnDataChange, FOnStateChange, FOnUpdateData;
};

class TDataLink {
public:
    TDataLink() = default;
    TDataLink(const TDataLink &) = delete;
    TDataLink &operator=(const TDataLink &) = delete;
    virtual ~TDataLink();

    TDataSource *DataSource() const { return FDataSource; }
    void SetDataSource(TDataSource *source);
    TDataSet *DataSet() const;
    // The source has an open data set.
    bool Active() const;
    bool Editing() const;
    // Puts the data set into edit mode (through the source's AutoEdit); true when it is editing.
    bool Edit();

    // What the source reports.
    virtual void ActiveChanged() {}
    virtual void DataSetChanged() {}
    virtual void DataSetScrolled() { DataSetChanged(); }
    virtual void RecordChanged(TField *) {}
    virtual void EditingChanged() {}
    virtual void UpdateData() {}

private:
    TDataSource *FDataSource = nullptr;
};

// The link of a control that shows one field: the field is found by name whenever the data set
// opens or changes its fields; the control is told when the record or the editing state changes.
class TFieldDataLink : public TDataLink {
public:
    const std::string &FieldName() const { return FFieldName; }
    void SetFieldName(const std::string &name);
    // Null while the data set is closed or has no such field.
    TField *Field() const { return FField; }
    bool CanModify() const;
    // Marks the control's text as changed, so that it is written back into the field.
    void Modified() { FModified = true; }
    bool IsModified() const { return FModified; }
    // Writes a modified control's value back (the control's OnUpdateData), as posting and leaving do.
    void UpdateRecord();

    std::function<void()> OnDataChange;    // show the field's value again
    std::function<void()> OnEditingChange;
    std::function<void()> OnUpdateData;    // write the control's value into the field
    std::function<void()> OnActiveChange;

    void ActiveChanged() override;
    void DataSetChanged() override;
    void RecordChanged(TField *field) override;
    void EditingChanged() override;
    void UpdateData() override;

private:
    void FindField();
    std::string FFieldName;
    TField *FField = nullptr;
    bool FModified = false, FEditing = false;
};
