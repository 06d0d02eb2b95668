// Completion templates and the word rules that choose and insert them; needs only QtCore.
#pragma once

#include "VlEditorCommon.h"

#include <QStringList>

class TVlEditorModel;

enum TVlCompletionMode { cmIdentifiers = 0, cmTemplates = 1 };

struct TVlCompletionSettings
{
    bool Enabled = true;
    int ItemHeight = 16;
    int Interval = 800;       // ms before the automatic pop-up
    QString CaretChar = QStringLiteral("|");
    QString CRLF = QStringLiteral("/n");
    QString Separator = QStringLiteral("==");
    int DropDownCount = 6;
    int DropDownWidth = 300;
    QStringList Identifiers;
    QStringList Templates;
};

// The nine Pascal templates the editor is configured with.
QStringList VlDefaultTemplates();
TVlCompletionSettings VlDefaultCompletionSettings();

// Field i of an entry: the text after the i-th separator up to the next one or the end.
QString VlCompletionField(const QString &entry, int index, const QString &separator);

// The word the list is filtered and selected by (the run containing the character left of
// the caret; a lone separator character when that character is one; empty at column 0).
QString VlWordBeforeCaret(const QString &line, int caretX);

// Columns [start, end) of the word an insertion replaces; start == end means insert at the caret.
void VlWordToReplace(const QString &line, int caretX, int &start, int &end);

// Entries that begin with the word (case ignored), or all of them when none does.
QStringList VlBuildCompletionList(const QStringList &items, const QString &word);

// Index of the first entry beginning with the word, -1 for none or a blank word.
int VlSelectCompletion(const QStringList &list, const QString &word);

// Whether the selected entry's name equals the word (case ignored).
bool VlCompletionIsComplete(const QStringList &list, int selected, const QString &word, const QString &separator);

// Replaces the word at the caret by a template text as one undo step and places the caret.
void VlInsertCompletionText(TVlEditorModel &model, const QString &text, const TVlCompletionSettings &settings);
