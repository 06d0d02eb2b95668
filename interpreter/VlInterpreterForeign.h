// Foreign calls: entries of shared libraries declared "external" and native methods of host
// classes registered with AddDirectMethod, both called with the platform's C calling convention.
//
// A direct method's native entry is a plain function that takes the object first, then the
// parameters by declared kind, for example
//
//     extern "C" int32_t ListIndexOf(TList *self, void *item);
//     adapter.AddDirectMethod(TList::ClassInfo(), "IndexOf", reinterpret_cast<void *>(ListIndexOf),
//                             1, {varVlPointer}, varInteger, VlNativeCallFlag);
//
// Integer and Boolean travel as int32_t (Boolean as 0 or 1), Smallint as int16_t, Object and
// Pointer as full-width pointers, String (parameters 0 and 1 only) as a NUL-terminated copy that
// lives for the call. An Object or Pointer result comes back as an Object or Pointer value.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TVlValue;
class TVlInterpreterExtFunction;
class TVlInterpreterDMethod;
struct TVlInterpreterArgs;

// CallFlags bit of a direct method: the entry uses the platform's native calling convention.
constexpr uint8_t VlNativeCallFlag = 1;

// Calls an external function whose arguments have passed CheckArgs. Loads its library by name
// (unless DllInstance is set) and releases it again when the call ends, also on failure.
// Raises 184 (library), 187 (entry), 185 (argument kind) and 186 (result kind, before the call).
// By-reference Smallint, Integer and Boolean slots receive what the callee wrote.
void VlCallExternalFunction(const TVlInterpreterExtFunction &function, TVlValue &result,
                            TVlInterpreterArgs &args);

// Calls a direct method on args.Obj with the arguments in args.Values. Raises 190 (no native
// convention flag), 188 (argument kind) and 189 (result kind, before the call).
void VlCallDirectMethod(const TVlInterpreterDMethod &method, TVlValue &result, TVlInterpreterArgs &args);

// The folder of the running executable (no trailing separator); empty when unknown.
std::string VlProgramFolder();

// The names under which a library is looked for, in order: the name itself and, for a name
// ending in ".dll", "lib" + base + ".so" and base + ".so" in the program folder and then on
// the system's search path (base: the file name without ".dll", as written and in lower case).
std::vector<std::string> VlLibraryCandidates(const std::string &dllName, const std::string &programFolder);

// Opens the first candidate that loads; nullptr when none does (or the name is empty).
void *VlOpenLibrary(const std::string &dllName);
