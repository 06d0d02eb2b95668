// The memory a script may address through raw pointers: the blocks it allocated (AllocMem), the
// buffers of memory streams it asked for, and the first bytes of live objects (read only). Every
// routine that reads or writes through a script's pointer asks here first, so that a wrong address
// or length is an access violation the script can handle instead of a crash of the host.
#pragma once

#include "interpreter/VlInterpreterValue.h"

#include <cstddef>
#include <cstdint>

class TMemoryStream;

// The most one string, array or block of a script may take; larger requests fail at once with
// EOutOfMemory instead of exhausting the machine.
constexpr size_t VlScriptBlockLimit = size_t(512) << 20;

// A zeroed block of `size` bytes the script owns; EOutOfMemory when it is over the limit or the
// system has no memory left.
void *VlScriptAllocate(int64_t size);
// Raises EOutOfMemory when `count` elements of `elementSize` bytes are over VlScriptBlockLimit.
void VlCheckScriptRequest(int64_t count, size_t elementSize = 1);
// The stream's buffer becomes addressable for as long as the stream lives and keeps it.
void VlExposeStreamMemory(TMemoryStream *stream);

// The `count` bytes at `address` when the script owns all of them (writable ones only when
// `write`); otherwise raises EAccessViolation.
uint8_t *VlScriptBytes(const void *address, size_t count, bool write);

// Move and CompareMem when a pointer takes part. A string argument stands for its characters
// followed by the terminating zero, as a PChar would give them; a string destination of Move grows
// to hold the bytes.
void VlScriptMove(const TVlValue &source, TVlValue &dest, int32_t count);
bool VlScriptCompareMem(const TVlValue &left, const TVlValue &right, int32_t count);

// A length as scripts see it: an Integer, or a Double beyond the Integer range (never negative).
TVlValue VlLengthValue(size_t length);
