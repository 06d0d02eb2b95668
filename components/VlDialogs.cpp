// The common dialogs over Qt's file, font, colour and print dialogs; find and replace are our own.
#include "VlDialogs.h"

#include "VlControls.h"
#include "VlCp1251.h"
#include "VlMessageDialogs.h"
#include "VlModalWaits.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#define VL_ENUM(Function, Type, ...)                              \
    const TEnumInfo &Function()                                   \
    {                                                             \
        static const TEnumInfo info(Type, {__VA_ARGS__});         \
        return info;                                              \
    }

VL_ENUM(OpenOptionEnumInfo, "TOpenOption", "ofReadOnly", "ofOverwritePrompt", "ofHideReadOnly", "ofNoChangeDir",
        "ofShowHelp", "ofNoValidate", "ofAllowMultiSelect", "ofExtensionDifferent", "ofPathMustExist",
        "ofFileMustExist", "ofCreatePrompt", "ofShareAware", "ofNoReadOnlyReturn", "ofNoTestFileCreate",
        "ofNoNetworkButton", "ofNoLongNames", "ofOldStyleDialog", "ofNoDereferenceLinks", "ofEnableIncludeNotify",
        "ofEnableSizing")
VL_ENUM(FontDialogOptionEnumInfo, "TFontDialogOption", "fdAnsiOnly", "fdTrueTypeOnly", "fdEffects",
        "fdFixedPitchOnly", "fdForceFontExist", "fdNoFaceSel", "fdNoOEMFonts", "fdNoSimulations", "fdNoSizeSel",
        "fdNoStyleSel", "fdNoVectorFonts", "fdShowHelp", "fdWysiwyg", "fdLimitSize", "fdScalableOnly", "fdApplyButton")
VL_ENUM(FontDialogDeviceEnumInfo, "TFontDialogDevice", "fdScreen", "fdPrinter", "fdBoth")
VL_ENUM(ColorDialogOptionEnumInfo, "TColorDialogOption", "cdFullOpen", "cdPreventFullOpen", "cdShowHelp",
        "cdSolidColor", "cdAnyColor")
VL_ENUM(PrintDialogOptionEnumInfo, "TPrintDialogOption", "poPrintToFile", "poPageNums", "poSelection", "poWarning",
        "poHelp", "poDisablePrintToFile")
VL_ENUM(PrintRangeEnumInfo, "TPrintRange", "prAllPages", "prSelection", "prPageNums")
VL_ENUM(FindOptionEnumInfo, "TFindOption", "frDown", "frFindNext", "frHideMatchCase", "frHideWholeWord",
        "frHideUpDown", "frMatchCase", "frDisableMatchCase", "frDisableUpDown", "frDisableWholeWord", "frReplace",
        "frReplaceAll", "frWholeWord", "frShowHelp")

namespace {

bool Has(uint32_t set, int element) { return (set & (1u << element)) != 0; }

QWidget *DialogParent() { return QApplication::activeWindow(); }

} // namespace

// TCommonDialog ----------------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS(TCommonDialog, TComponent, "Dialogs",
    VlBoolProp<&TCommonDialog::Ctl3D, &TCommonDialog::SetCtl3D>("Ctl3D", true),
    VlIntProp<&TCommonDialog::HelpContext, &TCommonDialog::SetHelpContext>("HelpContext").WithDefault(0),
    VlMethodProp<&TCommonDialog::OnClose, &TCommonDialog::SetOnClose>("OnClose"),
    VlMethodProp<&TCommonDialog::OnShow, &TCommonDialog::SetOnShow>("OnShow"))

TCommonDialog::TCommonDialog(TComponent *owner) : TComponent(owner) {}

void TCommonDialog::Fire(const TMethod &handler, std::string_view name)
{
    if (!handler.IsAssigned() || HasState(csDesigning) || HasState(csDestroying))
        return;
    TVlEventArgs args;
    args.Sender = this;
    args.Name = name;
    args.TypeName = "TNotifyEvent";
    DispatchVlEvent(handler, args);
}

bool TCommonDialog::RunModal(QDialog &dialog)
{
    // Nobody can answer a dialog in an unattended run: it is cancelled.
    if (VlUnattendedDialogs())
        return false;
    Fire(FOnShow, "OnShow");
    const bool accepted = VlExecModal(dialog) == QDialog::Accepted;
    Fire(FOnClose, "OnClose");
    return accepted;
}

// TOpenDialog, TSaveDialog -------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS(TOpenDialog, TCommonDialog, "Dialogs",
    VlStrProp<&TOpenDialog::DefaultExt, &TOpenDialog::SetDefaultExt>("DefaultExt"),
    VlStrProp<&TOpenDialog::FileName, &TOpenDialog::SetFileName>("FileName", "TFileName"),
    VlStrProp<&TOpenDialog::Filter, &TOpenDialog::SetFilter>("Filter"),
    VlIntProp<&TOpenDialog::FilterIndex, &TOpenDialog::SetFilterIndex>("FilterIndex").WithDefault(1),
    VlStrProp<&TOpenDialog::InitialDir, &TOpenDialog::SetInitialDir>("InitialDir"),
    VlSetProp<&TOpenDialog::Options, &TOpenDialog::SetOptions>("Options", "TOpenOptions", OpenOptionEnumInfo(),
                                                               1u << ofHideReadOnly),
    VlStrProp<&TOpenDialog::Title, &TOpenDialog::SetTitle>("Title"))

TOpenDialog::TOpenDialog(TComponent *owner) : TCommonDialog(owner), FFiles(std::make_unique<TStringList>()) {}
TOpenDialog::~TOpenDialog() = default;

std::vector<std::string> TOpenDialog::NameFilters() const
{
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= FFilter.size() && !FFilter.empty()) {
        const size_t bar = FFilter.find('|', start);
        parts.push_back(FFilter.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos)
            break;
        start = bar + 1;
    }
    std::vector<std::string> filters;
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        std::string patterns = parts[i + 1];
        for (char &c : patterns)
            if (c == ';')
                c = ' ';
        // A description that already names its patterns keeps them in brackets once.
        const std::string &description = parts[i];
        filters.push_back(description.find('(') != std::string::npos
                              ? description.substr(0, description.find('(')) + "(" + patterns + ")"
                              : description + " (" + patterns + ")");
    }
    return filters;
}

bool TOpenDialog::ExecuteFileDialog(bool save)
{
    QFileDialog dialog(DialogParent());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (save)
        dialog.setFileMode(QFileDialog::AnyFile);
    else
        dialog.setFileMode(Has(FOptions, ofAllowMultiSelect) ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    if (!FTitle.empty())
        dialog.setWindowTitle(VlToQString(FTitle));
    if (save && !Has(FOptions, ofOverwritePrompt))
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const std::vector<std::string> filters = NameFilters();
    QStringList names;
    for (const std::string &filter : filters)
        names << VlToQString(filter);
    if (!names.isEmpty()) {
        dialog.setNameFilters(names);
        dialog.selectNameFilter(names.value(std::clamp(FFilterIndex, 1, int(names.size())) - 1));
    }
    if (!FDefaultExt.empty())
        dialog.setDefaultSuffix(VlToQString(FDefaultExt));
    if (!FInitialDir.empty())
        dialog.setDirectory(VlToQString(FInitialDir));
    if (!FFileName.empty())
        dialog.selectFile(VlToQString(FFileName));
    if (!RunModal(dialog))
        return false;
    FFiles->Clear();
    for (const QString &file : dialog.selectedFiles())
        FFiles->Add(VlFromQString(file));
    FFileName = FFiles->Count() > 0 ? FFiles->Get(0) : std::string();
    const int index = int(names.indexOf(dialog.selectedNameFilter()));
    if (index >= 0)
        FFilterIndex = index + 1;
    return true;
}

bool TOpenDialog::Execute() { return ExecuteFileDialog(false); }

VL_IMPLEMENT_CLASS(TSaveDialog, TOpenDialog, "Dialogs")

TSaveDialog::TSaveDialog(TComponent *owner) : TOpenDialog(owner) {}

bool TSaveDialog::Execute() { return ExecuteFileDialog(true); }

// TFontDialog, TColorDialog --------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS(TFontDialog, TCommonDialog, "Dialogs",
    VlEnumProp<&TFontDialog::Device, &TFontDialog::SetDevice>("Device", FontDialogDeviceEnumInfo(), fdScreen),
    VlClassProp<&TFontDialog::Font, &TFontDialog::SetFont>("Font", "TFont"),
    VlIntProp<&TFontDialog::MaxFontSize, &TFontDialog::SetMaxFontSize>("MaxFontSize").WithDefault(0),
    VlIntProp<&TFontDialog::MinFontSize, &TFontDialog::SetMinFontSize>("MinFontSize").WithDefault(0),
    VlSetProp<&TFontDialog::Options, &TFontDialog::SetOptions>("Options", "TFontDialogOptions",
                                                               FontDialogOptionEnumInfo(), 1u << fdEffects))

TFontDialog::TFontDialog(TComponent *owner) : TCommonDialog(owner), FFont(std::make_unique<TFont>()) {}
TFontDialog::~TFontDialog() = default;

bool TFontDialog::Execute()
{
    QFontDialog dialog(FFont->ToQFont(), DialogParent());
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    if (Has(FOptions, fdFixedPitchOnly))
        dialog.setOption(QFontDialog::MonospacedFonts);
    if (Has(FOptions, fdScalableOnly) || Has(FOptions, fdTrueTypeOnly))
        dialog.setOption(QFontDialog::ScalableFonts);
    if (!RunModal(dialog))
        return false;
    FFont->AssignQFont(dialog.selectedFont());
    return true;
}

VL_IMPLEMENT_CLASS(TColorDialog, TCommonDialog, "Dialogs",
    VlIntProp<&TColorDialog::Color, &TColorDialog::SetColor>("Color", "TColor").WithDefault(clBlack),
    VlClassProp<&TColorDialog::CustomColors, &TColorDialog::SetCustomColors>("CustomColors", "TStrings"),
    VlSetProp<&TColorDialog::Options, &TColorDialog::SetOptions>("Options", "TColorDialogOptions",
                                                                 ColorDialogOptionEnumInfo(), 0))

TColorDialog::TColorDialog(TComponent *owner) : TCommonDialog(owner), FCustomColors(std::make_unique<TStringList>()) {}
TColorDialog::~TColorDialog() = default;

bool TColorDialog::Execute()
{
    // "ColorA" ... "ColorP" fill the dialog's sixteen custom colours.
    for (int i = 0; i < 16 && i < QColorDialog::customCount(); ++i) {
        const std::string value = FCustomColors->Values(std::string("Color") + char('A' + i));
        if (!value.empty())
            QColorDialog::setCustomColor(i, ColorToQColor(TColor(std::strtol(value.c_str(), nullptr, 16))));
    }
    QColorDialog dialog(ColorToQColor(FColor), DialogParent());
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (!RunModal(dialog))
        return false;
    FColor = QColorToColor(dialog.selectedColor());
    return true;
}

// TPrintDialog, TPrinterSetupDialog ---------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS(TPrintDialog, TCommonDialog, "Dialogs",
    VlBoolProp<&TPrintDialog::Collate, &TPrintDialog::SetCollate>("Collate", false),
    VlIntProp<&TPrintDialog::Copies, &TPrintDialog::SetCopies>("Copies").WithDefault(1),
    VlIntProp<&TPrintDialog::FromPage, &TPrintDialog::SetFromPage>("FromPage").WithDefault(0),
    VlIntProp<&TPrintDialog::MaxPage, &TPrintDialog::SetMaxPage>("MaxPage").WithDefault(0),
    VlIntProp<&TPrintDialog::MinPage, &TPrintDialog::SetMinPage>("MinPage").WithDefault(0),
    VlSetProp<&TPrintDialog::Options, &TPrintDialog::SetOptions>("Options", "TPrintDialogOptions",
                                                                 PrintDialogOptionEnumInfo(), 0),
    VlEnumProp<&TPrintDialog::PrintRange, &TPrintDialog::SetPrintRange>("PrintRange", PrintRangeEnumInfo(), prAllPages),
    VlBoolProp<&TPrintDialog::PrintToFile, &TPrintDialog::SetPrintToFile>("PrintToFile", false),
    VlIntProp<&TPrintDialog::ToPage, &TPrintDialog::SetToPage>("ToPage").WithDefault(0))

TPrintDialog::TPrintDialog(TComponent *owner) : TCommonDialog(owner) {}

bool TPrintDialog::Execute()
{
    QPrinter printer;
    printer.setCopyCount(FCopies);
    printer.setCollateCopies(FCollate);
    QPrintDialog dialog(&printer, DialogParent());
    dialog.setMinMax(FMinPage, FMaxPage);
    if (FFromPage > 0 || FToPage > 0)
        dialog.setFromTo(FFromPage, FToPage);
    QAbstractPrintDialog::PrintDialogOptions options;
    if (Has(FOptions, poPrintToFile))
        options |= QAbstractPrintDialog::PrintToFile;
    if (Has(FOptions, poPageNums))
        options |= QAbstractPrintDialog::PrintPageRange;
    if (Has(FOptions, poSelection))
        options |= QAbstractPrintDialog::PrintSelection;
    dialog.setOptions(options);
    dialog.setPrintRange(FPrintRange == prSelection ? QAbstractPrintDialog::Selection
                         : FPrintRange == prPageNums ? QAbstractPrintDialog::PageRange
                                                     : QAbstractPrintDialog::AllPages);
    if (!RunModal(dialog))
        return false;
    FCopies = printer.copyCount();
    FCollate = printer.collateCopies();
    FFromPage = dialog.fromPage();
    FToPage = dialog.toPage();
    FPrintToFile = !printer.outputFileName().isEmpty();
    FPrintRange = dialog.printRange() == QAbstractPrintDialog::Selection ? prSelection
                  : dialog.printRange() == QAbstractPrintDialog::PageRange ? prPageNums
                                                                             : prAllPages;
    return true;
}

VL_IMPLEMENT_CLASS(TPrinterSetupDialog, TCommonDialog, "Dialogs")

TPrinterSetupDialog::TPrinterSetupDialog(TComponent *owner) : TCommonDialog(owner) {}

bool TPrinterSetupDialog::Execute()
{
    QPrinter printer;
    QPageSetupDialog dialog(&printer, DialogParent());
    return RunModal(dialog);
}

// TFindDialog, TReplaceDialog ---------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS(TFindDialog, TCommonDialog, "Dialogs",
    VlStrProp<&TFindDialog::FindText, &TFindDialog::SetFindText>("FindText"),
    VlSetProp<&TFindDialog::Options, &TFindDialog::SetOptions>("Options", "TFindOptions", FindOptionEnumInfo(),
                                                               1u << frDown),
    VlMethodProp<&TFindDialog::OnFind, &TFindDialog::SetOnFind>("OnFind"))

TFindDialog::TFindDialog(TComponent *owner) : TCommonDialog(owner) {}

TFindDialog::~TFindDialog()
{
    delete FDialog.data();
}

const std::string &TFindDialog::FindText() const
{
    if (FDialog && FFindEdit)
        FFindText = VlFromQString(FFindEdit->text());
    return FFindText;
}

void TFindDialog::SetFindText(const std::string &value)
{
    FFindText = value;
    if (FDialog && FFindEdit)
        FFindEdit->setText(VlToQString(value));
}

uint32_t TFindDialog::Options() const
{
    const_cast<TFindDialog *>(this)->ReadDialog();
    return FOptions;
}

void TFindDialog::SetOptions(uint32_t value)
{
    FOptions = value;
    if (FDialog) {
        FWholeWord->setChecked(Has(value, frWholeWord));
        FMatchCase->setChecked(Has(value, frMatchCase));
        FDown->setChecked(Has(value, frDown));
    }
}

TPoint TFindDialog::Position() const
{
    if (FDialog)
        return {FDialog->x(), FDialog->y()};
    return FPosition;
}

void TFindDialog::SetPosition(const TPoint &value)
{
    FPosition = value;
    if (FDialog)
        FDialog->move(value.X, value.Y);
}

void TFindDialog::ReadDialog()
{
    if (!FDialog)
        return;
    FFindText = VlFromQString(FFindEdit->text());
    if (FReplaceEdit)
        FReplaceText = VlFromQString(FReplaceEdit->text());
    auto set = [this](int element, bool on) {
        if (on)
            FOptions |= 1u << element;
        else
            FOptions &= ~(1u << element);
    };
    set(frWholeWord, FWholeWord->isChecked());
    set(frMatchCase, FMatchCase->isChecked());
    set(frDown, FDown->isChecked());
}

void TFindDialog::BuildDialog()
{
    auto *dialog = new QDialog(DialogParent());
    dialog->setWindowTitle(QString::fromUtf8(IsReplace() ? "Заменить" : "Найти"));
    dialog->setObjectName(QStringLiteral("VlFindDialog"));
    auto *layout = new QHBoxLayout(dialog);
    auto *fields = new QGridLayout;
    layout->addLayout(fields, 1);
    fields->addWidget(new QLabel(QString::fromUtf8("Найти:")), 0, 0);
    FFindEdit = new QLineEdit(VlToQString(FFindText));
    FFindEdit->setObjectName(QStringLiteral("FindText"));
    fields->addWidget(FFindEdit, 0, 1);
    int row = 1;
    if (IsReplace()) {
        fields->addWidget(new QLabel(QString::fromUtf8("Заменить на:")), 1, 0);
        FReplaceEdit = new QLineEdit(VlToQString(FReplaceText));
        FReplaceEdit->setObjectName(QStringLiteral("ReplaceText"));
        fields->addWidget(FReplaceEdit, 1, 1);
        row = 2;
    }
    FWholeWord = new QCheckBox(QString::fromUtf8("Только слово целиком"));
    FWholeWord->setObjectName(QStringLiteral("WholeWord"));
    FMatchCase = new QCheckBox(QString::fromUtf8("С учетом регистра"));
    FMatchCase->setObjectName(QStringLiteral("MatchCase"));
    fields->addWidget(FWholeWord, row, 0, 1, 2);
    fields->addWidget(FMatchCase, row + 1, 0, 1, 2);
    FWholeWord->setVisible(!Has(FOptions, frHideWholeWord));
    FWholeWord->setEnabled(!Has(FOptions, frDisableWholeWord));
    FMatchCase->setVisible(!Has(FOptions, frHideMatchCase));
    FMatchCase->setEnabled(!Has(FOptions, frDisableMatchCase));
    auto *direction = new QGroupBox(QString::fromUtf8("Направление"));
    auto *directions = new QHBoxLayout(direction);
    auto *up = new QRadioButton(QString::fromUtf8("Вверх"));
    FDown = new QRadioButton(QString::fromUtf8("Вниз"));
    FDown->setObjectName(QStringLiteral("Down"));
    directions->addWidget(up);
    directions->addWidget(FDown);
    direction->setVisible(!IsReplace() && !Has(FOptions, frHideUpDown));
    direction->setEnabled(!Has(FOptions, frDisableUpDown));
    fields->addWidget(direction, row + 2, 0, 1, 2);
    (Has(FOptions, frDown) ? FDown : up)->setChecked(true);
    FWholeWord->setChecked(Has(FOptions, frWholeWord));
    FMatchCase->setChecked(Has(FOptions, frMatchCase));

    auto *buttons = new QVBoxLayout;
    layout->addLayout(buttons);
    auto *next = new QPushButton(QString::fromUtf8("Найти далее"));
    next->setObjectName(QStringLiteral("FindNext"));
    next->setDefault(true);
    buttons->addWidget(next);
    QObject::connect(next, &QPushButton::clicked, dialog, [this] { VlGuard([this] { FindNext(); }); });
    if (IsReplace()) {
        auto *replace = new QPushButton(QString::fromUtf8("Заменить"));
        replace->setObjectName(QStringLiteral("Replace"));
        auto *all = new QPushButton(QString::fromUtf8("Заменить все"));
        all->setObjectName(QStringLiteral("ReplaceAll"));
        buttons->addWidget(replace);
        buttons->addWidget(all);
        auto *self = static_cast<TReplaceDialog *>(this);
        QObject::connect(replace, &QPushButton::clicked, dialog, [self] { VlGuard([self] { self->Replace(false); }); });
        QObject::connect(all, &QPushButton::clicked, dialog, [self] { VlGuard([self] { self->Replace(true); }); });
    }
    auto *cancel = new QPushButton(QString::fromUtf8("Отмена"));
    cancel->setObjectName(QStringLiteral("Cancel"));
    buttons->addWidget(cancel);
    buttons->addStretch();
    QObject::connect(cancel, &QPushButton::clicked, dialog, [this] { VlGuard([this] { CloseDialog(); }); });
    QObject::connect(dialog, &QDialog::rejected, dialog, [this] { VlGuard([this] { Fire(OnClose(), "OnClose"); }); });
    FDialog = dialog;
}

bool TFindDialog::Execute()
{
    if (!FDialog)
        BuildDialog();
    if (FPosition.X >= 0 && FPosition.Y >= 0)
        FDialog->move(FPosition.X, FPosition.Y);
    Fire(OnShow(), "OnShow");
    FDialog->show();
    FDialog->raise();
    FDialog->activateWindow();
    return true;
}

void TFindDialog::CloseDialog()
{
    if (!FDialog || !FDialog->isVisible())
        return;
    ReadDialog();
    FPosition = {FDialog->x(), FDialog->y()};
    FDialog->hide();
    Fire(OnClose(), "OnClose");
}

void TFindDialog::FireFind(const TMethod &handler, std::string_view name, uint32_t flag)
{
    ReadDialog();
    FOptions &= ~((1u << frFindNext) | (1u << frReplace) | (1u << frReplaceAll));
    FOptions |= flag;
    Fire(handler, name);
}

void TFindDialog::FindNext()
{
    FireFind(FOnFind, "OnFind", 1u << frFindNext);
}

VL_IMPLEMENT_CLASS(TReplaceDialog, TFindDialog, "Dialogs",
    VlStrProp<&TReplaceDialog::ReplaceText, &TReplaceDialog::SetReplaceText>("ReplaceText"),
    VlMethodProp<&TReplaceDialog::OnReplace, &TReplaceDialog::SetOnReplace>("OnReplace"))

TReplaceDialog::TReplaceDialog(TComponent *owner) : TFindDialog(owner) {}

const std::string &TReplaceDialog::ReplaceText() const
{
    if (FDialog && FReplaceEdit)
        const_cast<TReplaceDialog *>(this)->FReplaceText = VlFromQString(FReplaceEdit->text());
    return FReplaceText;
}

void TReplaceDialog::SetReplaceText(const std::string &value)
{
    FReplaceText = value;
    if (FDialog && FReplaceEdit)
        FReplaceEdit->setText(VlToQString(value));
}

void TReplaceDialog::Replace(bool all)
{
    FireFind(FOnReplace, "OnReplace", 1u << (all ? frReplaceAll : frReplace));
}
