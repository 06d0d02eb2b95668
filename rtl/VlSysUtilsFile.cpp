// File-name parts, file-system queries, descriptor-level file access and FindFirst/FindNext.
#include "VlSysUtilsFile.h"

#include "VlSysUtils.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fnmatch.h>
#include <map>
#include <mutex>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <fcntl.h>
#include <utime.h>
#include <vector>

namespace fs = std::filesystem;

namespace VlSysUtils {

namespace {

constexpr std::string_view PathDelims = "/\\";
constexpr std::string_view NameDelims = "/\\:";

bool StatPath(std::string_view name, struct stat &st)
{
    return !name.empty() && ::stat(NativePath(name).c_str(), &st) == 0;
}

int AttrOf(const std::string &name, const struct stat &st)
{
    int attr = 0;
    if (S_ISDIR(st.st_mode))
        attr |= faDirectory;
    else if (!S_ISREG(st.st_mode))
        attr |= faSysFile;
    else
        attr |= faArchive;
    if (!(st.st_mode & S_IWUSR))
        attr |= faReadOnly;
    if (!name.empty() && name[0] == '.' && name != "." && name != "..")
        attr |= faHidden;
    return attr;
}

// One open search: the matching entries, read when the search starts.
struct TSearch {
    std::vector<TSearchRec> Entries;
    size_t Next = 0;
};

std::mutex SearchLock;
std::map<int, TSearch> Searches;
int LastSearchId = 0;

int Deliver(TSearch &search, TSearchRec &rec)
{
    if (search.Next >= search.Entries.size())
        return ErrorNoMoreFiles;
    int handle = rec.FindHandle;
    rec = search.Entries[search.Next++];
    rec.FindHandle = handle;
    return 0;
}

} // namespace

std::string NativePath(std::string_view path)
{
    std::string r(path);
    std::replace(r.begin(), r.end(), '\\', '/');
    return r;
}

std::string ExtractFilePath(std::string_view fileName)
{
    return std::string(fileName.substr(0, LastDelimiter(NameDelims, fileName)));
}

std::string ExtractFileDir(std::string_view fileName)
{
    size_t n = LastDelimiter(NameDelims, fileName);
    if (n > 1 && PathDelims.find(fileName[n - 1]) != std::string_view::npos
        && NameDelims.find(fileName[n - 2]) == std::string_view::npos)
        --n;
    return std::string(fileName.substr(0, n));
}

std::string ExtractFileDrive(std::string_view fileName)
{
    if (fileName.size() >= 2 && fileName[1] == ':' && std::isalpha(static_cast<unsigned char>(fileName[0])))
        return std::string(fileName.substr(0, 2));
    if (fileName.size() >= 2 && IsPathDelimiter(fileName, 1) && IsPathDelimiter(fileName, 2)) {
        // \\server\share
        size_t server = fileName.find_first_of(PathDelims, 2);
        if (server == std::string_view::npos)
            return std::string(fileName);
        size_t share = fileName.find_first_of(PathDelims, server + 1);
        return std::string(fileName.substr(0, share));
    }
    return {};
}

std::string ExtractFileName(std::string_view fileName)
{
    return std::string(fileName.substr(LastDelimiter(NameDelims, fileName)));
}

std::string ExtractFileExt(std::string_view fileName)
{
    int i = LastDelimiter(".\\/:", fileName);
    if (i > 0 && fileName[i - 1] == '.')
        return std::string(fileName.substr(i - 1));
    return {};
}

std::string ChangeFileExt(std::string_view fileName, std::string_view extension)
{
    int i = LastDelimiter(".\\/:", fileName);
    size_t keep = i > 0 && fileName[i - 1] == '.' ? size_t(i - 1) : fileName.size();
    return std::string(fileName.substr(0, keep)) + std::string(extension);
}

std::string ExpandFileName(std::string_view fileName)
{
    fs::path p(NativePath(fileName));
    if (p.is_relative())
        p = fs::current_path() / p;
    std::string r = p.lexically_normal().string();
    if (r.size() > 1 && r.back() == '/')
        r.pop_back();
    return r;
}

std::string ExtractRelativePath(std::string_view baseName, std::string_view destName)
{
    fs::path base = fs::path(ExpandFileName(ExtractFilePath(baseName).empty() ? "." : ExtractFilePath(baseName)));
    fs::path dest = fs::path(ExpandFileName(destName));
    fs::path rel = dest.lexically_relative(base);
    return rel.empty() ? dest.string() : rel.string();
}

std::string FileSearch(std::string_view name, std::string_view dirList)
{
    if (FileExists(name))
        return std::string(name);
    size_t start = 0;
    while (start <= dirList.size()) {
        size_t end = dirList.find(';', start);
        if (end == std::string_view::npos)
            end = dirList.size();
        std::string dir(dirList.substr(start, end - start));
        if (!dir.empty()) {
            if (!IsPathDelimiter(dir, int(dir.size())))
                dir += '/';
            std::string candidate = dir + std::string(name);
            if (FileExists(candidate))
                return candidate;
        }
        start = end + 1;
    }
    return {};
}

bool FileExists(std::string_view fileName)
{
    struct stat st;
    return StatPath(fileName, st) && !S_ISDIR(st.st_mode);
}

bool DirectoryExists(std::string_view dirName)
{
    struct stat st;
    return StatPath(dirName, st) && S_ISDIR(st.st_mode);
}

bool DeleteFile(std::string_view fileName)
{
    return FileExists(fileName) && ::unlink(NativePath(fileName).c_str()) == 0;
}

bool RenameFile(std::string_view oldName, std::string_view newName)
{
    // Like the Windows call: never replaces an existing file.
    struct stat st;
    if (StatPath(newName, st))
        return false;
    return ::rename(NativePath(oldName).c_str(), NativePath(newName).c_str()) == 0;
}

int64_t FileAge(std::string_view fileName)
{
    struct stat st;
    if (!StatPath(fileName, st) || S_ISDIR(st.st_mode))
        return -1;
    return int64_t(st.st_mtime);
}

int FileGetAttr(std::string_view fileName)
{
    struct stat st;
    if (!StatPath(fileName, st))
        return -1;
    return AttrOf(ExtractFileName(NativePath(fileName)), st);
}

int FileSetAttr(std::string_view fileName, int attr)
{
    struct stat st;
    if (!StatPath(fileName, st))
        return ENOENT;
    mode_t mode = st.st_mode & 07777;
    mode = (attr & faReadOnly) ? mode & ~mode_t(S_IWUSR | S_IWGRP | S_IWOTH) : mode | S_IWUSR;
    return ::chmod(NativePath(fileName).c_str(), mode) == 0 ? 0 : errno;
}

std::string GetCurrentDir()
{
    std::error_code ec;
    return fs::current_path(ec).string();
}

bool SetCurrentDir(std::string_view dir)
{
    return ::chdir(NativePath(dir).c_str()) == 0;
}

bool CreateDir(std::string_view dir)
{
    return ::mkdir(NativePath(dir).c_str(), 0777) == 0;
}

bool RemoveDir(std::string_view dir)
{
    return ::rmdir(NativePath(dir).c_str()) == 0;
}

int64_t DiskFree(int drive)
{
    struct statvfs st;
    if (::statvfs(drive == 0 ? "." : "/", &st) != 0)
        return -1;
    return int64_t(st.f_bavail) * int64_t(st.f_frsize);
}

int64_t DiskSize(int drive)
{
    struct statvfs st;
    if (::statvfs(drive == 0 ? "." : "/", &st) != 0)
        return -1;
    return int64_t(st.f_blocks) * int64_t(st.f_frsize);
}

int FileOpen(std::string_view fileName, int mode)
{
    int access = mode & 3;
    int flags = access == fmOpenWrite ? O_WRONLY : access == fmOpenReadWrite ? O_RDWR : O_RDONLY;
    return ::open(NativePath(fileName).c_str(), flags | O_CLOEXEC);
}

int FileCreate(std::string_view fileName)
{
    return ::open(NativePath(fileName).c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
}

int FileRead(int handle, void *buffer, int count)
{
    if (count < 0)
        return -1;
    return int(::read(handle, buffer, size_t(count)));
}

int FileWrite(int handle, const void *buffer, int count)
{
    if (count < 0)
        return -1;
    return int(::write(handle, buffer, size_t(count)));
}

int64_t FileSeek(int handle, int64_t offset, int origin)
{
    int whence = origin == 1 ? SEEK_CUR : origin == 2 ? SEEK_END : SEEK_SET;
    return int64_t(::lseek(handle, off_t(offset), whence));
}

void FileClose(int handle)
{
    if (handle >= 0)
        ::close(handle);
}

int64_t FileGetDate(int handle)
{
    struct stat st;
    return ::fstat(handle, &st) == 0 ? int64_t(st.st_mtime) : -1;
}

int FileSetDate(std::string_view fileName, int64_t age)
{
    struct utimbuf times;
    times.actime = time_t(age);
    times.modtime = time_t(age);
    return ::utime(NativePath(fileName).c_str(), &times) == 0 ? 0 : errno;
}

int FindFirst(std::string_view path, int attr, TSearchRec &rec)
{
    std::string native = NativePath(path);
    std::string dir = ExtractFilePath(native);
    std::string pattern = ExtractFileName(native);
    if (pattern == "*.*")
        pattern = "*";
    std::error_code ec;
    fs::directory_iterator it(dir.empty() ? fs::path(".") : fs::path(dir), ec);
    if (ec)
        return ErrorPathNotFound;
    TSearch search;
    int exclude = ~attr & (faHidden | faSysFile | faVolumeID | faDirectory);
    std::vector<std::string> names;
    if (attr & faDirectory)
        names = {".", ".."};
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec)
            break;
        names.push_back(it->path().filename().string());
    }
    std::sort(names.begin() + (attr & faDirectory ? 2 : 0), names.end());
    for (const std::string &name : names) {
        if (fnmatch(pattern.c_str(), name.c_str(), 0) != 0)
            continue;
        struct stat st;
        if (::stat((dir.empty() ? name : dir + name).c_str(), &st) != 0)
            continue;
        TSearchRec entry;
        entry.Name = name;
        entry.Attr = AttrOf(name, st);
        entry.Size = S_ISDIR(st.st_mode) ? 0 : int64_t(st.st_size);
        entry.Time = int64_t(st.st_mtime);
        entry.ExcludeAttr = exclude;
        if (entry.Attr & exclude)
            continue;
        search.Entries.push_back(std::move(entry));
    }
    if (search.Entries.empty()) {
        rec.FindHandle = 0;
        return ErrorFileNotFound;
    }
    std::lock_guard<std::mutex> lock(SearchLock);
    int id = ++LastSearchId;
    rec.FindHandle = id;
    return Deliver(Searches[id] = std::move(search), rec);
}

int FindNext(TSearchRec &rec)
{
    std::lock_guard<std::mutex> lock(SearchLock);
    auto it = Searches.find(rec.FindHandle);
    if (it == Searches.end())
        return ErrorNoMoreFiles;
    return Deliver(it->second, rec);
}

void FindClose(TSearchRec &rec)
{
    std::lock_guard<std::mutex> lock(SearchLock);
    Searches.erase(rec.FindHandle);
    rec.FindHandle = 0;
}

} // namespace VlSysUtils
