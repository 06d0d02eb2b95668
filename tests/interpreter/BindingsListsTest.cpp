// Every name the System, SysUtils and Classes units promise is registered, once, with its unit.
#include "interpreter/VlInterpreterAdapter.h"
#include "interpreter/bindings/VlInterpreterObjectModel.h"
#include "interpreter/bindings/VlInterpreter_all.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>

namespace {

std::vector<std::string> Words(const std::string &text)
{
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
}

class BindingsLists : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Adapter = new TVlInterpreterAdapter;
        VlRegisterAllBindings(*Adapter);
    }
    static void TearDownTestSuite()
    {
        delete Adapter;
        Adapter = nullptr;
    }

    // name -> unit of the host functions (or constants, classes)
    template <class List>
    static std::map<std::string, std::vector<std::string>> ByName(const List &list)
    {
        std::map<std::string, std::vector<std::string>> names;
        for (const auto &entry : list)
            names[VlLowerName(entry->Identifier)].push_back(entry->UnitName);
        return names;
    }

    static void ExpectAll(const std::map<std::string, std::vector<std::string>> &names, const std::string &unit,
                          const std::string &list)
    {
        for (const std::string &name : Words(list)) {
            auto it = names.find(VlLowerName(name));
            ASSERT_NE(it, names.end()) << unit << "." << name << " is not registered";
            EXPECT_EQ(it->second.size(), 1u) << name << " is registered more than once";
            EXPECT_EQ(it->second[0], unit) << name;
        }
    }

    static std::set<std::string> MembersOf(const std::vector<std::unique_ptr<TVlInterpreterMethod>> &list,
                                           const std::string &className)
    {
        std::set<std::string> names;
        for (const auto &m : list)
            if (m->ClassType && static_cast<const TClassInfo *>(m->ClassType)->ClassName() == className)
                names.insert(m->Identifier);
        return names;
    }

    static TVlInterpreterAdapter *Adapter;
};

TVlInterpreterAdapter *BindingsLists::Adapter = nullptr;

} // namespace

TEST_F(BindingsLists, SystemFunctionsAndConstants)
{
    ExpectAll(ByName(Adapter->Functions), "System",
              "Move ParamCount ParamStr Randomize Random UpCase VarType VarAsType VarIsEmpty VarIsNull VarToStr "
              "VarFromDateTime VarToDateTime VarArrayCreate VarArrayOf VarArrayDimCount VarArrayLowBound "
              "VarArrayHighBound VarIsArray ord Chr Abs Length Copy Round Trunc Pos Delete Insert Sqr Sqrt Exp Ln "
              "Sin Cos Tan ArcTan SetLength High Low DeleteFromArray InsertIntoArray");
    ExpectAll(ByName(Adapter->Constants), "System",
              "varEmpty varSmallint varInteger varSingle varCurrency varDouble varDate varOleStr varDispatch "
              "varError varBoolean varVariant varUnknown varByte varStrArg varSrting varAny varTypeMask varArray "
              "varByRef varShortInt varWord varLongWord varInt64");
    EXPECT_EQ(ByName(Adapter->Constants).count("varstring"), 0u);
    ExpectAll(ByName(Adapter->ClassRefs), "System", "TObject TInterfacedObject");
    EXPECT_EQ(MembersOf(Adapter->Getters, "TObject"),
              (std::set<std::string>{"ClassType", "ClassName", "ClassNameIs", "ClassParent", "ClassInfo",
                                     "InstanceSize", "InheritsFrom"}));
}

TEST_F(BindingsLists, SysUtilsFunctionsConstantsClassesAndRecord)
{
    ExpectAll(ByName(Adapter->Functions), "SysUtils",
              "AllocMem UpperCase LowerCase CompareStr CompareMem CompareText AnsiUpperCase AnsiLowerCase "
              "AnsiCompareStr AnsiCompareText AnsiStrComp AnsiStrIComp AnsiStrLComp AnsiStrLIComp AnsiStrLower "
              "AnsiStrUpper AnsiLastChar AnsiStrLastChar Trim TrimLeft TrimRight QuotedStr AnsiQuotedStr "
              "AnsiExtractQuotedStr ExtractQuotedString AdjustLineBreaks IsValidIdent IntToStr IntToHex StrToInt "
              "StrToIntDef LoadStr FileOpen FileCreate FileRead FileWrite FileSeek FileClose FileAge FileExists "
              "FindFirst FindNext FindClose FileGetDate FileSetDate FileGetAttr FileSetAttr DeleteFile RenameFile "
              "ChangeFileExt ExtractFilePath ExtractFileDir ExtractFileDrive ExtractFileName ExtractFileExt "
              "ExpandFileName ExpandUNCFileName ExtractRelativePath FileSearch DiskFree DiskSize "
              "FileDateToDateTime DateTimeToFileDate GetCurrentDir SetCurrentDir CreateDir RemoveDir StrLen "
              "StrEnd StrMove StrCopy StrECopy StrLCopy StrPCopy StrPLCopy StrCat StrLCat StrComp StrIComp "
              "StrLComp StrLIComp StrScan StrRScan StrPos StrUpper StrLower StrPas StrAlloc StrBufSize StrNew "
              "StrDispose Format FmtStr StrFmt StrLFmt FormatBuf FloatToStr CurrToStr FloatToStrF CurrToStrF "
              "FormatFloat FormatCurr StrToFloat StrToCurr EncodeDate EncodeTime DecodeDate DecodeTime DayOfWeek "
              "Date Time Now IncMonth IsLeapYear DateToStr TimeToStr DateTimeToStr StrToDate StrToTime "
              "StrToDateTime FormatDateTime DateTimeToString SysErrorMessage GetLocaleStr GetLocaleChar "
              "GetFormatSettings ExceptObject ExceptAddr ExceptionErrorMessage ShowException Abort "
              "OutOfMemoryError Beep ByteType StrByteType ByteToCharLen CharToByteLen ByteToCharIndex "
              "CharToByteIndex IsPathDelimiter IsDelimiter LastDelimiter AnsiCompareFileName "
              "AnsiLowerCaseFileName AnsiUpperCaseFileName AnsiPos AnsiStrPos AnsiStrRScan AnsiStrScan "
              "LoadPackage UnloadPackage RaiseLastWin32Error Win32Check");
    ExpectAll(ByName(Adapter->Constants), "SysUtils",
              "fmOpenRead fmOpenWrite fmOpenReadWrite fmShareCompat fmShareExclusive fmShareDenyWrite "
              "fmShareDenyRead fmShareDenyNone faReadOnly faHidden faSysFile faVolumeID faDirectory faArchive "
              "faAnyFile");
    ExpectAll(ByName(Adapter->ClassRefs), "SysUtils",
              "Exception EAbort EOutOfMemory EInOutError EIntError EDivByZero ERangeError EIntOverflow EMathError "
              "EInvalidOp EZeroDivide EOverflow EUnderflow EInvalidPointer EInvalidCast EConvertError "
              "EAccessViolation EPrivilege EControlC EVariantError EPropReadOnly EPropWriteOnly "
              "EExternalException EAssertionFailed EAbstractError EIntfCastError EInvalidContainer "
              "EInvalidInsert EPackageError EOSError");
    EXPECT_EQ(MembersOf(Adapter->Getters, "Exception"),
              (std::set<std::string>{"Create", "CreateFmt", "CreateRes", "CreateResFmt", "CreateHelp",
                                     "CreateFmtHelp", "CreateResHelp", "CreateResFmtHelp", "HelpContext", "Message"}));
    EXPECT_EQ(MembersOf(Adapter->Setters, "Exception"), (std::set<std::string>{"HelpContext", "Message"}));
    auto search = Adapter->FindRecordType("TSearchRec");
    ASSERT_TRUE(search);
    std::vector<std::string> fields;
    for (const auto &f : search->Fields)
        fields.push_back(f.Identifier);
    EXPECT_EQ(fields, Words("Time Size Attr Name ExcludeAttr FindHandle"));
}

TEST_F(BindingsLists, ClassesUnit)
{
    ExpectAll(ByName(Adapter->ClassRefs), "Classes",
              "TList TPersistent TCollectionItem TCollection TStrings TStringList TStream TFileStream "
              "TMemoryStream TStringStream TComponent");
    ExpectAll(ByName(Adapter->EventHandlers), "Classes", "TNotifyEvent THelpEvent");
    ExpectAll(ByName(Adapter->Constants), "Classes", "ssShift dupIgnore fmCreate");
    // Default properties: base classes, so that descendants are served.
    std::set<std::string> defaults;
    for (const auto &m : Adapter->DefaultGetters)
        defaults.insert(static_cast<const TClassInfo *>(m->ClassType)->ClassName());
    EXPECT_EQ(defaults, (std::set<std::string>{"TList", "TCollection", "TStrings"}));
    EXPECT_TRUE(MembersOf(Adapter->IndexedGetters, "TStrings").count("Strings"));
    EXPECT_TRUE(MembersOf(Adapter->IndexedGetters, "TStrings").count("Values"));
}

TEST_F(BindingsLists, ExceptionClassesFormOneTree)
{
    const TClassInfo *exception = VlExceptionClass("Exception");
    ASSERT_NE(exception, nullptr);
    for (const char *name : {"EZeroDivide", "EConvertError", "EFOpenError", "EParserError", "EOSError"}) {
        const TClassInfo *cls = VlExceptionClass(name);
        ASSERT_NE(cls, nullptr) << name;
        EXPECT_TRUE(cls->InheritsFrom(exception)) << name;
    }
    EXPECT_TRUE(VlExceptionClass("EZeroDivide")->InheritsFrom(VlExceptionClass("EMathError")));
    EXPECT_TRUE(VlExceptionClass("EParserError")->InheritsFrom(VlExceptionClass("EConvertError")));
    EXPECT_FALSE(VlExceptionClass("EConvertError")->InheritsFrom(VlExceptionClass("EMathError")));
    EXPECT_EQ(VlExceptionClass("NoSuchError"), nullptr);
}
