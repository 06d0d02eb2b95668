// Field values: a TVarValue per cell (Null for SQL NULL; dates as TDateTime floats; strings and
// blobs as CP1251 / raw bytes), their conversions, and their exchange with the engines' QVariant.
#pragma once

#include "VlDbTypes.h"

#include <QVariant>

#include <string>
#include <vector>

using TDbRow = std::vector<TVarValue>;

TVarValue DbNull();
TVarValue DbInteger(int64_t value);
TVarValue DbFloat(double value);
TVarValue DbString(std::string value);
TVarValue DbBoolean(bool value);
inline bool DbIsNull(const TVarValue &v)
{
    return v.Kind == TVarValue::TKind::Null || v.Kind == TVarValue::TKind::Empty;
}

// Conversions by the value's own kind; Null reads as '', 0, 0.0 and False. A text that is no
// number raises EConvertError with the usual message.
std::string DbValueToString(const TVarValue &v);
int64_t DbValueToInteger(const TVarValue &v);
double DbValueToFloat(const TVarValue &v);
bool DbValueToBoolean(const TVarValue &v);
// A date and time from a TDateTime float, or from text ("2024-05-01", "2024-05-01 10:30:00",
// or the local date format).
double DbValueToDateTime(const TVarValue &v);

// Equality as Locate compares: by text when either side is text, else numerically.
bool DbValuesEqual(const TVarValue &a, const TVarValue &b, bool caseInsensitive, bool partial);

// The engine's value of a cell and back. Text crosses as UTF-8 on the engine side and CP1251 here;
// dates and times become TDateTime floats.
TVarValue DbFromVariant(const QVariant &value);
QVariant DbToVariant(const TVarValue &value, TFieldType type);
// The field type of an engine's column type.
TFieldType DbFieldTypeOf(int metaTypeId);

// CP1251 script text <-> the engines' Unicode text.
QString DbText(const std::string &cp1251);
std::string DbCp1251(const QString &text);
