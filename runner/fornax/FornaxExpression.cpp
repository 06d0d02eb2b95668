// The expression compiler of libfornax.so.
#include "FornaxExpression.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

// Deeper expressions are refused: the machine's stack is a fixed array.
constexpr int kMaxDepth = 64;

struct TSyntaxError {
    size_t Column;
};

} // namespace

// expression -> term { ("+" | "-") term }
// term       -> unary { ("*" | "/") unary }
// unary      -> [ "-" | "+" ] power
// power      -> primary [ "^" unary ]
// primary    -> number | "x" | "(" expression ")" | function "(" expression ")"
class TFornaxExpression::TReader {
public:
    TReader(std::string_view text, std::vector<TStep> &steps) : FText(text), FSteps(steps) {}

    void ReadAll()
    {
        Expression();
        SkipBlanks();
        if (FPos < FText.size())
            Fail();
    }

    int MaxDepth() const { return FMaxDepth; }

private:
    void Expression()
    {
        Term();
        for (;;) {
            if (Accept('+')) {
                Term();
                Emit(TOp::Add);
            } else if (Accept('-')) {
                Term();
                Emit(TOp::Subtract);
            } else {
                return;
            }
        }
    }

    void Term()
    {
        Unary();
        for (;;) {
            if (Accept('*')) {
                Unary();
                Emit(TOp::Multiply);
            } else if (Accept('/')) {
                Unary();
                Emit(TOp::Divide);
            } else {
                return;
            }
        }
    }

    void Unary()
    {
        if (Accept('-')) {
            Unary();
            Emit(TOp::Negate);
        } else {
            Accept('+');
            Power();
        }
    }

    void Power()
    {
        Primary();
        if (Accept('^')) {
            Unary();
            Emit(TOp::Power);
        }
    }

    void Primary()
    {
        SkipBlanks();
        if (FPos >= FText.size())
            Fail();
        const char c = FText[FPos];
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '.') {
            Number();
            return;
        }
        if (Accept('(')) {
            Expression();
            Expect(')');
            return;
        }
        if (!std::isalpha(static_cast<unsigned char>(c)))
            Fail();
        const size_t start = FPos;
        while (FPos < FText.size() && std::isalnum(static_cast<unsigned char>(FText[FPos])))
            ++FPos;
        std::string word(FText.substr(start, FPos - start));
        for (char &ch : word)
            ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        if (word == "x") {
            Push(TStep{TOp::X});
            return;
        }
        static const std::pair<const char *, TOp> functions[] = {
            {"sin", TOp::Sin}, {"cos", TOp::Cos}, {"tan", TOp::Tan}, {"exp", TOp::Exp},
            {"ln", TOp::Ln},   {"sqrt", TOp::Sqrt}, {"abs", TOp::Abs},
        };
        for (const auto &[name, op] : functions) {
            if (word == name) {
                Expect('(');
                Expression();
                Expect(')');
                Emit(op);
                return;
            }
        }
        FPos = start;
        Fail();
    }

    void Number()
    {
        const std::string rest(FText.substr(FPos));
        char *end = nullptr;
        const double value = std::strtod(rest.c_str(), &end);
        if (end == rest.c_str())
            Fail();
        FPos += static_cast<size_t>(end - rest.c_str());
        Push(TStep{TOp::Number, value});
    }

    // Operands raise the depth by one, binary operators lower it by one, functions leave it.
    void Push(TStep step)
    {
        FSteps.push_back(step);
        if (++FDepth > kMaxDepth)
            Fail();
        FMaxDepth = std::max(FMaxDepth, FDepth);
    }
    void Emit(TOp op)
    {
        FSteps.push_back(TStep{op});
        if (op == TOp::Add || op == TOp::Subtract || op == TOp::Multiply || op == TOp::Divide || op == TOp::Power)
            --FDepth;
    }

    void SkipBlanks()
    {
        while (FPos < FText.size() && std::isspace(static_cast<unsigned char>(FText[FPos])))
            ++FPos;
    }
    bool Accept(char c)
    {
        SkipBlanks();
        if (FPos < FText.size() && FText[FPos] == c) {
            ++FPos;
            return true;
        }
        return false;
    }
    void Expect(char c)
    {
        if (!Accept(c))
            Fail();
    }
    [[noreturn]] void Fail() const { throw TSyntaxError{FPos + 1}; }

    std::string_view FText;
    std::vector<TStep> &FSteps;
    size_t FPos = 0;
    int FDepth = 0;
    int FMaxDepth = 0;
};

int TFornaxExpression::Compile(std::string_view text)
{
    std::vector<TStep> steps;
    try {
        TReader(text, steps).ReadAll();
    } catch (const TSyntaxError &error) {
        FSteps.clear();
        return static_cast<int>(error.Column);
    }
    FSteps = std::move(steps);
    return 0;
}

double TFornaxExpression::Evaluate(double x) const
{
    double stack[kMaxDepth];
    int top = -1;
    for (const TStep &step : FSteps) {
        switch (step.Op) {
        case TOp::Number: stack[++top] = step.Value; break;
        case TOp::X: stack[++top] = x; break;
        case TOp::Add: --top; stack[top] += stack[top + 1]; break;
        case TOp::Subtract: --top; stack[top] -= stack[top + 1]; break;
        case TOp::Multiply: --top; stack[top] *= stack[top + 1]; break;
        case TOp::Divide: --top; stack[top] /= stack[top + 1]; break;
        case TOp::Power: --top; stack[top] = std::pow(stack[top], stack[top + 1]); break;
        case TOp::Negate: stack[top] = -stack[top]; break;
        case TOp::Sin: stack[top] = std::sin(stack[top]); break;
        case TOp::Cos: stack[top] = std::cos(stack[top]); break;
        case TOp::Tan: stack[top] = std::tan(stack[top]); break;
        case TOp::Exp: stack[top] = std::exp(stack[top]); break;
        case TOp::Ln: stack[top] = std::log(stack[top]); break;
        case TOp::Sqrt: stack[top] = std::sqrt(stack[top]); break;
        case TOp::Abs: stack[top] = std::fabs(stack[top]); break;
        }
    }
    return stack[0];
}
