// The standard operations of a plug-in object: each raises its event.
#include "VlPlugin.h"

void TVlPlugIn::DeliverMessage(int32_t message, const QString &text)
{
    if (OnPluginMessage)
        OnPluginMessage(*this, message, text);
}

void TVlPlugIn::RunInitializeEvent(bool &allow)
{
    if (OnInitialize)
        OnInitialize(*this, allow);
}

void TVlPlugIn::RunConfigureEvent()
{
    if (OnConfigure)
        OnConfigure(*this);
}

void TVlPlugIn::ShowConfiguration()
{
    RunConfigureEvent();
}

bool TVlPlugIn::StartPlugin(TVlPluginManager *manager, const VlHost *host, const QString &fileName)
{
    bool allow = true;
    OwnerApplication = host;
    LoadedFrom = fileName;
    OwningManager = manager;
    RunInitializeEvent(allow);
    return allow;
}
