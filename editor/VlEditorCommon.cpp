// Colour names, word separators and tab stops shared by the editor model and views.
#include "VlEditorCommon.h"

#include <QStringList>
#include <algorithm>

namespace VlColors {
namespace {
struct TNamedColor
{
    const char *Name;
    TColor Color;
};
constexpr TNamedColor NamedColors[] = {
    {"clBlack", clBlack}, {"clMaroon", clMaroon}, {"clGreen", clGreen}, {"clOlive", clOlive},
    {"clNavy", clNavy}, {"clPurple", clPurple}, {"clTeal", clTeal}, {"clGray", clGray},
    {"clSilver", clSilver}, {"clRed", clRed}, {"clLime", clLime}, {"clYellow", clYellow},
    {"clBlue", clBlue}, {"clFuchsia", clFuchsia}, {"clAqua", clAqua}, {"clWhite", clWhite},
    {"clBtnFace", clBtnFace}, {"clHighlight", clHighlight}, {"clHighlightText", clHighlightText},
    {"clWindow", clWindow}, {"clWindowText", clWindowText}, {"clNone", clNone},
};
} // namespace

QString ColorToString(TColor color)
{
    for (const auto &named : NamedColors)
        if (named.Color == color)
            return QString::fromLatin1(named.Name);
    return QStringLiteral("$%1").arg(static_cast<quint32>(color), 8, 16, QLatin1Char('0')).toUpper();
}

bool StringToColor(const QString &text, TColor &color)
{
    const QString t = text.trimmed();
    for (const auto &named : NamedColors)
        if (t.compare(QLatin1String(named.Name), Qt::CaseInsensitive) == 0) {
            color = named.Color;
            return true;
        }
    bool ok = false;
    const quint32 value = t.startsWith(QLatin1Char('$')) ? t.mid(1).toUInt(&ok, 16) : t.toUInt(&ok, 10);
    if (!ok) {
        const int signedValue = t.toInt(&ok, 10);
        if (ok)
            color = signedValue;
        return ok;
    }
    color = static_cast<TColor>(value);
    return true;
}
} // namespace VlColors

TVlColors TVlColors::MainWindowDefaults()
{
    using namespace VlColors;
    TVlColors c;
    c[TVlTokenClass::Comment] = {clNavy, clWindow, VlFontStyle(fsItalic)};
    c[TVlTokenClass::Reserved] = {clBlack, clWindow, VlFontStyle(fsBold)};
    c[TVlTokenClass::Identifier] = {clBlack, clWindow, 0};
    c[TVlTokenClass::Symbol] = {clBlack, clWindow, 0};
    c[TVlTokenClass::Strings] = {clBlue, clWindow, 0};
    c[TVlTokenClass::Number] = {clNavy, clWindow, 0};
    c[TVlTokenClass::Preproc] = {clGreen, clWindow, 0};
    return c; // plain text, function call, declaration, statement keep window text on window
}

bool VlIsWordSeparator(QChar c)
{
    switch (c.unicode()) {
    case 0: case '\n': case '\r': case ' ': case '"': case '#': case '%': case '\'':
    case '(': case ')': case '*': case '+': case ',': case '-': case '.': case '/': case ':':
    case ';': case '<': case '=': case '>': case '[': case ']': case '\\': case '{': case '}':
        return true;
    default:
        return false;
    }
}

TVlTabStops::TVlTabStops(const QString &text) : fText(text)
{
    for (const QString &part : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int column = part.toInt(&ok);
        if (ok && column >= 1 && (fStops.empty() || column - 1 > fStops.back()))
            fStops.push_back(column - 1);
    }
}

namespace {
// Distance at which stops repeat past the last listed one.
int RepeatDistance(const std::vector<int> &stops)
{
    if (stops.size() >= 2)
        return stops[stops.size() - 1] - stops[stops.size() - 2];
    if (stops.size() == 1 && stops[0] > 0)
        return stops[0];
    return 8;
}
} // namespace

int TVlTabStops::NextStop(int x) const
{
    for (int stop : fStops)
        if (stop > x)
            return stop;
    const int last = fStops.empty() ? 0 : fStops.back();
    const int step = RepeatDistance(fStops);
    return last + ((x - last) / step + 1) * step;
}

int TVlTabStops::PrevStop(int x) const
{
    const int last = fStops.empty() ? 0 : fStops.back();
    if (x > last) {
        const int step = RepeatDistance(fStops);
        return last + ((x - last - 1) / step) * step;
    }
    int previous = 0;
    for (int stop : fStops)
        if (stop < x)
            previous = stop;
    return previous;
}

int TVlTabStops::TabWidth() const
{
    return fStops.empty() ? 8 : std::max(1, fStops.front());
}
