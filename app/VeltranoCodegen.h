// Code generation commands of the main window: the skeletons of "Файл" -> "Создать", the snippets
// of "Вставка", the uses-list dialog and the new-procedure dialog.
#pragma once

class QString;
class TForm1;

// The skeleton dialogs (TDelphiF, TConsoleF, TLibraryF, TModuleF), the snippets and the uses list.
void InstallCodegenCommands(TForm1 &form);
// TProcedureForm: loads its event lists now and writes them back when the window goes.
void InstallNewProcedureCommands(TForm1 &form);

// The current form name: the form-name box of the form-unit dialog ("Form1" until changed).
[[nodiscard]] QString CurrentFormName(const TForm1 &form);
