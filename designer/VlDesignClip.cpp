// The design surface's clipboard, form files and form snapshots.
#include "VlDesignClip.h"

#include "VlDesignHandlerNames.h"
#include "VlDesignImpSelector.h"
#include "VlDesignSurface.h"
#include "VlDesignUtils.h"
#include "components/VlFormStream.h"
#include "components/VlFormText.h"
#include "components/VlRegisterComponents.h"
#include "rtl/VlCp1251.h"
#include "rtl/VlStreams.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

const QString DesignClipboardFormat = QStringLiteral("application/x-qt-windows-mime;value=\"Delphi Components\"");

void ReadDesignBinary(std::string_view binary, TComponent *root)
{
    RegisterVlComponents();
    TStringStream stream{std::string(binary)};
    TFormReader reader(stream);
    reader.OnFindMethod = DesignHandlerFinder();
    reader.ReadRootComponent(root);
}

void ReadDesignFormFile(std::string_view fileBytes, TComponent *root)
{
    ReadDesignBinary(FormFileToBinary(fileBytes), root);
}

// ---------------------------------------------------------------------------------------------
// Clipboard

void TVlDesignSurface::CopySelection()
{
    std::string block;
    for (TControl *control : Selector()->SelectedControls())
        if (control != FContainer)
            AppendClipboardRecord(block, WriteComponentToBinary(control, DesignHandlerNamer(), FContainer));
    if (block.empty())
        return; // nothing selected: what the clipboard holds stays
    auto *data = new QMimeData;
    data->setData(DesignClipboardFormat, QByteArray::fromStdString(block));
    QGuiApplication::clipboard()->setMimeData(data);
}

namespace {

// One record: a component with what it holds, owned by the container under fresh names.
TComponent *ReadRecord(const std::string &record, TWinControl *container)
{
    TStringStream stream{record};
    TFormReader reader(stream);
    reader.SetOwner(container);
    reader.OnFindMethod = DesignHandlerFinder();
    reader.OnSetName = [container](TFormReader &, TComponent *component, std::string &name) {
        if (!name.empty() && IsDesignNameTaken(container, name))
            name = UniqueDesignName(container, component->ClassName());
    };
    TComponent *component = reader.ReadRootComponent(nullptr);
    try {
        component->SetName(UniqueDesignName(container, component->ClassName()));
        container->InsertComponent(component);
    } catch (...) {
        delete component;
        throw;
    }
    return component;
}

} // namespace

void TVlDesignSurface::PasteFromClipboard()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (!data || !FContainer || !data->hasFormat(DesignClipboardFormat))
        return;
    const QByteArray block = data->data(DesignClipboardFormat);
    const std::vector<std::string> records = SplitClipboardRecords(std::string_view(block.constData(), size_t(block.size())));
    if (records.empty())
        return;
    RegisterVlComponents();
    TWinControl *addParent = AddParent();
    auto paste = [&] {
        Selector()->ClearSelection();
        for (const std::string &record : records) {
            TComponent *component = ReadRecord(record, FContainer);
            if (auto *control = dynamic_cast<TControl *>(component)) {
                // Kept inside the parent it goes into.
                if (control->Left() > addParent->ClientWidth())
                    control->SetLeft(addParent->ClientWidth() - control->Width());
                if (control->Top() > addParent->ClientHeight())
                    control->SetTop(addParent->ClientHeight() - control->Height());
                control->SetParent(addParent);
                // The next place in the tab order, not the copied control's.
                if (auto *win = dynamic_cast<TWinControl *>(control))
                    win->SetTabOrder(-1);
                Selector()->ExtendSelection(control);
            }
            // Pasted controls are designed like placed ones, so they stay inert in every mode.
            DesignComponent(component);
        }
    };
    try {
        RecordChange(paste);
    } catch (...) {
        // The records pasted before the bad one stay, and the window learns about them.
        RevealHiddenControls(true);
        SelectionChanged();
        Changed();
        throw;
    }
    RevealHiddenControls(true);
    SelectionChanged();
    Changed();
}

// ---------------------------------------------------------------------------------------------
// Form files

void TVlDesignSurface::WithSurfaceOutOfOwner(const std::function<void()> &work)
{
    Deactivate();
    TComponent *owner = Owner();
    if (owner)
        owner->RemoveComponent(this);
    auto putBack = [this, owner] {
        if (owner) {
            // A form may have brought a component of the surface's own name.
            if (!Name().empty() && owner->FindComponent(Name()))
                SetName(std::string());
            owner->InsertComponent(this);
        }
        RenewWatches();
    };
    try {
        work();
    } catch (...) {
        putBack();
        VlGuard([this] { Activate(); });
        throw;
    }
    putBack();
    Activate();
}

std::string TVlDesignSurface::FormSnapshot()
{
    if (!FContainer)
        return {};
    TComponent *owner = Owner();
    if (owner)
        owner->RemoveComponent(this);
    std::string binary;
    try {
        binary = WriteComponentToBinary(FContainer, DesignHandlerNamer());
    } catch (...) {
        if (owner)
            owner->InsertComponent(this);
        RenewWatches();
        throw;
    }
    if (owner)
        owner->InsertComponent(this);
    RenewWatches();
    return binary;
}

void TVlDesignSurface::SaveForm(const std::string &fileName)
{
    WithSurfaceOutOfOwner([&] {
        const std::string text = ObjectBinaryToText(WriteComponentToBinary(FContainer, DesignHandlerNamer()));
        WriteFileBytesAtomically(fileName, text);
    });
}

void TVlDesignSurface::ReadForm(const std::string &binary)
{
    WithSurfaceOutOfOwner([&] {
        if (!FContainer)
            return;
        const std::string name = FContainer->Name();
        try {
            FContainer->DestroyComponents();
            ReadDesignBinary(binary, FContainer);
        } catch (...) {
            FContainer->SetName(name);
            throw;
        }
        FContainer->SetName(name);
    });
}

void TVlDesignSurface::LoadForm(const std::string &fileName)
{
    // The file is read and parsed before anything goes: a file that cannot be read leaves the
    // form as it was.
    std::string binary;
    try {
        binary = FormFileToBinary(ReadFileBytes(fileName));
    } catch (...) {
        WithSurfaceOutOfOwner([] {});
        throw;
    }
    try {
        RecordChange([&] { ReadForm(binary); });
    } catch (...) {
        Changed();
        throw;
    }
    Changed();
}

void TVlDesignSurface::ClearForm()
{
    RecordChange([this] {
        WithSurfaceOutOfOwner([this] {
            if (FContainer)
                FContainer->DestroyComponents();
        });
    });
    Changed();
}
