// Selections, clipboard and undo of edits, memos and combo boxes; list box positions and owner drawing.
#include "VlOwnerDraw.h"
#include "VlStdCtrls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

// TEdit -----------------------------------------------------------------------------------------------

void TEdit::ClearSelection() { Edit()->del(); }
void TEdit::CopyToClipboard() { Edit()->copy(); }
void TEdit::CutToClipboard() { Edit()->cut(); }
void TEdit::PasteFromClipboard() { Edit()->paste(); }
void TEdit::Undo() { Edit()->undo(); }
bool TEdit::CanUndo() const { return Edit()->isUndoAvailable(); }

void TEdit::ClearUndo()
{
    // QLineEdit keeps its history until its text is set anew.
    const QString text = Edit()->text();
    const int position = Edit()->cursorPosition();
    Edit()->setText(text);
    Edit()->setCursorPosition(position);
}

bool TEdit::Modified() const { return Edit()->isModified(); }
void TEdit::SetModified(bool value) { Edit()->setModified(value); }

// TMemo -----------------------------------------------------------------------------------------------

namespace {

// Offsets into the memo's Text count each line end as the two characters CR LF.
int ToTextOffset(QPlainTextEdit *editor, int qtPosition)
{
    const QTextBlock block = editor->document()->findBlock(qtPosition);
    return qtPosition + std::max(0, block.blockNumber());
}

int FromTextOffset(QPlainTextEdit *editor, int offset)
{
    int position = 0;
    for (QTextBlock block = editor->document()->begin(); block.isValid(); block = block.next()) {
        const int length = block.length() - 1;
        if (offset <= length)
            return position + std::max(0, offset);
        offset -= length + 2;
        position += length + 1;
        if (offset < 0)
            return position - 1;
    }
    return std::max(0, editor->document()->characterCount() - 1);
}

} // namespace

int TMemo::SelStart() const
{
    return ToTextOffset(Editor(), Editor()->textCursor().selectionStart());
}

void TMemo::SetSelStart(int value)
{
    QTextCursor cursor = Editor()->textCursor();
    cursor.setPosition(FromTextOffset(Editor(), value));
    Editor()->setTextCursor(cursor);
}

int TMemo::SelLength() const
{
    const QTextCursor cursor = Editor()->textCursor();
    return ToTextOffset(Editor(), cursor.selectionEnd()) - ToTextOffset(Editor(), cursor.selectionStart());
}

void TMemo::SetSelLength(int value)
{
    QTextCursor cursor = Editor()->textCursor();
    const int start = SelStart();
    cursor.setPosition(FromTextOffset(Editor(), start));
    cursor.setPosition(FromTextOffset(Editor(), start + std::max(0, value)), QTextCursor::KeepAnchor);
    Editor()->setTextCursor(cursor);
}

std::string TMemo::SelText() const
{
    QString text = Editor()->textCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return VlFromQString(text);
}

void TMemo::SetSelText(const std::string &text)
{
    QString qtext = VlToQString(text);
    qtext.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Editor()->textCursor().insertText(qtext);
}

void TMemo::SelectAll() { Editor()->selectAll(); }
void TMemo::ClearSelection() { Editor()->textCursor().removeSelectedText(); }
void TMemo::CopyToClipboard() { Editor()->copy(); }
void TMemo::CutToClipboard() { Editor()->cut(); }
void TMemo::PasteFromClipboard() { Editor()->paste(); }
void TMemo::Undo() { Editor()->undo(); }
bool TMemo::CanUndo() const { return Editor()->document()->isUndoAvailable(); }
void TMemo::ClearUndo() { Editor()->document()->clearUndoRedoStacks(); }
bool TMemo::Modified() const { return Editor()->document()->isModified(); }
void TMemo::SetModified(bool value) { Editor()->document()->setModified(value); }

TPoint TMemo::CaretPos() const
{
    const QTextCursor cursor = Editor()->textCursor();
    return {cursor.positionInBlock(), cursor.blockNumber()};
}

void TMemo::SetCaretPos(const TPoint &pos)
{
    const QTextBlock block = Editor()->document()->findBlockByNumber(std::max(0, pos.Y));
    if (!block.isValid())
        return;
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + std::clamp(pos.X, 0, block.length() - 1));
    Editor()->setTextCursor(cursor);
}

// TComboBox ---------------------------------------------------------------------------------------------

int TComboBox::SelStart() const
{
    QLineEdit *edit = Combo()->lineEdit();
    return edit ? (edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition()) : 0;
}

void TComboBox::SetSelStart(int value)
{
    if (QLineEdit *edit = Combo()->lineEdit())
        edit->setCursorPosition(value);
}

int TComboBox::SelLength() const
{
    QLineEdit *edit = Combo()->lineEdit();
    return edit ? int(edit->selectedText().size()) : 0;
}

void TComboBox::SetSelLength(int value)
{
    if (QLineEdit *edit = Combo()->lineEdit())
        edit->setSelection(SelStart(), value);
}

std::string TComboBox::SelText() const
{
    QLineEdit *edit = Combo()->lineEdit();
    return edit ? VlFromQString(edit->selectedText()) : std::string();
}

void TComboBox::SetSelText(const std::string &text)
{
    if (QLineEdit *edit = Combo()->lineEdit())
        edit->insert(VlToQString(text));
}

void TComboBox::SelectAll()
{
    if (QLineEdit *edit = Combo()->lineEdit())
        edit->selectAll();
}

bool TComboBox::DroppedDown() const { return Combo()->view()->isVisible(); }

void TComboBox::SetDroppedDown(bool value)
{
    if (value)
        Combo()->showPopup();
    else
        Combo()->hidePopup();
}

void TComboBox::Clear()
{
    FItems->Clear();
    SetText("");
}

TCanvas *TComboBox::Canvas() const
{
    if (!FOwnerDraw) {
        auto *self = const_cast<TComboBox *>(this);
        self->FOwnerDraw = std::make_unique<TVlOwnerDraw>(
            self, Combo()->view(),
            TVlOwnerDraw::THooks{[self] { return self->FStyle == csOwnerDrawFixed || self->FStyle == csOwnerDrawVariable; },
                                 [self] { return self->FStyle == csOwnerDrawVariable; }, [self] { return self->FItemHeight; },
                                 [self] { return self->FOnDrawItem; }, [self] { return self->FOnMeasureItem; }, false, {}});
    }
    return FOwnerDraw->Canvas();
}

// TListBox ----------------------------------------------------------------------------------------------

int TListBox::TopIndex() const
{
    QListWidgetItem *item = List()->itemAt(0, 0);
    return item ? List()->row(item) : 0;
}

void TListBox::SetTopIndex(int index)
{
    if (QListWidgetItem *item = List()->item(index))
        List()->scrollToItem(item, QAbstractItemView::PositionAtTop);
}

int TListBox::ItemAtPos(const TPoint &pos, bool existing) const
{
    if (QListWidgetItem *item = List()->itemAt(pos.X, pos.Y))
        return List()->row(item);
    return existing ? -1 : FItems->Count();
}

TRect TListBox::ItemRect(int index) const
{
    QListWidgetItem *item = List()->item(index);
    if (!item)
        return TRect();
    const QRect r = List()->visualItemRect(item);
    return Rect(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
}

void TListBox::SetStyle(TListBoxStyle value)
{
    FStyle = value;
    Canvas();
    List()->setUniformItemSizes(value != lbOwnerDrawVariable);
    List()->doItemsLayout();
}

TCanvas *TListBox::Canvas() const
{
    if (!FOwnerDraw) {
        auto *self = const_cast<TListBox *>(this);
        self->FOwnerDraw = std::make_unique<TVlOwnerDraw>(
            self, List(),
            TVlOwnerDraw::THooks{[self] { return self->FStyle != lbStandard; },
                                 [self] { return self->FStyle == lbOwnerDrawVariable; }, [self] { return self->FItemHeight; },
                                 [self] { return self->FOnDrawItem; }, [self] { return self->FOnMeasureItem; }, false, {}});
    }
    return FOwnerDraw->Canvas();
}

const TEnumInfo &ScrollCodeEnumInfo()
{
    static const TEnumInfo info("TScrollCode", {"scLineUp", "scLineDown", "scPageUp", "scPageDown", "scPosition",
                                                "scTrack", "scTop", "scBottom", "scEndScroll"});
    return info;
}

const TEnumInfo &ListBoxStyleEnumInfo()
{
    static const TEnumInfo info("TListBoxStyle", {"lbStandard", "lbOwnerDrawFixed", "lbOwnerDrawVariable"});
    return info;
}

const TEnumInfo &OwnerDrawStateEnumInfo()
{
    static const TEnumInfo info("TOwnerDrawState",
                                {"odSelected", "odGrayed", "odDisabled", "odChecked", "odFocused", "odDefault"});
    return info;
}
