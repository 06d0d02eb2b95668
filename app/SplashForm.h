// The start-up splash window: a picture shown modally for about half a second.
#pragma once

#include <QDialog>

class QTimer;

// A counter starts at 22 and grows by 2 on every 12 ms tick; the window closes when it reaches 100,
// which is the 39th tick.
class TSplashF : public QDialog {
    Q_OBJECT
public:
    explicit TSplashF(QWidget *parent = nullptr);

    int Counter() const { return FCounter; }
    bool Finished() const { return FCounter >= 100; }
    QTimer *Timer1() const { return FTimer; }
    void Tick(); // what one timer tick does

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QTimer *FTimer;
    int FCounter = 22;
};
