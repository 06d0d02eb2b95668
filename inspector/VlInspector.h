// TVlInspector: the property grid view: 16-pixel rows, the name/value divider at 40 percent,
// values edited in place.
#pragma once

#include "VlInspectorEditors.h"
#include "VlInspectorModel.h"

#include <QAbstractScrollArea>
#include <QPointer>

#include <functional>
#include <optional>

class TVlInspector : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr int RowHeight = 16;

    explicit TVlInspector(QWidget *parent = nullptr);
    ~TVlInspector() override;

    TVlInspectorModel *Model() const { return FModel; }

    // The x of the divider between names and values: 40 percent of the width.
    int DividerX() const;
    int RowCount() const;
    TVlInspectorItem *RowItem(int row) const;
    // The row at a viewport point; -1 below the last row.
    int RowAt(const QPoint &point) const;
    QRect RowRect(int row) const;
    QRect ValueRect(int row) const;

    TVlInspectorItem *SelectedItem() const;
    int SelectedRow() const { return FSelected; }
    void SelectRow(int row);
    // Opens the in-place editor of the selected row (booleans shown as check boxes toggle).
    void EditSelected();
    QWidget *Editor() const { return FEditor; }
    TVlCheckListPopup *SetPopup() const { return FSetPopup; }

    // Dialogs, replaced by tests.
    std::function<std::optional<QColor>(const QColor &current)> AskColor;
    std::function<std::optional<QFont>(const QFont &current)> AskFont;
    std::function<std::optional<QString>(const QString &title, const QString &text)> AskLines;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void ModelChanged();
    void UpdateScrollBar();
    void EnsureVisible(int row);
    void ToggleExpanded(TVlInspectorItem *item);
    void ToggleBoolean(TVlInspectorItem *item);
    void OpenEditor(TVlInspectorItem *item, int part);
    void Commit(TVlInspectorItem *item, const QString &text);
    void CloseEditor();
    void Browse(TVlInspectorItem *item);
    QRect CheckBoxRect(int row) const;
    QRect ExpanderRect(int row) const;
    int PartAt(int row, int x) const;
    void PaintRow(QPainter &painter, int row);
    void PaintValue(QPainter &painter, const TVlInspectorItem &item, const QRect &rect, const QColor &color);

    TVlInspectorModel *FModel;
    int FSelected = -1;
    QPointer<QWidget> FEditor;
    QPointer<TVlCheckListPopup> FSetPopup;
    TVlInspectorItem *FEditItem = nullptr;
    int FEditGeneration = -1;
};
