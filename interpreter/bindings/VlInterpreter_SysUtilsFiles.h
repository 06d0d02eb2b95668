// The file, record and operating-system part of the SysUtils unit.
#pragma once

class TVlInterpreterAdapter;

// Registers the file routines, the record type TSearchRec and the OS and exception routines.
void VlRegisterSysUtilsFiles(TVlInterpreterAdapter &adapter);
