// Snippet texts of the "Вставка" menu, one table row per command.
#include "VlSnippets.h"

#include <algorithm>

namespace {

struct TSnippetRow {
    TVlSnippet snippet;
    TVlSnippetKind kind;
    const char *caption;
    QStringList text; // one entry for word snippets, the lines for block snippets
    const char *logLine;
};

// "%FORM%" stands for the current form name in the two event handlers.
const QList<TSnippetRow> &Rows()
{
    using K = TVlSnippetKind;
    using S = TVlSnippet;
    static const QList<TSnippetRow> rows = {
        {S::UsesText, K::Word, "Текст (Uses)", {"Uses ;"}, "Добавлено: Список Uses"},
        {S::VarSection, K::Word, "Глобальные переменные (var)", {"var ;"}, "Добавлено: Переменные Var"},
        {S::ConstSection, K::Word, "Список постоянных (Const)", {"Const ;"}, "Добавлено: Постоянные Const"},
        {S::Comment, K::Word, "Комментарий {...}", {" {текст комментария}"}, "Добавлено: Комментарий"},
        {S::StringField, K::Word, ":String", {": string;"}, ""},
        {S::IntegerField, K::Word, ":Integer", {": integer;"}, ""},
        {S::BooleanField, K::Word, ":Boolean", {": boolean;"}, ""},
        {S::OnClick, K::Block, "OnClick",
         {"procedure T%FORM%.?Click(Sender: TObject)   //? - то на что вы нажимаете", "begin", "", "end;"},
         "Добавлена процедура OnClick"},
        {S::OnChange, K::Block, "OnChange",
         {"procedure T%FORM%.?Change(Sender: TObject)   //? - то, что изменяется", "begin", "", "end;"},
         "Добавлена процедура OnChange"},
        {S::PlainFunction, K::Word, "Обычная", {"function {имя функции};"}, ""},
        {S::LibraryFunction, K::Word, "Из библиотеки",
         {"function {имя функции}; external 'имя библиотеки.dll';"}, ""},
        {S::Begin, K::Word, "begin", {"begin"}, "Добавлено: begin"},
        {S::End, K::Word, "End;", {"End;"}, "Добавлено: end;"},
        {S::BeginEnd, K::Block, "begin...end", {"begin", "", "end;"}, ""},
        {S::IfThen, K::Word, "if...then", {"if *** then"}, ""},
        {S::IfAnd, K::Block, "if () and () then", {"if () and () then"}, ""},
        {S::IfOr, K::Block, "if () or () then", {"if () or () then"}, ""},
        {S::ForDownto, K::Block, "for () downto () do", {"for integer := (integer) downto (integer) do"}, ""},
        {S::ForTo, K::Block, "for () to () do", {"for integer := (integer) to (integer) do"}, ""},
        {S::CaseOf, K::Block, "case () of...end;", {"case (integer) of", "", "end;"}, ""},
        {S::RepeatUntil, K::Block, "repeat...until ()", {"repeat", "", "until ();"}, ""},
        {S::WhileDo, K::Block, "while () do", {"while () do", ""}, ""},
        {S::WithDo, K::Block, "with () do", {"with () do"}, ""},
        {S::TryExcept, K::Block, "try...expect...end", {"try", "", "expect", "", "end;"}, ""},
        {S::TryFinally, K::Block, "try...finally...end", {"try", "", "finally", "", "end;"}, ""},
        {S::EmptyLine, K::Block, "Вставить пустую строку", {""}, ""},
    };
    return rows;
}

const TSnippetRow &Row(TVlSnippet snippet)
{
    const auto &rows = Rows();
    return *std::find_if(rows.begin(), rows.end(),
                         [snippet](const TSnippetRow &row) { return row.snippet == snippet; });
}

} // namespace

TVlSnippetText SnippetText(TVlSnippet snippet, const QString &formName)
{
    const TSnippetRow &row = Row(snippet);
    TVlSnippetText result{row.kind, {}, {}, QString::fromUtf8(row.logLine)};
    if (row.kind == TVlSnippetKind::Word) {
        result.word = row.text.first();
    } else {
        for (const QString &line : row.text)
            result.lines << QString(line).replace("%FORM%", formName);
    }
    return result;
}

QString SnippetCaption(TVlSnippet snippet)
{
    return QString::fromUtf8(Row(snippet).caption);
}

const QList<TVlSnippet> &AllSnippets()
{
    static const QList<TVlSnippet> all = [] {
        QList<TVlSnippet> list;
        for (const TSnippetRow &row : Rows())
            list << row.snippet;
        return list;
    }();
    return all;
}
