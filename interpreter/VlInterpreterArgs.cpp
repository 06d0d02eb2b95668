// TVlInterpreterArgs: clearing, appending arguments and the open-array conversion buffer.
#include "VlInterpreterArgs.h"

#include "VlInterpreterTypes.h"

TVlInterpreterArgs::TVlInterpreterArgs()
{
    for (int i = 0; i < VlMaxArgs; ++i) {
        Widths[i] = -1;
        Decimals[i] = -1;
    }
}

void TVlInterpreterArgs::Add(const TVlValue &value)
{
    if (Count >= VlMaxArgs)
        throw EVlRuntimeError("EVlException", "Too many arguments");
    VarNames[Count].clear();
    VarAtoms[Count] = 0;
    Widths[Count] = -1;
    Decimals[Count] = -1;
    Values[Count++] = value;
}

static TVlValue OpenArrayElement(const TVlValue &v)
{
    switch (v.Kind()) {
    case varSmallint: case varInteger: return TVlValue::Integer(v.RawInteger());
    case varSingle: case varDouble: return TVlValue::Double(v.RawDouble());  // keeps full precision
    case varBoolean: return TVlValue::Boolean(v.RawInteger() != 0);
    default: return v;
    }
}

const TVlOpenArray &TVlInterpreterArgs::OpenArray(int index)
{
    if (!ConversionBuffer)
        ConversionBuffer = std::make_unique<TVlOpenArray>();
    TVlOpenArray &buffer = *ConversionBuffer;
    buffer.Count = 0;
    for (TVlValue &item : buffer.Items)
        item.Clear();
    if (index < 0 || index >= VlMaxArgs)
        return buffer;
    const TVlValue &source = Values[index];
    if (source.IsScriptArray()) {
        const TVlInterpreterArrayRec &array = *source.RawScriptArray();
        if (array.DimCount != 1)
            throw EVlRuntimeError("EVlException", "Sorry, for one-dimensional arrays only");
        for (const TVlValue &item : array.Items) {
            if (buffer.Count >= VlMaxArgs)
                throw EVlRuntimeError("EVlException", "Too many elements in open array");
            buffer.Items[buffer.Count++] = OpenArrayElement(item);
        }
    } else if (source.IsVariantArray()) {
        for (const TVlValue &item : source.RawVariantArray()->Items) {
            if (buffer.Count >= VlMaxArgs)
                throw EVlRuntimeError("EVlException", "Too many elements in open array");
            buffer.Items[buffer.Count++] = OpenArrayElement(item);
        }
    }
    return buffer;
}
