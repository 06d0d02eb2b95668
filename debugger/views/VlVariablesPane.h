// The "Переменные" pane: the locals and parameters of the chosen routine call, the globals of its
// unit and the user's watches, each value by kind with records and arrays expandable; below, the
// call stack, where a click chooses the call whose variables are shown. A view over a paused
// stepping engine; it keeps only the watch texts and which entries the user opened or closed.
#pragma once

#include <QHash>
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

    // Shows the paused engine from its newest call; the engine must stay paused until ShowRunning
    // or ShowIdle. Entries the user opened stay open from pause to pause.
    void ShowPaused(const TVlStepEngine &engine);
    // The run goes on: the last pause's values stay, greyed, until the next pause.
    void ShowRunning(const QString &status);
    bool ShowsStaleValues() const;
    // Nothing to show: no run.
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
    void RestoreOpened();
    void AddValue(QTreeWidgetItem *parent, const QString &name, const TVlValue &value, const QString &declared,
                  TVlInterpreterAdapter &types, int depth);

    const TVlStepEngine *FEngine = nullptr;
    int FFrame = 0;
    QStringList FWatches;
    // Whether the user opened (true) or closed an entry, by its path of names; the rest keep
    // their first look (groups open, values closed).
    QHash<QString, bool> FOpened;
    bool FRebuilding = false;
    QLabel *FStatus;
    QTreeWidget *FTree;
    QListWidget *FStack;
    QLineEdit *FWatchEdit;
};
