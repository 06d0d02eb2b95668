// Stack overflow errors with the routine's name.
#include "VlInterpreterOverflow.h"

#include "VlInterpreterAdapter.h"
#include "VlInterpreterConst.h"
#include "VlInterpreterError.h"

void VlRaiseStackOverflow(const TVlInterpreterFunctionDesc *routine, int32_t position)
{
    EVlInterpreterError error(erStackOverflow, position);
    if (routine && !routine->Identifier.empty()) {
        std::string name = routine->ClassIdentifier.empty() ? routine->Identifier
                                                            : routine->ClassIdentifier + "." + routine->Identifier;
        error.Arg1 = name;
        error.BareMessage += " in routine '" + name + "' (calls nested too deeply)";
        error.Message = error.BareMessage;
    }
    throw error;
}
