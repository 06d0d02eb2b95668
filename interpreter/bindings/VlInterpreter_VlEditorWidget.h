// The highlighting editor widget behind a plain interface, for code that also uses the widget set
// (the two declare the same font-style names, so no file includes both).
#pragma once

#include <QString>

#include <functional>
#include <utility>
#include <vector>

class QObject;
class QWidget;

namespace VlEditorWidget {

QWidget *Create();
QString Text(QWidget *editor);
void SetText(QWidget *editor, const QString &text);
int LineCount(QWidget *editor);
QString Line(QWidget *editor, int index);
void PutLine(QWidget *editor, int index, const QString &text);
void AppendLine(QWidget *editor, const QString &text);
void InsertLine(QWidget *editor, int index, const QString &text);
void DeleteLine(QWidget *editor, int index);
int CaretX(QWidget *editor);
int CaretY(QWidget *editor);
void SetCaret(QWidget *editor, int x, int y);
int SelStart(QWidget *editor);
void SetSelStart(QWidget *editor, int offset);
int SelLength(QWidget *editor);
void SetSelLength(QWidget *editor, int length);
QString SelText(QWidget *editor);
void SetSelText(QWidget *editor, const QString &text);
bool SelAvail(QWidget *editor);
void SelectAll(QWidget *editor);
void ClearSelection(QWidget *editor);
void CopyToClipboard(QWidget *editor);
void CutToClipboard(QWidget *editor);
void PasteFromClipboard(QWidget *editor);
void Undo(QWidget *editor);
void Redo(QWidget *editor);
bool CanUndo(QWidget *editor);
bool CanRedo(QWidget *editor);
void BeginCompound(QWidget *editor);
void EndCompound(QWidget *editor);
bool Modified(QWidget *editor);
void SetModified(QWidget *editor, bool value);
bool ReadOnly(QWidget *editor);
void SetReadOnly(QWidget *editor, bool value);
bool InsertMode(QWidget *editor);
void SetInsertMode(QWidget *editor, bool value);
bool Recording(QWidget *editor);
void ExecuteCommand(QWidget *editor, int command);
int GutterWidth(QWidget *editor);
void SetGutterWidth(QWidget *editor, int width);
int RightMargin(QWidget *editor);
void SetRightMargin(QWidget *editor, int column);
bool RightMarginVisible(QWidget *editor);
void SetRightMarginVisible(QWidget *editor, bool value);
QString TabStops(QWidget *editor);
void SetTabStops(QWidget *editor, const QString &text);
bool SyntaxHighlighting(QWidget *editor);
void SetSyntaxHighlighting(QWidget *editor, bool value);
// Bookmark 0..9: whether it is set, and its (column, line).
bool BookmarkValid(QWidget *editor, int index);
int BookmarkX(QWidget *editor, int index);
int BookmarkY(QWidget *editor, int index);
// Runs action (in context's lifetime) when the text changes, or when the status (caret, modified,
// insert mode) changes.
void OnTextChanged(QWidget *editor, QObject *context, std::function<void()> action);
void OnChangeStatus(QWidget *editor, QObject *context, std::function<void()> action);

// The default key map: Qt key, Qt modifiers, second key (0 for single keys) and command of each binding.
struct TKeyBinding {
    int Key = 0;
    int Modifiers = 0;
    int SecondKey = 0;
    int Command = 0;
};
std::vector<TKeyBinding> DefaultKeys();
// The commands scripts may give ExecuteCommand, by name ("ecLeft", "ecUndo", "ecSetBookmark0" ...).
std::vector<std::pair<const char *, int>> CommandNames();

} // namespace VlEditorWidget
