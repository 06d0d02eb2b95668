// While a script runs, the stop command's key pressed in any window but the main one (a script's
// form, modal or not, which blocks or hides the main window) still stops the run and so closes
// the script's modal windows. The main window's own menus serve the key there.
#pragma once

#include <QKeySequence>
#include <QObject>

class QWidget;
class TVlRunHarness;

class TVlStopKeyElsewhere : public QObject {
public:
    // Watches the whole application's key presses for key; mainWindow owns the filter.
    TVlStopKeyElsewhere(QWidget *mainWindow, TVlRunHarness &harness, QKeySequence key);
    ~TVlStopKeyElsewhere() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *FMainWindow;
    TVlRunHarness &FHarness;
    QKeySequence FKey;
};
