// The host library bindings of the process, registered in the GlobalAdapter before any window.
#pragma once

// Registers the bindings once; later calls do nothing.
void VlRegisterHostBindings();
