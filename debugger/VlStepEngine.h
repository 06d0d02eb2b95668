// The stepping engine: breakpoints, step into / over / out, run to a line, the lines a run has
// passed, and what a paused program shows (call stack, variables, watches, the values assigned
// on the line just run). It works only through the program's statement hook, so it follows
// whatever program runs: a bare block, a unit's main, a program, or a form's event handler.
//
// The host installs OnStatement as the program's statement observer for a run it wants to step
// through, and gives the engine a Wait: called while paused, it must serve the user until ready()
// answers true, and may raise to end the run (a stop).
#pragma once

#include "interpreter/VlInterpreterInspect.h"
#include "interpreter/VlInterpreterWatch.h"

#include <compare>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

class TVlInterpreterProgram;

// A line of a source: the main source (the text the run was started with; Unit empty) or a unit
// (Unit its name in lower case). Lines are 1-based, counted by CR as error lines are.
struct TVlSourceLine {
    std::string Unit;
    int32_t Line = 0;
    auto operator<=>(const TVlSourceLine &) const = default;
};

enum class TVlStepCommand {
    Continue,   // to the next breakpoint
    StepInto,   // to the next statement
    StepOver,   // to the next statement of this routine or of a caller
    StepOut,    // to the next statement of a caller
    RunToLine,  // to the first statement of the target line (breakpoints still stop on the way)
};

struct TVlCallFrame {
    std::string Routine;  // UTF-8; "P" for a program's main block
    std::string Unit;     // as the program names it (CP1251 converted to UTF-8)
    TVlSourceLine Place;  // where this frame stands (the call, for a caller); Line 0 when unknown
    std::vector<TVlInspectedVar> Vars;
};

struct TVlLineValue {
    std::string Name;  // UTF-8, as written on the line
    std::string Text;  // UTF-8 value text, or the reason it cannot be read
};

class TVlStepEngine {
public:
    using TWait = std::function<void(const std::function<bool()> &ready)>;
    explicit TVlStepEngine(TWait wait);

    // Breakpoints, kept across runs.
    void ToggleBreakpoint(const TVlSourceLine &line);
    bool HasBreakpoint(const TVlSourceLine &line) const { return FBreakpoints.count(line) != 0; }
    const std::set<TVlSourceLine> &Breakpoints() const { return FBreakpoints; }

    // A run: Begin before the program starts (first: what to do until the first pause), End after.
    void Begin(TVlInterpreterProgram &program, TVlStepCommand first, const TVlSourceLine &target = {});
    void End();
    bool Active() const { return FProgram != nullptr; }
    bool Paused() const { return FPaused; }
    // While paused: resumes; while running: takes effect at the next statement.
    void Command(TVlStepCommand command, const TVlSourceLine &target = {});

    // The statement observer.
    void OnStatement(TVlInterpreterProgram &program);

    // While paused.
    const TVlSourceLine &PausedAt() const { return FPausedAt; }
    int32_t PausedOffset() const { return FPausedOffset; }  // the statement's start in its source
    const std::vector<TVlCallFrame> &CallStack() const { return FStack; }  // newest first
    // The globals of the unit of a frame of the call stack.
    std::vector<TVlInspectedVar> Globals(size_t frame = 0) const;
    // Evaluates a watch in a frame of the call stack; never changes the program.
    TVlWatchResult Watch(const std::string &text, size_t frame = 0) const;
    // The adapter that knows the paused program's record types (for value texts).
    TVlInterpreterAdapter *Types() const;

    // Of the current or last run.
    std::set<TVlSourceLine> ExecutedLines() const;
    const std::map<TVlSourceLine, std::vector<TVlLineValue>> &LineValues() const { return FLineValues; }

    // Told when a pause begins and ends (the views refresh then).
    std::function<void()> OnPaused;
    std::function<void()> OnResumed;

private:
    struct TSourceInfo {
        std::string Key;                // "" for the main source
        const std::string *Text = nullptr;
        size_t Size = 0;
        std::vector<int32_t> LineStarts;  // offsets of the first character of each line
        std::vector<char> Executed;       // by 1-based line
        std::vector<char> Breaks;         // by 1-based line, rebuilt when breakpoints change
        int32_t BreaksVersion = -1;
        int32_t LineOf(int32_t offset) const;
        std::string LineText(int32_t line) const;
    };
    TSourceInfo &InfoOf(const TVlStatementPlace &place);
    bool ShouldPause(TSourceInfo &info, int32_t line, int32_t depth, bool newLine);
    void PauseHere(TVlInterpreterProgram &program, const TVlStatementPlace &place, const TVlSourceLine &here);
    void BuildStack(TVlInterpreterProgram &program, const TVlStatementPlace &place);
    // The values assigned on the line the last step ran (the line of the pause before).
    void NoteLineJustRun();
    std::vector<TVlInspectedVar> Visible(size_t frame) const;
    std::map<std::string, std::string> VisibleTexts() const;

    TWait FWait;
    std::set<TVlSourceLine> FBreakpoints;
    int32_t FBreakpointsVersion = 0;

    TVlInterpreterProgram *FProgram = nullptr;
    std::string FMainText;
    std::unordered_map<const void *, TSourceInfo> FSources;
    TSourceInfo *FLastInfo = nullptr;
    const void *FLastSource = nullptr;

    TVlStepCommand FMode = TVlStepCommand::Continue;
    int32_t FModeDepth = 0;
    TVlSourceLine FTarget;
    bool FCommandGiven = false;

    // The last statement each active depth reached (callers: their calls).
    std::vector<TVlSourceLine> FDepthLines;
    std::string FMainBlockUnit;  // CP1251 name of the program whose main block runs at depth 0
    TVlSourceLine FPrevious;  // the last statement seen, for "a line entered anew"
    int32_t FPreviousDepth = -1;
    int32_t FPreviousOffset = -1;

    bool FPaused = false;
    TVlSourceLine FPausedAt;
    int32_t FPausedOffset = -1;
    int32_t FPausedDepth = -1;
    std::vector<TVlCallFrame> FStack;
    std::vector<std::string> FStackUnits;  // CP1251 unit name of each frame, for its globals

    // The pause before this one: where it was, and the variable texts then.
    bool FHadPause = false;
    TVlSourceLine FLastPauseAt;
    int32_t FLastPauseDepth = -1;
    std::string FLastPauseRoutine;
    std::map<std::string, std::string> FLastPauseTexts;
    std::map<TVlSourceLine, std::vector<TVlLineValue>> FLineValues;
};
