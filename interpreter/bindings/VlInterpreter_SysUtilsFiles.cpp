// SysUtils for scripts: files and folders, FindFirst with the TSearchRec record, OS and exception routines.
#include "VlInterpreter_SysUtilsFiles.h"
#include "VlInterpreterBindingTable.h"
#include "VlInterpreterObjectModel.h"
#include "VlInterpreterScriptMemory.h"

#include "interpreter/VlInterpreter.h"
#include "interpreter/VlInterpreterError.h"
#include "interpreter/VlInterpreterTypes.h"
#include "rtl/VlDateTime.h"
#include "rtl/VlExceptions.h"
#include "rtl/VlSysUtils.h"
#include "rtl/VlSysUtilsFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>

using namespace VlSysUtils;

namespace {

std::string Str(const TVlInterpreterArgs &a, int i) { return ValueToString(a.Values[i]); }
int32_t Int(const TVlInterpreterArgs &a, int i) { return ValueToInteger(a.Values[i]); }

TVlValue IntegerOrDouble(int64_t v)
{
    if (v >= INT32_MIN && v <= INT32_MAX)
        return TVlValue::Integer(int32_t(v));
    return TVlValue::Double(double(v));
}

// The memory of a TSearchRec value; the interpreter reads and writes the fields at their offsets.
struct TSearchRecMemory {
    int32_t Time = 0;
    int32_t Size = 0;
    int32_t Attr = 0;
    std::string Name;
    int32_t ExcludeAttr = 0;
    int32_t FindHandle = 0;
};

void *CreateSearchRec() { return new TSearchRecMemory(); }
void DestroySearchRec(void *memory) { delete static_cast<TSearchRecMemory *>(memory); }
void CopySearchRec(void *destination, const void *source)
{
    *static_cast<TSearchRecMemory *>(destination) = *static_cast<const TSearchRecMemory *>(source);
}

std::vector<TVlInterpreterRecField> SearchRecFields()
{
    TSearchRecMemory sample;
    auto offset = [&](const void *field) {
        return int32_t(static_cast<const char *>(field) - reinterpret_cast<const char *>(&sample));
    };
    return {
        {"Time", offset(&sample.Time), varInteger, nullptr},
        {"Size", offset(&sample.Size), varInteger, nullptr},
        {"Attr", offset(&sample.Attr), varInteger, nullptr},
        {"Name", offset(&sample.Name), varString, nullptr},
        {"ExcludeAttr", offset(&sample.ExcludeAttr), varInteger, nullptr},
        {"FindHandle", offset(&sample.FindHandle), varInteger, nullptr},
    };
}

TSearchRecMemory &SearchRecArg(const TVlValue &v)
{
    if (!v.IsRecord() || !VlSameName(v.RawRecord()->RecordName, "TSearchRec"))
        RaiseError(erStructRequired, -1);
    return *static_cast<TSearchRecMemory *>(ValueToRecord(v));
}

void StoreSearchRec(const TSearchRec &rec, TSearchRecMemory &memory)
{
    memory.Time = int32_t(rec.Time);
    memory.Size = int32_t(std::min<int64_t>(rec.Size, INT32_MAX));
    memory.Attr = rec.Attr;
    memory.Name = rec.Name;
    memory.ExcludeAttr = rec.ExcludeAttr;
    memory.FindHandle = rec.FindHandle;
}

void SuFindFirst(TVlValue &r, TVlInterpreterArgs &a)
{
    TSearchRecMemory &memory = SearchRecArg(a.Values[2]);
    TSearchRec rec;
    int result = FindFirst(Str(a, 0), Int(a, 1), rec);
    StoreSearchRec(rec, memory);
    r = TVlValue::Integer(result);
}
void SuFindNext(TVlValue &r, TVlInterpreterArgs &a)
{
    TSearchRecMemory &memory = SearchRecArg(a.Values[0]);
    TSearchRec rec;
    rec.FindHandle = memory.FindHandle;
    int result = FindNext(rec);
    if (result == 0)
        StoreSearchRec(rec, memory);
    r = TVlValue::Integer(result);
}
void SuFindClose(TVlValue &, TVlInterpreterArgs &a)
{
    TSearchRecMemory &memory = SearchRecArg(a.Values[0]);
    TSearchRec rec;
    rec.FindHandle = memory.FindHandle;
    FindClose(rec);
    memory.FindHandle = 0;
}

// Files and folders ----------------------------------------------------------------------------

void SuFileExists(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Boolean(FileExists(Str(a, 0))); }
void SuDeleteFile(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Boolean(DeleteFile(Str(a, 0))); }
void SuRenameFile(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Boolean(RenameFile(Str(a, 0), Str(a, 1))); }
void SuFileAge(TVlValue &r, TVlInterpreterArgs &a) { r = IntegerOrDouble(FileAge(Str(a, 0))); }
void SuFileGetAttr(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(FileGetAttr(Str(a, 0))); }
void SuFileSetAttr(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(FileSetAttr(Str(a, 0), Int(a, 1))); }
void SuChangeFileExt(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(ChangeFileExt(Str(a, 0), Str(a, 1))); }
void SuExtractFilePath(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(ExtractFilePath(Str(a, 0))); }
void SuExtractFileDir(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(ExtractFileDir(Str(a, 0))); }
void SuExtractFileDrive(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(ExtractFileDrive(Str(a, 0))); }
void SuExtractFileName(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(ExtractFileName(Str(a, 0))); }
void SuExtractFileExt(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(ExtractFileExt(Str(a, 0))); }
void SuExpandFileName(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(ExpandFileName(Str(a, 0))); }
void SuExtractRelativePath(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(ExtractRelativePath(Str(a, 0), Str(a, 1))); }
void SuFileSearch(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(FileSearch(Str(a, 0), Str(a, 1))); }
void SuDiskFree(TVlValue &r, TVlInterpreterArgs &a) { r = IntegerOrDouble(DiskFree(Int(a, 0))); }
void SuDiskSize(TVlValue &r, TVlInterpreterArgs &a) { r = IntegerOrDouble(DiskSize(Int(a, 0))); }
void SuFileDateToDateTime(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Date(FileDateToDateTime(ValueToInt64(a.Values[0]))); }
void SuDateTimeToFileDate(TVlValue &r, TVlInterpreterArgs &a) { r = IntegerOrDouble(DateTimeToFileDate(ValueToDouble(a.Values[0]))); }
void SuGetCurrentDir(TVlValue &r, TVlInterpreterArgs &) { r = TVlValue::String(GetCurrentDir()); }
void SuSetCurrentDir(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Boolean(SetCurrentDir(Str(a, 0))); }
void SuCreateDir(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Boolean(CreateDir(Str(a, 0))); }
void SuRemoveDir(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Boolean(RemoveDir(Str(a, 0))); }

void SuFileOpen(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(FileOpen(Str(a, 0), Int(a, 1))); }
void SuFileCreate(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(FileCreate(Str(a, 0))); }
// The buffer of FileRead and FileWrite is a string: FileRead stores the bytes it read.
void SuFileRead(TVlValue &r, TVlInterpreterArgs &a)
{
    int count = std::clamp(Int(a, 2), 0, 64 * 1024 * 1024);
    std::string buffer(size_t(count), '\0');
    int n = FileRead(Int(a, 0), buffer.data(), count);
    buffer.resize(size_t(std::max(n, 0)));
    a.Values[1] = TVlValue::String(buffer);
    r = TVlValue::Integer(n);
}
void SuFileWrite(TVlValue &r, TVlInterpreterArgs &a)
{
    std::string buffer = Str(a, 1);
    int count = std::clamp(Int(a, 2), 0, int(buffer.size()));
    r = TVlValue::Integer(FileWrite(Int(a, 0), buffer.data(), count));
}
void SuFileSeek(TVlValue &r, TVlInterpreterArgs &a) { r = IntegerOrDouble(FileSeek(Int(a, 0), ValueToInt64(a.Values[1]), Int(a, 2))); }
void SuFileClose(TVlValue &, TVlInterpreterArgs &a) { FileClose(Int(a, 0)); }
void SuFileGetDate(TVlValue &r, TVlInterpreterArgs &a) { r = IntegerOrDouble(FileGetDate(Int(a, 0))); }
void SuFileSetDate(TVlValue &r, TVlInterpreterArgs &a)
{
    // A handle, as in Pascal, or a file name.
    std::string target = a.Values[0].IsString() ? Str(a, 0) : "/proc/self/fd/" + std::to_string(Int(a, 0));
    r = TVlValue::Integer(FileSetDate(target, ValueToInt64(a.Values[1])));
}

// Memory, OS and exceptions ---------------------------------------------------------------------

void SuAllocMem(TVlValue &r, TVlInterpreterArgs &a)
{
    r = PointerToValue(VlScriptAllocate(Int(a, 0)));
}
void SuSysErrorMessage(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(std::strerror(Int(a, 0))); }
// The locale is fixed (Russian texts, "." as decimal separator): the defaults stand.
void SuGetLocaleDefault(TVlValue &r, TVlInterpreterArgs &a) { r = a.Values[2]; }
void SuGetFormatSettings(TVlValue &, TVlInterpreterArgs &) {}

[[noreturn]] void RaiseLastOSError()
{
    int code = errno;
    if (code == 0)
        VlRaiseRuntime("EOSError", "A call to an OS function failed");
    VlRaiseRuntime("EOSError", "System Error.  Code: " + std::to_string(code) + ".\n" + std::strerror(code));
}

// The exception of the innermost running except part of the calling script; nil outside one.
void SuExceptObject(TVlValue &r, TVlInterpreterArgs &a)
{
    std::exception_ptr handled = a.Caller ? a.Caller->HandledException() : nullptr;
    void *object = handled ? GlobalAdapter().ObjectModel().ExceptionObject(handled) : nullptr;
    r = ObjectToValue(object);
}
void SuExceptAddr(TVlValue &r, TVlInterpreterArgs &) { r = PointerToValue(nullptr); }

std::string ExceptionText(const TVlValue &v)
{
    TObject *object = VlLiveObject(VlArgObject(v));
    if (!object)
        return {};
    std::string message;
    if (auto *e = dynamic_cast<TVlExceptionObject *>(object))
        message = e->Message;
    std::string text = "Exception " + object->ClassName() + " in module veltrano at 00000000.\n" + message;
    if (message.empty() || message.back() != '.')
        text += '.';
    return text;
}
void SuExceptionErrorMessage(TVlValue &r, TVlInterpreterArgs &a)
{
    std::string text = ExceptionText(a.Values[0]).substr(0, size_t(std::max(0, Int(a, 3))));
    a.Values[2] = TVlValue::String(text);
    r = TVlValue::Integer(int32_t(text.size()));
}
void SuShowException(TVlValue &, TVlInterpreterArgs &a)
{
    std::string text = ExceptionText(a.Values[0]);
    std::fprintf(stderr, "%s\n", text.c_str());
}
void SuAbort(TVlValue &, TVlInterpreterArgs &) { throw EAbort("Operation aborted"); }
void SuOutOfMemoryError(TVlValue &, TVlInterpreterArgs &) { VlRaiseRuntime("EOutOfMemory", "Out of memory"); }
void SuBeep(TVlValue &, TVlInterpreterArgs &)
{
    std::fputc('\a', stderr);
    std::fflush(stderr);
}
void SuLoadPackage(TVlValue &r, TVlInterpreterArgs &a)
{
    std::string name = Str(a, 0);
    void *handle = ::dlopen(NativePath(name).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char *why = ::dlerror();
        VlRaiseRuntime("EPackageError", "Can't load package " + name + ".\n" + (why ? why : ""));
    }
    r = PointerToValue(handle);
}
void SuUnloadPackage(TVlValue &, TVlInterpreterArgs &a)
{
    if (void *handle = ValueToPointer(a.Values[0]))
        ::dlclose(handle);
}
void SuRaiseLastWin32Error(TVlValue &, TVlInterpreterArgs &) { RaiseLastOSError(); }
void SuWin32Check(TVlValue &r, TVlInterpreterArgs &a)
{
    bool ok = ValueToBoolean(a.Values[0]);
    if (!ok)
        RaiseLastOSError();
    r = TVlValue::Boolean(ok);
}

const TVlFunctionBinding FileFunctions[] = {
    {"AllocMem", SuAllocMem, "."}, {"FileOpen", SuFileOpen, ".."}, {"FileCreate", SuFileCreate, "."},
    {"FileRead", SuFileRead, ".v."}, {"FileWrite", SuFileWrite, "..."}, {"FileSeek", SuFileSeek, "..."},
    {"FileClose", SuFileClose, "."}, {"FileAge", SuFileAge, "."}, {"FileExists", SuFileExists, "."},
    {"FindFirst", SuFindFirst, "..v"}, {"FindNext", SuFindNext, "v"}, {"FindClose", SuFindClose, "v"},
    {"FileGetDate", SuFileGetDate, "."}, {"FileSetDate", SuFileSetDate, ".."},
    {"FileGetAttr", SuFileGetAttr, "."}, {"FileSetAttr", SuFileSetAttr, ".."},
    {"DeleteFile", SuDeleteFile, "."}, {"RenameFile", SuRenameFile, ".."},
    {"ChangeFileExt", SuChangeFileExt, ".."}, {"ExtractFilePath", SuExtractFilePath, "."},
    {"ExtractFileDir", SuExtractFileDir, "."}, {"ExtractFileDrive", SuExtractFileDrive, "."},
    {"ExtractFileName", SuExtractFileName, "."}, {"ExtractFileExt", SuExtractFileExt, "."},
    {"ExpandFileName", SuExpandFileName, "."}, {"ExpandUNCFileName", SuExpandFileName, "."},
    {"ExtractRelativePath", SuExtractRelativePath, ".."}, {"FileSearch", SuFileSearch, ".."},
    {"DiskFree", SuDiskFree, "."}, {"DiskSize", SuDiskSize, "."},
    {"FileDateToDateTime", SuFileDateToDateTime, "."}, {"DateTimeToFileDate", SuDateTimeToFileDate, "."},
    {"GetCurrentDir", SuGetCurrentDir, ""}, {"SetCurrentDir", SuSetCurrentDir, "."},
    {"CreateDir", SuCreateDir, "."}, {"RemoveDir", SuRemoveDir, "."},
    {"SysErrorMessage", SuSysErrorMessage, "."}, {"GetLocaleStr", SuGetLocaleDefault, "..."},
    {"GetLocaleChar", SuGetLocaleDefault, "..."}, {"GetFormatSettings", SuGetFormatSettings, ""},
    {"ExceptObject", SuExceptObject, ""}, {"ExceptAddr", SuExceptAddr, ""},
    {"ExceptionErrorMessage", SuExceptionErrorMessage, "..v."}, {"ShowException", SuShowException, ".."},
    {"Abort", SuAbort, ""}, {"OutOfMemoryError", SuOutOfMemoryError, ""}, {"Beep", SuBeep, ""},
    {"LoadPackage", SuLoadPackage, "."}, {"UnloadPackage", SuUnloadPackage, "."},
    {"RaiseLastWin32Error", SuRaiseLastWin32Error, ""}, {"Win32Check", SuWin32Check, "."},
};

} // namespace

void VlRegisterSysUtilsFiles(TVlInterpreterAdapter &adapter)
{
    VlRegisterFunctions(adapter, "SysUtils", FileFunctions);
    adapter.AddRecordType("SysUtils", "TSearchRec", int32_t(sizeof(TSearchRecMemory)), SearchRecFields(),
                          CreateSearchRec, DestroySearchRec, CopySearchRec);
}
