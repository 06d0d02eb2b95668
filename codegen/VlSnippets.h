// Snippet texts of the "Вставка" menu: word snippets go in at the caret, block snippets are
// appended as lines at the end of the text.
#pragma once

#include <QStringList>

enum class TVlSnippet {
    UsesText, VarSection, ConstSection, Comment,
    StringField, IntegerField, BooleanField,
    PlainFunction, LibraryFunction,
    Begin, End, IfThen,
    OnClick, OnChange,
    BeginEnd, CaseOf, RepeatUntil, WhileDo, WithDo, ForDownto, ForTo, IfAnd, IfOr,
    TryExcept, TryFinally, EmptyLine,
};

enum class TVlSnippetKind { Word, Block };

struct TVlSnippetText {
    TVlSnippetKind kind;
    QString word;      // the text inserted at the caret (word snippets)
    QStringList lines; // the lines appended at the end (block snippets)
    QString logLine;   // the message log line, empty when none is written
};

// The text of a snippet; formName (the current form name) enters the two event handlers.
[[nodiscard]] TVlSnippetText SnippetText(TVlSnippet snippet, const QString &formName);

// The menu caption of a snippet's command.
[[nodiscard]] QString SnippetCaption(TVlSnippet snippet);

// All snippets in menu order, for tables and tests.
[[nodiscard]] const QList<TVlSnippet> &AllSnippets();
