// Reading over statements, blocks and expressions without running them.
#include "VlInterpreter.h"

// Skipping depends on the tokens alone, so the reader state a skip leaves behind is remembered
// per first token and later restored directly: the current token, the one before it and the
// token value fields are exactly what reading token by token would give.
void TVlInterpreterFunction::SkipStatement()
{
    const TVlSource &source = *Source;
    if (TokenBacked || TokenBase != source.Tokens.data() || TokenKind != TokenBase[TokIndex].Kind) {
        SkipStatementTokens();
        return;
    }
    if (source.SkipEnd.empty()) {
        source.SkipEnd.assign(source.Tokens.size(), -1);
        source.SkipValue.assign(source.Tokens.size(), -1);
    }
    int32_t start = TokIndex;
    int32_t end = source.SkipEnd[static_cast<size_t>(start)];
    if (end >= 0) {
        CheckStack();
        PlaceReader(end, source.SkipValue[static_cast<size_t>(start)]);
        return;
    }
    SkipStatementTokens();
    if (end == -2)
        return;
    int32_t &known = source.SkipEnd[static_cast<size_t>(start)];
    known = -2;
    if (TokenBacked || TokIndex <= start || TokenKind != TokenBase[TokIndex].Kind || TokenKind == tkEof)
        return;
    int32_t valueToken = -1;
    for (int32_t i = start + 1; i < TokIndex; ++i) {
        int32_t kind = TokenBase[i].Kind;
        if (kind == tkFailure || kind == tkEof)
            return;
        if (VlSetsTokenValue(kind))
            valueToken = i;
    }
    known = TokIndex;
    source.SkipValue[static_cast<size_t>(start)] = valueToken;
}

// Statements are skipped by the token that starts them.
void TVlInterpreterFunction::SkipStatementTokens()
{
    CheckStack();
    switch (TokenKind) {
    case tkEof: case tkProcedure: case tkFunction:
        ReportExpected("'end'");
    case tkSemicolon: case tkEnd: case tkBreak: case tkContinue:
        NextToken();
        break;
    case tkExit:
        NextToken();
        if (ExtendedDialect && TokenKind == tkLParen)
            SkipExpression();  // exit(value)
        break;
    case tkBegin: case tkTry: case tkCase:
        SkipBlock();
        break;
    case tkIf:
        SkipUntil(tkThen);
        NextToken();
        SkipStatement();
        if (TokenKind == tkElse) {
            NextToken();
            SkipStatement();
        }
        break;
    case tkWhile: case tkFor:
        SkipUntil(tkDo);
        NextToken();
        SkipStatement();
        break;
    case tkRepeat:
        NextToken();
        while (TokenKind != tkUntil) {
            if (TokenKind == tkEof)
                ReportExpected("'end'");
            int32_t before = TokIndex;
            bool backed = TokenBacked;
            SkipStatement();
            if (TokenKind == tkUntil)
                break;
            if (TokIndex == before && TokenBacked == backed)
                NextToken();
        }
        NextToken();
        SkipExpression();
        break;
    case tkRaise:
        NextToken();
        SkipExpression();
        break;
    case tkIdentifier:
        if (ExtendedDialect && AtWithStatement()) {
            SkipUntil(tkDo);
            NextToken();
            SkipStatement();
            break;
        }
        SkipExpression();
        break;
    default:
        break;
    }
}

// begin|try|case|finally|except ... end, the "end" included.
void TVlInterpreterFunction::SkipBlock()
{
    CheckStack();
    for (;;) {
        NextToken();
        switch (TokenKind) {
        case tkEof:
            ReportExpected("'end'");
        case tkQuote:
            continue;
        case tkBegin: case tkTry: case tkCase:
            SkipBlock();
            break;
        case tkEnd:
            NextToken();
            return;
        default:
            SkipStatement();
            break;
        }
        if (TokenKind == tkEnd && !TokenBacked) {
            NextToken();
            return;
        }
    }
}

// A colon ends the expression (a case label) unless it is part of ":=" or, inside parentheses, of
// a width or decimals argument ("x:8:2").
void TVlInterpreterFunction::SkipExpression()
{
    int parenDepth = 0;
    for (;;) {
        switch (TokenKind) {
        case tkLParen:
            ++parenDepth;
            NextToken();
            continue;
        case tkRParen:
            if (parenDepth > 0)
                --parenDepth;
            NextToken();
            continue;
        case tkIdentifier: case tkInteger: case tkFloat: case tkString:
        case tkComma: case tkDot: case tkLBracket: case tkRBracket: case tkQuote: case tkTrue: case tkFalse:
            NextToken();
            continue;
        case tkColon:
            NextToken();
            if (TokenKind == tkEqual || parenDepth > 0) {
                NextToken();
                continue;
            }
            BackToken();
            return;
        case tkSemicolon: case tkEnd: case tkElse: case tkDo: case tkUntil: case tkFinally: case tkExcept:
        case tkOf:
            return;
        case tkEof:
            ReportExpected("'end'");
        default:
            if ((TokenKind >= tkNot && TokenKind <= tkXor) ||
                (ExtendedDialect && (TokenKind == tkIn || TokenKind == tkDotDot))) {
                NextToken();
                continue;
            }
            ReportExpected(ErrorMessageText(erTextExpression));
        }
    }
}

void TVlInterpreterFunction::SkipUntil(int32_t kind)
{
    while (TokenKind != kind) {
        if (TokenKind == tkEof)
            ReportExpected("'end'");
        NextToken();
    }
}

// Skips statements until the current token is one of two kinds (not consumed).
void TVlInterpreterFunction::SkipStatementsUntil(int32_t kind1, int32_t kind2)
{
    while (TokenKind != kind1 && TokenKind != kind2) {
        if (TokenKind == tkEof)
            ReportExpected("'end'");
        int32_t before = TokIndex;
        bool backed = TokenBacked;
        SkipStatement();
        if (TokIndex == before && TokenBacked == backed)
            NextToken();
    }
}
