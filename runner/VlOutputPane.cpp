// The "Вывод" pane of the window's runs.
#include "VlOutputPane.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// A runaway script writes without end; the pane keeps the last lines, as a terminal does.
constexpr int kMaxOutputLines = 100000;

} // namespace

TVlOutputPane::TVlOutputPane(QWidget *parent) : QWidget(parent)
{
    setObjectName("OutputPane");
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 2, 0, 0);
    layout->setSpacing(2);

    auto *header = new QHBoxLayout;
    header->setContentsMargins(4, 0, 2, 0);
    auto *caption = new QLabel(QStringLiteral("Вывод"), this);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    header->addWidget(caption);
    header->addStretch(1);
    auto *hide = new QToolButton(this);
    hide->setObjectName("OutputHide");
    hide->setText(QStringLiteral("×"));
    hide->setToolTip(QStringLiteral("Скрыть вывод"));
    hide->setAutoRaise(true);
    connect(hide, &QToolButton::clicked, this, &QWidget::hide);
    header->addWidget(hide);
    layout->addLayout(header);

    FOutput = new QPlainTextEdit(this);
    FOutput->setObjectName("memOutput");
    FOutput->setReadOnly(true);
    FOutput->setMaximumBlockCount(kMaxOutputLines);
    FOutput->setLineWrapMode(QPlainTextEdit::NoWrap);
    FOutput->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(FOutput, 1);

    auto *inputRow = new QHBoxLayout;
    inputRow->setContentsMargins(4, 0, 4, 2);
    FPrompt = new QLabel(QStringLiteral("Ввод:"), this);
    inputRow->addWidget(FPrompt);
    FInput = new QLineEdit(this);
    FInput->setObjectName("edtInput");
    FInput->setPlaceholderText(QStringLiteral("строка для ReadLn, Enter — отправить"));
    connect(FInput, &QLineEdit::returnPressed, this, &TVlOutputPane::SendLine);
    inputRow->addWidget(FInput, 1);
    layout->addLayout(inputRow);
}

void TVlOutputPane::Clear()
{
    FHasOutput = false;
    FOutput->clear();
    FLines.clear();
    FDecoder.resetState();
}

void TVlOutputPane::AppendOutput(const std::string &utf8)
{
    if (utf8.empty())
        return;
    AppendText(FDecoder.decode(QByteArrayView(utf8.data(), qsizetype(utf8.size()))));
}

void TVlOutputPane::AppendText(const QString &text)
{
    show();
    if (!FHasOutput) {
        FHasOutput = true;
        emit Wanted();
    }
    QTextCursor end(FOutput->document());
    end.movePosition(QTextCursor::End);
    end.insertText(text);
    FOutput->verticalScrollBar()->setValue(FOutput->verticalScrollBar()->maximum());
}

bool TVlOutputPane::TakeLine(QString &line)
{
    if (FLines.isEmpty())
        return false;
    line = FLines.takeFirst();
    AppendText(line + QLatin1Char('\n'));
    return true;
}

void TVlOutputPane::SetWaiting(bool waiting)
{
    FWaiting = waiting;
    FPrompt->setStyleSheet(waiting ? QStringLiteral("color: #c00000; font-weight: bold;") : QString());
    if (waiting) {
        show();
        emit Wanted();
        FInput->setFocus();
    }
}

void TVlOutputPane::SendLine()
{
    FLines << FInput->text();
    FInput->clear();
    emit LineEntered();
}
