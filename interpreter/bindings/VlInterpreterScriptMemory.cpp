// Script-owned memory: a registry of blocks by address, checked before every raw access.
#include "VlInterpreterScriptMemory.h"

#include "VlInterpreterBindingTable.h"

#include "interpreter/VlInterpreterConst.h"
#include "rtl/VlObject.h"
#include "rtl/VlStreams.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <map>
#include <mutex>
#include <set>

namespace {

struct TRegistry {
    std::mutex Lock;
    std::map<uintptr_t, size_t> Blocks;        // start -> size; blocks never overlap
    std::set<TMemoryStream *> ExposedStreams;  // checked for liveness before use
};

TRegistry &Registry()
{
    static auto *registry = new TRegistry();  // outlives static destruction, as objects may
    return *registry;
}

[[noreturn]] void OutOfMemory()
{
    VlRaiseRuntime("EOutOfMemory", "Out of memory");
}

[[noreturn]] void AccessViolation(size_t count)
{
    char text[96];
    std::snprintf(text, sizeof text, "Access violation: %zu bytes at an address the script does not own", count);
    VlRaiseRuntime("EAccessViolation", text);
}

bool Inside(uintptr_t start, size_t size, uintptr_t address, size_t count)
{
    return address >= start && count <= size && address - start <= size - count;
}

bool InStream(TMemoryStream *stream, uintptr_t address, size_t count)
{
    if (!VlIsLiveObject(stream) || !dynamic_cast<TMemoryStream *>(static_cast<TObject *>(stream)))
        return false;
    return Inside(reinterpret_cast<uintptr_t>(stream->Memory()), size_t(stream->Size()), address, count);
}

// The bytes a Move or CompareMem argument stands for.
class TBuffer {
public:
    TBuffer(const TVlValue &value, size_t count, bool write)
    {
        if (value.Kind() == varVlPointer) {
            FData = VlScriptBytes(ValueToPointer(value), count, write);
            return;
        }
        FIsString = true;
        FText = ValueToString(value);
        if (write) {
            if (FText.size() < count)
                FText.resize(count, ' ');
        } else if (count > FText.size() + 1) {
            AccessViolation(count);
        }
        FData = reinterpret_cast<uint8_t *>(FText.data());
    }
    uint8_t *Data() { return FData; }
    bool IsString() const { return FIsString; }
    const std::string &Text() const { return FText; }

private:
    bool FIsString = false;
    std::string FText;
    uint8_t *FData = nullptr;
};

} // namespace

void VlCheckScriptRequest(int64_t count, size_t elementSize)
{
    if (count > 0 && uint64_t(count) > VlScriptBlockLimit / std::max<size_t>(elementSize, 1))
        OutOfMemory();
}

void *VlScriptAllocate(int64_t size)
{
    if (size < 0)
        OutOfMemory();
    VlCheckScriptRequest(size);
    void *block = std::calloc(size_t(std::max<int64_t>(size, 1)), 1);
    if (!block)
        OutOfMemory();
    TRegistry &r = Registry();
    std::lock_guard<std::mutex> guard(r.Lock);
    r.Blocks[reinterpret_cast<uintptr_t>(block)] = size_t(size);
    return block;
}

void VlExposeStreamMemory(TMemoryStream *stream)
{
    TRegistry &r = Registry();
    std::lock_guard<std::mutex> guard(r.Lock);
    r.ExposedStreams.insert(stream);
}

uint8_t *VlScriptBytes(const void *address, size_t count, bool write)
{
    const auto at = reinterpret_cast<uintptr_t>(address);
    if (address) {
        TRegistry &r = Registry();
        std::lock_guard<std::mutex> guard(r.Lock);
        auto block = r.Blocks.upper_bound(at);
        if (block != r.Blocks.begin() && Inside(std::prev(block)->first, std::prev(block)->second, at, count))
            return const_cast<uint8_t *>(static_cast<const uint8_t *>(address));
        for (auto it = r.ExposedStreams.begin(); it != r.ExposedStreams.end();) {
            if (!VlIsLiveObject(*it)) {
                it = r.ExposedStreams.erase(it);
                continue;
            }
            if (InStream(*it, at, count))
                return const_cast<uint8_t *>(static_cast<const uint8_t *>(address));
            ++it;
        }
        // An object's first word (its class) may be read, as InstanceSize tells.
        if (!write && count <= sizeof(void *) && VlIsLiveObject(address))
            return const_cast<uint8_t *>(static_cast<const uint8_t *>(address));
    }
    AccessViolation(count);
}

void VlScriptMove(const TVlValue &source, TVlValue &dest, int32_t count)
{
    if (count <= 0)
        return;
    TBuffer from(source, size_t(count), false);
    TBuffer to(dest, size_t(count), true);
    std::memmove(to.Data(), from.Data(), size_t(count));
    if (to.IsString())
        dest = TVlValue::String(to.Text());
}

bool VlScriptCompareMem(const TVlValue &left, const TVlValue &right, int32_t count)
{
    if (count <= 0)
        return true;
    TBuffer a(left, size_t(count), false);
    TBuffer b(right, size_t(count), false);
    return std::memcmp(a.Data(), b.Data(), size_t(count)) == 0;
}

TVlValue VlLengthValue(size_t length)
{
    if (length <= size_t(INT32_MAX))
        return TVlValue::Integer(int32_t(length));
    return TVlValue::Double(double(length));
}
