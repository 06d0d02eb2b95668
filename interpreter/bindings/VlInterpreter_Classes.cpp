// The Classes unit for scripts: lists, string lists, collections, streams, components and their events.
#include "VlInterpreter_all.h"
#include "VlInterpreterBindingTable.h"
#include "VlInterpreterClassesEvent.h"
#include "VlInterpreterObjectModel.h"
#include "VlInterpreterScriptMemory.h"

#include "interpreter/VlInterpreterTypes.h"
#include "rtl/VlCollection.h"
#include "rtl/VlComponent.h"
#include "rtl/VlList.h"
#include "rtl/VlStreams.h"
#include "rtl/VlStringList.h"

namespace {

std::string Str(const TVlInterpreterArgs &a, int i) { return ValueToString(a.Values[i]); }
int32_t Int(const TVlInterpreterArgs &a, int i) { return ValueToInteger(a.Values[i]); }

// An argument used as an untyped pointer: pointers, objects and classes give their address,
// nil/Null/Empty nothing, integers the address they spell.
void *PointerArg(const TVlValue &v)
{
    switch (v.Kind()) {
    case varVlPointer: case varVlObject: case varVlClass:
        return v.RawPointer();
    case varEmpty: case varNull:
        return nullptr;
    default:
        return reinterpret_cast<void *>(intptr_t(ValueToInteger(v)));
    }
}

// TList ----------------------------------------------------------------------------------------

TList *List(TVlInterpreterArgs &a) { return VlSelf<TList>(a); }
void ListCreate(TVlValue &r, TVlInterpreterArgs &) { r = VlObjectValue(new TList); }
void ListAdd(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(List(a)->Add(PointerArg(a.Values[0]))); }
void ListInsert(TVlValue &, TVlInterpreterArgs &a) { List(a)->Insert(Int(a, 0), PointerArg(a.Values[1])); }
void ListDelete(TVlValue &, TVlInterpreterArgs &a) { List(a)->Delete(Int(a, 0)); }
void ListRemove(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(List(a)->Remove(PointerArg(a.Values[0]))); }
void ListExtract(TVlValue &r, TVlInterpreterArgs &a) { r = PointerToValue(List(a)->Extract(PointerArg(a.Values[0]))); }
void ListIndexOf(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(List(a)->IndexOf(PointerArg(a.Values[0]))); }
void ListClear(TVlValue &, TVlInterpreterArgs &a) { List(a)->Clear(); }
void ListExchange(TVlValue &, TVlInterpreterArgs &a) { List(a)->Exchange(Int(a, 0), Int(a, 1)); }
void ListMove(TVlValue &, TVlInterpreterArgs &a) { List(a)->Move(Int(a, 0), Int(a, 1)); }
void ListFirst(TVlValue &r, TVlInterpreterArgs &a) { r = PointerToValue(List(a)->First()); }
void ListLast(TVlValue &r, TVlInterpreterArgs &a) { r = PointerToValue(List(a)->Last()); }
void ListPack(TVlValue &, TVlInterpreterArgs &a) { List(a)->Pack(); }
// Grows a full list's capacity by the usual steps; answers the list.
void ListExpand(TVlValue &r, TVlInterpreterArgs &a)
{
    TList *list = List(a);
    int capacity = list->Capacity();
    if (list->Count() == capacity)
        list->SetCapacity(capacity + (capacity > 64 ? capacity / 4 : capacity > 8 ? 16 : 4));
    r = VlObjectValue(list);
}
void ListSort(TVlValue &, TVlInterpreterArgs &) { VlNotImplemented("TList.Sort"); }
void ListGetCount(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(List(a)->Count()); }
void ListSetCount(const TVlValue &v, TVlInterpreterArgs &a)
{
    // Growing appends nil items, shrinking drops the last ones.
    TList *list = List(a);
    int count = ValueToInteger(v);
    if (count < 0)
        VlRaiseRuntime("EListError", "List count out of bounds (" + std::to_string(count) + ")");
    VlCheckScriptRequest(count, sizeof(void *));
    while (list->Count() < count)
        list->Add(nullptr);
    while (list->Count() > count)
        list->Delete(list->Count() - 1);
}
void ListGetCapacity(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(List(a)->Capacity()); }
void ListSetCapacity(const TVlValue &v, TVlInterpreterArgs &a)
{
    VlCheckScriptRequest(ValueToInteger(v), sizeof(void *));
    List(a)->SetCapacity(ValueToInteger(v));
}
void ListGetItem(TVlValue &r, TVlInterpreterArgs &a) { r = PointerToValue(List(a)->Items(Int(a, 0))); }
void ListSetItem(const TVlValue &v, TVlInterpreterArgs &a) { List(a)->SetItems(Int(a, 0), PointerArg(v)); }

const TVlMemberBinding ListMembers[] = {
    VlGet("Create", ListCreate), VlGet("Add", ListAdd, "."), VlGet("Insert", ListInsert, ".."),
    VlGet("Delete", ListDelete, "."), VlGet("Remove", ListRemove, "."), VlGet("Extract", ListExtract, "."),
    VlGet("IndexOf", ListIndexOf, "."), VlGet("Clear", ListClear), VlGet("Exchange", ListExchange, ".."),
    VlGet("Move", ListMove, ".."), VlGet("First", ListFirst), VlGet("Last", ListLast),
    VlGet("Pack", ListPack), VlGet("Expand", ListExpand), VlGet("Sort", ListSort, "."), VlGet("Count", ListGetCount),
    VlSet("Count", ListSetCount), VlGet("Capacity", ListGetCapacity), VlSet("Capacity", ListSetCapacity),
    VlIndexedGet("Items", ListGetItem), VlIndexedSet("Items", ListSetItem),
    VlDefaultGet(ListGetItem), VlDefaultSet(ListSetItem),
};

// TPersistent ------------------------------------------------------------------------------------

void PersAssign(TVlValue &, TVlInterpreterArgs &a) { VlSelf<TPersistent>(a)->Assign(VlArgAs<TPersistent>(a.Values[0])); }
void PersGetNamePath(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(VlSelf<TPersistent>(a)->GetNamePath()); }

const TVlMemberBinding PersistentMembers[] = {
    VlGet("Assign", PersAssign, "."), VlGet("GetNamePath", PersGetNamePath),
};

// TCollectionItem, TCollection ---------------------------------------------------------------------

TCollectionItem *Item(TVlInterpreterArgs &a) { return VlSelf<TCollectionItem>(a); }
void ItemCreate(TVlValue &r, TVlInterpreterArgs &a)
{
    TCollection *collection = VlArgAs<TCollection>(a.Values[0]);
    const TClassInfo *cls = VlSelfClass(a);
    TObject *object = cls->CreateInstance(nullptr);
    auto *item = static_cast<TCollectionItem *>(object);
    if (collection)
        item->SetCollection(collection);
    r = VlObjectValue(item);
}
void ItemGetCollection(TVlValue &r, TVlInterpreterArgs &a) { r = VlObjectValue(Item(a)->Collection()); }
void ItemSetCollection(const TVlValue &v, TVlInterpreterArgs &a) { Item(a)->SetCollection(VlArgAs<TCollection>(v)); }
void ItemGetIndex(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(Item(a)->Index()); }
void ItemSetIndex(const TVlValue &v, TVlInterpreterArgs &a) { Item(a)->SetIndex(ValueToInteger(v)); }
void ItemGetID(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(Item(a)->ID()); }
void ItemGetDisplayName(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(Item(a)->GetDisplayName()); }

const TVlMemberBinding CollectionItemMembers[] = {
    VlGet("Create", ItemCreate, "."), VlGet("Collection", ItemGetCollection), VlSet("Collection", ItemSetCollection),
    VlGet("Index", ItemGetIndex), VlSet("Index", ItemSetIndex), VlGet("ID", ItemGetID),
    VlGet("DisplayName", ItemGetDisplayName),
};

TCollection *Coll(TVlInterpreterArgs &a) { return VlSelf<TCollection>(a); }
void CollCreate(TVlValue &r, TVlInterpreterArgs &a)
{
    const TVlValue &v = a.Values[0];
    auto *itemClass = v.Kind() == varVlClass ? static_cast<const TClassInfo *>(ValueToClass(v)) : nullptr;
    if (!itemClass || !itemClass->InheritsFrom(&TCollectionItem::StaticClassInfo()))
        VlRaiseInvalidCast();
    r = VlObjectValue(new TCollection(*itemClass));
}
void CollAdd(TVlValue &r, TVlInterpreterArgs &a) { r = VlObjectValue(Coll(a)->Add()); }
void CollInsert(TVlValue &r, TVlInterpreterArgs &a) { r = VlObjectValue(Coll(a)->Insert(Int(a, 0))); }
void CollDelete(TVlValue &, TVlInterpreterArgs &a) { Coll(a)->Delete(Int(a, 0)); }
void CollClear(TVlValue &, TVlInterpreterArgs &a) { Coll(a)->Clear(); }
void CollFindItemID(TVlValue &r, TVlInterpreterArgs &a) { r = VlObjectValue(Coll(a)->FindItemID(Int(a, 0))); }
void CollBeginUpdate(TVlValue &, TVlInterpreterArgs &a) { Coll(a)->BeginUpdate(); }
void CollEndUpdate(TVlValue &, TVlInterpreterArgs &a) { Coll(a)->EndUpdate(); }
void CollGetCount(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(Coll(a)->Count()); }
void CollGetItemClass(TVlValue &r, TVlInterpreterArgs &a) { r = ClassToValue(&Coll(a)->ItemClass()); }
void CollGetOwner(TVlValue &r, TVlInterpreterArgs &a) { r = VlObjectValue(Coll(a)->GetOwner()); }
void CollGetItem(TVlValue &r, TVlInterpreterArgs &a) { r = VlObjectValue(Coll(a)->Items(Int(a, 0))); }
void CollSetItem(const TVlValue &v, TVlInterpreterArgs &a) { Coll(a)->Items(Int(a, 0))->Assign(VlArgAs<TPersistent>(v)); }

const TVlMemberBinding CollectionMembers[] = {
    VlGet("Create", CollCreate, "."), VlGet("Add", CollAdd), VlGet("Insert", CollInsert, "."),
    VlGet("Delete", CollDelete, "."), VlGet("Clear", CollClear), VlGet("FindItemID", CollFindItemID, "."),
    VlGet("BeginUpdate", CollBeginUpdate), VlGet("EndUpdate", CollEndUpdate), VlGet("Count", CollGetCount),
    VlGet("ItemClass", CollGetItemClass), VlGet("Owner", CollGetOwner), VlIndexedGet("Items", CollGetItem),
    VlIndexedSet("Items", CollSetItem), VlDefaultGet(CollGetItem), VlDefaultSet(CollSetItem),
};

// TStrings, TStringList ------------------------------------------------------------------------------

TStrings *Strs(TVlInterpreterArgs &a) { return VlSelf<TStrings>(a); }
void StrsAdd(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(Strs(a)->Add(Str(a, 0))); }
void StrsAddObject(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(Strs(a)->AddObject(Str(a, 0), VlArgObject(a.Values[1]))); }
void StrsAppend(TVlValue &, TVlInterpreterArgs &a) { Strs(a)->Append(Str(a, 0)); }
void StrsInsert(TVlValue &, TVlInterpreterArgs &a) { Strs(a)->Insert(Int(a, 0), Str(a, 1)); }
void StrsInsertObject(TVlValue &, TVlInterpreterArgs &a) { Strs(a)->InsertObject(Int(a, 0), Str(a, 1), VlArgObject(a.Values[2])); }
void StrsDelete(TVlValue &, TVlInterpreterArgs &a) { Strs(a)->Delete(Int(a, 0)); }
void StrsClear(TVlValue &, TVlInterpreterArgs &a) { Strs(a)->Clear(); }
void StrsExchange(TVlValue &, TVlInterpreterArgs &a) { Strs(a)->Exchange(Int(a, 0), Int(a, 1)); }
void StrsMove(TVlValue &, TVlInterpreterArgs &a) { Strs(a)->Move(Int(a, 0), Int(a, 1)); }
void StrsIndexOf(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(Strs(a)->IndexOf(Str(a, 0))); }
void StrsIndexOfName(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(Strs(a)->IndexOfName(Str(a, 0))); }
void StrsIndexOfObject(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(Strs(a)->IndexOfObject(VlArgObject(a.Values[0]))); }
void StrsAddStrings(TVlValue &, TVlInterpreterArgs &a)
{
    if (TStrings *other = VlArgAs<TStrings>(a.Values[0]))
        Strs(a)->AddStrings(*other);
}
void StrsEquals(TVlValue &r, TVlInterpreterArgs &a)
{
    TStrings *other = VlArgAs<TStrings>(a.Values[0]);
    r = TVlValue::Boolean(other && Strs(a)->Equals(*other));
}
void StrsBeginUpdate(TVlValue &, TVlInterpreterArgs &a) { Strs(a)->BeginUpdate(); }
void StrsEndUpdate(TVlValue &, TVlInterpreterArgs &a) { Strs(a)->EndUpdate(); }
void StrsLoadFromFile(TVlValue &, TVlInterpreterArgs &a) { Strs(a)->LoadFromFile(Str(a, 0)); }
void StrsSaveToFile(TVlValue &, TVlInterpreterArgs &a) { Strs(a)->SaveToFile(Str(a, 0)); }
TStream &StreamArg(const TVlValue &v)
{
    TStream *stream = VlArgAs<TStream>(v);
    if (!stream)
        VlRaiseInvalidCast();
    return *stream;
}
void StrsLoadFromStream(TVlValue &, TVlInterpreterArgs &a) { Strs(a)->LoadFromStream(StreamArg(a.Values[0])); }
void StrsSaveToStream(TVlValue &, TVlInterpreterArgs &a) { Strs(a)->SaveToStream(StreamArg(a.Values[0])); }
void StrsGetCount(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(Strs(a)->Count()); }
void StrsGetText(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(Strs(a)->Text()); }
void StrsSetText(const TVlValue &v, TVlInterpreterArgs &a) { Strs(a)->SetText(ValueToString(v)); }
void StrsGetCommaText(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(Strs(a)->CommaText()); }
void StrsSetCommaText(const TVlValue &v, TVlInterpreterArgs &a) { Strs(a)->SetCommaText(ValueToString(v)); }
void StrsGetDelimitedText(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(Strs(a)->DelimitedText()); }
void StrsSetDelimitedText(const TVlValue &v, TVlInterpreterArgs &a) { Strs(a)->SetDelimitedText(ValueToString(v)); }
char FirstChar(const TVlValue &v)
{
    std::string s = ValueToString(v);
    return s.empty() ? '\0' : s[0];
}
void StrsGetDelimiter(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(std::string(1, Strs(a)->Delimiter())); }
void StrsSetDelimiter(const TVlValue &v, TVlInterpreterArgs &a) { Strs(a)->SetDelimiter(FirstChar(v)); }
void StrsGetQuoteChar(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(std::string(1, Strs(a)->QuoteChar())); }
void StrsSetQuoteChar(const TVlValue &v, TVlInterpreterArgs &a) { Strs(a)->SetQuoteChar(FirstChar(v)); }
void StrsGetNameValueSeparator(TVlValue &r, TVlInterpreterArgs &a)
{
    r = TVlValue::String(std::string(1, Strs(a)->NameValueSeparator()));
}
void StrsSetNameValueSeparator(const TVlValue &v, TVlInterpreterArgs &a) { Strs(a)->SetNameValueSeparator(FirstChar(v)); }
void StrsGetStrictDelimiter(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Boolean(Strs(a)->StrictDelimiter()); }
void StrsSetStrictDelimiter(const TVlValue &v, TVlInterpreterArgs &a) { Strs(a)->SetStrictDelimiter(ValueToBoolean(v)); }
void StrsGetCapacity(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(Strs(a)->Capacity()); }
void StrsSetCapacity(const TVlValue &v, TVlInterpreterArgs &a)
{
    VlCheckScriptRequest(ValueToInteger(v), sizeof(std::string));
    Strs(a)->SetCapacity(ValueToInteger(v));
}
void StrsSetTextMethod(TVlValue &, TVlInterpreterArgs &a) { Strs(a)->SetText(Str(a, 0)); }
void StrsGetString(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(Strs(a)->Strings(Int(a, 0))); }
void StrsSetString(const TVlValue &v, TVlInterpreterArgs &a) { Strs(a)->Put(Int(a, 0), ValueToString(v)); }
void StrsGetObject(TVlValue &r, TVlInterpreterArgs &a) { r = VlObjectValue(Strs(a)->Objects(Int(a, 0))); }
void StrsSetObject(const TVlValue &v, TVlInterpreterArgs &a) { Strs(a)->PutObject(Int(a, 0), VlArgObject(v)); }
void StrsGetValue(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(Strs(a)->Values(Str(a, 0))); }
void StrsSetValue(const TVlValue &v, TVlInterpreterArgs &a) { Strs(a)->SetValues(Str(a, 0), ValueToString(v)); }
void StrsGetName(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(Strs(a)->Names(Int(a, 0))); }
void StrsGetValueFromIndex(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(Strs(a)->ValueFromIndex(Int(a, 0))); }
void StrsStringsAdapter(TVlValue &, TVlInterpreterArgs &) { VlNotImplemented("TStrings.StringsAdapter"); }
void StrsSetStringsAdapter(const TVlValue &, TVlInterpreterArgs &) { VlNotImplemented("TStrings.StringsAdapter"); }

const TVlMemberBinding StringsMembers[] = {
    VlGet("Add", StrsAdd, "."), VlGet("AddObject", StrsAddObject, ".."), VlGet("Append", StrsAppend, "."),
    VlGet("Insert", StrsInsert, ".."), VlGet("InsertObject", StrsInsertObject, "..."),
    VlGet("Delete", StrsDelete, "."), VlGet("Clear", StrsClear), VlGet("Exchange", StrsExchange, ".."),
    VlGet("Move", StrsMove, ".."), VlGet("IndexOf", StrsIndexOf, "."), VlGet("IndexOfName", StrsIndexOfName, "."),
    VlGet("IndexOfObject", StrsIndexOfObject, "."), VlGet("AddStrings", StrsAddStrings, "."),
    VlGet("Equals", StrsEquals, "."), VlGet("BeginUpdate", StrsBeginUpdate), VlGet("EndUpdate", StrsEndUpdate),
    VlGet("LoadFromFile", StrsLoadFromFile, "."), VlGet("SaveToFile", StrsSaveToFile, "."),
    VlGet("LoadFromStream", StrsLoadFromStream, "."), VlGet("SaveToStream", StrsSaveToStream, "."),
    VlGet("Count", StrsGetCount), VlGet("Text", StrsGetText), VlSet("Text", StrsSetText),
    VlGet("GetText", StrsGetText), VlGet("SetText", StrsSetTextMethod, "."),
    VlGet("Capacity", StrsGetCapacity), VlSet("Capacity", StrsSetCapacity),
    VlGet("CommaText", StrsGetCommaText), VlSet("CommaText", StrsSetCommaText),
    VlGet("DelimitedText", StrsGetDelimitedText), VlSet("DelimitedText", StrsSetDelimitedText),
    VlGet("Delimiter", StrsGetDelimiter), VlSet("Delimiter", StrsSetDelimiter),
    VlGet("QuoteChar", StrsGetQuoteChar), VlSet("QuoteChar", StrsSetQuoteChar),
    VlGet("NameValueSeparator", StrsGetNameValueSeparator), VlSet("NameValueSeparator", StrsSetNameValueSeparator),
    VlGet("StrictDelimiter", StrsGetStrictDelimiter), VlSet("StrictDelimiter", StrsSetStrictDelimiter),
    VlGet("StringsAdapter", StrsStringsAdapter), VlSet("StringsAdapter", StrsSetStringsAdapter),
    VlIndexedGet("Strings", StrsGetString), VlIndexedSet("Strings", StrsSetString),
    VlIndexedGet("Objects", StrsGetObject), VlIndexedSet("Objects", StrsSetObject),
    VlIndexedGet("Values", StrsGetValue), VlIndexedSet("Values", StrsSetValue),
    VlIndexedGet("Names", StrsGetName), VlIndexedGet("ValueFromIndex", StrsGetValueFromIndex),
    VlDefaultGet(StrsGetString), VlDefaultSet(StrsSetString),
};

TStringList *SList(TVlInterpreterArgs &a) { return VlSelf<TStringList>(a); }
void SListCreate(TVlValue &r, TVlInterpreterArgs &) { r = VlObjectValue(new TStringList); }
void SListFind(TVlValue &r, TVlInterpreterArgs &a)
{
    int index = 0;
    r = TVlValue::Boolean(SList(a)->Find(Str(a, 0), index));
    a.Values[1] = TVlValue::Integer(index);
}
void SListSort(TVlValue &, TVlInterpreterArgs &a) { SList(a)->Sort(); }
void SListGetSorted(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Boolean(SList(a)->Sorted()); }
void SListSetSorted(const TVlValue &v, TVlInterpreterArgs &a) { SList(a)->SetSorted(ValueToBoolean(v)); }
void SListGetDuplicates(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(int32_t(SList(a)->Duplicates())); }
void SListSetDuplicates(const TVlValue &v, TVlInterpreterArgs &a)
{
    int d = ValueToInteger(v);
    SList(a)->SetDuplicates(d == 1 ? TDuplicates::dupAccept : d == 2 ? TDuplicates::dupError : TDuplicates::dupIgnore);
}
void SListGetCaseSensitive(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Boolean(SList(a)->CaseSensitive()); }
void SListSetCaseSensitive(const TVlValue &v, TVlInterpreterArgs &a) { SList(a)->SetCaseSensitive(ValueToBoolean(v)); }

const TVlMemberBinding StringListMembers[] = {
    VlGet("Create", SListCreate), VlGet("Find", SListFind, ".v"), VlGet("Sort", SListSort),
    VlGet("Sorted", SListGetSorted), VlSet("Sorted", SListSetSorted),
    VlGet("Duplicates", SListGetDuplicates), VlSet("Duplicates", SListSetDuplicates),
    VlGet("CaseSensitive", SListGetCaseSensitive), VlSet("CaseSensitive", SListSetCaseSensitive),
};

// Streams ---------------------------------------------------------------------------------------------

TStream *Strm(TVlInterpreterArgs &a) { return VlSelf<TStream>(a); }
TVlValue Int64Value(int64_t v)
{
    return v >= INT32_MIN && v <= INT32_MAX ? TVlValue::Integer(int32_t(v)) : TVlValue::Double(double(v));
}
// Read and ReadBuffer fill a string buffer; Write and WriteBuffer take the bytes of a string.
void StrmRead(TVlValue &r, TVlInterpreterArgs &a)
{
    int64_t count = std::clamp<int64_t>(Int(a, 1), 0, Strm(a)->Remaining());
    std::string buffer(size_t(count), '\0');
    int64_t n = Strm(a)->Read(buffer.data(), count);
    buffer.resize(size_t(std::max<int64_t>(n, 0)));
    a.Values[0] = TVlValue::String(buffer);
    r = Int64Value(n);
}
void StrmReadBuffer(TVlValue &, TVlInterpreterArgs &a)
{
    int64_t count = std::max(0, Int(a, 1));
    if (count > Strm(a)->Remaining())
        Strm(a)->ReadBuffer(nullptr, count);  // raises the stream's read error
    std::string buffer(size_t(count), '\0');
    Strm(a)->ReadBuffer(buffer.data(), count);
    a.Values[0] = TVlValue::String(buffer);
}
void StrmWrite(TVlValue &r, TVlInterpreterArgs &a)
{
    std::string buffer = Str(a, 0);
    int64_t count = std::clamp<int64_t>(Int(a, 1), 0, int64_t(buffer.size()));
    r = Int64Value(Strm(a)->Write(buffer.data(), count));
}
void StrmWriteBuffer(TVlValue &, TVlInterpreterArgs &a)
{
    std::string buffer = Str(a, 0);
    int64_t count = std::clamp<int64_t>(Int(a, 1), 0, int64_t(buffer.size()));
    Strm(a)->WriteBuffer(buffer.data(), count);
}
void StrmSeek(TVlValue &r, TVlInterpreterArgs &a)
{
    int origin = Int(a, 1);
    auto o = origin == 1 ? TSeekOrigin::soCurrent : origin == 2 ? TSeekOrigin::soEnd : TSeekOrigin::soBeginning;
    r = Int64Value(Strm(a)->Seek(ValueToInt64(a.Values[0]), o));
}
void StrmCopyFrom(TVlValue &r, TVlInterpreterArgs &a) { r = Int64Value(Strm(a)->CopyFrom(StreamArg(a.Values[0]), ValueToInt64(a.Values[1]))); }
void StrmGetPosition(TVlValue &r, TVlInterpreterArgs &a) { r = Int64Value(Strm(a)->Position()); }
void StrmSetPosition(const TVlValue &v, TVlInterpreterArgs &a) { Strm(a)->SetPosition(ValueToInt64(v)); }
void StrmGetSize(TVlValue &r, TVlInterpreterArgs &a) { r = Int64Value(Strm(a)->Size()); }
void StrmSetSize(const TVlValue &v, TVlInterpreterArgs &a)
{
    VlCheckScriptRequest(ValueToInt64(v));
    Strm(a)->SetSize(ValueToInt64(v));
}

const TVlMemberBinding StreamMembers[] = {
    VlGet("Read", StrmRead, "v."), VlGet("ReadBuffer", StrmReadBuffer, "v."), VlGet("Write", StrmWrite, ".."),
    VlGet("WriteBuffer", StrmWriteBuffer, ".."), VlGet("Seek", StrmSeek, ".."), VlGet("CopyFrom", StrmCopyFrom, ".."),
    VlGet("Position", StrmGetPosition), VlSet("Position", StrmSetPosition),
    VlGet("Size", StrmGetSize), VlSet("Size", StrmSetSize),
};

void FStrmCreate(TVlValue &r, TVlInterpreterArgs &a) { r = VlObjectValue(new TFileStream(Str(a, 0), uint32_t(Int(a, 1)))); }
void FStrmFileName(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(VlSelf<TFileStream>(a)->FileName()); }
void FStrmHandle(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(VlSelf<TFileStream>(a)->Handle()); }
const TVlMemberBinding FileStreamMembers[] = {
    VlGet("Create", FStrmCreate, ".."), VlGet("FileName", FStrmFileName), VlGet("Handle", FStrmHandle),
};

TMemoryStream *MStrm(TVlInterpreterArgs &a) { return VlSelf<TMemoryStream>(a); }
void MStrmCreate(TVlValue &r, TVlInterpreterArgs &) { r = VlObjectValue(new TMemoryStream); }
void MStrmClear(TVlValue &, TVlInterpreterArgs &a) { MStrm(a)->Clear(); }
void MStrmLoadFromStream(TVlValue &, TVlInterpreterArgs &a) { MStrm(a)->LoadFromStream(StreamArg(a.Values[0])); }
void MStrmSaveToStream(TVlValue &, TVlInterpreterArgs &a) { MStrm(a)->SaveToStream(StreamArg(a.Values[0])); }
void MStrmLoadFromFile(TVlValue &, TVlInterpreterArgs &a) { MStrm(a)->LoadFromFile(Str(a, 0)); }
void MStrmSaveToFile(TVlValue &, TVlInterpreterArgs &a) { MStrm(a)->SaveToFile(Str(a, 0)); }
void MStrmSetSize(TVlValue &, TVlInterpreterArgs &a)
{
    VlCheckScriptRequest(ValueToInt64(a.Values[0]));
    MStrm(a)->SetSize(ValueToInt64(a.Values[0]));
}
void MStrmMemory(TVlValue &r, TVlInterpreterArgs &a)
{
    VlExposeStreamMemory(MStrm(a));
    r = PointerToValue(const_cast<uint8_t *>(MStrm(a)->Memory()));
}
const TVlMemberBinding MemoryStreamMembers[] = {
    VlGet("Create", MStrmCreate), VlGet("Clear", MStrmClear), VlGet("LoadFromStream", MStrmLoadFromStream, "."),
    VlGet("SaveToStream", MStrmSaveToStream, "."), VlGet("LoadFromFile", MStrmLoadFromFile, "."),
    VlGet("SaveToFile", MStrmSaveToFile, "."), VlGet("SetSize", MStrmSetSize, "."), VlGet("Memory", MStrmMemory),
};

TStringStream *SStrm(TVlInterpreterArgs &a) { return VlSelf<TStringStream>(a); }
void SStrmCreate(TVlValue &r, TVlInterpreterArgs &a) { r = VlObjectValue(new TStringStream(Str(a, 0))); }
void SStrmDataString(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(SStrm(a)->DataString()); }
void SStrmReadString(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(SStrm(a)->ReadString(std::max(0, Int(a, 0)))); }
void SStrmWriteString(TVlValue &, TVlInterpreterArgs &a) { SStrm(a)->WriteString(Str(a, 0)); }
const TVlMemberBinding StringStreamMembers[] = {
    VlGet("Create", SStrmCreate, "."), VlGet("DataString", SStrmDataString),
    VlGet("ReadString", SStrmReadString, "."), VlGet("WriteString", SStrmWriteString, "."),
};

// TComponent ------------------------------------------------------------------------------------------

TComponent *Comp(TVlInterpreterArgs &a) { return VlSelf<TComponent>(a); }
void CompCreate(TVlValue &r, TVlInterpreterArgs &a)
{
    TComponent *owner = VlArgAs<TComponent>(a.Values[0]);
    r = VlObjectValue(VlSelfClass(a)->CreateInstance(owner));
}
void CompFindComponent(TVlValue &r, TVlInterpreterArgs &a) { r = VlObjectValue(Comp(a)->FindComponent(Str(a, 0))); }
void CompInsertComponent(TVlValue &, TVlInterpreterArgs &a)
{
    if (TComponent *c = VlArgAs<TComponent>(a.Values[0]))
        Comp(a)->InsertComponent(c);
}
void CompRemoveComponent(TVlValue &, TVlInterpreterArgs &a)
{
    if (TComponent *c = VlArgAs<TComponent>(a.Values[0]))
        Comp(a)->RemoveComponent(c);
}
void CompDestroyComponents(TVlValue &, TVlInterpreterArgs &a) { Comp(a)->DestroyComponents(); }
void CompDestroying(TVlValue &, TVlInterpreterArgs &a) { Comp(a)->Destroying(); }
void CompFreeNotification(TVlValue &, TVlInterpreterArgs &a)
{
    if (TComponent *c = VlArgAs<TComponent>(a.Values[0]))
        Comp(a)->FreeNotification(c);
}
void CompRemoveFreeNotification(TVlValue &, TVlInterpreterArgs &a)
{
    if (TComponent *c = VlArgAs<TComponent>(a.Values[0]))
        Comp(a)->RemoveFreeNotification(c);
}
void CompHasParent(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Boolean(Comp(a)->HasParent()); }
void CompGetParentComponent(TVlValue &r, TVlInterpreterArgs &a) { r = VlObjectValue(Comp(a)->GetParentComponent()); }
void CompGetComponentCount(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(Comp(a)->ComponentCount()); }
void CompGetComponentIndex(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(Comp(a)->ComponentIndex()); }
void CompSetComponentIndex(const TVlValue &v, TVlInterpreterArgs &a) { Comp(a)->SetComponentIndex(ValueToInteger(v)); }
void CompGetComponent(TVlValue &r, TVlInterpreterArgs &a) { r = VlObjectValue(Comp(a)->Components(Int(a, 0))); }
void CompGetOwner(TVlValue &r, TVlInterpreterArgs &a) { r = VlObjectValue(Comp(a)->Owner()); }
// A set over csLoading .. csDesigning, whose element numbers are the flags' bit numbers.
void CompComponentState(TVlValue &r, TVlInterpreterArgs &a) { r = SetToValue(Comp(a)->ComponentState()); }

const TVlMemberBinding ComponentMembers[] = {
    VlGet("Create", CompCreate, "."), VlGet("FindComponent", CompFindComponent, "."),
    VlGet("InsertComponent", CompInsertComponent, "."), VlGet("RemoveComponent", CompRemoveComponent, "."),
    VlGet("DestroyComponents", CompDestroyComponents), VlGet("Destroying", CompDestroying),
    VlGet("FreeNotification", CompFreeNotification, "."),
    VlGet("RemoveFreeNotification", CompRemoveFreeNotification, "."), VlGet("HasParent", CompHasParent),
    VlGet("GetParentComponent", CompGetParentComponent), VlGet("ComponentCount", CompGetComponentCount),
    VlGet("ComponentIndex", CompGetComponentIndex), VlSet("ComponentIndex", CompSetComponentIndex),
    VlIndexedGet("Components", CompGetComponent), VlGet("Owner", CompGetOwner),
    VlGet("ComponentState", CompComponentState),
};

const TVlIntConstant ClassesConstants[] = {
    {"ssShift", 0}, {"ssAlt", 1}, {"ssCtrl", 2}, {"ssLeft", 3}, {"ssRight", 4}, {"ssMiddle", 5},
    {"ssDouble", 6}, {"dupIgnore", 0}, {"dupAccept", 1}, {"dupError", 2}, {"soFromBeginning", 0},
    {"soFromCurrent", 1}, {"soFromEnd", 2}, {"fmCreate", int32_t(fmCreate)}, {"taLeftJustify", 0},
    {"taRightJustify", 1}, {"taCenter", 2}, {"opInsert", 0}, {"opRemove", 1}, {"csLoading", 0},
    {"csReading", 1}, {"csWriting", 2}, {"csDestroying", 3}, {"csDesigning", 4},
};

struct TClassTable {
    const TClassInfo &(*Info)();
    std::span<const TVlMemberBinding> Members;
};

} // namespace

// The event bridge ------------------------------------------------------------------------------------

// The handlers build their arguments on their own stack: the routine may free the bridge.
void TVlInterpreterClassesEvent::NotifyEvent(void *bridge, TObject *sender)
{
    TVlInterpreterArgs args;
    args.Add(ObjectToValue(sender));
    Call(bridge, args);
}

bool TVlInterpreterClassesEvent::HelpEvent(void *bridge, uint16_t command, int32_t data, bool &callHelp)
{
    TVlInterpreterArgs args;
    args.Add(TVlValue::Integer(command));
    args.Add(TVlValue::Integer(data));
    args.Add(TVlValue::Boolean(callHelp));
    TVlValue result = Call(bridge, args);
    callHelp = ValueToBoolean(args.Values[2]);
    return !result.IsEmpty() && !result.IsNull() && ValueToBoolean(result);
}

TVlInterpreterEvent *TVlInterpreterClassesEvent::Create(TVlInterpreterProgram *owner, void *object,
                                                         const std::string &unitName,
                                                         const std::string &routineName,
                                                         const std::string &propertyName)
{
    return new TVlInterpreterClassesEvent(owner, object, unitName, routineName, propertyName);
}

void VlRegisterClasses(TVlInterpreterAdapter &adapter)
{
    // Base classes first: default properties are searched in list order.
    const TClassTable classes[] = {
        {TList::StaticClassInfo, ListMembers},
        {TPersistent::StaticClassInfo, PersistentMembers},
        {TCollectionItem::StaticClassInfo, CollectionItemMembers},
        {TCollection::StaticClassInfo, CollectionMembers},
        {TStrings::StaticClassInfo, StringsMembers},
        {TStringList::StaticClassInfo, StringListMembers},
        {TStream::StaticClassInfo, StreamMembers},
        {TFileStream::StaticClassInfo, FileStreamMembers},
        {TMemoryStream::StaticClassInfo, MemoryStreamMembers},
        {TStringStream::StaticClassInfo, StringStreamMembers},
        {TComponent::StaticClassInfo, ComponentMembers},
    };
    for (const TClassTable &c : classes) {
        VlRegisterClass(adapter, "Classes", c.Info());
        VlRegisterMembers(adapter, c.Info(), c.Members);
    }
    for (const TClassInfo *cls : VlExceptionClassesOf("Classes")) {
        VlRegisterClass(adapter, "Classes", *cls);
        VlRegisterExceptionConstructors(adapter, *cls);
    }
    VlRegisterIntConstants(adapter, "Classes", ClassesConstants);
    adapter.AddEventHandler("Classes", "TNotifyEvent", TVlInterpreterClassesEvent::Create,
                            reinterpret_cast<void *>(&TVlInterpreterClassesEvent::NotifyEvent));
    adapter.AddEventHandler("Classes", "THelpEvent", TVlInterpreterClassesEvent::Create,
                            reinterpret_cast<void *>(&TVlInterpreterClassesEvent::HelpEvent));
}
