// Reading and writing the colour groups of the highlighters.
#include "VlHLEditorColorStore.h"

#include "VlHighlighters.h"
#include "rtl/VlSettingsStore.h"

#include <QStringList>

namespace {
std::string Name(int highlighter, const char *key)
{
    return (VlHighlighterStorageName(highlighter) + QLatin1String(key)).toStdString();
}

QString ReadText(const TVlSettingsStore &store, const std::string &name, const QString &fallback)
{
    return QString::fromStdString(store.ReadString(name, fallback.toStdString()));
}
} // namespace

TVlHighlighterColors VlDefaultHighlighterColors()
{
    using namespace VlColors;
    TVlHighlighterColors c;
    c.Colors[TVlTokenClass::Number] = {clNavy, clWindow, 0};
    c.Colors[TVlTokenClass::Strings] = {clMaroon, clWindow, 0};
    c.Colors[TVlTokenClass::Symbol] = {clBlue, clWindow, 0};
    c.Colors[TVlTokenClass::Comment] = {clOlive, clWindow, VlFontStyle(fsItalic)};
    c.Colors[TVlTokenClass::Reserved] = {clWindowText, clWindow, VlFontStyle(fsBold)};
    c.Colors[TVlTokenClass::Identifier] = {clWindowText, clWindow, 0};
    c.Colors[TVlTokenClass::Preproc] = {clGreen, clWindow, 0};
    return c; // function call, declaration, statement and plain text: window text on window
}

QString VlColorRecordText(const TVlSymbolColor &color)
{
    return VlColors::ColorToString(color.ForeColor) + QLatin1String(", ")
        + VlColors::ColorToString(color.BackColor) + QLatin1String(", ") + QString::number(color.Style);
}

TVlSymbolColor VlParseColorRecord(const QString &text, const TVlSymbolColor &defaults)
{
    TVlSymbolColor result = defaults;
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() > 0 && !parts[0].trimmed().isEmpty())
        VlColors::StringToColor(parts[0], result.ForeColor);
    if (parts.size() > 1 && !parts[1].trimmed().isEmpty())
        VlColors::StringToColor(parts[1], result.BackColor);
    if (parts.size() > 2 && !parts[2].trimmed().isEmpty()) {
        bool ok = false;
        const int style = parts[2].trimmed().toInt(&ok);
        if (ok)
            result.Style = static_cast<std::uint8_t>(style & 15);
    }
    return result;
}

QString VlColorRecordKey(TVlTokenClass cls)
{
    static const char *const Keys[VlTokenClassCount] = {
        "Comment", "Reserved", "Identifier", "Symbol", "Strings", "Number", "Preproc", "PlainText",
        "FunctionCall", "Declaration", "Statement"};
    return QString::fromLatin1(Keys[static_cast<int>(cls)]);
}

TVlHighlighterColors VlReadHighlighterColors(const TVlSettingsStore &store, int highlighter)
{
    using namespace VlColors;
    TVlHighlighterColors c = VlDefaultHighlighterColors();
    if (!StringToColor(ReadText(store, Name(highlighter, "BackColor"), QStringLiteral("clWindow")), c.BackColor))
        c.BackColor = clWindow;
    c.FontName = ReadText(store, Name(highlighter, "FontName"), c.FontName);
    c.Charset = static_cast<int>(store.ReadInteger(Name(highlighter, "Charset"), c.Charset));
    c.FontSize = static_cast<int>(store.ReadInteger(Name(highlighter, "FontSize"), c.FontSize));
    if (!StringToColor(ReadText(store, Name(highlighter, "RightMarginColor"), QStringLiteral("clSilver")), c.RightMarginColor))
        c.RightMarginColor = clSilver;
    for (int i = 0; i < VlTokenClassCount; ++i) {
        const auto cls = static_cast<TVlTokenClass>(i);
        const std::string name = (VlHighlighterStorageName(highlighter) + VlColorRecordKey(cls)).toStdString();
        c.Colors[cls] = VlParseColorRecord(ReadText(store, name, QString()), c.Colors[cls]);
    }
    return c;
}

void VlWriteHighlighterColors(TVlSettingsStore &store, int highlighter, const TVlHighlighterColors &c)
{
    using namespace VlColors;
    store.WriteString(Name(highlighter, "BackColor"), ColorToString(c.BackColor).toStdString());
    store.WriteString(Name(highlighter, "FontName"), c.FontName.toStdString());
    store.WriteInteger(Name(highlighter, "Charset"), c.Charset);
    store.WriteInteger(Name(highlighter, "FontSize"), c.FontSize);
    store.WriteString(Name(highlighter, "RightMarginColor"), ColorToString(c.RightMarginColor).toStdString());
    static const TVlTokenClass Order[] = {
        TVlTokenClass::Number, TVlTokenClass::Strings, TVlTokenClass::Symbol, TVlTokenClass::Comment,
        TVlTokenClass::Reserved, TVlTokenClass::Identifier, TVlTokenClass::Preproc,
        TVlTokenClass::FunctionCall, TVlTokenClass::Declaration, TVlTokenClass::Statement,
        TVlTokenClass::PlainText};
    for (TVlTokenClass cls : Order)
        store.WriteString((VlHighlighterStorageName(highlighter) + VlColorRecordKey(cls)).toStdString(),
                          VlColorRecordText(c.Colors[cls]).toStdString());
}
