// Watch expressions over copies of a paused program's variables.
#include "VlInterpreterWatch.h"

#include "VlInterpreter.h"

#include "rtl/VlCp1251.h"
#include "rtl/VlSysUtils.h"

#include <unordered_map>

namespace {

const char *const kPureFunctions[] = {
    "Abs", "Chr", "Copy", "Cos", "Exp", "FloatToStr", "Frac", "High", "Int", "IntToStr", "Length", "Ln",
    "Low", "LowerCase", "Max", "Min", "Odd", "Ord", "Pos", "Pred", "Round", "Sin", "Sqr", "Sqrt",
    "Succ", "Trim", "Trunc", "UpperCase",
};

const char *const kRefusedCall = "В наблюдении можно только читать значения: вызов «%1» не выполняется";
const char *const kRefusedMember = "В наблюдении не читаются свойства и методы объектов: «%1»";
const char *const kRefusedAssignment = "Наблюдение не может ничего присваивать";
const char *const kTrailingText = "Лишний текст после выражения";

// A refusal, raised before the refused thing runs.
struct EVlWatchRefused {
    std::string Message;  // UTF-8
};

std::string WithName(const char *pattern, const std::string &name)
{
    std::string text = pattern;
    const size_t at = text.find("%1");
    return text.replace(at, 2, Cp1251ToUtf8(name));
}

bool IsConstant(const TVlInterpreterAdapter &adapter, const std::string &name)
{
    for (const std::unique_ptr<TVlInterpreterConst> &constant : adapter.Constants)
        if (VlSysUtils::CompareText(constant->Identifier, name) == 0)
            return true;
    return false;
}

// An interpreter that knows only the given values and refuses everything that could act.
class TVlWatchProgram : public TVlInterpreterProgram {
public:
    TVlWatchProgram(const std::vector<TVlInspectedVar> &vars, const TVlInterpreterAdapter &types)
    {
        for (const TVlInspectedVar &var : vars)
            FValues[VlSysUtils::LowerCase(var.Name)] = var.Value;
        for (const std::shared_ptr<TVlInterpreterRecord> &record : types.RecordTypes)
            OwnAdapter().AddScriptRecordType(record);
    }

    TVlValue Evaluate(const std::string &text)
    {
        SetSourceText(text);
        NextToken();
        TVlValue result;
        EvaluateWithoutAssignment(result);
        if (TokenKind == tkColon)
            throw EVlWatchRefused{kRefusedAssignment};
        if (TokenKind != tkEof)
            throw EVlWatchRefused{kTrailingText};
        return result;
    }

    bool GetValue(const std::string &name, int32_t atom, TVlValue &result, TVlInterpreterArgs &args) override
    {
        if (!args.Obj) {
            if (auto found = FValues.find(VlSysUtils::LowerCase(name)); found != FValues.end()) {
                result = found->second;
                return true;
            }
            if (VlIsPureWatchFunction(name) || IsConstant(GlobalAdapter(), name))
                return TVlInterpreterProgram::GetValue(name, atom, result, args);
            throw EVlWatchRefused{WithName(kRefusedCall, name)};
        }
        if (args.ObjType == varVlRecord)  // a field of a record value
            return TVlInterpreterProgram::GetValue(name, atom, result, args);
        throw EVlWatchRefused{WithName(kRefusedMember, name)};
    }

    bool SetValue(const std::string &, int32_t, const TVlValue &, TVlInterpreterArgs &) override
    {
        throw EVlWatchRefused{kRefusedAssignment};
    }

    bool GetElement(const TVlValue &container, TVlValue &result, TVlInterpreterArgs &args) override
    {
        if (container.IsString() || container.IsScriptArray() || container.IsVariantArray())
            return TVlInterpreterProgram::GetElement(container, result, args);
        throw EVlWatchRefused{"В наблюдении не читаются элементы объектов"};
    }

    bool SetElement(TVlValue &, const TVlValue &, TVlInterpreterArgs &) override
    {
        throw EVlWatchRefused{kRefusedAssignment};
    }

private:
    std::unordered_map<std::string, TVlValue> FValues;
};

} // namespace

bool VlIsPureWatchFunction(const std::string &name)
{
    for (const char *pure : kPureFunctions)
        if (VlSysUtils::CompareText(pure, name) == 0)
            return true;
    return false;
}

TVlWatchResult VlEvaluateWatch(const std::string &text, const std::vector<TVlInspectedVar> &vars,
                               const TVlInterpreterAdapter &types)
{
    TVlWatchResult result;
    try {
        TVlWatchProgram program(vars, types);
        result.Value = program.Evaluate(text);
        result.Ok = true;
    } catch (const EVlWatchRefused &refused) {
        result.Error = refused.Message;
    } catch (const EVlInterpreterError &error) {
        result.Error = Cp1251ToUtf8(error.Message);
    } catch (const std::exception &error) {
        result.Error = Cp1251ToUtf8(error.what());
    }
    return result;
}
