// Reading whole files and replacing them atomically.
#include "VlFileIO.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

EVlFileError SystemError(const std::string &action, const std::string &path, int error = errno)
{
    const std::string reason = std::strerror(error);
    return EVlFileError(action + " \"" + path + "\": " + reason, reason);
}

// The file a chain of symbolic links ends at; it need not exist yet (a link to a new file).
std::string FollowLinks(const std::string &path)
{
    fs::path current = path;
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(current, error)))
            return current.string();
        const fs::path target = fs::read_symlink(current, error);
        if (error)
            throw SystemError("Cannot create file", path, error.value());
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    throw SystemError("Cannot create file", path, ELOOP);
}

// Writes every byte to `fd`; false with errno set when the system refuses.
bool WriteAll(int fd, std::string_view bytes)
{
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        written += static_cast<size_t>(n);
    }
    return true;
}

// A device or a pipe takes the bytes as they come; its failures (a full device) are reported.
void WriteInPlace(const std::string &path, const std::string &target, std::string_view bytes)
{
    const int fd = ::open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0)
        throw SystemError("Cannot create file", path);
    if (!WriteAll(fd, bytes)) {
        const EVlFileError error = SystemError("Cannot write file", path);
        ::close(fd);
        throw error;
    }
    if (::close(fd) != 0)
        throw SystemError("Cannot write file", path);
}

// The permissions a new file gets when it replaces nothing: those of a document, less the umask.
mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Makes the rename itself durable. File systems that cannot sync a folder say EINVAL; that is
// no failure of ours.
void SyncFolder(const std::string &path, const fs::path &folder)
{
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return; // a folder we may write into but not open: the rename has been done all the same
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP;
    const int error = errno;
    ::close(fd);
    if (!synced)
        throw SystemError("Cannot write file", path, error);
}

} // namespace

std::string ReadFileBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw SystemError("Cannot open file", path);
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad())
        throw SystemError("Cannot read file", path);
    return buffer.str();
}

void WriteFileBytesAtomically(const std::string &path, std::string_view bytes)
{
    // 1. Follow symbolic links; a folder or a device at the end is not replaced.
    const std::string target = FollowLinks(path);
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        throw SystemError("Cannot create file", path, EISDIR);
    if (exists && !S_ISREG(existing.st_mode))
        return WriteInPlace(path, target, bytes);

    // 2. The new content goes into a temporary file beside the target.
    std::string temp = target + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        throw SystemError("Cannot create file", path);
    const auto fail = [&](const char *action) {
        const EVlFileError error = SystemError(action, path);
        ::close(fd);
        ::unlink(temp.c_str());
        return error;
    };
    if (!WriteAll(fd, bytes))
        throw fail("Cannot write file");

    // 3. It takes the place of the old file with the old file's permissions and owner.
    if (exists) {
        if (::fchown(fd, existing.st_uid, existing.st_gid) != 0) {
            // Only the superuser may give a file away; the owner stays the writer.
        }
        ::fchmod(fd, existing.st_mode & 07777);
    } else {
        ::fchmod(fd, NewFileMode());
    }
    if (::fsync(fd) != 0)
        throw fail("Cannot write file");
    if (::close(fd) != 0) {
        const EVlFileError error = SystemError("Cannot write file", path);
        ::unlink(temp.c_str());
        throw error;
    }
    if (std::rename(temp.c_str(), target.c_str()) != 0) {
        const EVlFileError error = SystemError("Cannot replace file", path);
        ::unlink(temp.c_str());
        throw error;
    }
    // 4. The folder's new entry reaches the disk too.
    SyncFolder(path, fs::path(target).parent_path());
}
