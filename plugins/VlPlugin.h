// TVlPlugIn: the host's view of a plug-in object, its fields, events and five operations.
#pragma once

#include "VeltranoPlugin.h"
#include "VlPluginCommands.h"

#include <QString>

#include <cstdint>
#include <functional>

class TVlPluginManager;

class TVlPlugIn {
public:
    TVlPlugIn() = default;
    virtual ~TVlPlugIn() = default;
    TVlPlugIn(const TVlPlugIn &) = delete;
    TVlPlugIn &operator=(const TVlPlugIn &) = delete;

    QString Name; // the component name, which the plug-ins window lists
    QString PluginID;
    QString Author;
    QString Copyright;
    QString Description;
    QString LoadedFrom; // set by StartPlugin
    TVlPluginCommands Commands;
    const VlHost *OwnerApplication = nullptr;  // set by StartPlugin
    TVlPluginManager *OwningManager = nullptr; // set by StartPlugin
    // The most loaded plug-ins with this PluginID; 0 or less means no limit.
    int32_t InstanceCount = 1;
    std::function<void(TVlPlugIn &sender, int32_t message, const QString &text)> OnPluginMessage;
    std::function<void(TVlPlugIn &sender, bool &allow)> OnInitialize; // clearing allow refuses
    std::function<void(TVlPlugIn &sender)> OnConfigure;
    QString PluginVersion;

    // The operations, in their slot order; as a rule a plug-in only sets the events.
    virtual void DeliverMessage(int32_t message, const QString &text);
    virtual void RunInitializeEvent(bool &allow);
    virtual void RunConfigureEvent();
    // Called by the host.
    virtual void ShowConfiguration();
    // Called by the host: stores the three host fields, runs RunInitializeEvent with the allow
    // flag set, and returns the flag.
    virtual bool StartPlugin(TVlPluginManager *manager, const VlHost *host, const QString &fileName);
};
