// The edit operations of the two editors: Memo1 (source editor) and Memo2 (text view).
#pragma once

class TForm1;

// Binds "Edit...Click" to Memo1 and "Text...Click" to Memo2; each acts on its editor whichever
// page is showing.
void InstallEditCommands(TForm1 &form);
