// Writes the styled runs as RTF with a code page 1251 header and Unicode escapes.
#include "VlRtfDocument.h"
#include "VlCp1251.h"

#include <algorithm>

void TVlRtfDocument::Append(std::u16string_view text, const TVlRtfStyle &style)
{
    if (text.empty())
        return;
    if (!Runs.empty() && Runs.back().Style == style)
        Runs.back().Text += text;
    else
        Runs.push_back({std::u16string(text), style});
}

std::u16string TVlRtfDocument::PlainText() const
{
    std::u16string text;
    for (const TVlRtfRun &run : Runs)
        text += run.Text;
    return text;
}

namespace {

// Escapes one UTF-16 unit of text (or of a font name) for the RTF body.
void AppendEscaped(std::string &out, char16_t ch)
{
    if (ch == u'\\' || ch == u'{' || ch == u'}') {
        out += '\\';
        out += static_cast<char>(ch);
    } else if (ch >= 0x20 && ch < 0x7f) {
        out += static_cast<char>(ch);
    } else if (ch >= 0x80) {
        // \uN takes a signed 16-bit value; readers that do not know \u use the fallback byte.
        out += "\\u" + std::to_string(static_cast<int16_t>(ch));
        const int byte = (ch >= 0xd800 && ch <= 0xdfff) ? -1 : UnicodeToCp1251(ch);
        if (byte >= 0x80) {
            static const char hex[] = "0123456789abcdef";
            out += "\\'";
            out += hex[byte >> 4];
            out += hex[byte & 15];
        } else {
            out += '?';
        }
    }
    // Other control characters have no meaning in rich text and are left out.
}

std::string Escaped(std::u16string_view text)
{
    std::string out;
    for (char16_t ch : text)
        AppendEscaped(out, ch);
    return out;
}

template <typename T>
int IndexOf(std::vector<T> &list, const T &value)
{
    auto found = std::find(list.begin(), list.end(), value);
    if (found == list.end()) {
        list.push_back(value);
        return static_cast<int>(list.size()) - 1;
    }
    return static_cast<int>(found - list.begin());
}

} // namespace

std::string WriteRtf(const TVlRtfDocument &document)
{
    // Font 0 is the default font; colour 0 the automatic colour.
    std::vector<std::u16string> fonts{u"Times New Roman"};
    std::vector<TVlRtfColor> colors{TVlRtfColor{}};
    for (const TVlRtfRun &run : document.Runs) {
        if (!run.Style.FontName.empty())
            IndexOf(fonts, run.Style.FontName);
        if (run.Style.Color)
            IndexOf(colors, *run.Style.Color);
    }

    std::string out = "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049{\\fonttbl";
    for (std::size_t i = 0; i < fonts.size(); ++i)
        out += "{\\f" + std::to_string(i) + "\\fnil\\fcharset204 " + Escaped(fonts[i]) + ";}";
    out += "}\r\n{\\colortbl ;";
    for (std::size_t i = 1; i < colors.size(); ++i)
        out += "\\red" + std::to_string(colors[i].Red) + "\\green" + std::to_string(colors[i].Green) +
               "\\blue" + std::to_string(colors[i].Blue) + ";";
    out += "}\r\n\\viewkind4\\uc1\\pard\\f0\\fs20";

    TVlRtfStyle current;
    current.HalfPoints = 20;
    current.FontName = fonts[0];
    for (const TVlRtfRun &run : document.Runs) {
        const TVlRtfStyle &style = run.Style;
        std::string controls;
        const std::u16string fontName = style.FontName.empty() ? fonts[0] : style.FontName;
        if (fontName != current.FontName)
            controls += "\\f" + std::to_string(IndexOf(fonts, fontName));
        const int halfPoints = style.HalfPoints > 0 ? style.HalfPoints : 20;
        if (halfPoints != current.HalfPoints)
            controls += "\\fs" + std::to_string(halfPoints);
        if (style.Color != current.Color)
            controls += "\\cf" + std::to_string(style.Color ? IndexOf(colors, *style.Color) : 0);
        if (style.Bold != current.Bold)
            controls += style.Bold ? "\\b" : "\\b0";
        if (style.Italic != current.Italic)
            controls += style.Italic ? "\\i" : "\\i0";
        if (style.Underline != current.Underline)
            controls += style.Underline ? "\\ul" : "\\ulnone";
        current = style;
        current.FontName = fontName;
        current.HalfPoints = halfPoints;
        if (!controls.empty())
            out += controls + " ";
        for (char16_t ch : run.Text) {
            if (ch == u'\n')
                out += "\\par\r\n";
            else if (ch == u'\t')
                out += "\\tab ";
            else
                AppendEscaped(out, ch);
        }
    }
    out += "\\par\r\n}\r\n";
    return out;
}
