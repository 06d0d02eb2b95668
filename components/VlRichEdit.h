// TRichEdit: an editor of formatted text, with the attributes of its selection and paragraphs.
#pragma once

#include "VlStdCtrls.h"

#include <memory>

class QTextEdit;
class TRichEdit;

enum TNumberingStyle { nsNone, nsBullet };
// Bits of TSearchTypes.
enum TSearchType : uint32_t { stWholeWord = 1u << 0, stMatchCase = 1u << 1 };
enum TAttributeType { atSelected, atDefaultText };

// The character attributes of a rich edit's selection (or its defaults for new text).
class TTextAttributes : public TPersistent {
    VL_CLASS(TTextAttributes)
    TTextAttributes(TRichEdit *owner, TAttributeType type);
    std::string Name() const;
    void SetName(const std::string &name);
    int Size() const;
    void SetSize(int size);
    int Height() const;
    void SetHeight(int height);
    TFontStyles Style() const;
    void SetStyle(TFontStyles style);
    TColor Color() const;
    void SetColor(TColor color);
    int Charset() const { return DEFAULT_CHARSET; }
    void SetCharset(int) {}
    TFontPitch Pitch() const;
    void SetPitch(TFontPitch pitch);
    // Protected text raises OnProtectChange before it is edited.
    bool Protected() const;
    void SetProtected(bool value);
    void Assign(const TPersistent *source) override;

private:
    TRichEdit *FOwner;
    TAttributeType FType;
};

// The paragraph attributes of the paragraphs the selection touches.
class TParaAttributes : public TPersistent {
    VL_CLASS(TParaAttributes)
    explicit TParaAttributes(TRichEdit *owner) : FOwner(owner) {}
    TAlignment Alignment() const;
    void SetAlignment(TAlignment value);
    int FirstIndent() const;
    void SetFirstIndent(int value);
    int LeftIndent() const;
    void SetLeftIndent(int value);
    int RightIndent() const;
    void SetRightIndent(int value);
    TNumberingStyle Numbering() const;
    void SetNumbering(TNumberingStyle value);
    // Tab stops in pixels from the left margin.
    int TabCount() const;
    void SetTabCount(int count);
    int Tab(int index) const;
    void SetTab(int index, int value);
    void Assign(const TPersistent *source) override;

private:
    TRichEdit *FOwner;
};

class TRichEdit : public TWinControl {
    VL_CLASS(TRichEdit)
    explicit TRichEdit(TComponent *owner = nullptr);
    ~TRichEdit() override;
    std::string Text() const override;
    TStrings *Lines() const { return FLines.get(); }
    void SetLines(TStrings *lines) { FLines->Assign(lines); }
    bool PlainText() const { return FPlainText; }
    void SetPlainText(bool value) { FPlainText = value; }
    bool ReadOnly() const;
    void SetReadOnly(bool value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle value);
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool value) { FHideSelection = value; }
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int value) { FMaxLength = value; }
    // Selection as offsets into Text (lines joined with CR LF).
    int SelStart() const;
    void SetSelStart(int value);
    int SelLength() const;
    void SetSelLength(int value);
    std::string SelText() const;
    void SetSelText(const std::string &text);
    void SelectAll();
    void ClearSelection();
    void Clear() { SetText(""); }
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    void Undo();
    bool CanUndo() const;
    bool Modified() const;
    void SetModified(bool value);
    // The offset of searchText within [start, start + length), -1 when absent.
    int FindText(const std::string &searchText, int start, int length, uint32_t options) const;
    // Prints the text as one job (caption names it).
    void Print(const std::string &caption);
    TTextAttributes *SelAttributes() const { return FSelAttributes.get(); }
    void SetSelAttributes(TTextAttributes *attributes) { FSelAttributes->Assign(attributes); }
    TTextAttributes *DefAttributes() const { return FDefAttributes.get(); }
    void SetDefAttributes(TTextAttributes *attributes) { FDefAttributes->Assign(attributes); }
    TParaAttributes *Paragraph() const { return FParagraph.get(); }

    TMethod OnChange() const { return FOnChange; }
    void SetOnChange(const TMethod &h) { FOnChange = h; }
    TMethod OnSelectionChange() const { return FOnSelectionChange; }
    void SetOnSelectionChange(const TMethod &h) { FOnSelectionChange = h; }
    TMethod OnResizeRequest() const { return FOnResizeRequest; }
    void SetOnResizeRequest(const TMethod &h) { FOnResizeRequest = h; }
    TMethod OnProtectChange() const { return FOnProtectChange; }
    void SetOnProtectChange(const TMethod &h) { FOnProtectChange = h; }
    TMethod OnSaveClipboard() const { return FOnSaveClipboard; }
    void SetOnSaveClipboard(const TMethod &h) { FOnSaveClipboard = h; }

    QTextEdit *Editor() const;
    // Whether an edit of the selection (or at the caret) may change protected text: OnProtectChange decides.
    bool MayEditProtected();

protected:
    void ApplyText() override;
    void ApplyColor() override;

private:
    class TVlTextEdit;
    void LinesChanged();
    void EditorChanged();
    std::unique_ptr<TStringList> FLines;
    std::unique_ptr<TTextAttributes> FSelAttributes, FDefAttributes;
    std::unique_ptr<TParaAttributes> FParagraph;
    bool FPlainText = false, FWordWrap = true, FHideSelection = true, FSyncing = false, FCopied = false;
    TScrollStyle FScrollBars = ssNone;
    int FMaxLength = 0;
    TMethod FOnChange, FOnSelectionChange, FOnResizeRequest, FOnProtectChange, FOnSaveClipboard;
};

const TEnumInfo &NumberingStyleEnumInfo();
