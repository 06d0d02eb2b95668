// TProcedureForm, "Новая процедура".
#include "NewProcedureForm.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TProcedureForm::TProcedureForm(QWidget *parent)
    : QDialog(parent), FControlEvents(new QComboBox), FFormEvents(new QComboBox),
      FControlName(new QLineEdit("Button1")), FDescription(new QLabel("нет")), FOk(new QPushButton("ОК"))
{
    setObjectName("ProcedureForm");
    setWindowTitle("Новая процедура");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    FControlEvents->setObjectName("ControlEvents");
    FFormEvents->setObjectName("FormEvents");
    FControlEvents->setEditable(true);
    FFormEvents->setEditable(true);
    SetItems(FControlEvents, BuiltInControlEvents());
    SetItems(FFormEvents, BuiltInFormEvents());
    FDescription->setWordWrap(true);
    FOk->setEnabled(false);
    FOk->setDefault(true);

    auto *group = new QGroupBox("Процедура");
    auto *fields = new QVBoxLayout(group);
    fields->addWidget(new QLabel("Объект:"));
    fields->addWidget(FControlEvents);
    fields->addWidget(new QLabel("Форма:"));
    fields->addWidget(FFormEvents);
    fields->addWidget(new QLabel("Основной объект:"));
    fields->addWidget(FControlName);
    fields->addWidget(new QLabel("Описание:"));
    fields->addWidget(FDescription);
    auto *cancel = new QPushButton("Отмена");
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(FOk);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    setFixedWidth(300);

    connect(FControlEvents, &QComboBox::currentTextChanged, this, [this] { ListChanged(FControlEvents, true); });
    connect(FFormEvents, &QComboBox::currentTextChanged, this, [this] { ListChanged(FFormEvents, false); });
    connect(FOk, &QPushButton::clicked, this, &TProcedureForm::OkClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TProcedureForm::showEvent(QShowEvent *event)
{
    // Room for the longest description at the width the layout gives the label, so that no choice
    // cuts its text off (the dialog grows with it).
    QStringList texts{FDescription->text(), ChooseProcedureText};
    for (const QString &item : BuiltInControlEvents())
        texts << ControlEventDescription(item).value_or(QString());
    for (const QString &item : BuiltInFormEvents())
        texts << FormEventDescription(item).value_or(QString());
    QLabel probe;
    probe.setFont(FDescription->font());
    probe.setWordWrap(true);
    int height = 0;
    for (const QString &text : texts) {
        probe.setText(text);
        height = std::max(height, probe.heightForWidth(FDescription->width()));
    }
    FDescription->setMinimumHeight(height);
    layout()->activate();
    QDialog::showEvent(event);
}

void TProcedureForm::SetItems(QComboBox *list, const QStringList &items)
{
    const QSignalBlocker blocker(list);
    list->clear();
    list->addItems(items);
    // The control list starts without a choice; the form list shows "не выбрано".
    list->setCurrentIndex(list->objectName() == "FormEvents" ? list->findText(NotChosenItem) : -1);
    if (list->currentIndex() < 0)
        list->setEditText(list->objectName() == "FormEvents" ? NotChosenItem : QString());
}

QStringList TProcedureForm::Items(const QComboBox *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

// The item chosen from the list; text typed into the box counts as no choice.
QString TProcedureForm::ChosenItem(const QComboBox *list)
{
    const int index = list->currentIndex();
    return index >= 0 && list->itemText(index) == list->currentText() ? list->itemText(index) : QString();
}

void TProcedureForm::ListChanged(QComboBox *list, bool controlList)
{
    FOk->setEnabled(true);
    const QString item = ChosenItem(list);
    const auto description = controlList ? ControlEventDescription(item) : FormEventDescription(item);
    if (description)
        FDescription->setText(*description);
}

void TProcedureForm::OkClicked()
{
    const QString formName = FormNameProvider ? FormNameProvider() : QStringLiteral("Form1");
    const TVlEventProcedures result = GenerateEventProcedures(
        ChosenItem(FControlEvents), ChosenItem(FFormEvents), formName, FControlName->text());
    if (result.description)
        FDescription->setText(*result.description);
    if (OnGenerate)
        OnGenerate(result);
    accept();
}

QString TProcedureForm::LoadListFiles(const TVlEventListFiles &files)
{
    QString error;
    const auto formEvents = LoadEventList(files.FormEvents, error);
    if (!formEvents)
        return error;
    SetItems(FFormEvents, *formEvents);
    const auto controlEvents = LoadEventList(files.ControlEvents, error);
    if (!controlEvents)
        return error;
    SetItems(FControlEvents, *controlEvents);
    return {};
}

QString TProcedureForm::SaveListFiles(const TVlEventListFiles &files) const
{
    QString error;
    if (!SaveEventList(files.FormEvents, Items(FFormEvents), error))
        return error;
    if (!SaveEventList(files.ControlEvents, Items(FControlEvents), error))
        return error;
    return {};
}
