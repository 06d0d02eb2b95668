// The main window's status bar: six fixed-width text panels counted from 0.
#pragma once

#include <QStatusBar>
#include <QVector>

class QLabel;

class TVlStatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit TVlStatusBar(QWidget *parent = nullptr);

    int PanelCount() const { return FPanels.size(); }
    QString PanelText(int index) const;
    void SetPanelText(int index, const QString &text); // out-of-range indexes are ignored
    QLabel *Panel(int index) const { return FPanels.value(index); }

private:
    QVector<QLabel *> FPanels;
};
