// The edit operations of the two editors: Memo1 (source editor) and Memo2 (text view).
#include "VeltranoEditCommands.h"

#include "VeltranoForm.h"

#include <QTextEdit>

namespace {

struct TEditOperation {
    const char *Command;
    void (*Run)(TForm1 &form);
};

// clang-format off
constexpr TEditOperation kEditorOperations[] = {
    {"EditUndoClick",      [](TForm1 &f) { f.Memo1->Undo(); }},
    {"EditRedoClick",      [](TForm1 &f) { f.Memo1->Redo(); }},
    {"EditCutClick",       [](TForm1 &f) { f.Memo1->CutToClipboard(); }},
    {"EditCopyClick",      [](TForm1 &f) { f.Memo1->CopyToClipboard(); }},
    {"EditPasteClick",     [](TForm1 &f) { f.Memo1->PasteFromClipboard(); }},
    {"EditDeleteClick",    [](TForm1 &f) { if (f.Memo1->SelAvail()) f.Memo1->SetSelText(QString()); }},
    {"EditSelectAllClick", [](TForm1 &f) { f.Memo1->SelectAll(); }},
    {"EditClearClick",     [](TForm1 &f) { f.Memo1->SetText(QString()); }},
    {"EditRefreshClick",   [](TForm1 &f) { f.Memo1->viewport()->update(); }},
};

constexpr TEditOperation kTextOperations[] = {
    {"TextUndoClick",      [](TForm1 &f) { f.Memo2->undo(); }},
    {"TextRedoClick",      [](TForm1 &f) { f.Memo2->redo(); }},
    {"TextCutClick",       [](TForm1 &f) { f.Memo2->cut(); }},
    {"TextCopyClick",      [](TForm1 &f) { f.Memo2->copy(); }},
    {"TextPasteClick",     [](TForm1 &f) { f.Memo2->paste(); }},
    {"TextDeleteClick",    [](TForm1 &f) { f.Memo2->textCursor().removeSelectedText(); }},
    {"TextSelectAllClick", [](TForm1 &f) { f.Memo2->selectAll(); }},
    {"TextClearClick",     [](TForm1 &f) { f.Memo2->clear(); }},
    // The rich-text view replaces this with its own refresh (redraw, then keyword marking).
    {"TextRefreshClick",   [](TForm1 &f) { f.Memo2->viewport()->update(); }},
};
// clang-format on

void Install(TForm1 &form, std::span<const TEditOperation> operations)
{
    for (const TEditOperation &op : operations) {
        auto run = op.Run;
        form.SetCommandHandler(QString::fromUtf8(op.Command), std::function<void()>([&form, run] { run(form); }));
    }
}

} // namespace

void InstallEditCommands(TForm1 &form)
{
    Install(form, kEditorOperations);
    Install(form, kTextOperations);
}
