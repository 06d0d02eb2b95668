// TRectF, the "Отступ" dialog: a track bar from 0 to 150 pixels that sets the text indent.
#pragma once

#include <QDialog>

class QSlider;

class TRectF : public QDialog {
    Q_OBJECT
public:
    explicit TRectF(QWidget *parent = nullptr);
    [[nodiscard]] QSlider *TrackBar() const { return FTrackBar; }

signals:
    // Emitted at each change of the track bar.
    void IndentChanged(int pixels);

private:
    QSlider *FTrackBar;
};
