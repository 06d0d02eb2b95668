// The data-aware controls and the navigator.
#include "VlDbCtrls.h"

#include "VlDbDataSet.h"

#include "components/VlControlProps.h"
#include "components/VlWidgetBridge.h"
#include "rtl/VlNameCompare.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QToolButton>

#define VL_FIELD_CONTROL_PROPS(Class)                                              \
    VlStrProp<&Class::DataField, &Class::SetDataField>("DataField"),              \
        VlClassProp<&Class::DataSource, &Class::SetDataSource>("DataSource", "TDataSource")

void SetLinkSource(TDataLink &link, TDataSource *source, TComponent *control)
{
    if (link.DataSource() && control)
        link.DataSource()->RemoveFreeNotification(control);
    link.SetDataSource(source);
    if (source && control)
        source->FreeNotification(control);
}

namespace {

// Starts editing the record for a control the user typed into. Entering edit mode shows the record
// again, so the typed text is put back over it. False, with the field shown again, when the data
// set cannot edit.
bool KeepTypedText(TFieldDataLink &link, TControl &control, bool &showing, const std::function<void()> &showField)
{
    const std::string typed = control.Text();
    if (!link.Edit()) {
        showField();
        return false;
    }
    if (control.Text() != typed) {
        showing = true;
        control.SetText(typed);
        showing = false;
    }
    link.Modified();
    return true;
}

} // namespace

// TDBEdit --------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS(TDBEdit, TEdit, "DbCtrls", VL_FIELD_CONTROL_PROPS(TDBEdit))

TDBEdit::TDBEdit(TComponent *owner) : TEdit(owner)
{
    FLink.OnDataChange = [this] { ShowField(); };
    FLink.OnEditingChange = [this] { ShowField(); };
    FLink.OnUpdateData = [this] { FLink.Field()->SetText(Text()); };
}

void TDBEdit::ShowField()
{
    if (HasState(csDestroying))
        return;
    FShowing = true;
    TField *field = FLink.Field();
    SetText(!field ? std::string() : FLink.Editing() ? field->Text() : field->DisplayText());
    FShowing = false;
}

void TDBEdit::Change()
{
    if (!FShowing && FLink.Field() && !KeepTypedText(FLink, *this, FShowing, [this] { ShowField(); }))
        return;
    TEdit::Change();
}

void TDBEdit::DoExit()
{
    FLink.UpdateRecord();
    TEdit::DoExit();
}

void TDBEdit::KeyPress(char &keyChar)
{
    TEdit::KeyPress(keyChar);
    if (keyChar == '\r') {
        FLink.UpdateRecord();
    } else if (keyChar == 27 && FLink.Editing() && FLink.DataSet()) {
        FLink.DataSet()->Cancel();
        keyChar = 0;
    }
}

// TDBText --------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS(TDBText, TLabel, "DbCtrls", VL_FIELD_CONTROL_PROPS(TDBText))

TDBText::TDBText(TComponent *owner) : TLabel(owner)
{
    FLink.OnDataChange = [this] {
        if (!HasState(csDestroying))
            SetText(FLink.Field() ? FLink.Field()->DisplayText() : (HasState(csDesigning) ? Name() : std::string()));
    };
}

// TDBMemo --------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS(TDBMemo, TMemo, "DbCtrls", VL_FIELD_CONTROL_PROPS(TDBMemo))

TDBMemo::TDBMemo(TComponent *owner) : TMemo(owner)
{
    FLink.OnDataChange = [this] { ShowField(); };
    FLink.OnUpdateData = [this] { FLink.Field()->SetAsString(Text()); };
    auto *editor = qobject_cast<QPlainTextEdit *>(Widget());
    if (!editor)
        editor = Widget()->findChild<QPlainTextEdit *>();
    QObject::connect(editor, &QPlainTextEdit::textChanged, Bridge(), [this] {
        if (FShowing || !FLink.Field())
            return;
        VlGuard([this] { KeepTypedText(FLink, *this, FShowing, [this] { ShowField(); }); });
    });
}

void TDBMemo::ShowField()
{
    if (HasState(csDestroying))
        return;
    FShowing = true;
    SetText(FLink.Field() ? FLink.Field()->AsString() : std::string());
    FShowing = false;
}

void TDBMemo::DoExit()
{
    FLink.UpdateRecord();
    TMemo::DoExit();
}

// TDBCheckBox ----------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS(TDBCheckBox, TCheckBox, "DbCtrls", VL_FIELD_CONTROL_PROPS(TDBCheckBox),
    VlStrProp<&TDBCheckBox::ValueChecked, &TDBCheckBox::SetValueChecked>("ValueChecked"),
    VlStrProp<&TDBCheckBox::ValueUnchecked, &TDBCheckBox::SetValueUnchecked>("ValueUnchecked"))

TDBCheckBox::TDBCheckBox(TComponent *owner) : TCheckBox(owner)
{
    FLink.OnDataChange = [this] { ShowField(); };
    FLink.OnUpdateData = [this] {
        TField *field = FLink.Field();
        if (field->DataType() == ftBoolean)
            field->SetAsBoolean(Checked());
        else
            field->SetAsString(Checked() ? FValueChecked : FValueUnchecked);
    };
}

void TDBCheckBox::ShowField()
{
    if (HasState(csDestroying))
        return;
    TField *field = FLink.Field();
    TCheckBoxState state = cbUnchecked;
    if (field && field->IsNull())
        state = AllowGrayed() ? cbGrayed : cbUnchecked;
    else if (field && field->DataType() == ftBoolean)
        state = field->AsBoolean() ? cbChecked : cbUnchecked;
    else if (field)
        state = VlSameName(field->AsString(), FValueChecked) ? cbChecked : cbUnchecked;
    FShowing = true;
    SetState(state);
    FShowing = false;
}

void TDBCheckBox::Click()
{
    if (!FShowing && FLink.Field()) {
        const TCheckBoxState chosen = State();
        if (!FLink.Edit()) {
            ShowField();
            return;
        }
        FShowing = true;
        SetState(chosen);
        FShowing = false;
        FLink.Modified();
        FLink.UpdateRecord();
    }
    TCheckBox::Click();
}

// TDBLookupComboBox ----------------------------------------------------------------------------

class TDBLookupComboBox::TListLink : public TDataLink {
public:
    explicit TListLink(TDBLookupComboBox &owner) : FOwner(owner) {}
    void ActiveChanged() override { FOwner.FillList(); }
    void DataSetChanged() override { FOwner.FillList(); }
    void DataSetScrolled() override {}

private:
    TDBLookupComboBox &FOwner;
};

VL_IMPLEMENT_CLASS_PROPS(TDBLookupComboBox, TWinControl, "DbCtrls", VlProps::Common(),
    {VL_FIELD_CONTROL_PROPS(TDBLookupComboBox),
     VlStrProp<&TDBLookupComboBox::KeyField, &TDBLookupComboBox::SetKeyField>("KeyField"),
     VlStrProp<&TDBLookupComboBox::ListField, &TDBLookupComboBox::SetListField>("ListField"),
     VlClassProp<&TDBLookupComboBox::ListSource, &TDBLookupComboBox::SetListSource>("ListSource", "TDataSource")},
    VlProps::TabOrder(), VlProps::TabStop(true), VlProps::Font())

TDBLookupComboBox::TDBLookupComboBox(TComponent *owner)
    : TWinControl(owner), FListLink(std::make_unique<TListLink>(*this))
{
    auto *combo = new QComboBox;
    SetWidget(combo);
    QObject::connect(combo, &QComboBox::activated, Bridge(), [this](int index) {
        VlGuard([this, index] { Chosen(index); });
    });
    FLink.OnDataChange = [this] { ShowField(); };
    FLink.OnUpdateData = [this] {
        if (FIndex >= 0 && FIndex < ItemCount())
            FLink.Field()->SetValue(FKeys[size_t(FIndex)]);
    };
    SetTabStop(true);
    SetColor(clWindow);
    SetDefaultSize(145, 21);
}

TDBLookupComboBox::~TDBLookupComboBox()
{
    Destroying();
    FListLink->SetDataSource(nullptr);
    FLink.SetDataSource(nullptr);
}

TDataSource *TDBLookupComboBox::ListSource() const
{
    return FListLink->DataSource();
}

void TDBLookupComboBox::SetListSource(TDataSource *source)
{
    SetLinkSource(*FListLink, source, this);
    FillList();
}

void TDBLookupComboBox::FillList()
{
    if (HasState(csDestroying))
        return;
    auto *combo = static_cast<QComboBox *>(Widget());
    FKeys.clear();
    QSignalBlocker blocker(combo);
    combo->clear();
    TDataSet *list = FListLink->DataSet();
    if (list && list->Active() && !FKeyField.empty()) {
        TField *key = list->FindField(FKeyField);
        TField *shown = list->FindField(FListField.empty() ? FKeyField : FListField);
        if (key && shown) {
            for (int row = 0; row < list->DisplayRowCount(); ++row) {
                FKeys.push_back(list->DisplayCell(row, key->Index()));
                combo->addItem(VlToQString(shown->FormatValue(list->DisplayCell(row, shown->Index()), true)));
            }
        }
    }
    ShowField();
}

void TDBLookupComboBox::ShowField()
{
    if (HasState(csDestroying))
        return;
    TField *field = FLink.Field();
    SetKeyValue(field ? field->Value() : DbNull());
}

TVarValue TDBLookupComboBox::KeyValue() const
{
    return FIndex >= 0 && FIndex < ItemCount() ? FKeys[size_t(FIndex)] : DbNull();
}

void TDBLookupComboBox::SetKeyValue(const TVarValue &value)
{
    FIndex = -1;
    for (int i = 0; i < ItemCount() && !DbIsNull(value); ++i)
        if (DbValuesEqual(FKeys[size_t(i)], value, false, false))
            FIndex = i;
    auto *combo = static_cast<QComboBox *>(Widget());
    QSignalBlocker blocker(combo);
    combo->setCurrentIndex(FIndex);
}

std::string TDBLookupComboBox::Text() const
{
    return VlFromQString(static_cast<QComboBox *>(Widget())->currentText());
}

void TDBLookupComboBox::Chosen(int index)
{
    if (!FLink.Field() || !FLink.Edit()) {
        ShowField();
        return;
    }
    FIndex = index;
    FLink.Modified();
    FLink.UpdateRecord();
}

// TDBNavigator ---------------------------------------------------------------------------------

const TEnumInfo &NavigateBtnEnumInfo()
{
    static const TEnumInfo info("TNavigateBtn", {"nbFirst", "nbPrior", "nbNext", "nbLast", "nbInsert", "nbDelete",
                                                 "nbEdit", "nbPost", "nbCancel", "nbRefresh"});
    return info;
}

class TDBNavigator::TNavLink : public TDataLink {
public:
    explicit TNavLink(TDBNavigator &owner) : FOwner(owner) {}
    void ActiveChanged() override { FOwner.UpdateButtons(); }
    void DataSetChanged() override { FOwner.UpdateButtons(); }
    void EditingChanged() override { FOwner.UpdateButtons(); }

private:
    TDBNavigator &FOwner;
};

VL_IMPLEMENT_CLASS_PROPS(TDBNavigator, TWinControl, "DbCtrls", VlProps::Common(), VlProps::Align(),
    {VlBoolProp<&TDBNavigator::ConfirmDelete, &TDBNavigator::SetConfirmDelete>("ConfirmDelete", true),
     VlClassProp<&TDBNavigator::DataSource, &TDBNavigator::SetDataSource>("DataSource", "TDataSource"),
     VlSetProp<&TDBNavigator::VisibleButtons, &TDBNavigator::SetVisibleButtons>("VisibleButtons", "TButtonSet",
                                                                              NavigateBtnEnumInfo(), (1u << 10) - 1)},
    VlProps::TabOrder(), VlProps::TabStop(false))

namespace {

const struct {
    const char *Glyph;
    const char *Hint;  // UTF-8
} NavButtons[] = {
    {"|\u25C0", "Первая запись"}, {"\u25C0", "Предыдущая запись"}, {"\u25B6", "Следующая запись"},
    {"\u25B6|", "Последняя запись"}, {"+", "Вставить запись"}, {"\u2212", "Удалить запись"},
    {"\u25B2", "Изменить запись"}, {"\u2714", "Сохранить изменения"}, {"\u2716", "Отменить изменения"},
    {"\u21BB", "Обновить данные"},
};

} // namespace

TDBNavigator::TDBNavigator(TComponent *owner) : TWinControl(owner), FLink(std::make_unique<TNavLink>(*this))
{
    auto *panel = new QWidget;
    SetWidget(panel);
    auto *layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (int i = 0; i <= nbRefresh; ++i) {
        auto *button = new QToolButton(panel);
        button->setText(QString::fromUtf8(NavButtons[i].Glyph));
        button->setToolTip(QString::fromUtf8(NavButtons[i].Hint));
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        button->setFocusPolicy(Qt::NoFocus);
        QObject::connect(button, &QToolButton::clicked, Bridge(), [this, i] {
            VlGuard([this, i] { BtnClick(static_cast<TNavigateBtn>(i)); });
        });
        layout->addWidget(button);
        FButtons.push_back(button);
    }
    SetDefaultSize(240, 25);
    UpdateButtons();
}

TDBNavigator::~TDBNavigator()
{
    Destroying();
    FLink->SetDataSource(nullptr);
}

TDataSource *TDBNavigator::DataSource() const
{
    return FLink->DataSource();
}

void TDBNavigator::SetDataSource(TDataSource *source)
{
    SetLinkSource(*FLink, source, this);
    UpdateButtons();
}

void TDBNavigator::Notification(TComponent *component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FLink->DataSource())
        FLink->SetDataSource(nullptr);
}

void TDBNavigator::SetVisibleButtons(TButtonSet buttons)
{
    FVisibleButtons = buttons;
    for (size_t i = 0; i < FButtons.size(); ++i)
        FButtons[i]->setVisible(buttons & (1u << i));
}

bool TDBNavigator::ButtonEnabled(TNavigateBtn button) const
{
    TDataSet *dataSet = FLink->DataSet();
    if (!FLink->Active() || !dataSet)
        return false;
    const bool editing = FLink->Editing();
    const bool canModify = dataSet->CanModify();
    const int row = dataSet->DisplayRow();
    const int count = dataSet->DisplayRowCount();
    switch (button) {
    case nbFirst:
    case nbPrior: return !editing && row > 0;
    case nbNext:
    case nbLast: return !editing && row >= 0 && row < count - 1;
    case nbInsert: return canModify && !editing;
    case nbDelete: return canModify && !editing && count > 0;
    case nbEdit: return canModify && !editing && count > 0;
    case nbPost:
    case nbCancel: return editing;
    case nbRefresh: return !editing;
    }
    return false;
}

void TDBNavigator::UpdateButtons()
{
    if (HasState(csDestroying))
        return;
    for (size_t i = 0; i < FButtons.size(); ++i)
        FButtons[i]->setEnabled(ButtonEnabled(static_cast<TNavigateBtn>(i)));
}

void TDBNavigator::BtnClick(TNavigateBtn button)
{
    TDataSet *dataSet = FLink->DataSet();
    if (!dataSet || !ButtonEnabled(button))
        return;
    switch (button) {
    case nbFirst: dataSet->First(); break;
    case nbPrior: dataSet->Prior(); break;
    case nbNext: dataSet->Next(); break;
    case nbLast: dataSet->Last(); break;
    case nbInsert: dataSet->Insert(); break;
    case nbDelete:
        if (!FConfirmDelete
            || QMessageBox::question(Widget(), QStringLiteral("Veltrano"), QStringLiteral("Удалить запись?"))
                   == QMessageBox::Yes)
            dataSet->Delete();
        break;
    case nbEdit: dataSet->Edit(); break;
    case nbPost: dataSet->Post(); break;
    case nbCancel: dataSet->Cancel(); break;
    case nbRefresh: dataSet->Refresh(); break;
    }
    UpdateButtons();
}
