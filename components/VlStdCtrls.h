// Standard controls: labels, buttons, edits, memos, check and radio buttons, lists, group boxes, scroll bars.
#pragma once

#include "VlControls.h"
#include "VlStringList.h"

#include <memory>

class QLabel;
class QPushButton;
class QLineEdit;
class QPlainTextEdit;
class QCheckBox;
class QRadioButton;
class QComboBox;
class QListWidget;
class QGroupBox;
class QScrollBar;

enum TTextLayout { tlTop, tlCenter, tlBottom };
enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
enum TScrollBarKind { sbHorizontal, sbVertical };
enum TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll };
enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };
// Bits of TOwnerDrawState.
enum TOwnerDrawStateFlag : uint32_t {
    odSelected = 1u << 0, odGrayed = 1u << 1, odDisabled = 1u << 2, odChecked = 1u << 3, odFocused = 1u << 4,
    odDefault = 1u << 5
};
class TVlOwnerDraw;

class TLabel : public TGraphicControl {
    VL_CLASS(TLabel)
    explicit TLabel(TComponent *owner = nullptr);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool value);
    TWinControl *FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl *control);
    void Loaded() override;
    void Notification(TComponent *component, TOperation operation) override;

protected:
    void ApplyText() override;
    void ApplyFont() override;
    bool PaintsBackground() const override { return !FTransparent; }

private:
    QLabel *Label() const;
    void AdjustSize();
    TAlignment FAlignment = taLeftJustify;
    bool FAutoSize = true, FWordWrap = false, FTransparent = false, FShowAccelChar = true;
    TTextLayout FLayout = tlTop;
    TWinControl *FFocusControl = nullptr;
};

class TButton : public TWinControl {
    VL_CLASS(TButton)
    explicit TButton(TComponent *owner = nullptr);
    bool Default() const { return FDefault; }
    void SetDefault(bool value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value) { FCancel = value; }
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int value) { FModalResult = value; }
    // Sets the parent form's ModalResult, then raises OnClick.
    void Click() override;

protected:
    void ApplyText() override;
    bool ClicksOnMouseUp() const override { return false; }
    bool PaintsBackground() const override { return false; }

private:
    bool FDefault = false, FCancel = false;
    int FModalResult = 0;
};

class TEdit : public TWinControl {
    VL_CLASS(TEdit)
    explicit TEdit(TComponent *owner = nullptr);
    std::string Text() const override;
    bool ReadOnly() const;
    void SetReadOnly(bool value);
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int value);
    char PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(char value);
    TEditCharCase CharCase() const { return FCharCase; }
    void SetCharCase(TEditCharCase value);
    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool value) { FAutoSelect = value; }
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    int SelStart() const;
    void SetSelStart(int value);
    int SelLength() const;
    void SetSelLength(int value);
    std::string SelText() const;
    void SetSelText(const std::string &text);
    void SelectAll();
    void Clear() { SetText(""); }
    void ClearSelection();
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    void Undo();
    bool CanUndo() const;
    void ClearUndo();
    bool Modified() const;
    void SetModified(bool value);
    TMethod OnChange() const { return FOnChange; }
    void SetOnChange(const TMethod &h) { FOnChange = h; }
    virtual void Change();

protected:
    void ApplyText() override;
    void ApplyColor() override;

private:
    QLineEdit *Edit() const;
    int FMaxLength = 0;
    char FPasswordChar = 0;
    TEditCharCase FCharCase = ecNormal;
    bool FAutoSelect = true;
    TBorderStyle FBorderStyle = bsSingle;
    bool FApplying = false;
    TMethod FOnChange;
};

class TMemo : public TWinControl {
    VL_CLASS(TMemo)
    explicit TMemo(TComponent *owner = nullptr);
    ~TMemo() override;
    std::string Text() const override;
    TStrings *Lines() const { return FLines.get(); }
    void SetLines(TStrings *lines) { FLines->Assign(lines); }
    bool ReadOnly() const;
    void SetReadOnly(bool value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value) { FAlignment = value; }
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int value) { FMaxLength = value; }
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool value) { FWantReturns = value; }
    bool WantTabs() const { return FWantTabs; }
    void SetWantTabs(bool value);
    void Clear() { SetText(""); }
    // Selection as offsets into Text (lines joined with CR LF).
    int SelStart() const;
    void SetSelStart(int value);
    int SelLength() const;
    void SetSelLength(int value);
    std::string SelText() const;
    void SetSelText(const std::string &text);
    void SelectAll();
    void ClearSelection();
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    void Undo();
    bool CanUndo() const;
    void ClearUndo();
    bool Modified() const;
    void SetModified(bool value);
    // The caret as (0-based column, 0-based line).
    TPoint CaretPos() const;
    void SetCaretPos(const TPoint &pos);
    TMethod OnChange() const { return FOnChange; }
    void SetOnChange(const TMethod &h) { FOnChange = h; }

protected:
    void ApplyText() override;
    void ApplyColor() override;

private:
    QPlainTextEdit *Editor() const;
    void LinesChanged();
    void EditorChanged();
    std::unique_ptr<TStringList> FLines;
    bool FWordWrap = true, FWantReturns = true, FWantTabs = false, FSyncing = false;
    TScrollStyle FScrollBars = ssNone;
    TAlignment FAlignment = taLeftJustify;
    int FMaxLength = 0;
    TMethod FOnChange;
};

class TCheckBox : public TWinControl {
    VL_CLASS(TCheckBox)
    explicit TCheckBox(TComponent *owner = nullptr);
    bool Checked() const { return FState == cbChecked; }
    void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }
    TCheckBoxState State() const { return FState; }
    // A change of state raises OnClick, as a click does.
    void SetState(TCheckBoxState value);
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);

protected:
    void ApplyText() override;
    bool ClicksOnMouseUp() const override { return false; }
    bool PaintsBackground() const override { return !ParentColor(); }

private:
    TCheckBoxState FState = cbUnchecked;
    bool FAllowGrayed = false, FApplying = false;
    TAlignment FAlignment = taRightJustify;
};

class TRadioButton : public TWinControl {
    VL_CLASS(TRadioButton)
    explicit TRadioButton(TComponent *owner = nullptr);
    bool Checked() const { return FChecked; }
    // Checking raises OnClick and unchecks the other radio buttons of the parent.
    void SetChecked(bool value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);

protected:
    void ApplyText() override;
    bool ClicksOnMouseUp() const override { return false; }
    bool PaintsBackground() const override { return !ParentColor(); }

private:
    bool FChecked = false, FApplying = false;
    TAlignment FAlignment = taRightJustify;
};

class TComboBox : public TWinControl {
    VL_CLASS(TComboBox)
    explicit TComboBox(TComponent *owner = nullptr);
    ~TComboBox() override;
    std::string Text() const override;
    TStrings *Items() const { return FItems.get(); }
    void SetItems(TStrings *items) { FItems->Assign(items); }
    int ItemIndex() const;
    void SetItemIndex(int index);
    TComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxStyle value);
    bool Sorted() const { return FItems->Sorted(); }
    void SetSorted(bool value) { FItems->SetSorted(value); }
    int DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int value);
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int value);
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int value) { FItemHeight = value; }
    TMethod OnChange() const { return FOnChange; }
    void SetOnChange(const TMethod &h) { FOnChange = h; }
    TMethod OnDropDown() const { return FOnDropDown; }
    void SetOnDropDown(const TMethod &h) { FOnDropDown = h; }
    int SelStart() const;
    void SetSelStart(int value);
    int SelLength() const;
    void SetSelLength(int value);
    std::string SelText() const;
    void SetSelText(const std::string &text);
    void SelectAll();
    bool DroppedDown() const;
    void SetDroppedDown(bool value);
    void Clear();
    // Owner-drawn items (Style csOwnerDrawFixed or csOwnerDrawVariable): OnDrawItem paints them on Canvas.
    TCanvas *Canvas() const;
    TMethod OnDrawItem() const { return FOnDrawItem; }
    void SetOnDrawItem(const TMethod &h) { FOnDrawItem = h; }
    TMethod OnMeasureItem() const { return FOnMeasureItem; }
    void SetOnMeasureItem(const TMethod &h) { FOnMeasureItem = h; }
    void Loaded() override;

protected:
    void ApplyText() override;
    void ApplyColor() override;

private:
    QComboBox *Combo() const;
    void ItemsChanged();
    std::unique_ptr<TStringList> FItems;
    TComboBoxStyle FStyle = csDropDown;
    int FDropDownCount = 8, FMaxLength = 0, FItemHeight = 13, FPendingIndex = -1;
    bool FSyncing = false;
    TMethod FOnChange, FOnDropDown, FOnDrawItem, FOnMeasureItem;
    std::unique_ptr<TVlOwnerDraw> FOwnerDraw;
};

class TListBox : public TWinControl {
    VL_CLASS(TListBox)
    explicit TListBox(TComponent *owner = nullptr);
    ~TListBox() override;
    TStrings *Items() const { return FItems.get(); }
    void SetItems(TStrings *items) { FItems->Assign(items); }
    int ItemIndex() const;
    void SetItemIndex(int index);
    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool value);
    bool Sorted() const { return FItems->Sorted(); }
    void SetSorted(bool value) { FItems->SetSorted(value); }
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int value) { FItemHeight = value; }
    bool IntegralHeight() const { return FIntegralHeight; }
    void SetIntegralHeight(bool value) { FIntegralHeight = value; }
    int Columns() const { return FColumns; }
    void SetColumns(int value) { FColumns = value; }
    bool Selected(int index) const;
    void SetSelected(int index, bool value);
    int SelCount() const;
    void Clear() { FItems->Clear(); }
    int TopIndex() const;
    void SetTopIndex(int index);
    // The item at a client point; -1 there is none and existing is set, else the count.
    int ItemAtPos(const TPoint &pos, bool existing) const;
    TRect ItemRect(int index) const;
    // Owner-drawn items (Style other than lbStandard): OnDrawItem paints them on Canvas, and
    // OnMeasureItem gives the heights of lbOwnerDrawVariable items.
    TListBoxStyle Style() const { return FStyle; }
    void SetStyle(TListBoxStyle value);
    TCanvas *Canvas() const;
    TMethod OnDrawItem() const { return FOnDrawItem; }
    void SetOnDrawItem(const TMethod &h) { FOnDrawItem = h; }
    TMethod OnMeasureItem() const { return FOnMeasureItem; }
    void SetOnMeasureItem(const TMethod &h) { FOnMeasureItem = h; }

protected:
    void ApplyColor() override;

private:
    QListWidget *List() const;
    void ItemsChanged();
    std::unique_ptr<TStringList> FItems;
    bool FMultiSelect = false, FIntegralHeight = false, FSyncing = false;
    int FItemHeight = 13, FColumns = 0;
    TListBoxStyle FStyle = lbStandard;
    TMethod FOnDrawItem, FOnMeasureItem;
    std::unique_ptr<TVlOwnerDraw> FOwnerDraw;
};

class TGroupBox : public TWinControl {
    VL_CLASS(TGroupBox)
    explicit TGroupBox(TComponent *owner = nullptr);
    bool AcceptsControls() const override { return true; }

protected:
    void ApplyText() override;
    void AlignControls(TRect &rect) override;
};

class TScrollBar : public TWinControl {
    VL_CLASS(TScrollBar)
    explicit TScrollBar(TComponent *owner = nullptr);
    TScrollBarKind Kind() const { return FKind; }
    void SetKind(TScrollBarKind value);
    int Min() const { return FMin; }
    void SetMin(int value) { SetParams(FPosition, value, FMax); }
    int Max() const { return FMax; }
    void SetMax(int value) { SetParams(FPosition, FMin, value); }
    int Position() const { return FPosition; }
    void SetPosition(int value) { SetParams(value, FMin, FMax); }
    void SetParams(int position, int min, int max);
    int SmallChange() const { return FSmallChange; }
    void SetSmallChange(int value);
    int LargeChange() const { return FLargeChange; }
    void SetLargeChange(int value);
    int PageSize() const { return FPageSize; }
    void SetPageSize(int value);
    TMethod OnChange() const { return FOnChange; }
    void SetOnChange(const TMethod &h) { FOnChange = h; }
    TMethod OnScroll() const { return FOnScroll; }
    void SetOnScroll(const TMethod &h) { FOnScroll = h; }

protected:
    bool PaintsBackground() const override { return false; }

private:
    QScrollBar *Bar() const;
    void ApplyRange();
    TScrollBarKind FKind = sbHorizontal;
    int FMin = 0, FMax = 100, FPosition = 0, FSmallChange = 1, FLargeChange = 1, FPageSize = 0;
    bool FApplying = false;
    TMethod FOnChange, FOnScroll;
};

const TEnumInfo &TextLayoutEnumInfo();
const TEnumInfo &EditCharCaseEnumInfo();
const TEnumInfo &ScrollStyleEnumInfo();
const TEnumInfo &CheckBoxStateEnumInfo();
const TEnumInfo &ComboBoxStyleEnumInfo();
const TEnumInfo &ScrollBarKindEnumInfo();
const TEnumInfo &ScrollCodeEnumInfo();
const TEnumInfo &ListBoxStyleEnumInfo();
const TEnumInfo &OwnerDrawStateEnumInfo();
