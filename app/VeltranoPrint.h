// Printing the text tab (Memo2) as one job named by CurrentFileName, and printer setup.
#pragma once

#include <QString>

class QPrinter;
class QTextDocument;
class TForm1;

// True when printing on `printer` reaches paper or a file: an installed printer, or the file that
// the printer setup named for PDF output.
bool HasPrintTarget(const QPrinter &printer, bool printersInstalled);

// Prints the whole document on the printer with 20 mm margins, page after page; the job is named
// jobName. Throws std::runtime_error with the printer's message when the printer cannot print
// ("Нет установленных принтеров" when it leads nowhere).
void PrintTextDocument(const QTextDocument &document, QPrinter &printer, const QString &jobName);

// Binds "Печать текста" (Ctrl+P) and "Настройка печати".
void InstallPrintCommands(TForm1 &form);
