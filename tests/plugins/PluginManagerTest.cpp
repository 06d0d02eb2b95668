// The plug-in manager with small real libraries: events in order, every kind of bad library,
// the allow flags, InstanceCount, unloading, the folder and extension rules.
#include "PluginTestSupport.h"

#include "plugins/VlPluginErrors.h"
#include "rtl/VlExceptions.h"

#include <QDir>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

namespace {

class PluginManagerTest : public testing::Test {
protected:
    PluginManagerTest() { Manager->SetHostApplication(Host.Table()); }

    QString Folder() const { return Dir.path() + QStringLiteral("/Plugins"); }
    QString File(const QString &name) const { return Folder() + QLatin1Char('/') + name + QStringLiteral(".so"); }
    void Stage(const QStringList &names) { StageTestPlugins(Folder(), names); }
    void LoadFolder()
    {
        Manager->SetPluginFolder(Folder());
        Manager->LoadPluginsFromFolder();
    }
    QStringList Names() const
    {
        QStringList names;
        Manager->ListPluginNames(names);
        return names;
    }

    QTemporaryDir Dir;
    TTestHost Host; // outlives the manager: plug-ins log while they are destroyed
    std::unique_ptr<TVlPluginManager> Manager = std::make_unique<TVlPluginManager>();
    TEventRecorder Recorder;
};

TEST_F(PluginManagerTest, APluginWithTwoCommandsRaisesEveryEventInOrder)
{
    Stage({"TwoCommands"});
    Recorder.Attach(*Manager);
    LoadFolder();

    EXPECT_EQ(Recorder.Events, QStringList({"BeforeLoad TwoCommands.so", "AfterLoad TwoCommands.so",
                                            "BeforeNewCommand TwoCommands", "NewCommand Первая",
                                            "NewCommand Вторая", "AfterNewCommand TwoCommands"}));
    EXPECT_EQ(Host.Log, QStringList({"TwoCommands: initialize"}));
    ASSERT_EQ(Manager->PluginCount(), 1);
    EXPECT_EQ(Manager->Plugins(0).Kind, plgDLL);
    EXPECT_NE(Manager->Plugins(0).Handle, nullptr);

    const TVlPlugIn &plugin = *Manager->PluginAt(0);
    EXPECT_EQ(plugin.Name, "TwoCommands");
    EXPECT_EQ(plugin.PluginID, "Test.TwoCommands");
    EXPECT_EQ(plugin.Author, "Автор теста");
    EXPECT_EQ(plugin.Description, "Два тестовых действия"); // as OnInitialize left it
    EXPECT_EQ(plugin.Copyright, "(c) тест");
    EXPECT_EQ(plugin.PluginVersion, "2.5");
    EXPECT_EQ(plugin.LoadedFrom, File("TwoCommands"));
    EXPECT_EQ(plugin.OwnerApplication, Host.Table());
    EXPECT_EQ(plugin.OwningManager, Manager.get());
    EXPECT_EQ(plugin.InstanceCount, 1);

    ASSERT_EQ(plugin.Commands.Count(), 2);
    const TVlPluginCommand &first = plugin.Commands.Items(0);
    EXPECT_EQ(first.Name, "Command1"); // announced without names
    EXPECT_EQ(plugin.Commands.Items(1).Name, "Command2");
    EXPECT_EQ(first.Hint, "Подсказка первой");
    EXPECT_EQ(first.Data, "data1");
    EXPECT_EQ(first.ShortCut, VL_SC_CTRL | VL_SC_SHIFT | '1');
    ASSERT_EQ(Recorder.Bitmaps.size(), 2u);
    EXPECT_EQ(Recorder.Bitmaps[0].size(), QSize(16, 16));
    EXPECT_EQ(Recorder.Bitmaps[0].pixel(15, 15), 0xFF112233u);
    EXPECT_EQ(Recorder.Bitmaps[1].size(), QSize(32, 16));
    EXPECT_EQ(Recorder.Bitmaps[1].pixel(20, 3), 0xFF0000FFu);
    EXPECT_EQ(Recorder.ShortCuts[1], VL_SC_ALT | VL_KEY_F(5));

    Recorder.Handlers[1](QStringLiteral("Button"));
    EXPECT_EQ(Host.Log.last(), "TwoCommands: execute Вторая");
}

TEST_F(PluginManagerTest, EveryBadLibraryIsSkippedWithItsErrorAndTheScanGoesOn)
{
    Stage({"BadDescription", "NoEntry", "NullEntry", "OtherVersion", "Refuses", "TwoCommands"});
    WriteBrokenPlugin(File("Broken"));
    Recorder.Attach(*Manager);
    LoadFolder();

    const QStringList expected = {
        "BeforeLoad BadDescription.so", "AfterLoad BadDescription.so",
        "Error EVlLoadPluginError: Плагин описан неверно (число команд -1): " + File("BadDescription"),
        "BeforeLoad Broken.so", "Error EVlLoadPluginError: Plugin package not found: " + File("Broken"),
        "BeforeLoad NoEntry.so", "AfterLoad NoEntry.so",
        "Error EVlLoadPluginError: Plugin function RegisterPlugin not found in " + File("NoEntry"),
        "BeforeLoad NullEntry.so", "AfterLoad NullEntry.so",
        "Error EVlCantRegisterPlugInError: Calling RegisterPlugin in " + File("NullEntry") + " failed",
        "BeforeLoad OtherVersion.so", "AfterLoad OtherVersion.so",
        "Error EVlLoadPluginError: Плагин собран для версии контракта 2, а программа знает версию 1: "
            + File("OtherVersion"),
        "BeforeLoad Refuses.so", "AfterLoad Refuses.so", "Skipped Refuses.so refused",
        "BeforeLoad TwoCommands.so", "AfterLoad TwoCommands.so", "BeforeNewCommand TwoCommands",
        "NewCommand Первая", "NewCommand Вторая", "AfterNewCommand TwoCommands"};
    EXPECT_EQ(Recorder.Events, expected);
    EXPECT_EQ(Names(), QStringList({"TwoCommands"}));
    // A refused plug-in is freed at once, and no library of a skipped file stays loaded.
    EXPECT_TRUE(Host.Log.contains("Refuses: refuse"));
    EXPECT_TRUE(Host.Log.contains("Refuses: destroy"));
    for (const QString name : {"BadDescription", "NoEntry", "NullEntry", "OtherVersion", "Refuses"})
        EXPECT_FALSE(IsLibraryLoaded(File(name))) << name.toStdString();
    EXPECT_TRUE(IsLibraryLoaded(File("TwoCommands")));
}

TEST_F(PluginManagerTest, WithoutAnErrorHandlerLoadingOneFileRaisesButTheFolderScanDoesNot)
{
    Stage({"NoEntry", "NullEntry", "TwoCommands"});
    WriteBrokenPlugin(File("Broken"));
    Recorder.Attach(*Manager, false);

    EXPECT_THROW(Manager->LoadPluginFile(File("NoEntry"), plgDLL), EVlLoadPluginError);
    EXPECT_THROW(Manager->LoadPluginFile(File("NullEntry"), plgDLL), EVlCantRegisterPlugInError);
    try {
        Manager->LoadPluginFile(File("Broken"), plgDLL);
        FAIL() << "no error for a file that is no library";
    } catch (const EVlLoadPluginError &e) {
        EXPECT_EQ(e.Message(), "Plugin package not found: " + File("Broken"));
        EXPECT_FALSE(e.Detail().isEmpty()); // the loader's own reason, without the path again
        EXPECT_FALSE(e.Detail().contains(QStringLiteral("Broken.so"))) << e.Detail().toStdString();
    }
    EXPECT_EQ(Manager->PluginCount(), 0);

    EXPECT_NO_THROW(LoadFolder());
    EXPECT_EQ(Names(), QStringList({"TwoCommands"}));
}

TEST_F(PluginManagerTest, ClearingTheAllowFlagsSkipsTheFileOrReleasesTheLibrary)
{
    Stage({"TwoCommands"});
    Recorder.Attach(*Manager);
    Manager->OnBeforeLoad = [](TVlPluginManager &, const QString &, bool &allow) { allow = false; };
    LoadFolder();
    EXPECT_EQ(Manager->PluginCount(), 0);
    EXPECT_EQ(Recorder.Events, QStringList()); // not even the after-load event
    EXPECT_FALSE(IsLibraryLoaded(File("TwoCommands")));

    Manager->OnBeforeLoad = nullptr;
    Manager->OnAfterLoad = [this](TVlPluginManager &, const QString &, TVlLibraryHandle handle, bool &allow) {
        EXPECT_NE(handle, nullptr);
        EXPECT_TRUE(IsLibraryLoaded(File("TwoCommands")));
        allow = false;
    };
    LoadFolder();
    EXPECT_EQ(Manager->PluginCount(), 0);
    EXPECT_EQ(Host.Log, QStringList()); // its entry point was never called
    EXPECT_FALSE(IsLibraryLoaded(File("TwoCommands")));
}

TEST_F(PluginManagerTest, InstanceCountDropsTheSecondPluginWithTheSameIdSilently)
{
    Stage({"SameId=First", "SameId=Second", "Unlimited=U1", "Unlimited=U2"});
    Recorder.Attach(*Manager);
    LoadFolder();

    EXPECT_EQ(Names(), QStringList({"SameId", "Unlimited", "Unlimited"}));
    EXPECT_EQ(Manager->PluginAt(0)->LoadedFrom, File("First"));
    EXPECT_TRUE(Recorder.Events.contains("Skipped Second.so limit"));
    for (const QString &event : Recorder.Events)
        EXPECT_FALSE(event.startsWith("Error")) << event.toStdString();
    // The extra object is freed, and its library with it.
    EXPECT_FALSE(IsLibraryLoaded(File("Second")));
    EXPECT_TRUE(IsLibraryLoaded(File("First")));
}

TEST_F(PluginManagerTest, UnloadingFreesTheObjectAndItsLibraryAndQuietsItsHandlers)
{
    Stage({"NoCommands", "TwoCommands"});
    Recorder.Attach(*Manager);
    LoadFolder();
    ASSERT_EQ(Names(), QStringList({"NoCommands", "TwoCommands"}));
    const TVlExecuteEvent first = Recorder.Handlers.at(0);

    Manager->UnloadPluginAt(1);
    EXPECT_EQ(Host.Log.last(), "TwoCommands: destroy");
    EXPECT_FALSE(IsLibraryLoaded(File("TwoCommands")));
    EXPECT_EQ(Names(), QStringList({"NoCommands"}));
    const int lines = Host.Log.size();
    first(QStringLiteral("Item")); // its code is gone: the handler does nothing
    EXPECT_EQ(Host.Log.size(), lines);

    EXPECT_THROW(Manager->UnloadPluginAt(1), EListError);
    EXPECT_THROW(Manager->PluginAt(-1), EListError);

    Manager.reset();
    EXPECT_EQ(Host.Log.last(), "NoCommands: destroy");
    EXPECT_FALSE(IsLibraryLoaded(File("NoCommands")));
}

TEST_F(PluginManagerTest, APluginWithoutCommandsRaisesOnlyTheBracketEvents)
{
    Stage({"NoCommands"});
    Recorder.Attach(*Manager);
    LoadFolder();
    EXPECT_EQ(Recorder.Events, QStringList({"BeforeLoad NoCommands.so", "AfterLoad NoCommands.so",
                                            "BeforeNewCommand NoCommands", "AfterNewCommand NoCommands"}));
}

TEST_F(PluginManagerTest, AMissingOrEmptyFolderLoadsNothingAndSaysNothing)
{
    Recorder.Attach(*Manager, false);
    EXPECT_NO_THROW(LoadFolder());
    QDir().mkpath(Folder());
    EXPECT_NO_THROW(LoadFolder());
    EXPECT_EQ(Recorder.Events, QStringList());
    EXPECT_EQ(Manager->PluginCount(), 0);
}

TEST_F(PluginManagerTest, ARelativeFolderIsTakenFromTheCurrentDirectoryAndAnEmptyOneIsTheProgramsOwn)
{
    Stage({"NoCommands"});
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(Dir.path()));
    Manager->SetPluginFolder(QStringLiteral("Plugins"));
    Manager->LoadPluginsFromFolder();
    QDir::setCurrent(previous);
    EXPECT_EQ(Names(), QStringList({"NoCommands"}));
    EXPECT_EQ(Manager->PluginAt(0)->LoadedFrom, QStringLiteral("Plugins/NoCommands.so"));

    // The test program's folder holds ExeFolderProbe.vlprobe.
    Manager->SetPluginFolder(QString());
    Manager->SetExtension(QStringLiteral("vlprobe"));
    Manager->LoadPluginsFromFolder();
    EXPECT_EQ(Names(), QStringList({"NoCommands", "ExeFolderProbe"}));
}

TEST_F(PluginManagerTest, ExtensionFollowsTheKindOnlyWhileItIsTheKindsDefault)
{
    EXPECT_EQ(Manager->PluginKind(), plgDLL);
    EXPECT_EQ(Manager->Extension(), "so");
    EXPECT_EQ(Manager->PluginFolder(), "Plugins");
    Manager->SetPluginKind(plgPackage);
    EXPECT_EQ(Manager->Extension(), "bpl");
    Manager->SetPluginKind(plgCustom);
    EXPECT_EQ(Manager->Extension(), "xxx");
    Manager->SetExtension(QStringLiteral("abc"));
    Manager->SetPluginKind(plgDLL);
    EXPECT_EQ(Manager->Extension(), "abc");

    try {
        Manager->SetExtension(QString());
        FAIL() << "an empty extension was taken";
    } catch (const EVlPlugInError &e) {
        EXPECT_EQ(e.Message(), "Extension may not be empty");
    }
    EXPECT_EQ(Manager->Extension(), "abc");
    Recorder.Attach(*Manager);
    EXPECT_NO_THROW(Manager->SetExtension(QString()));
    EXPECT_EQ(Recorder.Events, QStringList({"Error EVlPlugInError: Extension may not be empty"}));
    EXPECT_EQ(Manager->Extension(), "abc");
}

TEST_F(PluginManagerTest, PackagesSayTheyHaveNoEquivalentAndCustomKindLoadsNoLibrary)
{
    Stage({"TwoCommands"});
    Recorder.Attach(*Manager);
    Manager->LoadPluginFile(File("TwoCommands"), plgPackage);
    Manager->LoadPluginFile(File("TwoCommands"), plgCustom);
    EXPECT_EQ(Recorder.Events,
              QStringList({"BeforeLoad TwoCommands.so",
                           "Error EVlLoadPluginError: Пакеты (plgPackage) в этой системе не поддерживаются: "
                               + File("TwoCommands"),
                           "BeforeLoad TwoCommands.so",
                           "Error EVlLoadPluginError: Plugin package not found: " + File("TwoCommands")}));
    EXPECT_EQ(Manager->PluginCount(), 0);
    EXPECT_FALSE(IsLibraryLoaded(File("TwoCommands")));
}

TEST_F(PluginManagerTest, APluginMadeInTheHostIsAcceptedWithoutALibrary)
{
    Recorder.Attach(*Manager);
    auto plugin = std::make_unique<TVlPlugIn>();
    plugin->Name = QStringLiteral("Custom");
    plugin->Commands.Add().Caption = QStringLiteral("Одна");
    int runs = 0;
    plugin->Commands.Items(0).OnExecute = [&runs](const QString &) { ++runs; };

    ASSERT_TRUE(Manager->AcceptPlugin(plugin, QString()));
    EXPECT_EQ(plugin, nullptr); // the manager has it now
    EXPECT_EQ(Manager->Plugins(0).Kind, plgCustom);
    EXPECT_EQ(Manager->Plugins(0).Handle, nullptr);
    EXPECT_EQ(Manager->PluginAt(0)->LoadedFrom, "CustomPlugin");
    EXPECT_EQ(Manager->PluginAt(0)->OwnerApplication, Host.Table());
    EXPECT_EQ(Recorder.Events, QStringList({"BeforeNewCommand Custom", "NewCommand Одна", "AfterNewCommand Custom"}));
    Recorder.Handlers.at(0)(QString());
    EXPECT_EQ(runs, 1);

    auto refusing = std::make_unique<TVlPlugIn>();
    refusing->OnInitialize = [](TVlPlugIn &, bool &allow) { allow = false; };
    EXPECT_FALSE(Manager->AcceptPlugin(refusing, QStringLiteral("own.so")));
    EXPECT_NE(refusing, nullptr); // still the caller's
    EXPECT_EQ(Recorder.Events.last(), "Skipped own.so refused");
    EXPECT_EQ(Manager->PluginCount(), 1);
}

TEST_F(PluginManagerTest, FailuresWhileStartingOrAnnouncingGoToTheErrorHandlerOrAreRaised)
{
    auto failing = std::make_unique<TVlPlugIn>();
    failing->OnInitialize = [](TVlPlugIn &, bool &) { throw std::runtime_error("no start"); };
    EXPECT_THROW(Manager->AcceptPlugin(failing, QString()), std::runtime_error);
    Recorder.Attach(*Manager);
    EXPECT_FALSE(Manager->AcceptPlugin(failing, QString()));
    EXPECT_EQ(Recorder.Events, QStringList({"Error other: no start"}));
    EXPECT_EQ(Manager->PluginCount(), 0);

    // A failing announcement keeps the record; the bracket closes all the same.
    Recorder.Events.clear();
    Manager->OnNewCommand = [](TVlPluginManager &, const QString &, const QString &, const QString &, uint16_t,
                               const QImage &, const TVlExecuteEvent &) { throw std::runtime_error("no menu"); };
    auto announcing = std::make_unique<TVlPlugIn>();
    announcing->Name = QStringLiteral("Announcing");
    announcing->Commands.Add();
    EXPECT_TRUE(Manager->AcceptPlugin(announcing, QString()));
    EXPECT_EQ(Recorder.Events,
              QStringList({"BeforeNewCommand Announcing", "AfterNewCommand Announcing", "Error other: no menu"}));
    EXPECT_EQ(Manager->PluginCount(), 1);
}

TEST_F(PluginManagerTest, ALibraryWhoseAnnouncementFailsLeavesNothingBehindWhenTheErrorIsRaised)
{
    Stage({"TwoCommands"});
    Manager->OnNewCommand = [](TVlPluginManager &, const QString &, const QString &, const QString &, uint16_t,
                               const QImage &, const TVlExecuteEvent &) { throw std::runtime_error("no menu"); };
    EXPECT_THROW(Manager->LoadPluginFile(File("TwoCommands"), plgDLL), std::runtime_error);
    EXPECT_EQ(Manager->PluginCount(), 0);
    EXPECT_EQ(Host.Log.last(), "TwoCommands: destroy");
    EXPECT_FALSE(IsLibraryLoaded(File("TwoCommands")));
}

TEST_F(PluginManagerTest, TheHostCallsTheObjectsOperationsAndEventsThroughTheContract)
{
    Stage({"OwnOperations", "TwoCommands"});
    LoadFolder();
    ASSERT_EQ(Names(), QStringList({"OwnOperations", "TwoCommands"}));
    // Its own StartPlugin ran with the host fields filled in; the standard one raised OnInitialize.
    EXPECT_EQ(Host.Log, QStringList({"OwnOperations: own start manager file", "TwoCommands: initialize"}));
    Manager->PluginAt(0)->ShowConfiguration();
    EXPECT_EQ(Host.Log.last(), "OwnOperations: own configuration");
    Manager->PluginAt(1)->ShowConfiguration();
    EXPECT_EQ(Host.Log.last(), "TwoCommands: configure");
    Manager->PluginAt(1)->DeliverMessage(7, QStringLiteral("привет"));
    EXPECT_EQ(Host.Log.last(), "TwoCommands: message 7 привет");
}

} // namespace
