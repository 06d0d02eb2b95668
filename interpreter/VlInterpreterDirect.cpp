// Direct statements: translation of statement shapes into trees, cached per source.
#include "VlInterpreterDirect.h"

#include <algorithm>
#include <memory>

namespace {

// Deeper nesting is left to the token reader, which bounds the C++ stack the translation and
// the run of a tree take.
constexpr int MaxDirectDepth = 24;

class TDirectTranslator {
public:
    explicit TDirectTranslator(const TVlSource &source) : Source(source) {}

    // The cached or new tree of the statement at index first; nullptr for other shapes.
    const TVlDirectStatement *Statement(int32_t first, int depth)
    {
        if (first < 0 || static_cast<size_t>(first) >= Source.Tokens.size())
            return nullptr;
        if (Source.DirectIndex.empty())
            Source.DirectIndex.assign(Source.Tokens.size(), -1);
        int32_t known = Source.DirectIndex[static_cast<size_t>(first)];
        if (known == -2)
            return nullptr;
        if (known >= 0) {
            const TVlDirectStatement *cached = Source.Direct[static_cast<size_t>(known)].get();
            if (depth + cached->Height <= MaxDirectDepth + 1)
                return cached;
            TooDeep = true;
            return nullptr;
        }
        if (depth > MaxDirectDepth) {
            TooDeep = true;  // a shallower start may still succeed: nothing is remembered
            return nullptr;
        }
        bool outerTooDeep = TooDeep;
        TooDeep = false;
        auto statement = std::make_shared<TVlDirectStatement>();
        statement->First = first;
        bool built = Build(*statement, depth);
        int32_t &slot = Source.DirectIndex[static_cast<size_t>(first)];  // Build may have grown Direct
        if (built) {
            for (const TVlDirectStatement *branch : statement->Branch)
                if (branch)
                    statement->Height = std::max(statement->Height, branch->Height + 1);
            for (const auto &item : statement->Items)
                if (item.second)
                    statement->Height = std::max(statement->Height, item.second->Height + 1);
            for (int32_t i = first; i < statement->End; ++i)
                if (VlSetsTokenValue(Kind(i)))
                    statement->ValueToken = i;
            Source.Direct.push_back(std::move(statement));
            slot = static_cast<int32_t>(Source.Direct.size()) - 1;
        } else if (!TooDeep) {
            slot = -2;
        }
        TooDeep = TooDeep || outerTooDeep;
        return built ? Source.Direct[static_cast<size_t>(slot)].get() : nullptr;
    }

private:
    int32_t Kind(int32_t index) const
    {
        return index >= 0 && static_cast<size_t>(index) < Source.Tokens.size()
                   ? Source.Tokens[static_cast<size_t>(index)].Kind
                   : tkEof;
    }

    const TVlQuickExpression *Quick(int32_t first) const
    {
        if (first < 0 || static_cast<size_t>(first) + 1 >= Source.Tokens.size())
            return nullptr;
        return VlQuickExpressionAt(Source, first);
    }

    // A statement that is the body of if, while or for.
    const TVlDirectStatement *Body(int32_t first, int depth)
    {
        switch (Kind(first)) {
        case tkIdentifier: case tkBegin: case tkIf: case tkWhile: case tkFor: case tkBreak: case tkContinue:
        case tkExit:
            return Statement(first, depth + 1);
        default:
            return nullptr;  // empty statements read differently when run and when skipped
        }
    }

    bool Build(TVlDirectStatement &s, int depth)
    {
        int32_t first = s.First;
        switch (Kind(first)) {
        case tkIdentifier: return BuildAssignment(s);
        case tkBegin: return BuildCompound(s, depth);
        case tkIf: return BuildIf(s, depth);
        case tkWhile: return BuildWhile(s, depth);
        case tkFor: return BuildFor(s, depth);
        case tkBreak: s.Kind = TVlDirectStatement::dkBreak; s.End = first + 1; return true;
        case tkContinue: s.Kind = TVlDirectStatement::dkContinue; s.End = first + 1; return true;
        case tkExit:
            if (Kind(first + 1) == tkLParen)
                return false;  // exit(value) is left to the token reader
            s.Kind = TVlDirectStatement::dkExit;
            s.End = first + 1;
            return true;
        default: return false;
        }
    }

    bool SetExpression(TVlDirectStatement &s, int slot, int32_t first)
    {
        const TVlQuickExpression *quick = Quick(first);
        if (!quick)
            return false;
        s.Expr[slot] = quick;
        s.ExprFirst[slot] = first;
        return true;
    }

    int32_t After(const TVlDirectStatement &s, int slot) const { return s.Expr[slot]->LastToken + 1; }

    void SetTarget(TVlDirectStatement &s)
    {
        const TVlToken &token = Source.Tokens[static_cast<size_t>(s.First)];
        s.Atom = token.Atom;
        s.Name = &Source.Texts[static_cast<size_t>(token.Index)];
    }

    // name := value, or name [ index ] := value.
    bool BuildAssignment(TVlDirectStatement &s)
    {
        int32_t first = s.First;
        SetTarget(s);
        if (Kind(first + 1) == tkColon && Kind(first + 2) == tkEqual) {
            if (!SetExpression(s, 0, first + 3))
                return false;
            s.Kind = TVlDirectStatement::dkAssign;
            s.End = After(s, 0);
            return VlEndsStatement(Kind(s.End));
        }
        if (Kind(first + 1) != tkLBracket)
            return false;
        int32_t close = Source.Match[static_cast<size_t>(first + 1)];
        if (close < 0 || Kind(close + 1) != tkColon || Kind(close + 2) != tkEqual)
            return false;
        if (!SetExpression(s, 0, first + 2) || After(s, 0) != close || !SetExpression(s, 1, close + 3))
            return false;
        s.Kind = TVlDirectStatement::dkAssignElement;
        s.End = After(s, 1);
        return VlEndsStatement(Kind(s.End));
    }

    // begin statement {; statement} end, each statement followed by ";" or "end".
    bool BuildCompound(TVlDirectStatement &s, int depth)
    {
        s.Kind = TVlDirectStatement::dkCompound;
        for (int32_t i = s.First + 1;;) {
            int32_t kind = Kind(i);
            if (kind == tkSemicolon) {
                s.Items.emplace_back(i, nullptr);
                ++i;
            } else if (kind == tkEnd) {
                s.End = i + 1;
                return true;
            } else {
                const TVlDirectStatement *statement = Body(i, depth);
                if (!statement || (Kind(statement->End) != tkSemicolon && Kind(statement->End) != tkEnd))
                    return false;
                s.Items.emplace_back(i, statement);
                i = statement->End;
            }
        }
    }

    // if condition then statement [else statement]
    bool BuildIf(TVlDirectStatement &s, int depth)
    {
        if (!SetExpression(s, 0, s.First + 1) || Kind(After(s, 0)) != tkThen)
            return false;
        s.Kind = TVlDirectStatement::dkIf;
        s.Branch[0] = Body(After(s, 0) + 1, depth);
        if (!s.Branch[0])
            return false;
        s.End = s.Branch[0]->End;
        if (Kind(s.End) != tkElse)
            return true;
        s.Branch[1] = Body(s.End + 1, depth);
        if (!s.Branch[1])
            return false;
        s.End = s.Branch[1]->End;
        return true;
    }

    // while condition do statement
    bool BuildWhile(TVlDirectStatement &s, int depth)
    {
        if (!SetExpression(s, 0, s.First + 1) || Kind(After(s, 0)) != tkDo)
            return false;
        s.Kind = TVlDirectStatement::dkWhile;
        s.Branch[0] = Body(After(s, 0) + 1, depth);
        if (!s.Branch[0])
            return false;
        s.End = s.Branch[0]->End;
        return true;
    }

    // for name := start to|downto end do statement
    bool BuildFor(TVlDirectStatement &s, int depth)
    {
        int32_t first = s.First;
        if (Kind(first + 1) != tkIdentifier || Kind(first + 2) != tkColon || Kind(first + 3) != tkEqual)
            return false;
        s.First = first + 1;
        SetTarget(s);
        s.First = first;
        if (!SetExpression(s, 0, first + 4))
            return false;
        int32_t direction = Kind(After(s, 0));
        if ((direction != tkTo && direction != tkDownto) || !SetExpression(s, 1, After(s, 0) + 1) ||
            Kind(After(s, 1)) != tkDo)
            return false;
        s.Kind = TVlDirectStatement::dkFor;
        s.Down = direction == tkDownto;
        s.Branch[0] = Body(After(s, 1) + 1, depth);
        if (!s.Branch[0])
            return false;
        s.End = s.Branch[0]->End;
        return true;
    }

    const TVlSource &Source;
    bool TooDeep = false;
};

} // namespace

const TVlDirectStatement *VlTranslateDirectStatement(const TVlSource &source, int32_t first)
{
    return TDirectTranslator(source).Statement(first, 0);
}
