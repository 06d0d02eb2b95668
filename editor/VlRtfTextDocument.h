// Moves styled runs between Qt text documents and the rich-text model.
#pragma once

#include "VlRtfDocument.h"

class QTextCursor;
class QTextDocument;

// The runs of the document's characters from..to (positions of QTextCursor; to < 0: the end).
[[nodiscard]] TVlRtfDocument RtfFromTextDocument(const QTextDocument &document, int from = 0, int to = -1);

// Inserts the runs at the cursor; runs without a font, size or colour keep the cursor's format.
void InsertRtf(QTextCursor &cursor, const TVlRtfDocument &rtf);
