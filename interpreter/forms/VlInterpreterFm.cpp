// TVlInterpreterFm: making forms from units and form files, finding units and form files, and the
// lifetime of the program beside the forms it made.
#include "VlInterpreterFm.h"

#include "VlInterpreterForm.h"
#include "VlInterpreterReader.h"

#include "components/VlApplication.h"
#include "components/VlFormStream.h"
#include "interpreter/bindings/VlInterpreterGuiApplication.h"
#include "interpreter/bindings/VlInterpreterHostEvent.h"
#include "rtl/VlCp1251.h"
#include "rtl/VlStreams.h"
#include "rtl/VlSysUtils.h"

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

// Folder and file name of a path written with either separator.
std::string FolderOf(const std::string &path)
{
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string NameOf(const std::string &path)
{
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string UnitNameOf(const std::string &fileName)
{
    std::string name = NameOf(fileName);
    const size_t dot = name.rfind('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

bool HasExtension(const std::string &path)
{
    const std::string name = NameOf(path);
    const size_t dot = name.rfind('.');
    return dot != std::string::npos && dot > 0;
}

// The file itself, or a file of that name in its folder differing only in letter case (units
// and form files written on systems that ignore case); empty when there is none.
std::string ExistingFile(const std::string &path)
{
    std::string native = path;
    std::replace(native.begin(), native.end(), '\\', '/');
    std::error_code ec;
    if (fs::is_regular_file(native, ec))
        return native;
    const fs::path file(native);
    const fs::path dir = file.has_parent_path() ? file.parent_path() : fs::path(".");
    const std::string wanted = file.filename().string();
    for (const auto &entry : fs::directory_iterator(dir, ec)) {
        if (entry.is_regular_file(ec) && VlSysUtils::CompareText(entry.path().filename().string(), wanted) == 0)
            return entry.path().string();
    }
    return {};
}

std::string JoinPath(const std::string &folder, const std::string &name)
{
    return folder.empty() ? name : folder + "/" + name;
}

std::string ReadSourceFile(const std::string &path)
{
    return Utf8ToCp1251(ToCrLf(ReadTextFile(path)));
}

// A copy of a class's fields for one form: arrays and records get storage of their own.
void CopyFields(const TVlInterpreterVarList &from, TVlInterpreterVarList &to)
{
    to.Clear();
    for (size_t i = 0; i < from.Count(); ++i) {
        const TVlInterpreterVar *var = &from.Var(i);
        TVlValue value = var->Value;
        if (value.IsScriptArray()) {
            auto *copy = new TVlInterpreterArrayRec(*value.RawScriptArray());
            copy->Refs = 1;
            value = TVlValue::AdoptScriptArray(copy);
        } else if (value.IsRecord()) {
            TVlValue fresh;
            AssignValue(fresh, value);
            value = fresh;
        }
        to.DeclareVar(var->UnitName, var->Identifier, value, var->DeclaredKind, var->TypeName);
    }
}

} // namespace

TVlInterpreterFm::TVlInterpreterFm() = default;

TVlInterpreterFm::~TVlInterpreterFm()
{
    for (TVlInterpreterForm *form : FForms)
        form->DetachFromProgram();
    FForms.clear();
}

void TVlInterpreterFm::ResetState()
{
    for (TVlInterpreterForm *form : FForms)
        form->SilenceHandlers();
    TVlInterpreterProgram::ResetState();
}

void TVlInterpreterFm::Execute()
{
    TRunScope run(*this);
    TVlInterpreterProgram::Execute();
}

void TVlInterpreterFm::ObtainUnitSource(const std::string &fileName, const std::string &unitName, std::string &source)
{
    // Not inside any unit's interface part: the real sources are wanted here.
    Section = 0;
    if (GetUnitSourceText(fileName, source) || GetUnitSourceText(unitName, source))
        return;
    RaiseError(erUnitNotFound, -1, unitName);
}

TVlInterpreterForm *TVlInterpreterFm::MakeForm(const std::string &fileName)
{
    TRunScope run(*this);
    // 1-3. The unit, read as a unit.
    FileName = fileName;
    const std::string unitName = UnitNameOf(fileName);
    std::string source;
    ObtainUnitSource(fileName, unitName, source);
    SetSourceText(source);
    PrepareUnit();
    // 4. A new, empty form of the application, loaded from its form file.
    VlEnsureGuiApplication();
    auto *form = new TVlInterpreterForm(&Application());
    form->UnitName = unitName;
    try {
        LoadForm(form);
    } catch (...) {
        // LoadForm fails only before OnCreate, so the form is still there.
        delete form;
        throw;
    }
    return FCurrentForm;
}

TVlInterpreterForm *TVlInterpreterFm::RunForm(const std::string &fileName)
{
    TRunScope run(*this);
    TVlInterpreterForm *form = MakeForm(fileName);
    if (form)
        form->Show();
    return form;
}

int32_t TVlInterpreterFm::RunFormModal(const std::string &fileName)
{
    TRunScope run(*this);
    TVlInterpreterForm *form = MakeForm(fileName);
    if (!form)
        return mrCancel;
    auto alive = [this, form] { return std::find(FForms.begin(), FForms.end(), form) != FForms.end(); };
    int32_t result = mrCancel;
    try {
        result = form->ShowModal();
    } catch (...) {
        if (alive())
            delete form;
        throw;
    }
    if (alive())
        delete form;
    return result;
}

void TVlInterpreterFm::RunUnitFile(const std::string &fileName)
{
    TRunScope run(*this);
    FileName = fileName;
    std::string source;
    try {
        ObtainUnitSource(fileName, UnitNameOf(fileName), source);
    } catch (...) {
        // Whatever went wrong, the unit could not be had.
        RaiseError(erUnitNotFound, -1, fileName);
    }
    SetSourceText(source);
    Execute();
}

bool TVlInterpreterFm::GetUnitSourceText(const std::string &unitName, std::string &source)
{
    // 1. A unit named in an interface "uses" clause is empty unless InterfaceUses asks for it.
    if (!InterfaceUses && Section == 1) {
        source = "unit " + unitName + "; end.";
        return true;
    }
    // 2. The host.
    if (TVlInterpreterProgram::GetUnitSourceText(unitName, source))
        return true;
    // 3. A file: the name (".pas" added when it has no extension), else that file in FileName's folder.
    const std::string file = HasExtension(unitName) ? unitName : unitName + ".pas";
    std::string found = ExistingFile(file);
    if (found.empty() && !FolderOf(FileName).empty() && FolderOf(file).empty())
        found = ExistingFile(JoinPath(FolderOf(FileName), file));
    if (found.empty())
        return false;
    source = ReadSourceFile(found);
    return true;
}

void TVlInterpreterFm::CreateDfmStream(const std::string &unitName, TStream *&stream)
{
    // 1. The host's own stream.
    bool done = false;
    if (OnCreateDfmStream) {
        OnCreateDfmStream(*this, unitName, stream, done);
        if (done && stream)
            return;
        stream = nullptr;
    }
    // 2. A file: the host's name, or the unit's ".dfm" beside FileName (or in the current folder
    // when FileName names none).
    std::string fileName;
    done = false;
    if (OnGetDfmFileName)
        OnGetDfmFileName(*this, unitName, fileName, done);
    if (!done)
        fileName = JoinPath(FolderOf(FileName), NameOf(unitName) + ".dfm");
    const std::string found = fileName.empty() ? std::string() : ExistingFile(fileName);
    // 3. No form file.
    if (found.empty())
        RaiseError(erDfmNotFound, -1, unitName);
    stream = new TFileStream(found, fmOpenRead);
}

void TVlInterpreterFm::FreeDfmStream(TStream *stream)
{
    if (OnFreeDfmStream)
        OnFreeDfmStream(*this, stream);
    else
        delete stream;
}

std::string TVlInterpreterFm::ReadFormFile(const std::string &unitName)
{
    TStream *stream = nullptr;
    CreateDfmStream(unitName, stream);
    std::string bytes;
    try {
        bytes.resize(static_cast<size_t>(std::max<int64_t>(0, stream->Remaining())));
        stream->ReadBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    } catch (...) {
        FreeDfmStream(stream);
        throw;
    }
    FreeDfmStream(stream);
    // Binary form files and text ones (converted in memory); anything else is "Invalid stream format".
    return FormFileToBinary(bytes);
}

void TVlInterpreterFm::BindEvents(TVlInterpreterForm &form)
{
    auto bind = [&](TComponent *component) {
        for (const TPropInfo *prop : component->ClassInfo()->Properties()) {
            if (prop->Kind != TTypeKind::Method || !prop->GetMethod || !prop->SetMethod)
                continue;
            const std::string *name = form.MethodNameOf(GetMethodProp(component, *prop));
            if (!name)
                continue;
            TVlMethod handler = OwnAdapter().NewEvent(form.UnitName, *name, prop->TypeName, this, &form, prop->Name);
            for (size_t i = 0; i < HostAdapters.size() && handler.IsEmpty(); ++i)
                handler = HostAdapters[i]->NewEvent(form.UnitName, *name, prop->TypeName, this, &form, prop->Name);
            if (handler.IsEmpty())
                handler = GlobalAdapter().NewEvent(form.UnitName, *name, prop->TypeName, this, &form, prop->Name);
            if (handler.IsEmpty())
                RaiseError(erEventNotRegistered, -1, prop->TypeName);
            std::unique_ptr<TVlInterpreterEvent> bridge(static_cast<TVlInterpreterEvent *>(handler.Data));
            if (auto *host = dynamic_cast<TVlInterpreterHostEvent *>(bridge.get()))
                host->Holder = component;
            SetMethodProp(component, *prop, TMethod{handler.Code, handler.Data});
            form.AdoptBridge(component, std::move(bridge));
        }
    };
    bind(&form);
    for (int i = 0; i < form.ComponentCount(); ++i)
        bind(form.Components(i));
}

void TVlInterpreterFm::LoadForm(TVlInterpreterForm *form)
{
    TRunScope run(*this);
    VlEnsureGuiApplication();
    // 1. (A form read again drops the bridges of its last reading first.)
    form->ReleaseBridges();
    FCurrentForm = form;
    if (form->OwnerProgram != this) {
        if (form->OwnerProgram)
            form->OwnerProgram->FormDestroyed(form, false);
        form->OwnerProgram = this;
        FForms.push_back(form);
    }
    // 2-3. The form file, read into the form.
    const std::string binary = ReadFormFile(form->UnitName);
    {
        TStringStream stream(binary);
        TVlInterpreterReader reader(stream, *form);
        reader.ReadForm();
    }
    form->SetLoadedFromFile();
    // 4. Every handler name becomes a bridge to the script method of that name.
    try {
        BindEvents(*form);
    } catch (...) {
        form->ClearUnboundHandlers();
        throw;
    }
    // 5-6. The script class and a copy of its fields.
    if (form->ClassIdentifier.empty())
        for (const auto &cls : OwnAdapter().SrcClasses)
            if (VlSameName(cls->UnitName, form->UnitName)) {
                form->ClassIdentifier = cls->Identifier;
                break;
            }
    if (TVlInterpreterSrcClass *cls = OwnAdapter().FindSourceClass(form->ClassIdentifier))
        CopyFields(cls->Vars, form->FormVars);
    // 7. OnCreate; what it raises is shown, and loading goes on.
    if (form->OnCreate().IsAssigned()) {
        try {
            form->DoCreate();
        } catch (...) {
            VlHandleException(std::current_exception());
        }
    }
    // 8. Hidden until the caller shows it (a form freed by its own OnCreate is gone).
    if (FCurrentForm == form && form->FormStyle() != fsMDIChild)
        form->SetVisible(false);
}

void TVlInterpreterFm::InheritHost(TVlInterpreterFm &other)
{
    OnGetUnitSource = other.OnGetUnitSource;
    OnGetValue = other.OnGetValue;
    OnSetValue = other.OnSetValue;
    OnStatement = other.OnStatement;
    OnInterrupt = other.OnInterrupt;
    OnGetDfmFileName = other.OnGetDfmFileName;
    OnCreateDfmStream = other.OnCreateDfmStream;
    OnFreeDfmStream = other.OnFreeDfmStream;
    InterfaceUses = other.InterfaceUses;
    DirectStatements = other.DirectStatements;
    for (const auto &adapter : other.HostAdapters)
        AddHostAdapter(adapter);
}

std::unique_ptr<TVlInterpreterFm> TVlInterpreterFm::NewFormProgram()
{
    auto program = std::make_unique<TVlInterpreterFm>();
    program->InheritHost(*this);
    return program;
}

void TVlInterpreterFm::FormDestroyed(TVlInterpreterForm *form, bool freeProgram)
{
    FForms.erase(std::remove(FForms.begin(), FForms.end(), form), FForms.end());
    if (FCurrentForm == form)
        FCurrentForm = nullptr;
    if (!freeProgram)
        return;
    if (FRunDepth > 0)
        FFreeWhenIdle = true;
    else
        delete this;
}
