// The standard routines of the fuller dialect (Inc, Dec, Succ, Pred, Odd, Str, Val, ...) and the
// switch that hosts running learners' programs use.
#pragma once

class TVlInterpreterAdapter;
class TVlInterpreterExpression;

void VlRegisterClassic(TVlInterpreterAdapter &adapter);

// Switches the interpreter to the fuller dialect and gives it the standard routines, looked up
// after the program's own routines.
void VlUseClassicDialect(TVlInterpreterExpression &interpreter);
