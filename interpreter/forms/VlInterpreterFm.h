// TVlInterpreterFm: the interpreter program that turns a script unit with a form file into a live
// window whose events run the unit's methods, with the form as their context.
//
// A host uses it like the plain program, and answers where form files come from:
//
//     TVlInterpreterFm program;
//     program.OnGetUnitSource = ...;                       // units, as for TVlInterpreterProgram
//     program.OnGetDfmFileName = [](TVlInterpreterFm &, const std::string &unit, std::string &file,
//                                   bool &done) { file = "/samples/" + unit + ".dfm"; done = true; };
//     TVlInterpreterForm *form = program.RunForm("/samples/Unit2.pas");   // shown, not waited for
#pragma once

#include "interpreter/VlInterpreter.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TStream;
class TComponent;
class TVlInterpreterForm;

class TVlInterpreterFm : public TVlInterpreterProgram {
public:
    // var FileName, var Done (arrives false).
    using TGetDfmFileName = std::function<void(TVlInterpreterFm &sender, const std::string &unitName,
                                               std::string &fileName, bool &done)>;
    // var Stream, var Done (arrives false); a stream given with Done set is read as it is.
    using TCreateDfmStream = std::function<void(TVlInterpreterFm &sender, const std::string &unitName,
                                                TStream *&stream, bool &done)>;
    // Releases a stream; without it the program deletes its streams itself.
    using TFreeDfmStream = std::function<void(TVlInterpreterFm &sender, TStream *stream)>;

    TVlInterpreterFm();
    // Leaves its forms alive but inert (their handlers no longer run).
    ~TVlInterpreterFm() override;

    // A loaded, hidden form of the unit in fileName (errors 56, 58, 57, the reading errors).
    TVlInterpreterForm *MakeForm(const std::string &fileName);
    // MakeForm, then shows the form without waiting.
    TVlInterpreterForm *RunForm(const std::string &fileName);
    // MakeForm, shows it modally and frees it whatever happens; the modal result.
    int32_t RunFormModal(const std::string &fileName);
    // Reads the unit in fileName and runs it (error 56 with the file name when it cannot be read).
    void RunUnitFile(const std::string &fileName);
    // Reads form's form file into it, binds its handlers, copies its class's fields, runs OnCreate.
    void LoadForm(TVlInterpreterForm *form);

    virtual void CreateDfmStream(const std::string &unitName, TStream *&stream);
    virtual void FreeDfmStream(TStream *stream);
    bool GetUnitSourceText(const std::string &unitName, std::string &source) override;

    // The name lookup and writes in a form's context, and script methods as members of forms.
    bool GetValue(const std::string &name, int32_t atom, TVlValue &result, TVlInterpreterArgs &args) override;
    bool SetValue(const std::string &name, int32_t atom, const TVlValue &value, TVlInterpreterArgs &args) override;
    void *ImplicitWriteTarget(int32_t atom) override;
    // A method of a form class raised by one of the form's components runs with the form as context.
    void InvokeFunctionIn(void *instance, const std::string &unitName, const std::string &name,
                          TVlInterpreterArgs *args, const std::vector<TVlValue> &argValues,
                          TVlValue &result) override;
    void Execute() override;

    // Loads a new, empty form of a script class (what a script class name gives) as "Create" does,
    // owned by owner (none when null).
    void CreateScriptForm(TVlInterpreterForm &form, TComponent *owner);

    // The host callbacks, host adapters and settings of another program, for a program made by a
    // form function of a running script.
    void InheritHost(TVlInterpreterFm &other);
    // The program a form function of this program's script ("VlInterpreterRunForm" and the rest)
    // runs the form in: a plain one with this program's host (InheritHost). A host whose programs
    // do more (a window that serves its events while they run) makes its own kind.
    virtual std::unique_ptr<TVlInterpreterFm> NewFormProgram();
    // Called by a form being destroyed; frees this program with it when asked (once it returns,
    // when the form dies inside a handler this program is running).
    void FormDestroyed(TVlInterpreterForm *form, bool freeProgram);

    // The file of the unit last made into a form or run; its folder is searched for units and form files.
    std::string FileName;
    // The form last made or loaded; null once it is destroyed.
    TVlInterpreterForm *CurrentForm() const { return FCurrentForm; }
    TGetDfmFileName OnGetDfmFileName;
    TCreateDfmStream OnCreateDfmStream;
    TFreeDfmStream OnFreeDfmStream;
    // False: units named in an interface "uses" clause are taken as empty.
    bool InterfaceUses = false;

protected:
    // A new run or unit: the forms of the last one go on living, but their handlers name routines
    // that are gone, so they do nothing from then on.
    void ResetState() override;
    bool ClaimsMembersOf(void *object) const override;

private:
    // Counts the entries from the host, so that a form freeing the program inside one of its own
    // handlers frees it only once the outermost entry has returned.
    struct TRunScope {
        explicit TRunScope(TVlInterpreterFm &program) : Program(program) { ++Program.FRunDepth; }
        ~TRunScope()
        {
            if (--Program.FRunDepth == 0 && Program.FFreeWhenIdle)
                delete &Program;
        }
        TVlInterpreterFm &Program;
    };
    // Runs script code with another current instance; restores it and the fast paths' switch after.
    struct TInstanceScope {
        TInstanceScope(TVlInterpreterFm &program, void *instance);
        ~TInstanceScope();
        TVlInterpreterFm &Program;
        void *SavedInstance;
        bool SavedLocalsFirst;
    };
    bool ReadInForm(TVlInterpreterForm &form, const std::string &name, int32_t atom, TVlValue &result,
                    TVlInterpreterArgs &args, bool withLocals);
    bool ReadFormMember(TVlInterpreterForm &form, const std::string &name, int32_t atom, TVlValue &result,
                        TVlInterpreterArgs &args);
    bool CallFormMethod(TVlInterpreterForm &form, const std::string &name, TVlValue &result,
                        TVlInterpreterArgs &args);
    bool MakeScriptClassForm(const std::string &name, TVlValue &result);
    bool WriteFormField(TVlInterpreterForm &form, int32_t atom, const TVlValue &value);
    // The form whose method is running, when a bare name written there is not one of its locals.
    TVlInterpreterForm *MethodsForm(int32_t atom);
    void *FormContextFor(void *instance, const std::string &unitName, const std::string &name);
    std::string ReadFormFile(const std::string &unitName);
    void BindEvents(TVlInterpreterForm &form);
    void ObtainUnitSource(const std::string &fileName, const std::string &unitName, std::string &source);

    TVlInterpreterForm *FCurrentForm = nullptr;
    std::vector<TVlInterpreterForm *> FForms;  // loaded by this program and alive
    int32_t FRunDepth = 0;
    bool FFreeWhenIdle = false;
};
