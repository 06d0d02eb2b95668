// Reading over statements, blocks and expressions without running them.
#include "VlInterpreter.h"

// Statements are skipped by the token that starts them.
void TVlInterpreterFunction::SkipStatement()
{
    CheckStack();
    switch (TokenKind) {
    case tkEof: case tkProcedure: case tkFunction:
        ReportExpected("'end'");
    case tkSemicolon: case tkEnd: case tkBreak: case tkContinue: case tkExit:
        NextToken();
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
            if (TokenKind >= tkNot && TokenKind <= tkXor) {
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
