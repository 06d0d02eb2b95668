/* Entries for the foreign-call tests: by-reference integers, result widths, strings, errno. */
#include <errno.h>
#include <stdint.h>
#include <string.h>

static int32_t calls;
static int32_t remembered;

int32_t Tag(void) { return VL_FFI_TEST_TAG; }

/* Counts its calls, so that a test can prove an entry was not called. */
int32_t Bump(void) { return ++calls; }
int32_t Calls(void) { return calls; }

int32_t AddInto(int32_t *target, int32_t amount)
{
    *target += amount;
    return *target;
}
void SetSmall(int16_t *target, int16_t value) { *target = value; }
void Toggle(int32_t *flag) { *flag = !*flag; }

void Remember(int32_t value) { remembered = value; }
int32_t Recall(void) { return remembered; }

/* Digits of the arguments, in declaration order: proves order and widths. */
int32_t Mix(int16_t small, int32_t whole, const char *text, int32_t flag)
{
    return small * 100000 + whole * 1000 + (int32_t)strlen(text) * 10 + flag;
}
int32_t Wide(void) { return 0x12345; }
int32_t MinusOne(void) { return -1; }
int32_t Flag(int32_t value) { return value; }

/* Writes into the copy it was given; the script's string must not change. */
int32_t Scribble(char *text)
{
    size_t n = strlen(text);
    for (size_t i = 0; i < n; ++i)
        text[i] = 'X';
    return (int32_t)n;
}
int32_t FirstByte(const char *text) { return (unsigned char)text[0]; }

void SetErrno(int32_t value) { errno = value; }
