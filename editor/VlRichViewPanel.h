// The "Текст" tab's content: the indent strip with TrackBar1 above the rich-text view Memo2.
#pragma once

#include <QWidget>

class QSlider;
class TVlRichView;

class TVlRichViewPanel : public QWidget {
    Q_OBJECT
public:
    explicit TVlRichViewPanel(QWidget *parent = nullptr);

    [[nodiscard]] TVlRichView *View() const { return FView; }
    [[nodiscard]] QSlider *TrackBar() const { return FTrackBar; }
    // The 28-high strip that holds the track bar ("Панель отступа" shows and hides it).
    [[nodiscard]] QWidget *IndentStrip() const { return FStrip; }

private:
    void TrackBarChanged(int position);

    QWidget *FStrip;
    QSlider *FTrackBar;
    TVlRichView *FView;
};
