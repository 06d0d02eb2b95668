// TStream and its memory, string and file kinds: byte streams with a position, as Pascal code uses them.
#pragma once

#include "VlObject.h"

#include <cstdint>
#include <string>
#include <vector>

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream : public TObject {
    VL_CLASS(TStream)

    // Transfer up to count bytes; the result is the number transferred.
    virtual int64_t Read(void *buffer, int64_t count) = 0;
    virtual int64_t Write(const void *buffer, int64_t count) = 0;
    // The new position.
    virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;

    int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
    void SetPosition(int64_t position) { Seek(position, TSeekOrigin::soBeginning); }
    virtual int64_t Size();
    virtual void SetSize(int64_t size);
    // Bytes between the position and the end.
    int64_t Remaining() { return Size() - Position(); }

    // Exactly count bytes or EReadError "Stream read error" / EWriteError "Stream write error".
    void ReadBuffer(void *buffer, int64_t count);
    void WriteBuffer(const void *buffer, int64_t count);
    // Copies count bytes from source's position; count 0 copies the whole source from its start.
    int64_t CopyFrom(TStream &source, int64_t count);
};

// A stream over a growable block of memory.
class TMemoryStream : public TStream {
    VL_CLASS(TMemoryStream)

    TMemoryStream() = default;
    int64_t Read(void *buffer, int64_t count) override;
    int64_t Write(const void *buffer, int64_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    int64_t Size() override { return static_cast<int64_t>(FData.size()); }
    void SetSize(int64_t size) override;

    const uint8_t *Memory() const { return FData.data(); }
    const std::vector<uint8_t> &Bytes() const { return FData; }
    void Clear();
    void LoadFromStream(TStream &source);
    void SaveToStream(TStream &target);
    // Raises EFOpenError "Cannot open file "%s". %s".
    void LoadFromFile(const std::string &fileName);
    // Written through a temporary file, so a failure never leaves half a file; EFCreateError.
    void SaveToFile(const std::string &fileName);

private:
    std::vector<uint8_t> FData;
    int64_t FPosition = 0;
};

// A stream over a string of bytes (CP1251 text).
class TStringStream : public TStream {
    VL_CLASS(TStringStream)

    explicit TStringStream(std::string data = std::string()) : FData(std::move(data)) {}
    int64_t Read(void *buffer, int64_t count) override;
    int64_t Write(const void *buffer, int64_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    int64_t Size() override { return static_cast<int64_t>(FData.size()); }
    void SetSize(int64_t size) override;

    const std::string &DataString() const { return FData; }
    // Up to count bytes from the position.
    std::string ReadString(int64_t count);
    void WriteString(const std::string &text);

private:
    std::string FData;
    int64_t FPosition = 0;
};

// Open modes of TFileStream (share flags of other systems are accepted and ignored).
enum : uint32_t {
    fmOpenRead = 0x0000,
    fmOpenWrite = 0x0001,
    fmOpenReadWrite = 0x0002,
    fmShareCompat = 0x0000,
    fmShareExclusive = 0x0010,
    fmShareDenyWrite = 0x0020,
    fmShareDenyRead = 0x0030,
    fmShareDenyNone = 0x0040,
    fmCreate = 0xFF00,
};

// A stream over an open file. Raises EFOpenError "Cannot open file "%s". %s" or
// EFCreateError "Cannot create file "%s". %s" with the system's reason.
class TFileStream : public TStream {
    VL_CLASS(TFileStream)

    TFileStream(const std::string &fileName, uint32_t mode);
    ~TFileStream() override;
    int64_t Read(void *buffer, int64_t count) override;
    int64_t Write(const void *buffer, int64_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    void SetSize(int64_t size) override;
    const std::string &FileName() const { return FFileName; }
    // The operating system's descriptor of the open file.
    int Handle() const { return FHandle; }

private:
    std::string FFileName;
    int FHandle = -1;
};
