// Declared types and initial values of the fuller dialect: ordinal, subrange, enumeration, set,
// string[N], array types with constant-expression bounds, record types, typed constant values.
#include "VlInterpreter.h"

namespace {

// The bounds of an ordinal type used as an array index type or set base type.
bool OrdinalBounds(const TVlDataTypePtr &type, int64_t &low, int64_t &high)
{
    auto ordinal = std::dynamic_pointer_cast<const TVlInterpreterOrdinalDataType>(type);
    if (!ordinal || ordinal->High - ordinal->Low > 16 * 1024 * 1024)
        return false;
    low = ordinal->Low;
    high = ordinal->High;
    return true;
}

} // namespace

// The value of a constant expression as an ordinal number (code 108 for other values).
int64_t TVlInterpreterFunction::ReadOrdinalConstant(TVlValue &value)
{
    int32_t start = TokenStart();
    EvaluateWithoutAssignment(value);
    int64_t ordinal = 0;
    if (!VlOrdinalOf(value, ordinal))
        RaiseError(erIntegerRequired, start);
    return ordinal;
}

// A name of a type: declared in a type section, or a standard ordinal type.
TVlDataTypePtr TVlInterpreterFunction::FindTypeName(int32_t atom, const std::string &name)
{
    if (TVlDataTypePtr declared = Adapter->FindDeclaredType(atom))
        return declared;
    return VlStandardOrdinalType(name);
}

// Declares the members of an enumeration as constants of the scope being read.
void TVlInterpreterFunction::DeclareEnumMember(const std::string &name, const TVlValue &member)
{
    if (TRoutineFrame *frame = CurrentFrame())
        frame->Vars.DeclareVar(CurrentUnitName, name, member, 0, std::string());
    else
        Adapter->AddSourceVariable(CurrentUnitName, name, nullptr, member, 0, std::string());
}

int32_t TVlInterpreterExpression::EnumTypeIndex(int32_t openToken,
                                                std::shared_ptr<const TVlInterpreterOrdinalDataType> type)
{
    std::pair<const TVlSource *, int32_t> key{Source.get(), openToken};
    for (const auto &[where, index] : EnumTypeSlots)
        if (where == key) {
            EnumTypes[static_cast<size_t>(index)] = std::move(type);
            return index;
        }
    EnumTypes.push_back(std::move(type));
    EnumTypeSlots.emplace_back(key, static_cast<int32_t>(EnumTypes.size()) - 1);
    return EnumTypeSlots.back().second;
}

bool TVlInterpreterExpression::EnumMemberName(const TVlValue &value, std::string &name) const
{
    if (value.Kind() != varVlEnum)
        return false;
    int32_t id = VlEnumId(value);
    int32_t ordinal = value.RawInteger();
    if (id < 0 || static_cast<size_t>(id) >= EnumTypes.size() || ordinal < 0 ||
        static_cast<size_t>(ordinal) >= EnumTypes[static_cast<size_t>(id)]->Names.size())
        return false;
    name = EnumTypes[static_cast<size_t>(id)]->Names[static_cast<size_t>(ordinal)];
    return true;
}

// type = ... in the fuller dialect, at its first token; the current token is then its last one
// (a type that ends with an expression leaves the token after it pushed back).
TVlDataTypePtr TVlInterpreterFunction::ReadExtendedDataType(std::string &typeName)
{
    static const int32_t stringAtom = VlNames().Intern("string");
    static const int32_t setAtom = VlNames().Intern("set");
    static const int32_t packedAtom = VlNames().Intern("packed");
    int32_t next = TokenBase[NextIndex].Kind;
    if (TokenKind == tkIdentifier && !TokenBacked) {
        typeName = *TokenNamePtr;
        int32_t atom = TokenAtom;
        if (atom == packedAtom) {
            NextToken();
            return ReadExtendedDataType(typeName);
        }
        if (atom == stringAtom && next == tkLBracket) {
            NextToken();
            NextToken();
            TVlValue length;
            int64_t n = ReadOrdinalConstant(length);
            if (TokenKind != tkRBracket)
                ReportExpected("']'");
            int32_t limit = static_cast<int32_t>(std::clamp<int64_t>(n, 1, 255));
            typeName = "string[" + std::to_string(limit) + "]";
            return std::make_shared<TVlInterpreterShortStringDataType>(limit);
        }
        if (atom == setAtom && next == tkOf) {
            NextToken();
            NextToken();
            std::string elementName;
            ReadExtendedDataType(elementName);
            typeName = "set";
            return std::make_shared<TVlInterpreterSetDataType>();
        }
        if (next != tkDotDot && !IsOperatorKind(next)) {
            std::shared_ptr<const TVlInterpreterRecord> record = Adapter->FindRecordType(typeName);
            if (!record && Global != Adapter.get())
                record = Global->FindRecordType(typeName);
            if (record)
                return std::make_shared<TVlInterpreterRecordDataType>(record);
            if (TVlDataTypePtr declared = Adapter->FindDeclaredType(atom)) {
                if (auto text = std::dynamic_pointer_cast<const TVlInterpreterShortStringDataType>(declared))
                    typeName = "string[" + std::to_string(text->MaxLength) + "]";  // what stores read
                return declared;
            }
            uint16_t kind = VlExtendedKindOfTypeName(typeName);
            if (std::shared_ptr<const TVlInterpreterOrdinalDataType> ordinal = VlStandardOrdinalType(typeName);
                ordinal && kind != varInteger)
                return ordinal;  // Integer variables stay simple: the fast paths know them
            return std::make_shared<TVlInterpreterSimpleDataType>(kind, true);
        }
    }
    switch (TokenKind) {
    case tkLParen: {
        // ( name {, name} ): an enumeration.
        auto type = std::make_shared<TVlInterpreterOrdinalDataType>(varInteger, 0, -1);
        type->EnumId = EnumTypeIndex(TokIndex, type);
        do {
            NextToken();
            if (TokenKind != tkIdentifier)
                ReportExpected(ErrorMessageText(erTextIdentifier));
            type->Names.push_back(*TokenNamePtr);
            DeclareEnumMember(*TokenNamePtr, VlEnumValue(++type->High, type->EnumId));
            NextToken();
        } while (TokenKind == tkComma);
        if (TokenKind != tkRParen)
            ReportExpected("')'");
        typeName = "enumeration";
        return type;
    }
    case tkArray:
        return ReadExtendedArrayType(typeName);
    case tkRecord: {
        std::string name = "record " + std::to_string(TokIndex);
        typeName = name;
        return std::make_shared<TVlInterpreterRecordDataType>(ReadRecordBody(name));
    }
    default: {
        // low .. high: a subrange of integers, characters or enumeration members.
        TVlValue lowValue, highValue;
        int64_t low = ReadOrdinalConstant(lowValue);
        if (TokenKind != tkDotDot)
            ReportExpected("'..'");
        NextToken();
        int64_t high = ReadOrdinalConstant(highValue);
        BackToken();
        uint16_t kind = lowValue.IsString() ? varString : lowValue.Kind() == varBoolean ? varBoolean : varInteger;
        typeName = "subrange";
        auto type = std::make_shared<TVlInterpreterOrdinalDataType>(kind, low, high);
        if (lowValue.Kind() == varVlEnum)
            type->EnumId = VlEnumId(lowValue);  // a subrange of an enumeration
        return type;
    }
    }
}

bool TVlInterpreterFunction::IsOperatorKind(int32_t kind)
{
    return kind >= tkNot && kind <= tkXor && kind != tkEqual;
}

// array [ index {, index} ] of type | array of type; an index is low..high or an ordinal type.
TVlDataTypePtr TVlInterpreterFunction::ReadExtendedArrayType(std::string &typeName)
{
    typeName = TokenText();
    auto type = std::make_shared<TVlInterpreterArrayDataType>();
    type->OrdinalIndexes = true;
    NextToken();
    if (TokenKind == tkOf) {
        type->DimCount = 1;
        type->LowBounds[0] = 0;
        type->HighBounds[0] = -1;
        type->Dynamic = true;
    } else if (TokenKind == tkLBracket) {
        int32_t dims = 0;
        for (;;) {
            NextToken();
            int64_t low = 0, high = 0;
            int32_t after = TokenBase[NextIndex].Kind;
            TVlDataTypePtr indexType;
            if (TokenKind == tkIdentifier && (after == tkComma || after == tkRBracket))
                indexType = FindTypeName(TokenAtom, *TokenNamePtr);
            if (indexType || TokenKind == tkLParen) {
                std::string indexName;
                if (!indexType)
                    indexType = ReadExtendedDataType(indexName);
                if (!OrdinalBounds(indexType, low, high))
                    RaiseError(erInvalidRange, ReaderPos());
                NextToken();
            } else {
                TVlValue lowValue, highValue;
                low = ReadOrdinalConstant(lowValue);
                if (TokenKind != tkDotDot)
                    ReportExpected("'..'");
                NextToken();
                high = ReadOrdinalConstant(highValue);
            }
            // Where the core dialect reports them: just after the high bound.
            int32_t afterHigh = TokIndex > 0 ? TokenBase[TokIndex - 1].End : ReaderPos();
            if (dims >= 10)
                RaiseError(erInvalidDimension, afterHigh);
            if (high < low)
                RaiseError(erInvalidRange, afterHigh);
            type->LowBounds[dims] = static_cast<int32_t>(low);
            type->HighBounds[dims] = static_cast<int32_t>(high);
            ++dims;
            if (TokenKind == tkComma)
                continue;
            if (TokenKind == tkRBracket)
                break;
            ReportExpected("']'");
        }
        type->DimCount = dims;
        NextToken();
        if (TokenKind != tkOf)
            ReportExpected("'of'");
    } else {
        ReportExpected(std::string("'[") + VlOrText + "of'");
    }
    NextToken();
    std::string elementName;
    type->ElementType = ReadExtendedDataType(elementName);
    uint16_t elementKind = type->ElementType->KindCode();
    type->ElementKind = elementKind == varVlArray || elementKind == varVariant ? 0 : elementKind;
    return type;
}

// record fields end: every field a whole value initialised by its declared type; the last field
// needs no ";". The current token is then "end".
std::shared_ptr<const TVlInterpreterRecord> TVlInterpreterFunction::ReadRecordBody(const std::string &name)
{
    auto record = std::make_shared<TVlInterpreterRecord>();
    record->UnitName = CurrentUnitName;
    record->Identifier = name;
    NextToken();
    std::vector<std::string> names;
    while (TokenKind == tkIdentifier) {
        names.clear();
        for (;;) {
            names.push_back(*TokenNamePtr);
            NextToken();
            if (TokenKind != tkComma)
                break;
            NextToken();
            if (TokenKind != tkIdentifier)
                ReportExpected(ErrorMessageText(erTextIdentifier));
        }
        if (TokenKind != tkColon)
            ReportExpected("':'");
        NextToken();
        std::string typeName;
        TVlDataTypePtr type = ReadDataType(typeName);
        for (const std::string &field : names) {
            if (record->Fields.size() >= VlMaxArgs)
                RaiseError(erTooManyParams, TokenStart());
            TVlInterpreterRecField entry;
            entry.Identifier = field;
            entry.Offset = record->RecordSize;
            entry.DataType = type;
            record->Fields.push_back(entry);
            record->RecordSize += 16;
        }
        NextToken();
        if (TokenKind == tkSemicolon)
            NextToken();
        else if (TokenKind != tkEnd)
            ReportExpected("';'");
    }
    if (TokenKind != tkEnd)
        ReportExpected("'end'");
    // A routine's own record type is read at every call: the newest reading replaces the last.
    for (auto &existing : Adapter->RecordTypes)
        if (VlSameName(existing->Identifier, name)) {
            record->NameAtom = existing->NameAtom;
            existing = record;
            return record;
        }
    Adapter->AddScriptRecordType(record);
    return record;
}

// The value of a typed constant or initialised variable, at its first token; the current token
// is then the one after it. ( a, b, ... ) for arrays, ( field: value; ... ) for records.
void TVlInterpreterFunction::ReadInitializer(const TVlDataTypePtr &type, TVlValue &value)
{
    type->InitValue(value);
    if (value.IsScriptArray() && TokenKind == tkLParen) {
        TVlInterpreterArrayRec &array = *value.RawScriptArray();
        int32_t indexes[10] = {};
        ReadArrayInitializer(array, 0, indexes);
        return;
    }
    if (value.IsRecord() && TokenKind == tkLParen) {
        ReadRecordInitializer(value);
        return;
    }
    TVlValue given;
    EvaluateWithoutAssignment(given);
    uint16_t kind = type->KindCode();
    if (kind == 0 || kind == varVariant)
        AssignValue(value, given);
    else
        value = ConvertToKind(given, kind);
}

void TVlInterpreterFunction::ReadArrayInitializer(TVlInterpreterArrayRec &array, int32_t dim, int32_t *indexes)
{
    if (TokenKind != tkLParen)
        ReportExpected("'('");
    for (int32_t i = array.LowBounds[dim];; ++i) {
        NextToken();
        indexes[dim] = i;
        if (dim + 1 < array.DimCount) {
            ReadArrayInitializer(array, dim + 1, indexes);
        } else {
            TVlValue item;
            ReadInitializer(array.ElementType ? array.ElementType
                                              : std::make_shared<TVlInterpreterSimpleDataType>(array.ElementKind, true),
                            item);
            StoreScriptArrayElement(array, ScriptArrayPosition(array, indexes, array.DimCount), item);
        }
        if (TokenKind != tkComma)
            break;
        if (i >= array.HighBounds[dim])
            RaiseError(erIndexOutOfBounds, TokenStart());
    }
    if (TokenKind != tkRParen)
        ReportExpected("')'");
    NextToken();
}

void TVlInterpreterFunction::ReadRecordInitializer(TVlValue &record)
{
    TVlInterpreterRecHolder &holder = *record.RawRecord();
    for (;;) {
        NextToken();
        if (TokenKind == tkRParen)
            break;
        if (TokenKind != tkIdentifier)
            ReportExpected(ErrorMessageText(erTextIdentifier));
        std::string field = *TokenNamePtr;
        int32_t atom = TokenAtom;
        const TVlInterpreterRecField *entry = nullptr;
        for (const TVlInterpreterRecField &f : holder.RecordDesc->Fields)
            if (VlSameName(f.Identifier, field))
                entry = &f;
        if (!entry)
            RaiseError(erUndeclared, TokenStart(), field);
        NextToken();
        if (TokenKind != tkColon)
            ReportExpected("':'");
        NextToken();
        TVlValue item;
        ReadInitializer(entry->DataType ? entry->DataType : std::make_shared<TVlInterpreterSimpleDataType>(0), item);
        TVlInterpreterArgs *store = AcquireArgs();
        store->Clear();
        store->Obj = &holder;
        store->ObjType = varVlRecord;
        try {
            TVlInterpreterExpression::SetValue(field, atom, item, *store);
        } catch (...) {
            ReleaseArgs(store);
            throw;
        }
        ReleaseArgs(store);
        if (TokenKind != tkSemicolon)
            break;
    }
    if (TokenKind != tkRParen)
        ReportExpected("')'");
    NextToken();
}
