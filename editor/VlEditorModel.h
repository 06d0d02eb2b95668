// The editor model: lines, caret and selection, undo, options and commands; needs only QtCore.
#pragma once

#include "VlEditorCommon.h"
#include "VlLongStates.h"
#include "VlUndoBuffer.h"

#include <QObject>
#include <QStringList>
#include <functional>

// A framed run of characters (a matched bracket or pair word).
struct TVlMark
{
    int Y = 0;
    int X = 0;
    int Length = 0;
    friend bool operator==(const TVlMark &, const TVlMark &) = default;
};

struct TVlBookmark
{
    bool Valid = false;
    TVlPos Pos;
};

struct TVlEditorOptions
{
    bool AutoIndent = true;
    bool SmartTab = false;
    bool BackSpaceUnindents = true;
    bool GroupUndo = true;
    bool CursorBeyondEOF = false;
    bool UndoAfterSave = true;
    bool KeepTrailingBlanks = false;
    bool DoubleClickLine = false;
};

class TVlEditorModel : public QObject
{
    Q_OBJECT
public:
    explicit TVlEditorModel(QObject *parent = nullptr);

    // Line list. Text() follows the string-list rule: every line ends with CR LF.
    int LineCount() const { return static_cast<int>(fLines.size()); }
    QString Line(int index) const { return index >= 0 && index < LineCount() ? fLines[index] : QString(); }
    const QStringList &Lines() const { return fLines; }
    QString Text() const;
    // Replaces the whole text: caret to the start, undo cleared, text marked modified.
    void SetText(const QString &text);
    // Adds a line at the end without moving the caret and without an undo record.
    void AppendLine(const QString &line);
    void InsertLine(int index, const QString &line);
    void DeleteLine(int index);
    void PutLine(int index, const QString &line);

    // Caret and selection; the selection runs between the anchor and the caret.
    TVlPos Caret() const { return fCaret; }
    TVlPos Anchor() const { return fAnchor; }
    void SetCaret(TVlPos pos);                    // also drops the selection
    void SetSelection(TVlPos anchor, TVlPos caret);
    void MoveCaretKeepingSelection(TVlPos pos);   // extends or shrinks the selection
    bool SelAvail() const { return fAnchor != fCaret; }
    TVlPos SelBegin() const { return fAnchor < fCaret ? fAnchor : fCaret; }
    TVlPos SelEnd() const { return fAnchor < fCaret ? fCaret : fAnchor; }
    TVlSelectionMode SelectionMode() const { return fSelMode; }
    void SetSelectionMode(TVlSelectionMode mode);
    QString SelText() const;
    // Replaces the selection (or inserts at the caret) as one undo step and selects the new text.
    void SetSelText(const QString &text);
    void SelectAll();
    void ClearSelection();
    // Replaces the text between two places (one undo step); returns the end of the new text.
    TVlPos ReplaceText(TVlPos from, TVlPos to, const QString &text);
    void DeleteSelection();

    // 0-based offsets into the CR LF-joined text.
    int PosToOffset(TVlPos pos) const;
    TVlPos OffsetToPos(int offset) const;

    // Undo.
    bool CanUndo() const { return fUndo.CanUndo(); }
    bool CanRedo() const { return fUndo.CanRedo(); }
    void Undo();
    void Redo();
    void BeginCompound();
    void EndCompound();
    void ClearUndo() { fUndo.Clear(); }

    // Change brackets: signals are sent once, when the outermost bracket closes.
    void BeginUpdate() { ++fUpdateDepth; }
    void EndUpdate();

    // Flags and options.
    bool Modified() const { return fModified; }
    void SetModified(bool value);
    bool ReadOnly() const { return fReadOnly; }
    void SetReadOnly(bool value);
    bool InsertMode() const { return fInsertMode; }
    void SetInsertMode(bool value);
    bool Recording() const { return fRecording; }
    TVlEditorOptions &Options() { return fOptions; }
    const TVlTabStops &TabStops() const { return fTabStops; }
    void SetTabStops(const QString &text) { fTabStops = TVlTabStops(text); }

    // Highlighter long-comment states (kept in step with the lines).
    TVlLongStates &States() { return fStates; }

    // Rows of the window showing the model, needed by page and window commands.
    int TopLine() const { return fTopLine; }
    void SetTopLine(int line);
    int VisibleRows() const { return fVisibleRows; }
    void SetVisibleRows(int rows) { fVisibleRows = rows < 1 ? 1 : rows; }
    void EnsureCaretVisible();

    // Commands of the key map; text is the typed text for ecChar.
    void ExecuteCommand(int command, const QString &text = QString());
    void TypeText(const QString &text) { ExecuteCommand(ecChar, text); }

    // Bookmarks 0..9.
    const TVlBookmark &Bookmark(int index) const { return fBookmarks[index]; }
    void SetBookmark(int index);
    void GotoBookmark(int index);

    // The bracket or pair-word marks for the current caret (empty, or two marks in text order).
    const std::vector<TVlMark> &BracketMarks() const { return fMarks; }
    bool BracketHighlighting() const { return fBracketHighlighting; }
    void SetBracketHighlighting(bool value);

    // The clipboard, supplied by the view (tests may supply their own).
    std::function<QString()> GetClipboardText;
    std::function<void(const QString &)> SetClipboardText;
    // Completion commands are handed to the view, which owns the engine and its list.
    std::function<void(int command)> OnCompletionCommand;

    // Word helpers (separators as for bracket matching).
    TVlPos WordStartBefore(TVlPos pos) const;
    TVlPos NextWordStart(TVlPos pos) const;
    TVlPos PrevWordStart(TVlPos pos) const;

signals:
    void TextChanged();
    void CaretMoved();
    void StatusChanged();     // modified, read-only, insert mode or recording changed
    void TopLineChanged();
    void BookmarksChanged();
    void LongStatesChanged(); // a stored long-comment state changed: repaint everything

private:
    friend class TVlEditorCommands;
    // Primitives: every text change goes through these and writes undo records.
    TVlPos InsertText(TVlPos at, const QString &text, TVlUndoKind kind = TVlUndoKind::Insert);
    QString DeleteText(TVlPos from, TVlPos to, TVlUndoKind kind = TVlUndoKind::Delete);
    void TrimLine(int y);
    // Raw changes used by undo and redo (no records, no trimming).
    TVlPos RawInsert(TVlPos at, const QString &text);
    void RawDelete(TVlPos from, TVlPos to);
    // The line that an empty list got (or lost) goes again, with its line break when others follow.
    void RemoveFirstLine();
    QString TextBetween(TVlPos from, TVlPos to) const;
    TVlPos ClampToText(TVlPos pos) const;
    TVlPos ClampCaret(TVlPos pos) const;
    void AddRecord(TVlUndoRecord record);
    void StartGroup(int editKind = 0);
    // Marks the text changed and rescans the long-comment states from the changed line.
    void TextWasChanged(int line);
    QString PrepareText(const QString &text) const;
    void UpdateMarks();

    QStringList fLines;
    TVlLongStates fStates;
    TVlPos fCaret;
    TVlPos fAnchor;
    TVlSelectionMode fSelMode = TVlSelectionMode::Normal;
    TVlUndoBuffer fUndo;
    int fGroup = 0;
    int fCompoundDepth = 0;
    int fLastEditKind = 0;
    TVlPos fLastEditCaret;
    bool fUndoing = false;
    int fUpdateDepth = 0;
    bool fTextChanged = false;
    bool fCaretMoved = false;
    bool fStatusChanged = false;
    bool fModified = false;
    bool fReadOnly = false;
    bool fInsertMode = true;
    bool fRecording = false;
    bool fPlaying = false;
    std::vector<std::pair<int, QString>> fMacro;
    std::vector<std::pair<int, QString>> fRecordedMacro;
    TVlEditorOptions fOptions;
    TVlTabStops fTabStops;
    int fTopLine = 0;
    int fVisibleRows = 20;
    TVlBookmark fBookmarks[10];
    std::vector<TVlMark> fMarks;
    bool fBracketHighlighting = true;
};
