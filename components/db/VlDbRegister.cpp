// Registration of the database classes by name.
#include "VlDbRegister.h"

#include "VlDbBatchMove.h"
#include "VlDbCtrls.h"
#include "VlDbGrids.h"
#include "VlDbTables.h"

#include "rtl/VlClassRegistry.h"

void RegisterDbComponents()
{
    static const bool done = [] {
        RegisterClasses({&TTable::StaticClassInfo(), &TQuery::StaticClassInfo(), &TDatabase::StaticClassInfo(),
                         &TDataSource::StaticClassInfo(), &TDBEdit::StaticClassInfo(), &TDBText::StaticClassInfo(),
                         &TDBMemo::StaticClassInfo(), &TDBCheckBox::StaticClassInfo(),
                         &TDBNavigator::StaticClassInfo(), &TDBLookupComboBox::StaticClassInfo(),
                         &TDBGrid::StaticClassInfo(), &TColumn::StaticClassInfo(), &TBatchMove::StaticClassInfo()});
        return true;
    }();
    (void)done;
}
