// The error message table: every template the interpreter formats, in code order.
#include "VlInterpreterConst.h"

const TVlInterpreterErrorsDescr ErrorTable[VlErrorTableSize] = {
    {0, "Ok"},
    {1, "Unknown error"},
    {2, "Internal interpreter error: %s"},
    {3, "User break"},
    {4, "Re-raising an exception only allowed in exception handler"},
    {5, "Error in unit '%0:s' on line %1:d : %2:s"},
    {6, "External error in unit '%0:s' on line %1:d : %2:s"},
    {7, "Access denied to '%s'"},
    {8, "Expression is too complex - overflow"},
    {31, "Record '%s' not defined"},
    {52, "Stack overflow"},
    {53, "Type mismatch"},
    {55, "Function 'main' undefined"},
    {56, "Unit '%s' not found"},
    {57, "Event '%s' not registered"},
    {58, "DFM '%s' not found"},
    {101, "Error in remark"},
    {103, "%0:s expected but %1:s found"},
    {104, "Undeclared Identifier '%s'"},
    {105, "Type of expression must be boolean"},
    {106, "Class type required"},
    {107, " not allowed before else"},
    {108, "Type of expression must be integer"},
    {109, "Record, object or class type required"},
    {110, "Missing operator or semicolon"},
    {111, "Identifier redeclared: '%s'"},
    {171, "Array index out of bounds"},
    {172, "Too many array bounds"},
    {173, "Not enough array bounds"},
    {174, "Invalid array dimension"},
    {175, "Invalid array range"},
    {176, "Array type required"},
    {181, "Too many actual parameters"},
    {182, "Not enough parameters"},
    {183, "Incompatible types: '%0:s' and '%1:s'"},
    {184, "Error loading library '%s'"},
    {185, "Invalid type of argument in call to function '%s'"},
    {186, "Invalid type of result in call to function '%s'"},
    {187, "Can't get proc address for function '%s'"},
    {188, "Invalid type of argument in call to function '%s'"},
    {189, "Invalid type of result in call to function '%s'"},
    {190, "Invalid calling convention for function '%s'"},
    {201, "Calling '%0:s' failed: '%1:s'"},
    {301, "Expression"},
    {302, "Identifier"},
    {303, "Declaration"},
    {304, "End of File"},
    {305, "Class Declaration"},
    {306, "Integer Constant'"},
    {307, "Integer Value"},
    {308, "String Constant"},
    {309, "Statement"},
    {401, "Implementation of unit not found"},
};

const char *const VlOrText = "' or '";

std::string ErrorMessageText(int32_t code)
{
    for (const TVlInterpreterErrorsDescr &entry : ErrorTable)
        if (entry.Code == code)
            return entry.Message;
    return std::string();
}
