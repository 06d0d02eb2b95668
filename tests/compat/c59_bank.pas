program Bank;
type
  TAccount = record
    Owner: string[20];
    Balance: real;
  end;
var
  accounts: array[1..3] of TAccount;
  i: integer;
  total: real;

procedure Deposit(var acc: TAccount; amount: real);
begin
  acc.Balance := acc.Balance + amount;
end;

function Withdraw(var acc: TAccount; amount: real): boolean;
begin
  Withdraw := acc.Balance >= amount;
  if acc.Balance >= amount then acc.Balance := acc.Balance - amount;
end;

begin
  accounts[1].Owner := 'Ivanov'; accounts[1].Balance := 100;
  accounts[2].Owner := 'Petrov'; accounts[2].Balance := 250.5;
  accounts[3].Owner := 'Sidorov'; accounts[3].Balance := 0;
  Deposit(accounts[3], 75.25);
  WriteLn(Withdraw(accounts[1], 150), ' ', Withdraw(accounts[2], 50.5));
  total := 0;
  for i := 1 to 3 do
  begin
    WriteLn(accounts[i].Owner:10, accounts[i].Balance:10:2);
    total := total + accounts[i].Balance;
  end;
  WriteLn('total':10, total:10:2);
end.
