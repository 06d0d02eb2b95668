// Data-aware controls: each shows one field of its data source's current record and writes what
// the user changes back into it (TDBEdit, TDBText, TDBMemo, TDBCheckBox, TDBLookupComboBox), and
// the navigator that moves through and edits the records.
#pragma once

#include "VlDbDataSource.h"

#include "components/VlStdCtrls.h"

#include <memory>
#include <string>
#include <vector>

class QToolButton;

// DataSource and DataField of the single-field controls.
#define VL_DB_FIELD_CONTROL                                                                  \
    TDataSource *DataSource() const { return FLink.DataSource(); }                         \
    void SetDataSource(TDataSource *source) { SetLinkSource(FLink, source, this); }        \
    const std::string &DataField() const { return FLink.FieldName(); }                     \
    void SetDataField(const std::string &name) { FLink.SetFieldName(name); }               \
    TField *Field() const { return FLink.Field(); }                                        \
    void Notification(TComponent *component, TOperation operation) override                \
    {                                                                                      \
        Base::Notification(component, operation);                                         \
        if (operation == TOperation::opRemove && component == FLink.DataSource())          \
            FLink.SetDataSource(nullptr);                                                  \
    }

// Links a control's data link to a source, asking to hear when the source is freed.
void SetLinkSource(TDataLink &link, TDataSource *source, TComponent *control);

class TDBEdit : public TEdit {
    VL_CLASS(TDBEdit)
    using Base = TEdit;
    explicit TDBEdit(TComponent *owner = nullptr);
    VL_DB_FIELD_CONTROL
    void Change() override;

protected:
    void DoExit() override;
    void KeyPress(char &keyChar) override;

private:
    void ShowField();
    TFieldDataLink FLink;
    bool FShowing = false;
};

class TDBText : public TLabel {
    VL_CLASS(TDBText)
    using Base = TLabel;
    explicit TDBText(TComponent *owner = nullptr);
    VL_DB_FIELD_CONTROL

private:
    TFieldDataLink FLink;
};

class TDBMemo : public TMemo {
    VL_CLASS(TDBMemo)
    using Base = TMemo;
    explicit TDBMemo(TComponent *owner = nullptr);
    VL_DB_FIELD_CONTROL

protected:
    void DoExit() override;

private:
    void ShowField();
    TFieldDataLink FLink;
    bool FShowing = false;
};

class TDBCheckBox : public TCheckBox {
    VL_CLASS(TDBCheckBox)
    using Base = TCheckBox;
    explicit TDBCheckBox(TComponent *owner = nullptr);
    VL_DB_FIELD_CONTROL
    // For fields that are not Boolean: the texts that mean checked and unchecked ("True", "False").
    const std::string &ValueChecked() const { return FValueChecked; }
    void SetValueChecked(const std::string &text) { FValueChecked = text; ShowField(); }
    const std::string &ValueUnchecked() const { return FValueUnchecked; }
    void SetValueUnchecked(const std::string &text) { FValueUnchecked = text; ShowField(); }
    void Click() override;

private:
    void ShowField();
    TFieldDataLink FLink;
    std::string FValueChecked = "True", FValueUnchecked = "False";
    bool FShowing = false;
};

// Shows the ListField of the records of ListSource and stores the chosen record's KeyField in
// the field DataField of DataSource.
class TDBLookupComboBox : public TWinControl {
    VL_CLASS(TDBLookupComboBox)
    using Base = TWinControl;
    explicit TDBLookupComboBox(TComponent *owner = nullptr);
    ~TDBLookupComboBox() override;
    VL_DB_FIELD_CONTROL
    TDataSource *ListSource() const;
    void SetListSource(TDataSource *source);
    const std::string &KeyField() const { return FKeyField; }
    void SetKeyField(const std::string &name) { FKeyField = name; FillList(); }
    const std::string &ListField() const { return FListField; }
    void SetListField(const std::string &name) { FListField = name; FillList(); }
    // The key of the chosen record; Null when none is chosen.
    TVarValue KeyValue() const;
    void SetKeyValue(const TVarValue &value);
    std::string Text() const override;
    int ItemCount() const { return static_cast<int>(FKeys.size()); }

private:
    class TListLink;
    void FillList();
    void ShowField();
    void Chosen(int index);
    TFieldDataLink FLink;
    std::unique_ptr<TListLink> FListLink;
    std::string FKeyField, FListField;
    std::vector<TVarValue> FKeys;
    int FIndex = -1;
    bool FShowing = false;
};

enum TNavigateBtn { nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, nbEdit, nbPost, nbCancel, nbRefresh };
using TButtonSet = uint32_t;
const TEnumInfo &NavigateBtnEnumInfo();

class TDBNavigator : public TWinControl {
    VL_CLASS(TDBNavigator)
    explicit TDBNavigator(TComponent *owner = nullptr);
    ~TDBNavigator() override;
    TDataSource *DataSource() const;
    void SetDataSource(TDataSource *source);
    TButtonSet VisibleButtons() const { return FVisibleButtons; }
    void SetVisibleButtons(TButtonSet buttons);
    // Deleting asks first ("Удалить запись?") unless this is off.
    bool ConfirmDelete() const { return FConfirmDelete; }
    void SetConfirmDelete(bool value) { FConfirmDelete = value; }
    // Does what the button does, as a click on it.
    void BtnClick(TNavigateBtn button);
    bool ButtonEnabled(TNavigateBtn button) const;
    void Notification(TComponent *component, TOperation operation) override;

private:
    class TNavLink;
    void UpdateButtons();
    std::unique_ptr<TNavLink> FLink;
    std::vector<QToolButton *> FButtons;
    TButtonSet FVisibleButtons = (1u << (nbRefresh + 1)) - 1;
    bool FConfirmDelete = true;
};
