unit Garbage;
interface
type TGarbageForm = class(TForm) end;
implementation
end.
