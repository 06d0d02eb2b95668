// TVlInterpreterReader: reads a form file into a script form, keeping each handler name it meets.
#pragma once

#include "components/VlFormReader.h"

class TVlInterpreterForm;

// A handler name in the form file is stored as a new copy in the root form's MethodNames; the
// property gets {the copy's address, the form} until the handlers are bound to script methods.
class TVlInterpreterReader : public TFormReader {
public:
    TVlInterpreterReader(TStream &stream, TVlInterpreterForm &root);
    // Reads the root object into the form (its properties, its components and theirs).
    void ReadForm();

private:
    TVlInterpreterForm &FRoot;
};
