// Read-only views of a running program.
#include "VlInterpreterInspect.h"

#include "VlInterpreter.h"

#include "rtl/VlSysUtils.h"

namespace {

TVlInspectedVar Inspected(const TVlInterpreterVar &var)
{
    return {var.Identifier, var.TypeName, var.DeclaredKind, var.Value};
}

} // namespace

TVlStatementPlace TVlInterpreterInspector::Place(const TVlInterpreterFunction &program)
{
    TVlStatementPlace place;
    place.Source = program.Source.get();
    place.Text = &program.Source->Text;
    place.UnitName = program.CurrentUnitName;
    place.Offset = program.Tok ? program.TokenStart() : -1;
    place.TokenKind = program.TokenKind;
    place.Depth = program.FrameCount;
    return place;
}

int32_t TVlInterpreterInspector::Depth(const TVlInterpreterFunction &program)
{
    return program.FrameCount;
}

std::vector<TVlInspectedFrame> TVlInterpreterInspector::Frames(const TVlInterpreterFunction &program)
{
    std::vector<TVlInspectedFrame> frames;
    for (int32_t i = 0; i < program.FrameCount; ++i) {
        const TVlInterpreterExpression::TRoutineFrame &frame = *program.Frames[static_cast<size_t>(i)];
        TVlInspectedFrame view;
        if (frame.Desc) {
            view.RoutineName = frame.Desc->ClassIdentifier.empty()
                                   ? frame.Desc->Identifier
                                   : frame.Desc->ClassIdentifier + "." + frame.Desc->Identifier;
            view.UnitName = frame.Desc->UnitName;
        }
        for (size_t v = 0; v < frame.Vars.Count(); ++v)
            view.Vars.push_back(Inspected(frame.Vars.Var(v)));
        frames.push_back(std::move(view));
    }
    return frames;
}

std::vector<TVlInspectedVar> TVlInterpreterInspector::UnitGlobals(TVlInterpreterFunction &program,
                                                                  const std::string &unitName)
{
    std::vector<TVlInspectedVar> globals;
    for (const std::unique_ptr<TVlInterpreterVar> &var : program.OwnAdapter().SrcVars)
        if (VlSysUtils::CompareText(var->UnitName, unitName) == 0)
            globals.push_back(Inspected(*var));
    return globals;
}

bool VlIsSteppableStatement(int32_t tokenKind)
{
    switch (tokenKind) {
    case tkIdentifier: case tkIf: case tkWhile: case tkRepeat: case tkFor: case tkCase: case tkBreak:
    case tkContinue: case tkExit: case tkTry: case tkRaise:
        return true;
    default:
        return false;
    }
}
