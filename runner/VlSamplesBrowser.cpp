// The samples browser of the "Избранное" tab.
#include "VlSamplesBrowser.h"

#include "editor/VlHLEditor.h"
#include "rtl/VlCp1251.h"

#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

struct TPageButton {
    const char *Page;
    const char *Name;
    const char *Caption;
};

// The notebook's pages in order, with their buttons.
const char *const kPages[] = {"Default", "ExternalForm", "ExternalReport", "Event", "Empty", "ExternalUnit"};
const TPageButton kButtons[] = {
    {"Default", "Button1", "Запуск"},         {"Default", "Button5", "Компилировать"},
    {"ExternalForm", "bRunForm", "Запуск формы"}, {"ExternalReport", "bRunReport", "Запуск..."},
    {"Event", "Button2", "Запуск(1)..."},     {"ExternalUnit", "Button3", "Запустить юнит"},
};

QString JoinLines(const QStringList &lines)
{
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace

void TVlSamplesCombo::showPopup()
{
    emit AboutToOpen();
    QComboBox::showPopup();
}

TVlSamplesBrowser::TVlSamplesBrowser(TVlHLEditor *editor, const QString &iniFile, const QString &samplesDir,
                                     std::function<void(const QString &message)> reportError, QWidget *parent)
    : QWidget(parent)
    , FEditor(editor)
    , FReportError(std::move(reportError))
{
    setObjectName("SamplesBrowser");
    try {
        FModel = std::make_unique<TVlSamplesModel>(iniFile, samplesDir);
    } catch (const EVlFileError &error) {
        FModel = std::make_unique<TVlSamplesModel>(QString(), samplesDir);
        FReportError(QString::fromUtf8(error.what()));
    }

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    auto *group = new QGroupBox(QStringLiteral("Избранное"), this);
    outer->addWidget(group);
    auto *layout = new QVBoxLayout(group);

    layout->addWidget(new QLabel(QStringLiteral("Список избранного:"), group));
    auto *listRow = new QHBoxLayout;
    cmbExamples = new TVlSamplesCombo(group);
    cmbExamples->setObjectName("cmbExamples");
    cmbExamples->setMaxVisibleItems(25);
    cmbExamples->addItems(FModel->Entries());
    cmbExamples->setCurrentIndex(-1);
    listRow->addWidget(cmbExamples, 1);
    SaveOwnButton = new QPushButton(QStringLiteral("Сохранить как свой пример"), group);
    SaveOwnButton->setObjectName("SaveOwnButton");
    SaveOwnButton->setToolTip(QStringLiteral("Копия примера в папке samples: её можно менять, а пример остаётся в списке"));
    listRow->addWidget(SaveOwnButton);
    layout->addLayout(listRow);

    Notebook1 = new QStackedWidget(group);
    Notebook1->setObjectName("Notebook1");
    for (const char *caption : kPages) {
        auto *page = new QWidget(Notebook1);
        page->setObjectName(QString::fromUtf8(caption));
        auto *row = new QHBoxLayout(page);
        row->setContentsMargins(0, 0, 0, 0);
        for (const TPageButton &b : kButtons) {
            if (qstrcmp(b.Page, caption) != 0)
                continue;
            auto *button = new QPushButton(QString::fromUtf8(b.Caption), page);
            button->setObjectName(QString::fromUtf8(b.Name));
            row->addWidget(button);
        }
        row->addStretch(1);
        Notebook1->addWidget(page);
    }
    Notebook1->setFixedHeight(Button("Button1")->sizeHint().height() + 4);
    layout->addWidget(Notebook1);

    layout->addWidget(new QLabel(QStringLiteral("Описание:"), group));
    memDescription = new QPlainTextEdit(group);
    memDescription->setObjectName("memDescription");
    memDescription->setReadOnly(true);
    memDescription->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout->addWidget(memDescription, 1);
    auto *note = new QLabel(QStringLiteral("Свои примеры — файлы «sample - имя.pas» в папке %1; они сохраняются "
                                           "перед запуском и перед открытием списка.")
                                .arg(QDir::toNativeSeparators(QDir(samplesDir).absolutePath())),
                            group);
    note->setWordWrap(true);
    layout->addWidget(note);

    connect(cmbExamples, &QComboBox::activated, this, &TVlSamplesBrowser::cmbExamplesChange);
    connect(cmbExamples, &TVlSamplesCombo::AboutToOpen, this, &TVlSamplesBrowser::cmbExamplesDropDown);
    connect(SaveOwnButton, &QPushButton::clicked, this, [this] { Guarded([this] { SaveAsOwnSample(); }); });
    UpdateSaveOwnButton();
}

void TVlSamplesBrowser::cmbExamplesChange(int index)
{
    Guarded([this, index] { LoadEntry(cmbExamples->itemText(index)); });
}

void TVlSamplesBrowser::cmbExamplesDropDown()
{
    Guarded([this] { SaveSelectedCustomSample(); });
}

QPushButton *TVlSamplesBrowser::Button(const QString &name) const
{
    return Notebook1->findChild<QPushButton *>(name);
}

QString TVlSamplesBrowser::CurrentPage() const
{
    return Notebook1->currentWidget()->objectName();
}

void TVlSamplesBrowser::ShowPage(const QString &caption)
{
    // A caption that names no page leaves the page showing.
    if (QWidget *page = Notebook1->findChild<QWidget *>(caption, Qt::FindDirectChildrenOnly))
        Notebook1->setCurrentWidget(page);
}

void TVlSamplesBrowser::FillEditor(const QStringList &lines)
{
    FEditor->setUpdatesEnabled(false);
    FEditor->SetText(JoinLines(lines));
    FEditor->setUpdatesEnabled(true);
}

void TVlSamplesBrowser::LoadEntry(const QString &text)
{
    const int index = int(FModel->Entries().indexOf(text));
    cmbExamples->setCurrentIndex(index);
    switch (FModel->KindOf(index)) {
    case TVlSamplesModel::TEntryKind::Fixed:
        FillEditor(FModel->Source(text));
        memDescription->setUpdatesEnabled(false);
        memDescription->setPlainText(JoinLines(FModel->Description(text)));
        memDescription->setUpdatesEnabled(true);
        ShowPage(FModel->Page(text));
        break;
    case TVlSamplesModel::TEntryKind::Custom:
        FEditor->SetText(QString::fromStdString(ReadTextFile(FModel->CustomFile(text).toStdString())));
        memDescription->clear();
        ShowPage(TVlSamplesModel::DefaultPage);
        break;
    case TVlSamplesModel::TEntryKind::Separator:
    case TVlSamplesModel::TEntryKind::None:
        FEditor->SetText(QString());
        memDescription->clear();
        ShowPage(QStringLiteral("Empty"));
        break;
    }
    UpdateSaveOwnButton();
}

void TVlSamplesBrowser::SaveSelectedCustomSample()
{
    if (FModel->KindOf(cmbExamples->currentIndex()) != TVlSamplesModel::TEntryKind::Custom)
        return;
    if (!QDir().mkpath(FModel->SamplesDir()))
        throw EVlFileError("Cannot create folder \"" + FModel->SamplesDir().toStdString() + "\"");
    WriteTextFile(FModel->CustomFile(cmbExamples->currentText()).toStdString(), FEditor->Text().toStdString());
}

QString TVlSamplesBrowser::SaveAsOwnSample()
{
    const int selected = cmbExamples->currentIndex();
    if (FModel->KindOf(selected) != TVlSamplesModel::TEntryKind::Fixed)
        return QString();
    const QString entry = FModel->NewCustomEntry(FModel->Name(selected));
    if (!QDir().mkpath(FModel->SamplesDir()))
        throw EVlFileError("Cannot create folder \"" + FModel->SamplesDir().toStdString() + "\"");
    WriteTextFile(FModel->CustomFile(entry).toStdString(), FEditor->Text().toStdString());
    const int index = FModel->AddCustomEntry(entry);
    if (index == FModel->DemoCount() + 1 && cmbExamples->count() == FModel->DemoCount())
        cmbExamples->addItem(TVlSamplesModel::Separator);
    cmbExamples->insertItem(index, entry);
    cmbExamples->setCurrentIndex(index);
    memDescription->clear();
    ShowPage(TVlSamplesModel::DefaultPage);
    UpdateSaveOwnButton();
    return entry;
}

void TVlSamplesBrowser::UpdateSaveOwnButton()
{
    SaveOwnButton->setEnabled(FModel->KindOf(cmbExamples->currentIndex()) == TVlSamplesModel::TEntryKind::Fixed);
}

void TVlSamplesBrowser::Guarded(const std::function<void()> &action)
{
    try {
        action();
    } catch (const std::exception &error) {
        FReportError(QString::fromUtf8(error.what()));
    }
}
