// Member names of the database enumerations (form files, the property grid and scripts read them).
#include "VlDbTypes.h"

const TEnumInfo &FieldTypeEnumInfo()
{
    static const TEnumInfo info("TFieldType",
        {"ftUnknown", "ftString", "ftSmallint", "ftInteger", "ftWord", "ftBoolean", "ftFloat", "ftCurrency", "ftBCD",
         "ftDate", "ftTime", "ftDateTime", "ftBytes", "ftVarBytes", "ftAutoInc", "ftBlob", "ftMemo", "ftGraphic",
         "ftFmtMemo", "ftParadoxOle", "ftDBaseOle", "ftTypedBinary", "ftCursor", "ftFixedChar", "ftWideString",
         "ftLargeint", "ftADT", "ftArray", "ftReference", "ftDataSet"});
    return info;
}

const TEnumInfo &DataSetStateEnumInfo()
{
    static const TEnumInfo info("TDataSetState",
        {"dsInactive", "dsBrowse", "dsEdit", "dsInsert", "dsSetKey", "dsCalcFields", "dsFilter", "dsNewValue",
         "dsOldValue", "dsCurValue", "dsBlockRead", "dsInternalCalc"});
    return info;
}

const TEnumInfo &DataActionEnumInfo()
{
    static const TEnumInfo info("TDataAction", {"daFail", "daAbort", "daRetry"});
    return info;
}

const TEnumInfo &LocateOptionEnumInfo()
{
    static const TEnumInfo info("TLocateOption", {"loCaseInsensitive", "loPartialKey"});
    return info;
}

const TEnumInfo &DataEventEnumInfo()
{
    static const TEnumInfo info("TDataEvent",
        {"deFieldChange", "deRecordChange", "deDataSetChange", "deDataSetScroll", "deLayoutChange", "deUpdateRecord",
         "deUpdateState", "deCheckBrowseMode", "dePropertyChange", "deFieldListChange", "deFocusControl"});
    return info;
}
