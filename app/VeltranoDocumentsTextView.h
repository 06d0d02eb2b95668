// The "Текст" tab's document: puts the rich-text view in place of Memo2 and binds its refresh,
// the indent track bar, the "Отступ" menu with its dialog, and the word-list library.
#pragma once

class TForm1;

void InstallTextView(TForm1 &form);
