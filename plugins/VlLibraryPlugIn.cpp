// A plug-in object behind the C contract: its fields are read out, its operations and events
// called through its function pointers.
#include "VlLibraryPlugIn.h"

#include "VlPluginErrors.h"

#include <QFileInfo>

namespace {

constexpr int32_t kMaxCommands = 1000;
constexpr int32_t kMaxBitmapSide = 1024;

QString Text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// Null when the bitmap has no image; raises when its size or pixels do not fit.
QImage ImageOf(const VlPluginBitmap &bitmap, const QString &fileName, int command)
{
    if (bitmap.Width == 0 || bitmap.Height == 0)
        return {};
    if (bitmap.Width < 0 || bitmap.Height < 0 || bitmap.Width > kMaxBitmapSide || bitmap.Height > kMaxBitmapSide
        || !bitmap.Pixels)
        throw EVlLoadPluginError(
            VlPluginMessages::BadDescription(fileName, QStringLiteral("картинка команды %1").arg(command + 1)));
    const QImage view(reinterpret_cast<const uchar *>(bitmap.Pixels), bitmap.Width, bitmap.Height,
                      static_cast<qsizetype>(bitmap.Width) * 4, QImage::Format_ARGB32);
    return view.copy(); // the plug-in's pixels are only borrowed
}

} // namespace

std::unique_ptr<TVlLibraryPlugIn> TVlLibraryPlugIn::Adopt(VlPlugin *object, const QString &fileName)
{
    if (object->ContractVersion != VL_PLUGIN_CONTRACT_VERSION)
        throw EVlLoadPluginError(VlPluginMessages::OtherContractVersion(fileName, object->ContractVersion));
    std::unique_ptr<TVlLibraryPlugIn> plugin(new TVlLibraryPlugIn(object, fileName));
    plugin->ReadDescription();
    return plugin;
}

TVlLibraryPlugIn::TVlLibraryPlugIn(VlPlugin *object, const QString &fileName)
    : FObject(object)
    , FFileName(fileName)
{
    // The events call the object's own; which of them are set is looked at when they fire.
    OnPluginMessage = [this](TVlPlugIn &, int32_t message, const QString &text) {
        if (FObject->OnPluginMessage)
            FObject->OnPluginMessage(FObject, message, text.toUtf8().constData());
    };
    OnInitialize = [this](TVlPlugIn &, bool &allow) {
        if (!FObject->OnInitialize)
            return;
        VlBool flag = allow ? 1 : 0;
        FObject->OnInitialize(FObject, &flag);
        allow = flag != 0;
    };
    OnConfigure = [this](TVlPlugIn &) {
        if (FObject->OnConfigure)
            FObject->OnConfigure(FObject);
    };
}

TVlLibraryPlugIn::~TVlLibraryPlugIn()
{
    if (FObject->Destroy)
        FObject->Destroy(FObject);
}

void TVlLibraryPlugIn::DeliverMessage(int32_t message, const QString &text)
{
    if (FObject->DeliverMessage)
        FObject->DeliverMessage(FObject, message, text.toUtf8().constData());
    else
        TVlPlugIn::DeliverMessage(message, text);
}

void TVlLibraryPlugIn::RunInitializeEvent(bool &allow)
{
    if (!FObject->RunInitializeEvent) {
        TVlPlugIn::RunInitializeEvent(allow);
        return;
    }
    VlBool flag = allow ? 1 : 0;
    FObject->RunInitializeEvent(FObject, &flag);
    allow = flag != 0;
}

void TVlLibraryPlugIn::RunConfigureEvent()
{
    if (FObject->RunConfigureEvent)
        FObject->RunConfigureEvent(FObject);
    else
        TVlPlugIn::RunConfigureEvent();
}

void TVlLibraryPlugIn::ShowConfiguration()
{
    if (FObject->ShowConfiguration)
        FObject->ShowConfiguration(FObject);
    else
        TVlPlugIn::ShowConfiguration();
}

bool TVlLibraryPlugIn::StartPlugin(TVlPluginManager *manager, const VlHost *host, const QString &fileName)
{
    FLoadedFrom = fileName.toUtf8();
    FObject->LoadedFrom = FLoadedFrom.constData();
    FObject->OwnerApplication = host;
    FObject->OwningManager = manager;
    bool started = false;
    if (FObject->StartPlugin) {
        OwnerApplication = host;
        LoadedFrom = fileName;
        OwningManager = manager;
        started = FObject->StartPlugin(FObject, manager, host, FLoadedFrom.constData()) != 0;
    } else {
        started = TVlPlugIn::StartPlugin(manager, host, fileName);
    }
    if (started)
        ReadDescription(); // OnInitialize may have changed the description or the commands
    return started;
}

void TVlLibraryPlugIn::ReadDescription()
{
    if (FObject->CommandCount < 0 || FObject->CommandCount > kMaxCommands)
        throw EVlLoadPluginError(VlPluginMessages::BadDescription(
            FFileName, QStringLiteral("число команд %1").arg(FObject->CommandCount)));
    if (FObject->CommandCount > 0 && !FObject->Commands)
        throw EVlLoadPluginError(VlPluginMessages::BadDescription(FFileName, QStringLiteral("нет списка команд")));
    Name = Text(FObject->Name);
    if (Name.isEmpty())
        Name = QFileInfo(FFileName).completeBaseName();
    PluginID = Text(FObject->PluginID);
    Author = Text(FObject->Author);
    Copyright = Text(FObject->Copyright);
    Description = Text(FObject->Description);
    InstanceCount = FObject->InstanceCount;
    PluginVersion = Text(FObject->PluginVersion);
    Commands.Clear();
    for (int i = 0; i < FObject->CommandCount; ++i)
        ReadCommand(i);
}

void TVlLibraryPlugIn::ReadCommand(int index)
{
    const VlPluginCommand *source = &FObject->Commands[index];
    TVlPluginCommand &command = Commands.Add(Text(source->Name));
    command.Caption = Text(source->Caption);
    command.Hint = Text(source->Hint);
    command.Data = Text(source->Data);
    command.ShortCut = source->ShortCut;
    command.Bitmap = ImageOf(source->Bitmap, FFileName, index);
    command.OnExecute = [object = FObject, source](const QString &) {
        if (source->OnExecute)
            source->OnExecute(object, source);
    };
}
