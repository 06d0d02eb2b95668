// The form designer on the "Дизайнер" tab, wired into the main window.
#pragma once

class TForm1;
class TVlDesignIntegration;

// Puts the designer's panel and property grid in place of their placeholders, fills the palette,
// binds the designer commands and the ".vlf" save; the surface is active from here on.
void InstallDesigner(TForm1 &form);
// The window's designer (none before it is installed).
TVlDesignIntegration *DesignerOf(const TForm1 &form);
// Removes every control from the design surface (the skeleton generators start afresh).
void ResetDesignSurface(TForm1 &form);
