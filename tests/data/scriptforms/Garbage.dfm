Zzz this is no form file
