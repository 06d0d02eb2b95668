// TOptions, "Настройки": the settings dialog.
#include "OptionsForm.h"
#include "OptionsFormMagnet.h"
#include "VeltranoAppearance.h"
#include "VeltranoDocuments.h"
#include "VeltranoForm.h"
#include "VeltranoStatusBar.h"

#include "rtl/VlCp1251.h"
#include "rtl/VlIniFile.h"
#include "rtl/VlSettingsStore.h"

#include <QCheckBox>
#include <QFontComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTextEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const char *const PageCaptions[] = {"Главные", "Шрифт", "Дополнительно", "Установки текста", "Вставка"};

const char *const PreviewText = "unit Unit1;\n\ninterface\n\nuses\n  SysUtils;\n\nimplementation\n\n"
                                "procedure Hello;\nbegin\n  WriteLn('Привет');\nend;\n\nend.";

QGroupBox *Group(const QString &caption, QVBoxLayout *&layout)
{
    auto *group = new QGroupBox(caption);
    layout = new QVBoxLayout(group);
    return group;
}

} // namespace

TOptions::TOptions(TForm1 &form, QString configFile)
    : QDialog(&form), FForm(form), FConfigFile(std::move(configFile)), FMagnet(new TVlFormMagnet(&form))
{
    setObjectName("Options");
    setWindowTitle("Настройки");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
    ReportError = form.Hooks().ShowError; // a copy: at exit the window is going away

    auto *header = new QLabel("Настройки");
    header->setFixedHeight(41);
    QFont headerFont = header->font();
    headerFont.setPointSize(14);
    headerFont.setBold(true);
    header->setFont(headerFont);

    FTree = new QTreeWidget;
    FTree->setFixedWidth(185);
    FTree->setHeaderHidden(true);
    FTree->setRootIsDecorated(false);
    FPages = new QStackedWidget;
    const QList<QWidget *> pages = {CreateMainPage(), CreateFontPage(), CreateMorePage(), CreateTextPage(),
                                    CreateInsertPage()};
    for (int i = 0; i < pages.size(); ++i) {
        FTree->addTopLevelItem(new QTreeWidgetItem(QStringList{PageCaptions[i]}));
        pages[i]->setObjectName(PageCaptions[i]);
        FPages->addWidget(pages[i]);
    }
    connect(FTree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
        if (item)
            ShowPage(item->text(0));
    });
    ShowPage("Установки текста");

    auto *ok = new QPushButton("OK");
    auto *cancel = new QPushButton("Отмена");
    auto *defaults = new QPushButton("По умолчанию");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TOptions::Accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(defaults, &QPushButton::clicked, this, &TOptions::RestoreDefaults);

    auto *middle = new QHBoxLayout;
    middle->addWidget(FTree);
    middle->addWidget(FPages, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(defaults);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(header);
    layout->addLayout(middle, 1);
    layout->addLayout(buttons);
    setFixedSize(550, 337);

    // Reading acts through the boxes: only a state that differs from the initial one changes
    // the window. Snapping follows its box from the start, so the window matches what it shows.
    TVlOptionValues values = DefaultOptionValues();
    try {
        values = ReadOptionValues(TVlIniFile(FConfigFile.toStdString()));
    } catch (const EVlFileError &) {
        // An unreadable file counts as a missing one: the defaults.
    }
    for (const TVlOptionKey &key : OptionKeys())
        OptionButton(key.Option)->setChecked(values[static_cast<int>(key.Option)]);
    FMagnet->SetEnabled(OptionButton(TVlOption::MagnetForm)->isChecked());
}

TOptions::~TOptions()
{
    try {
        TVlIniFile ini(FConfigFile.toStdString());
        WriteOptionValues(ini, Values());
        ini.UpdateFile();
    } catch (const EVlFileError &error) {
        if (ReportError)
            ReportError(QString::fromUtf8(error.what()));
    }
}

QWidget *TOptions::CreateMainPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    QVBoxLayout *shown = nullptr;
    layout->addWidget(Group("Отображение элементов", shown));
    shown->addWidget(KeptBox(TVlOption::Editor, "Редактор"));
    shown->addWidget(KeptBox(TVlOption::Log, "События программирования"));
    shown->addWidget(KeptBox(TVlOption::StatusBar, "Строка состояния"));
    shown->addWidget(KeptBox(TVlOption::RectPanel, "Панель отступа"));
    auto *inspector = new QCheckBox("Инспектор свойств");
    inspector->setChecked(true);
    inspector->setEnabled(false);
    shown->addWidget(inspector);
    QVBoxLayout *settings = nullptr;
    layout->addWidget(Group("Установки", settings));
    settings->addWidget(KeptBox(TVlOption::MagnetForm, "Липкие окошки"));
    layout->addStretch();
    OptionButton(TVlOption::Editor)->setEnabled(false);
    return page;
}

QWidget *TOptions::CreateFontPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    QVBoxLayout *text = nullptr;
    layout->addWidget(Group("Текст", text));
    FFontList = new QFontComboBox;
    FFontList->setCurrentFont(QFont("MS Sans Serif"));
    FFontList->setEditText("MS Sans Serif"); // shown by name even where the system substitutes it
    auto *extended = new QPushButton("Расширенно");
    auto *row = new QHBoxLayout;
    row->addWidget(FFontList, 1);
    row->addWidget(extended);
    FPreview = new QTextEdit;
    FPreview->setReadOnly(true);
    FPreview->setPlainText(QString::fromUtf8(PreviewText));
    text->addWidget(new QLabel("Шрифт:"));
    text->addLayout(row);
    text->addWidget(new QLabel("Предпросмотр:"));
    text->addWidget(FPreview, 1);
    // The preview shows the chosen name (the list's own display font says nothing about it).
    connect(FFontList, &QFontComboBox::currentFontChanged, this, [this](const QFont &font) {
        QFont preview = FPreview->font();
        preview.setFamilies(font.families());
        FPreview->setFont(preview);
    });
    connect(extended, &QPushButton::clicked, this, [this] {
        if (ChooseFont())
            FPreview->setFont(SharedFont());
    });
    return page;
}

QWidget *TOptions::CreateMorePage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    QVBoxLayout *preferences = nullptr;
    layout->addWidget(Group("Предпочтения", preferences));
    preferences->addWidget(KeptBox(TVlOption::InsertMode, "Разрешить вставку"));
    preferences->addWidget(KeptBox(TVlOption::PrintMode, "Разрешить печать"));
    preferences->addWidget(KeptBox(TVlOption::AutoPlugins, "Автоматически загружать плагины"));
    OptionButton(TVlOption::AutoPlugins)->setEnabled(false);
    layout->addStretch();
    return page;
}

QWidget *TOptions::CreateTextPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    QVBoxLayout *mode = nullptr;
    layout->addWidget(Group("Режим", mode));
    mode->addWidget(KeptRadio(TVlOption::DefaultMode, "Обычный"));
    mode->addWidget(KeptRadio(TVlOption::PlainMode, "\"Плоский\" (Plain)"));
    mode->addWidget(KeptRadio(TVlOption::RichMode, "Расширенный (Rich)"));
    layout->addStretch();
    return page;
}

QWidget *TOptions::CreateInsertPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    QVBoxLayout *procedures = nullptr;
    layout->addWidget(Group("Процедуры", procedures));
    procedures->addWidget(InsertItemBox("OnClick", "ProcOnClick1"));
    procedures->addWidget(InsertItemBox("OnChange", "ProcOnChange1"));
    QVBoxLayout *more = nullptr;
    layout->addWidget(Group("Дополнительно", more));
    more->addWidget(InsertItemBox("Uses", "UsesText1"));
    more->addWidget(InsertItemBox("Var", "Var1"));
    more->addWidget(InsertItemBox("Const", "Const1"));
    more->addWidget(InsertItemBox("Комментарий", "Comment1"));
    layout->addStretch();
    return page;
}

QCheckBox *TOptions::KeptBox(TVlOption option, const QString &caption)
{
    auto *box = new QCheckBox(caption);
    box->setChecked(DefaultOptionValues()[static_cast<int>(option)]);
    FButtons[static_cast<int>(option)] = box;
    connect(box, &QCheckBox::toggled, this, [this, option](bool state) { ApplyOption(option, state); });
    return box;
}

QRadioButton *TOptions::KeptRadio(TVlOption option, const QString &caption)
{
    auto *radio = new QRadioButton(caption);
    radio->setChecked(DefaultOptionValues()[static_cast<int>(option)]);
    FButtons[static_cast<int>(option)] = radio;
    connect(radio, &QRadioButton::toggled, this, [this, option](bool state) {
        if (state) // a radio button acts only when it becomes checked
            ApplyOption(option, state);
    });
    return radio;
}

QCheckBox *TOptions::InsertItemBox(const QString &caption, const QString &menuItem)
{
    auto *box = new QCheckBox(caption);
    box->setChecked(true);
    FInsertBoxes.insert(caption, box);
    connect(box, &QCheckBox::toggled, this, [this, menuItem](bool state) {
        if (QAction *item = FForm.MenuItem(menuItem))
            item->setVisible(state);
        UpdateInsertSeparator();
    });
    return box;
}

// The separator before "begin" shows while any of the declaration items above it shows.
void TOptions::UpdateInsertSeparator()
{
    bool anyShown = false;
    for (const char *caption : {"Var", "Const", "Uses", "Комментарий"})
        anyShown = anyShown || InsertBox(caption)->isChecked();
    if (QAction *separator = FForm.MenuItem("NBegin"))
        separator->setVisible(anyShown);
}

void TOptions::ApplyOption(TVlOption option, bool state)
{
    auto setItemVisible = [this](const char *name, bool visible) {
        if (QAction *item = FForm.MenuItem(name))
            item->setVisible(visible);
    };
    TVlDocuments *documents = TVlDocuments::Of(FForm);
    switch (option) {
    case TVlOption::Log:
        FForm.LOG1->setVisible(state);
        break;
    case TVlOption::StatusBar:
        FForm.StatusBar1->setVisible(state);
        break;
    case TVlOption::RectPanel:
        FForm.RectPanel->setVisible(state);
        break;
    case TVlOption::MagnetForm:
        FMagnet->SetEnabled(state);
        break;
    case TVlOption::InsertMode:
        setItemVisible("Insert1", state);
        break;
    case TVlOption::PrintMode:
        setItemVisible("PrintText1", state);
        setItemVisible("PrintSetup1", state);
        setItemVisible("NPrint", state);
        break;
    case TVlOption::DefaultMode:
        if (documents)
            documents->TextMode = TVlTextMode::Default;
        break;
    case TVlOption::PlainMode:
        if (documents)
            documents->TextMode = TVlTextMode::Plain;
        break;
    case TVlOption::RichMode:
        if (documents)
            documents->TextMode = TVlTextMode::Rich;
        break;
    case TVlOption::Editor:
    case TVlOption::AutoPlugins:
        break; // shown for information; they change nothing
    }
}

TVlOptionValues TOptions::Values() const
{
    TVlOptionValues values{};
    for (const TVlOptionKey &key : OptionKeys())
        values[static_cast<int>(key.Option)] = OptionButton(key.Option)->isChecked();
    return values;
}

void TOptions::RestoreDefaults()
{
    for (TVlOption option : {TVlOption::Log, TVlOption::Editor, TVlOption::StatusBar, TVlOption::InsertMode,
                             TVlOption::PrintMode, TVlOption::AutoPlugins, TVlOption::RectPanel})
        OptionButton(option)->setChecked(true);
    OptionButton(TVlOption::MagnetForm)->setChecked(false);
    OptionButton(TVlOption::DefaultMode)->setChecked(true);
}

void TOptions::ShowPage(const QString &caption)
{
    for (int i = 0; i < FPages->count(); ++i) {
        if (FPages->widget(i)->objectName().compare(caption, Qt::CaseInsensitive) == 0) {
            FPages->setCurrentIndex(i);
            const QSignalBlocker blocker(FTree);
            FTree->setCurrentItem(FTree->topLevelItem(i));
        }
    }
}

QString TOptions::CurrentPage() const
{
    return FPages->currentWidget()->objectName();
}

QFont TOptions::SharedFont() const
{
    const TVlAppearance *appearance = AppearanceOf(FForm);
    return appearance ? appearance->DialogFont : QFont("MS Sans Serif", 8);
}

bool TOptions::ChooseFont()
{
    TVlAppearance *appearance = AppearanceOf(FForm);
    if (!appearance || !appearance->ChooseFont)
        return false;
    QFont font = appearance->DialogFont;
    if (!appearance->ChooseFont(font))
        return false;
    appearance->DialogFont = font;
    return true;
}

void TOptions::Accept()
{
    // The list's own display font first, then the font dialog's: the editor ends with the latter.
    FForm.Memo1->SetEditorFont(FFontList->font());
    FForm.Memo1->SetEditorFont(SharedFont());
    accept();
}

void InstallOptionsCommands(TForm1 &form)
{
    const std::string file = form.Locations().SettingsFile("Config.ini");
    auto *options = new TOptions(form, QString::fromStdString(file));
    form.SetCommandHandler("OptionsClick", [options] { options->exec(); });
}
