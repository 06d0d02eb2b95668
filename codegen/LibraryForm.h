// TLibraryF, "Новая библиотека": the library name of the library skeleton.
#pragma once

#include "VlNameDialog.h"

class TLibraryF : public TVlNameDialog {
    Q_OBJECT
public:
    explicit TLibraryF(QWidget *parent = nullptr);
};
