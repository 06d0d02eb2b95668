// The editor commands of the key map: caret motion, selection, typing, deletion, blocks, macro.
#include "VlEditorModel.h"

#include <algorithm>

namespace {
// Kinds of edits that group into one undo step when repeated.
enum TEditKind { ekNone, ekTyping, ekBackspace, ekDelete, ekTab };

int LeadingBlanks(const QString &line)
{
    int n = 0;
    while (n < line.size() && line[n] == QLatin1Char(' '))
        ++n;
    return n;
}

bool IsBlankLine(const QString &line)
{
    return LeadingBlanks(line) == line.size();
}

// Commands a read-only editor refuses (Enter moves down instead, handled by the command).
bool ChangesText(int command)
{
    switch (command) {
    case ecChar: case ecBackspace: case ecDeleteWordLeft: case ecDelete: case ecTab: case ecIndent:
    case ecUnindent: case ecDeleteSelected: case ecClipboardCut: case ecClipBoardPaste:
    case ecDeleteLine: case ecDeleteWord: case ecToUpperCase: case ecToLowerCase: case ecChangeCase:
        return true;
    default:
        return false;
    }
}
} // namespace

// Runs commands against a model; a class so that each command body stays a small function.
class TVlEditorCommands
{
public:
    explicit TVlEditorCommands(TVlEditorModel &m) : m(m) {}
    void Run(int command, const QString &text);

private:
    int LineLength(int y) const { return static_cast<int>(m.Line(y).size()); }
    int LastLine() const { return std::max(0, m.LineCount() - 1); }
    // The lowest line the caret may reach (below the text with CursorBeyondEOF).
    int LastCaretLine() const { return LastLine() + (m.fOptions.CursorBeyondEOF ? m.fVisibleRows - 1 : 0); }
    void Move(TVlPos pos, bool select);
    void TypeChar(const QString &text);
    void InsertPara();
    void Backspace();
    void DeleteChar();
    void DeleteWordLeft();
    void DeleteWord();
    void Tab();
    int NextTabColumn(TVlPos at) const;
    void IndentBlock(bool indent);
    void ChangeCase(int command);
    void DeleteLine();
    void SelectWord();
    void Paste();

    TVlEditorModel &m;
};

void TVlEditorCommands::Move(TVlPos pos, bool select)
{
    pos.Y = std::clamp(pos.Y, 0, LastCaretLine());
    pos.X = std::max(pos.X, 0);
    if (select) {
        if (m.fSelMode == TVlSelectionMode::Column && !m.SelAvail())
            m.fSelMode = TVlSelectionMode::Normal;
        m.MoveCaretKeepingSelection(pos);
    } else {
        m.fSelMode = TVlSelectionMode::Normal;
        m.SetCaret(pos);
    }
    m.EnsureCaretVisible();
}

void TVlEditorCommands::Run(int command, const QString &text)
{
    const TVlPos c = m.fCaret;
    const int page = std::max(1, m.fVisibleRows - 1);
    if (command >= ecSetBookmark0 && command < ecSetBookmark0 + 10)
        return m.SetBookmark(command - ecSetBookmark0);
    if (command >= ecGotoBookmark0 && command < ecGotoBookmark0 + 10)
        return m.GotoBookmark(command - ecGotoBookmark0);
    if (m.fReadOnly && ChangesText(command))
        return; // a read-only editor ignores every command that would change the text
    switch (command) {
    case ecChar: return TypeChar(text);
    case ecLeft: case ecSelLeft: return Move({c.X - 1, c.Y}, command == ecSelLeft);
    case ecRight: case ecSelRight: return Move({c.X + 1, c.Y}, command == ecSelRight);
    case ecUp: case ecSelUp: return Move({c.X, c.Y - 1}, command == ecSelUp);
    case ecDown: case ecSelDown: return Move({c.X, c.Y + 1}, command == ecSelDown);
    case ecColumnSelLeft: case ecColumnSelRight: case ecColumnSelUp: case ecColumnSelDown: {
        if (!m.SelAvail())
            m.fAnchor = c;
        m.fSelMode = TVlSelectionMode::Column;
        const int dx = command == ecColumnSelLeft ? -1 : command == ecColumnSelRight ? 1 : 0;
        const int dy = command == ecColumnSelUp ? -1 : command == ecColumnSelDown ? 1 : 0;
        m.MoveCaretKeepingSelection({std::max(0, c.X + dx), std::clamp(c.Y + dy, 0, LastCaretLine())});
        m.EnsureCaretVisible();
        return;
    }
    case ecPrevWord: case ecSelPrevWord: return Move(m.PrevWordStart(c), command == ecSelPrevWord);
    case ecNextWord: case ecSelNextWord: return Move(m.NextWordStart(c), command == ecSelNextWord);
    case ecSelWord: return SelectWord();
    case ecBeginLine: case ecSelBeginLine: return Move({0, c.Y}, command == ecSelBeginLine);
    case ecEndLine: case ecSelEndLine: return Move({LineLength(c.Y), c.Y}, command == ecSelEndLine);
    case ecBeginDoc: case ecSelBeginDoc: return Move({0, 0}, command == ecSelBeginDoc);
    case ecEndDoc: case ecSelEndDoc: return Move({LineLength(LastLine()), LastLine()}, command == ecSelEndDoc);
    case ecWindowTop: return Move({c.X, m.fTopLine}, false);
    case ecWindowBottom: return Move({c.X, m.fTopLine + m.fVisibleRows - 1}, false);
    case ecPrevPage: case ecSelPrevPage:
        m.SetTopLine(m.fTopLine - page);
        return Move({c.X, c.Y - page}, command == ecSelPrevPage);
    case ecNextPage: case ecSelNextPage:
        m.SetTopLine(std::min(m.fTopLine + page, std::max(0, m.LineCount() - m.fVisibleRows)));
        return Move({c.X, c.Y + page}, command == ecSelNextPage);
    case ecScrollLineUp: case ecScrollLineDown: {
        m.SetTopLine(m.fTopLine + (command == ecScrollLineUp ? -1 : 1));
        // The caret stays inside the window.
        const int y = std::clamp(c.Y, m.fTopLine, m.fTopLine + m.fVisibleRows - 1);
        if (y != c.Y)
            m.SetCaret({c.X, std::clamp(y, 0, LastLine())});
        return;
    }
    case ecSelAll: return m.SelectAll();
    case ecInsertPara: return InsertPara();
    case ecBackspace: return Backspace();
    case ecDeleteWordLeft: return DeleteWordLeft();
    case ecDelete: return DeleteChar();
    case ecChangeInsertMode: return m.SetInsertMode(!m.fInsertMode);
    case ecTab: return Tab();
    case ecBackTab: return Move({m.fTabStops.PrevStop(c.X), c.Y}, false);
    case ecIndent: case ecUnindent: return IndentBlock(command == ecIndent);
    case ecDeleteSelected:
        m.StartGroup();
        return m.DeleteSelection();
    case ecClipboardCopy:
        if (m.SelAvail() && m.SetClipboardText)
            m.SetClipboardText(m.SelText());
        return;
    case ecClipboardCut:
        if (m.SelAvail()) {
            if (m.SetClipboardText)
                m.SetClipboardText(m.SelText());
            m.StartGroup();
            m.DeleteSelection();
        }
        return;
    case ecClipBoardPaste: return Paste();
    case ecDeleteLine: return DeleteLine();
    case ecDeleteWord: return DeleteWord();
    case ecToUpperCase: case ecToLowerCase: case ecChangeCase: return ChangeCase(command);
    case ecUndo: return m.Undo();
    case ecRedo: return m.Redo();
    case ecBeginCompound: return m.BeginCompound();
    case ecEndCompound: return m.EndCompound();
    case ecBeginUpdate: return m.BeginUpdate();
    case ecEndUpdate: return m.EndUpdate();
    case ecNormalSelect: return m.SetSelectionMode(TVlSelectionMode::Normal);
    case ecLineSelect: return m.SetSelectionMode(TVlSelectionMode::Line);
    case ecColumnSelect: return m.SetSelectionMode(TVlSelectionMode::Column);
    case ecInclusiveSelect: return m.SetSelectionMode(TVlSelectionMode::Inclusive);
    case ecCompletionIdentifiers: case ecCompletionTemplates:
        if (m.OnCompletionCommand)
            m.OnCompletionCommand(command);
        return;
    default:
        return;
    }
}

void TVlEditorCommands::TypeChar(const QString &text)
{
    if (text.isEmpty())
        return;
    m.StartGroup(m.SelAvail() ? ekNone : ekTyping);
    m.DeleteSelection();
    const TVlPos c = m.fCaret;
    if (!m.fInsertMode && c.X < LineLength(c.Y))
        m.DeleteText(c, {std::min(c.X + static_cast<int>(text.size()), LineLength(c.Y)), c.Y},
                     TVlUndoKind::Overwrite);
    const TVlPos end = m.InsertText(c, text, m.fInsertMode ? TVlUndoKind::Insert : TVlUndoKind::Overwrite);
    m.fSelMode = TVlSelectionMode::Normal;
    m.SetCaret(end);
    m.EnsureCaretVisible();
}

void TVlEditorCommands::InsertPara()
{
    const TVlPos c = m.fCaret;
    if (m.fReadOnly) {
        Move({0, c.Y + 1}, false);
        return;
    }
    m.StartGroup();
    m.DeleteSelection();
    const TVlPos at = m.fCaret;
    const QString &line = m.Line(at.Y);
    const TVlPos split{std::min(at.X, LineLength(at.Y)), at.Y};
    int indent = 0;
    if (m.fOptions.AutoIndent && at.X > 0) {
        // The new line starts with as many blanks as the nearest non-blank line at or above the
        // caret is indented; blanks that move down with the rest of the line count towards them.
        for (int y = at.Y; y >= 0; --y)
            if (!IsBlankLine(m.Line(y))) {
                indent = LeadingBlanks(m.Line(y));
                break;
            }
        indent = std::max(0, indent - LeadingBlanks(line.mid(split.X)));
    }
    const TVlPos end = m.InsertText(split, QLatin1Char('\n') + QString(indent, QLatin1Char(' ')));
    m.SetCaret({indent, end.Y});
    m.EnsureCaretVisible();
}

void TVlEditorCommands::Backspace()
{
    if (m.SelAvail()) {
        m.StartGroup();
        m.DeleteSelection();
        return;
    }
    const TVlPos c = m.fCaret;
    m.StartGroup(ekBackspace);
    if (c.X == 0) {
        if (c.Y == 0)
            return;
        const int joinX = LineLength(c.Y - 1);
        m.DeleteText({joinX, c.Y - 1}, {0, c.Y});
        m.SetCaret({joinX, c.Y - 1});
        m.EnsureCaretVisible();
        return;
    }
    const QString &line = m.Line(c.Y);
    if (c.X > line.size()) { // beyond the end only the caret moves
        m.SetCaret({c.X - 1, c.Y});
        return;
    }
    int target = c.X - 1;
    const bool onlyBlanksLeft = LeadingBlanks(line) >= c.X;
    const bool atNonBlank = c.X < line.size() && line[c.X] != QLatin1Char(' ');
    if (m.fOptions.BackSpaceUnindents && onlyBlanksLeft && atNonBlank) {
        // Back to the nearest indentation level of a line above.
        target = 0;
        const int limit = std::max(0, c.Y - 2 * m.fVisibleRows);
        for (int y = c.Y - 1; y >= limit; --y) {
            const QString &above = m.Line(y);
            if (IsBlankLine(above))
                continue;
            const int indent = LeadingBlanks(above);
            if (indent < c.X) {
                target = indent;
                break;
            }
        }
    }
    m.DeleteText({target, c.Y}, c);
    m.SetCaret({target, c.Y});
    m.EnsureCaretVisible();
}

void TVlEditorCommands::DeleteChar()
{
    if (m.SelAvail()) {
        m.StartGroup();
        m.DeleteSelection();
        return;
    }
    const TVlPos c = m.fCaret;
    m.StartGroup(ekDelete);
    if (c.X >= LineLength(c.Y)) {
        if (c.Y + 1 >= m.LineCount())
            return;
        m.DeleteText({c.X, c.Y}, {0, c.Y + 1});
    } else {
        m.DeleteText(c, {c.X + 1, c.Y});
    }
    m.SetCaret(c);
}

void TVlEditorCommands::DeleteWordLeft()
{
    const TVlPos c = m.fCaret;
    if (c.X == 0)
        return Backspace();
    const TVlPos start = m.WordStartBefore(c);
    m.BeginCompound();
    m.DeleteText(start, c);
    m.SetCaret(start);
    m.EndCompound();
}

void TVlEditorCommands::DeleteWord()
{
    const TVlPos c = m.fCaret;
    m.BeginCompound();
    m.SetSelection(c, m.NextWordStart(c));
    m.DeleteSelection();
    m.EndCompound();
}

int TVlEditorCommands::NextTabColumn(TVlPos at) const
{
    // Smart tab: the next word start of the nearest non-blank line above, if it has one.
    if (m.fOptions.SmartTab)
        for (int y = at.Y - 1; y >= 0; --y) {
            const QString &above = m.Line(y);
            if (IsBlankLine(above))
                continue;
            for (int x = at.X + 1; x < above.size(); ++x)
                if (above[x] != QLatin1Char(' ') && above[x - 1] == QLatin1Char(' '))
                    return x;
            break;
        }
    return m.fTabStops.NextStop(at.X);
}

void TVlEditorCommands::Tab()
{
    const TVlPos c = m.fCaret;
    const int next = NextTabColumn(c);
    if (!m.fInsertMode) {
        Move({next, c.Y}, false);
        return;
    }
    m.StartGroup(ekTab);
    m.DeleteSelection();
    const TVlPos at = m.fCaret;
    const int stop = NextTabColumn(at);
    m.InsertText(at, QString(stop - at.X, QLatin1Char(' ')), TVlUndoKind::TabInsert);
    m.SetCaret({stop, at.Y});
    m.EnsureCaretVisible();
}

void TVlEditorCommands::IndentBlock(bool indent)
{
    if (!m.SelAvail())
        return;
    const TVlPos b = m.SelBegin(), e = m.SelEnd();
    const int lastY = (e.X == 0 && e.Y > b.Y) ? e.Y - 1 : e.Y;
    const int column = m.fSelMode == TVlSelectionMode::Column ? std::min(b.X, e.X) : 0;
    TVlPos anchor = m.fAnchor, caret = m.fCaret;
    m.BeginCompound();
    for (int y = b.Y; y <= std::min(lastY, LastLine()); ++y) {
        if (indent) {
            if (column <= LineLength(y))
                m.InsertText({column, y}, QStringLiteral("  "));
        } else {
            const QString &line = m.Line(y);
            int n = 0;
            while (n < 2 && column + n < line.size() && line[column + n] == QLatin1Char(' '))
                ++n;
            if (n > 0)
                m.DeleteText({column, y}, {column + n, y});
        }
    }
    const int shift = indent ? 2 : -2;
    auto adjust = [&](TVlPos p) {
        if (p.Y >= b.Y && p.Y <= lastY && p.X > 0)
            p.X = std::clamp(p.X + shift, 0, 1024);
        return p;
    };
    m.SetSelection(adjust(anchor), adjust(caret));
    m.EndCompound();
}

void TVlEditorCommands::ChangeCase(int command)
{
    if (!m.SelAvail())
        return;
    const auto changed = [command](QChar ch) {
        if (command == ecToUpperCase)
            return ch.toUpper();
        if (command == ecToLowerCase)
            return ch.toLower();
        return ch.isUpper() ? ch.toLower() : ch.toUpper();
    };
    // Every character keeps its place: the selected span of each line is replaced in place, so
    // no line moves and a column block changes only inside its columns.
    const TVlPos anchor = m.fAnchor, caret = m.fCaret;
    const TVlSelectionMode mode = m.fSelMode;
    const TVlPos b = m.SelBegin(), e = m.SelEnd();
    m.BeginCompound();
    for (int y = b.Y; y <= std::min(e.Y, LastLine()); ++y) {
        int from = 0, to = LineLength(y);
        if (mode == TVlSelectionMode::Column) {
            from = std::min(b.X, e.X);
            to = std::max(b.X, e.X);
        } else if (mode != TVlSelectionMode::Line) {
            if (y == b.Y)
                from = b.X;
            if (y == e.Y)
                to = e.X + (mode == TVlSelectionMode::Inclusive ? 1 : 0);
        }
        to = std::min(to, LineLength(y));
        if (from >= to)
            continue;
        const QString part = m.Line(y).mid(from, to - from);
        QString text = part;
        for (QChar &ch : text)
            ch = changed(ch);
        if (text != part)
            m.ReplaceText({from, y}, {to, y}, text);
    }
    m.fSelMode = mode;
    m.SetSelection(anchor, caret);
    m.EndCompound();
}

void TVlEditorCommands::DeleteLine()
{
    const TVlPos c = m.fCaret;
    if (m.LineCount() == 0)
        return;
    m.BeginCompound();
    m.DeleteLine(c.Y);
    m.SetCaret({0, std::min(c.Y, LastLine())});
    m.EndCompound();
}

void TVlEditorCommands::SelectWord()
{
    const TVlPos c = m.fCaret;
    const QString &line = m.Line(c.Y);
    int start = std::min(c.X, static_cast<int>(line.size())), end = start;
    while (start > 0 && !VlIsWordSeparator(line[start - 1]))
        --start;
    while (end < line.size() && !VlIsWordSeparator(line[end]))
        ++end;
    m.fSelMode = TVlSelectionMode::Normal;
    m.SetSelection({start, c.Y}, {end, c.Y});
}

void TVlEditorCommands::Paste()
{
    if (!m.GetClipboardText)
        return;
    const QString text = m.GetClipboardText();
    if (text.isEmpty())
        return;
    m.BeginCompound();
    m.DeleteSelection();
    const TVlPos end = m.InsertText(m.fCaret, text);
    m.fSelMode = TVlSelectionMode::Normal;
    m.SetCaret(end);
    m.EndCompound();
    m.EnsureCaretVisible();
}

// ---- model entry points ----------------------------------------------------------------------

void TVlEditorModel::ExecuteCommand(int command, const QString &text)
{
    if (command == ecRecordMacro) {
        if (fRecording)
            fMacro = fRecordedMacro;
        else
            fRecordedMacro.clear();
        fRecording = !fRecording;
        BeginUpdate();
        fStatusChanged = true;
        EndUpdate();
        return;
    }
    if (command == ecPlayMacro) {
        if (fRecording || fPlaying)
            return;
        fPlaying = true;
        BeginUpdate();
        for (const auto &[cmd, txt] : fMacro)
            ExecuteCommand(cmd, txt);
        EndUpdate();
        fPlaying = false;
        return;
    }
    if (fRecording)
        fRecordedMacro.emplace_back(command, text);
    BeginUpdate();
    TVlEditorCommands(*this).Run(command, text);
    EndUpdate();
}

TVlPos TVlEditorModel::WordStartBefore(TVlPos pos) const
{
    const QString line = Line(pos.Y);
    int x = std::min(pos.X, static_cast<int>(line.size()));
    while (x > 0 && VlIsWordSeparator(line[x - 1]))
        --x;
    while (x > 0 && !VlIsWordSeparator(line[x - 1]))
        --x;
    return {x, pos.Y};
}

TVlPos TVlEditorModel::NextWordStart(TVlPos pos) const
{
    if (pos.Y >= LineCount())
        return pos;
    const QString &line = fLines[pos.Y];
    int x = pos.X;
    if (x >= line.size()) {
        if (pos.Y + 1 >= LineCount())
            return {static_cast<int>(line.size()), pos.Y};
        const QString &next = fLines[pos.Y + 1];
        int nx = 0;
        while (nx < next.size() && VlIsWordSeparator(next[nx]))
            ++nx;
        return {nx, pos.Y + 1};
    }
    while (x < line.size() && !VlIsWordSeparator(line[x]))
        ++x;
    while (x < line.size() && VlIsWordSeparator(line[x]))
        ++x;
    return {x, pos.Y};
}

TVlPos TVlEditorModel::PrevWordStart(TVlPos pos) const
{
    if (fLines.isEmpty())
        return pos;
    if (pos.X == 0) {
        if (pos.Y == 0)
            return pos;
        return WordStartBefore({static_cast<int>(Line(pos.Y - 1).size()), pos.Y - 1});
    }
    return WordStartBefore(pos);
}
