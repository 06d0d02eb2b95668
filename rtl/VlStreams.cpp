// TStream, TMemoryStream, TStringStream and TFileStream.
#include "VlStreams.h"

#include "VlCp1251.h"
#include "VlExceptions.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

VL_IMPLEMENT_CLASS(TStream, TObject, "Classes")
VL_IMPLEMENT_CLASS(TMemoryStream, TStream, "Classes")
VL_IMPLEMENT_CLASS(TStringStream, TStream, "Classes")
VL_IMPLEMENT_CLASS(TFileStream, TStream, "Classes")

int64_t TStream::Size()
{
    const int64_t position = Seek(0, TSeekOrigin::soCurrent);
    const int64_t size = Seek(0, TSeekOrigin::soEnd);
    Seek(position, TSeekOrigin::soBeginning);
    return size;
}

void TStream::SetSize(int64_t)
{
    throw EStreamError("Stream size cannot be changed");
}

void TStream::ReadBuffer(void *buffer, int64_t count)
{
    if (count > 0 && Read(buffer, count) != count)
        throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void *buffer, int64_t count)
{
    if (count > 0 && Write(buffer, count) != count)
        throw EWriteError("Stream write error");
}

int64_t TStream::CopyFrom(TStream &source, int64_t count)
{
    if (count == 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    const int64_t total = count;
    char buffer[65536];
    while (count > 0) {
        const int64_t chunk = std::min<int64_t>(count, sizeof buffer);
        source.ReadBuffer(buffer, chunk);
        WriteBuffer(buffer, chunk);
        count -= chunk;
    }
    return total;
}

namespace {

// Seeking shared by the in-memory streams: positions are clamped at 0 but may pass the end.
int64_t SeekIn(int64_t &position, int64_t size, int64_t offset, TSeekOrigin origin)
{
    const int64_t base = origin == TSeekOrigin::soBeginning ? 0 : origin == TSeekOrigin::soCurrent ? position : size;
    position = std::max<int64_t>(0, base + offset);
    return position;
}

template <class TBuffer>
int64_t ReadFrom(const TBuffer &data, int64_t &position, void *buffer, int64_t count)
{
    const int64_t size = static_cast<int64_t>(data.size());
    if (count <= 0 || position >= size)
        return 0;
    const int64_t n = std::min(count, size - position);
    std::memcpy(buffer, data.data() + position, static_cast<size_t>(n));
    position += n;
    return n;
}

template <class TBuffer>
int64_t WriteTo(TBuffer &data, int64_t &position, const void *buffer, int64_t count)
{
    if (count <= 0)
        return 0;
    const size_t end = static_cast<size_t>(position + count);
    if (end > data.size())
        data.resize(end);
    std::memcpy(data.data() + position, buffer, static_cast<size_t>(count));
    position += count;
    return count;
}

} // namespace

int64_t TMemoryStream::Read(void *buffer, int64_t count)
{
    return ReadFrom(FData, FPosition, buffer, count);
}

int64_t TMemoryStream::Write(const void *buffer, int64_t count)
{
    return WriteTo(FData, FPosition, buffer, count);
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin)
{
    return SeekIn(FPosition, Size(), offset, origin);
}

void TMemoryStream::SetSize(int64_t size)
{
    FData.resize(static_cast<size_t>(std::max<int64_t>(0, size)));
    FPosition = std::min(FPosition, Size());
}

void TMemoryStream::Clear()
{
    FData.clear();
    FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream &source)
{
    source.SetPosition(0);
    const int64_t size = source.Size();
    SetSize(size);
    source.ReadBuffer(FData.data(), size);
    FPosition = 0;
}

void TMemoryStream::SaveToStream(TStream &target)
{
    target.WriteBuffer(FData.data(), Size());
}

void TMemoryStream::LoadFromFile(const std::string &fileName)
{
    TFileStream file(fileName, fmOpenRead);
    LoadFromStream(file);
}

void TMemoryStream::SaveToFile(const std::string &fileName)
{
    try {
        WriteFileBytesAtomically(fileName, std::string_view(reinterpret_cast<const char *>(FData.data()), FData.size()));
    } catch (const EVlFileError &error) {
        throw EFCreateError(VlSprintf("Cannot create file \"%s\". %s", fileName.c_str(), error.Reason().c_str()));
    }
}

int64_t TStringStream::Read(void *buffer, int64_t count)
{
    return ReadFrom(FData, FPosition, buffer, count);
}

int64_t TStringStream::Write(const void *buffer, int64_t count)
{
    return WriteTo(FData, FPosition, buffer, count);
}

int64_t TStringStream::Seek(int64_t offset, TSeekOrigin origin)
{
    return SeekIn(FPosition, Size(), offset, origin);
}

void TStringStream::SetSize(int64_t size)
{
    FData.resize(static_cast<size_t>(std::max<int64_t>(0, size)));
    FPosition = std::min(FPosition, Size());
}

std::string TStringStream::ReadString(int64_t count)
{
    const int64_t n = std::max<int64_t>(0, std::min(count, Size() - FPosition));
    std::string result = n > 0 ? FData.substr(static_cast<size_t>(FPosition), static_cast<size_t>(n)) : std::string();
    FPosition += n;
    return result;
}

void TStringStream::WriteString(const std::string &text)
{
    Write(text.data(), static_cast<int64_t>(text.size()));
}

TFileStream::TFileStream(const std::string &fileName, uint32_t mode) : FFileName(fileName)
{
    if (mode == fmCreate) {
        FHandle = ::open(fileName.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (FHandle < 0)
            throw EFCreateError(VlSprintf("Cannot create file \"%s\". %s", fileName.c_str(), std::strerror(errno)));
        return;
    }
    const uint32_t access = mode & 0x3;
    const int flags = access == fmOpenWrite ? O_WRONLY : access == fmOpenReadWrite ? O_RDWR : O_RDONLY;
    FHandle = ::open(fileName.c_str(), flags | O_CLOEXEC);
    if (FHandle < 0)
        throw EFOpenError(VlSprintf("Cannot open file \"%s\". %s", fileName.c_str(), std::strerror(errno)));
    struct stat info;
    if (::fstat(FHandle, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(FHandle);
        FHandle = -1;
        throw EFOpenError(VlSprintf("Cannot open file \"%s\". %s", fileName.c_str(), std::strerror(EISDIR)));
    }
}

TFileStream::~TFileStream()
{
    if (FHandle >= 0)
        ::close(FHandle);
}

int64_t TFileStream::Read(void *buffer, int64_t count)
{
    int64_t total = 0;
    while (total < count) {
        const ssize_t n = ::read(FHandle, static_cast<char *>(buffer) + total, static_cast<size_t>(count - total));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        total += n;
    }
    return total;
}

int64_t TFileStream::Write(const void *buffer, int64_t count)
{
    int64_t total = 0;
    while (total < count) {
        const ssize_t n = ::write(FHandle, static_cast<const char *>(buffer) + total, static_cast<size_t>(count - total));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        total += n;
    }
    return total;
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin)
{
    const int whence = origin == TSeekOrigin::soBeginning ? SEEK_SET : origin == TSeekOrigin::soCurrent ? SEEK_CUR : SEEK_END;
    const off_t result = ::lseek(FHandle, static_cast<off_t>(offset), whence);
    return result < 0 ? -1 : static_cast<int64_t>(result);
}

void TFileStream::SetSize(int64_t size)
{
    if (::ftruncate(FHandle, static_cast<off_t>(size)) != 0)
        throw EStreamError(VlSprintf("Stream size cannot be changed: %s", std::strerror(errno)));
    if (Position() > size)
        SetPosition(size);
}
