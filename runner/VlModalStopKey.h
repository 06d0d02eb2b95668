// While a script's modal window blocks the main window, the stop command's key pressed in that
// window still stops the run (and so closes the window).
#pragma once

#include <QKeySequence>
#include <QObject>

class TVlRunHarness;

class TVlModalStopKey : public QObject {
public:
    // Watches the whole application's key presses for key; parent owns the filter.
    TVlModalStopKey(QObject *parent, TVlRunHarness &harness, QKeySequence key);
    ~TVlModalStopKey() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TVlRunHarness &FHarness;
    QKeySequence FKey;
};
