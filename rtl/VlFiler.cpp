// Defined (non-published) properties on the reading and the writing side.
#include "VlFiler.h"

#include "VlNameCompare.h"
#include "VlStreams.h"

void TReader::DefineProperty(const std::string &name, const TReaderProc &readData, const TWriterProc &, bool)
{
    if (readData && !FPropName.empty() && VlSameName(name, FPropName)) {
        readData(*this);
        FPropName.clear();
    }
}

void TReader::DefineBinaryProperty(const std::string &name, const TStreamProc &readData, const TStreamProc &, bool)
{
    if (readData && !FPropName.empty() && VlSameName(name, FPropName)) {
        TStringStream bytes(ReadBinary());
        readData(bytes);
        FPropName.clear();
    }
}

void TWriter::DefineProperty(const std::string &name, const TReaderProc &, const TWriterProc &writeData, bool hasData)
{
    if (hasData && writeData) {
        WriteStr(FPropPath + name);
        writeData(*this);
    }
}

void TWriter::DefineBinaryProperty(const std::string &name, const TStreamProc &, const TStreamProc &writeData,
                                   bool hasData)
{
    if (hasData && writeData) {
        WriteStr(FPropPath + name);
        TStringStream bytes;
        writeData(bytes);
        WriteBinary(bytes.DataString());
    }
}
