// The go-to-line dialog: a 0-based line index typed by the user.
#include "GoLineForm.h"

#include "editor/VlHLEditor.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

TGoLine::TGoLine(TVlHLEditor *editor, QWidget *parent) : QDialog(parent), fEditor(editor)
{
    setWindowTitle(QStringLiteral("Переход на строку"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(190, 100);
    auto *layout = new QVBoxLayout(this);
    Edit1 = new QLineEdit;
    layout->addWidget(Edit1);
    auto *buttons = new QHBoxLayout;
    auto *ok = new QPushButton(QStringLiteral("OK"));
    auto *cancel = new QPushButton(QStringLiteral("Отмена"));
    ok->setDefault(true);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &TGoLine::OkClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    ShowError = [this](const QString &message) { QMessageBox::critical(this, QStringLiteral("Ошибка"), message); };
}

void TGoLine::OkClick()
{
    bool ok = false;
    const int line = Edit1->text().trimmed().toInt(&ok);
    if (!ok) {
        ShowError(QStringLiteral("'%1' is not a valid integer value").arg(Edit1->text()));
        return;
    }
    // Numbers outside the text go to its first or last line.
    const int last = std::max(0, fEditor->LineCount() - 1);
    fEditor->SetCaret(0, std::clamp(line, 0, last));
    accept();
}
