// The common dialogs as components: open and save, font, colour, printing, find and replace.
// Execute shows the dialog (modally, except find and replace) and answers whether the user accepted.
#pragma once

#include "VlComponent.h"
#include "VlControls.h"
#include "VlEvents.h"
#include "VlGraphics.h"
#include "VlStringList.h"

#include <QDialog>
#include <QPointer>
#include <memory>
#include <string>

class QLineEdit;
class QCheckBox;
class QRadioButton;
class QWidget;

enum TOpenOption {
    ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofShowHelp, ofNoValidate, ofAllowMultiSelect,
    ofExtensionDifferent, ofPathMustExist, ofFileMustExist, ofCreatePrompt, ofShareAware, ofNoReadOnlyReturn,
    ofNoTestFileCreate, ofNoNetworkButton, ofNoLongNames, ofOldStyleDialog, ofNoDereferenceLinks,
    ofEnableIncludeNotify, ofEnableSizing
};
enum TFontDialogOption {
    fdAnsiOnly, fdTrueTypeOnly, fdEffects, fdFixedPitchOnly, fdForceFontExist, fdNoFaceSel, fdNoOEMFonts,
    fdNoSimulations, fdNoSizeSel, fdNoStyleSel, fdNoVectorFonts, fdShowHelp, fdWysiwyg, fdLimitSize,
    fdScalableOnly, fdApplyButton
};
enum TFontDialogDevice { fdScreen, fdPrinter, fdBoth };
enum TColorDialogOption { cdFullOpen, cdPreventFullOpen, cdShowHelp, cdSolidColor, cdAnyColor };
enum TPrintDialogOption { poPrintToFile, poPageNums, poSelection, poWarning, poHelp, poDisablePrintToFile };
enum TPrintRange { prAllPages, prSelection, prPageNums };
enum TFindOption {
    frDown, frFindNext, frHideMatchCase, frHideWholeWord, frHideUpDown, frMatchCase, frDisableMatchCase,
    frDisableUpDown, frDisableWholeWord, frReplace, frReplaceAll, frWholeWord, frShowHelp
};

const TEnumInfo &OpenOptionEnumInfo();
const TEnumInfo &FontDialogOptionEnumInfo();
const TEnumInfo &FontDialogDeviceEnumInfo();
const TEnumInfo &ColorDialogOptionEnumInfo();
const TEnumInfo &PrintDialogOptionEnumInfo();
const TEnumInfo &PrintRangeEnumInfo();
const TEnumInfo &FindOptionEnumInfo();

class TCommonDialog : public TComponent {
    VL_CLASS(TCommonDialog)
    explicit TCommonDialog(TComponent *owner = nullptr);
    virtual bool Execute() = 0;
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool value) { FCtl3D = value; }
    int HelpContext() const { return FHelpContext; }
    void SetHelpContext(int value) { FHelpContext = value; }
    TMethod OnShow() const { return FOnShow; }
    void SetOnShow(const TMethod &h) { FOnShow = h; }
    TMethod OnClose() const { return FOnClose; }
    void SetOnClose(const TMethod &h) { FOnClose = h; }

protected:
    // Runs a modal Qt dialog between OnShow and OnClose; true when it was accepted.
    bool RunModal(QDialog &dialog);
    void Fire(const TMethod &handler, std::string_view name);

private:
    bool FCtl3D = true;
    int FHelpContext = 0;
    TMethod FOnShow, FOnClose;
};

class TOpenDialog : public TCommonDialog {
    VL_CLASS(TOpenDialog)
    explicit TOpenDialog(TComponent *owner = nullptr);
    ~TOpenDialog() override;
    bool Execute() override;
    const std::string &FileName() const { return FFileName; }
    void SetFileName(const std::string &value) { FFileName = value; }
    // "Description|*.ext;*.ext2|Description2|*.ext3".
    const std::string &Filter() const { return FFilter; }
    void SetFilter(const std::string &value) { FFilter = value; }
    // 1-based, as the filter pairs are counted.
    int FilterIndex() const { return FFilterIndex; }
    void SetFilterIndex(int value) { FFilterIndex = value; }
    const std::string &InitialDir() const { return FInitialDir; }
    void SetInitialDir(const std::string &value) { FInitialDir = value; }
    const std::string &Title() const { return FTitle; }
    void SetTitle(const std::string &value) { FTitle = value; }
    const std::string &DefaultExt() const { return FDefaultExt; }
    void SetDefaultExt(const std::string &value) { FDefaultExt = value; }
    uint32_t Options() const { return FOptions; }
    void SetOptions(uint32_t value) { FOptions = value; }
    // Every file chosen (one unless ofAllowMultiSelect).
    TStrings *Files() const { return FFiles.get(); }
    // Qt's filter strings for Filter ("Description (*.ext *.ext2)").
    std::vector<std::string> NameFilters() const;

protected:
    bool ExecuteFileDialog(bool save);

private:
    std::string FFileName, FFilter, FInitialDir, FTitle, FDefaultExt;
    int FFilterIndex = 1;
    uint32_t FOptions = 1u << ofHideReadOnly;
    std::unique_ptr<TStringList> FFiles;
};

class TSaveDialog : public TOpenDialog {
    VL_CLASS(TSaveDialog)
    explicit TSaveDialog(TComponent *owner = nullptr);
    bool Execute() override;
};

class TFontDialog : public TCommonDialog {
    VL_CLASS(TFontDialog)
    explicit TFontDialog(TComponent *owner = nullptr);
    ~TFontDialog() override;
    bool Execute() override;
    TFont *Font() const { return FFont.get(); }
    void SetFont(TFont *font) { FFont->Assign(font); }
    uint32_t Options() const { return FOptions; }
    void SetOptions(uint32_t value) { FOptions = value; }
    TFontDialogDevice Device() const { return FDevice; }
    void SetDevice(TFontDialogDevice value) { FDevice = value; }
    int MinFontSize() const { return FMinFontSize; }
    void SetMinFontSize(int value) { FMinFontSize = value; }
    int MaxFontSize() const { return FMaxFontSize; }
    void SetMaxFontSize(int value) { FMaxFontSize = value; }

private:
    std::unique_ptr<TFont> FFont;
    uint32_t FOptions = 1u << fdEffects;
    TFontDialogDevice FDevice = fdScreen;
    int FMinFontSize = 0, FMaxFontSize = 0;
};

class TColorDialog : public TCommonDialog {
    VL_CLASS(TColorDialog)
    explicit TColorDialog(TComponent *owner = nullptr);
    ~TColorDialog() override;
    bool Execute() override;
    TColor Color() const { return FColor; }
    void SetColor(TColor value) { FColor = value; }
    // "ColorA=RRGGBB" ... "ColorP=RRGGBB" (hexadecimal BBGGRR as the platform stores them).
    TStrings *CustomColors() const { return FCustomColors.get(); }
    void SetCustomColors(TStrings *colors) { FCustomColors->Assign(colors); }
    uint32_t Options() const { return FOptions; }
    void SetOptions(uint32_t value) { FOptions = value; }

private:
    TColor FColor = clBlack;
    std::unique_ptr<TStringList> FCustomColors;
    uint32_t FOptions = 0;
};

class TPrintDialog : public TCommonDialog {
    VL_CLASS(TPrintDialog)
    explicit TPrintDialog(TComponent *owner = nullptr);
    bool Execute() override;
    int Copies() const { return FCopies; }
    void SetCopies(int value) { FCopies = value; }
    bool Collate() const { return FCollate; }
    void SetCollate(bool value) { FCollate = value; }
    int FromPage() const { return FFromPage; }
    void SetFromPage(int value) { FFromPage = value; }
    int ToPage() const { return FToPage; }
    void SetToPage(int value) { FToPage = value; }
    int MinPage() const { return FMinPage; }
    void SetMinPage(int value) { FMinPage = value; }
    int MaxPage() const { return FMaxPage; }
    void SetMaxPage(int value) { FMaxPage = value; }
    uint32_t Options() const { return FOptions; }
    void SetOptions(uint32_t value) { FOptions = value; }
    TPrintRange PrintRange() const { return FPrintRange; }
    void SetPrintRange(TPrintRange value) { FPrintRange = value; }
    bool PrintToFile() const { return FPrintToFile; }
    void SetPrintToFile(bool value) { FPrintToFile = value; }

private:
    int FCopies = 1, FFromPage = 0, FToPage = 0, FMinPage = 0, FMaxPage = 0;
    bool FCollate = false, FPrintToFile = false;
    uint32_t FOptions = 0;
    TPrintRange FPrintRange = prAllPages;
};

class TPrinterSetupDialog : public TCommonDialog {
    VL_CLASS(TPrinterSetupDialog)
    explicit TPrinterSetupDialog(TComponent *owner = nullptr);
    bool Execute() override;
};

// A dialog that stays open while the user searches: each "Найти далее" raises OnFind.
class TFindDialog : public TCommonDialog {
    VL_CLASS(TFindDialog)
    explicit TFindDialog(TComponent *owner = nullptr);
    ~TFindDialog() override;
    // Shows the dialog without waiting; true.
    bool Execute() override;
    void CloseDialog();
    // The dialog window while it is shown; null otherwise.
    QDialog *Dialog() const { return FDialog; }
    const std::string &FindText() const;
    void SetFindText(const std::string &value);
    uint32_t Options() const;
    void SetOptions(uint32_t value);
    TPoint Position() const;
    void SetPosition(const TPoint &value);
    int Left() const { return Position().X; }
    void SetLeft(int value) { SetPosition({value, Position().Y}); }
    int Top() const { return Position().Y; }
    void SetTop(int value) { SetPosition({Position().X, value}); }
    TMethod OnFind() const { return FOnFind; }
    void SetOnFind(const TMethod &h) { FOnFind = h; }
    // What the "Найти далее" button does: the options are read from the dialog, then OnFind.
    void FindNext();

protected:
    virtual bool IsReplace() const { return false; }
    void ReadDialog();
    void FireFind(const TMethod &handler, std::string_view name, uint32_t flag);
    QPointer<QDialog> FDialog;
    QLineEdit *FFindEdit = nullptr;
    QLineEdit *FReplaceEdit = nullptr;
    mutable std::string FFindText;
    std::string FReplaceText;
    uint32_t FOptions = 1u << frDown;

private:
    void BuildDialog();
    QCheckBox *FWholeWord = nullptr;
    QCheckBox *FMatchCase = nullptr;
    QRadioButton *FDown = nullptr;
    TPoint FPosition{-1, -1};
    TMethod FOnFind;
};

class TReplaceDialog : public TFindDialog {
    VL_CLASS(TReplaceDialog)
    explicit TReplaceDialog(TComponent *owner = nullptr);
    const std::string &ReplaceText() const;
    void SetReplaceText(const std::string &value);
    TMethod OnReplace() const { return FOnReplace; }
    void SetOnReplace(const TMethod &h) { FOnReplace = h; }
    // The "Заменить" and "Заменить все" buttons: options read, frReplace or frReplaceAll set, OnReplace.
    void Replace(bool all);

protected:
    bool IsReplace() const override { return true; }

private:
    TMethod FOnReplace;
};
