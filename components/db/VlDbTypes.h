// The enumerations the data sets, fields and data-aware controls share.
#pragma once

#include "rtl/VlTypInfo.h"

#include <cstdint>

enum TFieldType {
    ftUnknown, ftString, ftSmallint, ftInteger, ftWord, ftBoolean, ftFloat, ftCurrency, ftBCD, ftDate, ftTime,
    ftDateTime, ftBytes, ftVarBytes, ftAutoInc, ftBlob, ftMemo, ftGraphic, ftFmtMemo, ftParadoxOle, ftDBaseOle,
    ftTypedBinary, ftCursor, ftFixedChar, ftWideString, ftLargeint, ftADT, ftArray, ftReference, ftDataSet
};
const TEnumInfo &FieldTypeEnumInfo();

enum TDataSetState {
    dsInactive, dsBrowse, dsEdit, dsInsert, dsSetKey, dsCalcFields, dsFilter, dsNewValue, dsOldValue, dsCurValue,
    dsBlockRead, dsInternalCalc
};
const TEnumInfo &DataSetStateEnumInfo();

// What an error handler of a data set asks for: raise the error, abort quietly, or try again.
enum TDataAction { daFail, daAbort, daRetry };
const TEnumInfo &DataActionEnumInfo();

// Bits of TLocateOptions.
enum TLocateOption { loCaseInsensitive, loPartialKey };
using TLocateOptions = uint32_t;
const TEnumInfo &LocateOptionEnumInfo();

// What a data set tells its data sources.
enum TDataEvent {
    deFieldChange, deRecordChange, deDataSetChange, deDataSetScroll, deLayoutChange, deUpdateRecord, deUpdateState,
    deCheckBrowseMode, dePropertyChange, deFieldListChange, deFocusControl
};
const TEnumInfo &DataEventEnumInfo();
