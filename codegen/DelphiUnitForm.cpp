// TDelphiF, "Новый юнит Delphi".
#include "DelphiUnitForm.h"

TDelphiF::TDelphiF(QWidget *parent)
    : TVlNameDialog("DelphiF", "Новый юнит Delphi", {{"Имя юнита:", "Unit1"}, {"Имя формы:", "Form1"}},
                    QSize(307, 137), parent)
{
}
