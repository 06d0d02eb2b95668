// Fuzz target: any bytes as an event list file load, and a list saved loads back the same.
#include "FuzzTempFile.h"

#include "codegen/VlEventProcedures.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = QString::fromStdString(VlFuzzWriteTempFile(data, size, "FormProc.vlf"));
    QString error;
    const std::optional<QStringList> items = LoadEventList(path, error);
    if (!items)
        return 0;
    const QString copy = path + QStringLiteral(".copy");
    if (!SaveEventList(copy, *items, error))
        std::abort();
    const std::optional<QStringList> again = LoadEventList(copy, error);
    if (!again || *again != *items)
        std::abort();
    return 0;
}
