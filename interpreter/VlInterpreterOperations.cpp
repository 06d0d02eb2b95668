// Arithmetic, logic and comparison on values, with the variant promotion rules.
#include "VlInterpreterOperations.h"

#include "VlInterpreterTypes.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

// Numeric class of an operand: integers rank below currency, which ranks below floats.
enum TRank { rkInteger, rkCurrency, rkDouble, rkDate };

bool IsIntegerKind(uint16_t k)
{
    return k == varSmallint || k == varInteger || k == varShortInt || k == varByte ||
           k == varWord || k == varLongWord || k == varInt64 || k == varBoolean || k == varEmpty;
}

bool IsFloatKind(uint16_t k) { return k == varSingle || k == varDouble; }

// x / 0: 0 / 0 (and NaN / 0) is an invalid operation, anything else a division by zero.
[[noreturn]] void FloatDivisionByZero(bool invalid)
{
    if (invalid)
        throw EVlRuntimeError("EInvalidOp", "Invalid floating point operation");
    throw EVlRuntimeError("EZeroDivide", "Floating point division by zero");
}

[[noreturn]] void Mismatch(const TVlValue &v)
{
    throw EVlVariantError("Invalid variant operation on " + VlKindName(v.Kind()));
}

// A string operand becomes an Integer or Double value; other kinds stay.
TVlValue NumericOperand(const TVlValue &v)
{
    if (!v.IsString())
        return v;
    int64_t i = 0;
    try {
        i = ValueToInt64(v);
    } catch (const EVlVariantError &) {
        return TVlValue::Double(ValueToDouble(v));
    }
    double d = ValueToDouble(v);
    if (static_cast<double>(i) == d && i >= INT32_MIN && i <= INT32_MAX)
        return TVlValue::Integer(static_cast<int32_t>(i));
    return TVlValue::Double(d);
}

TRank RankOf(const TVlValue &v)
{
    uint16_t k = v.Kind();
    if (IsIntegerKind(k))
        return rkInteger;
    if (k == varCurrency)
        return rkCurrency;
    if (IsFloatKind(k) || k == varVlExtended)
        return rkDouble;
    if (k == varDate)
        return rkDate;
    Mismatch(v);
}

TVlValue FromInt64(int64_t v)
{
    if (v >= INT32_MIN && v <= INT32_MAX)
        return TVlValue::Integer(static_cast<int32_t>(v));
    return TVlValue::Double(static_cast<double>(v));
}

TVlValue IntegerOp(int32_t op, int64_t a, int64_t b)
{
    switch (op) {
    case opAdd: return FromInt64(a + b);
    case opSubtract: return FromInt64(a - b);
    case opMultiply: {
        __int128 p = static_cast<__int128>(a) * b;
        if (p >= INT32_MIN && p <= INT32_MAX)
            return TVlValue::Integer(static_cast<int32_t>(p));
        return TVlValue::Double(static_cast<double>(a) * static_cast<double>(b));
    }
    case opIntDivide:
        if (b == 0)
            throw EVlRuntimeError("EDivByZero", "Division by zero");
        return FromInt64(a / b);
    case opModulus:
        if (b == 0)
            throw EVlRuntimeError("EDivByZero", "Division by zero");
        return FromInt64(a % b);
    case opShiftLeft:
        return TVlValue::Integer(static_cast<int32_t>(static_cast<uint32_t>(a) << (b & 31)));
    case opShiftRight:
        return TVlValue::Integer(static_cast<int32_t>(static_cast<uint32_t>(a) >> (b & 31)));
    case opAnd: return FromInt64(a & b);
    case opOr: return FromInt64(a | b);
    case opXor: return FromInt64(a ^ b);
    default: return TVlValue::Double(static_cast<double>(a) / static_cast<double>(b));
    }
}

TVlValue LogicOp(int32_t op, bool a, bool b)
{
    switch (op) {
    case opAnd: return TVlValue::Boolean(a && b);
    case opOr: return TVlValue::Boolean(a || b);
    default: return TVlValue::Boolean(a != b);
    }
}

} // namespace

TVlValue VlBinaryOp(int32_t op, const TVlValue &leftIn, const TVlValue &rightIn)
{
    uint16_t lk = leftIn.Kind(), rk = rightIn.Kind();
    if (lk == varInteger && rk == varInteger && op <= opXor && op != opDivide)
        return IntegerOp(op, leftIn.RawInteger(), rightIn.RawInteger());
    if (lk == varNull || rk == varNull)
        return TVlValue::Null();
    if (op == opAdd && (leftIn.IsString() || lk == varEmpty) && (rightIn.IsString() || rk == varEmpty) &&
        (leftIn.IsString() || rightIn.IsString())) {
        TVlValue r = TVlValue::String(ValueToString(leftIn));
        if (rightIn.IsString())
            r.AppendString(rightIn.RawString());
        return r;
    }
    if (op == opAnd || op == opOr || op == opXor) {
        bool lb = lk == varBoolean || (leftIn.IsString() && rk == varBoolean);
        bool rb = rk == varBoolean || (rightIn.IsString() && lk == varBoolean);
        if (lb && rb)
            return LogicOp(op, ValueToBoolean(leftIn), ValueToBoolean(rightIn));
    }
    TVlValue left = NumericOperand(leftIn);
    TVlValue right = NumericOperand(rightIn);
    TRank lr = RankOf(left), rr = RankOf(right);
    if (op >= opIntDivide) {
        return IntegerOp(op, ValueToInt64(left), ValueToInt64(right));
    }
    if (op == opDivide) {
        double a = ValueToDouble(left), b = ValueToDouble(right);
        if (b == 0)
            FloatDivisionByZero(a == 0 || std::isnan(a));
        return TVlValue::Double(a / b);
    }
    TRank rank = lr > rr ? lr : rr;
    if (rank == rkInteger)
        return IntegerOp(op, ValueToInt64(left), ValueToInt64(right));
    if (rank == rkCurrency) {
        int64_t a = ValueToCurrencyScaled(left), b = ValueToCurrencyScaled(right);
        if (op == opAdd)
            return TVlValue::CurrencyScaled(a + b);
        if (op == opSubtract)
            return TVlValue::CurrencyScaled(a - b);
        return TVlValue::Currency(static_cast<double>(a) / 10000.0 * static_cast<double>(b) / 10000.0);
    }
    double a = ValueToDouble(left), b = ValueToDouble(right);
    double r = op == opAdd ? a + b : op == opSubtract ? a - b : a * b;
    if (rank == rkDate && op != opMultiply && !(lr == rkDate && rr == rkDate && op == opSubtract))
        return TVlValue::Date(r);
    return TVlValue::Double(r);
}

TVlValue VlNegate(const TVlValue &value)
{
    TVlValue v = NumericOperand(value);
    switch (v.Kind()) {
    case varNull: return v;
    case varCurrency: return TVlValue::CurrencyScaled(-v.RawInt64());
    case varSingle: case varDouble: return TVlValue::Double(-v.RawDouble());
    case varDate: return TVlValue::Date(-v.RawDouble());
    case varVlExtended: return TVlValue::Extended(-v.RawExtended());
    default:
        if (!IsIntegerKind(v.Kind()))
            Mismatch(v);
        return FromInt64(-ValueToInt64(v));
    }
}

TVlValue VlNot(const TVlValue &value)
{
    if (value.Kind() == varBoolean)
        return TVlValue::Boolean(value.RawInteger() == 0);
    if (value.IsNull())
        return value;
    if (value.IsString()) {
        try {
            return TVlValue::Integer(~ValueToInteger(value));
        } catch (const EVlVariantError &) {
            return TVlValue::Boolean(!ValueToBoolean(value));
        }
    }
    if (!IsIntegerKind(value.Kind()) && !IsFloatKind(value.Kind()) && value.Kind() != varCurrency)
        Mismatch(value);
    return TVlValue::Integer(~ValueToInteger(value));
}

int VlCompare(const TVlValue &left, const TVlValue &right)
{
    uint16_t lk = left.Kind(), rk = right.Kind();
    if (lk == varInteger && rk == varInteger)
        return left.RawInteger() < right.RawInteger() ? -1 : left.RawInteger() > right.RawInteger();
    if (lk == varNull || rk == varNull)
        return (lk == varNull && rk == varNull) ? 0 : VlUnordered;
    if ((left.IsString() || lk == varEmpty) && (right.IsString() || rk == varEmpty)) {
        int c = ValueToString(left).compare(ValueToString(right));
        return c < 0 ? -1 : c > 0;
    }
    TVlValue l = NumericOperand(left), r = NumericOperand(right);
    TRank lr = RankOf(l), rr = RankOf(r);
    if (lr == rkInteger && rr == rkInteger) {
        int64_t a = ValueToInt64(l), b = ValueToInt64(r);
        return a < b ? -1 : a > b;
    }
    double a = ValueToDouble(l), b = ValueToDouble(r);
    return a < b ? -1 : a > b;
}

namespace {

bool IsSizedInteger(uint16_t k)
{
    return k == varSmallint || k == varInteger || k == varShortInt || k == varByte || k == varWord ||
           k == varLongWord || k == varInt64;
}

// The 32-byte mask of a set operand.
std::string SetMask(const TVlValue &v)
{
    if (v.Kind() == varVlWideSet)
        return v.RawString();
    std::string mask(32, '\0');
    if (v.Kind() == varVlSet) {
        uint32_t bits = v.RawSet();
        for (int i = 0; i < 4; ++i)
            mask[static_cast<size_t>(i)] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    } else if (!v.IsEmpty()) {
        Mismatch(v);
    }
    return mask;
}

} // namespace

bool VlWideIntegerOp(int32_t op, const TVlValue &left, const TVlValue &right, TVlValue &result)
{
    if (!IsSizedInteger(left.Kind()) || !IsSizedInteger(right.Kind()))
        return false;
    int64_t a = ValueToInt64(left), b = ValueToInt64(right);
    uint64_t ua = static_cast<uint64_t>(a), ub = static_cast<uint64_t>(b);
    int64_t r;
    switch (op) {
    case opAdd: r = static_cast<int64_t>(ua + ub); break;
    case opSubtract: r = static_cast<int64_t>(ua - ub); break;
    case opMultiply: r = static_cast<int64_t>(ua * ub); break;
    case opIntDivide: case opModulus:
        if (b == 0)
            return false;
        if (b == -1)
            r = op == opIntDivide ? static_cast<int64_t>(0 - ua) : 0;
        else
            r = op == opIntDivide ? a / b : a % b;
        break;
    case opAnd: r = a & b; break;
    case opOr: r = a | b; break;
    case opXor: r = a ^ b; break;
    case opShiftLeft: case opShiftRight:
        // An Int64 shifts in 64 bits; narrower integers shift as the core dialect does.
        if (left.Kind() != varInt64)
            return false;
        r = static_cast<int64_t>(op == opShiftLeft ? ua << (b & 63) : ua >> (b & 63));
        break;
    default: return false;
    }
    result = r >= INT32_MIN && r <= INT32_MAX ? TVlValue::Integer(static_cast<int32_t>(r)) : TVlValue::Int64(r);
    return true;
}

TVlValue VlWideSetOp(int32_t tokenKind, const TVlValue &left, const TVlValue &right)
{
    std::string a = SetMask(left), b = SetMask(right);
    bool subset = true, superset = true;
    for (size_t i = 0; i < 32; ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        subset = subset && (x & ~y) == 0;
        superset = superset && (y & ~x) == 0;
        switch (tokenKind) {
        case tkPlus: a[i] = static_cast<char>(x | y); break;
        case tkMinus: a[i] = static_cast<char>(x & ~y); break;
        case tkMul: a[i] = static_cast<char>(x & y); break;
        default: break;
        }
    }
    switch (tokenKind) {
    case tkPlus: case tkMinus: case tkMul: return TVlValue::WideSet(std::move(a));
    case tkEqual: return TVlValue::Boolean(subset && superset);
    case tkNotEqual: return TVlValue::Boolean(!(subset && superset));
    case tkLessEqual: return TVlValue::Boolean(subset);
    case tkGreaterEqual: return TVlValue::Boolean(superset);
    default: throw EVlVariantError("Invalid variant operation on Set");
    }
}

TVlValue VlInSet(const TVlValue &element, const TVlValue &set)
{
    int64_t e;
    if (!VlOrdinalOf(element, e))
        Mismatch(element);
    std::string mask = SetMask(set);
    return TVlValue::Boolean(e >= 0 && e < 256 && (static_cast<unsigned char>(mask[static_cast<size_t>(e / 8)]) >> (e % 8)) & 1);
}

long double VlToLongDouble(const TVlValue &value)
{
    if (value.Kind() == varVlExtended)
        return value.RawExtended();
    if (IsIntegerKind(value.Kind()))
        return static_cast<long double>(ValueToInt64(value));
    return ValueToDouble(value);
}

namespace {

bool IsPlainNumber(uint16_t k)
{
    return (IsIntegerKind(k) && k != varBoolean && k != varEmpty) || IsFloatKind(k) || k == varVlExtended;
}

// op on two numbers of a precision, a real of it for + - * /, a Boolean for the comparisons.
template <typename TReal, typename TMake>
bool FloatOp(int32_t tokenKind, TReal a, TReal b, TMake make, TVlValue &result)
{
    switch (tokenKind) {
    case tkPlus: result = make(a + b); return true;
    case tkMinus: result = make(a - b); return true;
    case tkMul: result = make(a * b); return true;
    case tkSlash:
        if (b == 0)
            FloatDivisionByZero(a == 0 || std::isnan(a));
        result = make(a / b);
        return true;
    case tkEqual: result = TVlValue::Boolean(a == b); return true;
    case tkNotEqual: result = TVlValue::Boolean(a != b); return true;
    case tkLess: result = TVlValue::Boolean(a < b); return true;
    case tkGreater: result = TVlValue::Boolean(a > b); return true;
    case tkLessEqual: result = TVlValue::Boolean(a <= b); return true;
    case tkGreaterEqual: result = TVlValue::Boolean(a >= b); return true;
    default: return false;
    }
}

} // namespace

bool VlPrecisionFloatOp(int32_t tokenKind, const TVlValue &left, const TVlValue &right, TVlValue &result)
{
    uint16_t lk = left.Kind(), rk = right.Kind();
    if (!IsPlainNumber(lk) || !IsPlainNumber(rk))
        return false;
    if (lk == varVlExtended || rk == varVlExtended)
        return FloatOp(tokenKind, VlToLongDouble(left), VlToLongDouble(right),
                       [](long double v) { return TVlValue::Extended(v); }, result);
    bool singles = (lk == varSingle || rk == varSingle) && lk != varDouble && rk != varDouble;
    if (!singles)
        return false;
    return FloatOp(tokenKind, static_cast<float>(ValueToDouble(left)), static_cast<float>(ValueToDouble(right)),
                   [](float v) { return TVlValue::Single(v); }, result);
}
