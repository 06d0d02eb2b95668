// The expression compiler inside libfornax.so: an expression in x becomes a short program for a
// stack machine, checked for depth once so that running it needs no checks.
#pragma once

#include <string_view>
#include <vector>

class TFornaxExpression {
public:
    // Compiles text; answers 0, or the 1-based column where reading failed.
    int Compile(std::string_view text);
    // The value at x; only after a successful Compile.
    double Evaluate(double x) const;

private:
    enum class TOp : unsigned char { Number, X, Add, Subtract, Multiply, Divide, Power, Negate,
                                     Sin, Cos, Tan, Exp, Ln, Sqrt, Abs };
    struct TStep {
        TOp Op;
        double Value = 0;
    };
    class TReader;

    std::vector<TStep> FSteps;
};
