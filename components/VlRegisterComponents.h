// Registration of the widget set's classes and named constants, and loading form files into live controls.
#pragma once

#include "VlComponent.h"
#include "VlFormReader.h"

#include <string>
#include <string_view>

// Registers every control class (palette, form files, scripts) and the colour, cursor and charset
// names; safe to call more than once.
void RegisterVlComponents();

// Reads a text or binary form file's bytes into root (its properties and owned components);
// handler names go through findMethod when given. Raises the reader's errors.
TComponent *LoadFormFromBytes(std::string_view bytes, TComponent *root,
                              const TFormReader::TFindMethod &findMethod = nullptr);
