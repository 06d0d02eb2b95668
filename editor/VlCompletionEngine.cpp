// Template list, word rules and template expansion.
#include "VlCompletionEngine.h"

#include "VlEditorModel.h"

QStringList VlDefaultTemplates()
{
    return {
        QStringLiteral("arrayd==array declaration (var)==array[0..|] of ;"),
        QStringLiteral("arrayc==array declaration (const)==array[0..|] of = ();"),
        QStringLiteral("cases==case statement==case | of/n  : ;/n  : ;/nend;/n"),
        QStringLiteral("casee==case statement (with else)==case | of/n  : ;/n  : ;/nelse ;/nend;/n"),
        QStringLiteral("classf==class declaration (all parts)==T| = class(T)/nprivate/n/nprotected/n/npublic/n/npublished/n/nend;/n"),
        QStringLiteral("classd==class declaration (no parts)==T| = class(T)/n/nend;/n"),
        QStringLiteral("classc==class declaration (with Create/Destroy overrides)==T| = class(T)/nprivate/n/nprotected/n/npublic/n  constructor Create; override;/n  destructor Destroy; override;/npublished/n/nend;/n"),
        QStringLiteral("fors==for (no begin/end)==for | :=  to  do/n"),
        QStringLiteral("forb==for statement==for | :=  to  do/nbegin/n/nend;/n"),
    };
}

TVlCompletionSettings VlDefaultCompletionSettings()
{
    TVlCompletionSettings s;
    s.Templates = VlDefaultTemplates();
    return s;
}

QString VlCompletionField(const QString &entry, int index, const QString &separator)
{
    qsizetype from = 0;
    for (int i = 0; i < index; ++i) {
        const qsizetype at = entry.indexOf(separator, from);
        if (at < 0)
            return {};
        from = at + separator.size();
    }
    const qsizetype to = entry.indexOf(separator, from);
    return entry.mid(from, to < 0 ? -1 : to - from);
}

namespace {
bool IsSep(const QString &line, int i)
{
    return i < 0 || i >= line.size() || VlIsWordSeparator(line[i]);
}
} // namespace

QString VlWordBeforeCaret(const QString &line, int caretX)
{
    if (caretX <= 0)
        return {};
    const int i = caretX - 1;
    if (i >= line.size())
        return QStringLiteral(" ");
    if (VlIsWordSeparator(line[i]))
        return QString(line[i]);
    int start = i, end = i + 1;
    while (start > 0 && !VlIsWordSeparator(line[start - 1]))
        --start;
    while (end < line.size() && !VlIsWordSeparator(line[end]))
        ++end;
    return line.mid(start, end - start);
}

void VlWordToReplace(const QString &line, int caretX, int &start, int &end)
{
    start = end = caretX;
    if (caretX <= 0 || caretX > line.size())
        return;
    int i = caretX - 1; // 0-based index of the character left of the caret
    if (IsSep(line, i) && IsSep(line, i - 1))
        ++i;
    int wordStart;
    if (i < line.size() && IsSep(line, i)) {
        wordStart = i + 1;
    } else {
        wordStart = i;
        while (wordStart > 0 && !IsSep(line, wordStart - 1))
            --wordStart;
    }
    if (wordStart >= line.size() || IsSep(line, wordStart))
        return;
    int wordEnd = wordStart;
    while (wordEnd < line.size() && !IsSep(line, wordEnd))
        ++wordEnd;
    start = wordStart;
    end = wordEnd;
}

QStringList VlBuildCompletionList(const QStringList &items, const QString &word)
{
    QStringList list;
    for (const QString &item : items)
        if (item.startsWith(word, Qt::CaseInsensitive))
            list.append(item);
    return list.isEmpty() ? items : list;
}

int VlSelectCompletion(const QStringList &list, const QString &word)
{
    if (word.trimmed().isEmpty())
        return -1;
    for (qsizetype i = 0; i < list.size(); ++i)
        if (list[i].startsWith(word, Qt::CaseInsensitive))
            return static_cast<int>(i);
    return -1;
}

bool VlCompletionIsComplete(const QStringList &list, int selected, const QString &word, const QString &separator)
{
    if (selected < 0 || selected >= list.size())
        return false;
    return VlCompletionField(list[selected], 0, separator).trimmed().compare(word, Qt::CaseInsensitive) == 0;
}

void VlInsertCompletionText(TVlEditorModel &model, const QString &text, const TVlCompletionSettings &settings)
{
    const TVlPos caret = model.Caret();
    const QString line = model.Line(caret.Y);
    // 1. The word to replace.
    int start = 0, end = 0;
    VlWordToReplace(line, caret.X, start, end);
    if (line.mid(start, end - start) == text)
        return;
    // 2-5. Indentation of the continuation lines and the caret offset inside the expansion.
    const QString indent(caret.X - (end - start), QLatin1Char(' '));
    QString expanded = text;
    expanded.replace(settings.CRLF, QLatin1Char('\n') + indent);
    expanded.remove(settings.CaretChar);
    QString bare = text;
    bare.replace(settings.CRLF, QStringLiteral("\n"));
    const qsizetype caretOffset = settings.CaretChar.isEmpty() ? -1 : bare.indexOf(settings.CaretChar);
    // 6. One undo step for the whole replacement.
    model.BeginUpdate();
    model.BeginCompound();
    const TVlPos from{start, caret.Y};
    const TVlPos after = model.ReplaceText(from, {end, caret.Y}, expanded);
    // 7. The caret goes where the caret character stood, else after the text.
    if (caretOffset >= 0) {
        const QString head = expanded.left(caretOffset);
        const qsizetype lastBreak = head.lastIndexOf(QLatin1Char('\n'));
        const int y = from.Y + static_cast<int>(head.count(QLatin1Char('\n')));
        const int x = lastBreak < 0 ? from.X + static_cast<int>(head.size()) : static_cast<int>(head.size() - lastBreak - 1);
        model.SetCaret({x, y});
    } else {
        model.SetCaret(after);
    }
    model.EndCompound();
    model.EndUpdate();
}
