// TModuleF, "Новый модуль данных": the name shown in the title after the empty-unit skeleton.
#pragma once

#include "VlNameDialog.h"

class TModuleF : public TVlNameDialog {
    Q_OBJECT
public:
    explicit TModuleF(QWidget *parent = nullptr);
};
