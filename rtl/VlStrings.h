// TStrings: the abstract list of strings with objects, and its text, comma, delimited and name=value views.
#pragma once

#include "VlPersistent.h"

#include <functional>
#include <string>
#include <string_view>

class TStream;

class TStrings : public TPersistent {
    VL_CLASS(TStrings)

    // Storage, provided by descendants. Index errors raise EStringListError
    // "List index out of bounds (%d)".
    virtual int Count() const = 0;
    virtual std::string Get(int index) const = 0;
    virtual void Put(int index, const std::string &value);
    virtual TObject *GetObject(int index) const;
    virtual void PutObject(int index, TObject *object);
    virtual void Insert(int index, const std::string &value) = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;

    // Room reserved for items; lists without storage of their own report Count and ignore a change.
    virtual int Capacity() const { return Count(); }
    virtual void SetCapacity(int capacity) { (void)capacity; }
    std::string Strings(int index) const { return Get(index); }
    TObject *Objects(int index) const { return GetObject(index); }
    virtual int Add(const std::string &value);
    int AddObject(const std::string &value, TObject *object);
    void InsertObject(int index, const std::string &value, TObject *object);
    void Append(const std::string &value) { Add(value); }
    void AddStrings(const TStrings &strings);
    virtual void Exchange(int index1, int index2);
    virtual void Move(int currentIndex, int newIndex);
    // Letter case is ignored unless a descendant says otherwise (TStringList::CaseSensitive).
    virtual int IndexOf(const std::string &value) const;
    int IndexOfName(const std::string &name) const;
    int IndexOfObject(const TObject *object) const;
    bool Equals(const TStrings &other) const;
    void Assign(const TPersistent *source) override;

    // Each line followed by CR LF; setting splits at CR LF, LF or CR.
    std::string Text() const;
    virtual void SetText(const std::string &text);
    std::string CommaText() const;
    void SetCommaText(const std::string &text);
    std::string DelimitedText() const;
    void SetDelimitedText(const std::string &text);
    char Delimiter() const { return FDelimiter; }
    void SetDelimiter(char value) { FDelimiter = value; }
    char QuoteChar() const { return FQuoteChar; }
    void SetQuoteChar(char value) { FQuoteChar = value; }
    // Only the delimiter separates items (blanks are kept).
    bool StrictDelimiter() const { return FStrictDelimiter; }
    void SetStrictDelimiter(bool value) { FStrictDelimiter = value; }

    // "name=value" lines.
    char NameValueSeparator() const { return FNameValueSeparator; }
    void SetNameValueSeparator(char value) { FNameValueSeparator = value; }
    std::string Names(int index) const;
    std::string Values(const std::string &name) const;
    // An empty value deletes the line; an unknown name adds one.
    void SetValues(const std::string &name, const std::string &value);
    std::string ValueFromIndex(int index) const;

    // Nested calls; change notifications wait for the outermost EndUpdate.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    // Text in CP1251; files written through a temporary file. Reading accepts UTF-8 (with or
    // without BOM) and CP1251 files. Errors: EFOpenError, EFCreateError.
    void LoadFromFile(const std::string &fileName);
    void SaveToFile(const std::string &fileName) const;
    void LoadFromStream(TStream &stream);
    void SaveToStream(TStream &stream) const;

    // Stored in form files as the list property "Strings".
    void DefineProperties(TFiler &filer) override;

protected:
    // Called when BeginUpdate starts (true) and EndUpdate finishes (false).
    virtual void SetUpdateState(bool updating);
    // Letter case ignored by default.
    virtual int CompareStrings(const std::string &a, const std::string &b) const;
    // Raises EStringListError with the message.
    [[noreturn]] void Error(const std::string &message) const;
    [[noreturn]] void IndexError(int index) const;

private:
    char FDelimiter = ',';
    char FQuoteChar = '"';
    char FNameValueSeparator = '=';
    bool FStrictDelimiter = false;
    int FUpdateCount = 0;
};

// Compares CP1251 texts ignoring letter case, Cyrillic included: <0, 0 or >0.
int VlCompareText(std::string_view a, std::string_view b);
