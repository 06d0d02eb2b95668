// TStrings: the behaviour every string list shares.
#include "VlStrings.h"

#include "VlCp1251.h"
#include "VlExceptions.h"
#include "VlFiler.h"
#include "VlStreams.h"

#include <algorithm>

VL_IMPLEMENT_CLASS(TStrings, TPersistent, "Classes")

namespace {

unsigned char FoldCp1251(unsigned char c)
{
    if (c >= 'a' && c <= 'z')
        return static_cast<unsigned char>(c - 32);
    if (c >= 0xE0) // а..я
        return static_cast<unsigned char>(c - 32);
    if (c == 0xB8) // ё
        return 0xA8;
    return c;
}

// Reads a quoted item: doubled quotes stand for one; an unclosed quote runs to the end.
std::string ExtractQuoted(std::string_view text, size_t &pos, char quote)
{
    std::string result;
    ++pos;
    while (pos < text.size()) {
        if (text[pos] == quote) {
            if (pos + 1 < text.size() && text[pos + 1] == quote) {
                result += quote;
                pos += 2;
                continue;
            }
            ++pos;
            break;
        }
        result += text[pos++];
    }
    return result;
}

bool IsBlank(char c)
{
    return c != '\0' && static_cast<unsigned char>(c) <= ' ';
}

} // namespace

int VlCompareText(std::string_view a, std::string_view b)
{
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const int ca = FoldCp1251(static_cast<unsigned char>(a[i]));
        const int cb = FoldCp1251(static_cast<unsigned char>(b[i]));
        if (ca != cb)
            return ca - cb;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

void TStrings::Error(const std::string &message) const
{
    throw EStringListError(message);
}

void TStrings::IndexError(int index) const
{
    Error(VlSprintf("List index out of bounds (%d)", index));
}

void TStrings::Put(int index, const std::string &value)
{
    TObject *object = GetObject(index);
    Delete(index);
    InsertObject(index, value, object);
}

TObject *TStrings::GetObject(int) const
{
    return nullptr;
}

void TStrings::PutObject(int, TObject *)
{
}

int TStrings::Add(const std::string &value)
{
    const int index = Count();
    Insert(index, value);
    return index;
}

int TStrings::AddObject(const std::string &value, TObject *object)
{
    const int index = Add(value);
    PutObject(index, object);
    return index;
}

void TStrings::InsertObject(int index, const std::string &value, TObject *object)
{
    Insert(index, value);
    PutObject(index, object);
}

void TStrings::AddStrings(const TStrings &strings)
{
    BeginUpdate();
    try {
        for (int i = 0; i < strings.Count(); ++i)
            AddObject(strings.Get(i), strings.GetObject(i));
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStrings::Exchange(int index1, int index2)
{
    BeginUpdate();
    try {
        const std::string text1 = Get(index1);
        TObject *object1 = GetObject(index1);
        Put(index1, Get(index2));
        PutObject(index1, GetObject(index2));
        Put(index2, text1);
        PutObject(index2, object1);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStrings::Move(int currentIndex, int newIndex)
{
    if (currentIndex == newIndex)
        return;
    BeginUpdate();
    try {
        const std::string text = Get(currentIndex);
        TObject *object = GetObject(currentIndex);
        Delete(currentIndex);
        InsertObject(newIndex, text, object);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

int TStrings::CompareStrings(const std::string &a, const std::string &b) const
{
    return VlCompareText(a, b);
}

int TStrings::IndexOf(const std::string &value) const
{
    for (int i = 0; i < Count(); ++i)
        if (CompareStrings(Get(i), value) == 0)
            return i;
    return -1;
}

int TStrings::IndexOfName(const std::string &name) const
{
    for (int i = 0; i < Count(); ++i) {
        const std::string line = Get(i);
        const size_t separator = line.find(FNameValueSeparator);
        if (separator != std::string::npos && CompareStrings(line.substr(0, separator), name) == 0)
            return i;
    }
    return -1;
}

int TStrings::IndexOfObject(const TObject *object) const
{
    for (int i = 0; i < Count(); ++i)
        if (GetObject(i) == object)
            return i;
    return -1;
}

bool TStrings::Equals(const TStrings &other) const
{
    if (Count() != other.Count())
        return false;
    for (int i = 0; i < Count(); ++i)
        if (Get(i) != other.Get(i))
            return false;
    return true;
}

void TStrings::Assign(const TPersistent *source)
{
    const auto *other = dynamic_cast<const TStrings *>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    if (other == this)
        return;
    BeginUpdate();
    try {
        Clear();
        FDelimiter = other->FDelimiter;
        FQuoteChar = other->FQuoteChar;
        FNameValueSeparator = other->FNameValueSeparator;
        FStrictDelimiter = other->FStrictDelimiter;
        AddStrings(*other);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

std::string TStrings::Text() const
{
    std::string text;
    for (int i = 0; i < Count(); ++i) {
        text += Get(i);
        text += "\r\n";
    }
    return text;
}

void TStrings::SetText(const std::string &text)
{
    BeginUpdate();
    try {
        Clear();
        size_t start = 0;
        while (start < text.size()) {
            size_t end = text.find_first_of("\r\n", start);
            if (end == std::string::npos)
                end = text.size();
            Add(text.substr(start, end - start));
            if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
                ++end;
            start = end + 1;
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

std::string TStrings::DelimitedText() const
{
    const int count = Count();
    if (count == 1 && Get(0).empty())
        return std::string(2, FQuoteChar);
    std::string result;
    for (int i = 0; i < count; ++i) {
        std::string item = Get(i);
        const bool needsQuotes = std::any_of(item.begin(), item.end(), [&](char c) {
            return c == FQuoteChar || c == FDelimiter || (!FStrictDelimiter && static_cast<unsigned char>(c) <= ' ');
        });
        if (needsQuotes) {
            std::string quoted(1, FQuoteChar);
            for (char c : item) {
                quoted += c;
                if (c == FQuoteChar)
                    quoted += c;
            }
            quoted += FQuoteChar;
            item = quoted;
        }
        if (i > 0)
            result += FDelimiter;
        result += item;
    }
    return result;
}

void TStrings::SetDelimitedText(const std::string &text)
{
    BeginUpdate();
    try {
        Clear();
        size_t pos = 0;
        auto skipBlanks = [&] {
            while (!FStrictDelimiter && pos < text.size() && IsBlank(text[pos]))
                ++pos;
        };
        skipBlanks();
        while (pos < text.size()) {
            std::string item;
            if (text[pos] == FQuoteChar) {
                item = ExtractQuoted(text, pos, FQuoteChar);
            } else {
                const size_t start = pos;
                while (pos < text.size() && text[pos] != FDelimiter && (FStrictDelimiter || !IsBlank(text[pos])))
                    ++pos;
                item = text.substr(start, pos - start);
            }
            Add(item);
            skipBlanks();
            if (pos < text.size() && text[pos] == FDelimiter) {
                ++pos;
                if (pos == text.size())
                    Add(std::string());
                skipBlanks();
            }
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

std::string TStrings::CommaText() const
{
    TStrings *self = const_cast<TStrings *>(this);
    const char delimiter = FDelimiter, quote = FQuoteChar;
    const bool strict = FStrictDelimiter;
    self->FDelimiter = ',';
    self->FQuoteChar = '"';
    self->FStrictDelimiter = false;
    std::string result = DelimitedText();
    self->FDelimiter = delimiter;
    self->FQuoteChar = quote;
    self->FStrictDelimiter = strict;
    return result;
}

void TStrings::SetCommaText(const std::string &text)
{
    const char delimiter = FDelimiter, quote = FQuoteChar;
    const bool strict = FStrictDelimiter;
    FDelimiter = ',';
    FQuoteChar = '"';
    FStrictDelimiter = false;
    try {
        SetDelimitedText(text);
    } catch (...) {
        FDelimiter = delimiter;
        FQuoteChar = quote;
        FStrictDelimiter = strict;
        throw;
    }
    FDelimiter = delimiter;
    FQuoteChar = quote;
    FStrictDelimiter = strict;
}

std::string TStrings::Names(int index) const
{
    const std::string line = Get(index);
    const size_t separator = line.find(FNameValueSeparator);
    return separator == std::string::npos ? std::string() : line.substr(0, separator);
}

std::string TStrings::Values(const std::string &name) const
{
    const int index = IndexOfName(name);
    return index < 0 ? std::string() : ValueFromIndex(index);
}

void TStrings::SetValues(const std::string &name, const std::string &value)
{
    const int index = IndexOfName(name);
    if (value.empty()) {
        if (index >= 0)
            Delete(index);
        return;
    }
    const std::string line = name + FNameValueSeparator + value;
    if (index < 0)
        Add(line);
    else
        Put(index, line);
}

std::string TStrings::ValueFromIndex(int index) const
{
    const std::string line = Get(index);
    const size_t separator = line.find(FNameValueSeparator);
    return separator == std::string::npos ? std::string() : line.substr(separator + 1);
}

void TStrings::BeginUpdate()
{
    if (FUpdateCount++ == 0)
        SetUpdateState(true);
}

void TStrings::EndUpdate()
{
    if (FUpdateCount > 0 && --FUpdateCount == 0)
        SetUpdateState(false);
}

void TStrings::SetUpdateState(bool)
{
}

void TStrings::LoadFromStream(TStream &stream)
{
    const int64_t size = stream.Remaining();
    std::string bytes(static_cast<size_t>(std::max<int64_t>(0, size)), '\0');
    stream.ReadBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    TVlTextEncoding encoding;
    const std::string utf8 = DecodeFileText(bytes, &encoding);
    SetText(encoding == TVlTextEncoding::Utf8 ? Utf8ToCp1251(utf8) : bytes);
}

void TStrings::SaveToStream(TStream &stream) const
{
    const std::string text = Text();
    stream.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
}

void TStrings::LoadFromFile(const std::string &fileName)
{
    TFileStream file(fileName, fmOpenRead);
    LoadFromStream(file);
}

void TStrings::SaveToFile(const std::string &fileName) const
{
    try {
        WriteFileBytesAtomically(fileName, Text());
    } catch (const EVlFileError &error) {
        throw EFCreateError(VlSprintf("Cannot create file \"%s\". %s", fileName.c_str(), error.Reason().c_str()));
    }
}

void TStrings::DefineProperties(TFiler &filer)
{
    filer.DefineProperty(
        "Strings",
        [this](TReader &reader) {
            BeginUpdate();
            try {
                Clear();
                reader.ReadListBegin();
                while (!reader.EndOfList())
                    Add(reader.ReadString());
                reader.ReadListEnd();
            } catch (...) {
                EndUpdate();
                throw;
            }
            EndUpdate();
        },
        [this](TWriter &writer) {
            writer.WriteListBegin();
            for (int i = 0; i < Count(); ++i)
                writer.WriteString(Get(i));
            writer.WriteListEnd();
        },
        Count() > 0);
}
