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

// The CP1251 text of a TEXT cell. Text of one- to three-byte characters is read as the engine
// stores it; anything else goes through the engine's UTF-16, as Qt's driver reads every cell.
std::string CellText(sqlite3_stmt *statement, int column)
{
    const auto *text = sqlite3_column_text(statement, column);
    const int size = sqlite3_column_bytes(statement, column);
    std::string out(static_cast<size_t>(size), '\0');
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
            return Utf16ToCp1251(std::u16string_view(wide, units));
        }
        const int byte = UnicodeToCp1251(ch);
        out[length++] = byte < 0 ? '?' : static_cast<char>(byte);
        i += taken;
    }
    out.resize(length);
    return out;
}

TVarValue Cell(sqlite3_stmt *statement, int column)
{
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_NULL: return DbNull();
    case SQLITE_INTEGER: return DbInteger(sqlite3_column_int64(statement, column));
    case SQLITE_FLOAT: return DbFloat(sqlite3_column_double(statement, column));
    case SQLITE_BLOB: {
        const auto *bytes = static_cast<const char *>(sqlite3_column_blob(statement, column));
        const int size = sqlite3_column_bytes(statement, column);
        return DbString(bytes ? std::string(bytes, static_cast<size_t>(size)) : std::string());
    }
    default: return DbString(CellText(statement, column));
    }
}

} // namespace

TDbRow DbSqliteRow(sqlite3_stmt *statement, int columns)
{
    TDbRow row;
    row.reserve(static_cast<size_t>(columns));
    for (int i = 0; i < columns; ++i)
        row.push_back(Cell(statement, i));
    return row;
}

bool DbSqliteStep(sqlite3_stmt *statement)
{
    switch (sqlite3_step(statement)) {
    case SQLITE_ROW: return true;
    case SQLITE_DONE: return false;
    default: throw EDBEngineError(Utf8ToCp1251(sqlite3_errmsg(sqlite3_db_handle(statement))));
    }
}
