begin raise; end;
// error: 4 Re-raising an exception only allowed in exception handler
