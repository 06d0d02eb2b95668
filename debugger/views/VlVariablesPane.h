// The "Переменные" pane: the locals and parameters of the chosen routine call, the globals of its
// unit and the user's watches, each value by kind with records and arrays expandable; below, the
// call stack, where a click chooses the call whose variables are shown. A view over a paused
// stepping engine; it keeps only the watch texts.
#pragma once

#include <QStringList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QTreeWidget;
class QTreeWidgetItem;
class TVlStepEngine;
class TVlValue;
class TVlInterpreterAdapter;

class TVlVariablesPane : public QWidget {
    Q_OBJECT
public:
    explicit TVlVariablesPane(QWidget *parent = nullptr);

    // Shows the paused engine from its newest call; the engine must stay paused until ShowIdle.
    void ShowPaused(const TVlStepEngine &engine);
    // Nothing to show: no run, or a run that is not paused.
    void ShowIdle(const QString &status);

    QStringList Watches() const { return FWatches; }
    void AddWatch(const QString &text);
    void RemoveWatch(int index);
    // The call of the stack whose variables are shown (0 = the newest).
    void ChooseFrame(int frame);
    int Frame() const { return FFrame; }

    QTreeWidget *Tree() const { return FTree; }
    QListWidget *Stack() const { return FStack; }
    QLabel *Status() const { return FStatus; }

    // The group captions of the tree.
    static QString LocalsCaption() { return QStringLiteral("Локальные"); }
    static QString GlobalsCaption() { return QStringLiteral("Глобальные"); }
    static QString WatchesCaption() { return QStringLiteral("Наблюдения"); }

private:
    void Refresh();
    void AddValue(QTreeWidgetItem *parent, const QString &name, const TVlValue &value, const QString &declared,
                  TVlInterpreterAdapter &types, int depth);

    const TVlStepEngine *FEngine = nullptr;
    int FFrame = 0;
    QStringList FWatches;
    QLabel *FStatus;
    QTreeWidget *FTree;
    QListWidget *FStack;
    QLineEdit *FWatchEdit;
};
