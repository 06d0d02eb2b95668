// The data grid: a Qt table view over the data set's records.
#include "VlDbGrids.h"

#include "VlDbDataSet.h"

#include "components/VlControlProps.h"
#include "components/VlWidgetBridge.h"

#include <QAbstractTableModel>
#include <QFontMetrics>
#include <QHeaderView>
#include <QTableView>

#include <algorithm>

// The model the view reads: the grid's cells, titles and the record indicator.
class TDBGridModel : public QAbstractTableModel {
public:
    explicit TDBGridModel(TDBGrid &grid) : FGrid(grid) {}
    int rowCount(const QModelIndex &parent) const override { return parent.isValid() ? 0 : FGrid.RowCount(); }
    int columnCount(const QModelIndex &parent) const override { return parent.isValid() ? 0 : FGrid.FieldCount(); }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            return VlToQString(FGrid.CellText(index.row(), index.column()));
        if (role == Qt::TextAlignmentRole) {
            static const int horizontal[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};
            return horizontal[std::clamp(FGrid.ColumnAlignment(index.column()), 0, 2)] | Qt::AlignVCenter;
        }
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        if (orientation == Qt::Horizontal)
            return VlToQString(FGrid.ColumnTitle(section));
        const TDataSet *dataSet = FGrid.DataSource() ? FGrid.DataSource()->DataSet() : nullptr;
        if (!dataSet || section != dataSet->DisplayRow())
            return QString();
        // The indicator: the current record, being edited, or new.
        switch (dataSet->State()) {
        case dsEdit: return QStringLiteral("I");
        case dsInsert: return QStringLiteral("*");
        default: return QString::fromUtf8("\u25B6");
        }
    }
    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (FGrid.CanEditCell(index.row(), index.column()))
            flags |= Qt::ItemIsEditable;
        return flags;
    }
    bool setData(const QModelIndex &index, const QVariant &value, int role) override
    {
        if (role != Qt::EditRole)
            return false;
        bool done = false;
        VlGuard([&] {
            FGrid.EditCell(index.row(), index.column(), VlFromQString(value.toString()));
            done = true;
        });
        return done;
    }
    void Reset()
    {
        beginResetModel();
        endResetModel();
    }
    void RowChanged(int row)
    {
        if (row < 0 || row >= FGrid.RowCount())
            return;
        emit dataChanged(index(row, 0), index(row, std::max(0, FGrid.FieldCount() - 1)));
        emit headerDataChanged(Qt::Vertical, 0, FGrid.RowCount() - 1);
    }

private:
    TDBGrid &FGrid;
};

class TDBGrid::TGridLink : public TDataLink {
public:
    explicit TGridLink(TDBGrid &grid) : FGrid(grid) {}
    void ActiveChanged() override { FGrid.LayoutChanged(); }
    void DataSetChanged() override { FGrid.LayoutChanged(); }
    void DataSetScrolled() override { FGrid.RecordMoved(); }
    void RecordChanged(TField *) override { FGrid.RowChanged(); }
    void EditingChanged() override { FGrid.RowChanged(); }

private:
    TDBGrid &FGrid;
};

// TColumnTitle, TColumn, TDBGridColumns -----------------------------------------------------------

VL_IMPLEMENT_CLASS(TColumnTitle, TPersistent, "DbGrids",
    VlStrProp<&TColumnTitle::Caption, &TColumnTitle::SetCaption>("Caption"))

void TColumnTitle::SetCaption(const std::string &text)
{
    FCaption = text;
    if (Column)
        Column->TitleChanged();
}

void TColumnTitle::Assign(const TPersistent *source)
{
    if (auto *title = dynamic_cast<const TColumnTitle *>(source)) {
        SetCaption(title->Caption());
        return;
    }
    TPersistent::Assign(source);
}

VL_IMPLEMENT_CLASS(TColumn, TCollectionItem, "DbGrids",
    VlStrProp<&TColumn::FieldName, &TColumn::SetFieldName>("FieldName"),
    VlBoolProp<&TColumn::ReadOnly, &TColumn::SetReadOnly>("ReadOnly", false),
    VlClassProp<&TColumn::Title, &TColumn::SetTitle>("Title", "TColumnTitle"),
    VlBoolProp<&TColumn::Visible, &TColumn::SetVisible>("Visible", true),
    VlIntProp<&TColumn::Width, &TColumn::SetWidth>("Width").WithDefault(-1))

TColumn::TColumn(TCollection *collection) : TCollectionItem(collection), FTitle(std::make_unique<TColumnTitle>())
{
    FTitle->Column = this;
}

TColumn::~TColumn()
{
    FTitle->Column = nullptr;
}

void TColumn::SetFieldName(const std::string &name)
{
    FFieldName = name;
    Changed(false);
}

void TColumn::SetWidth(int value)
{
    FWidth = value;
    Changed(false);
}

void TColumn::SetVisible(bool value)
{
    FVisible = value;
    Changed(false);
}

int TColumn::Alignment() const
{
    if (FAlignment >= 0)
        return FAlignment;
    const TField *field = Field();
    return field ? field->Alignment() : 0;
}

void TColumn::SetAlignment(int value)
{
    FAlignment = value;
    Changed(false);
}

TDBGrid *TColumn::Grid() const
{
    auto *columns = dynamic_cast<TDBGridColumns *>(Collection());
    return columns ? columns->Grid() : nullptr;
}

TField *TColumn::Field() const
{
    TDBGrid *grid = Grid();
    TDataSet *dataSet = grid && grid->DataSource() ? grid->DataSource()->DataSet() : nullptr;
    return dataSet && dataSet->Active() ? dataSet->FindField(FFieldName) : nullptr;
}

void TColumn::Assign(const TPersistent *source)
{
    if (auto *column = dynamic_cast<const TColumn *>(source)) {
        FFieldName = column->FFieldName;
        FTitle->Assign(column->Title());
        FWidth = column->FWidth;
        FVisible = column->FVisible;
        FReadOnly = column->FReadOnly;
        FAlignment = column->FAlignment;
        Changed(false);
        return;
    }
    TCollectionItem::Assign(source);
}

VL_IMPLEMENT_CLASS(TDBGridColumns, TCollection, "DbGrids")

TDBGridColumns::TDBGridColumns(TDBGrid *grid) : TCollection(TColumn::StaticClassInfo(), grid), FGrid(grid)
{
    SetPropName("Columns");
}

void TDBGridColumns::Update(TCollectionItem *)
{
    if (FGrid)
        FGrid->LayoutChanged();
}

void TDBGridColumns::RebuildColumns()
{
    BeginUpdate();
    Clear();
    TDataSet *dataSet = FGrid && FGrid->DataSource() ? FGrid->DataSource()->DataSet() : nullptr;
    if (dataSet)
        for (int i = 0; i < dataSet->FieldCount(); ++i)
            Add()->SetFieldName(dataSet->Fields()->Fields(i)->FieldName());
    EndUpdate();
}

// TDBGrid --------------------------------------------------------------------------------------

const TEnumInfo &DBGridOptionEnumInfo()
{
    static const TEnumInfo info("TDBGridOption",
        {"dgEditing", "dgAlwaysShowEditor", "dgTitles", "dgIndicator", "dgColumnResize", "dgColLines", "dgRowLines",
         "dgTabs", "dgRowSelect", "dgAlwaysShowSelection", "dgConfirmDelete", "dgCancelOnExit", "dgMultiSelect"});
    return info;
}

namespace {

constexpr TDBGridOptions DefaultOptions = 1u << dgEditing | 1u << dgTitles | 1u << dgIndicator
                                          | 1u << dgColumnResize | 1u << dgColLines | 1u << dgRowLines
                                          | 1u << dgTabs | 1u << dgConfirmDelete | 1u << dgCancelOnExit;

} // namespace

VL_IMPLEMENT_CLASS(TCustomDBGrid, TWinControl, "DbGrids")
VL_IMPLEMENT_CLASS_PROPS(TDBGrid, TCustomDBGrid, "DbGrids", VlProps::Align(), VlProps::Common(),
    {VlClassProp<&TDBGrid::Columns, &TDBGrid::SetColumns>("Columns", "TDBGridColumns"),
     VlClassProp<&TDBGrid::DataSource, &TDBGrid::SetDataSource>("DataSource", "TDataSource"),
     VlSetProp<&TDBGrid::Options, &TDBGrid::SetOptions>("Options", "TDBGridOptions", DBGridOptionEnumInfo(),
                                                         DefaultOptions),
     VlBoolProp<&TDBGrid::ReadOnly, &TDBGrid::SetReadOnly>("ReadOnly", false)},
    VlProps::Color(clWindow), VlProps::Font(), VlProps::ParentFont(), VlProps::TabOrder(), VlProps::TabStop(true),
    VlProps::OnClick(), VlProps::KeyEvents())

TDBGrid::TDBGrid(TComponent *owner)
    : TCustomDBGrid(owner), FLink(std::make_unique<TGridLink>(*this)),
      FColumns(std::make_unique<TDBGridColumns>(this)), FOptions(DefaultOptions)
{
    auto *view = new QTableView;
    FModel = new TDBGridModel(*this);
    view->setModel(FModel);
    FModel->setParent(view);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->verticalHeader()->setDefaultSectionSize(18);
    view->verticalHeader()->setMinimumWidth(14);
    SetWidget(view);
    QObject::connect(view->selectionModel(), &QItemSelectionModel::currentChanged, Bridge(),
                     [this](const QModelIndex &current, const QModelIndex &) {
                         if (!FSyncing && current.isValid())
                             VlGuard([this, current] { ViewRowChosen(current.row()); });
                     });
    SetTabStop(true);
    SetColor(clWindow);
    SetDefaultSize(320, 120);
    ApplyOptions();
}

TDBGrid::~TDBGrid()
{
    Destroying();
    FLink->SetDataSource(nullptr);
    FColumns.reset();
}

QTableView *TDBGrid::View() const
{
    return static_cast<QTableView *>(Widget());
}

TDataSource *TDBGrid::DataSource() const
{
    return FLink->DataSource();
}

void TDBGrid::SetDataSource(TDataSource *source)
{
    if (FLink->DataSource())
        FLink->DataSource()->RemoveFreeNotification(this);
    FLink->SetDataSource(source);
    if (source)
        source->FreeNotification(this);
    LayoutChanged();
}

void TDBGrid::Notification(TComponent *component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FLink->DataSource())
        FLink->SetDataSource(nullptr);
}

void TDBGrid::Loaded()
{
    TWinControl::Loaded();
    LayoutChanged();
}

void TDBGrid::SetOptions(TDBGridOptions value)
{
    FOptions = value;
    ApplyOptions();
}

void TDBGrid::SetReadOnly(bool value)
{
    FReadOnly = value;
    ApplyOptions();
}

void TDBGrid::ApplyOptions()
{
    QTableView *view = View();
    view->horizontalHeader()->setVisible(FOptions & (1u << dgTitles));
    view->verticalHeader()->setVisible(FOptions & (1u << dgIndicator));
    view->setShowGrid(FOptions & (1u << dgColLines | 1u << dgRowLines));
    view->setSelectionBehavior(FOptions & (1u << dgRowSelect) ? QAbstractItemView::SelectRows
                                                             : QAbstractItemView::SelectItems);
    view->horizontalHeader()->setSectionResizeMode(FOptions & (1u << dgColumnResize) ? QHeaderView::Interactive
                                                                                    : QHeaderView::Fixed);
    const bool editing = (FOptions & (1u << dgEditing)) && !FReadOnly;
    view->setEditTriggers(editing ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                        | QAbstractItemView::AnyKeyPressed
                                  : QAbstractItemView::NoEditTriggers);
}

void TDBGrid::LayoutChanged()
{
    if (HasState(csDestroying) || !FModel)
        return;
    FShown.clear();
    TDataSet *dataSet = FLink->DataSet();
    const bool active = FLink->Active() && dataSet;
    if (FColumns->Count() > 0) {
        for (int i = 0; i < FColumns->Count(); ++i)
            if (TColumn *column = FColumns->Items(i); column->Visible())
                FShown.push_back({active ? dataSet->FindField(column->FieldName()) : nullptr, column});
    } else if (active) {
        for (int i = 0; i < dataSet->FieldCount(); ++i)
            if (TField *field = dataSet->Fields()->Fields(i); field->Visible())
                FShown.push_back({field, nullptr});
    }
    FSyncing = true;
    FModel->Reset();
    for (int i = 0; i < FieldCount(); ++i)
        View()->setColumnWidth(i, ColumnWidth(i));
    FSyncing = false;
    RecordMoved();
}

void TDBGrid::RecordMoved()
{
    if (HasState(csDestroying) || !FModel)
        return;
    TDataSet *dataSet = FLink->DataSet();
    const int row = FLink->Active() && dataSet ? dataSet->DisplayRow() : -1;
    if (row >= FModel->rowCount(QModelIndex())) {
        LayoutChanged();
        return;
    }
    FSyncing = true;
    const int column = std::max(0, View()->currentIndex().column());
    if (row >= 0 && FieldCount() > 0) {
        const QModelIndex index = FModel->index(row, std::min(column, FieldCount() - 1));
        View()->setCurrentIndex(index);
        View()->scrollTo(index);
    } else {
        View()->setCurrentIndex(QModelIndex());
    }
    emit FModel->headerDataChanged(Qt::Vertical, 0, std::max(0, RowCount() - 1));
    FSyncing = false;
}

void TDBGrid::RowChanged()
{
    if (HasState(csDestroying) || !FModel)
        return;
    TDataSet *dataSet = FLink->DataSet();
    if (!dataSet || dataSet->DisplayRowCount() != FModel->rowCount(QModelIndex())) {
        LayoutChanged();
        return;
    }
    FModel->RowChanged(dataSet->DisplayRow());
}

TField *TDBGrid::Fields(int index) const
{
    return index >= 0 && index < FieldCount() ? FShown[size_t(index)].Field : nullptr;
}

int TDBGrid::RowCount() const
{
    TDataSet *dataSet = FLink->DataSet();
    return FLink->Active() && dataSet ? dataSet->DisplayRowCount() : 0;
}

std::string TDBGrid::CellText(int row, int column) const
{
    TField *field = Fields(column);
    TDataSet *dataSet = FLink->DataSet();
    if (!field || !dataSet || row < 0 || row >= RowCount())
        return {};
    if (row == dataSet->DisplayRow())
        return field->DisplayText();
    return field->FormatValue(dataSet->DisplayCell(row, field->Index()), true);
}

int TDBGrid::ColumnAlignment(int column) const
{
    if (column < 0 || column >= FieldCount())
        return 0;
    const TShownColumn &shown = FShown[size_t(column)];
    if (shown.Column)
        return shown.Column->Alignment();
    return shown.Field ? shown.Field->Alignment() : 0;
}

std::string TDBGrid::ColumnTitle(int column) const
{
    if (column < 0 || column >= FieldCount())
        return {};
    const TShownColumn &shown = FShown[size_t(column)];
    if (shown.Column && !shown.Column->Title()->Caption().empty())
        return shown.Column->Title()->Caption();
    if (shown.Field)
        return shown.Field->DisplayLabel();
    return shown.Column ? shown.Column->FieldName() : std::string();
}

int TDBGrid::ColumnWidth(int column) const
{
    const TShownColumn &shown = FShown[size_t(column)];
    if (shown.Column && shown.Column->Width() >= 0)
        return shown.Column->Width();
    const QFontMetrics metrics(View()->font());
    const int chars = shown.Field ? shown.Field->DisplayWidth() : 10;
    const int title = metrics.horizontalAdvance(VlToQString(ColumnTitle(column)));
    return std::max(metrics.averageCharWidth() * std::min(chars, 30), title) + 8;
}

int TDBGrid::SelectedIndex() const
{
    return std::max(0, View()->currentIndex().column());
}

void TDBGrid::SetSelectedIndex(int index)
{
    if (index < 0 || index >= FieldCount())
        return;
    const int row = std::max(0, View()->currentIndex().row());
    FSyncing = true;
    View()->setCurrentIndex(FModel->index(row, index));
    FSyncing = false;
}

TField *TDBGrid::SelectedField() const
{
    return Fields(SelectedIndex());
}

void TDBGrid::SetSelectedField(TField *field)
{
    for (int i = 0; i < FieldCount(); ++i)
        if (FShown[size_t(i)].Field == field)
            SetSelectedIndex(i);
}

bool TDBGrid::CanEditCell(int, int column) const
{
    TField *field = Fields(column);
    TDataSet *dataSet = FLink->DataSet();
    const TColumn *shown = column >= 0 && column < FieldCount() ? FShown[size_t(column)].Column : nullptr;
    return (FOptions & (1u << dgEditing)) && !FReadOnly && field && !field->ReadOnly() && dataSet
           && dataSet->CanModify() && !(shown && shown->ReadOnly());
}

void TDBGrid::EditCell(int row, int column, const std::string &text)
{
    TField *field = Fields(column);
    TDataSet *dataSet = FLink->DataSet();
    if (!field || !dataSet || !CanEditCell(row, column))
        return;
    if (row != dataSet->DisplayRow())
        ViewRowChosen(row);
    if (!FLink->Editing())
        FLink->DataSource()->Edit();
    if (!FLink->Editing())
        dataSet->Edit();
    field->SetText(text);
}

void TDBGrid::ViewRowChosen(int row)
{
    TDataSet *dataSet = FLink->DataSet();
    if (!dataSet || !dataSet->Active() || row == dataSet->DisplayRow())
        return;
    dataSet->CheckBrowseMode();
    dataSet->SetRecNo(row + 1);
}
