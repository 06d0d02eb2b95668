// Date and time routines over TDateTime (days since 30 December 1899, time as the fraction).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace VlSysUtils {

using TDateTime = double;

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
bool TryEncodeDate(int year, int month, int day, TDateTime &date);
bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime &time);
// Throw EConvertError "Invalid argument to date encode" / "... time encode".
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int min, int sec, int msec);
void DecodeDate(TDateTime date, int &year, int &month, int &day);
void DecodeTime(TDateTime time, int &hour, int &min, int &sec, int &msec);
int DayOfWeek(TDateTime date);  // 1 = Sunday ... 7 = Saturday
TDateTime IncMonth(TDateTime date, int months);  // the day is clipped to the new month's length

TDateTime Now();   // local time
TDateTime Date();
TDateTime Time();

std::string DateToStr(TDateTime date);
std::string TimeToStr(TDateTime time);
std::string DateTimeToStr(TDateTime dateTime);  // the time is left out at midnight
// The usual picture letters: c d dd ddd dddd ddddd dddddd m mm mmm mmmm yy yyyy h hh n nn s ss
// z zzz t tt am/pm a/p ampm / : and quoted literals.
std::string FormatDateTime(std::string_view format, TDateTime dateTime);
// Throw EConvertError "'x' is not a valid date" / "time" / "date and time".
TDateTime StrToDate(std::string_view text);
TDateTime StrToTime(std::string_view text);
TDateTime StrToDateTime(std::string_view text);

// File times are Unix seconds (local wall clock converted to and from TDateTime).
TDateTime FileDateToDateTime(int64_t fileDate);
int64_t DateTimeToFileDate(TDateTime dateTime);

} // namespace VlSysUtils
