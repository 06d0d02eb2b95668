// In-place editors of the property grid.
#include "VlInspectorEditors.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Enter takes the text, Esc gives up, leaving the field takes it too.
class TVlLineEditor : public QLineEdit {
public:
    TVlLineEditor(QWidget *parent, TVlEditorHooks hooks) : QLineEdit(parent), FHooks(std::move(hooks)) {}

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Escape) {
            FDone = true;
            FHooks.Cancel();
            return;
        }
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            Finish();
            return;
        }
        QLineEdit::keyPressEvent(event);
    }
    void focusOutEvent(QFocusEvent *event) override
    {
        QLineEdit::focusOutEvent(event);
        if (event->reason() != Qt::PopupFocusReason)
            Finish();
    }

private:
    void Finish()
    {
        if (FDone)
            return;
        FDone = true;
        FHooks.Commit(text());
    }
    TVlEditorHooks FHooks;
    bool FDone = false;
};

QValidator *ValidatorFor(TVlInspectorEditKind kind, QObject *parent)
{
    // Whole numbers (decimal or "$" hex) and identifiers of named values.
    static const QRegularExpression integer(QStringLiteral("-?[0-9]*|\\$[0-9A-Fa-f]*|[A-Za-z_][A-Za-z0-9_]*"));
    static const QRegularExpression number(QStringLiteral("-?[0-9]*([.][0-9]*)?([eE][-+]?[0-9]*)?"));
    if (kind == TVlInspectorEditKind::Integer)
        return new QRegularExpressionValidator(integer, parent);
    if (kind == TVlInspectorEditKind::Float)
        return new QRegularExpressionValidator(number, parent);
    return nullptr;
}

QComboBox *ChoiceBox(const TVlInspectorData &data, bool editable, QWidget *parent, const TVlEditorHooks &hooks)
{
    auto *box = new QComboBox(parent);
    box->setEditable(editable);
    box->addItems(data.Choices());
    box->setCurrentIndex(box->findText(data.Value()));
    if (editable) {
        box->setEditText(data.Value());
        QObject::connect(box->lineEdit(), &QLineEdit::returnPressed, box, [box, hooks] { hooks.Commit(box->currentText()); });
    }
    QObject::connect(box, &QComboBox::activated, box, [box, hooks](int index) { hooks.Commit(box->itemText(index)); });
    return box;
}

// An editor with a "..." button at its right.
QWidget *WithBrowseButton(QWidget *editor, QWidget *parent, const TVlEditorHooks &hooks)
{
    auto *host = new QWidget(parent);
    auto *layout = new QHBoxLayout(host);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (editor) {
        editor->setParent(host);
        layout->addWidget(editor, 1);
    } else {
        layout->addStretch(1);
    }
    auto *button = new QToolButton(host);
    button->setObjectName(QStringLiteral("BrowseButton"));
    button->setText(QStringLiteral("..."));
    button->setFixedWidth(18);
    QObject::connect(button, &QToolButton::clicked, host, [hooks] { hooks.Browse(); });
    layout->addWidget(button);
    host->setFocusProxy(editor ? editor : button);
    return host;
}

} // namespace

TVlCheckListPopup::TVlCheckListPopup(const QStringList &choices, const QStringList &checked, QWidget *parent)
    : QFrame(parent, Qt::Popup), FList(new QListWidget(this))
{
    setFrameShape(QFrame::Box);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(FList);
    for (const QString &choice : choices) {
        auto *item = new QListWidgetItem(choice, FList);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(checked.contains(choice) ? Qt::Checked : Qt::Unchecked);
    }
    // A click anywhere on a line toggles it.
    connect(FList, &QListWidget::itemClicked, this, [](QListWidgetItem *item) {
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    });
}

QStringList TVlCheckListPopup::Checked() const
{
    QStringList checked;
    for (int i = 0; i < FList->count(); ++i)
        if (FList->item(i)->checkState() == Qt::Checked)
            checked << FList->item(i)->text();
    return checked;
}

void TVlCheckListPopup::hideEvent(QHideEvent *event)
{
    QFrame::hideEvent(event);
    if (FClosed)
        return;
    FClosed = true;
    if (OnClosed)
        OnClosed(Checked());
}

QString SetText(const QStringList &checked)
{
    return "[" + checked.join(QStringLiteral(", ")) + "]";
}

QStringList SetElements(const QString &text)
{
    QString inner = text.trimmed();
    if (inner.startsWith('['))
        inner = inner.mid(1);
    if (inner.endsWith(']'))
        inner.chop(1);
    QStringList elements;
    for (const QString &part : inner.split(',', Qt::SkipEmptyParts))
        if (!part.trimmed().isEmpty())
            elements << part.trimmed();
    return elements;
}

QWidget *CreateInspectorEditor(const TVlInspectorItem &item, TVlInspectorData &data, QWidget *parent,
                               const TVlEditorHooks &hooks)
{
    const TVlInspectorEditKind kind = data.EditKind();
    switch (kind) {
    case TVlInspectorEditKind::Text:
    case TVlInspectorEditKind::Integer:
    case TVlInspectorEditKind::Float: {
        auto *line = new TVlLineEditor(parent, hooks);
        line->setText(data.EditText());
        if (QValidator *validator = ValidatorFor(kind, line))
            line->setValidator(validator);
        line->selectAll();
        return line;
    }
    case TVlInspectorEditKind::Boolean:
        if (item.ShowAsCheckBox())
            return nullptr;
        return ChoiceBox(data, false, parent, hooks);
    case TVlInspectorEditKind::Choice:
        return ChoiceBox(data, false, parent, hooks);
    case TVlInspectorEditKind::EditableChoice:
        return ChoiceBox(data, true, parent, hooks);
    case TVlInspectorEditKind::Color:
        return WithBrowseButton(ChoiceBox(data, true, nullptr, hooks), parent, hooks);
    case TVlInspectorEditKind::Set:
    case TVlInspectorEditKind::Font:
    case TVlInspectorEditKind::Lines:
        return WithBrowseButton(nullptr, parent, hooks);
    case TVlInspectorEditKind::None:
        break;
    }
    return nullptr;
}
