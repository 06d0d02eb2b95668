#include "VlDbSqliteRows.h"

#include "rtl/VlCp1251.h"
#include "rtl/VlExceptions.h"

#include <QSqlQuery>
#include <QSqlResult>
#include <sqlite3.h>

#include <cstring>

sqlite3_stmt *DbSqliteStatement(const QSqlQuery &query)
{
    // Debian's Qt driver uses the system library, the one linked here, so the handle is ours to read.
    const QSqlResult *result = query.result();
    const QVariant handle = result ? result->handle() : QVariant();
    if (!handle.isValid() || std::strcmp(handle.typeName(), "sqlite3_stmt*") != 0)
        return nullptr;
    return *static_cast<sqlite3_stmt *const *>(handle.constData());
}

namespace {

// A code point of two or three bytes at text[i], and its length; 0 for any other shape, which
// SQLite reads its own way. (Surrogates and U+FFFE/U+FFFF have no CP1251 letter either way.)
int PlainSequence(const unsigned char *text, int size, int i, char32_t &ch)
{
    const unsigned char lead = text[i];
    const int length = lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3 : 0;
    if (length == 0 || i + length > size)
        return 0;
    ch = lead & (length == 2 ? 0x1F : 0x0F);
    for (int k = 1; k < length; ++k) {
        if ((text[i + k] & 0xC0) != 0x80)
            return 0;
        ch = (ch << 6) | (text[i + k] & 0x3F);
    }
    return ch < 0x80 ? 0 : length;
}

// The CP1251 text of a TEXT cell into out. Text of one- to three-byte characters is read as the
// engine stores it; anything else goes through the engine's UTF-16, as Qt's driver reads every cell.
void ReadText(sqlite3_stmt *statement, int column, std::string &out)
{
    const auto *text = sqlite3_column_text(statement, column);
    const int size = sqlite3_column_bytes(statement, column);
    out.resize(static_cast<size_t>(size));
    size_t length = 0;
    for (int i = 0; i < size;) {
        if (text[i] < 0x80) {
            out[length++] = static_cast<char>(text[i++]);
            continue;
        }
        char32_t ch = 0;
        const int taken = PlainSequence(text, size, i, ch);
        if (taken == 0) {
            const auto *wide = static_cast<const char16_t *>(sqlite3_column_text16(statement, column));
            const auto units = static_cast<size_t>(sqlite3_column_bytes16(statement, column)) / sizeof(char16_t);
            out = Utf16ToCp1251(std::u16string_view(wide, units));
            return;
        }
        const int byte = UnicodeToCp1251(ch);
        out[length++] = byte < 0 ? '?' : static_cast<char>(byte);
        i += taken;
    }
    out.resize(length);
}

// Refills a cell in place: a loop over records reuses the text buffers of the last one.
void ReadCell(sqlite3_stmt *statement, int column, TVarValue &cell)
{
    cell.Int = 0;
    cell.Float = 0;
    cell.Str.clear();
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_NULL: cell.Kind = TVarValue::TKind::Null; break;
    case SQLITE_INTEGER:
        cell.Kind = TVarValue::TKind::Integer;
        cell.Int = sqlite3_column_int64(statement, column);
        break;
    case SQLITE_FLOAT:
        cell.Kind = TVarValue::TKind::Float;
        cell.Float = sqlite3_column_double(statement, column);
        break;
    case SQLITE_BLOB: {
        cell.Kind = TVarValue::TKind::String;
        if (const auto *bytes = static_cast<const char *>(sqlite3_column_blob(statement, column)))
            cell.Str.assign(bytes, static_cast<size_t>(sqlite3_column_bytes(statement, column)));
        break;
    }
    default:
        cell.Kind = TVarValue::TKind::String;
        ReadText(statement, column, cell.Str);
    }
}

} // namespace

void DbSqliteReadRow(sqlite3_stmt *statement, int columns, TDbRow &row)
{
    row.resize(static_cast<size_t>(columns));
    for (int i = 0; i < columns; ++i)
        ReadCell(statement, i, row[static_cast<size_t>(i)]);
}

bool DbSqliteStep(sqlite3_stmt *statement)
{
    switch (sqlite3_step(statement)) {
    case SQLITE_ROW: return true;
    case SQLITE_DONE: return false;
    default: throw EDBEngineError(Utf8ToCp1251(sqlite3_errmsg(sqlite3_db_handle(statement))));
    }
}
