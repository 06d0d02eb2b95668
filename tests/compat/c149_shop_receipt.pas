program ShopReceipt;
{ A receipt: a typed constant price list, quantities, discounts by case, totals with tax. }
type
  TItem = record
    Name: string[14];
    Price: Real;
    Kind: Char;   { F food, D drink, H household }
  end;
const
  Catalogue: array[1..6] of TItem = (
    (Name: 'Bread'; Price: 0.89; Kind: 'F'),
    (Name: 'Milk 1l'; Price: 1.15; Kind: 'D'),
    (Name: 'Cheese'; Price: 4.75; Kind: 'F'),
    (Name: 'Orange juice'; Price: 2.49; Kind: 'D'),
    (Name: 'Soap'; Price: 1.99; Kind: 'H'),
    (Name: 'Towels'; Price: 6.5; Kind: 'H'));
  Quantities: array[1..6] of Integer = (2, 3, 1, 0, 4, 1);
  TaxRate = 0.2;
var
  i: Integer;
  Line, Sub, Discount, Tax: Real;
  Counts: array['D'..'H'] of Integer;
  k: Char;

function DiscountFor(Kind: Char; Qty: Integer): Real;
begin
  case Kind of
    'F': if Qty >= 2 then DiscountFor := 0.1 else DiscountFor := 0;
    'D': DiscountFor := 0.05 * (Qty div 3);
  else
    DiscountFor := 0;
  end;
end;

begin
  for k := 'D' to 'H' do Counts[k] := 0;
  Sub := 0;
  Discount := 0;
  WriteLn('Item':-14, 'Qty':5, 'Price':8, 'Sum':9);
  WriteLn(StringOfChar('-', 36));
  for i := Low(Catalogue) to High(Catalogue) do
    with Catalogue[i] do
      if Quantities[i] > 0 then
      begin
        Line := Price * Quantities[i];
        WriteLn(Name:-14, Quantities[i]:5, Price:8:2, Line:9:2);
        Sub := Sub + Line;
        Discount := Discount + Line * DiscountFor(Kind, Quantities[i]);
        Inc(Counts[Kind], Quantities[i]);
      end;
  WriteLn(StringOfChar('-', 36));
  Tax := (Sub - Discount) * TaxRate;
  WriteLn('Subtotal':-27, Sub:9:2);
  WriteLn('Discount':-27, -Discount:9:2);
  WriteLn('Tax 20%':-27, Tax:9:2);
  WriteLn('Total':-27, Sub - Discount + Tax:9:2);
  WriteLn('Food ', Counts['F'], ', drinks ', Counts['D'], ', household ', Counts['H'], ', other ', Counts['E'] + Counts['G']);
end.
