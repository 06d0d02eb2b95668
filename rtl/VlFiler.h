// TFiler, TReader and TWriter: what persistent objects see of form-stream reading and writing.
#pragma once

#include "VlFilerValues.h"

#include <functional>
#include <string>

class TComponent;
class TReader;
class TWriter;
class TStream;

// Lets an object store data that is not a published property (DefineProperties).
class TFiler {
public:
    using TReaderProc = std::function<void(TReader &)>;
    using TWriterProc = std::function<void(TWriter &)>;
    using TStreamProc = std::function<void(TStream &)>;

    virtual ~TFiler() = default;
    // hasData tells a writer whether to store the property at all; readers ignore it.
    virtual void DefineProperty(const std::string &name, const TReaderProc &readData,
                                const TWriterProc &writeData, bool hasData) = 0;
    // Binary data (glyphs, pictures): the procs read or write the raw bytes of the value.
    virtual void DefineBinaryProperty(const std::string &name, const TStreamProc &readData,
                                      const TStreamProc &writeData, bool hasData) = 0;
};

// Reads a component's published and defined properties and its children (TComponent::ReadState).
// The value readers come from TValueReader; the component reader implements ReadData.
class TReader : public TFiler, public TValueReader {
public:
    explicit TReader(TStream &stream) : TValueReader(stream) {}
    virtual void ReadData(TComponent *instance) = 0;

    void DefineProperty(const std::string &name, const TReaderProc &readData, const TWriterProc &writeData,
                        bool hasData) override;
    void DefineBinaryProperty(const std::string &name, const TStreamProc &readData,
                              const TStreamProc &writeData, bool hasData) override;

protected:
    // The property being read that the published metadata did not know; a DefineProperties
    // call that handles it clears it.
    std::string FPropName;
};

// Writes a component's properties and children (TComponent::WriteState).
class TWriter : public TFiler, public TValueWriter {
public:
    explicit TWriter(TStream &stream) : TValueWriter(stream) {}
    virtual void WriteData(TComponent *instance) = 0;

    void DefineProperty(const std::string &name, const TReaderProc &readData, const TWriterProc &writeData,
                        bool hasData) override;
    void DefineBinaryProperty(const std::string &name, const TStreamProc &readData,
                              const TStreamProc &writeData, bool hasData) override;

protected:
    // Prefix of nested property names ("Font."), set while a sub-object is written.
    std::string FPropPath;
};
