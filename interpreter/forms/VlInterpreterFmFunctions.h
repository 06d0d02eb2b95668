// The four host functions that run a form or a unit from a file (unit "VlInterpreterFm").
#pragma once

class TVlInterpreterAdapter;

// "VlInterpreterRunFormModal", "VlInterpreterRunForm", "VlInterpreterMakeForm", "VlInterpreterRunUnit".
void VlRegisterFormFunctions(TVlInterpreterAdapter &adapter);
