// TVlCompletion: the editor's completion engine with its floating drop-down list.
#pragma once

#include "VlCompletionEngine.h"

#include <QObject>
#include <QStringList>
#include <QWidget>

class TVlHLEditor;
class QKeyEvent;
class QTimer;

// The floating list: never takes focus, draws its items itself.
class TVlEditorCompletionList : public QWidget
{
    Q_OBJECT
public:
    explicit TVlEditorCompletionList(QWidget *owner);
    void SetItems(const QStringList &items, int mode, const QString &separator, int itemHeight);
    int ItemIndex() const { return fIndex; }
    void SetItemIndex(int index);
    int Count() const { return static_cast<int>(fItems.size()); }
    int TopIndex() const { return fTop; }
    int VisibleCount() const;
    QStringList Items() const { return fItems; }

signals:
    void Accepted();  // left button released inside the list
    void Dismissed(); // left button released outside the list

protected:
    void paintEvent(QPaintEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    void DrawItem(QPainter &painter, int index, const QRect &rect, bool selected);
    void ScrollTick();

    QStringList fItems;
    int fMode = 1;
    QString fSeparator;
    int fItemHeight = 16;
    int fIndex = -1;
    int fTop = 0;
    QTimer *fScrollTimer;
    int fScrollDirection = 0;
};

class TVlCompletion : public QObject
{
    Q_OBJECT
public:
    explicit TVlCompletion(TVlHLEditor *editor);

    TVlCompletionSettings &Settings() { return fSettings; }
    bool Showing() const;
    int Mode() const { return fMode; }
    TVlEditorCompletionList &List() { return *fList; }

    // Ctrl+J and Ctrl+Space.
    void Command(int command);
    // Every key-down before the editor handles it; true when the list used the key.
    bool KeyDown(QKeyEvent *e);
    // After the editor typed a character.
    void CharTyped(const QString &text);
    // Hides the list; with insert, the selected item replaces the word at the caret.
    void Close(bool insert);
    // Shows the list of the given mode; without force nothing shows unless a word is selectable.
    void DropDown(int mode, bool force);

protected:
    // While the list shows: the window moving, resizing, hiding or losing activation closes it,
    // since the list floats at a place of the screen and would stay there.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Reselect();
    void Insert(int index);
    QStringList Items() const { return fMode == cmTemplates ? fSettings.Templates : fSettings.Identifiers; }

    TVlHLEditor *fEditor;
    TVlEditorCompletionList *fList;
    TVlCompletionSettings fSettings;
    int fMode = cmIdentifiers;
    int fSelected = -1; // survives closing
    QTimer *fPopupTimer;
};
