// The stepping marks in the editor: breakpoints and the lines a run has passed in the gutter, the
// paused statement's line highlighted, and the values a step assigned after a line's end in a
// faint colour. A view only: the session tells it what to show.
#pragma once

#include "editor/VlEditorDecorator.h"

#include <QColor>
#include <QPointer>
#include <QString>

#include <map>
#include <set>

class TVlHLEditor;

class TVlDebugMarks : public TVlEditorDecorator {
public:
    explicit TVlDebugMarks(TVlHLEditor &editor);
    ~TVlDebugMarks() override;

    // Lines are 0-based editor lines.
    void SetBreakpoints(std::set<int> lines);
    void SetExecuted(std::set<int> lines);
    void SetCurrentLine(int line);  // -1: none
    void SetLineValues(std::map<int, QString> values);
    int CurrentLine() const { return FCurrent; }
    const std::map<int, QString> &LineValues() const { return FValues; }

    void PaintLineBack(QPainter &painter, int line, const QRect &row) override;
    void PaintLineEnd(QPainter &painter, int line, int textEnd, const QRect &row) override;
    void PaintGutterLine(QPainter &painter, int line, const QRect &cell) override;

    static const QColor &CurrentLineColor();
    static const QColor &BreakpointLineColor();
    static const QColor &ValueColor();

private:
    void Repaint();
    QPointer<TVlHLEditor> FEditor;  // the window may destroy it first
    std::set<int> FBreakpoints;
    std::set<int> FExecuted;
    int FCurrent = -1;
    std::map<int, QString> FValues;
};
