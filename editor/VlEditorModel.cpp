// The editor model: line storage, the edit primitives with their undo records, caret and selection.
#include "VlEditorModel.h"

#include "VlBracketMatcher.h"

#include <algorithm>

TVlEditorModel::TVlEditorModel(QObject *parent) : QObject(parent)
{
    fStates.Reset(0);
}

// ---- line list -------------------------------------------------------------------------------

QString TVlEditorModel::Text() const
{
    QString text;
    qsizetype size = 0;
    for (const QString &line : fLines)
        size += line.size() + 2;
    text.reserve(size);
    for (const QString &line : fLines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    return text;
}

QString TVlEditorModel::PrepareText(const QString &text) const
{
    QString result = text;
    result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (result.contains(QLatin1Char('\t')))
        result.replace(QLatin1Char('\t'), QString(fTabStops.TabWidth(), QLatin1Char(' ')));
    return result;
}

namespace {
QString WithoutTrailingBlanks(const QString &line)
{
    qsizetype end = line.size();
    while (end > 0 && line[end - 1] == QLatin1Char(' '))
        --end;
    return end == line.size() ? line : line.left(end);
}
} // namespace

void TVlEditorModel::SetText(const QString &text)
{
    BeginUpdate();
    QString prepared = PrepareText(text);
    if (prepared.endsWith(QLatin1Char('\n')))
        prepared.chop(1);
    fLines = text.isEmpty() ? QStringList() : prepared.split(QLatin1Char('\n'));
    if (!fOptions.KeepTrailingBlanks)
        for (QString &line : fLines)
            line = WithoutTrailingBlanks(line);
    fUndo.Clear();
    fCaret = fAnchor = TVlPos();
    fTopLine = 0;
    fStates.RescanAll(fLines);
    fTextChanged = fCaretMoved = true;
    emit LongStatesChanged();
    if (!fModified) {
        fModified = true;
        fStatusChanged = true;
    }
    EndUpdate();
}

void TVlEditorModel::AppendLine(const QString &line)
{
    BeginUpdate();
    const QString prepared = PrepareText(line);
    const int first = LineCount();
    const QStringList parts = prepared.split(QLatin1Char('\n'));
    for (const QString &part : parts)
        fLines.append(fOptions.KeepTrailingBlanks ? part : WithoutTrailingBlanks(part));
    fStates.LinesInserted(first + 1, static_cast<int>(parts.size()));
    TextWasChanged(std::max(first - 1, 0));
    fTextChanged = true;
    if (!fModified) {
        fModified = true;
        fStatusChanged = true;
    }
    EndUpdate();
}

void TVlEditorModel::InsertLine(int index, const QString &line)
{
    index = std::clamp(index, 0, LineCount());
    BeginUpdate();
    StartGroup();
    if (index < LineCount())
        InsertText({0, index}, line + QLatin1Char('\n'));
    else if (LineCount() == 0)
        InsertText({0, 0}, line);
    else
        InsertText({static_cast<int>(fLines.back().size()), LineCount() - 1}, QLatin1Char('\n') + line);
    EndUpdate();
}

void TVlEditorModel::DeleteLine(int index)
{
    if (index < 0 || index >= LineCount())
        return;
    BeginUpdate();
    StartGroup();
    if (index + 1 < LineCount())
        DeleteText({0, index}, {0, index + 1}, TVlUndoKind::DeleteLine);
    else if (index > 0)
        DeleteText({static_cast<int>(fLines[index - 1].size()), index - 1},
                   {static_cast<int>(fLines[index].size()), index}, TVlUndoKind::DeleteLine);
    else {
        // The only line goes: the list becomes empty, and undo brings the line back.
        TVlUndoRecord record;
        record.Kind = TVlUndoKind::DeleteLine;
        record.Removed = fLines[0];
        record.EmptiedList = true;
        AddRecord(record);
        TextWasChanged(0);
        fLines.clear();
        fStates.Reset(0);
    }
    SetCaret(ClampToText(fCaret));
    EndUpdate();
}

void TVlEditorModel::PutLine(int index, const QString &line)
{
    if (index < 0 || index >= LineCount())
        return;
    BeginUpdate();
    StartGroup();
    const TVlPos start{0, index};
    const TVlPos end{static_cast<int>(fLines[index].size()), index};
    const QString removed = TextBetween(start, end);
    RawDelete(start, end);
    const TVlPos after = RawInsert(start, PrepareText(line));
    TVlUndoRecord record;
    record.Kind = TVlUndoKind::Replace;
    record.Start = start;
    record.End = after;
    record.Inserted = PrepareText(line);
    record.Removed = removed;
    AddRecord(record);
    for (int y = start.Y; y <= after.Y; ++y)
        TrimLine(y);
    TextWasChanged(index);
    EndUpdate();
}

// ---- primitives ------------------------------------------------------------------------------

TVlPos TVlEditorModel::ClampToText(TVlPos pos) const
{
    if (fLines.isEmpty())
        return {std::max(pos.X, 0), 0};
    pos.Y = std::clamp(pos.Y, 0, LineCount() - 1);
    pos.X = std::max(pos.X, 0);
    return pos;
}

TVlPos TVlEditorModel::ClampCaret(TVlPos pos) const
{
    // With CursorBeyondEOF the caret may stand up to a window's height below the last line.
    const int extra = fOptions.CursorBeyondEOF ? fVisibleRows - 1 : 0;
    pos.Y = std::clamp(pos.Y, 0, std::max(0, LineCount() - 1) + extra);
    pos.X = std::max(pos.X, 0);
    return pos;
}

QString TVlEditorModel::TextBetween(TVlPos from, TVlPos to) const
{
    if (fLines.isEmpty())
        return {};
    // Places below the last line count as its end.
    const int last = LineCount() - 1;
    if (from.Y > last)
        from = {static_cast<int>(fLines[last].size()), last};
    if (to.Y > last)
        to = {static_cast<int>(fLines[last].size()), last};
    if (!(from < to))
        return {};
    if (from.Y == to.Y)
        return fLines[from.Y].mid(from.X, to.X - from.X);
    QString text = fLines[from.Y].mid(from.X);
    for (int y = from.Y + 1; y < to.Y; ++y) {
        text += QLatin1Char('\n');
        text += fLines[y];
    }
    text += QLatin1Char('\n');
    text += fLines[to.Y].left(to.X);
    return text;
}

TVlPos TVlEditorModel::RawInsert(TVlPos at, const QString &text)
{
    if (fLines.isEmpty()) {
        fLines.append(QString());
        fStates.Reset(1);
    }
    QString &line = fLines[at.Y];
    if (line.size() < at.X)
        line += QString(at.X - line.size(), QLatin1Char(' '));
    const qsizetype breakAt = text.indexOf(QLatin1Char('\n'));
    if (breakAt < 0) {
        line.insert(at.X, text);
        return {at.X + static_cast<int>(text.size()), at.Y};
    }
    const QStringList parts = text.split(QLatin1Char('\n'));
    const QString tail = line.mid(at.X);
    line.truncate(at.X);
    line += parts.front();
    QStringList added;
    added.reserve(parts.size() - 1);
    for (qsizetype i = 1; i < parts.size(); ++i)
        added.append(parts[i]);
    const int endX = static_cast<int>(added.back().size());
    added.back() += tail;
    for (qsizetype i = 0; i < added.size(); ++i)
        fLines.insert(at.Y + 1 + i, added[i]);
    fStates.LinesInserted(at.Y + 1, static_cast<int>(added.size()));
    return {endX, at.Y + static_cast<int>(added.size())};
}

void TVlEditorModel::RawDelete(TVlPos from, TVlPos to)
{
    if (fLines.isEmpty() || !(from < to))
        return;
    if (from.Y == to.Y) {
        fLines[from.Y].remove(from.X, to.X - from.X);
        return;
    }
    QString &first = fLines[from.Y];
    first.truncate(from.X);
    first += fLines[to.Y].mid(to.X);
    fLines.remove(from.Y + 1, to.Y - from.Y);
    fStates.LinesRemoved(from.Y + 1, to.Y - from.Y);
}

void TVlEditorModel::AddRecord(TVlUndoRecord record)
{
    if (fUndoing)
        return;
    if (fGroup == 0)
        StartGroup();
    record.Group = fGroup;
    record.CaretBefore = fCaret;
    record.AnchorBefore = fAnchor;
    record.CaretAfter = fCaret;
    record.AnchorAfter = fAnchor;
    fUndo.Add(record);
}

void TVlEditorModel::TrimLine(int y)
{
    if (fOptions.KeepTrailingBlanks || y < 0 || y >= LineCount())
        return;
    const QString &line = fLines[y];
    const QString trimmed = WithoutTrailingBlanks(line);
    if (trimmed.size() == line.size())
        return;
    TVlUndoRecord record;
    record.Kind = TVlUndoKind::TrailingBlanks;
    record.Start = {static_cast<int>(trimmed.size()), y};
    record.End = record.Start;
    record.Removed = line.mid(trimmed.size());
    fLines[y] = trimmed;
    AddRecord(record);
}

TVlPos TVlEditorModel::InsertText(TVlPos at, const QString &rawText, TVlUndoKind kind)
{
    QString text = PrepareText(rawText);
    if (!fLines.isEmpty() && at.Y >= LineCount()) {
        // Typing below the last line first adds the lines up to it.
        const int last = LineCount() - 1;
        text = QString(at.Y - last, QLatin1Char('\n')) + QString(at.X, QLatin1Char(' ')) + text;
        at = {static_cast<int>(fLines[last].size()), last};
    }
    at = ClampToText(at);
    TVlUndoRecord record;
    record.Kind = kind;
    record.CreatedFirstLine = fLines.isEmpty();
    const int lineLength = fLines.isEmpty() ? 0 : static_cast<int>(fLines[at.Y].size());
    record.Start = {std::min(at.X, lineLength), at.Y};
    record.Inserted = QString(at.X - record.Start.X, QLatin1Char(' ')) + text;
    const TVlPos end = RawInsert(at, text);
    record.End = end;
    AddRecord(record);
    if (!fUndoing) {
        TrimLine(at.Y);
        if (end.Y != at.Y)
            TrimLine(end.Y);
    }
    TextWasChanged(at.Y);
    return end;
}

QString TVlEditorModel::DeleteText(TVlPos from, TVlPos to, TVlUndoKind kind)
{
    if (fLines.isEmpty())
        return {};
    from = ClampToText(from);
    to = ClampToText(to);
    if (to < from)
        std::swap(from, to);
    from.X = std::min(from.X, static_cast<int>(fLines[from.Y].size()));
    to.X = std::min(to.X, static_cast<int>(fLines[to.Y].size()));
    if (!(from < to))
        return {};
    TVlUndoRecord record;
    record.Kind = kind;
    record.Start = from;
    record.End = from;
    record.Removed = TextBetween(from, to);
    RawDelete(from, to);
    AddRecord(record);
    TrimLine(from.Y);
    TextWasChanged(from.Y);
    return record.Removed;
}

void TVlEditorModel::TextWasChanged(int line)
{
    fTextChanged = true;
    if (!fModified) {
        fModified = true;
        fStatusChanged = true;
    }
    // The rescan stops as soon as a line ends in the state it ended in before, so a change that
    // cannot touch a comment costs one line.
    if (fStates.RescanFrom(fLines, line))
        emit LongStatesChanged();
}

// ---- caret and selection ---------------------------------------------------------------------

void TVlEditorModel::SetCaret(TVlPos pos)
{
    SetSelection(pos, pos);
}

void TVlEditorModel::SetSelection(TVlPos anchor, TVlPos caret)
{
    anchor = ClampCaret(anchor);
    caret = ClampCaret(caret);
    if (anchor == fAnchor && caret == fCaret)
        return;
    BeginUpdate();
    fAnchor = anchor;
    fCaret = caret;
    fCaretMoved = true;
    EndUpdate();
}

void TVlEditorModel::MoveCaretKeepingSelection(TVlPos pos)
{
    SetSelection(fAnchor, pos);
}

void TVlEditorModel::SetSelectionMode(TVlSelectionMode mode)
{
    BeginUpdate();
    fSelMode = mode;
    fCaretMoved = true;
    EndUpdate();
}

QString TVlEditorModel::SelText() const
{
    if (!SelAvail())
        return {};
    const TVlPos b = SelBegin(), e = SelEnd();
    QString text;
    switch (fSelMode) {
    case TVlSelectionMode::Column: {
        const int left = std::min(b.X, e.X), right = std::max(b.X, e.X);
        QStringList parts;
        for (int y = b.Y; y <= e.Y; ++y)
            parts.append(Line(y).mid(left, right - left));
        text = parts.join(QLatin1Char('\n'));
        break;
    }
    case TVlSelectionMode::Line:
        text = TextBetween({0, b.Y}, {0, e.Y + 1 < LineCount() ? e.Y + 1 : e.Y});
        if (e.Y + 1 >= LineCount())
            text = TextBetween({0, b.Y}, {static_cast<int>(Line(e.Y).size()), e.Y}) + QLatin1Char('\n');
        break;
    case TVlSelectionMode::Inclusive:
        text = TextBetween(b, {e.X + 1, e.Y});
        break;
    case TVlSelectionMode::Normal:
        text = TextBetween({std::min(b.X, static_cast<int>(Line(b.Y).size())), b.Y},
                           {std::min(e.X, static_cast<int>(Line(e.Y).size())), e.Y});
        break;
    }
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

void TVlEditorModel::DeleteSelection()
{
    if (!SelAvail())
        return;
    BeginUpdate();
    const TVlPos b = SelBegin();
    TVlPos e = SelEnd();
    TVlPos caret = b;
    // Only lines of the text can lose anything (the caret may stand below them).
    if (b.Y >= LineCount()) {
        fAnchor = fCaret = ClampCaret(b);
        fCaretMoved = true;
        EndUpdate();
        return;
    }
    if (e.Y >= LineCount()) {
        e.Y = LineCount() - 1;
        if (fSelMode != TVlSelectionMode::Column)
            e.X = static_cast<int>(fLines[e.Y].size());
    }
    switch (fSelMode) {
    case TVlSelectionMode::Column: {
        const int left = std::min(b.X, e.X), right = std::max(b.X, e.X);
        for (int y = b.Y; y <= e.Y; ++y)
            DeleteText({left, y}, {right, y});
        caret = {left, b.Y};
        break;
    }
    case TVlSelectionMode::Line:
        if (e.Y + 1 < LineCount())
            DeleteText({0, b.Y}, {0, e.Y + 1});
        else if (b.Y > 0)
            DeleteText({static_cast<int>(Line(b.Y - 1).size()), b.Y - 1}, {static_cast<int>(Line(e.Y).size()), e.Y});
        else
            DeleteText({0, 0}, {static_cast<int>(Line(e.Y).size()), e.Y});
        caret = ClampToText({0, b.Y});
        break;
    case TVlSelectionMode::Inclusive:
        DeleteText(b, {e.X + 1, e.Y});
        break;
    case TVlSelectionMode::Normal:
        DeleteText(b, e);
        break;
    }
    fAnchor = fCaret = ClampCaret(caret);
    fCaretMoved = true;
    EndUpdate();
}

void TVlEditorModel::SetSelText(const QString &text)
{
    BeginUpdate();
    BeginCompound();
    if (SelAvail())
        DeleteSelection();
    const TVlPos start = fCaret;
    const TVlPos end = InsertText(start, text);
    fSelMode = TVlSelectionMode::Normal;
    fAnchor = start;
    fCaret = end;
    fCaretMoved = true;
    EndCompound();
    EndUpdate();
}

TVlPos TVlEditorModel::ReplaceText(TVlPos from, TVlPos to, const QString &text)
{
    BeginUpdate();
    BeginCompound();
    DeleteText(from, to, TVlUndoKind::Replace);
    const TVlPos end = InsertText(from, text, TVlUndoKind::Replace);
    EndCompound();
    EndUpdate();
    return end;
}

void TVlEditorModel::SelectAll()
{
    if (fLines.isEmpty())
        return;
    SetSelection({0, 0}, {static_cast<int>(fLines.back().size()), LineCount() - 1});
}

void TVlEditorModel::ClearSelection()
{
    SetSelection(fCaret, fCaret);
}

int TVlEditorModel::PosToOffset(TVlPos pos) const
{
    pos = ClampToText(pos);
    int offset = 0;
    for (int y = 0; y < pos.Y && y < LineCount(); ++y)
        offset += static_cast<int>(fLines[y].size()) + 2;
    return offset + std::min(pos.X, static_cast<int>(Line(pos.Y).size()));
}

TVlPos TVlEditorModel::OffsetToPos(int offset) const
{
    offset = std::max(offset, 0);
    for (int y = 0; y < LineCount(); ++y) {
        const int length = static_cast<int>(fLines[y].size());
        if (offset <= length)
            return {offset, y};
        if (offset <= length + 1) // inside the line break
            return {length, y};
        offset -= length + 2;
    }
    if (fLines.isEmpty())
        return {};
    return {static_cast<int>(fLines.back().size()), LineCount() - 1};
}

// ---- undo ------------------------------------------------------------------------------------

void TVlEditorModel::StartGroup(int editKind)
{
    if (fCompoundDepth > 0)
        return;
    const bool continues = editKind != 0 && fOptions.GroupUndo && editKind == fLastEditKind
        && fCaret == fLastEditCaret && !SelAvail() && fUndo.Last() && fUndo.Last()->Group == fGroup;
    if (!continues)
        fGroup = fUndo.NewGroup();
    fLastEditKind = editKind;
}

void TVlEditorModel::BeginCompound()
{
    if (fCompoundDepth++ == 0) {
        fGroup = fUndo.NewGroup();
        fLastEditKind = 0;
    }
}

void TVlEditorModel::EndCompound()
{
    if (fCompoundDepth > 0)
        --fCompoundDepth;
}

void TVlEditorModel::Undo()
{
    if (fReadOnly || !fUndo.CanUndo())
        return;
    BeginUpdate();
    fUndoing = true;
    const std::vector<TVlUndoRecord> group = fUndo.TakeUndoGroup();
    for (const TVlUndoRecord &r : group) {
        if (!r.Inserted.isEmpty())
            RawDelete(r.Start, r.End);
        if (r.EmptiedList && !fLines.isEmpty())
            RawInsert({0, 0}, r.Removed + QLatin1Char('\n')); // lines added since stay lines of their own
        else if (!r.Removed.isEmpty() || r.EmptiedList)
            RawInsert(r.Start, r.Removed);
        if (r.CreatedFirstLine && !fLines.isEmpty() && fLines[0].isEmpty())
            RemoveFirstLine();
        TextWasChanged(r.Start.Y);
    }
    fUndoing = false;
    fAnchor = ClampCaret(group.back().AnchorBefore);
    fCaret = ClampCaret(group.back().CaretBefore);
    fCaretMoved = true;
    fLastEditKind = 0;
    fGroup = 0;
    EndUpdate();
}

void TVlEditorModel::RemoveFirstLine()
{
    if (fLines.size() == 1) {
        fLines.clear();
        fStates.Reset(0);
        return;
    }
    RawDelete({0, 0}, {0, 1});
}

void TVlEditorModel::Redo()
{
    if (fReadOnly || !fUndo.CanRedo())
        return;
    BeginUpdate();
    fUndoing = true;
    const std::vector<TVlUndoRecord> group = fUndo.TakeRedoGroup();
    for (const TVlUndoRecord &r : group) {
        if (!r.Removed.isEmpty()) {
            TVlPos end = r.Start;
            const QStringList parts = r.Removed.split(QLatin1Char('\n'));
            end.Y += static_cast<int>(parts.size()) - 1;
            end.X = (parts.size() == 1 ? r.Start.X : 0) + static_cast<int>(parts.back().size());
            RawDelete(r.Start, end);
        }
        if (r.CreatedFirstLine && !fLines.isEmpty())
            RawInsert({0, 0}, r.Inserted + QLatin1Char('\n')); // the first line again, before the others
        else if (!r.Inserted.isEmpty())
            RawInsert(r.Start, r.Inserted);
        if (r.EmptiedList && !fLines.isEmpty() && fLines[0].isEmpty())
            RemoveFirstLine();
        TextWasChanged(r.Start.Y);
    }
    fUndoing = false;
    fAnchor = ClampCaret(group.back().AnchorAfter);
    fCaret = ClampCaret(group.back().CaretAfter);
    fCaretMoved = true;
    fLastEditKind = 0;
    fGroup = 0;
    EndUpdate();
}

// ---- flags and notifications -----------------------------------------------------------------

void TVlEditorModel::EndUpdate()
{
    if (fUpdateDepth > 1) {
        --fUpdateDepth;
        return;
    }
    // Records of the finished change learn where the caret ended up, for redo.
    if (TVlUndoRecord *last = fUndo.Last(); fTextChanged && last && last->Group == fGroup && !fUndoing) {
        last->CaretAfter = fCaret;
        last->AnchorAfter = fAnchor;
    }
    if (fTextChanged && fGroup != 0 && fCompoundDepth == 0)
        fLastEditCaret = fCaret;
    if (fCaretMoved || fTextChanged)
        UpdateMarks();
    const bool text = fTextChanged, caret = fCaretMoved, status = fStatusChanged;
    fTextChanged = fCaretMoved = fStatusChanged = false;
    fUpdateDepth = 0;
    if (text)
        emit TextChanged();
    if (caret || text)
        emit CaretMoved();
    if (status)
        emit StatusChanged();
}

void TVlEditorModel::SetModified(bool value)
{
    if (!value && !fOptions.UndoAfterSave)
        fUndo.Clear();
    if (fModified == value)
        return;
    BeginUpdate();
    fModified = value;
    fStatusChanged = true;
    EndUpdate();
}

void TVlEditorModel::SetReadOnly(bool value)
{
    if (fReadOnly == value)
        return;
    BeginUpdate();
    fReadOnly = value;
    fStatusChanged = true;
    EndUpdate();
}

void TVlEditorModel::SetInsertMode(bool value)
{
    if (fInsertMode == value)
        return;
    BeginUpdate();
    fInsertMode = value;
    fStatusChanged = true;
    EndUpdate();
}

void TVlEditorModel::SetTopLine(int line)
{
    const int maxTop = std::max(0, LineCount() - 1);
    line = std::clamp(line, 0, maxTop);
    if (line == fTopLine)
        return;
    fTopLine = line;
    emit TopLineChanged();
}

void TVlEditorModel::EnsureCaretVisible()
{
    if (fCaret.Y < fTopLine)
        SetTopLine(fCaret.Y);
    else if (fCaret.Y >= fTopLine + fVisibleRows)
        SetTopLine(fCaret.Y - fVisibleRows + 1);
}

void TVlEditorModel::SetBookmark(int index)
{
    if (index < 0 || index > 9)
        return;
    TVlBookmark &mark = fBookmarks[index];
    if (mark.Valid && mark.Pos.Y == fCaret.Y)
        mark.Valid = false;
    else
        mark = {true, fCaret};
    emit BookmarksChanged();
}

void TVlEditorModel::GotoBookmark(int index)
{
    if (index < 0 || index > 9 || !fBookmarks[index].Valid)
        return;
    SetCaret(fBookmarks[index].Pos);
    EnsureCaretVisible();
    emit BookmarksChanged();
}

void TVlEditorModel::SetBracketHighlighting(bool value)
{
    fBracketHighlighting = value;
    UpdateMarks();
}

void TVlEditorModel::UpdateMarks()
{
    fMarks = fBracketHighlighting ? VlFindBracketMarks(fLines, fCaret) : std::vector<TVlMark>();
}
