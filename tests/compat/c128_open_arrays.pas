program OpenArrays;
{ Open array parameters: statistics, reversing in place, and array constructors. }
var
  Marks: array[1..8] of Integer = (5, 3, 4, 5, 2, 4, 4, 5);
  Temps: array[0..6] of Real = (-3.5, -1.0, 0.5, 2.25, 1.0, -0.5, 3.0);
  Dyn: array of Integer;
  i: Integer;

function Sum(const a: array of Integer): Integer;
var
  i: Integer;
begin
  Result := 0;
  for i := Low(a) to High(a) do
    Result := Result + a[i];
end;

function Average(const a: array of Real): Real;
var
  i: Integer;
  s: Real;
begin
  s := 0;
  for i := 0 to High(a) do
    s := s + a[i];
  Average := s / Length(a);
end;

function IndexOfMax(const a: array of Integer): Integer;
var
  i: Integer;
begin
  IndexOfMax := 0;
  for i := 1 to High(a) do
    if a[i] > a[IndexOfMax] then
      IndexOfMax := i;
end;

procedure Reverse(var a: array of Integer);
var
  i, t: Integer;
begin
  for i := 0 to High(a) div 2 do
    if i < High(a) - i then
    begin
      t := a[i];
      a[i] := a[High(a) - i];
      a[High(a) - i] := t;
    end;
end;

procedure Show(const Caption: string; const a: array of Integer);
var
  x: Integer;
begin
  Write(Caption, ' (', Length(a), '):');
  for x in a do
    Write(' ', x);
  WriteLn;
end;

begin
  Show('Marks', Marks);
  WriteLn('Sum ', Sum(Marks), ', best at ', IndexOfMax(Marks), ', high ', High(Marks));
  Reverse(Marks);
  Show('Reversed', Marks);
  WriteLn('Average temperature: ', Average(Temps):0:3);
  Show('Literal', [10, 20, 30]);
  WriteLn('Sum of literal: ', Sum([1, 2, 3, 4, 5]), ', of nothing: ', Sum([]));
  SetLength(Dyn, 5);
  for i := 0 to High(Dyn) do
    Dyn[i] := i * i;
  Reverse(Dyn);
  Show('Dynamic', Dyn);
  WriteLn('Max index: ', IndexOfMax(Dyn), ' ', IndexOfMax([3, 9, 2, 9]));
  WriteLn('Average of three: ', Average([1.0, 2.0, 4.0]):0:4);
end.
