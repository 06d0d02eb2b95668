// The database units register their classes, constants and event types under their own names, and
// the classes of engine features this system lacks answer "not implemented".
#include "DbTestSupport.h"

#include "interpreter/bindings/VlInterpreterRegistrations.h"
#include "rtl/VlNameCompare.h"

#include <algorithm>

namespace {

bool Registered(const std::vector<TVlRegistration> &all, const std::string &unit, const std::string &name)
{
    return std::any_of(all.begin(), all.end(), [&](const TVlRegistration &r) {
        return VlSameName(r.Unit, unit) && VlSameName(r.Name, name);
    });
}

} // namespace

TEST(DbBindings, EachUnitRegistersItsTellingNames)
{
    RegisterDbBindingsOnce();
    const std::vector<TVlRegistration> all = VlListRegistrations(GlobalAdapter());
    const std::pair<const char *, std::vector<const char *>> units[] = {
        {"Db", {"TDataSet", "TField", "TStringField", "TIntegerField", "TFloatField", "TBooleanField", "TDateTimeField",
                "TFieldDefs", "TIndexDefs", "TParams", "TParam", "TDataSource", "EDatabaseError", "dsBrowse", "dsInsert",
                "ftString", "ftAutoInc", "daAbort", "loCaseInsensitive", "TDataChangeEvent", "TFieldGetTextEvent",
                "TFieldSetTextEvent", "TFieldNotifyEvent", "TDataSetNotifyEvent", "TDataSetErrorEvent",
                "TFilterRecordEvent"}},
        {"DbTables", {"TSession", "TDatabase", "TTable", "TQuery", "TStoredProc", "TBatchMove", "Session"}},
        {"DbCtrls", {"TDBEdit", "TDBText", "TDBMemo", "TDBCheckBox", "TDBNavigator", "TDBLookupComboBox", "nbFirst"}},
        {"DbGrids", {"TColumn", "TDBGridColumns", "TDBGrid", "dgEditing"}},
    };
    for (const auto &[unit, names] : units) {
        EXPECT_GT(VlCountRegistrations(all, unit), static_cast<int>(names.size())) << unit;
        for (const char *name : names)
            EXPECT_TRUE(Registered(all, unit, name)) << unit << " " << name;
    }
}

TEST(DbBindings, AMissingEngineClassIsNotImplementedRatherThanUnknown)
{
    RegisterDbBindingsOnce();
    TVlInterpreterFm program;
    const std::string result = RunScript(program, "unit T;\r\nfunction main: string;\r\nvar P: TObject;\r\nbegin\r\n"
                                                  "  P := TStoredProc.Create(nil);\r\nend;\r\nend.\r\n");
    EXPECT_NE(result.find("error 2: "), std::string::npos) << result;
    EXPECT_NE(result.find("TStoredProc.Createnot implemented"), std::string::npos) << result;
    const std::string member = RunScript(program, "unit T;\r\nfunction main: string;\r\nbegin\r\n"
                                                  "  Session.AddAlias('a', 'b', nil);\r\nend;\r\nend.\r\n");
    EXPECT_NE(member.find("TSession.AddAliasnot implemented"), std::string::npos) << member;
}
