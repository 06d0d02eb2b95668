// Fuzz target: any bytes as the samples INI give a samples list whose every entry can be shown.
#include "FuzzTempFile.h"

#include "runner/VlSamplesModel.h"

#include <exception>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string ini = VlFuzzWriteTempFile(data, size, "Samples.ini");
    try {
        TVlSamplesModel model(QString::fromStdString(ini), QStringLiteral("/nonexistent-vl-samples"));
        for (int i = 0; i < model.Entries().size(); ++i) {
            const QString name = model.Name(i);
            (void)model.KindOf(i);
            (void)model.Source(name);
            (void)model.Description(name);
            (void)model.Page(name);
            (void)model.NewCustomEntry(name);
        }
    } catch (const std::exception &) {
    }
    return 0;
}
