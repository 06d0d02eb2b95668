// Tokenizer: cuts Pascal source into tokens; a source is tokenized once into a token array.
#pragma once

#include "VlInterpreterValue.h"

#include <memory>
#include <string>
#include <vector>

// Token kind of a stored tokenizer failure, raised when the reader reaches it.
constexpr int32_t tkFailure = -100;

struct TVlToken {
    int32_t Kind;
    int32_t Start;    // offset of the first character of the token's source text
    int32_t End;      // offset just after it (the read cursor after the token)
    int32_t TextLen;  // length of the token text (differs from End-Start for '' and #nn)
    int32_t Atom;     // interned name of identifiers and reserved words
    int32_t Index;    // Values/Texts slot of constants and identifiers; failure slot
};

// A failure found while tokenizing, raised when the reader reaches its token.
struct TVlTokenFailure {
    int32_t Code;      // 101 or 2; 0 for a library conversion failure
    int32_t Position;  // -1 or the offending offset
    std::string Message;
};

// One source text with its tokens; shared by everything that reads the text.
struct TVlSource {
    std::string Text;
    bool Extended = false;               // tokenized for the fuller dialect
    std::vector<TVlToken> Tokens;        // ends with a tkEof or tkFailure token
    std::vector<TVlValue> Values;        // token values of constants and identifiers
    std::vector<std::string> Texts;      // token texts where they differ from the source
    std::vector<TVlTokenFailure> Failures;
    std::vector<int32_t> Match;          // for "[" tokens the index of the matching "]", else -1
    // Quick forms of expressions by first token (-1 not tried yet, -2 none); see VlInterpreterQuick.
    mutable std::vector<int32_t> QuickIndex;
    mutable std::vector<std::shared_ptr<const struct TVlQuickExpression>> Quick;
    // Direct forms of statements by first token (-1 not tried yet, -2 none); see VlInterpreterDirect.
    mutable std::vector<int32_t> DirectIndex;
    mutable std::vector<std::shared_ptr<const struct TVlDirectStatement>> Direct;
    // Skipped statements by first token: index of the token current after the skip (-1 not
    // known yet, -2 not replayable), and of the last token in it that sets the token value.
    mutable std::vector<int32_t> SkipEnd;
    mutable std::vector<int32_t> SkipValue;
    // Index of the first token that starts at or after an offset.
    int32_t TokenAt(int32_t offset) const;
    // The token text (what ReadTokenText returns).
    std::string TokenText(const TVlToken &token) const;
};

// extended: the fuller dialect (exponents such as 1.0e-6, #$0D characters, Int64 literals).
std::shared_ptr<TVlSource> VlTokenize(const std::string &text, bool extended = false);

// The on-demand tokenizer, restartable at any offset.
class TVlInterpreterParser {
public:
    void SetSourceText(const std::string &text);
    const std::string &SourceText() const { return Source->Text; }
    std::string ReadTokenText();
    int32_t ReaderPos() const { return Cursor; }
    void SetReaderPos(int32_t offset) { Cursor = offset; }
    const std::shared_ptr<TVlSource> &Tokens() const { return Source; }

private:
    std::shared_ptr<TVlSource> Source = VlTokenize(std::string());
    int32_t Cursor = 0;
};

// Tokens that start a statement, and tokens that may follow one.
[[gnu::always_inline]] inline bool VlStartsStatement(int32_t kind)
{
    switch (kind) {
    case tkIdentifier: case tkBegin: case tkIf: case tkWhile: case tkRepeat: case tkFor: case tkBreak:
    case tkContinue: case tkTry: case tkRaise: case tkExit: case tkCase:
        return true;
    default:
        return false;
    }
}

[[gnu::always_inline]] inline bool VlEndsStatement(int32_t kind)
{
    return kind == tkSemicolon || kind == tkEnd || kind == tkElse || kind == tkUntil || kind == tkFinally ||
           kind == tkExcept;
}

// Whether a token kind sets the reader's token value fields when read.
inline bool VlSetsTokenValue(int32_t kind)
{
    return (kind >= tkIdentifier && kind <= tkString) || kind == tkFalse || kind == tkTrue || kind == tkArray;
}

int32_t TokenKindOf(const std::string &text);
int32_t OperatorPriority(int32_t kind);
// Reserved word kind of a lower-case word, or 0.
int32_t VlReservedWordKind(const std::string &lowerWord);
