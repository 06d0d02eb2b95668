// TDelphiF, "Новый юнит Delphi": unit and form names of the form-unit skeleton; its form name box
// is the current form name of the snippets and the event generator.
#pragma once

#include "VlNameDialog.h"

class TDelphiF : public TVlNameDialog {
    Q_OBJECT
public:
    explicit TDelphiF(QWidget *parent = nullptr);
    [[nodiscard]] QString UnitName() const { return Name(0); }
    [[nodiscard]] QString FormName() const { return Name(1); }
};
