// Bracket and pair-word matching for the caret, skipping string literals, within 800 lines.
#pragma once

#include "VlEditorCommon.h"

#include <QStringList>
#include <vector>

struct TVlMark;

struct TVlWordPair
{
    QString Left;
    QString Right;
};

// The pairs the main window sets, in the order they are tried.
const std::vector<TVlWordPair> &VlDefaultWordPairs();

// For each character of a line, whether it lies inside a string literal ('' escapes included).
std::vector<bool> VlStringMask(QStringView line);

// The two marks (in text order) for the bracket or pair word at the caret; empty when none.
std::vector<TVlMark> VlFindBracketMarks(const QStringList &lines, TVlPos caret,
                                        const std::vector<TVlWordPair> &pairs = VlDefaultWordPairs(),
                                        bool caseSensitive = true);
