// The stepping engine.
#include "VlStepEngine.h"

#include "VlAssignedNames.h"
#include "VlValueText.h"

#include "interpreter/VlInterpreter.h"
#include "rtl/VlCp1251.h"
#include "rtl/VlSysUtils.h"

#include <algorithm>

namespace {

// Clears the pause when the wait ends, also when it ends the run.
struct TResumeOnExit {
    std::function<void()> Resume;
    ~TResumeOnExit() { Resume(); }
};

} // namespace

int32_t TVlStepEngine::TSourceInfo::LineOf(int32_t offset) const
{
    // Line starts after each CR; line 1 starts at 0.
    return static_cast<int32_t>(std::upper_bound(LineStarts.begin(), LineStarts.end(), offset) - LineStarts.begin());
}

std::string TVlStepEngine::TSourceInfo::LineText(int32_t line) const
{
    if (!Text || line < 1 || static_cast<size_t>(line) > LineStarts.size())
        return {};
    size_t from = static_cast<size_t>(LineStarts[static_cast<size_t>(line - 1)]);
    if (line > 1 && from < Text->size() && (*Text)[from] == '\n')
        ++from;
    const size_t to = Text->find('\r', from);
    return Text->substr(from, to == std::string::npos ? std::string::npos : to - from);
}

TVlStepEngine::TVlStepEngine(TWait wait) : FWait(std::move(wait)) {}

void TVlStepEngine::ToggleBreakpoint(const TVlSourceLine &line)
{
    if (!FBreakpoints.erase(line))
        FBreakpoints.insert(line);
    ++FBreakpointsVersion;
}

void TVlStepEngine::Begin(TVlInterpreterProgram &program, TVlStepCommand first, const TVlSourceLine &target)
{
    FProgram = &program;
    FMainText = program.SourceText();
    FSources.clear();
    FLastInfo = nullptr;
    FLastSource = nullptr;
    // Before the first pause there is no routine to step over or out of.
    FMode = first == TVlStepCommand::StepOver ? TVlStepCommand::StepInto
            : first == TVlStepCommand::StepOut ? TVlStepCommand::Continue
                                                : first;
    FModeDepth = 0;
    FTarget = target;
    FDepthLines.clear();
    FMainBlockUnit.clear();
    FPrevious = {};
    FPreviousDepth = -1;
    FPreviousOffset = -1;
    FPaused = false;
    FHadPause = false;
    FLineValues.clear();
}

void TVlStepEngine::End()
{
    FProgram = nullptr;
    FPaused = false;
    FStack.clear();
    FLastInfo = nullptr;
    FLastSource = nullptr;
    for (auto &[source, info] : FSources)
        info.Text = nullptr;  // the run's texts go with it; the executed lines stay
}

void TVlStepEngine::Command(TVlStepCommand command, const TVlSourceLine &target)
{
    if (!Active())
        return;
    FMode = command;
    FTarget = target;
    if (FPaused) {
        FModeDepth = FPausedDepth;
        FCommandGiven = true;
    } else if (command == TVlStepCommand::StepOver || command == TVlStepCommand::StepOut) {
        FMode = TVlStepCommand::StepInto;  // running: the routine it is in is not known yet
    }
}

TVlStepEngine::TSourceInfo &TVlStepEngine::InfoOf(const TVlStatementPlace &place)
{
    if (place.Source == FLastSource && FLastInfo->Text == place.Text && FLastInfo->Size == place.Text->size())
        return *FLastInfo;
    TSourceInfo &info = FSources[place.Source];
    if (info.Text != place.Text || info.Size != place.Text->size() || info.LineStarts.empty()) {
        const std::string &text = *place.Text;
        info.Key = text == FMainText ? std::string() : VlSysUtils::LowerCase(place.UnitName);
        info.Text = place.Text;
        info.Size = text.size();
        info.LineStarts.assign(1, 0);
        for (size_t i = 0; i < text.size(); ++i)
            if (text[i] == '\r')
                info.LineStarts.push_back(static_cast<int32_t>(i + 1));
        info.Executed.assign(info.LineStarts.size() + 1, 0);
        info.BreaksVersion = -1;
    }
    FLastSource = place.Source;
    FLastInfo = &info;
    return info;
}

void TVlStepEngine::OnStatement(TVlInterpreterProgram &program)
{
    const TVlStatementPlace place = TVlInterpreterInspector::Place(program);
    if (place.Offset < 0 || !place.Text)
        return;
    TSourceInfo &info = InfoOf(place);
    const int32_t line = info.LineOf(place.Offset);
    const int32_t depth = place.Depth;
    if (FDepthLines.size() != static_cast<size_t>(depth) + 1)
        FDepthLines.resize(static_cast<size_t>(depth) + 1);
    TVlSourceLine &here = FDepthLines[static_cast<size_t>(depth)];
    if (here.Line != line || here.Unit != info.Key)
        here = {info.Key, line};
    if (depth == 0 && FMainBlockUnit != place.UnitName)
        FMainBlockUnit = place.UnitName;
    if (!VlIsSteppableStatement(place.TokenKind))
        return;
    info.Executed[static_cast<size_t>(line)] = 1;
    // A line is entered anew unless the statement follows the last one on the same line and
    // depth: a jump back (the next pass of a loop written on one line) enters it again.
    const bool newLine = !(here == FPrevious && depth == FPreviousDepth && place.Offset > FPreviousOffset);
    FPrevious = here;
    FPreviousDepth = depth;
    FPreviousOffset = place.Offset;
    if (ShouldPause(info, line, depth, newLine))
        PauseHere(program, place, TVlSourceLine(here));
}

bool TVlStepEngine::ShouldPause(TSourceInfo &info, int32_t line, int32_t depth, bool newLine)
{
    if (info.BreaksVersion != FBreakpointsVersion) {
        info.Breaks.assign(info.LineStarts.size() + 1, 0);
        for (const TVlSourceLine &b : FBreakpoints)
            if (b.Unit == info.Key && b.Line >= 1 && static_cast<size_t>(b.Line) < info.Breaks.size())
                info.Breaks[static_cast<size_t>(b.Line)] = 1;
        info.BreaksVersion = FBreakpointsVersion;
    }
    // A breakpoint stops when its line is entered, not again at each statement of that line.
    if (newLine && info.Breaks[static_cast<size_t>(line)])
        return true;
    switch (FMode) {
    case TVlStepCommand::StepInto: return true;
    case TVlStepCommand::StepOver: return depth <= FModeDepth;
    case TVlStepCommand::StepOut: return depth < FModeDepth;
    case TVlStepCommand::RunToLine: return newLine && info.Key == FTarget.Unit && line == FTarget.Line;
    case TVlStepCommand::Continue: return false;
    }
    return false;
}

void TVlStepEngine::PauseHere(TVlInterpreterProgram &program, const TVlStatementPlace &place, const TVlSourceLine &here)
{
    FPaused = true;
    FPausedAt = here;
    FPausedOffset = place.Offset;
    FPausedDepth = place.Depth;
    BuildStack(program, place);
    NoteLineJustRun();
    FHadPause = true;
    FLastPauseAt = here;
    FLastPauseDepth = place.Depth;
    FLastPauseRoutine = FStack.front().Routine;
    FLastPauseTexts = VisibleTexts();
    FCommandGiven = false;
    TResumeOnExit resume{[this] {
        FPaused = false;
        FStack.clear();
        FStackUnits.clear();
        if (OnResumed)
            OnResumed();
    }};
    if (OnPaused)
        OnPaused();
    FWait([this] { return FCommandGiven; });
}

void TVlStepEngine::BuildStack(TVlInterpreterProgram &program, const TVlStatementPlace &place)
{
    // Newest first: the routine frames, then the main block when a program runs one.
    FStack.clear();
    FStackUnits.clear();
    const std::vector<TVlInspectedFrame> frames = TVlInterpreterInspector::Frames(program);
    auto placeOf = [this](size_t depth) {
        return depth < FDepthLines.size() ? FDepthLines[depth] : TVlSourceLine{};
    };
    for (size_t depth = frames.size(); depth >= 1; --depth) {
        const TVlInspectedFrame &frame = frames[depth - 1];
        const std::string unit = frame.UnitName.empty() ? place.UnitName : frame.UnitName;
        FStack.push_back({frame.RoutineName.empty() ? std::string("(блок)") : Cp1251ToUtf8(frame.RoutineName),
                          Cp1251ToUtf8(unit), placeOf(depth), frame.Vars});
        FStackUnits.push_back(unit);
    }
    // A program's main block runs without a frame of its own.
    if (placeOf(0).Line > 0) {
        FStack.push_back({Cp1251ToUtf8(FMainBlockUnit), Cp1251ToUtf8(FMainBlockUnit), placeOf(0), {}});
        FStackUnits.push_back(FMainBlockUnit);
    }
}

std::vector<TVlInspectedVar> TVlStepEngine::Globals(size_t frame) const
{
    if (!FProgram || frame >= FStackUnits.size())
        return {};
    return TVlInterpreterInspector::UnitGlobals(*FProgram, FStackUnits[frame]);
}

std::vector<TVlInspectedVar> TVlStepEngine::Visible(size_t frame) const
{
    std::vector<TVlInspectedVar> vars = Globals(frame);
    if (frame < FStack.size())
        vars.insert(vars.end(), FStack[frame].Vars.begin(), FStack[frame].Vars.end());
    return vars;
}

TVlInterpreterAdapter *TVlStepEngine::Types() const
{
    return FProgram ? &FProgram->OwnAdapter() : nullptr;
}

TVlWatchResult TVlStepEngine::Watch(const std::string &text, size_t frame) const
{
    if (!FPaused) {
        TVlWatchResult result;
        result.Error = "Значения видны, пока программа стоит на паузе";
        return result;
    }
    return VlEvaluateWatch(Utf8ToCp1251(text), Visible(frame), FProgram->OwnAdapter());
}

std::map<std::string, std::string> TVlStepEngine::VisibleTexts() const
{
    std::map<std::string, std::string> texts;
    for (const TVlInspectedVar &var : Visible(0))
        texts[VlSysUtils::LowerCase(var.Name)] = VlValueText(var.Value, FProgram->OwnAdapter());
    return texts;
}

void TVlStepEngine::NoteLineJustRun()
{
    // Only a step that stayed in the same routine has finished the line it started on.
    if (!FHadPause || FLastPauseDepth != FPausedDepth || FLastPauseRoutine != FStack.front().Routine)
        return;
    const TSourceInfo *info = nullptr;
    for (const auto &[source, candidate] : FSources)
        if (candidate.Key == FLastPauseAt.Unit && candidate.Text)
            info = &candidate;
    if (!info)
        return;
    std::vector<TVlLineValue> values;
    std::set<std::string> shown;
    const std::string lineText = info->LineText(FLastPauseAt.Line);
    for (const std::string &name : VlAssignedNames(lineText)) {
        const std::string utf8 = Cp1251ToUtf8(name);
        if (!shown.insert(VlSysUtils::LowerCase(name)).second)
            continue;
        const TVlWatchResult value = Watch(utf8);
        values.push_back({utf8, value.Ok ? VlValueText(value.Value, FProgram->OwnAdapter()) : value.Error});
    }
    // Variables the line passes to a call that changed them (ReadLn, a var parameter) count as
    // assigned too; a loop's control variable, changed by the loop, is not the line's doing.
    const std::map<std::string, std::string> now = VisibleTexts();
    for (const TVlInspectedVar &var : Visible(0)) {
        const std::string key = VlSysUtils::LowerCase(var.Name);
        const auto before = FLastPauseTexts.find(key);
        if (before != FLastPauseTexts.end() && before->second != now.at(key) && VlLinePassesName(lineText, var.Name) &&
            shown.insert(key).second)
            values.push_back({Cp1251ToUtf8(var.Name), now.at(key)});
    }
    if (values.empty())
        FLineValues.erase(FLastPauseAt);
    else
        FLineValues[FLastPauseAt] = std::move(values);
}

std::set<TVlSourceLine> TVlStepEngine::ExecutedLines() const
{
    std::set<TVlSourceLine> lines;
    for (const auto &[source, info] : FSources)
        for (size_t line = 1; line < info.Executed.size(); ++line)
            if (info.Executed[line])
                lines.insert({info.Key, static_cast<int32_t>(line)});
    return lines;
}
