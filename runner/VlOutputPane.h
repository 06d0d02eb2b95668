// "Вывод": the console of the window's runs below the editor. What a script writes appears in
// the text area (the pane opens on the first output); lines typed in the input field and sent
// with Enter are what ReadLn reads, echoed into the text as a terminal shows them.
#pragma once

#include <QStringDecoder>
#include <QStringList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

class TVlOutputPane : public QWidget {
    Q_OBJECT
public:
    explicit TVlOutputPane(QWidget *parent = nullptr);

    QPlainTextEdit *Output() const { return FOutput; }
    QLineEdit *Input() const { return FInput; }

    // Empties the text and forgets typed lines that nobody read (each run starts so).
    void Clear();
    // Appends console output (UTF-8, split anywhere) and shows the pane.
    void AppendOutput(const std::string &utf8);
    // The first typed line not yet read, echoed into the text; false when none is waiting.
    bool TakeLine(QString &line);
    // Marks the input field as asked for (ReadLn waits): the pane shows and the field has the focus.
    void SetWaiting(bool waiting);
    bool Waiting() const { return FWaiting; }

signals:
    void LineEntered();
    // The pane wants to be seen: the first output after Clear, or ReadLn waiting.
    void Wanted();

private:
    void SendLine();
    void AppendText(const QString &text);

    QLabel *FPrompt = nullptr;
    QPlainTextEdit *FOutput = nullptr;
    QLineEdit *FInput = nullptr;
    QStringList FLines;
    QStringDecoder FDecoder{QStringDecoder::Utf8};
    bool FWaiting = false;
    bool FHasOutput = false;  // since the last Clear
};
