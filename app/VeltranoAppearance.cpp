// The appearance commands of the main window and the source editor's status report.
#include "VeltranoAppearance.h"

#include "AlphaBlendForm.h"
#include "GoLineForm.h"
#include "VeltranoForm.h"
#include "VeltranoStatusBar.h"
#include "VlFindAgent.h"

#include <QAction>
#include <QFontDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTextEdit>

TVlAppearance::TVlAppearance(TForm1 &form)
    : QObject(&form), FindAgent(new TVlFindAgent(TVlFindAgent::TKind::Find, form.Memo1, &form)),
      ReplaceAgent(new TVlFindAgent(TVlFindAgent::TKind::Replace, form.Memo1, &form)),
      FastAgent(new TVlFindAgent(TVlFindAgent::TKind::FastFind, form.Memo1, &form)),
      GoLine(new TGoLine(form.Memo1, &form)), AlphaBlend(new TAlBl(&form, &form)),
      DialogFont(QStringLiteral("MS Sans Serif"), 8), fForm(form)
{
    setObjectName(QStringLiteral("VlAppearance"));
    ChooseFont = [this](QFont &font) {
        bool ok = false;
        const QFont chosen = QFontDialog::getFont(&ok, font, &fForm);
        if (ok)
            font = chosen;
        return ok;
    };
    OpenFileSearch = [] {
        // The desktop's own file search, where one is installed.
        for (const char *program : {"catfish", "gnome-search-tool", "mate-search-tool", "kfind", "searchmonkey"}) {
            const QString path = QStandardPaths::findExecutable(QString::fromLatin1(program));
            if (!path.isEmpty() && QProcess::startDetached(path, {}))
                return true;
        }
        return false;
    };
    ShowInfo = [this](const QString &caption, const QString &text) {
        QMessageBox::information(&fForm, caption, text);
    };
    PropertiesDialog.VlHLEditor = form.Memo1;
    PropertiesDialog.Store = &form.FormStorage();
    PropertiesDialog.Parent = &form;
    // The window's own page: a memo that says "Нет", between the editor and colour pages.
    PropertiesDialog.OnDialogPopup = [](TVlHLEditorParamsForm &dialog) {
        auto *memo = new QPlainTextEdit(QStringLiteral("Нет"));
        dialog.InsertPage(1, memo, QStringLiteral("Комментарий"));
        dialog.setWindowTitle(QStringLiteral("Свойства"));
    };
}

void TVlAppearance::Zoom(int points)
{
    QFont font = fForm.Memo1->font();
    const int current = font.pointSize() > 0 ? font.pointSize() : qRound(font.pixelSize() * 72.0 / 96.0);
    // A font needs at least one point; there is no other limit.
    font.setPointSize(std::max(1, current + points));
    fForm.Memo1->SetEditorFont(font);
}

void TVlAppearance::ChooseFontClick()
{
    QFont font = DialogFont;
    if (!ChooseFont(font))
        return;
    DialogFont = font;
    fForm.Memo1->SetEditorFont(font);
    // The dialog names the chosen style; that name would keep the keywords of the text tab from
    // turning bold, and weight and slant carry the style as well.
    font.setStyleName(QString());
    if (fForm.Memo2)
        fForm.Memo2->setFont(font);
}

void TVlAppearance::ReadOnlyClick(const QString &sender)
{
    // Each of the three items sets the editor to its own check state; they are not kept in step.
    if (const QAction *item = fForm.findChild<QAction *>(sender))
        fForm.Memo1->SetReadOnly(item->isChecked());
}

void TVlAppearance::StayOnTopClick(const QString &sender)
{
    const QAction *item = fForm.findChild<QAction *>(sender.isEmpty() ? QStringLiteral("StayOnTop1") : sender);
    const bool onTop = item && item->isChecked();
    const bool visible = fForm.isVisible();
    fForm.setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (visible)
        fForm.show();
}

void TVlAppearance::FindInFilesClick()
{
    if (!OpenFileSearch())
        ShowInfo(QStringLiteral("Искать в файлах"),
                 QStringLiteral("На этом компьютере нет программы поиска файлов."));
}

void TVlAppearance::EditorPropertiesClick()
{
    PropertiesDialog.Execute();
}

void TVlAppearance::Memo1ChangeStatus()
{
    const std::array<QString, 3> texts = fForm.Memo1->StatusTexts();
    for (int i = 0; i < 3; ++i)
        fForm.StatusBar1->SetPanelText(i, texts[i]);
    if (QAction *save = fForm.MenuItem(QStringLiteral("Save1")))
        save->setEnabled(fForm.Memo1->Modified());
}

void InstallAppearanceCommands(TForm1 &form)
{
    auto *a = new TVlAppearance(form);
    using TPlain = std::function<void()>;
    using TWithSender = std::function<void(const QString &)>;
    form.SetCommandHandler("ZoomInClick", TPlain([a] { a->ZoomIn(); }));
    form.SetCommandHandler("ZoomOutClick", TPlain([a] { a->ZoomOut(); }));
    form.SetCommandHandler("FontClick", TPlain([a] { a->ChooseFontClick(); }));
    form.SetCommandHandler("ReadOnlyClick", TWithSender([a](const QString &sender) { a->ReadOnlyClick(sender); }));
    form.SetCommandHandler("StayOnTopClick", TWithSender([a](const QString &sender) { a->StayOnTopClick(sender); }));
    form.SetCommandHandler("TransparencyClick", TPlain([a] { a->AlphaBlend->exec(); }));
    form.SetCommandHandler("GoToLineClick", TPlain([a] { a->GoLine->exec(); }));
    form.SetCommandHandler("FindClick", TPlain([a] { a->FindAgent->Execute(); }));
    form.SetCommandHandler("FindNextClick", TPlain([a] { a->FastAgent->Execute(); }));
    form.SetCommandHandler("ReplaceClick", TPlain([a] { a->ReplaceAgent->Execute(); }));
    form.SetCommandHandler("RepeatSearchClick", TPlain([a] { a->FindAgent->FindNext(); }));
    form.SetCommandHandler("FindInFilesClick", TPlain([a] { a->FindInFilesClick(); }));
    form.SetCommandHandler("EditorPropertiesClick", TPlain([a] { a->EditorPropertiesClick(); }));
    // Messages of the search agents go through the window's information hook.
    for (TVlFindAgent *agent : {a->FindAgent, a->ReplaceAgent, a->FastAgent})
        agent->ShowInfo = [a](const QString &caption, const QString &text) { a->ShowInfo(caption, text); };
    QObject::connect(form.Memo1, &TVlHLEditor::ChangeStatus, a, &TVlAppearance::Memo1ChangeStatus);
    a->Memo1ChangeStatus();
}

TVlAppearance *AppearanceOf(TForm1 &form)
{
    return form.findChild<TVlAppearance *>(QStringLiteral("VlAppearance"), Qt::FindDirectChildrenOnly);
}
