program QueueSimulation;
{ A ring-buffer queue of records with a count, served in turns. }
const
  Size = 5;
type
  TCustomer = record
    Id: integer;
    Items: integer;
  end;
  TQueue = record
    Data: array[0..Size - 1] of TCustomer;
    Head, Count: integer;
  end;
var
  q: TQueue;
  c: TCustomer;
  i, served: integer;

function Push(var q: TQueue; id, items: integer): boolean;
begin
  Push := q.Count < Size;
  if q.Count < Size then
  begin
    q.Data[(q.Head + q.Count) mod Size].Id := id;
    q.Data[(q.Head + q.Count) mod Size].Items := items;
    Inc(q.Count);
  end;
end;

function Pop(var q: TQueue; var c: TCustomer): boolean;
begin
  Pop := q.Count > 0;
  if q.Count > 0 then
  begin
    c := q.Data[q.Head];
    q.Head := (q.Head + 1) mod Size;
    Dec(q.Count);
  end;
end;

begin
  q.Head := 0;
  q.Count := 0;
  for i := 1 to 7 do
    if not Push(q, i, i * 2 + 1) then
      WriteLn('Customer ', i, ' turned away');
  served := 0;
  while Pop(q, c) do
  begin
    WriteLn('Serving ', c.Id, ' with ', c.Items, ' items');
    Inc(served);
    if served = 2 then
      Push(q, 10, 1);
  end;
  WriteLn('Served: ', served);
end.
