// The interpreter objects: expression reader, statements and routines, units, programs.
//
// Typical host use:
//
//     TVlInterpreterProgram program;
//     program.OnGetUnitSource = [](TVlInterpreterProgram &, const std::string &unit,
//                                  std::string &source, bool &done) { ... };
//     program.SetSourceText(text);
//     try {
//         program.Execute();
//         show(program.ResultValue);
//     } catch (const EVlInterpreterError &e) {
//         show(e.Code, e.Message, e.Position);   // program.LastFailure holds the same
//     } catch (...) {
//         show(program.LastFailure.Code, program.LastFailure.Message);  // code 6
//     }
#pragma once

#include "VlInterpreterAdapter.h"
#include "VlInterpreterError.h"
#include "VlInterpreterParser.h"

#include <atomic>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TVlInterpreterProgram;
struct TVlQuickExpression;

// Raised by the fuller dialect's Halt: ends the run at once, through every finally and except
// part; TVlInterpreterProgram::Execute ends normally then, with ExitCode set.
class EVlHalt : public std::exception {
public:
    explicit EVlHalt(int32_t code) : Code(code) {}
    const char *what() const noexcept override { return "Halt"; }
    int32_t Code;
};
struct TVlQuickStep;
struct TVlDirectStatement;

// TVlInterpreterExpression: token state, expression evaluation and the name resolution chain.
class TVlInterpreterExpression {
public:
    TVlInterpreterExpression();
    virtual ~TVlInterpreterExpression();
    TVlInterpreterExpression(const TVlInterpreterExpression &) = delete;
    TVlInterpreterExpression &operator=(const TVlInterpreterExpression &) = delete;

    const std::string &SourceText() const { return Source->Text; }
    void SetSourceText(const std::string &text);
    virtual void Execute();

    // Name resolution chain; answer whether the name was found or handled.
    virtual bool GetValue(const std::string &name, int32_t atom, TVlValue &result,
                          TVlInterpreterArgs &args);
    virtual bool SetValue(const std::string &name, int32_t atom, const TVlValue &value,
                          TVlInterpreterArgs &args);
    // Writes of plain names that only the fuller dialect's standard routines know (RandSeed).
    bool WriteFallbackName(const std::string &name, int32_t atom, const TVlValue &value, TVlInterpreterArgs &args);
    virtual bool GetElement(const TVlValue &container, TVlValue &result, TVlInterpreterArgs &args);
    virtual bool SetElement(TVlValue &container, const TVlValue &value, TVlInterpreterArgs &args);

    // Calls a script routine (units implement them).
    virtual void InvokeFunction(const std::string &name, TVlInterpreterArgs *args,
                                const std::vector<TVlValue> &argValues);
    virtual void InvokeFunctionIn(void *instance, const std::string &unitName,
                                  const std::string &name, TVlInterpreterArgs *args,
                                  const std::vector<TVlValue> &argValues, TVlValue &result);

    // Token operations.
    void NextToken()
    {
        if (TokenBacked) {
            TokenBacked = false;
            return;
        }
        PrevTokenKind = TokenKind;
        const TVlToken &token = TokenBase[NextIndex];
        TokenKind = token.Kind;
        if (token.Kind == tkIdentifier) {
            // The most frequent token, read here rather than in ReadSpecialToken.
            Tok = &token;
            TokIndex = NextIndex++;
            Cursor = token.End;
            TokenValueIsName = true;
            TokenAtom = token.Atom;
            TokenNamePtr = &Source->Texts[static_cast<size_t>(token.Index)];
            return;
        }
        if (token.Kind <= tkString) {
            ReadSpecialToken(token);
            return;
        }
        Tok = &token;
        TokIndex = NextIndex++;
        Cursor = token.End;
        if (token.Kind == tkFalse || token.Kind == tkTrue || token.Kind == tkArray)
            ReadWordValue(token);
    }
    void BackToken();
    int32_t ReaderPos() const { return Cursor; }
    void SetReaderPos(int32_t offset);
    int32_t TokenStart() const { return Cursor - Tok->TextLen; }
    std::string TokenText() const { return Source->TokenText(*Tok); }
    [[noreturn]] void ReportExpected(const std::string &what);

    void EvaluateExpression(TVlValue &result);
    void EvaluateTyped(uint16_t kind, TVlValue &result);
    // EvaluateExpression where ":" after a name ends the expression rather than making the name
    // an assignment target (conditions, formatted arguments).
    void EvaluateWithoutAssignment(TVlValue &result);

    // Copies a failure into LastFailure (locating it with unitName when possible).
    void RecordFailure(const std::exception_ptr &error, const std::string &unitName);
    void ClearFailure();

    TVlInterpreterAdapter &OwnAdapter() { return *Adapter; }
    TVlInterpreterArgs &CurrentArgs() { return *Args; }

    // The declared type name of the variable a name reads where the script runs now (a local, a
    // local of an enclosing routine, a global); empty when there is none or it has no type name.
    std::string VariableTypeName(const std::string &name);
    // Whether the parenthesized arguments just read (the reader after their ")") form a constant
    // expression: literals, named constants and the standard functions compilers fold (they fold
    // them in extended precision).
    bool ArgumentsAreConstant();
    // The name of an enumeration member (varVlEnum) of this run; false for other values.
    bool EnumMemberName(const TVlValue &value, std::string &name) const;

    // The exception whose except part is running (the innermost one); null outside handlers.
    std::exception_ptr HandledException() const
    {
        return HandledExceptions.empty() ? nullptr : HandledExceptions.back();
    }

    TVlValue ResultValue;
    EVlInterpreterError LastFailure;
    bool DeclarationsRead = false;
    // The fuller dialect that textbook programs use (typed constants, nested routines, ordinal
    // types, open arrays, ...); every source the core dialect runs behaves alike in it. Hosts
    // that run learners' programs switch it on before running.
    bool ExtendedDialect = false;
    bool AllowAssignment = true;
    TVlInterpreterGetValue OnGetValue;
    TVlInterpreterSetValue OnSetValue;

    // Token state.
    int32_t TokenKind = tkEof;
    int32_t PrevTokenKind = tkEof;
    bool TokenBacked = false;
    TVlValue TokenValue;
    int32_t TokenAtom = 0;  // name in TokenValue when TokenValueIsName
    bool TokenValueIsName = false;

    // Adapters of the host consulted after the own adapter and before the GlobalAdapter; unlike
    // the own adapter they keep their registrations across runs (a runner's console unit).
    void AddHostAdapter(std::shared_ptr<TVlInterpreterAdapter> adapter);
    // Adapters consulted in the fuller dialect after the script's own routines (the standard
    // routines that a program may redefine).
    void AddFallbackAdapter(std::shared_ptr<TVlInterpreterAdapter> adapter);

protected:
    virtual void ResetState();
    virtual std::unique_ptr<TVlInterpreterAdapter> CreateAdapter();
    virtual void SourceChanged() {}
    // Runs before every statement; programs fire OnStatement here.
    virtual void StatementHook() {}
    // Whether a later part of the lookup chain answers members of object itself (a form's members
    // are its own); members of objects none claims are read from what the adapters remember.
    virtual bool ClaimsMembersOf(void *object) const
    {
        (void)object;
        return false;
    }

    struct TParserState {
        TVlSource *Source = nullptr;  // kept alive by KeptSources
        int32_t Cursor = 0, NextIndex = 0, TokIndex = 0;
        int32_t TokenKind = 0, PrevTokenKind = 0, TokenAtom = 0;
        bool TokenBacked = false, AllowAssignment = true, TokenValueIsName = false;
        const std::string *TokenNamePtr = nullptr;
        TVlValue TokenValue;
    };
    void PushState();
    void PopState();
    void DropState();
    void SaveState(TParserState &state) const;
    void RestoreState(TParserState &state);
    void SwitchSource(const std::shared_ptr<TVlSource> &source);
    // Positions the reader so that the next NextToken delivers token index.
    void SetReaderToken(int32_t index, int32_t cursor);
    int32_t NextTokenIndex() const { return NextIndex; }

    // Evaluator pieces.
    TVlValue Operator(int32_t op);
    // The fuller dialect's short-circuit "and" and "or": whether left alone decides op.
    bool ShortCircuits(int32_t op, const TVlValue &left) const
    {
        return ExtendedDialect && left.Kind() == varBoolean && (op == tkAnd || op == tkOr) &&
               (left.RawInteger() != 0) == (op == tkOr);
    }
    // Reads over what Operator(op) would read, evaluating nothing (a short-circuited operand).
    void SkipOperand(int32_t op);
    void SkipDesignator();
    void SkipBracketed(int32_t closing);
    // At a name followed by "." or "[" (an argument that may end in a record field).
    bool MemberFollows() const
    {
        int32_t next = TokenBase[NextIndex].Kind;
        return !TokenBacked && TokenKind == tkIdentifier && (next == tkDot || next == tkLBracket);
    }
    void ReadDesignator(void *targetObject, uint16_t targetKind, TVlValue &result);
    // What ReadDesignator does with a value just read: the record type of a record value, the
    // by-reference arguments written back.
    void CompleteDesignatorValue(TVlValue &result, TVlInterpreterArgs &args);
    void ReadArguments(int32_t nameAtom);
    void ReadMoreIndexes(TVlInterpreterArgs &args);
    // Element access with the indexes of several index lists (a[i][j]) in the fuller dialect.
    bool GetIndexed(const TVlValue &container, TVlValue &result, TVlInterpreterArgs &args);
    bool SetIndexed(TVlValue &container, const TVlValue &value, TVlInterpreterArgs &args, int32_t first = 0);
    void ReadSetConstructor(TVlValue &result);
    void ReadWideSetConstructor(TVlValue &result);
    bool IsFreeOfNil(const TVlValue &target) const;
    // Reads an argument "name [ indexes ]" naming an element of a script variable, recording the
    // indexes in call.ElementArgs; answers false (reading nothing) for any other argument.
    bool ReadElementArgument(TVlInterpreterArgs &call, int32_t slot, TVlValue &value);
    std::optional<bool> ReadRememberedMember(const std::string &name, int32_t atom, TVlValue &result,
                                             TVlInterpreterArgs &args);
    // Reads an argument "name {[indexes] | .field} .field {[indexes]}" naming a field of a record or
    // an element of an array field (the fuller dialect), recording it in call.FieldArgs; answers
    // false (reading nothing) otherwise.
    bool ReadFieldArgument(TVlInterpreterArgs &call, int32_t slot, TVlValue &value, bool formats);
    void StoreFieldArgument(const TVlFieldArg &field, const TVlValue &value);
    void CaptureIndexedField(const TVlValue &container, const TVlInterpreterArgs &indexes);
    // While a field argument is read: the record and the name of the last field member read.
    TVlFieldArg *FieldCapture = nullptr;
    // Writes a by-reference result back into the element an argument named.
    void StoreElementArgument(const TVlInterpreterArgs &call, const TVlElementArg &element,
                              const std::string &name, int32_t atom, const TVlValue &value);
    void Push(const TVlValue &value);
    TVlValue Pop();
    // TokenValue as a name (identifier text, or the text of a String value).
    std::string TokenValueName() const;
    TVlInterpreterArgs *AcquireArgs();
    void ReleaseArgs(TVlInterpreterArgs *args);
    [[noreturn]] void RaiseTokenFailure();
    TVlValue ApplyBinary(int32_t op, const TVlValue &left, const TVlValue &right);
    TVlValue Negated(const TVlValue &value) const;
    // Raises "Stack overflow" before deep nesting could exhaust the C++ stack.
    void CheckStack()
    {
        if (StackNearlyFull())
            RaiseStackOverflow();
    }
    [[gnu::always_inline]] bool StackNearlyFull() const
    {
        return StackBase && StackBase - static_cast<const char *>(__builtin_frame_address(0)) > MaxStackBytes;
    }
    [[noreturn]] void RaiseStackOverflow();
    static constexpr ptrdiff_t MaxStackBytes = 3 * 1024 * 1024;
    // Marks the start of a run from the host (stack measurement, kept sources).
    struct TEntryGuard {
        explicit TEntryGuard(TVlInterpreterExpression &owner);
        ~TEntryGuard();
        TVlInterpreterExpression &Owner;
    };
    bool UnitExistsAnywhere(const std::string &name);
    bool AcceptsFormattedArgs(int32_t atom);
    // Cleared while the running routine's instance has names that come before its locals (the
    // components of a script form): the paths that read locals without a name lookup stand aside.
    bool LocalsReadFirst = true;
    bool IsArrayConstructorArgument() const;

    // Makes a source current (the reader position is left to the caller).
    void UseSource(const std::shared_ptr<TVlSource> &source);
    void ReadSpecialToken(const TVlToken &token);
    void ReadWordValue(const TVlToken &token);
    // Reads a local variable, or an element of a local script array, without the general
    // designator path; answers false (reading nothing) when the shape does not allow it.
    bool ReadLocalFast(TVlValue &result);
    // The reads of ReadDesignator that need no lookup chain: an object in a local read before a
    // dot, and a remembered member of a host object; false leaves them to GetValue. Most
    // designators are neither, so the test stays in line.
    bool ReadWithoutLookup(const std::string &name, int32_t atom, TVlValue &result, TVlInterpreterArgs &args)
    {
        if (args.Indexed)
            return false;
        if (!args.Obj)
            return TokenKind == tkDot && !args.Count && !args.Parenthesized && ReadLocalObject(atom, result);
        return args.ObjType == varVlObject && !ClaimsMembersOf(args.Obj) && ReadHostMember(name, atom, result, args);
    }
    bool ReadLocalObject(int32_t atom, TVlValue &result);
    // A remembered member, its failures located as GetValue locates them.
    bool ReadHostMember(const std::string &name, int32_t atom, TVlValue &result, TVlInterpreterArgs &args);
    bool ReadLocalArgument(int32_t closing, TVlValue &result);
    // Evaluates a quick expression (VlInterpreterQuick.h) of locals; false leaves the reader
    // untouched for the general path (also when evaluating fails: that path reports it).
    bool EvaluateQuick(TVlValue &result);
    // Evaluates a quick expression whose first token has index first, leaving the reader alone;
    // false when it cannot (nothing is changed then). integerTried: the caller has already tried
    // the integer form.
    bool RunQuick(const TVlQuickExpression &quick, int32_t first, TVlValue &result, bool integerTried = false);
    bool PureStep(const TVlQuickStep &step, TVlValue &top);
    std::shared_ptr<TVlSource> Source;
    const TVlToken *TokenBase = nullptr;
    const TVlToken *Tok = nullptr;
    int32_t TokIndex = 0;
    int32_t NextIndex = 0;
    int32_t Cursor = 0;

    TVlValue ValueStack[200];
    TVlValue QuickStack[32];  // operands of EvaluateQuick
    int16_t StackTop = -1;
    std::vector<TParserState> StateStack;  // at most 200 entries
    int32_t EntryDepth = 0;                // nested entries from the host
    const char *StackBase = nullptr;       // frame address at the outermost entry
    const std::string *TokenNamePtr = nullptr;  // spelled identifier of TokenValue
    std::vector<std::shared_ptr<TVlSource>> KeptSources;  // sources whose texts tokens refer to
    std::vector<std::shared_ptr<TVlInterpreterAdapter>> HostAdapters;
    std::vector<std::shared_ptr<TVlInterpreterAdapter>> FallbackAdapters;
    // Exceptions being handled by running except parts, innermost last.
    std::vector<std::exception_ptr> HandledExceptions;

    TVlInterpreterArgs *Args;
    std::unique_ptr<TVlInterpreterArgs> OwnArgs;
    std::vector<std::unique_ptr<TVlInterpreterArgs>> ArgsPool;
    std::unique_ptr<TVlInterpreterAdapter> Adapter;
    TVlInterpreterAdapter *Global;

    // Routine frames (statements and routines extend the chain with their locals).
    struct TRoutineFrame {
        TVlInterpreterVarList Vars;
        const TVlInterpreterFunctionDesc *Desc = nullptr;
        TVlInterpreterArgs *CallerArgs = nullptr;
        bool HasResult = false;
        // The frame of the routine this one is declared in (the fuller dialect's nested routines).
        TRoutineFrame *Outer = nullptr;
        // Typed constants of the routine that keep their values between calls: name and slot in
        // StaticValues, written back when the frame is left.
        std::vector<std::pair<int32_t, int32_t>> Statics;
        // var parameters taking arrays that the routine sees zero-based: slot and the caller's array.
        std::vector<std::pair<int32_t, TVlValue>> Rebased;
    };
    // The enumeration types of the run: a member value holds its type's index. A type read again
    // (a routine's own type section) keeps its index, by (source, token of its "(").
    std::vector<std::shared_ptr<const TVlInterpreterOrdinalDataType>> EnumTypes;
    std::vector<std::pair<std::pair<const TVlSource *, int32_t>, int32_t>> EnumTypeSlots;
    int32_t EnumTypeIndex(int32_t openToken, std::shared_ptr<const TVlInterpreterOrdinalDataType> type);
    // Values of typed constants inside routines, by (source, token of the name).
    std::vector<TVlValue> StaticValues;
    std::vector<std::pair<std::pair<const TVlSource *, int32_t>, int32_t>> StaticSlots;
    std::vector<std::unique_ptr<TRoutineFrame>> Frames;  // pooled; FrameCount are active
    int32_t FrameCount = 0;
    TRoutineFrame *CurrentFrame() { return FrameCount ? Frames[FrameCount - 1].get() : nullptr; }
    TVlInterpreterVar *VisibleVariable(int32_t atom);

    friend class TVlInterpreterAdapter;
    friend class TVlInterpreterInspector;  // read-only views for a stepping engine
};

// TVlInterpreterFunction: statements, routine frames, local variables, skip operations.
class TVlInterpreterFunction : public TVlInterpreterExpression {
public:
    void Execute() override;
    bool GetValue(const std::string &name, int32_t atom, TVlValue &result,
                  TVlInterpreterArgs &args) override;
    bool SetValue(const std::string &name, int32_t atom, const TVlValue &value,
                  TVlInterpreterArgs &args) override;

    std::string CurrentUnitName;
    void *CurrentInstance = nullptr;
    bool BreakFlag = false;
    bool ContinueFlag = false;
    bool ExitFlag = false;

    // Statements made only of locals run as cached trees (VlInterpreterDirect.h); off, every
    // statement is read token by token. Both behave alike; tests compare them.
    bool DirectStatements = true;

    // Steps (statements, loop passes, routine calls) allowed before the run stops with code 3
    // "User break"; -1 = no limit. Fuzzers and watchdogs use it.
    int64_t StatementBudget = -1;
    // Stops the running script at its next step with code 3 (callable from callbacks).
    void RequestStop() { StopRequested = true; }
    // Makes the running script call Interrupted() at its next step. Unlike RequestStop it may be
    // called from any thread: a host's timer keeps its window live this way without a callback
    // at every statement.
    void RequestInterrupt() { InterruptRequested.store(true, std::memory_order_relaxed); }

protected:
    void ResetState() override;
    void StatementHook() override { CountStep(); }
    // Whether StatementHook does more than count steps (it then sees the reader at the statement).
    virtual bool ObservesStatements() const { return false; }
    void ExecuteStatement();
    // The statement at the current token, without CheckStack, StatementHook or direct execution.
    void ExecuteStatementBody();
    // Leaves the reader as reading up to token index would: the token at index is current,
    // the token value fields are those of token valueToken (none: left as they are).
    void PlaceReader(int32_t index, int32_t valueToken);
    void SkipStatement();
    void SkipStatementTokens();
    void SkipBlock();
    void SkipExpression();
    void SkipUntil(int32_t kind);
    void RunRoutineBody(const TVlInterpreterFunctionDesc *desc);
    void ExecuteCompound();
    using TDeclareFunc = std::function<void(const std::string &unitName, const std::string &name,
                                            const TVlDataTypePtr &type, const TVlValue &value,
                                            uint16_t kind, const std::string &typeName)>;
    void ReadVarSection(const TDeclareFunc &declare);
    void ReadConstSection(const TDeclareFunc &declare);
    // Reads a declared type at the current token; typeName receives its text.
    TVlDataTypePtr ReadDataType(std::string &typeName);
    // Types and initial values of the fuller dialect (VlInterpreterDialectTypes.cpp).
    TVlDataTypePtr ReadExtendedDataType(std::string &typeName);
    TVlDataTypePtr ReadExtendedArrayType(std::string &typeName);
    std::shared_ptr<const TVlInterpreterRecord> ReadRecordBody(const std::string &name);
    void ReadInitializer(const TVlDataTypePtr &type, TVlValue &value);
    void ReadArrayInitializer(TVlInterpreterArrayRec &array, int32_t dim, int32_t *indexes);
    void ReadRecordInitializer(TVlValue &record);
    void ReadTypedConstant(const TDeclareFunc &declare, const std::string &name, int32_t nameToken);
    int64_t ReadOrdinalConstant(TVlValue &value);
    TVlDataTypePtr FindTypeName(int32_t atom, const std::string &name);
    void DeclareEnumMember(const std::string &name, const TVlValue &member);
    static bool IsOperatorKind(int32_t kind);
    // Local type sections and nested routine declarations at the current token (units read
    // them); false for other tokens.
    virtual bool ReadLocalDeclaration() { return false; }
    // The running routine's locals, the fields of "with" records and the locals of enclosing routines.
    bool ReadScopeName(const std::string &name, int32_t atom, TVlValue &result, TVlInterpreterArgs &args);
    void SkipRoutineDeclaration();
    // Whether a name is a script routine of the current unit (event assignments).
    virtual bool IsScriptRoutine(const std::string &name) { (void)name; return false; }
    // The object a bare name written here is a member of (inside a form's method, the form when the
    // name is no local or field), or null.
    virtual void *ImplicitWriteTarget(int32_t atom) { (void)atom; return nullptr; }
    virtual TVlInterpreterProgram *OwningProgram() { return nullptr; }

    std::vector<std::unique_ptr<TVlInterpreterEvent>> EventBridges;
    // Frees a bridge of EventBridges, or keeps it in RetiredBridges while its handler runs.
    std::vector<std::unique_ptr<TVlInterpreterEvent>>::iterator
    ReleaseBridge(std::vector<std::unique_ptr<TVlInterpreterEvent>>::iterator bridge);
    std::vector<std::unique_ptr<TVlInterpreterEvent>> RetiredBridges;

private:
    // Direct statements (VlInterpreterDirect.h); cur is the index of the current token.
    // Runs a direct statement, or a routine's body (a compound statement run without a step).
    void RunDirect(const TVlDirectStatement &statement, bool routineBody = false);
    // Runs the compound statement at the current token as ExecuteCompound does.
    void ExecuteBody();
    void DirectStatement(const TVlDirectStatement &s, int32_t &cur);
    void DirectAssign(const TVlDirectStatement &s, int32_t &cur);
    void DirectAssignElement(const TVlDirectStatement &s, int32_t &cur);
    void DirectIf(const TVlDirectStatement &s, int32_t &cur);
    void DirectWhile(const TVlDirectStatement &s, int32_t &cur);
    void DirectFor(const TVlDirectStatement &s, int32_t &cur);
    void DirectCompound(const TVlDirectStatement &s, int32_t &cur);
    void DirectByTokens(const TVlDirectStatement &s, int32_t &cur);
    // Runs the passes of a while loop whose state PushState saved: a failure without a position
    // gets the reader's, and the saved state is restored before the failure propagates.
    template <typename TPasses>
    void RunWhilePasses(TPasses passes)
    {
        try {
            passes();
        } catch (EVlInterpreterError &error) {
            if (error.Position == -1)
                error.Position = ReaderPos();
            PopState();
            throw;
        } catch (...) {
            PopState();
            throw;
        }
    }
    void DirectStep(int32_t index);
    void DirectHookedStep(int32_t index);
    void DirectCount(int32_t index);
    bool DirectInteger(const TVlQuickExpression &quick, int32_t first, int64_t &value, bool &boolean);
    bool DirectCondition(const TVlQuickExpression &quick, int32_t first, bool &truth);
    bool DirectValue(const TVlQuickExpression &quick, int32_t first, TVlValue &result);
    bool DirectCallValue(const TVlQuickExpression &quick, int32_t first, TVlValue &result);
    void DirectCall(const TVlQuickExpression &quick, const TVlQuickStep &step, TVlValue *arguments, TVlValue &result);
    void ReadOperandAt(int32_t index, TVlValue &result);
    void DirectCallAssign(const TVlDirectStatement &s, int32_t &cur);
    bool DirectBinary(int32_t op, TVlValue &left, const TVlValue &right, int32_t after, bool committed);
    void StoreControlVariable(const TVlDirectStatement &s, int32_t value);
    bool DirectObserved = false;  // ObservesStatements() of the running direct statement

    bool ReadOuterName(const std::string &name, int32_t atom, TVlValue &result, TVlInterpreterArgs &args);
    bool WriteOuterName(const std::string &name, int32_t atom, const TVlValue &value, TVlInterpreterArgs &args);
    bool WriteFunctionResult(int32_t atom, const TVlValue &value);
    // Routine frames of the fuller dialect (VlInterpreterDialectFrames.cpp).
    TRoutineFrame *OuterFrameOf(const TVlInterpreterFunctionDesc &desc);
    TVlValue ParameterValue(const TVlInterpreterFunctionDesc &desc, int32_t slot, const TVlValue &value,
                            TRoutineFrame &frame);
    void ReturnRebasedArrays(TRoutineFrame &frame, TVlInterpreterArgs &caller);
    void KeepStatics(TRoutineFrame &frame);
    // A static slot for the typed constant named at token index nameToken of the current source;
    // fresh answers whether it was just made.
    int32_t StaticSlot(int32_t nameToken, bool &fresh);
    void EnterFrame(const TVlInterpreterFunctionDesc *desc);
    void LeaveFrame(bool copyBack);
    void ExecuteIdentifierStatement();
    bool TryStoreLocalElement();
    bool TryStoreLocalScalar();
    void StoreAssignment(const std::string &name, int32_t atom, TVlInterpreterArgs &target);
    bool TryEventAssignment(const std::string &name, int32_t atom, TVlInterpreterArgs &target);
    bool TryAppendAssignment(int32_t atom);
    void ExecuteIf();
    void ExecuteWhile();
    void ExecuteRepeat();
    void ExecuteFor();
    void ExecuteCase();
    void ExecuteRaise();
    // Statements of the fuller dialect (VlInterpreterDialectStatements.cpp).
    bool AtWithStatement() const { return TokenBase[NextIndex].Kind == tkIdentifier && AtWithWord(); }
    bool AtWithWord() const;
    void ExecuteWith();
    void ExecuteForIn(const std::string &name, int32_t atom);
    void ExecuteExitValue();
    // An ordinal expression (integers, characters, booleans, enumerations): its number; code 108
    // for other values.
    int64_t EvaluateOrdinal(TVlValue &result);
    bool CaseTextMatches(const std::string &selector);
    // Records whose fields "with" makes visible, innermost last.
    std::vector<TVlValue> WithTargets;
    bool ReadWithField(const std::string &name, int32_t atom, TVlValue &result, TVlInterpreterArgs &args);
    bool WriteWithField(const std::string &name, int32_t atom, const TVlValue &value, TVlInterpreterArgs &args);
    bool RunExceptHandler(const std::exception_ptr &error);
    void SkipStatementsUntil(int32_t kind1, int32_t kind2);
    void ExecuteTryStatement();
    void ScanToHandler();
    bool AppendEligible(int32_t atom);
    void DeclareLocal(const std::string &unitName, const std::string &name, const TVlValue &value,
                      uint16_t kind, const std::string &typeName);
    // Per source: for each token starting an assignment's right side, 1 when "x := x + ..." may
    // append in place, 2 when not.
    std::vector<std::pair<const TVlSource *, std::vector<uint8_t>>> AppendCache;

protected:
    // Counts one step against StatementBudget and honours RequestInterrupt and RequestStop.
    void CountStep()
    {
        if (InterruptPending()) [[unlikely]]
            TakeInterrupt();
        if (StopRequested || StatementBudget == 0)
            StopRun();
        if (StatementBudget > 0)
            --StatementBudget;
    }
    [[noreturn]] void StopRun();
    bool StopRequested = false;

    // Runs at the step after RequestInterrupt, with the reader at that step; it may raise to end
    // the run, or call RequestStop. Programs fire OnInterrupt.
    virtual void Interrupted() {}
    bool InterruptPending() const { return InterruptRequested.load(std::memory_order_relaxed); }
    void TakeInterrupt()
    {
        InterruptRequested.store(false, std::memory_order_relaxed);
        Interrupted();
    }

private:
    std::atomic<bool> InterruptRequested{false};
};

// TVlInterpreterUnit: declarations, used units and the source shapes it runs.
class TVlInterpreterUnit : public TVlInterpreterFunction {
public:
    using TGetUnitSource = std::function<void(TVlInterpreterUnit &sender,
                                              const std::string &unitName, std::string &source,
                                              bool &done)>;
    void Execute() override;
    void PrepareUnit();
    void InvokeFunction(const std::string &name, TVlInterpreterArgs *args,
                        const std::vector<TVlValue> &argValues) override;
    void InvokeFunctionIn(void *instance, const std::string &unitName, const std::string &name,
                          TVlInterpreterArgs *args, const std::vector<TVlValue> &argValues,
                          TVlValue &result) override;
    bool HasFunction(const std::string &unitName, const std::string &name);
    bool GetValue(const std::string &name, int32_t atom, TVlValue &result,
                  TVlInterpreterArgs &args) override;
    virtual bool GetUnitSourceText(const std::string &unitName, std::string &source);

    int32_t Section = 0;
    TGetUnitSource OnGetUnitSource;

protected:
    void ResetState() override;
    bool IsScriptRoutine(const std::string &name) override;
    void ReadUnit();
    void ReadDeclaration();
    void ReadUses();
    void LoadUnit(const std::string &name);
    void ReadRoutine();
    void ReadRoutineHeading(TVlInterpreterFunctionDesc &desc);
    void ReadParameterList(TVlInterpreterFunctionDesc &desc);
    void ReadTypeSection();
    void InterpretRoutine(const TVlInterpreterFunctionDesc &desc);
    std::shared_ptr<TVlSource> UnitSource(const std::string &unitName);
    // Registers the source being read as a unit, keeping its tokens.
    void RegisterCurrentUnit();
    int32_t CurrentUnitAtom();
    // The fuller dialect (VlInterpreterDialectUnit.cpp).
    bool ReadLocalDeclaration() override;
    void ReadTypeDeclaration();
    bool MoreTypes();
    void ReadExtendedType(const std::string &name);
    bool AssignsName(int32_t first, int32_t last, const std::string &name) const;
    bool ReadForward();
    void ReadNestedRoutines(TVlInterpreterFunctionDesc &desc);
    void MarkCompositeParameters(TVlInterpreterFunctionDesc &desc, int32_t first, bool openArray,
                                 const std::string &typeName);
    uint16_t ParameterKind(const std::string &typeName);
    const TVlInterpreterFunctionDesc *FindNestedRoutine(int32_t atom);
    bool ReadOwnResult(const TVlInterpreterFunctionDesc &desc, TVlValue &result, TVlInterpreterArgs &args);
    bool ReadDialectName(const std::string &name, int32_t atom, TVlValue &result, TVlInterpreterArgs &args);
    int32_t RoutineScope = 0;  // OwnScope of the routine whose declarations are being read
    int32_t ScopeCount = 0;
    std::string UsesText;
    std::string CachedUnitName;
    int32_t CachedUnitAtom = 0;
};

// TVlInterpreterProgram: the object hosts create; adds "program" sources and OnStatement.
class TVlInterpreterProgram : public TVlInterpreterUnit {
public:
    using TStatementEvent = std::function<void(TVlInterpreterProgram &sender)>;
    TVlInterpreterProgram();
    ~TVlInterpreterProgram() override;
    void Execute() override;
    // Whether Execute runs the source as a program: it begins with "program " or, in the fuller
    // dialect, its first token is "program".
    bool IsProgramSource();

    // The source as lines (joined with CR LF), like the Pas property.
    void SetPas(const std::vector<std::string> &lines);
    std::vector<std::string> Pas() const;

    TStatementEvent OnStatement;
    // Fired at the step after RequestInterrupt (see there).
    TStatementEvent OnInterrupt;
    // Whether the last run ended by Halt, and the code it gave.
    bool Halted = false;
    int32_t ExitCode = 0;

protected:
    void StatementHook() override;
    void Interrupted() override;
    bool ObservesStatements() const override { return static_cast<bool>(OnStatement); }
    TVlInterpreterProgram *OwningProgram() override { return this; }

private:
    void RunSource();
};
