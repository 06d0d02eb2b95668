// Running scripts that make foreign calls, both ways.
#include "ForeignTestSupport.h"

#include "interpreter/VlInterpreterForeign.h"
#include "rtl/VlCp1251.h"

#include <gtest/gtest.h>

namespace {

TForeignOutcome RunOnce(const std::string &source, const std::function<void(TVlInterpreterProgram &)> &setup,
                        bool direct)
{
    TVlInterpreterProgram program;
    program.DirectStatements = direct;
    if (setup)
        setup(program);
    program.SetSourceText(Utf8ToCp1251(ToCrLf(source)));
    TForeignOutcome outcome;
    try {
        program.Execute();
        const TVlValue &v = program.ResultValue;
        outcome.Text = VlKindName(v.Kind()) + ": " + Cp1251ToUtf8(ValueToString(v));
    } catch (const EVlInterpreterError &e) {
        outcome.Failed = true;
        outcome.Code = e.Code;
        outcome.Text = Cp1251ToUtf8(e.BareMessage);
    } catch (...) {
        outcome.Failed = true;
        outcome.Code = program.LastFailure.Code;
        outcome.Text = Cp1251ToUtf8(program.LastFailure.BareMessage);
    }
    return outcome;
}

} // namespace

TForeignOutcome RunForeign(const std::string &source, const std::function<void(TVlInterpreterProgram &)> &setup)
{
    TForeignOutcome direct = RunOnce(source, setup, true);
    TForeignOutcome reader = RunOnce(source, setup, false);
    EXPECT_EQ(direct.Failed, reader.Failed) << source;
    EXPECT_EQ(direct.Code, reader.Code) << source;
    EXPECT_EQ(direct.Text, reader.Text) << source;
    return direct;
}

std::string ForeignUnit(const std::string &declarations, const std::string &locals, const std::string &statements)
{
    return "unit T;\n" + declarations + "\nfunction main: Variant;\n" + locals + "\nbegin\n" + statements +
           "\nend;\nend.\n";
}

std::string TestLibraryPath() { return VlProgramFolder() + "/libvlffitest.so"; }
