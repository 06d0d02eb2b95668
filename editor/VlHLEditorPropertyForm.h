// The editor properties dialog: options, tab stops, colours per highlighter with a live preview.
#pragma once

#include "VlHLEditor.h"
#include "VlHLEditorColorStore.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class TVlColorGrid;
class TVlSettingsStore;

// The preview: a read-only editor whose left clicks report the element under the mouse.
class TVlSampleViewer : public TVlHLEditor
{
    Q_OBJECT
public:
    explicit TVlSampleViewer(QWidget *parent = nullptr);
    // The element list index that colours the character at a viewport point, -1 for none.
    int ElementAt(QPoint viewportPoint);

signals:
    void ElementClicked(int element);

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *) override {}
    void mouseDoubleClickEvent(QMouseEvent *) override {}
    void wheelEvent(QWheelEvent *) override {}
};

// Element list rows.
enum TVlColorElement {
    ceWhitespace, ceComment, ceReserved, ceIdentifier, ceSymbol, ceString, ceNumber, cePreprocessor,
    ceDeclaration, ceFunctionCall, ceStatement, cePlainText, ceMarkedBlock, ceRightMargin
};

class TVlHLEditorParamsForm : public QDialog
{
    Q_OBJECT
public:
    explicit TVlHLEditorParamsForm(QWidget *parent = nullptr);

    // Fills the dialog from the editor and the store (the store may be null: defaults, no saving).
    void Open(TVlHLEditor *editor, TVlSettingsStore *store);
    // Adds a page of the caller (the main window's "Комментарий" page goes at index 1).
    void InsertPage(int index, QWidget *page, const QString &caption);
    // Shows the page stored under the active-page key (clamped, hidden pages skipped).
    void ShowStoredPage();
    // "&OK" and "Cancel" without running the modal loop (the loop calls them too).
    void ApplyOk();
    void ApplyCancel();

    void ChooseHighlighter(int index, bool fromUser);
    void ShowElement(int element);
    void ApplyElement();
    const TVlHighlighterColors &PreviewColors() const { return fPreviewColors; }

    QTabWidget *Pages;
    QComboBox *KeymapBox;
    QCheckBox *AutoIndent, *SmartTab, *BackspaceUnindents, *GroupUndo, *CursorBeyondEOF, *UndoAfterSave,
        *KeepTrailingBlanks, *DoubleClickLine, *UseSyntaxHighlight;
    QLineEdit *TabStopsEdit;
    QComboBox *HighlighterBox;
    QListWidget *Elements;
    TVlColorGrid *Grid;
    QCheckBox *Bold, *Italic, *Underline, *DefaultForeground, *DefaultBackground;
    TVlSampleViewer *Preview;
    QPushButton *OkButton, *CancelButton;

private:
    QWidget *CreateEditorPage();
    QWidget *CreateColorsPage();
    void SaveColors();
    void StorePageIndex();
    void ElementColors(int element, TColor &fore, TColor &back, std::uint8_t &style) const;
    void PushColorsToPreview();

    TVlHLEditor *fEditor = nullptr;
    TVlSettingsStore *fStore = nullptr;
    TVlHighlighterColors fPreviewColors;
    TColor fSelFore = VlColors::clHighlightText;
    TColor fSelBack = VlColors::clHighlight;
    int fHighlighter = 1;
    bool fShowing = false; // suppresses reactions while controls are being filled
};

// The dialog component: Execute() runs the dialog modally for the attached editor.
class TVlHLEdPropDlg
{
public:
    TVlHLEditor *VlHLEditor = nullptr;
    TVlSettingsStore *Store = nullptr;
    QWidget *Parent = nullptr;
    std::function<void(TVlHLEditorParamsForm &)> OnDialogPopup;
    std::function<void(TVlHLEditorParamsForm &)> OnDialogClosed;
    // For tests: runs instead of the modal loop and returns the dialog's result.
    std::function<bool(TVlHLEditorParamsForm &)> RunModal;

    // Throws std::runtime_error("VlHLEditor property is not assigned") without an editor.
    bool Execute();
};
