// Drag and drop between controls: the one drag in progress, followed through the source's mouse events.
#pragma once

class TControl;

// The source's mouse moved (with the button held): starts the drag past the threshold and asks the
// control under the mouse whether it accepts.
void VlTrackDrag(TControl *source);
// The source's button was released: drops on the accepting control under the mouse, or cancels.
void VlFinishDrag(TControl *source);
// A control being destroyed leaves the drag (as source it ends it, as target it is forgotten).
void VlForgetDragControl(TControl *control);
