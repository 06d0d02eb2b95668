// TConsoleF, "Новое консольное приложение".
#include "DelphiConsoleForm.h"

TConsoleF::TConsoleF(QWidget *parent)
    : TVlNameDialog("ConsoleF", "Новое консольное приложение", {{"Имя приложения:", "Project1"}},
                    QSize(322, 113), parent)
{
}
