// System routines on variants, random numbers, parameters and memory.
#include "BindingsTestSupport.h"

TEST(BindingsSystemVariants, VariantArraysAndKinds)
{
    RunCases({
        {"VarArrayOf bounds", Main("integer", "v: variant;", "v := VarArrayOf([1, 2, 3]); Result := VarArrayHighBound(v, 1) * 10 + VarArrayLowBound(v, 1);"), "20"},
        {"VarArrayCreate", Main("integer", "v: variant;", "v := VarArrayCreate([1, 4], varInteger); v[2] := 9; Result := VarArrayDimCount(v) * 100 + v[2];"), "109"},
        {"two dimensions", Main("integer", "v: variant;", "v := VarArrayCreate([0, 1, 0, 2], varVariant); Result := VarArrayHighBound(v, 2);"), "2"},
        {"High of a variant array", Main("integer", "v: variant;", "v := VarArrayOf([5, 6]); Result := High(v) + Low(v);"), "1"},
        {"VarIsArray", "VarIsArray(VarArrayOf([1]))", "True"},
        {"VarIsEmpty", Main("string", "v: variant;", "if VarIsEmpty(v) then Result := 'empty' else Result := 'set';"), "empty"},
        {"VarIsNull", "VarIsNull(Null)", "True"},
        {"VarToStr of Null", "'[' + VarToStr(Null) + ']'", "[]"},
        {"VarAsType", "VarAsType('12', varInteger) + 1", "13"},
        {"bounds error", Main("integer", "v: variant;", "v := VarArrayOf([1]); Result := VarArrayHighBound(v, 2);"),
         "error 6: Error in unit 'T' on line 6 : Variant array bounds error"},
    });
}

TEST(BindingsSystemMisc, RandomParamsMoveAndMath)
{
    RegisterOnce();
    VlSetParamStrings({"prog", "alpha", "beta"});
    RunCases({
        {"ParamCount", "ParamCount", "2"},
        {"ParamStr", "ParamStr(2)", "beta"},
        {"ParamStr out of range", "'[' + ParamStr(9) + ']'", "[]"},
        {"Random range", Main("integer", "i, n, bad: integer;", "bad := 0; for i := 1 to 200 do begin n := Random(3); if (n < 0) or (n > 2) then bad := bad + 1; end; Result := bad;"), "0"},
        {"Random float", "Random < 1", "True"},
        {"Random arguments", "Random(1, 2)", "error 181: Too many actual parameters"},
        {"Move between strings", Main("string", "s: string;", "s := 'xxxxx'; Move('ab', s, 2); Result := s;"), "abxxx"},
        {"Sqr of a float", "Sqr(1.5)", "2.25"},
        {"Ln of zero", Main("string", "", "try Ln(0); except on E: EInvalidOp do Result := E.Message; end;"), "Invalid floating point operation"},
        {"SetLength of a string", Main("integer", "s: string;", "s := 'abc'; SetLength(s, 1); Result := Length(s);"), "1"},
        {"Copy with start below 1", "Copy('abc', 0, 2)", "ab"},
        {"Insert at the end", Main("string", "s: string;", "s := 'ab'; Insert('c', s, 10); Result := s;"), "abc"},
    });
    VlSetParamStrings({});
}
