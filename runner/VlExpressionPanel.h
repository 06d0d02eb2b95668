// The hidden expression compiler of the window: two edit fields (the expression in x and the
// value of x), a label for the result, and the three hidden "Сервис" items that use them
// through libfornax.so ("Отмена" compiles, "Компилировать" computes, "Просмотр скорости" times).
#pragma once

#include "VlFornaxLibrary.h"

#include <QWidget>

#include <functional>

class QAction;
class QLabel;
class QLineEdit;
class TVlHLEditor;

class TVlExpressionPanel : public QWidget {
public:
    // compileItem: the "Компилировать" item, enabled once an expression was passed to the library.
    TVlExpressionPanel(TVlHLEditor *editor, QAction *compileItem, std::function<void(const QString &line)> addLog,
                       QWidget *parent = nullptr);

    // Binds the library; a failure is logged once and leaves the items doing nothing but say so.
    void LoadLibrary(const QString &path);

    QLineEdit *Edit1 = nullptr;  // the expression
    QLineEdit *Edit2 = nullptr;  // the value of x
    QLabel *Label1 = nullptr;    // the result

    // "Отмена": clears the editor and compiles Edit1.
    void ExprCancelClick();
    // "Компилировать": x from Edit2, the compiled routine, the result in Label1. Throws
    // std::runtime_error when Edit2 holds no number.
    void ExprCompileClick();
    // "Просмотр скорости": calls the compiled routine `calls` times and appends the two lines of
    // the time taken to the editor (the item asks for 83886081 calls).
    void ExprSpeedClick(long long calls = 83886081);

private:
    bool RequireLibrary();

    TVlHLEditor *FEditor;
    QAction *FCompileItem;
    std::function<void(const QString &line)> FAddLog;
    TVlFornaxLibrary FLibrary;
};
