program QueueRecords;
type
  TQueue = record
    Items: array[1..10] of integer;
    Head, Tail: integer;
  end;
var
  q: TQueue;

procedure Init(var queue: TQueue);
begin
  queue.Head := 1;
  queue.Tail := 0;
end;

procedure Enqueue(var queue: TQueue; x: integer);
begin
  queue.Tail := queue.Tail + 1;
  queue.Items[queue.Tail] := x;
end;

function Dequeue(var queue: TQueue): integer;
begin
  Dequeue := queue.Items[queue.Head];
  queue.Head := queue.Head + 1;
end;

begin
  Init(q);
  Enqueue(q, 10);
  Enqueue(q, 20);
  Enqueue(q, 30);
  WriteLn(Dequeue(q), ' ', Dequeue(q));
  Enqueue(q, 40);
  WriteLn(Dequeue(q), ' ', Dequeue(q));
end.
