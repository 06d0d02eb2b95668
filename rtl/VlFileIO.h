// Reading whole files and replacing them so that a failure never leaves a half-written file.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

// Raised when a file cannot be read or written. The message names the action and the path
// ("Cannot write file "<path>": <reason>"); Reason() is the system's text alone (may be empty).
class EVlFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    EVlFileError(const std::string &message, std::string reason)
        : std::runtime_error(message), FReason(std::move(reason))
    {
    }
    const std::string &Reason() const { return FReason; }

private:
    std::string FReason;
};

std::string ReadFileBytes(const std::string &path);

// Replaces `path` with `bytes` or throws EVlFileError and leaves the previous file as it was:
//  - a symbolic link is followed, so the file it points to gets the new content and the link stays;
//  - the content goes into a temporary file in the target's folder, is synced, and is renamed over
//    the target, whose permissions (and owner, where allowed) it takes; the folder is synced after
//    the rename so that the new name survives a crash;
//  - a target that is not a regular file (a device such as /dev/full, a pipe) is written in place,
//    since there is nothing there to replace and it must not be replaced.
void WriteFileBytesAtomically(const std::string &path, std::string_view bytes);
