// try ... finally / except statements and exception handlers.
#include "VlInterpreter.h"

namespace {

// Keeps an exception on the handled list while its except part runs, so that ExceptObject
// can answer it although the handler runs outside the C++ catch.
struct THandledScope {
    THandledScope(std::vector<std::exception_ptr> &list, const std::exception_ptr &error) : List(list)
    {
        List.push_back(error);
    }
    ~THandledScope() { List.pop_back(); }
    std::vector<std::exception_ptr> &List;
};

} // namespace

// Moves the reader from a failed statement to the "finally" or "except" of the enclosing try:
// blocks opened after the failure are stepped over whole.
void TVlInterpreterFunction::ScanToHandler()
{
    TokenBacked = false;
    int depth = 0;
    for (;;) {
        int32_t kind = TokenKind;
        if ((kind == tkFinally || kind == tkExcept) && depth == 0)
            return;
        if (kind == tkEof)
            ReportExpected("'end'");
        if (kind == tkBegin || kind == tkTry || kind == tkCase)
            ++depth;
        else if (kind == tkEnd && depth > 0)
            --depth;
        NextToken();
    }
}

// try statements (finally statements end | except handler end)
void TVlInterpreterFunction::ExecuteTryStatement()
{
    size_t frames = static_cast<size_t>(FrameCount);
    NextToken();
    std::exception_ptr failure;
    try {
        for (;;) {
            int32_t kind = TokenKind;
            if (kind == tkFinally || kind == tkExcept)
                break;
            if (BreakFlag || ContinueFlag || ExitFlag) {
                SkipStatementsUntil(tkFinally, tkExcept);
                break;
            }
            if (kind == tkSemicolon) {
                StatementHook();
                NextToken();
            } else if (VlStartsStatement(kind)) {
                ExecuteStatement();
            } else if (kind == tkEof) {
                ReportExpected("'end'");
            } else {
                ReportExpected("'finally'");
            }
        }
    } catch (const EVlHalt &) {
        throw;  // ends the run: no handler runs
    } catch (...) {
        failure = std::current_exception();
    }
    if (failure) {
        (void)frames;
        try {
            ScanToHandler();
        } catch (...) {
            std::rethrow_exception(failure);
        }
        if (TokenKind == tkFinally) {
            bool exitFlag = ExitFlag;
            ExitFlag = false;
            ExecuteCompound();
            ExitFlag = ExitFlag || exitFlag;
            std::rethrow_exception(failure);
        }
        if (!RunExceptHandler(failure))
            std::rethrow_exception(failure);
        return;
    }
    if (TokenKind == tkFinally) {
        bool exitFlag = ExitFlag;
        ExitFlag = false;
        ExecuteCompound();
        ExitFlag = ExitFlag || exitFlag;
    } else {
        SkipBlock();
    }
}

// except [on [name :] class do statement {; on ...} [else statement]] | statements end
bool TVlInterpreterFunction::RunExceptHandler(const std::exception_ptr &error)
{
    THandledScope handled(HandledExceptions, error);
    try {
        NextToken();
        if (TokenKind != tkOn) {
            BackToken();
            ExecuteCompound();
            return true;
        }
        TVlHostObjectModel &model = Adapter->ObjectModel();
        void *exceptionObject = model.ExceptionObject(error);
        for (;;) {
            // at "on"
            NextToken();
            if (TokenKind != tkIdentifier)
                ReportExpected(ErrorMessageText(erTextIdentifier));
            std::string varName;
            std::string className = *TokenNamePtr;
            int32_t classAtom = TokenAtom;
            NextToken();
            if (TokenKind == tkColon) {
                varName = className;
                NextToken();
                if (TokenKind != tkIdentifier)
                    ReportExpected(ErrorMessageText(erTextIdentifier));
                className = *TokenNamePtr;
                classAtom = TokenAtom;
                NextToken();
            }
            TVlValue cls;
            TVlInterpreterArgs *lookup = AcquireArgs();
            lookup->Clear();
            bool found = false;
            try {
                found = GetValue(className, classAtom, cls, *lookup);
            } catch (...) {
                ReleaseArgs(lookup);
                throw;
            }
            ReleaseArgs(lookup);
            if (!found)
                RaiseError(erUndeclared, TokenStart(), className);
            if (cls.Kind() != varVlClass)
                RaiseError(erClassRequired, TokenStart());
            if (TokenKind != tkDo)
                ReportExpected("'do'");
            NextToken();
            bool matches = exceptionObject &&
                           model.InheritsFrom(model.ClassOf(exceptionObject), ValueToClass(cls));
            if (matches) {
                // The exception variable lives in the current frame, or in a frame of its own in a
                // main block, for the handler statement only.
                bool ownFrame = CurrentFrame() == nullptr;
                if (ownFrame) {
                    if (FrameCount == static_cast<int32_t>(Frames.size()))
                        Frames.push_back(std::make_unique<TRoutineFrame>());
                    TRoutineFrame &frame = *Frames[static_cast<size_t>(FrameCount++)];
                    frame.Vars.Clear();
                    frame.Desc = nullptr;
                    frame.CallerArgs = Args;
                    frame.HasResult = false;
                }
                TVlInterpreterVarList &vars = CurrentFrame()->Vars;
                if (!varName.empty())
                    vars.DeclareVar(std::string(), varName, ObjectToValue(exceptionObject), varVlObject, className);
                auto cleanup = [&]() {
                    if (!varName.empty())
                        vars.RemoveVar(std::string(), varName);
                    if (ownFrame)
                        Frames[static_cast<size_t>(--FrameCount)]->Vars.Clear();
                };
                try {
                    ExecuteStatement();
                } catch (...) {
                    cleanup();
                    throw;
                }
                cleanup();
                if (TokenKind == tkEnd)
                    NextToken();
                else
                    SkipBlock();
                return true;
            }
            SkipStatement();
            if (TokenKind == tkSemicolon)
                NextToken();
            if (TokenKind == tkOn)
                continue;
            if (TokenKind == tkElse) {
                NextToken();
                ExecuteStatement();
                if (TokenKind == tkSemicolon)
                    NextToken();
                if (TokenKind != tkEnd)
                    ReportExpected("'end'");
                NextToken();
                return true;
            }
            if (TokenKind == tkEnd) {
                NextToken();
                return false;
            }
            ReportExpected("'end'");
        }
    } catch (EVlInterpreterError &e) {
        if (e.Code == erReRaise)
            std::rethrow_exception(error);
        throw;
    }
}
