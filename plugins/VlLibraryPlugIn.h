// TVlLibraryPlugIn: a plug-in object made by a library through the C contract (VeltranoPlugin.h).
#pragma once

#include "VlPlugin.h"

#include <QByteArray>

#include <memory>

class TVlLibraryPlugIn : public TVlPlugIn {
public:
    // Takes the object RegisterPlugin returned in `fileName`. Raises EVlLoadPluginError when the
    // object was built for another contract version (it is then left untouched: nothing of it can
    // be trusted) or describes itself wrongly (it is then destroyed).
    static std::unique_ptr<TVlLibraryPlugIn> Adopt(VlPlugin *object, const QString &fileName);
    // Destroys the object through its own Destroy.
    ~TVlLibraryPlugIn() override;

    void DeliverMessage(int32_t message, const QString &text) override;
    void RunInitializeEvent(bool &allow) override;
    void RunConfigureEvent() override;
    void ShowConfiguration() override;
    // Fills the object's host fields first; after a successful start reads the object again.
    bool StartPlugin(TVlPluginManager *manager, const VlHost *host, const QString &fileName) override;

private:
    TVlLibraryPlugIn(VlPlugin *object, const QString &fileName);
    // Copies the fields and the commands out of the object.
    void ReadDescription();
    void ReadCommand(int index);

    VlPlugin *FObject;
    QString FFileName;
    QByteArray FLoadedFrom; // what the object's LoadedFrom points at
};
