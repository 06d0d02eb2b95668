// TGoLine: the go-to-line dialog of the source editor.
#pragma once

#include <QDialog>
#include <functional>

class QLineEdit;
class TVlHLEditor;

class TGoLine : public QDialog
{
    Q_OBJECT
public:
    TGoLine(TVlHLEditor *editor, QWidget *parent = nullptr);
    QLineEdit *Edit1;
    // Reads the line number; on success moves the caret and closes, otherwise reports and stays.
    void OkClick();
    std::function<void(const QString &message)> ShowError;

private:
    TVlHLEditor *fEditor;
};
