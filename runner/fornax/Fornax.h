/* libfornax.so: the in-house expression compiler. Prepare compiles an expression in the one
   variable x; the compiled routine reads x from the input variable and leaves the value in the
   output variable. A plain C interface, bound by the window with dlopen. */
#pragma once

#ifdef __cplusplus
extern "C" {
#endif

typedef void (*TFornaxRoutine)(void);

/* Compiles `text` (numbers, x, + - * / ^, parentheses, sin cos tan exp ln sqrt abs). Answers 0 on
   success, otherwise the 1-based column where reading failed; a failure removes the routine. */
double Prepare(const char *text);
/* The routine of the last successful Prepare; null before one and after a failure. */
TFornaxRoutine CompiledRoutine(void);
double *InputVariable(void);
double *OutputVariable(void);

#ifdef __cplusplus
}
#endif
