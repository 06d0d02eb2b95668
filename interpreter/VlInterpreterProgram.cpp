// TVlInterpreterProgram: "program" sources, the statement callback and event bridges.
#include "VlInterpreter.h"

TVlInterpreterProgram::TVlInterpreterProgram() = default;

TVlInterpreterProgram::~TVlInterpreterProgram()
{
    EventBridges.clear();
}

void TVlInterpreterProgram::SetPas(const std::vector<std::string> &lines)
{
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i)
            text += "\r\n";
        text += lines[i];
    }
    SetSourceText(text);
}

std::vector<std::string> TVlInterpreterProgram::Pas() const
{
    std::vector<std::string> lines;
    const std::string &text = SourceText();
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

void TVlInterpreterProgram::StatementHook()
{
    CountStep();
    if (OnStatement)
        OnStatement(*this);
}

void TVlInterpreterProgram::Interrupted()
{
    if (OnInterrupt)
        OnInterrupt(*this);
}

static bool StartsWithProgram(const std::string &text)
{
    static const char word[] = "program ";
    if (text.size() < 8)
        return false;
    for (size_t i = 0; i < 8; ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 32);
        if (c != word[i])
            return false;
    }
    return true;
}

bool TVlInterpreterProgram::IsProgramSource()
{
    if (StartsWithProgram(SourceText()))
        return true;
    if (!ExtendedDialect)
        return false;
    // Comments and blank lines may come before the heading, and a source that ends as a program
    // does ("end.") may leave the heading out, as classic compilers allow.
    if (Source->Extended != ExtendedDialect)
        UseSource(VlTokenize(Source->Text, ExtendedDialect));
    const std::vector<TVlToken> &tokens = Source->Tokens;
    switch (tokens[0].Kind) {
    case tkProgram:
        return true;
    case tkUses: case tkVar: case tkConst: case tkType: case tkProcedure: case tkFunction: case tkBegin: {
        const size_t n = tokens.size();
        return n >= 3 && tokens[n - 1].Kind == tkEof && tokens[n - 2].Kind == tkDot && tokens[n - 3].Kind == tkEnd;
    }
    default:
        return false;
    }
}

void TVlInterpreterProgram::Execute()
{
    Halted = false;
    ExitCode = 0;
    try {
        RunSource();
    } catch (const EVlHalt &halt) {
        // Halt ends the run as its end would, with the code for the host.
        Halted = true;
        ExitCode = halt.Code;
        ResultValue.Clear();
        ClearFailure();
        LastFailure.Code = 0;
        LastFailure.Message.clear();
        LastFailure.BareMessage.clear();
    }
}

// program name [(files)] ; { declaration } begin statements end .
void TVlInterpreterProgram::RunSource()
{
    if (!IsProgramSource()) {
        TVlInterpreterUnit::Execute();
        return;
    }
    TEntryGuard entry(*this);
    ResetState();
    try {
        NextToken();
        for (;;) {
            switch (TokenKind) {
            case tkProgram:
                NextToken();
                CurrentUnitName = TokenValueName();
                NextToken();
                if (TokenKind == tkLParen) {
                    // The file list of the heading, such as (input, output), names no unit.
                    do {
                        NextToken();
                        if (TokenKind != tkIdentifier)
                            ReportExpected(ErrorMessageText(erTextIdentifier));
                        NextToken();
                    } while (TokenKind == tkComma);
                    if (TokenKind != tkRParen)
                        ReportExpected("')'");
                    NextToken();
                }
                if (TokenKind != tkSemicolon)
                    ReportExpected("';'");
                break;
            case tkUses: case tkVar: case tkConst: case tkType: case tkProcedure: case tkFunction:
            case tkInterface: case tkImplementation:
                ReadDeclaration();
                break;
            case tkBegin:
                DeclarationsRead = true;
                RegisterCurrentUnit();
                ExecuteCompound();
                ResultValue.Clear();  // a program leaves no result
                if (ExitFlag) {
                    ExitFlag = false;  // "exit" in the main block ends the program
                    return;
                }
                if (TokenKind != tkDot)
                    ReportExpected("'.'");
                return;
            default:
                ReportExpected("'end'");
            }
            NextToken();
        }
    } catch (...) {
        RecordFailure(std::current_exception(), CurrentUnitName);
        throw;
    }
}

// ---- event bridges ------------------------------------------------------------------------

TVlInterpreterEvent::TVlInterpreterEvent(TVlInterpreterProgram *owner, void *object, std::string unitName,
                                         std::string routineName, std::string propertyName)
    : Owner(owner), Object(object), UnitName(std::move(unitName)), RoutineName(std::move(routineName)),
      PropertyName(std::move(propertyName))
{
}

TVlInterpreterArgs &TVlInterpreterEvent::Args()
{
    if (!OwnArgs)
        OwnArgs = std::make_unique<TVlInterpreterArgs>();
    return *OwnArgs;
}

TVlValue TVlInterpreterEvent::CallScript()
{
    TVlValue result = TVlValue::Null();
    ++Running;
    struct TLeave {
        int &Count;
        ~TLeave() { --Count; }
    } leave{Running};
    if (Owner)
        Owner->InvokeFunctionIn(Object, UnitName, RoutineName, &Args(), {}, result);
    return result;
}
