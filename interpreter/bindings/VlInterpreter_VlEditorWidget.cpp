// The highlighting editor widget behind a plain interface (this file includes no widget-set header).
#include "VlInterpreter_VlEditorWidget.h"

#include "editor/VlHLEditor.h"
#include "editor/VlKeyMap.h"

namespace VlEditorWidget {

namespace {
TVlHLEditor *E(QWidget *editor) { return static_cast<TVlHLEditor *>(editor); }
} // namespace

QWidget *Create() { return new TVlHLEditor; }
QString Text(QWidget *editor) { return E(editor)->Text(); }
void SetText(QWidget *editor, const QString &text) { E(editor)->SetText(text); }
int LineCount(QWidget *editor) { return E(editor)->LineCount(); }
QString Line(QWidget *editor, int index) { return E(editor)->Line(index); }
void PutLine(QWidget *editor, int index, const QString &text) { E(editor)->PutLine(index, text); }
void AppendLine(QWidget *editor, const QString &text) { E(editor)->AppendLine(text); }
void InsertLine(QWidget *editor, int index, const QString &text) { E(editor)->InsertLine(index, text); }
void DeleteLine(QWidget *editor, int index) { E(editor)->DeleteLine(index); }
int CaretX(QWidget *editor) { return E(editor)->CaretX(); }
int CaretY(QWidget *editor) { return E(editor)->CaretY(); }
void SetCaret(QWidget *editor, int x, int y) { E(editor)->SetCaret(x, y); }
int SelStart(QWidget *editor) { return E(editor)->SelStart(); }
void SetSelStart(QWidget *editor, int offset) { E(editor)->SetSelStart(offset); }
int SelLength(QWidget *editor) { return E(editor)->SelLength(); }
void SetSelLength(QWidget *editor, int length) { E(editor)->SetSelLength(length); }
QString SelText(QWidget *editor) { return E(editor)->SelText(); }
void SetSelText(QWidget *editor, const QString &text) { E(editor)->SetSelText(text); }
bool SelAvail(QWidget *editor) { return E(editor)->SelAvail(); }
void SelectAll(QWidget *editor) { E(editor)->SelectAll(); }
void ClearSelection(QWidget *editor) { E(editor)->ClearSelection(); }
void CopyToClipboard(QWidget *editor) { E(editor)->CopyToClipboard(); }
void CutToClipboard(QWidget *editor) { E(editor)->CutToClipboard(); }
void PasteFromClipboard(QWidget *editor) { E(editor)->PasteFromClipboard(); }
void Undo(QWidget *editor) { E(editor)->Undo(); }
void Redo(QWidget *editor) { E(editor)->Redo(); }
bool CanUndo(QWidget *editor) { return E(editor)->CanUndo(); }
bool CanRedo(QWidget *editor) { return E(editor)->CanRedo(); }
void BeginCompound(QWidget *editor) { E(editor)->BeginCompound(); }
void EndCompound(QWidget *editor) { E(editor)->EndCompound(); }
bool Modified(QWidget *editor) { return E(editor)->Modified(); }
void SetModified(QWidget *editor, bool value) { E(editor)->SetModified(value); }
bool ReadOnly(QWidget *editor) { return E(editor)->ReadOnly(); }
void SetReadOnly(QWidget *editor, bool value) { E(editor)->SetReadOnly(value); }
bool InsertMode(QWidget *editor) { return E(editor)->InsertMode(); }
void SetInsertMode(QWidget *editor, bool value) { E(editor)->SetInsertMode(value); }
bool Recording(QWidget *editor) { return E(editor)->Recording(); }
void ExecuteCommand(QWidget *editor, int command) { E(editor)->ExecuteCommand(command); }
int GutterWidth(QWidget *editor) { return E(editor)->GutterWidth(); }
void SetGutterWidth(QWidget *editor, int width) { E(editor)->SetGutterWidth(width); }
int RightMargin(QWidget *editor) { return E(editor)->RightMargin(); }
void SetRightMargin(QWidget *editor, int column) { E(editor)->SetRightMargin(column); }
bool RightMarginVisible(QWidget *editor) { return E(editor)->RightMarginVisible(); }
void SetRightMarginVisible(QWidget *editor, bool value) { E(editor)->SetRightMarginVisible(value); }
QString TabStops(QWidget *editor) { return E(editor)->TabStops(); }
void SetTabStops(QWidget *editor, const QString &text) { E(editor)->SetTabStops(text); }
bool SyntaxHighlighting(QWidget *editor) { return E(editor)->SyntaxHighlighting(); }
void SetSyntaxHighlighting(QWidget *editor, bool value) { E(editor)->SetSyntaxHighlighting(value); }
bool BookmarkValid(QWidget *editor, int index) { return E(editor)->Model().Bookmark(index).Valid; }
int BookmarkX(QWidget *editor, int index) { return E(editor)->Model().Bookmark(index).Pos.X; }
int BookmarkY(QWidget *editor, int index) { return E(editor)->Model().Bookmark(index).Pos.Y; }

void OnTextChanged(QWidget *editor, QObject *context, std::function<void()> action)
{
    QObject::connect(E(editor), &TVlHLEditor::TextChanged, context, std::move(action));
}

void OnChangeStatus(QWidget *editor, QObject *context, std::function<void()> action)
{
    QObject::connect(E(editor), &TVlHLEditor::ChangeStatus, context, std::move(action));
}

std::vector<TKeyBinding> DefaultKeys()
{
    std::vector<TKeyBinding> keys;
    const TVlKeyboard keyboard;
    for (const TVlEditKey &k : keyboard.Keys())
        keys.push_back({k.Key1, int(k.Shift1.toInt()), k.Key2, k.Command});
    return keys;
}

std::vector<std::pair<const char *, int>> CommandNames()
{
    // The editor's private commands (no script number of their own) are left out.
    static const std::pair<const char *, int> names[] = {
    {"ecNone", ecNone}, {"ecChar", ecChar}, {"ecCommandFirst", ecCommandFirst}, {"ecLeft", ecLeft},
    {"ecRight", ecRight}, {"ecUp", ecUp}, {"ecDown", ecDown}, {"ecSelLeft", ecSelLeft}, {"ecSelRight", ecSelRight},
    {"ecSelUp", ecSelUp}, {"ecSelDown", ecSelDown}, {"ecPrevWord", ecPrevWord}, {"ecNextWord", ecNextWord},
    {"ecSelPrevWord", ecSelPrevWord}, {"ecSelNextWord", ecSelNextWord}, {"ecSelWord", ecSelWord},
    {"ecWindowTop", ecWindowTop}, {"ecWindowBottom", ecWindowBottom}, {"ecPrevPage", ecPrevPage},
    {"ecNextPage", ecNextPage}, {"ecSelPrevPage", ecSelPrevPage}, {"ecSelNextPage", ecSelNextPage},
    {"ecBeginLine", ecBeginLine}, {"ecEndLine", ecEndLine}, {"ecBeginDoc", ecBeginDoc}, {"ecEndDoc", ecEndDoc},
    {"ecSelBeginLine", ecSelBeginLine}, {"ecSelEndLine", ecSelEndLine}, {"ecSelBeginDoc", ecSelBeginDoc},
    {"ecSelEndDoc", ecSelEndDoc}, {"ecSelAll", ecSelAll}, {"ecScrollLineUp", ecScrollLineUp},
    {"ecScrollLineDown", ecScrollLineDown}, {"ecInsertPara", ecInsertPara}, {"ecBackspace", ecBackspace},
    {"ecDelete", ecDelete}, {"ecChangeInsertMode", ecChangeInsertMode}, {"ecTab", ecTab}, {"ecBackTab", ecBackTab},
    {"ecIndent", ecIndent}, {"ecUnindent", ecUnindent}, {"ecDeleteSelected", ecDeleteSelected},
    {"ecClipboardCopy", ecClipboardCopy}, {"ecClipboardCut", ecClipboardCut},
    {"ecClipBoardPaste", ecClipBoardPaste}, {"ecDeleteLine", ecDeleteLine}, {"ecDeleteWord", ecDeleteWord},
    {"ecToUpperCase", ecToUpperCase}, {"ecToLowerCase", ecToLowerCase}, {"ecChangeCase", ecChangeCase},
    {"ecUndo", ecUndo}, {"ecRedo", ecRedo}, {"ecBeginCompound", ecBeginCompound}, {"ecEndCompound", ecEndCompound},
    {"ecBeginUpdate", ecBeginUpdate}, {"ecEndUpdate", ecEndUpdate}, {"ecSetBookmark0", ecSetBookmark0 + 0},
    {"ecSetBookmark1", ecSetBookmark0 + 1}, {"ecSetBookmark2", ecSetBookmark0 + 2},
    {"ecSetBookmark3", ecSetBookmark0 + 3}, {"ecSetBookmark4", ecSetBookmark0 + 4},
    {"ecSetBookmark5", ecSetBookmark0 + 5}, {"ecSetBookmark6", ecSetBookmark0 + 6},
    {"ecSetBookmark7", ecSetBookmark0 + 7}, {"ecSetBookmark8", ecSetBookmark0 + 8},
    {"ecSetBookmark9", ecSetBookmark0 + 9}, {"ecGotoBookmark0", ecGotoBookmark0 + 0},
    {"ecGotoBookmark1", ecGotoBookmark0 + 1}, {"ecGotoBookmark2", ecGotoBookmark0 + 2},
    {"ecGotoBookmark3", ecGotoBookmark0 + 3}, {"ecGotoBookmark4", ecGotoBookmark0 + 4},
    {"ecGotoBookmark5", ecGotoBookmark0 + 5}, {"ecGotoBookmark6", ecGotoBookmark0 + 6},
    {"ecGotoBookmark7", ecGotoBookmark0 + 7}, {"ecGotoBookmark8", ecGotoBookmark0 + 8},
    {"ecGotoBookmark9", ecGotoBookmark0 + 9}, {"ecCompletionIdentifiers", ecCompletionIdentifiers},
    {"ecCompletionTemplates", ecCompletionTemplates}, {"ecRecordMacro", ecRecordMacro},
    {"ecPlayMacro", ecPlayMacro}, {"ecBeginRecord", ecBeginRecord}, {"ecEndRecord", ecEndRecord},
    {"ecUser", ecUser},
    };
    return {std::begin(names), std::end(names)};
}

} // namespace VlEditorWidget
