// Painters of the property grid: the fonts and colours its rows are drawn with.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

struct TVlInspectorPainter {
    QString Name;
    QFont CategoryFont;
    QColor CategoryColor;
    QColor CategoryBackground;
    QColor NameColor;
    QColor ValueColor;
    QColor Background;
    QColor BandBackground; // every other row, with bands on
    QColor GridLine;
    // The selected row: the whole row in SelectedBackground with SelectedText, or, without a
    // whole-row selection, the name cell framed in SelectedBackground.
    bool SelectWholeRow = false;
    QColor SelectedBackground;
    QColor SelectedText;
};

// Categories in "MS Sans Serif" and button-text colour, names in window text, values in navy.
TVlInspectorPainter ClassicInspectorPainter(const QString &name);
// Values in window text, the selected row in navy with white text.
TVlInspectorPainter NavyInspectorPainter(const QString &name);
