// TFiler, TReader and TWriter: what persistent objects see of form-stream reading and writing.
#pragma once

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
class TReader : public TFiler {
public:
    virtual void ReadData(TComponent *instance) = 0;
};

// Writes a component's properties and children (TComponent::WriteState).
class TWriter : public TFiler {
public:
    virtual void WriteData(TComponent *instance) = 0;
};
