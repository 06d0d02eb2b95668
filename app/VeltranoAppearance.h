// Window and editor appearance commands: zoom, font, read-only, on top, transparency, go to line,
// search and replace, find in files, editor properties, and the editor's status report.
#pragma once

#include "editor/VlHLEditorPropertyForm.h"

#include <QFont>
#include <QObject>
#include <functional>

class TAlBl;
class TForm1;
class TGoLine;
class TVlFindAgent;

class TVlAppearance : public QObject
{
    Q_OBJECT
public:
    explicit TVlAppearance(TForm1 &form);

    void ZoomIn() { Zoom(+1); }
    void ZoomOut() { Zoom(-1); }
    void ChooseFontClick();
    void ReadOnlyClick(const QString &sender);
    void StayOnTopClick(const QString &sender);
    void FindInFilesClick();
    void EditorPropertiesClick();
    // Panels 0-2 of the status bar and the enabled state of "Сохранить".
    void Memo1ChangeStatus();

    TVlFindAgent *FindAgent;
    TVlFindAgent *ReplaceAgent;
    TVlFindAgent *FastAgent;
    TGoLine *GoLine;
    TAlBl *AlphaBlend;
    TVlHLEdPropDlg PropertiesDialog;
    // The font dialog's font: "MS Sans Serif" 8 points at first, then the last one chosen.
    QFont DialogFont;

    // Desktop services, replaceable by tests.
    std::function<bool(QFont &font)> ChooseFont;       // true on OK, `font` holds the choice
    std::function<bool()> OpenFileSearch;              // false when the desktop has no file search
    std::function<void(const QString &caption, const QString &text)> ShowInfo;

private:
    void Zoom(int points);
    TForm1 &fForm;
};

// Binds the appearance commands of the main window and connects the editor's status report.
void InstallAppearanceCommands(TForm1 &form);
// The appearance object installed on a window (null before InstallAppearanceCommands).
TVlAppearance *AppearanceOf(TForm1 &form);
