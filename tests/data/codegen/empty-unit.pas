unit Unit1;

interface

implementation

end.