program RecordSorts;
{ Selection sort and quicksort of records by different keys. }
type
  TCity = record
    Name: string;
    Population: LongInt;
    Area: Real;
  end;
  TCities = array[1..7] of TCity;
var
  Cities: TCities;
  i: Integer;

procedure Put(i: Integer; const n: string; p: LongInt; a: Real);
begin
  Cities[i].Name := n;
  Cities[i].Population := p;
  Cities[i].Area := a;
end;

procedure Swap(var a, b: TCity);
var
  t: TCity;
begin
  t := a;
  a := b;
  b := t;
end;

procedure SortByName(var c: TCities);
var
  i, j, m: Integer;
begin
  for i := Low(c) to High(c) - 1 do
  begin
    m := i;
    for j := i + 1 to High(c) do
      if c[j].Name < c[m].Name then m := j;
    if m <> i then Swap(c[i], c[m]);
  end;
end;

function Density(const c: TCity): Real;
begin
  Density := c.Population / c.Area;
end;

procedure QuickSort(var c: TCities; Lo, Hi: Integer);
var
  i, j: Integer;
  Pivot: Real;
begin
  i := Lo;
  j := Hi;
  Pivot := Density(c[(Lo + Hi) div 2]);
  repeat
    while Density(c[i]) > Pivot do Inc(i);
    while Density(c[j]) < Pivot do Dec(j);
    if i <= j then
    begin
      Swap(c[i], c[j]);
      Inc(i);
      Dec(j);
    end;
  until i > j;
  if Lo < j then QuickSort(c, Lo, j);
  if i < Hi then QuickSort(c, i, Hi);
end;

procedure Print(const Title: string);
var
  i: Integer;
begin
  WriteLn(Title);
  for i := 1 to 7 do
    with Cities[i] do
      WriteLn('  ', Name:-12, Population:9, Area:9:1, Density(Cities[i]):9:1);
end;

begin
  Put(1, 'Moscow', 13010112, 2561.5);
  Put(2, 'Kazan', 1308660, 425.3);
  Put(3, 'Omsk', 1125695, 566.9);
  Put(4, 'Samara', 1144759, 541.4);
  Put(5, 'Tula', 475161, 145.8);
  Put(6, 'Sochi', 466078, 176.8);
  Put(7, 'Perm', 1034002, 799.7);
  SortByName(Cities);
  Print('By name:');
  QuickSort(Cities, 1, 7);
  Print('By density:');
  i := 1;
  while (i <= 7) and (Cities[i].Population > 1000000) do
    Inc(i);
  WriteLn('First city under a million: ', Cities[i].Name);
end.
