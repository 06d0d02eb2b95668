// TConsoleF, "Новое консольное приложение": the program name of the console skeleton.
#pragma once

#include "VlNameDialog.h"

class TConsoleF : public TVlNameDialog {
    Q_OBJECT
public:
    explicit TConsoleF(QWidget *parent = nullptr);
};
