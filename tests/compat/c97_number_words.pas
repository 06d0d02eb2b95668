program NumberWords;
{ Numbers spelled out with constant tables and case on ranges. }
const
  Ones: array[0..19] of string = ('zero', 'one', 'two', 'three', 'four', 'five', 'six', 'seven',
    'eight', 'nine', 'ten', 'eleven', 'twelve', 'thirteen', 'fourteen', 'fifteen', 'sixteen',
    'seventeen', 'eighteen', 'nineteen');
  Tens: array[2..9] of string = ('twenty', 'thirty', 'forty', 'fifty', 'sixty', 'seventy', 'eighty', 'ninety');

function Words(n: integer): string;
begin
  case n of
    0..19: Words := Ones[n];
    20..99:
      if n mod 10 = 0 then
        Words := Tens[n div 10]
      else
        Words := Tens[n div 10] + '-' + Ones[n mod 10];
    100..999:
      if n mod 100 = 0 then
        Words := Ones[n div 100] + ' hundred'
      else
        Words := Ones[n div 100] + ' hundred and ' + Words(n mod 100);
  else
    Words := 'many';
  end;
end;

const
  Samples: array[1..8] of integer = (0, 7, 13, 40, 58, 100, 342, 1000);
var
  i: integer;
begin
  for i := 1 to 8 do
    WriteLn(Samples[i]:5, ' ', Words(Samples[i]));
end.
