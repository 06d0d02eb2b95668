// Interpreter-wide constants: value kinds, token kinds, error codes and the error message table.
#pragma once

#include <cstdint>
#include <string>

// Value kinds (the variant kind codes) and the flags that declared kinds may carry.
constexpr uint16_t varEmpty = 0;
constexpr uint16_t varNull = 1;
constexpr uint16_t varSmallint = 2;
constexpr uint16_t varInteger = 3;
constexpr uint16_t varSingle = 4;
constexpr uint16_t varDouble = 5;
constexpr uint16_t varCurrency = 6;
constexpr uint16_t varDate = 7;
constexpr uint16_t varOleStr = 8;
constexpr uint16_t varDispatch = 9;
constexpr uint16_t varBoolean = 11;
constexpr uint16_t varVariant = 12;
constexpr uint16_t varUnknown = 13;
constexpr uint16_t varShortInt = 16;
constexpr uint16_t varByte = 17;
constexpr uint16_t varWord = 18;
constexpr uint16_t varLongWord = 19;
constexpr uint16_t varInt64 = 20;
constexpr uint16_t varString = 256;
// The interpreter's own kinds, placed after the standard codes and distinct from them.
constexpr uint16_t varVlObject = 0x0110;
constexpr uint16_t varVlClass = 0x0111;
constexpr uint16_t varVlRecord = 0x0112;
constexpr uint16_t varVlPointer = 0x0113;
constexpr uint16_t varVlSet = 0x0114;
constexpr uint16_t varVlArray = 0x0115;
// Declared kinds of the fuller dialect: a string of at most N characters (values are Strings), and
// the value of a declared type's name (Low, High, typecasts); the payload is the data type.
constexpr uint16_t varVlShortString = 0x0116;
constexpr uint16_t varVlType = 0x0117;
// A set of the fuller dialect: elements 0 to 255, a 32-byte mask shared like a string's text.
constexpr uint16_t varVlWideSet = 0x0118;
// A member of an enumeration of the fuller dialect: the ordinal number in the low 32 bits of the
// payload, the enumeration (an index of the interpreter's enumeration types) in the high 32.
constexpr uint16_t varVlEnum = 0x0119;
// An 80-bit extended real of the fuller dialect (real constants, Sqrt, Sin, Pi, ...), its ten bytes
// kept in a shared buffer like a string's text.
constexpr uint16_t varVlExtended = 0x011A;
// Flags: a variant array; a by-reference (var) and a const parameter (declared kinds only).
constexpr uint16_t varArrayFlag = 0x2000;
constexpr uint16_t varByRef = 0x4000;
constexpr uint16_t varConstFlag = 0x8000;
constexpr uint16_t varKindMask = 0x0FFF;

// Most arguments, parameters and record fields one call or declaration can carry.
constexpr int VlMaxArgs = 33;

// Token kinds produced by the tokenizer.
enum : int32_t {
    tkUnknown = -1, tkEof = 0,
    tkIdentifier = 10, tkInteger = 11, tkFloat = 12, tkString = 13,
    tkNot = 21, tkMul = 22, tkSlash = 23, tkDiv = 24, tkMod = 25, tkAnd = 26, tkPlus = 27,
    tkMinus = 28, tkOr = 29, tkEqual = 30, tkGreater = 31, tkLess = 32, tkNotEqual = 33,
    tkGreaterEqual = 34, tkLessEqual = 35, tkShl = 36, tkShr = 37, tkXor = 38,
    tkLParen = 40, tkRParen = 41, tkComma = 42, tkDot = 43, tkColon = 44, tkSemicolon = 45,
    tkLBracket = 46, tkRBracket = 47, tkDotDot = 48, tkQuote = 49,
    tkFalse = 63, tkTrue = 65,
    tkBegin = 66, tkEnd = 67, tkIf = 68, tkThen = 69, tkElse = 70, tkWhile = 71, tkDo = 72,
    tkRepeat = 73, tkUntil = 74, tkProcedure = 75, tkFunction = 76, tkFor = 77, tkTo = 78,
    tkBreak = 79, tkContinue = 80, tkVar = 81, tkTry = 82, tkFinally = 83, tkExcept = 84,
    tkOn = 85, tkRaise = 86, tkExternal = 87, tkUnit = 88, tkUses = 89, tkConst = 90,
    tkPublic = 91, tkPrivate = 92, tkProtected = 93, tkPublished = 94, tkProperty = 95,
    tkClass = 96, tkType = 97, tkInterface = 98, tkImplementation = 99, tkExit = 100,
    tkArray = 101, tkOf = 102, tkCase = 103, tkProgram = 104, tkIn = 105, tkRecord = 106,
    tkDownto = 107
};

// Error codes raised by the interpreter (texts in ErrorTable).
enum : int32_t {
    erOk = 0, erUnknown = 1, erInternal = 2, erUserBreak = 3, erReRaise = 4, erLocated = 5,
    erExternal = 6, erAccessDenied = 7, erExpressionOverflow = 8, erRecordNotDefined = 31,
    erStackOverflow = 52, erTypeMismatch = 53, erMainUndefined = 55, erUnitNotFound = 56,
    erEventNotRegistered = 57, erDfmNotFound = 58, erRemark = 101, erExpected = 103,
    erUndeclared = 104, erBooleanRequired = 105, erClassRequired = 106, erBeforeElse = 107,
    erIntegerRequired = 108, erStructRequired = 109, erMissingOperator = 110,
    erRedeclared = 111, erIndexOutOfBounds = 171, erTooManyBounds = 172,
    erNotEnoughBounds = 173, erInvalidDimension = 174, erInvalidRange = 175,
    erArrayRequired = 176, erTooManyParams = 181, erNotEnoughParams = 182,
    erIncompatibleTypes = 183, erLoadLibrary = 184, erExtArgType = 185, erExtResultType = 186,
    erProcAddress = 187, erDirectArgType = 188, erDirectResultType = 189,
    erCallingConvention = 190, erDispatchCall = 201,
    erTextExpression = 301, erTextIdentifier = 302, erTextDeclaration = 303,
    erTextEndOfFile = 304, erTextClassDeclaration = 305, erTextIntegerConstant = 306,
    erTextIntegerValue = 307, erTextStringConstant = 308, erTextStatement = 309,
    erImplementationNotFound = 401
};

struct TVlInterpreterErrorsDescr {
    int32_t Code;
    const char *Message;
};

constexpr int VlErrorTableSize = 53;
extern const TVlInterpreterErrorsDescr ErrorTable[VlErrorTableSize];

// The template of a code (linear search in table order); empty for an unknown code.
std::string ErrorMessageText(int32_t code);

// Joins alternatives in expected-token texts: "'to' or 'downto'".
extern const char *const VlOrText;
