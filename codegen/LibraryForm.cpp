// TLibraryF, "Новая библиотека".
#include "LibraryForm.h"

TLibraryF::TLibraryF(QWidget *parent)
    : TVlNameDialog("LibraryF", "Новая библиотека", {{"Имя библиотеки:", "Library1"}}, QSize(322, 113), parent)
{
}
