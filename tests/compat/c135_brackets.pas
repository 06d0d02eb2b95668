program Brackets;
{ Checking brackets with a stack of characters kept in an array. }
const
  Tests: array[1..7] of string = ('(a+b)*[c-d]', '{[()]}', '(()', '([)]', '', 'begin{x[1]}end)', '((([[[{{{}}}]]])))');
var
  Stack: array[1..100] of Char;
  Top: Integer;

procedure Push(c: Char);
begin
  Inc(Top);
  Stack[Top] := c;
end;

function Pop: Char;
begin
  if Top = 0 then
    Pop := #0
  else
  begin
    Pop := Stack[Top];
    Dec(Top);
  end;
end;

function Matching(c: Char): Char;
begin
  case c of
    ')': Matching := '(';
    ']': Matching := '[';
    '}': Matching := '{';
  else
    Matching := '?';
  end;
end;

function Check(const s: string; var Where: Integer): Boolean;
var
  i: Integer;
begin
  Top := 0;
  for i := 1 to Length(s) do
    case s[i] of
      '(', '[', '{': Push(s[i]);
      ')', ']', '}':
        if Pop <> Matching(s[i]) then
        begin
          Where := i;
          Exit(False);
        end;
    end;
  Where := Length(s) + 1;
  Check := Top = 0;
end;

var
  i, w, Depth, MaxDepth: Integer;
  ok: Boolean;
  c: Char;
begin
  for i := Low(Tests) to High(Tests) do
  begin
    ok := Check(Tests[i], w);
    Write('"', Tests[i], '"':20 - Length(Tests[i]), ' ');
    if ok then
      WriteLn('balanced')
    else
      WriteLn('wrong at ', w);
  end;
  Depth := 0;
  MaxDepth := 0;
  for c in Tests[7] do
    if c in ['(', '[', '{'] then
    begin
      Inc(Depth);
      if Depth > MaxDepth then MaxDepth := Depth;
    end
    else
      Dec(Depth);
  WriteLn('Deepest nesting: ', MaxDepth);
end.
