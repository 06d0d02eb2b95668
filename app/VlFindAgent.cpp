// Search agent actions: find, replace and replace all in the editor's text.
#include "VlFindAgent.h"

#include "VlFindDialog.h"
#include "editor/VlHLEditor.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>

TVlFindAgent::TVlFindAgent(TKind kind, TVlHLEditor *editor, QWidget *dialogParent)
    : QObject(dialogParent), fKind(kind), fEditor(editor), fDialogParent(dialogParent)
{
    ShowInfo = [this](const QString &caption, const QString &text) {
        QMessageBox::information(fDialog && fDialog->isVisible() ? static_cast<QWidget *>(fDialog) : fDialogParent,
                                 caption, text);
    };
}

TVlFindDialog &TVlFindAgent::Dialog()
{
    if (!fDialog) {
        fDialog = new TVlFindDialog(fKind == TKind::Replace ? TVlFindDialog::TKind::Replace : TVlFindDialog::TKind::Find,
                                    fKind == TKind::Find, fDialogParent);
        connect(fDialog, &TVlFindDialog::FindNext, this, [this] { FindNext(); });
        connect(fDialog, &TVlFindDialog::Replace, this, &TVlFindAgent::Replace);
        connect(fDialog, &TVlFindDialog::ReplaceAll, this, &TVlFindAgent::ReplaceAll);
    }
    return *fDialog;
}

void TVlFindAgent::Execute()
{
    Dialog().show();
    fDialog->raise();
    fDialog->activateWindow();
}

QString TVlFindAgent::FindText() const
{
    return fDialog ? fDialog->FindEdit->text() : QString();
}

QString TVlFindAgent::ReplaceText() const
{
    return fDialog && fDialog->ReplaceEdit ? fDialog->ReplaceEdit->text() : QString();
}

TVlFindOptions TVlFindAgent::Options() const
{
    TVlFindOptions o;
    if (fDialog) {
        o.MatchCase = fDialog->MatchCase->isChecked();
        o.WholeWord = fDialog->WholeWord->isChecked();
        o.Down = fDialog->Down && fDialog->Down->isChecked();
    }
    return o;
}

QString TVlFindAgent::Caption() const
{
    return fKind == TKind::Replace ? QStringLiteral("Replace") : QStringLiteral("Find");
}

QString TVlFindAgent::JoinedText() const
{
    return fEditor->Model().Lines().join(QStringLiteral("\r\n"));
}

void TVlFindAgent::NotFound()
{
    ShowInfo(Caption(), QStringLiteral("Search string '%1' not found").arg(FindText()));
}

bool TVlFindAgent::FindNext()
{
    const QString pattern = FindText();
    const int at = VlFindOccurrence(JoinedText(), pattern, fEditor->SelStart(), fEditor->SelLength(), Options(),
                                    fKind == TKind::FastFind);
    if (at < 0) {
        NotFound();
        return false;
    }
    fEditor->SetSelStart(at);
    fEditor->SetSelLength(static_cast<int>(pattern.size()));
    return true;
}

void TVlFindAgent::Replace()
{
    if (!fEditor->SelAvail())
        FindNext();
    if (!fEditor->SelAvail())
        return;
    const Qt::CaseSensitivity cs = Options().MatchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    if (fEditor->SelText().compare(FindText(), cs) == 0) {
        fEditor->SetSelText(ReplaceText());
        fEditor->setFocus();
    }
    FindNext();
}

void TVlFindAgent::ReplaceAll()
{
    QString text = JoinedText();
    TVlFindOptions options = Options();
    options.Down = true;
    const int from = VlSearchStartDown(fEditor->SelStart(), fEditor->SelLength());
    const int count = VlReplaceAll(text, FindText(), ReplaceText(), from, options);
    if (count == 0) {
        NotFound();
        return;
    }
    // The whole text goes back at once, as one undo step.
    TVlEditorModel &model = fEditor->Model();
    const int last = std::max(0, model.LineCount() - 1);
    model.ReplaceText({0, 0}, {static_cast<int>(model.Line(last).size()), last}, text);
    model.SetCaret({0, 0});
    ShowInfo(QStringLiteral("Replace"),
             QStringLiteral("%1 occurence(s) of '%2' were replaced").arg(count).arg(FindText()));
}
