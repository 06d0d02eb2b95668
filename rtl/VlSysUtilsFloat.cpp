// Floating-point text conversion of VlSysUtils: FloatToStr, FloatToStrF, FormatFloat, StrToFloat.
#include "VlSysUtils.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace VlSysUtils {

namespace {

// A finite number as 0.Digits x 10^Exponent; Digits has no trailing zeros ("" for zero).
struct TDecimal {
    bool Negative = false;
    std::string Digits;
    int Exponent = 0;
};

void StripTrailingZeros(TDecimal &d)
{
    while (!d.Digits.empty() && d.Digits.back() == '0')
        d.Digits.pop_back();
    if (d.Digits.empty())
        d.Exponent = 0;
}

// Rounded to `precision` significant digits (1..18).
TDecimal ToDecimal(double value, int precision)
{
    TDecimal d;
    d.Negative = std::signbit(value) && value != 0;
    if (value == 0)
        return d;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", precision - 1, std::fabs(value));
    const char *p = buf;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            d.Digits += *p;
    d.Exponent = std::atoi(p + 1) + 1;
    StripTrailingZeros(d);
    return d;
}

// Keeps only the digits before position Exponent + decimals, rounding half away from zero.
void RoundToDecimals(TDecimal &d, int decimals)
{
    int keep = d.Exponent + decimals;
    if (keep >= int(d.Digits.size()))
        return;
    if (keep < 0) {
        d.Digits.clear();
        d.Exponent = 0;
        return;
    }
    bool up = d.Digits[keep] >= '5';
    d.Digits.resize(keep);
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.Digits[i] == '9')
            d.Digits[i--] = '0';
        if (i >= 0) {
            ++d.Digits[i];
        } else {
            d.Digits.insert(d.Digits.begin(), '1');
            ++d.Exponent;
        }
    }
    StripTrailingZeros(d);
}

std::string Special(double value)
{
    if (std::isnan(value))
        return "NAN";
    return value < 0 ? "-INF" : "INF";
}

std::string ExponentText(int exponent, bool forceSign, int minDigits)
{
    std::string digits = std::to_string(std::abs(exponent));
    if (int(digits.size()) < minDigits)
        digits.insert(0, std::string(minDigits - digits.size(), '0'));
    std::string sign = exponent < 0 ? "-" : (forceSign ? "+" : "");
    return "E" + sign + digits;
}

// "d.ddd" mantissa: `fractionDigits` digits after the point, or as many as there are when -1.
std::string Mantissa(const TDecimal &d, int fractionDigits)
{
    std::string all = d.Digits.empty() ? "0" : d.Digits;
    if (fractionDigits >= 0 && int(all.size()) < fractionDigits + 1)
        all.append(fractionDigits + 1 - all.size(), '0');
    std::string r(1, all[0]);
    if (all.size() > 1)
        r += FormatSettings().DecimalSeparator + all.substr(1);
    return r;
}

// Integer and fraction digit strings of a rounded decimal ("" integer part for values below 1).
void SplitDigits(const TDecimal &d, std::string &intPart, std::string &fracPart)
{
    intPart.clear();
    fracPart.clear();
    if (d.Digits.empty())
        return;
    if (d.Exponent <= 0) {
        fracPart = std::string(-d.Exponent, '0') + d.Digits;
    } else if (d.Exponent >= int(d.Digits.size())) {
        intPart = d.Digits + std::string(d.Exponent - d.Digits.size(), '0');
    } else {
        intPart = d.Digits.substr(0, d.Exponent);
        fracPart = d.Digits.substr(d.Exponent);
    }
}

std::string GroupThousands(const std::string &intPart, char separator)
{
    std::string r;
    int n = int(intPart.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            r += separator;
        r += intPart[i];
    }
    return r;
}

std::string FixedText(double value, int precision, int decimals, bool thousands, bool &negative)
{
    TDecimal d = ToDecimal(value, precision);
    RoundToDecimals(d, decimals);
    negative = d.Negative && !d.Digits.empty();
    std::string intPart, fracPart;
    SplitDigits(d, intPart, fracPart);
    if (intPart.empty())
        intPart = "0";
    if (thousands)
        intPart = GroupThousands(intPart, FormatSettings().ThousandSeparator);
    fracPart.resize(decimals, '0');
    return decimals > 0 ? intPart + FormatSettings().DecimalSeparator + fracPart : intPart;
}

std::string CurrencyText(const std::string &amount, bool negative)
{
    const TVlFormatSettings &fs = FormatSettings();
    const std::string &cur = fs.CurrencyString;
    if (!negative) {
        switch (fs.CurrencyFormat) {
        case 0: return cur + amount;
        case 1: return amount + cur;
        case 2: return cur + " " + amount;
        default: return amount + " " + cur;
        }
    }
    switch (fs.NegCurrFormat) {
    case 0: return "(" + cur + amount + ")";
    case 1: return "-" + cur + amount;
    case 2: return cur + "-" + amount;
    case 3: return cur + amount + "-";
    case 4: return "(" + amount + cur + ")";
    case 5: return "-" + amount + cur;
    case 6: return amount + "-" + cur;
    case 7: return amount + cur + "-";
    case 9: return "-" + cur + " " + amount;
    case 10: return amount + " " + cur + "-";
    default: return "-" + amount + " " + cur;
    }
}

} // namespace

std::string FloatToStr(double value)
{
    return FloatToStrF(value, TFloatFormat::ffGeneral, 15, 0);
}

std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits)
{
    if (!std::isfinite(value))
        return Special(value);
    precision = std::clamp(precision, 1, 18);
    digits = std::clamp(digits, 0, 18);
    TDecimal d = ToDecimal(value, precision);
    std::string sign = d.Negative ? "-" : "";
    switch (format) {
    case TFloatFormat::ffExponent: {
        int exponent = d.Digits.empty() ? 0 : d.Exponent - 1;
        return sign + Mantissa(d, precision - 1) + ExponentText(exponent, true, std::min(digits, 4));
    }
    case TFloatFormat::ffGeneral:
    case TFloatFormat::ffFixed:
    case TFloatFormat::ffNumber:
    case TFloatFormat::ffCurrency:
        if (d.Digits.empty() && format == TFloatFormat::ffGeneral)
            return "0";
        if (d.Exponent > precision || (format == TFloatFormat::ffGeneral && d.Exponent < -3))
            return sign + Mantissa(d, -1) + ExponentText(d.Exponent - 1, false,
                                                          format == TFloatFormat::ffGeneral ? 0 : digits);
        break;
    }
    if (format == TFloatFormat::ffGeneral) {
        std::string intPart, fracPart;
        SplitDigits(d, intPart, fracPart);
        std::string r = sign + (intPart.empty() ? "0" : intPart);
        if (!fracPart.empty())
            r += FormatSettings().DecimalSeparator + fracPart;
        return r;
    }
    bool negative = false;
    std::string text = FixedText(value, precision, digits, format != TFloatFormat::ffFixed, negative);
    if (format == TFloatFormat::ffCurrency)
        return CurrencyText(text, negative);
    return negative ? "-" + text : text;
}

namespace {

// One section of a FormatFloat picture, read once.
struct TPicture {
    int IntPlaceholders = 0;
    int MinIntDigits = 0;   // placeholders from the first '0' up to the point
    int MinFrac = 0;        // fraction digits always shown (up to the last '0')
    int MaxFrac = 0;        // fraction digits shown when not zero
    bool Thousands = false;
    bool Scientific = false;
};

std::vector<std::string> SplitSections(std::string_view format)
{
    std::vector<std::string> sections(1);
    char quote = 0;
    for (char c : format) {
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == ';') {
            sections.emplace_back();
            continue;
        }
        sections.back() += c;
    }
    return sections;
}

TPicture ReadPicture(const std::string &sec)
{
    TPicture p;
    bool afterPoint = false, sawZero = false;
    char quote = 0;
    for (size_t i = 0; i < sec.size(); ++i) {
        char c = sec[i];
        if (quote) {
            if (c == quote)
                quote = 0;
            continue;
        }
        if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == '0' || c == '#') {
            if (afterPoint) {
                ++p.MaxFrac;
                if (c == '0')
                    p.MinFrac = p.MaxFrac;
            } else {
                ++p.IntPlaceholders;
                sawZero = sawZero || c == '0';
                if (sawZero)
                    ++p.MinIntDigits;
            }
        } else if (c == '.' && !afterPoint && !p.Scientific) {
            afterPoint = true;
        } else if (c == ',' && !afterPoint) {
            p.Thousands = true;
        } else if ((c == 'E' || c == 'e') && i + 1 < sec.size() && (sec[i + 1] == '+' || sec[i + 1] == '-')) {
            p.Scientific = true;
            break;
        }
    }
    return p;
}

} // namespace

std::string FormatFloat(std::string_view format, double value)
{
    if (!std::isfinite(value))
        return Special(value);
    std::vector<std::string> sections = SplitSections(format);
    std::string sec = sections[0];
    bool useMinus = true;
    if (value < 0 && sections.size() > 1 && !sections[1].empty()) {
        sec = sections[1];
        useMinus = false;
    } else if (value == 0 && sections.size() > 2 && !sections[2].empty()) {
        sec = sections[2];
    }
    if (sec.empty())
        return FloatToStr(value);
    TPicture pic = ReadPicture(sec);

    TDecimal d;
    int exponent = 0;
    if (pic.Scientific) {
        d = ToDecimal(value, std::clamp(1 + pic.MaxFrac, 1, 18));
        exponent = d.Digits.empty() ? 0 : d.Exponent - 1;
        d.Exponent = d.Digits.empty() ? 0 : 1;
    } else {
        d = ToDecimal(value, 15);
        RoundToDecimals(d, pic.MaxFrac);
    }
    std::string intPart, fracPart;
    SplitDigits(d, intPart, fracPart);
    if (int(intPart.size()) < pic.MinIntDigits)
        intPart.insert(0, std::string(pic.MinIntDigits - intPart.size(), '0'));
    if (pic.Thousands)
        intPart = GroupThousands(intPart, FormatSettings().ThousandSeparator);
    if (int(fracPart.size()) < pic.MinFrac)
        fracPart.append(pic.MinFrac - fracPart.size(), '0');

    std::string out;
    bool afterPoint = false, intEmitted = false;
    size_t fracIndex = 0;
    auto emitInt = [&] {
        if (!intEmitted)
            out += intPart;
        intEmitted = true;
    };
    char quote = 0;
    for (size_t i = 0; i < sec.size(); ++i) {
        char c = sec[i];
        if (quote) {
            if (c == quote)
                quote = 0;
            else
                out += c;
            continue;
        }
        if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == '0' || c == '#') {
            if (!afterPoint)
                emitInt();
            else if (fracIndex < fracPart.size())
                out += fracPart[fracIndex++];
        } else if (c == '.' && !afterPoint) {
            emitInt();
            afterPoint = true;
            if (!fracPart.empty())
                out += FormatSettings().DecimalSeparator;
        } else if (c == ',' && !afterPoint) {
            // the grouping is already in the integer digits
        } else if ((c == 'E' || c == 'e') && i + 1 < sec.size() && (sec[i + 1] == '+' || sec[i + 1] == '-')) {
            emitInt();
            bool forceSign = sec[i + 1] == '+';
            i += 2;
            int expDigits = 0;
            while (i < sec.size() && sec[i] == '0')
                ++expDigits, ++i;
            --i;
            std::string e = ExponentText(exponent, forceSign, expDigits);
            e[0] = c;
            out += e;
        } else {
            out += c;
        }
    }
    if (!intEmitted && pic.IntPlaceholders == 0 && intPart != "0" && !intPart.empty())
        out.insert(0, intPart);
    bool isZero = d.Digits.empty();
    if (useMinus && value < 0 && !isZero)
        out.insert(0, "-");
    return out;
}

bool TryStrToFloat(std::string_view text, double &value)
{
    std::string s = Trim(text);
    if (s.empty())
        return false;
    // Only the digits, one separator and an exponent: no hex, no "inf", no locale surprises.
    size_t i = 0;
    if (s[i] == '+' || s[i] == '-')
        ++i;
    size_t mantissaDigits = 0;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])))
        ++i, ++mantissaDigits;
    if (i < s.size() && s[i] == FormatSettings().DecimalSeparator) {
        s[i] = '.';
        ++i;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])))
            ++i, ++mantissaDigits;
    }
    if (mantissaDigits == 0)
        return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        size_t expDigits = 0;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])))
            ++i, ++expDigits;
        if (expDigits == 0)
            return false;
    }
    if (i != s.size())
        return false;
    value = std::strtod(s.c_str(), nullptr);
    return std::isfinite(value);
}

double StrToFloat(std::string_view text)
{
    double value;
    if (!TryStrToFloat(text, value))
        throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
    return value;
}

} // namespace VlSysUtils
