program BankAccounts;
{ Accounts in an array of records, transfers checked by a function returning a boolean. }
type
  TKind = (Checking, Savings);
  TAccount = record
    Id: Integer;
    Owner: string[12];
    Kind: TKind;
    Balance: Currency;
  end;
var
  Accounts: array[1..4] of TAccount;
  Count: Integer = 0;

procedure Open(const Owner: string; Kind: TKind; Amount: Currency);
begin
  Inc(Count);
  Accounts[Count].Id := 1000 + Count;
  Accounts[Count].Owner := Owner;
  Accounts[Count].Kind := Kind;
  Accounts[Count].Balance := Amount;
end;

function Transfer(FromIx, ToIx: Integer; Amount: Currency): Boolean;
begin
  Transfer := False;
  if (Amount <= 0) or (Accounts[FromIx].Balance < Amount) then
    Exit;
  Accounts[FromIx].Balance := Accounts[FromIx].Balance - Amount;
  Accounts[ToIx].Balance := Accounts[ToIx].Balance + Amount;
  Transfer := True;
end;

procedure AddInterest(Rate: Real);
var
  i: Integer;
begin
  for i := 1 to Count do
    if Accounts[i].Kind = Savings then
      Accounts[i].Balance := Accounts[i].Balance * (1 + Rate / 100);
end;

procedure Report;
var
  i: Integer;
  Total: Currency;
begin
  Total := 0;
  for i := 1 to Count do
    with Accounts[i] do
    begin
      WriteLn(Id:5, ' ', Owner:-12, Kind:10, Balance:12:2);
      Total := Total + Balance;
    end;
  WriteLn('Total':29, Total:12:2);
end;

begin
  Open('Anna', Checking, 1500.50);
  Open('Boris', Savings, 20000);
  Open('Vera', Savings, 350.75);
  Open('Gleb', Checking, 0);
  Report;
  WriteLn(Transfer(1, 4, 500), ' ', Transfer(4, 3, 600), ' ', Transfer(2, 1, 1234.56), ' ', Transfer(3, 1, -5));
  AddInterest(3.5);
  Report;
end.
