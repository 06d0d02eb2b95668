// Keywords, comments, strings and numbers of the non-Pascal highlighters, one table row each.
#include "VlHLLanguages.h"

#include <QHash>
#include <QSet>
#include <QStringList>
#include <algorithm>
#include <cstring>

namespace {
struct TLanguage
{
    TVlHighlighter Highlighter;
    bool CaseSensitive;
    const char *LineComment1; // empty when the language has none
    const char *LineComment2;
    const char *BlockOpen;
    const char *BlockClose;
    const char *Quotes;       // characters that open and close strings
    bool BackslashEscape;     // \" inside a string; otherwise a doubled quote
    const char *Preproc;      // a line whose first non-blank text starts so is preprocessor
    const char *Keywords;
};

const TLanguage Languages[] = {
    {TVlHighlighter::hlCBuilder, true, "//", "", "/*", "*/", "\"'", true, "#",
     "asm auto bool break case catch char class const const_cast continue default delete do double "
     "dynamic_cast else enum explicit extern false float for friend goto if inline int long mutable "
     "namespace new operator private protected public register reinterpret_cast return short signed "
     "sizeof static static_cast struct switch template this throw true try typedef typeid typename "
     "union unsigned using virtual void volatile while __fastcall __closure __property __published"},
    {TVlHighlighter::hlSql, false, "--", "", "/*", "*/", "'\"", false, "",
     "add all alter and any as asc between by case check column commit constraint create cross "
     "database default delete desc distinct drop else end exists foreign from full grant group "
     "having in index inner insert into is join key left like not null on or order outer primary "
     "references right rollback select set table then union unique update values view when where"},
    {TVlHighlighter::hlPython, true, "#", "", "", "", "\"'", true, "",
     "and as assert break class continue def del elif else except exec finally for from global if "
     "import in is lambda not or pass print raise return try while with yield None True False"},
    {TVlHighlighter::hlJava, true, "//", "", "/*", "*/", "\"'", true, "@",
     "abstract boolean break byte case catch char class const continue default do double else "
     "extends final finally float for goto if implements import instanceof int interface long "
     "native new package private protected public return short static super switch synchronized "
     "this throw throws transient try void volatile while true false null"},
    {TVlHighlighter::hlJScript, true, "//", "", "/*", "*/", "\"'", true, "",
     "break case catch continue default delete do else false finally for function if in "
     "instanceof new null return switch this throw true try typeof var void while with"},
    {TVlHighlighter::hlVB, false, "'", "rem ", "", "", "\"", false, "#",
     "and as boolean byref byval call case const dim do double each else elseif end exit false "
     "for function get if in integer is let long loop me new next not nothing object on option or "
     "private property public redim resume select set single static string sub then to true type "
     "until variant wend while with"},
    {TVlHighlighter::hlHtml, false, "", "", "<!--", "-->", "\"", false, "<!",
     "a b body br div em font form h1 h2 h3 head hr html i img input li link meta ol option p "
     "script select span style table td textarea th title tr u ul"},
    {TVlHighlighter::hlPerl, true, "#", "", "", "", "\"'", true, "",
     "if elsif else unless while until for foreach do last next redo return sub my our local use "
     "require package and or not eq ne lt gt le ge cmp print undef"},
    {TVlHighlighter::hlIni, false, ";", "#", "", "", "", false, "[", ""},
    {TVlHighlighter::hlCocoR, true, "//", "", "/*", "*/", "\"'", true, "",
     "ANY CHARACTERS COMMENTS COMPILER CONTEXT END FROM IF IGNORE IGNORECASE NESTED PRAGMAS "
     "PRODUCTIONS SYNC TO TOKENS WEAK"},
    {TVlHighlighter::hlPhp, false, "//", "#", "/*", "*/", "\"'", true, "<?",
     "and array as break case class const continue default do echo else elseif empty endif "
     "endwhile extends for foreach function global if include isset list new or print private "
     "public require return static switch unset use var while xor true false null"},
    {TVlHighlighter::hlNqc, true, "//", "", "/*", "*/", "\"'", true, "#",
     "__event_src __sensor __type abs acquire break case catch const continue default do else "
     "false for goto if inline int monitor repeat return sign start stop sub switch task true "
     "until void while"},
    {TVlHighlighter::hlCSharp, true, "//", "", "/*", "*/", "\"'", true, "#",
     "abstract as base bool break byte case catch char checked class const continue decimal "
     "default delegate do double else enum event explicit extern false finally fixed float for "
     "foreach goto if implicit in int interface internal is lock long namespace new null object "
     "operator out override params private protected public readonly ref return sbyte sealed "
     "short sizeof static string struct switch this throw true try typeof uint ulong unchecked "
     "unsafe ushort using virtual void while"},
};

const TLanguage *Find(TVlHighlighter hl)
{
    for (const TLanguage &l : Languages)
        if (l.Highlighter == hl)
            return &l;
    return nullptr;
}

const QSet<QString> &KeywordSet(const TLanguage &l)
{
    static QHash<const TLanguage *, QSet<QString>> sets;
    auto it = sets.find(&l);
    if (it == sets.end()) {
        QSet<QString> set;
        for (const QString &w : QString::fromLatin1(l.Keywords).split(QLatin1Char(' '), Qt::SkipEmptyParts))
            set.insert(l.CaseSensitive ? w : w.toLower());
        it = sets.insert(&l, set);
    }
    return *it;
}

bool IsWordChar(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_';
}

bool Starts(QStringView line, int pos, const char *text)
{
    return *text && line.mid(pos).startsWith(QLatin1String(text), Qt::CaseInsensitive);
}

// Colours one line (cells may be null when only the end state is wanted).
TVlLongState Walk(const TLanguage &l, QStringView line, TVlLongState state, TVlTokenClass *cells, int count)
{
    const int n = static_cast<int>(line.size());
    auto paint = [&](int from, int to, TVlTokenClass cls) {
        if (cells)
            std::fill(cells + std::min(from, count), cells + std::min(to, count), cls);
    };
    if (cells)
        std::fill(cells, cells + count, state == TVlLongState::None ? TVlTokenClass::PlainText : TVlTokenClass::Comment);
    int i = 0;
    if (state != TVlLongState::None) {
        const qsizetype close = line.indexOf(QLatin1String(l.BlockClose));
        if (close < 0)
            return state;
        i = static_cast<int>(close + qstrlen(l.BlockClose));
        state = TVlLongState::None;
    }
    int firstNonBlank = 0;
    while (firstNonBlank < n && line[firstNonBlank] == QLatin1Char(' '))
        ++firstNonBlank;
    if (i == 0 && Starts(line, firstNonBlank, l.Preproc)) {
        paint(firstNonBlank, n, TVlTokenClass::Preproc);
        return state;
    }
    while (i < n) {
        const QChar c = line[i];
        if (c == QLatin1Char(' ')) {
            ++i;
        } else if (Starts(line, i, l.LineComment1) || Starts(line, i, l.LineComment2)) {
            paint(i, n, TVlTokenClass::Comment);
            return state;
        } else if (Starts(line, i, l.BlockOpen)) {
            const int from = i;
            const qsizetype close = line.indexOf(QLatin1String(l.BlockClose), i + qstrlen(l.BlockOpen));
            if (close < 0) {
                paint(from, n, TVlTokenClass::Comment);
                return TVlLongState::ParenComment;
            }
            i = static_cast<int>(close + qstrlen(l.BlockClose));
            paint(from, i, TVlTokenClass::Comment);
        } else if (c.unicode() > 0 && c.unicode() < 128 && std::strchr(l.Quotes, static_cast<char>(c.unicode()))) {
            const int from = i++;
            while (i < n) {
                if (l.BackslashEscape && line[i] == QLatin1Char('\\')) {
                    i += 2;
                    continue;
                }
                if (line[i] == c) {
                    if (!l.BackslashEscape && i + 1 < n && line[i + 1] == c) {
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                ++i;
            }
            paint(from, std::min(i, n), TVlTokenClass::Strings);
        } else if (c.isDigit() && c.unicode() < 128) {
            const int from = i;
            while (i < n && (IsWordChar(line[i]) || line[i] == QLatin1Char('.')))
                ++i;
            paint(from, i, TVlTokenClass::Number);
        } else if (IsWordChar(c)) {
            const int from = i;
            while (i < n && IsWordChar(line[i]))
                ++i;
            QString word = line.mid(from, i - from).toString();
            if (!l.CaseSensitive)
                word = word.toLower();
            paint(from, i, KeywordSet(l).contains(word) ? TVlTokenClass::Reserved : TVlTokenClass::Identifier);
        } else {
            paint(i, i + 1, c.unicode() < 128 && c.isPunct() ? TVlTokenClass::Symbol : TVlTokenClass::Identifier);
            ++i;
        }
    }
    return state;
}
} // namespace

void VlColorLanguageLine(TVlHighlighter hl, QStringView line, TVlLongState start, TVlTokenClass *cells, int count)
{
    if (const TLanguage *l = Find(hl))
        Walk(*l, line, start, cells, count);
    else
        std::fill(cells, cells + count, TVlTokenClass::PlainText);
}

TVlLongStates::TScanner VlLanguageScanner(TVlHighlighter hl)
{
    const TLanguage *l = Find(hl);
    if (!l || !*l->BlockOpen)
        return {};
    return [l](QStringView line, TVlLongState start) { return Walk(*l, line, start, nullptr, 0); };
}

QStringList VlHighlighterSamples()
{
    static const char *const Text =
        "[Default]\n"
        "Plain text without any colouring.\n"
        "[Pascal]\n"
        "{ Syntax highlighting }\n"
        "procedure TForm1.Button1Click(Sender: TObject);\n"
        "var\n"
        "  Number, I, X: Integer;\n"
        "begin\n"
        "  Number := 123456;\n"
        "  Caption := 'The Number is ' + IntToStr(Number);\n"
        "  for I := 0 to Number do\n"
        "  begin\n"
        "    Inc(X);\n"
        "    Dec(X);\n"
        "  end;\n"
        "end;\n"
        "[CBuilder]\n"
        "/* Syntax highlighting */\n"
        "#include \"vcl.h\"\n"
        "void __fastcall TForm1::Button1Click(TObject *Sender)\n"
        "{\n"
        "  int number = 123456;\n"
        "  Caption = \"The Number is \" + IntToStr(number);\n"
        "  for (int i = 0; i <= number; i++)\n"
        "    x++; // count\n"
        "}\n"
        "[Sql]\n"
        "-- Syntax highlighting\n"
        "SELECT Name, Count(*) AS Total\n"
        "  FROM Customers\n"
        " WHERE City = 'Moscow' AND Age > 18\n"
        " GROUP BY Name;\n"
        "[Python]\n"
        "# Syntax highlighting\n"
        "def count(number):\n"
        "    total = 0\n"
        "    for i in range(number):\n"
        "        total += i * 2\n"
        "    print(\"The number is\", total)\n"
        "[Java]\n"
        "/* Syntax highlighting */\n"
        "public class Counter {\n"
        "  public static void main(String[] args) {\n"
        "    int number = 123456; // count\n"
        "    System.out.println(\"The Number is \" + number);\n"
        "  }\n"
        "}\n"
        "[JScript]\n"
        "/* Syntax highlighting */\n"
        "function count(number) {\n"
        "  var total = 0; // sum\n"
        "  for (var i = 0; i < number; i++) total += i;\n"
        "  return \"The Number is \" + total;\n"
        "}\n"
        "[VB]\n"
        "' Syntax highlighting\n"
        "Sub Button1_Click()\n"
        "  Dim Number As Integer\n"
        "  Number = 123456\n"
        "  Caption = \"The Number is \" & Number\n"
        "End Sub\n"
        "[Html]\n"
        "<!-- Syntax highlighting -->\n"
        "<html>\n"
        "<body bgcolor=\"white\">\n"
        "<p>The Number is 123456</p>\n"
        "</body>\n"
        "</html>\n"
        "[Perl]\n"
        "# Syntax highlighting\n"
        "my $number = 123456;\n"
        "foreach my $i (1 .. $number) {\n"
        "  print \"The Number is $i\\n\";\n"
        "}\n"
        "[Ini]\n"
        " ; Syntax highlighting\n"
        " [Section]\n"
        " Number=123456\n"
        " Caption=The Number is\n"
        "[Coco/R]\n"
        "/* Syntax highlighting */\n"
        "COMPILER Calc\n"
        "CHARACTERS digit = \"0123456789\".\n"
        "TOKENS number = digit { digit }.\n"
        "PRODUCTIONS Calc = number.\n"
        "END Calc.\n"
        "[PHP]\n"
        "<?php\n"
        "// Syntax highlighting\n"
        "$number = 123456;\n"
        "echo \"The Number is \" . $number;\n"
        "?>\n"
        "[NQC]\n"
        "// Syntax highlighting\n"
        "task main()\n"
        "{\n"
        "  int number = 10;\n"
        "  repeat (number) { OnFwd(OUT_A); Wait(100); }\n"
        "}\n"
        "[C#]\n"
        "/* Syntax highlighting */\n"
        "public class Counter\n"
        "{\n"
        "  static void Main(string[] args)\n"
        "  {\n"
        "    int number = 123456; // count\n"
        "    Console.WriteLine(\"The Number is \" + number);\n"
        "  }\n"
        "}\n";
    return QString::fromLatin1(Text).split(QLatin1Char('\n'));
}

QStringList VlSampleSection(const QStringList &samples, const QString &caption)
{
    QStringList lines;
    const QString header = QLatin1Char('[') + caption + QLatin1Char(']');
    bool inside = false;
    for (const QString &line : samples) {
        const bool isHeader = line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'));
        if (isHeader) {
            if (inside)
                break;
            inside = line.compare(header, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (inside)
            lines.append(line);
    }
    while (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}
