program MenuSimulation;
{ A menu loop driven by a fixed list of commands instead of the keyboard. }
const
  Commands: string = 'adadwxbq';
var
  Balance, Step, Amount: Integer;
  Choice: Char;
  Done: Boolean;
  Log: array[1..20] of string;
  LogCount: Integer;

procedure Note(const s: string);
begin
  Inc(LogCount);
  Log[LogCount] := s;
end;

procedure ShowMenu;
begin
  WriteLn('--- a) add 100  d) draw 30  w) draw all  b) balance  q) quit');
end;

begin
  Balance := 50;
  Step := 0;
  LogCount := 0;
  Done := False;
  repeat
    ShowMenu;
    Inc(Step);
    Choice := Commands[Step];
    Write('> ', Choice, ': ');
    case Choice of
      'a':
        begin
          Balance := Balance + 100;
          WriteLn('added, now ', Balance);
          Note('add');
        end;
      'd':
        if Balance >= 30 then
        begin
          Dec(Balance, 30);
          WriteLn('drawn, now ', Balance);
          Note('draw');
        end
        else
          WriteLn('not enough money');
      'w':
        begin
          Amount := Balance;
          Balance := 0;
          WriteLn('drawn ', Amount);
          Note('all');
        end;
      'b': WriteLn('balance ', Balance);
      'q':
        begin
          WriteLn('bye');
          Done := True;
        end;
    else
      WriteLn('unknown command "', Choice, '"');
    end;
  until Done or (Step = Length(Commands));
  Write('Log:');
  for Step := 1 to LogCount do
    Write(' ', Log[Step]);
  WriteLn;
end.
