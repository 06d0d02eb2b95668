// The pieces under the manager: command naming, shortcuts, and the host's entry points.
#include "PluginTestSupport.h"

#include "plugins/VlPluginCommands.h"
#include "plugins/VlPluginShortCut.h"
#include "rtl/VlExceptions.h"

#include <gtest/gtest.h>

namespace {

TEST(PluginCommands, UnnamedCommandsTakeTheSmallestFreeNumber)
{
    TVlPluginCommands commands;
    EXPECT_EQ(commands.Add().Name, "Command1");
    EXPECT_EQ(commands.Add().Name, "Command2");
    commands.Items(0).Name = QStringLiteral("Renamed");
    EXPECT_EQ(commands.Add().Name, "Command1");
    // Names are compared without regard to case.
    commands.Add(QStringLiteral("COMMAND3"));
    EXPECT_EQ(commands.Add().Name, "Command4");
    EXPECT_EQ(commands.Count(), 5);
    EXPECT_THROW(commands.Items(5), EListError);

    commands.Items(1).Name.clear();
    EXPECT_EQ(commands.Items(1).DisplayName(), "TVlPluginCommand");
    EXPECT_EQ(commands.Items(0).DisplayName(), "Renamed");
}

TEST(PluginShortCuts, KeyCodesAndModifierBitsBecomeQtKeys)
{
    struct Row {
        uint16_t ShortCut;
        const char *Expected;
    };
    const Row rows[] = {
        {VL_SC_CTRL | VL_SC_SHIFT | 'D', "Ctrl+Shift+D"},
        {VL_SC_ALT | VL_KEY_F(5), "Alt+F5"},
        {VL_KEY_F(12), "F12"},
        {VL_SC_CTRL | VL_KEY_INSERT, "Ctrl+Ins"},
        {VL_SC_SHIFT | '7', "Shift+7"},
        {0, ""},
        {VL_SC_CTRL | 0xC0, ""}, // a code the contract does not name
    };
    for (const Row &row : rows)
        EXPECT_EQ(PluginShortCutToKeySequence(row.ShortCut).toString(), row.Expected) << row.ShortCut;
}

TEST(PluginHost, TextIsCopiedOutWholeOrCutBeforeACharacter)
{
    char buffer[8];
    EXPECT_EQ(CopyPluginText(QStringLiteral("дом"), nullptr, 0), 6); // the room a caller needs
    EXPECT_EQ(CopyPluginText(QStringLiteral("дом"), buffer, sizeof buffer), 6);
    EXPECT_STREQ(buffer, "дом");
    EXPECT_EQ(CopyPluginText(QStringLiteral("дом"), buffer, 4), 6);
    EXPECT_STREQ(buffer, "д"); // never half a letter
    EXPECT_EQ(CopyPluginText(QStringLiteral("abc"), buffer, 1), 3);
    EXPECT_STREQ(buffer, "");
}

TEST(PluginHost, EntryPointsCallTheHandlersAndEmptyHandlersDoNothing)
{
    TTestHost host;
    const VlHost *table = host.Table();
    EXPECT_EQ(table->ContractVersion, static_cast<uint32_t>(VL_PLUGIN_CONTRACT_VERSION));
    EXPECT_STREQ(table->Version(table), "1.0.0");
    EXPECT_EQ(table->SetText(table, "begin\r\nend."), 1);
    EXPECT_EQ(host.Text, "begin\r\nend.");
    EXPECT_EQ(table->InsertText(table, "!"), 1);
    char buffer[32];
    EXPECT_EQ(table->GetText(table, buffer, sizeof buffer), 12);
    EXPECT_STREQ(buffer, "begin\r\nend.!");
    host.Selection = QStringLiteral("выбор");
    EXPECT_EQ(table->GetSelText(table, buffer, sizeof buffer), 10);
    EXPECT_STREQ(buffer, "выбор");
    host.ReadOnly = true;
    EXPECT_EQ(table->InsertText(table, "?"), 0);
    table->AddLog(table, "строка");
    table->ShowMessage(table, "сообщение");
    EXPECT_EQ(host.Log, QStringList({"строка"}));
    EXPECT_EQ(host.Messages, QStringList({"сообщение"}));

    TVlPluginHost bare;
    const VlHost *empty = bare.Table();
    EXPECT_STREQ(empty->Version(empty), "");
    EXPECT_EQ(empty->GetText(empty, buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(empty->SetText(empty, "x"), 0);
    empty->AddLog(empty, "nobody listens");
}

TEST(PluginHost, AFailingHandlerNeverThrowsIntoThePlugin)
{
    TVlPluginHostHandlers handlers;
    handlers.GetText = []() -> QString { throw std::runtime_error("editor gone"); };
    handlers.InsertText = [](const QString &) -> bool { throw std::runtime_error("editor gone"); };
    TVlPluginHost host(handlers);
    const VlHost *table = host.Table();
    char buffer[4] = "xyz";
    EXPECT_EQ(table->GetText(table, buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(table->InsertText(table, "a"), 0);
}

} // namespace
