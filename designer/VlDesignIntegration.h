// The designer integration: the design panel, the palette, the property grid with its categories,
// and what the "Форма" and designer context menu commands do. Only Qt types cross this header,
// so the main window can use it beside the editor's headers.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <QString>

#include <functional>
#include <optional>

class QAction;
class QToolBar;
class TVlDesignPalette;
class TVlDesignPanel;
class TVlInspector;
class TVlInspectorItem;

// What the integration needs of the main window.
struct TVlDesignHost {
    QToolBar *PaletteBar = nullptr;
    // A menu item of the window by object name (null when there is none).
    std::function<QAction *(const QString &name)> MenuItem;
    std::function<void(const QString &message)> ShowError;
    std::function<void()> ShowDesignerPage;
    // The window's fields of the designer.
    bool *UseCheckMarks = nullptr;
    QString *PendingAddClass = nullptr;
    bool *StickyAddClass = nullptr;
    // The folder the open-form dialog starts in, and the dialog's parent.
    QString ProgramDir;
    QWidget *DialogParent = nullptr;
};

class TVlDesignIntegration : public QObject {
    Q_OBJECT
public:
    TVlDesignIntegration(TVlDesignHost host, QObject *parent);
    // Frees the design panel and the designed form.
    ~TVlDesignIntegration() override;

    QWidget *PanelWidget() const;
    QWidget *InspectorWidget() const { return FInspectorWidget; }
    TVlDesignPanel *Panel() const { return FPanel; }
    // Null once Qt has freed the grid with its window.
    TVlInspector *Inspector() const { return FInspectorWidget ? FInspector : nullptr; }
    TVlDesignPalette *Palette() const { return FPalette; }

    // The exact filter of "Открыть форму".
    static const QString FormFileFilter;
    // The form file "Открыть форму" opens; nullopt when cancelled. Tests replace it.
    std::function<std::optional<QString>()> AskFormFile;

    // Adds "Form and controls" and ends the grid update begun at creation.
    void FirstShown();
    // "Use check marks": boolean items of every category shown as check boxes, or as values.
    void SetUseCheckMarks(bool value);
    // "Form and controls" shows the first selected control (the designed form when none is).
    void ShowSelection();

    // The commands.
    void ViewClick(const QString &sender);
    void MessageModeClick();
    void ActiveClick();
    void ClearClick();
    void RefreshClick();
    void OpenFormClick();
    void UndoClick();
    void RedoClick();
    // The designer's form into a file (the ".vlf" save of the document commands).
    void SaveForm(const QString &path);
    // Every control off the surface (the skeleton generators start afresh).
    void ResetSurface();

private:
    void CreateInspector();
    void ApplyView();
    void UpdateUndoItems();
    void AdjustItem(TVlInspectorItem &item);
    std::optional<QString> ShowFormFileDialog();

    TVlDesignHost FHost;
    TVlDesignPanel *FPanel = nullptr;
    TVlInspector *FInspector = nullptr;
    QPointer<QWidget> FInspectorWidget;
    TVlDesignPalette *FPalette = nullptr;
    QString FCompoundValues[3];
};
