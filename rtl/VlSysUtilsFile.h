// File-name and file-system routines with Pascal semantics; "\" in a path is taken as "/".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace VlSysUtils {

constexpr int faReadOnly = 0x01;
constexpr int faHidden = 0x02;   // names starting with "."
constexpr int faSysFile = 0x04;
constexpr int faVolumeID = 0x08;
constexpr int faDirectory = 0x10;
constexpr int faArchive = 0x20;
constexpr int faAnyFile = 0x3F;

constexpr int fmOpenRead = 0x0000;
constexpr int fmOpenWrite = 0x0001;
constexpr int fmOpenReadWrite = 0x0002;
constexpr int fmShareCompat = 0x0000;
constexpr int fmShareExclusive = 0x0010;
constexpr int fmShareDenyWrite = 0x0020;
constexpr int fmShareDenyRead = 0x0030;
constexpr int fmShareDenyNone = 0x0040;

// Error codes FindFirst and FindNext return, as Pascal programs test them.
constexpr int ErrorFileNotFound = 2;
constexpr int ErrorPathNotFound = 3;
constexpr int ErrorNoMoreFiles = 18;

// Path text as the file system wants it: every "\" becomes "/".
std::string NativePath(std::string_view path);

// Name parts; both "/" and "\" separate folders.
std::string ExtractFilePath(std::string_view fileName);   // with the trailing delimiter
std::string ExtractFileDir(std::string_view fileName);    // without it (unless it is the root)
std::string ExtractFileDrive(std::string_view fileName);  // "C:" of a drive path, else ""
std::string ExtractFileName(std::string_view fileName);
std::string ExtractFileExt(std::string_view fileName);    // with its ".", "" when none
std::string ChangeFileExt(std::string_view fileName, std::string_view extension);
std::string ExpandFileName(std::string_view fileName);    // absolute, "." and ".." resolved
std::string ExtractRelativePath(std::string_view baseName, std::string_view destName);
// The first of `name`, then `name` in each folder of the ";"-separated list, that exists; "" if none.
std::string FileSearch(std::string_view name, std::string_view dirList);

bool FileExists(std::string_view fileName);  // regular files (not folders)
bool DirectoryExists(std::string_view dirName);
bool DeleteFile(std::string_view fileName);
bool RenameFile(std::string_view oldName, std::string_view newName);
int64_t FileAge(std::string_view fileName);  // file date of the last change, -1 when missing
int FileGetAttr(std::string_view fileName);  // -1 when missing
int FileSetAttr(std::string_view fileName, int attr);  // 0, or the system's error code

std::string GetCurrentDir();
bool SetCurrentDir(std::string_view dir);
bool CreateDir(std::string_view dir);
bool RemoveDir(std::string_view dir);
// Bytes free and total on the file system of the current folder (drive 0) or "/" (others); -1 on error.
int64_t DiskFree(int drive);
int64_t DiskSize(int drive);

// Handles are the system's descriptors; -1 reports failure.
int FileOpen(std::string_view fileName, int mode);
int FileCreate(std::string_view fileName);
int FileRead(int handle, void *buffer, int count);
int FileWrite(int handle, const void *buffer, int count);
int64_t FileSeek(int handle, int64_t offset, int origin);  // origin 0 start, 1 current, 2 end
void FileClose(int handle);
int64_t FileGetDate(int handle);
int FileSetDate(std::string_view fileName, int64_t age);  // 0, or the system's error code

struct TSearchRec {
    int64_t Time = 0;      // file date of the last change
    int64_t Size = 0;
    int Attr = 0;
    std::string Name;
    int ExcludeAttr = 0;
    int FindHandle = 0;    // 0 when no search is open
};

// Wildcards "*" and "?" in the name part; "*.*" matches every name. Entries with hidden,
// system or folder attributes are found only when `attr` asks for them.
int FindFirst(std::string_view path, int attr, TSearchRec &rec);
int FindNext(TSearchRec &rec);
void FindClose(TSearchRec &rec);

} // namespace VlSysUtils
