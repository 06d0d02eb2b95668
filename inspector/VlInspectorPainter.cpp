// Painters of the property grid.
#include "VlInspectorPainter.h"

#include "components/VlColors.h"

namespace {

TVlInspectorPainter BasePainter(const QString &name)
{
    TVlInspectorPainter painter;
    painter.Name = name;
    painter.CategoryFont = QFont(QStringLiteral("MS Sans Serif"), 8, QFont::Bold);
    painter.CategoryColor = ColorToQColor(clBtnText);
    painter.CategoryBackground = ColorToQColor(clBtnFace);
    painter.NameColor = ColorToQColor(clWindowText);
    painter.Background = ColorToQColor(clWindow);
    painter.BandBackground = QColor(240, 244, 250);
    painter.GridLine = QColor(212, 208, 200);
    return painter;
}

} // namespace

TVlInspectorPainter ClassicInspectorPainter(const QString &name)
{
    TVlInspectorPainter painter = BasePainter(name);
    painter.ValueColor = ColorToQColor(clNavy);
    painter.SelectWholeRow = false;
    painter.SelectedBackground = ColorToQColor(clBtnShadow);
    painter.SelectedText = ColorToQColor(clWindowText);
    return painter;
}

TVlInspectorPainter NavyInspectorPainter(const QString &name)
{
    TVlInspectorPainter painter = BasePainter(name);
    painter.ValueColor = ColorToQColor(clWindowText);
    painter.SelectWholeRow = true;
    painter.SelectedBackground = ColorToQColor(clNavy);
    painter.SelectedText = Qt::white;
    return painter;
}
