// The Qt application scripts need for their windows, made only when a script first asks for one.
#pragma once

// Makes sure a QApplication exists before a script creates a window, a dialog or a drawing object.
// A host that has one (the main window) changes nothing; otherwise one is made here, on the Qt
// platform the environment names (offscreen when there is no display), with Qt's own Russian texts.
void VlEnsureGuiApplication();
// Whether VlEnsureGuiApplication made the QApplication (so a headless host must end it).
bool VlGuiApplicationCreatedHere();
// Frees what the Application object owns (script forms), then the QApplication if it was made here.
void VlShutdownGuiApplication();
