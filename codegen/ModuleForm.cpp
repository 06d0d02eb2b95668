// TModuleF, "Новый модуль данных".
#include "ModuleForm.h"

TModuleF::TModuleF(QWidget *parent)
    : TVlNameDialog("ModuleF", "Новый модуль данных", {{"Имя модуля:", "Unit1"}}, QSize(322, 110), parent)
{
}
