// What the harness does to script forms, kept apart from the editor's headers (the two name
// their font styles alike).
#pragma once

#include <string>

class TVlInterpreterFm;
class TVlValue;

// RunForm of the unit in fileName: the shown form as an Object value.
TVlValue VlRunScriptForm(TVlInterpreterFm &program, const std::string &fileName);
// Frees every window and object that scripts gave to the Application object.
void VlFreeScriptObjects();
