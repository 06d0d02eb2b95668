// TAlBl: the transparency dialog of the main window.
#pragma once

#include <QDialog>

class QCheckBox;
class QSlider;

// The window's transparency: on/off and an opacity from 10 to 255 (255 is opaque).
struct TVlTransparency
{
    bool Enabled = false;
    int Value = 255;
};

class TAlBl : public QDialog
{
    Q_OBJECT
public:
    explicit TAlBl(QWidget *window, QWidget *parent = nullptr);
    QSlider *TrackBar1;
    QCheckBox *UseTransparency;
    QCheckBox *ApplyAtOnce;
    const TVlTransparency &Transparency() const { return fState; }
    void CancelClick();

private:
    void Apply();
    QWidget *fWindow;
    TVlTransparency fState;
};
