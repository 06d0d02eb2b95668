// Moves styled runs between Qt text documents and the rich-text model.
#include "VlRtfTextDocument.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <cmath>

namespace {

TVlRtfStyle StyleOf(const QTextCharFormat &format, const QFont &defaultFont)
{
    const QFont font = format.font().resolve(defaultFont);
    TVlRtfStyle style;
    style.Bold = font.weight() >= QFont::DemiBold;
    style.Italic = font.italic();
    style.Underline = font.underline();
    if (format.hasProperty(QTextFormat::ForegroundBrush) && format.foreground().style() != Qt::NoBrush) {
        const QColor color = format.foreground().color();
        style.Color = TVlRtfColor{static_cast<uint8_t>(color.red()), static_cast<uint8_t>(color.green()),
                                  static_cast<uint8_t>(color.blue())};
    }
    style.FontName = font.family().toStdU16String();
    if (font.pointSizeF() > 0)
        style.HalfPoints = static_cast<int>(std::lround(font.pointSizeF() * 2));
    else if (font.pixelSize() > 0)
        style.HalfPoints = static_cast<int>(std::lround(font.pixelSize() * 1.5)); // 96 dots per inch
    return style;
}

} // namespace

TVlRtfDocument RtfFromTextDocument(const QTextDocument &document, int from, int to)
{
    TVlRtfDocument rtf;
    if (to < 0)
        to = document.characterCount() - 1; // without the document's final paragraph mark
    const QFont defaultFont = document.defaultFont();
    for (QTextBlock block = document.findBlock(from); block.isValid() && block.position() <= to;
         block = block.next()) {
        if (block.position() > from)
            rtf.Append(u"\n", StyleOf(block.charFormat(), defaultFont));
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int start = std::max(fragment.position(), from);
            const int end = std::min(fragment.position() + fragment.length(), to);
            if (start >= end)
                continue;
            QString text = fragment.text().mid(start - fragment.position(), end - start);
            text.replace(QChar::LineSeparator, '\n').replace(QChar::Nbsp, QChar(0xa0));
            rtf.Append(text.toStdU16String(), StyleOf(fragment.charFormat(), defaultFont));
        }
    }
    return rtf;
}

void InsertRtf(QTextCursor &cursor, const TVlRtfDocument &rtf)
{
    const QTextCharFormat base = cursor.charFormat();
    cursor.beginEditBlock();
    for (const TVlRtfRun &run : rtf.Runs) {
        QTextCharFormat format = base;
        const TVlRtfStyle &style = run.Style;
        format.setFontWeight(style.Bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(style.Italic);
        format.setFontUnderline(style.Underline);
        if (style.Color)
            format.setForeground(QColor(style.Color->Red, style.Color->Green, style.Color->Blue));
        if (!style.FontName.empty())
            format.setFontFamilies({QString::fromStdU16String(style.FontName)});
        if (style.HalfPoints > 0)
            format.setFontPointSize(style.HalfPoints / 2.0);
        cursor.insertText(QString::fromStdU16String(run.Text), format);
    }
    cursor.endEditBlock();
}
