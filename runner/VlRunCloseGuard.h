// Closing the main window while a script runs stops the run first; the window closes (asking
// as it always does) once the run has ended. A closed window takes the script's windows with it.
#pragma once

#include <QObject>

class QWidget;
class TVlRunHarness;

class TVlRunCloseGuard : public QObject {
public:
    TVlRunCloseGuard(QWidget *window, TVlRunHarness &harness);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *FWindow;
    TVlRunHarness &FHarness;
    bool FCloseAfterRun = false;
};
