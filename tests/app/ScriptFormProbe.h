// The script forms alive in the process, seen through Qt types only (the window's headers and
// the component headers cannot meet in one file).
#pragma once

#include <QString>

class QWidget;

// Forms owned by the Application object, in the order they were made.
int ScriptFormCount();
// The window of form i.
QWidget *ScriptFormWindow(int form);
// The widget of the control name on form i; null when there is none.
QWidget *ScriptControlWidget(int form, const char *name);
// The Caption of a control of form i, and the Text of an edit.
QString ScriptControlCaption(int form, const char *name);
QString ScriptEditText(int form, const char *name);
