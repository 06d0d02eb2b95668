// Conversions of field values between their kinds and the engines' QVariant.
#include "VlDbValue.h"

#include "rtl/VlCp1251.h"
#include "rtl/VlDateTime.h"
#include "rtl/VlExceptions.h"
#include "rtl/VlSysUtils.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <cmath>

using namespace VlSysUtils;

TVarValue DbNull()
{
    TVarValue v;
    v.Kind = TVarValue::TKind::Null;
    return v;
}

TVarValue DbInteger(int64_t value)
{
    TVarValue v;
    v.Kind = TVarValue::TKind::Integer;
    v.Int = value;
    return v;
}

TVarValue DbFloat(double value)
{
    TVarValue v;
    v.Kind = TVarValue::TKind::Float;
    v.Float = value;
    return v;
}

TVarValue DbString(std::string value)
{
    TVarValue v;
    v.Kind = TVarValue::TKind::String;
    v.Str = std::move(value);
    return v;
}

TVarValue DbBoolean(bool value)
{
    TVarValue v;
    v.Kind = TVarValue::TKind::Boolean;
    v.Int = value ? 1 : 0;
    return v;
}

std::string DbValueToString(const TVarValue &v)
{
    switch (v.Kind) {
    case TVarValue::TKind::Integer: return IntToStr(v.Int);
    case TVarValue::TKind::Float: return FloatToStr(v.Float);
    case TVarValue::TKind::String: return v.Str;
    case TVarValue::TKind::Boolean: return v.Int ? "True" : "False";
    default: return {};
    }
}

int64_t DbValueToInteger(const TVarValue &v)
{
    switch (v.Kind) {
    case TVarValue::TKind::Integer:
    case TVarValue::TKind::Boolean: return v.Int;
    case TVarValue::TKind::Float: return static_cast<int64_t>(std::llround(v.Float));
    case TVarValue::TKind::String: return v.Str.empty() ? 0 : StrToInt64(v.Str);
    default: return 0;
    }
}

double DbValueToFloat(const TVarValue &v)
{
    switch (v.Kind) {
    case TVarValue::TKind::Integer:
    case TVarValue::TKind::Boolean: return static_cast<double>(v.Int);
    case TVarValue::TKind::Float: return v.Float;
    case TVarValue::TKind::String: return v.Str.empty() ? 0.0 : StrToFloat(v.Str);
    default: return 0.0;
    }
}

bool DbValueToBoolean(const TVarValue &v)
{
    if (v.Kind != TVarValue::TKind::String)
        return DbValueToFloat(v) != 0;
    const QString text = DbText(v.Str).trimmed().toLower();
    if (text.isEmpty() || text == QLatin1String("false") || text == QLatin1String("f") || text == QLatin1String("0")
        || text == QLatin1String("no"))
        return false;
    if (text == QLatin1String("true") || text == QLatin1String("t") || text == QLatin1String("1")
        || text == QLatin1String("yes"))
        return true;
    throw EConvertError("'" + v.Str + "' is not a valid boolean value");
}

namespace {

// TDateTime of a Qt date and time (days since 30 December 1899).
double DateTimeOf(const QDate &date, const QTime &time)
{
    double days = static_cast<double>(QDate(1899, 12, 30).daysTo(date));
    if (time.isValid())
        days += time.msecsSinceStartOfDay() / 86400000.0;
    return days;
}

} // namespace

double DbValueToDateTime(const TVarValue &v)
{
    if (v.Kind != TVarValue::TKind::String)
        return DbValueToFloat(v);
    if (v.Str.empty())
        return 0.0;
    const QString text = DbText(v.Str).trimmed();
    const QDateTime iso = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (iso.isValid())
        return DateTimeOf(iso.date(), iso.time());
    const QDateTime spaced = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (spaced.isValid())
        return DateTimeOf(spaced.date(), spaced.time());
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (date.isValid())
        return DateTimeOf(date, QTime());
    return StrToDateTime(v.Str);
}

bool DbValuesEqual(const TVarValue &a, const TVarValue &b, bool caseInsensitive, bool partial)
{
    if (DbIsNull(a) || DbIsNull(b))
        return DbIsNull(a) && DbIsNull(b);
    if (a.Kind == TVarValue::TKind::String || b.Kind == TVarValue::TKind::String) {
        QString x = DbText(DbValueToString(a));
        QString y = DbText(DbValueToString(b));
        const Qt::CaseSensitivity cs = caseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive;
        return partial ? x.startsWith(y, cs) : x.compare(y, cs) == 0;
    }
    return DbValueToFloat(a) == DbValueToFloat(b);
}

TVarValue DbFromVariant(const QVariant &value)
{
    if (value.isNull())
        return DbNull();
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong: return DbInteger(value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float: return DbFloat(value.toDouble());
    case QMetaType::Bool: return DbBoolean(value.toBool());
    case QMetaType::QDate: return DbFloat(DateTimeOf(value.toDate(), QTime()));
    case QMetaType::QTime: return DbFloat(value.toTime().msecsSinceStartOfDay() / 86400000.0);
    case QMetaType::QDateTime: {
        const QDateTime dt = value.toDateTime();
        return DbFloat(DateTimeOf(dt.date(), dt.time()));
    }
    case QMetaType::QByteArray: return DbString(value.toByteArray().toStdString());
    default: return DbString(DbCp1251(value.toString()));
    }
}

namespace {

QDateTime QtDateTime(double days)
{
    const qint64 msecs = std::llround(days * 86400000.0);
    const qint64 whole = msecs >= 0 ? msecs / 86400000 : -((-msecs + 86399999) / 86400000);
    return QDateTime(QDate(1899, 12, 30).addDays(whole), QTime::fromMSecsSinceStartOfDay(int(msecs - whole * 86400000)));
}

} // namespace

QVariant DbToVariant(const TVarValue &value, TFieldType type)
{
    if (DbIsNull(value))
        return QVariant();
    switch (type) {
    case ftDate: return QtDateTime(DbValueToDateTime(value)).date().toString(Qt::ISODate);
    case ftTime: return QtDateTime(DbValueToDateTime(value)).time().toString(Qt::ISODate);
    case ftDateTime: return QtDateTime(DbValueToDateTime(value)).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    case ftBlob:
    case ftGraphic:
    case ftBytes:
    case ftVarBytes: return QByteArray::fromStdString(DbValueToString(value));
    default: break;
    }
    switch (value.Kind) {
    case TVarValue::TKind::Integer: return QVariant(static_cast<qlonglong>(value.Int));
    case TVarValue::TKind::Float: return QVariant(value.Float);
    case TVarValue::TKind::Boolean: return QVariant(value.Int != 0);
    default: return QVariant(DbText(value.Str));
    }
}

TFieldType DbFieldTypeOf(int metaTypeId)
{
    switch (metaTypeId) {
    case QMetaType::Short:
    case QMetaType::UShort: return ftSmallint;
    case QMetaType::Int:
    case QMetaType::UInt: return ftInteger;
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Long:
    case QMetaType::ULong: return ftLargeint;
    case QMetaType::Double:
    case QMetaType::Float: return ftFloat;
    case QMetaType::Bool: return ftBoolean;
    case QMetaType::QDate: return ftDate;
    case QMetaType::QTime: return ftTime;
    case QMetaType::QDateTime: return ftDateTime;
    case QMetaType::QByteArray: return ftBlob;
    default: return ftString;
    }
}

QString DbText(const std::string &cp1251)
{
    return QString::fromStdU16String(Cp1251ToUtf16(cp1251));
}

std::string DbCp1251(const QString &text)
{
    return Utf16ToCp1251(std::u16string_view(reinterpret_cast<const char16_t *>(text.utf16()), size_t(text.size())));
}
