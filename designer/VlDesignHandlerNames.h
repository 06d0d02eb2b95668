// Event handler names of designed forms: a form file's "OnClick = Button1Click" is kept in the
// event property as a method pointer whose code is the interned name.
#pragma once

#include "components/VlFormReader.h"
#include "components/VlFormWriter.h"

#include <string>

// The method pointer that stands for a handler name (an empty name gives an unassigned one).
TMethod DesignHandlerMethod(const std::string &name);
// The handler name a method pointer stands for; empty for other method pointers.
std::string DesignHandlerName(const TMethod &method);

// Reader and writer hooks that keep handler names through form files and clipboard records.
TFormReader::TFindMethod DesignHandlerFinder();
TFormWriter::TGetMethodName DesignHandlerNamer();
