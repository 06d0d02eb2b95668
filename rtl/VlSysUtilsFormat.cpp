// Format: Pascal's printf-like formatting with argument index, width, precision and "*".
#include "VlSysUtils.h"

#include <cstdio>

namespace VlSysUtils {

namespace {

class TFormatter {
public:
    TFormatter(std::string_view format, const std::vector<TVlFormatArg> &args)
        : Fmt(format), Args(args) {}

    std::string Run()
    {
        std::string out;
        size_t i = 0;
        while (i < Fmt.size()) {
            size_t p = Fmt.find('%', i);
            if (p == std::string_view::npos) {
                out.append(Fmt.substr(i));
                break;
            }
            out.append(Fmt.substr(i, p - i));
            i = p + 1;
            if (i < Fmt.size() && Fmt[i] == '%') {
                out += '%';
                ++i;
                continue;
            }
            out += Directive(i);
        }
        return out;
    }

private:
    std::string_view Fmt;
    const std::vector<TVlFormatArg> &Args;
    size_t NextArg = 0;

    [[noreturn]] void Invalid() const
    {
        throw EConvertError("Format '" + std::string(Fmt) + "' invalid or incompatible with argument");
    }

    const TVlFormatArg &TakeArg()
    {
        if (NextArg >= Args.size())
            throw EConvertError("No argument for format '" + std::string(Fmt) + "'");
        return Args[NextArg++];
    }

    // A number or "*" at position i; -1 when neither is there.
    int ReadNumber(size_t &i)
    {
        if (i < Fmt.size() && Fmt[i] == '*') {
            ++i;
            const TVlFormatArg &a = TakeArg();
            if (a.Kind != TVlFormatArg::Integer)
                Invalid();
            return int(a.IntValue);
        }
        if (i >= Fmt.size() || Fmt[i] < '0' || Fmt[i] > '9')
            return -1;
        int n = 0;
        while (i < Fmt.size() && Fmt[i] >= '0' && Fmt[i] <= '9') {
            n = n * 10 + (Fmt[i++] - '0');
            if (n > 100000)
                Invalid();
        }
        return n;
    }

    // One specifier after its '%': [index:][-][width][.precision]type
    std::string Directive(size_t &i)
    {
        int number = ReadNumber(i);
        if (i < Fmt.size() && Fmt[i] == ':') {
            if (number < 0)
                Invalid();
            NextArg = size_t(number);
            ++i;
            number = -1;
        }
        bool left = false;
        if (number < 0 && i < Fmt.size() && Fmt[i] == '-') {
            left = true;
            ++i;
        }
        int width = number >= 0 ? number : ReadNumber(i);
        int precision = -1;
        if (i < Fmt.size() && Fmt[i] == '.') {
            ++i;
            precision = ReadNumber(i);
            if (precision < 0)
                Invalid();
        }
        if (i >= Fmt.size())
            Invalid();
        char type = char(Fmt[i++] | 0x20);
        std::string text = Convert(type, precision);
        if (width > int(text.size()))
            text = left ? text + std::string(width - text.size(), ' ')
                        : std::string(width - text.size(), ' ') + text;
        return text;
    }

    std::string Convert(char type, int precision)
    {
        const TVlFormatArg &a = TakeArg();
        bool isFloat = a.Kind == TVlFormatArg::Float || a.Kind == TVlFormatArg::Currency;
        switch (type) {
        case 'd':
        case 'u':
        case 'x': {
            if (a.Kind != TVlFormatArg::Integer)
                Invalid();
            int64_t v = a.IntValue;
            if (type == 'u' && v < 0 && v >= INT32_MIN)
                v = uint32_t(v);
            bool negative = v < 0 && type == 'd';
            std::string digits = type == 'x' ? IntToHex(v, 0)
                                             : std::to_string(negative ? -(v + 1) + uint64_t(1) : uint64_t(v));
            if (precision > int(digits.size()))
                digits.insert(0, std::string(precision - digits.size(), '0'));
            return negative ? "-" + digits : digits;
        }
        case 'e':
            if (!isFloat)
                Invalid();
            return FloatToStrF(a.FloatValue, TFloatFormat::ffExponent, precision < 0 ? 15 : precision, 3);
        case 'f':
            if (!isFloat)
                Invalid();
            return FloatToStrF(a.FloatValue, TFloatFormat::ffFixed, 15, precision < 0 ? 2 : precision);
        case 'g':
            if (!isFloat)
                Invalid();
            return FloatToStrF(a.FloatValue, TFloatFormat::ffGeneral, precision < 0 ? 15 : precision, 0);
        case 'n':
            if (!isFloat)
                Invalid();
            return FloatToStrF(a.FloatValue, TFloatFormat::ffNumber, 15, precision < 0 ? 2 : precision);
        case 'm':
            if (!isFloat)
                Invalid();
            return FloatToStrF(a.FloatValue, TFloatFormat::ffCurrency, 15,
                               precision < 0 ? FormatSettings().CurrencyDecimals : precision);
        case 'p': {
            if (a.Kind != TVlFormatArg::Pointer)
                Invalid();
            return IntToHex(int64_t(reinterpret_cast<uintptr_t>(a.PointerValue)), int(sizeof(void *) * 2));
        }
        case 's': {
            if (a.Kind != TVlFormatArg::String)
                Invalid();
            if (precision >= 0 && precision < int(a.StringValue.size()))
                return a.StringValue.substr(0, precision);
            return a.StringValue;
        }
        default:
            Invalid();
        }
    }
};

} // namespace

std::string Format(std::string_view format, const std::vector<TVlFormatArg> &args)
{
    return TFormatter(format, args).Run();
}

} // namespace VlSysUtils
