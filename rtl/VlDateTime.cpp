// Date and time encoding, decoding, clock access and conversion to and from text.
#include "VlDateTime.h"

#include "VlSysUtils.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <vector>

namespace VlSysUtils {

namespace {

constexpr double MSecsPerDay = 86400000.0;
// Days from 0001-01-01 (day 1) to 1899-12-30, the TDateTime epoch.
constexpr int64_t DateDelta = 693594;

int64_t DaysFromCivil(int y, int m, int d)  // proleptic Gregorian, day 1 = 0001-01-01
{
    y -= m <= 2;
    int64_t era = (y >= 0 ? y : y - 399) / 400;
    int64_t yoe = y - era * 400;
    int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468 + 719163;  // 719163 = days from 0001-01-01 to 1970-01-01
}

void CivilFromDays(int64_t days, int &y, int &m, int &d)
{
    int64_t z = days - 719163 + 719468;
    int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    int64_t doe = z - era * 146097;
    int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    int64_t mp = (5 * doy + 2) / 153;
    d = int(doy - (153 * mp + 2) / 5 + 1);
    m = int(mp < 10 ? mp + 3 : mp - 9);
    y = int(yoe + era * 400 + (m <= 2));
}

// Whole milliseconds of the time part: the fraction's magnitude, rounded.
int64_t TimeMSecs(TDateTime t)
{
    double frac = std::fabs(t - std::trunc(t));
    int64_t ms = std::llround(frac * MSecsPerDay);
    return ms >= int64_t(MSecsPerDay) ? int64_t(MSecsPerDay) - 1 : ms;
}

std::string Pad(int value, int width)
{
    std::string s = std::to_string(value);
    return s.size() < size_t(width) ? std::string(width - s.size(), '0') + s : s;
}

bool StartsWithNoCase(std::string_view text, size_t at, std::string_view word)
{
    if (text.size() - at < word.size())
        return false;
    return CompareText(text.substr(at, word.size()), word) == 0;
}

struct TDateParts {
    int Year, Month, Day, Hour, Min, Sec, MSec, DayOfWeek;
};

TDateParts Split(TDateTime dt)
{
    TDateParts p{};
    DecodeDate(dt, p.Year, p.Month, p.Day);
    DecodeTime(dt, p.Hour, p.Min, p.Sec, p.MSec);
    p.DayOfWeek = DayOfWeek(dt);
    return p;
}

// Picture letters are case-insensitive; "m" after an hour means minutes.
void AppendFormat(std::string &out, std::string_view fmt, TDateTime dt, const TDateParts &p, int depth)
{
    const TVlFormatSettings &fs = FormatSettings();
    if (depth > 2)
        return;
    bool lastWasHour = false;
    bool twelveHour = false;
    for (size_t k = 0; k < fmt.size(); ++k) {
        if (StartsWithNoCase(fmt, k, "am/pm") || StartsWithNoCase(fmt, k, "a/p") || StartsWithNoCase(fmt, k, "ampm"))
            twelveHour = true;
    }
    size_t i = 0;
    auto runOf = [&](char c) {
        size_t n = 0;
        while (i + n < fmt.size() && (fmt[i + n] | 0x20) == c)
            ++n;
        return n;
    };
    while (i < fmt.size()) {
        char c = fmt[i];
        char lc = char(c | 0x20);
        if (c == '\'' || c == '"') {
            size_t end = fmt.find(c, i + 1);
            if (end == std::string_view::npos)
                end = fmt.size();
            out.append(fmt.substr(i + 1, end - i - 1));
            i = end + 1;
            continue;
        }
        if (StartsWithNoCase(fmt, i, "am/pm")) {
            out += p.Hour < 12 ? (c == 'a' ? "am" : "AM") : (c == 'a' ? "pm" : "PM");
            i += 5;
            continue;
        }
        if (StartsWithNoCase(fmt, i, "a/p")) {
            out += p.Hour < 12 ? (c == 'a' ? "a" : "A") : (c == 'a' ? "p" : "P");
            i += 3;
            continue;
        }
        if (StartsWithNoCase(fmt, i, "ampm")) {
            out += p.Hour < 12 ? fs.TimeAMString : fs.TimePMString;
            i += 4;
            continue;
        }
        size_t n;
        switch (lc) {
        case 'c':
            ++i;
            AppendFormat(out, fs.ShortDateFormat, dt, p, depth + 1);
            if (TimeMSecs(dt) != 0) {
                out += ' ';
                AppendFormat(out, fs.LongTimeFormat, dt, p, depth + 1);
            }
            break;
        case 'd':
            n = runOf('d');
            i += n;
            if (n == 1 || n == 2)
                out += Pad(p.Day, int(n));
            else if (n == 3)
                out += fs.ShortDayNames[p.DayOfWeek - 1];
            else if (n == 4)
                out += fs.LongDayNames[p.DayOfWeek - 1];
            else if (n == 5)
                AppendFormat(out, fs.ShortDateFormat, dt, p, depth + 1);
            else
                AppendFormat(out, fs.LongDateFormat, dt, p, depth + 1);
            break;
        case 'm':
            n = runOf('m');
            i += n;
            if (lastWasHour && n <= 2)
                out += Pad(p.Min, int(n));
            else if (n <= 2)
                out += Pad(p.Month, int(n));
            else if (n == 3)
                out += fs.ShortMonthNames[p.Month - 1];
            else
                out += fs.LongMonthNames[p.Month - 1];
            break;
        case 'y':
            n = runOf('y');
            i += n;
            out += n <= 2 ? Pad(p.Year % 100, 2) : Pad(p.Year, 4);
            break;
        case 'h': {
            n = runOf('h');
            i += n;
            int hour = p.Hour;
            if (twelveHour) {
                hour %= 12;
                if (hour == 0)
                    hour = 12;
            }
            out += Pad(hour, n >= 2 ? 2 : 1);
            lastWasHour = true;
            continue;
        }
        case 'n':
            n = runOf('n');
            i += n;
            out += Pad(p.Min, n >= 2 ? 2 : 1);
            break;
        case 's':
            n = runOf('s');
            i += n;
            out += Pad(p.Sec, n >= 2 ? 2 : 1);
            break;
        case 'z':
            n = runOf('z');
            i += n;
            out += Pad(p.MSec, n >= 3 ? 3 : 1);
            break;
        case 't':
            n = runOf('t');
            i += n;
            AppendFormat(out, n == 1 ? fs.ShortTimeFormat : fs.LongTimeFormat, dt, p, depth + 1);
            break;
        case '/':
            out += fs.DateSeparator;
            ++i;
            continue;
        case ':':
            out += fs.TimeSeparator;
            ++i;
            continue;
        default:
            out += c;
            ++i;
            continue;  // literals keep an hour's "m" meaning minutes (as in "h.mm")
        }
        lastWasHour = false;
    }
}

// Numbers separated by `separator` (blanks around them allowed); false on any other text.
bool ReadNumbers(std::string_view text, char separator, std::vector<int> &numbers)
{
    numbers.clear();
    size_t i = 0;
    while (true) {
        while (i < text.size() && text[i] == ' ')
            ++i;
        if (i >= text.size() || text[i] < '0' || text[i] > '9')
            return false;
        int64_t v = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            v = v * 10 + (text[i++] - '0');
            if (v > 100000)
                return false;
        }
        numbers.push_back(int(v));
        while (i < text.size() && text[i] == ' ')
            ++i;
        if (i == text.size())
            return true;
        if (text[i] != separator)
            return false;
        ++i;
    }
}

bool TryStrToDate(std::string_view text, TDateTime &date)
{
    const TVlFormatSettings &fs = FormatSettings();
    std::vector<int> n;
    if (!ReadNumbers(text, fs.DateSeparator, n) || n.size() < 2 || n.size() > 3)
        return false;
    // Field order from the short date picture (d, m, y in some order).
    std::string order;
    for (char c : fs.ShortDateFormat) {
        char lc = char(c | 0x20);
        if ((lc == 'd' || lc == 'm' || lc == 'y') && order.find(lc) == std::string::npos)
            order += lc;
    }
    if (order.size() != 3)
        order = "dmy";
    int y, m, d;
    DecodeDate(Date(), y, m, d);
    int year = y, month = 0, day = 0;
    size_t k = 0;
    for (char f : order) {
        if (f == 'y' && n.size() == 2)
            continue;  // two numbers: day and month of this year
        if (k >= n.size())
            return false;
        int v = n[k++];
        if (f == 'd')
            day = v;
        else if (f == 'm')
            month = v;
        else
            year = v;
    }
    if (n.size() == 3 && year < 100) {
        // Two-digit years: the century that puts the year nearest to now (window of 50 years).
        int century = y / 100 * 100;
        year += century;
        if (year > y + 50)
            year -= 100;
        else if (year <= y - 50)
            year += 100;
    }
    return TryEncodeDate(year, month, day, date);
}

bool TryStrToTime(std::string_view text, TDateTime &time)
{
    const TVlFormatSettings &fs = FormatSettings();
    std::string s = Trim(text);
    int pm = -1;  // -1: 24-hour clock
    std::string upper = UpperCase(s);
    for (const char *marker : {"AM", "PM"}) {
        if (upper.size() >= 2 && upper.compare(upper.size() - 2, 2, marker) == 0) {
            pm = marker[0] == 'P';
            s = TrimRight(s.substr(0, s.size() - 2));
            break;
        }
    }
    int msec = 0;
    size_t dot = s.find('.');
    if (dot != std::string::npos) {
        std::string ms = s.substr(dot + 1);
        if (ms.empty() || ms.size() > 3 || ms.find_first_not_of("0123456789") != std::string::npos)
            return false;
        msec = std::stoi(ms);
        s.resize(dot);
    }
    std::vector<int> n;
    if (!ReadNumbers(s, fs.TimeSeparator, n) || n.size() > 3)
        return false;
    int hour = n[0], min = n.size() > 1 ? n[1] : 0, sec = n.size() > 2 ? n[2] : 0;
    if (pm >= 0) {
        if (hour < 1 || hour > 12)
            return false;
        hour = hour % 12 + (pm ? 12 : 0);
    }
    return TryEncodeTime(hour, min, sec, msec, time);
}

} // namespace

bool IsLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int year, int month)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

bool TryEncodeDate(int year, int month, int day, TDateTime &date)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        return false;
    date = double(DaysFromCivil(year, month, day) - DateDelta);
    return true;
}

bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime &time)
{
    if (hour < 0 || hour > 23 || min < 0 || min > 59 || sec < 0 || sec > 59 || msec < 0 || msec > 999)
        return false;
    time = ((hour * 3600000.0) + min * 60000.0 + sec * 1000.0 + msec) / MSecsPerDay;
    return true;
}

TDateTime EncodeDate(int year, int month, int day)
{
    TDateTime d;
    if (!TryEncodeDate(year, month, day, d))
        throw EConvertError("Invalid argument to date encode");
    return d;
}

TDateTime EncodeTime(int hour, int min, int sec, int msec)
{
    TDateTime t;
    if (!TryEncodeTime(hour, min, sec, msec, t))
        throw EConvertError("Invalid argument to time encode");
    return t;
}

void DecodeDate(TDateTime date, int &year, int &month, int &day)
{
    double whole = std::trunc(date);
    if (!std::isfinite(whole) || whole < -693593 || whole > 2958465) {
        year = month = day = 0;
        return;
    }
    CivilFromDays(int64_t(whole) + DateDelta, year, month, day);
}

void DecodeTime(TDateTime time, int &hour, int &min, int &sec, int &msec)
{
    if (!std::isfinite(time)) {
        hour = min = sec = msec = 0;
        return;
    }
    int64_t ms = TimeMSecs(time);
    hour = int(ms / 3600000);
    min = int(ms / 60000 % 60);
    sec = int(ms / 1000 % 60);
    msec = int(ms % 1000);
}

int DayOfWeek(TDateTime date)
{
    int64_t days = int64_t(std::trunc(date)) + DateDelta;  // day 1 (0001-01-01) was a Monday
    int64_t r = days % 7;
    if (r < 0)
        r += 7;
    return int(r) + 1;
}

TDateTime IncMonth(TDateTime date, int months)
{
    int y, m, d;
    DecodeDate(date, y, m, d);
    int64_t total = int64_t(y) * 12 + (m - 1) + months;
    int ny = int(total / 12), nm = int(total % 12) + 1;
    int nd = std::min(d, DaysInMonth(ny, nm));
    TDateTime result;
    if (!TryEncodeDate(ny, nm, nd, result))
        throw EConvertError("Invalid argument to date encode");
    double frac = date - std::trunc(date);
    return result + (result < 0 ? -std::fabs(frac) : std::fabs(frac));
}

TDateTime Now()
{
    auto now = std::chrono::system_clock::now();
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count();
    std::time_t secs = std::time_t(ms / 1000);
    std::tm local{};
    localtime_r(&secs, &local);
    return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday)
        + EncodeTime(local.tm_hour, local.tm_min, std::min(local.tm_sec, 59), int(ms % 1000));
}

TDateTime Date()
{
    return std::trunc(Now());
}

TDateTime Time()
{
    TDateTime n = Now();
    return n - std::trunc(n);
}

std::string FormatDateTime(std::string_view format, TDateTime dateTime)
{
    std::string out;
    TDateParts parts = Split(dateTime);
    AppendFormat(out, format.empty() ? std::string_view("c") : format, dateTime, parts, 0);
    return out;
}

std::string DateToStr(TDateTime date) { return FormatDateTime("ddddd", date); }
std::string TimeToStr(TDateTime time) { return FormatDateTime("tt", time); }
std::string DateTimeToStr(TDateTime dateTime) { return FormatDateTime("c", dateTime); }

TDateTime StrToDate(std::string_view text)
{
    TDateTime d;
    if (!TryStrToDate(text, d))
        throw EConvertError("'" + std::string(text) + "' is not a valid date");
    return d;
}

TDateTime StrToTime(std::string_view text)
{
    TDateTime t;
    if (!TryStrToTime(text, t))
        throw EConvertError("'" + std::string(text) + "' is not a valid time");
    return t;
}

TDateTime StrToDateTime(std::string_view text)
{
    std::string s = Trim(text);
    size_t space = s.find(' ');
    TDateTime d, t = 0;
    bool ok = space == std::string::npos
                  ? TryStrToDate(s, d)
                  : TryStrToDate(s.substr(0, space), d) && TryStrToTime(s.substr(space + 1), t);
    if (!ok)
        throw EConvertError("'" + std::string(text) + "' is not a valid date and time");
    return d < 0 ? d - t : d + t;
}

TDateTime FileDateToDateTime(int64_t fileDate)
{
    std::time_t secs = std::time_t(fileDate);
    std::tm local{};
    if (!localtime_r(&secs, &local))
        return 0;
    return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday)
        + EncodeTime(local.tm_hour, local.tm_min, std::min(local.tm_sec, 59), 0);
}

int64_t DateTimeToFileDate(TDateTime dateTime)
{
    int y, mo, d, h, mi, s, ms;
    DecodeDate(dateTime, y, mo, d);
    DecodeTime(dateTime, h, mi, s, ms);
    std::tm local{};
    local.tm_year = y - 1900;
    local.tm_mon = mo - 1;
    local.tm_mday = d;
    local.tm_hour = h;
    local.tm_min = mi;
    local.tm_sec = s;
    local.tm_isdst = -1;
    return int64_t(std::mktime(&local));
}

} // namespace VlSysUtils
