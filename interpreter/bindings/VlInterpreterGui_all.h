// Registration routines of the window-framework binding units and the one call that registers every unit.
#pragma once

class TVlInterpreterAdapter;

void VlRegisterGraphics(TVlInterpreterAdapter &adapter);
void VlRegisterControls(TVlInterpreterAdapter &adapter);
void VlRegisterButtons(TVlInterpreterAdapter &adapter);
void VlRegisterStdCtrls(TVlInterpreterAdapter &adapter);
void VlRegisterComCtrls(TVlInterpreterAdapter &adapter);
void VlRegisterExtCtrls(TVlInterpreterAdapter &adapter);
void VlRegisterForms(TVlInterpreterAdapter &adapter);
void VlRegisterDialogs(TVlInterpreterAdapter &adapter);
void VlRegisterMenus(TVlInterpreterAdapter &adapter);
void VlRegisterGrids(TVlInterpreterAdapter &adapter);
void VlRegisterDb(TVlInterpreterAdapter &adapter);
void VlRegisterDbTables(TVlInterpreterAdapter &adapter);
void VlRegisterDbCtrls(TVlInterpreterAdapter &adapter);
void VlRegisterDbGrids(TVlInterpreterAdapter &adapter);
void VlRegisterVlEditor(TVlInterpreterAdapter &adapter);

// System, SysUtils, Classes and Windows (VlRegisterAllBindings), then Graphics, Controls, Buttons,
// StdCtrls, ComCtrls, ExtCtrls, Forms, Dialogs, Menus, Grids, Db, DbTables, DbCtrls, DbGrids and
// VlEditor, and last the four form
// functions of unit VlInterpreterFm; installs the dispatcher that runs script event handlers.
// Hosts with windows call it once, on the GlobalAdapter, before any script runs.
void VlRegisterAllGuiBindings(TVlInterpreterAdapter &adapter);
