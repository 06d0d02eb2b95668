// TVlInspector: the property grid view.
#include "VlInspector.h"

#include "VlInspectorEditors.h"
#include "VlInspectorPropData.h"
#include "components/VlColors.h"
#include "components/VlControls.h"
#include "components/VlGraphics.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QKeyEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QVBoxLayout>

namespace {

constexpr int IndentStep = 12;
constexpr int ExpanderSize = 9;

std::optional<QString> AskLinesInDialog(QWidget *parent, const QString &title, const QString &text)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(title);
    auto *layout = new QVBoxLayout(&dialog);
    auto *edit = new QPlainTextEdit(&dialog);
    edit->setPlainText(text);
    layout->addWidget(edit);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.resize(360, 260);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return edit->toPlainText();
}

bool IsExpandable(const TVlInspectorItem &item)
{
    return item.Count() > 0;
}

} // namespace

TVlInspector::TVlInspector(QWidget *parent) : QAbstractScrollArea(parent), FModel(new TVlInspectorModel(this))
{
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalScrollBar()->setSingleStep(RowHeight);
    connect(FModel, &TVlInspectorModel::ItemsChanged, this, &TVlInspector::ModelChanged);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        CloseEditor();
        viewport()->update();
    });
    AskColor = [this](const QColor &current) -> std::optional<QColor> {
        const QColor color = QColorDialog::getColor(current, this);
        return color.isValid() ? std::optional<QColor>(color) : std::nullopt;
    };
    AskFont = [this](const QFont &current) -> std::optional<QFont> {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, current, this);
        return ok ? std::optional<QFont>(font) : std::nullopt;
    };
    AskLines = [this](const QString &title, const QString &text) { return AskLinesInDialog(this, title, text); };
}

TVlInspector::~TVlInspector()
{
    FEditItem = nullptr;
    delete FSetPopup.data();
}

int TVlInspector::DividerX() const
{
    return viewport()->width() * 40 / 100;
}

int TVlInspector::RowCount() const
{
    return static_cast<int>(FModel->VisibleRows().size());
}

TVlInspectorItem *TVlInspector::RowItem(int row) const
{
    const auto &rows = FModel->VisibleRows();
    return row >= 0 && row < static_cast<int>(rows.size()) ? rows[size_t(row)] : nullptr;
}

int TVlInspector::RowAt(const QPoint &point) const
{
    const int row = (point.y() + verticalScrollBar()->value()) / RowHeight;
    return point.y() >= 0 && row < RowCount() ? row : -1;
}

QRect TVlInspector::RowRect(int row) const
{
    return QRect(0, row * RowHeight - verticalScrollBar()->value(), viewport()->width(), RowHeight);
}

QRect TVlInspector::ValueRect(int row) const
{
    const QRect r = RowRect(row);
    return QRect(DividerX() + 1, r.top(), r.width() - DividerX() - 1, RowHeight - 1);
}

QRect TVlInspector::ExpanderRect(int row) const
{
    const TVlInspectorItem *item = RowItem(row);
    const int indent = item ? item->Depth() * IndentStep : 0;
    const QRect r = RowRect(row);
    return QRect(indent + 2, r.top() + (RowHeight - ExpanderSize) / 2, ExpanderSize, ExpanderSize);
}

QRect TVlInspector::CheckBoxRect(int row) const
{
    const QRect v = ValueRect(row);
    return QRect(v.left() + 2, v.top() + 1, 13, 13);
}

TVlInspectorItem *TVlInspector::SelectedItem() const
{
    return RowItem(FSelected);
}

void TVlInspector::SelectRow(int row)
{
    if (RowCount() == 0) {
        FSelected = -1;
        return;
    }
    row = std::clamp(row, 0, RowCount() - 1);
    if (row != FSelected)
        CloseEditor();
    FSelected = row;
    EnsureVisible(row);
    viewport()->update();
}

void TVlInspector::EnsureVisible(int row)
{
    QScrollBar *bar = verticalScrollBar();
    const int top = row * RowHeight;
    if (top < bar->value())
        bar->setValue(top);
    else if (top + RowHeight > bar->value() + viewport()->height())
        bar->setValue(top + RowHeight - viewport()->height());
}

void TVlInspector::UpdateScrollBar()
{
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setRange(0, std::max(0, RowCount() * RowHeight - viewport()->height()));
}

void TVlInspector::ModelChanged()
{
    if (FModel->Generation() != FEditGeneration && FEditor) {
        // The edited item went away with its category.
        FEditItem = nullptr;
        CloseEditor();
    }
    if (FSelected >= RowCount())
        FSelected = RowCount() - 1;
    UpdateScrollBar();
    viewport()->update();
}

void TVlInspector::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBar();
    if (FEditor && FEditItem) {
        const auto &rows = FModel->VisibleRows();
        const auto it = std::find(rows.begin(), rows.end(), FEditItem);
        if (it != rows.end())
            FEditor->setGeometry(ValueRect(static_cast<int>(it - rows.begin())));
    }
}

// ---------------------------------------------------------------------------------------------
// Painting

void TVlInspector::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    const TVlInspectorPainter &style = FModel->Painter();
    painter.fillRect(viewport()->rect(), style.Background);
    const int first = verticalScrollBar()->value() / RowHeight;
    const int last = std::min(RowCount() - 1, (verticalScrollBar()->value() + viewport()->height()) / RowHeight);
    for (int row = first; row <= last; ++row)
        PaintRow(painter, row);
}

void TVlInspector::PaintRow(QPainter &painter, int row)
{
    const TVlInspectorPainter &style = FModel->Painter();
    const TVlInspectorItem *item = RowItem(row);
    const QRect r = RowRect(row);
    const bool selected = row == FSelected;
    const int divider = DividerX();
    if (item->IsCategory()) {
        painter.fillRect(r, style.CategoryBackground);
        const QRect box = ExpanderRect(row);
        painter.setPen(style.CategoryColor);
        painter.setBrush(Qt::white);
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        painter.drawLine(box.left() + 2, box.center().y(), box.right() - 2, box.center().y());
        if (!item->Expanded())
            painter.drawLine(box.center().x(), box.top() + 2, box.center().x(), box.bottom() - 2);
        painter.setFont(style.CategoryFont);
        painter.drawText(r.adjusted(box.right() + 5, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, item->DisplayName());
        if (selected && hasFocus()) {
            painter.setPen(QPen(style.CategoryColor, 1, Qt::DotLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(r.adjusted(0, 0, -1, -1));
        }
        return;
    }
    const QColor background = FModel->UseBands() && row % 2 ? style.BandBackground : style.Background;
    painter.fillRect(r, background);
    QColor nameColor = style.NameColor;
    QColor valueColor = style.ValueColor;
    const QRect nameCell(0, r.top(), divider, RowHeight - 1);
    if (selected && style.SelectWholeRow) {
        painter.fillRect(r.adjusted(0, 0, 0, -1), style.SelectedBackground);
        nameColor = valueColor = style.SelectedText;
    } else if (selected) {
        painter.fillRect(nameCell, style.SelectedBackground.lighter(160));
        painter.setPen(style.SelectedBackground);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(nameCell.adjusted(0, 0, -1, -1));
    }
    const int indent = item->Depth() * IndentStep;
    if (IsExpandable(*item)) {
        const QRect box = ExpanderRect(row);
        painter.setPen(nameColor);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        painter.drawLine(box.left() + 2, box.center().y(), box.right() - 2, box.center().y());
        if (!item->Expanded())
            painter.drawLine(box.center().x(), box.top() + 2, box.center().x(), box.bottom() - 2);
    }
    QFont nameFont = font();
    nameFont.setBold(item->Data() && item->Data()->IsModified());
    painter.setFont(nameFont);
    painter.setPen(nameColor);
    const QRect nameText(indent + ExpanderSize + 6, r.top(), divider - indent - ExpanderSize - 8, RowHeight - 1);
    if (item->IsCompound()) {
        int x = nameText.left();
        for (int i = 0; i < item->PartCount(); ++i) {
            const int width = i + 1 < item->PartCount() ? nameText.width() * item->PartWidth(i) / 100
                                                        : nameText.right() - x;
            painter.drawText(QRect(x, r.top(), width - 2, RowHeight - 1), Qt::AlignVCenter | Qt::AlignLeft,
                             item->Part(i)->DisplayName());
            x += width;
        }
    } else {
        painter.drawText(nameText, Qt::AlignVCenter | Qt::AlignLeft, item->DisplayName());
    }
    painter.setFont(font());
    PaintValue(painter, *item, ValueRect(row), valueColor);
    painter.setPen(style.GridLine);
    painter.drawLine(0, r.bottom(), r.right(), r.bottom());
    painter.drawLine(divider, r.top(), divider, r.bottom());
}

void TVlInspector::PaintValue(QPainter &painter, const TVlInspectorItem &item, const QRect &rect, const QColor &color)
{
    if (item.IsCompound()) {
        int x = rect.left();
        for (int i = 0; i < item.PartCount(); ++i) {
            const int width = i + 1 < item.PartCount() ? rect.width() * item.PartWidth(i) / 100 : rect.right() - x + 1;
            const QRect cell(x, rect.top(), width, rect.height());
            painter.setPen(color);
            painter.drawText(cell.adjusted(2, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft, item.Part(i)->Data()->Value());
            if (i + 1 < item.PartCount()) {
                painter.setPen(FModel->Painter().GridLine);
                painter.drawLine(cell.right(), cell.top(), cell.right(), cell.bottom());
            }
            x += width;
        }
        return;
    }
    TVlInspectorData *data = item.Data();
    if (!data)
        return;
    if (item.IsBoolean() && item.ShowAsCheckBox()) {
        QStyleOptionButton option;
        option.initFrom(this);
        option.rect = QRect(rect.left() + 2, rect.top() + 1, 13, 13);
        option.state = QStyle::State_Enabled | (data->Value() == QStringLiteral("True") ? QStyle::State_On : QStyle::State_Off);
        if (item.ReadOnly())
            option.state &= ~QStyle::State_Enabled;
        style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter, this);
        return;
    }
    QRect text = rect.adjusted(2, 0, -2, 0);
    if (data->EditKind() == TVlInspectorEditKind::Color) {
        TColor value = 0;
        if (StringToColor(data->Value().toStdString(), value)) {
            const QRect swatch(text.left(), rect.top() + 2, 11, rect.height() - 4);
            painter.fillRect(swatch, ColorToQColor(value));
            painter.setPen(Qt::black);
            painter.drawRect(swatch.adjusted(0, 0, -1, -1));
            text.setLeft(swatch.right() + 4);
        }
    }
    painter.setPen(item.ReadOnly() ? ColorToQColor(clGrayText) : color);
    painter.drawText(text, Qt::AlignVCenter | Qt::AlignLeft, data->Value());
}

// ---------------------------------------------------------------------------------------------
// Input

int TVlInspector::PartAt(int row, int x) const
{
    const TVlInspectorItem *item = RowItem(row);
    if (!item || !item->IsCompound())
        return -1;
    const QRect rect = ValueRect(row);
    int left = rect.left();
    for (int i = 0; i < item->PartCount(); ++i) {
        const int width = i + 1 < item->PartCount() ? rect.width() * item->PartWidth(i) / 100 : rect.right() - left + 1;
        if (x < left + width)
            return i;
        left += width;
    }
    return item->PartCount() - 1;
}

void TVlInspector::mousePressEvent(QMouseEvent *event)
{
    setFocus(Qt::MouseFocusReason);
    const int row = RowAt(event->position().toPoint());
    if (row < 0 || event->button() != Qt::LeftButton)
        return;
    TVlInspectorItem *item = RowItem(row);
    const QPoint pos = event->position().toPoint();
    const bool wasSelected = row == FSelected;
    SelectRow(row);
    if ((item->IsCategory() || IsExpandable(*item)) && ExpanderRect(row).adjusted(-2, -2, 2, 2).contains(pos)) {
        ToggleExpanded(item);
        return;
    }
    if (item->IsCategory() || pos.x() <= DividerX())
        return;
    if (item->IsBoolean() && item->ShowAsCheckBox()) {
        if (CheckBoxRect(row).contains(pos) || wasSelected)
            ToggleBoolean(item);
        return;
    }
    OpenEditor(item, PartAt(row, pos.x()));
}

void TVlInspector::mouseDoubleClickEvent(QMouseEvent *event)
{
    const int row = RowAt(event->position().toPoint());
    TVlInspectorItem *item = RowItem(row);
    if (!item)
        return;
    if (item->IsCategory() || (IsExpandable(*item) && event->position().x() <= DividerX()))
        ToggleExpanded(item);
    else if (item->IsBoolean())
        ToggleBoolean(item);
}

void TVlInspector::keyPressEvent(QKeyEvent *event)
{
    TVlInspectorItem *item = SelectedItem();
    switch (event->key()) {
    case Qt::Key_Up: SelectRow(FSelected - 1); return;
    case Qt::Key_Down: SelectRow(FSelected + 1); return;
    case Qt::Key_PageUp: SelectRow(FSelected - viewport()->height() / RowHeight); return;
    case Qt::Key_PageDown: SelectRow(FSelected + viewport()->height() / RowHeight); return;
    case Qt::Key_Home: SelectRow(0); return;
    case Qt::Key_End: SelectRow(RowCount() - 1); return;
    case Qt::Key_Left:
    case Qt::Key_Minus:
        if (item && item->Expanded() && (item->IsCategory() || IsExpandable(*item)))
            ToggleExpanded(item);
        return;
    case Qt::Key_Right:
    case Qt::Key_Plus:
        if (item && !item->Expanded() && (item->IsCategory() || IsExpandable(*item)))
            ToggleExpanded(item);
        return;
    case Qt::Key_Space:
        if (item && item->IsBoolean())
            ToggleBoolean(item);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2:
        EditSelected();
        return;
    default:
        QAbstractScrollArea::keyPressEvent(event);
    }
}

bool TVlInspector::focusNextPrevChild(bool next)
{
    // "TAB navigates": Tab moves between rows instead of leaving the grid.
    if (FModel->WantTabs() && RowCount() > 0 && !FEditor) {
        SelectRow(FSelected + (next ? 1 : -1));
        return true;
    }
    return QAbstractScrollArea::focusNextPrevChild(next);
}

void TVlInspector::ToggleExpanded(TVlInspectorItem *item)
{
    CloseEditor();
    TVlInspectorItem *selected = SelectedItem();
    item->SetExpanded(!item->Expanded());
    FModel->Changed();
    const auto &rows = FModel->VisibleRows();
    const auto it = std::find(rows.begin(), rows.end(), selected);
    SelectRow(it == rows.end() ? static_cast<int>(std::find(rows.begin(), rows.end(), item) - rows.begin())
                               : static_cast<int>(it - rows.begin()));
}

void TVlInspector::ToggleBoolean(TVlInspectorItem *item)
{
    if (!item->Data() || item->ReadOnly())
        return;
    const bool on = item->Data()->Value() == QStringLiteral("True");
    FModel->SetItemValue(item, on ? QStringLiteral("False") : QStringLiteral("True"));
}

// ---------------------------------------------------------------------------------------------
// Editing

void TVlInspector::EditSelected()
{
    TVlInspectorItem *item = SelectedItem();
    if (!item || item->IsCategory())
        return;
    if (item->IsBoolean() && item->ShowAsCheckBox()) {
        ToggleBoolean(item);
        return;
    }
    OpenEditor(item, item->IsCompound() ? 0 : -1);
}

void TVlInspector::OpenEditor(TVlInspectorItem *item, int part)
{
    CloseEditor();
    TVlInspectorItem *target = part >= 0 && item->IsCompound() ? item->Part(part) : item;
    if (!target->Data() || target->ReadOnly())
        return;
    TVlEditorHooks hooks;
    hooks.Commit = [this, target](const QString &text) { Commit(target, text); };
    hooks.Cancel = [this] { CloseEditor(); };
    hooks.Browse = [this, target] { Browse(target); };
    QWidget *editor = CreateInspectorEditor(*target, *target->Data(), viewport(), hooks);
    if (!editor)
        return;
    FEditor = editor;
    FEditItem = target;
    FEditGeneration = FModel->Generation();
    QRect rect = ValueRect(FSelected);
    if (item->IsCompound()) {
        int left = rect.left();
        for (int i = 0; i < part; ++i)
            left += rect.width() * item->PartWidth(i) / 100;
        const int width = part + 1 < item->PartCount() ? rect.width() * item->PartWidth(part) / 100 : rect.right() - left + 1;
        rect = QRect(left, rect.top(), width, rect.height());
    }
    editor->setGeometry(rect);
    editor->show();
    editor->setFocus(Qt::OtherFocusReason);
}

void TVlInspector::Commit(TVlInspectorItem *item, const QString &text)
{
    if (item != FEditItem || FModel->Generation() != FEditGeneration)
        return;
    FEditItem = nullptr;
    CloseEditor();
    if (item->Data() && text != item->Data()->EditText())
        FModel->SetItemValue(item, text);
    setFocus(Qt::OtherFocusReason);
}

void TVlInspector::CloseEditor()
{
    FEditItem = nullptr;
    if (QWidget *editor = FEditor) {
        FEditor = nullptr;
        editor->hide();
        editor->deleteLater();
    }
}

void TVlInspector::Browse(TVlInspectorItem *item)
{
    TVlInspectorData *data = item->Data();
    if (!data || FModel->Generation() != FEditGeneration)
        return;
    CloseEditor();
    switch (data->EditKind()) {
    case TVlInspectorEditKind::Color: {
        TColor current = 0;
        StringToColor(data->Value().toStdString(), current);
        if (const auto color = AskColor(ColorToQColor(current)))
            FModel->SetItemValue(item, QString::fromStdString(ColorToString(QColorToColor(*color))));
        break;
    }
    case TVlInspectorEditKind::Font: {
        auto *prop = dynamic_cast<TVlInspectorPropData *>(data);
        auto *font = prop ? dynamic_cast<TFont *>(prop->ObjectValue()) : nullptr;
        if (!font)
            break;
        if (const auto chosen = AskFont(font->ToQFont()))
            FModel->EditItem(item, [font, chosen] { font->AssignQFont(*chosen); });
        break;
    }
    case TVlInspectorEditKind::Lines:
        if (const auto text = AskLines(item->DisplayName(), data->EditText()))
            FModel->SetItemValue(item, *text);
        break;
    case TVlInspectorEditKind::Set: {
        const int generation = FModel->Generation();
        auto *popup = new TVlCheckListPopup(data->Choices(), SetElements(data->Value()), this);
        popup->setAttribute(Qt::WA_DeleteOnClose);
        popup->OnClosed = [this, item, generation](const QStringList &checked) {
            if (FModel->Generation() == generation && item->Data() && SetText(checked) != item->Data()->Value())
                FModel->SetItemValue(item, SetText(checked));
        };
        FSetPopup = popup;
        const QRect rect = ValueRect(FSelected);
        popup->setGeometry(QRect(viewport()->mapToGlobal(rect.bottomLeft()), QSize(rect.width(), 120)));
        popup->show();
        break;
    }
    default:
        break;
    }
    setFocus(Qt::OtherFocusReason);
}
