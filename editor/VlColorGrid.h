// The 4 x 4 grid of the standard colours with foreground and background marks.
#pragma once

#include "VlEditorCommon.h"

#include <QWidget>

class TVlColorGrid : public QWidget
{
    Q_OBJECT
public:
    explicit TVlColorGrid(QWidget *parent = nullptr);
    static TColor CellColor(int index); // throws std::out_of_range("Grid cell not found")
    static int CellOf(TColor color);    // -1 when the colour is none of the sixteen
    int ForegroundIndex() const { return fFore; }
    int BackgroundIndex() const { return fBack; }
    void SetMarks(int fore, int back);
    // "FC", "BC", "FB" or empty.
    QString CellText(int index) const;
    QRect CellRect(int index) const;

signals:
    void ForegroundClicked(int index);
    void BackgroundClicked(int index);

protected:
    void paintEvent(QPaintEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;

private:
    int fFore = -1;
    int fBack = -1;
};
