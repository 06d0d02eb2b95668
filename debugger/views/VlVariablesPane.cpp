// The "Переменные" pane.
#include "VlVariablesPane.h"

#include "debugger/VlStepEngine.h"
#include "debugger/VlValueText.h"

#include "rtl/VlCp1251.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSplitter>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace {

constexpr int kChildLimit = 200;  // elements shown of one array
constexpr int kDepthLimit = 4;    // nesting shown of records in arrays in records ...

QString FromScript(const std::string &cp1251)
{
    return QString::fromStdString(Cp1251ToUtf8(cp1251));
}

QString PlaceText(const TVlCallFrame &frame)
{
    const QString routine = QString::fromStdString(frame.Routine);
    if (frame.Place.Line <= 0)
        return routine;
    if (frame.Place.Unit.empty())
        return routine + QStringLiteral(" — строка ") + QString::number(frame.Place.Line);
    return routine + QStringLiteral(" — модуль ") + QString::fromStdString(frame.Unit) + QStringLiteral(", строка ") +
           QString::number(frame.Place.Line);
}

QTreeWidgetItem *Group(QTreeWidget *tree, const QString &caption)
{
    auto *item = new QTreeWidgetItem(tree, {caption});
    QFont font = item->font(0);
    font.setBold(true);
    item->setFont(0, font);
    return item;
}

// "Глобальные/r/inner": the names from the group down, which a rebuilt tree repeats.
QString PathOf(const QTreeWidgetItem *item)
{
    QStringList names;
    for (; item; item = item->parent())
        names.prepend(item->text(0));
    return names.join(QChar(0x1F));
}

QTreeWidgetItem *FindPath(QTreeWidget *tree, const QString &path)
{
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if (PathOf(*it) == path)
            return *it;
    return nullptr;
}

} // namespace

TVlVariablesPane::TVlVariablesPane(QWidget *parent) : QWidget(parent)
{
    setObjectName("VariablesPane");
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    auto *title = new QLabel(QStringLiteral("Переменные"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    layout->addWidget(title);
    FStatus = new QLabel;
    FStatus->setObjectName("DebugStatus");
    FStatus->setWordWrap(true);
    layout->addWidget(FStatus);

    auto *split = new QSplitter(Qt::Vertical);
    FTree = new QTreeWidget;
    FTree->setObjectName("VariablesTree");
    FTree->setHeaderLabels({QStringLiteral("Имя"), QStringLiteral("Значение"), QStringLiteral("Тип")});
    FTree->header()->setSectionResizeMode(QHeaderView::Interactive);
    FTree->setColumnWidth(0, 110);
    FTree->setColumnWidth(1, 130);
    split->addWidget(FTree);
    auto *stackBox = new QWidget;
    auto *stackLayout = new QVBoxLayout(stackBox);
    stackLayout->setContentsMargins(0, 0, 0, 0);
    stackLayout->addWidget(new QLabel(QStringLiteral("Стек вызовов")));
    FStack = new QListWidget;
    FStack->setObjectName("CallStackList");
    stackLayout->addWidget(FStack);
    split->addWidget(stackBox);
    split->setSizes({300, 110});
    layout->addWidget(split, 1);

    auto *watchRow = new QHBoxLayout;
    FWatchEdit = new QLineEdit;
    FWatchEdit->setObjectName("WatchEdit");
    FWatchEdit->setPlaceholderText(QStringLiteral("Выражение, например a[i] * 2"));
    auto *add = new QPushButton(QStringLiteral("Наблюдать"));
    add->setObjectName("AddWatchButton");
    auto *remove = new QPushButton(QStringLiteral("Убрать"));
    remove->setObjectName("RemoveWatchButton");
    remove->setToolTip(QStringLiteral("Убрать выбранное наблюдение"));
    watchRow->addWidget(FWatchEdit, 1);
    watchRow->addWidget(add);
    watchRow->addWidget(remove);
    layout->addLayout(watchRow);

    const auto addTyped = [this] {
        AddWatch(FWatchEdit->text());
        FWatchEdit->clear();
    };
    connect(add, &QPushButton::clicked, this, addTyped);
    connect(FWatchEdit, &QLineEdit::returnPressed, this, addTyped);
    connect(remove, &QPushButton::clicked, this, [this] {
        QTreeWidgetItem *item = FTree->currentItem();
        if (item && item->parent() && item->parent()->text(0) == WatchesCaption())
            RemoveWatch(item->parent()->indexOfChild(item));
    });
    connect(FStack, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row != FFrame && FEngine)
            ChooseFrame(row);
    });
    const auto noteOpened = [this](QTreeWidgetItem *item, bool opened) {
        if (!FRebuilding)
            FOpened.insert(PathOf(item), opened);
    };
    connect(FTree, &QTreeWidget::itemExpanded, this, [noteOpened](QTreeWidgetItem *item) { noteOpened(item, true); });
    connect(FTree, &QTreeWidget::itemCollapsed, this, [noteOpened](QTreeWidgetItem *item) { noteOpened(item, false); });
    ShowIdle(QStringLiteral("Программа не выполняется"));
}

void TVlVariablesPane::ShowPaused(const TVlStepEngine &engine)
{
    FEngine = &engine;
    FFrame = 0;
    const TVlSourceLine &at = engine.PausedAt();
    QString status = QStringLiteral("Пауза: строка ") + QString::number(at.Line);
    if (!at.Unit.empty() && !engine.CallStack().empty())
        status += QStringLiteral(" модуля ") + QString::fromStdString(engine.CallStack().front().Unit);
    FStatus->setText(status + QStringLiteral(". F7, F8 — шаг, F9 — продолжить"));
    FStack->blockSignals(true);
    FStack->clear();
    for (const TVlCallFrame &frame : engine.CallStack())
        FStack->addItem(PlaceText(frame));
    FStack->setCurrentRow(0);
    FStack->blockSignals(false);
    Refresh();
}

void TVlVariablesPane::ShowRunning(const QString &status)
{
    // Rebuilding at every resume would blank the pane at each step; the values stand until the
    // next pause replaces them. Greyed by colour, not disabled, so that the focus stays.
    FEngine = nullptr;
    FStatus->setText(status);
    for (QWidget *view : {static_cast<QWidget *>(FTree), static_cast<QWidget *>(FStack)}) {
        QPalette palette = view->palette();
        palette.setColor(QPalette::Text, palette.color(QPalette::Disabled, QPalette::Text));
        view->setPalette(palette);
    }
}

bool TVlVariablesPane::ShowsStaleValues() const
{
    return FTree->palette().color(QPalette::Text) == FTree->palette().color(QPalette::Disabled, QPalette::Text);
}

void TVlVariablesPane::ShowIdle(const QString &status)
{
    FEngine = nullptr;
    FStatus->setText(status);
    FStack->clear();
    Refresh();
}

void TVlVariablesPane::AddWatch(const QString &text)
{
    const QString watch = text.trimmed();
    if (watch.isEmpty() || FWatches.contains(watch))
        return;
    FWatches.append(watch);
    Refresh();
}

void TVlVariablesPane::RemoveWatch(int index)
{
    if (index < 0 || index >= FWatches.size())
        return;
    FWatches.removeAt(index);
    Refresh();
}

void TVlVariablesPane::ChooseFrame(int frame)
{
    FFrame = frame;
    if (FStack->currentRow() != frame)
        FStack->setCurrentRow(frame);
    Refresh();
}

void TVlVariablesPane::Refresh()
{
    const QScopedValueRollback rebuilding(FRebuilding, true);
    const QTreeWidgetItem *top = FTree->itemAt(0, 0);
    const QString topPath = top ? PathOf(top) : QString();
    const QString currentPath = FTree->currentItem() ? PathOf(FTree->currentItem()) : QString();
    FTree->clear();
    FTree->setPalette(QPalette());
    FStack->setPalette(QPalette());
    const bool paused = FEngine && FEngine->Paused() && FFrame < static_cast<int>(FEngine->CallStack().size());
    if (paused) {
        TVlInterpreterAdapter &types = *FEngine->Types();
        QTreeWidgetItem *locals = Group(FTree, LocalsCaption());
        for (const TVlInspectedVar &var : FEngine->CallStack()[static_cast<size_t>(FFrame)].Vars)
            AddValue(locals, FromScript(var.Name), var.Value, FromScript(var.TypeName), types, 0);
        QTreeWidgetItem *globals = Group(FTree, GlobalsCaption());
        for (const TVlInspectedVar &var : FEngine->Globals(static_cast<size_t>(FFrame)))
            AddValue(globals, FromScript(var.Name), var.Value, FromScript(var.TypeName), types, 0);
    }
    QTreeWidgetItem *watches = Group(FTree, WatchesCaption());
    for (const QString &watch : FWatches) {
        if (!paused) {
            new QTreeWidgetItem(watches, {watch, QStringLiteral("—")});
            continue;
        }
        const TVlWatchResult result = FEngine->Watch(watch.toStdString(), static_cast<size_t>(FFrame));
        if (result.Ok) {
            AddValue(watches, watch, result.Value, QString(), *FEngine->Types(), 0);
        } else {
            auto *item = new QTreeWidgetItem(watches, {watch, QString::fromStdString(result.Error)});
            item->setForeground(1, QColor(160, 0, 0));
            item->setToolTip(1, item->text(1));
        }
    }
    RestoreOpened();
    if (QTreeWidgetItem *current = FindPath(FTree, currentPath))
        FTree->setCurrentItem(current);
    if (QTreeWidgetItem *first = FindPath(FTree, topPath))
        FTree->scrollToItem(first, QAbstractItemView::PositionAtTop);
}

void TVlVariablesPane::RestoreOpened()
{
    for (QTreeWidgetItemIterator it(FTree); *it; ++it)
        if ((*it)->childCount() > 0)
            (*it)->setExpanded(FOpened.value(PathOf(*it), (*it)->parent() == nullptr));
}

void TVlVariablesPane::AddValue(QTreeWidgetItem *parent, const QString &name, const TVlValue &value,
                                const QString &declared, TVlInterpreterAdapter &types, int depth)
{
    const QString text = QString::fromStdString(VlValueText(value, types));
    const QString kind = declared.isEmpty() ? QString::fromStdString(VlValueKindText(value)) : declared;
    auto *item = new QTreeWidgetItem(parent, {name, text, kind});
    item->setToolTip(1, text);
    if (depth >= kDepthLimit)
        return;
    for (const TVlValueChild &child : VlValueChildren(value, types, kChildLimit))
        AddValue(item, QString::fromStdString(child.Name), child.Value,
                 QString::fromStdString(VlValueKindText(child.Value, child.DeclaredKind)), types, depth + 1);
}
