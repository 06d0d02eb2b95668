program TypedTables;
{ Typed constant tables: 2-D arrays, records and arrays of records as lookup tables. }
type
  TPlanet = record
    Name: string[8];
    Distance: Real;    { astronomical units }
    Moons: Integer;
    Rocky: Boolean;
  end;
const
  Planets: array[1..8] of TPlanet = (
    (Name: 'Mercury'; Distance: 0.39; Moons: 0; Rocky: True),
    (Name: 'Venus'; Distance: 0.72; Moons: 0; Rocky: True),
    (Name: 'Earth'; Distance: 1.0; Moons: 1; Rocky: True),
    (Name: 'Mars'; Distance: 1.52; Moons: 2; Rocky: True),
    (Name: 'Jupiter'; Distance: 5.2; Moons: 95; Rocky: False),
    (Name: 'Saturn'; Distance: 9.54; Moons: 146; Rocky: False),
    (Name: 'Uranus'; Distance: 19.2; Moons: 28; Rocky: False),
    (Name: 'Neptune'; Distance: 30.06; Moons: 16; Rocky: False));
  Multiply: array[1..4, 1..4] of Integer = ((1, 2, 3, 4), (2, 4, 6, 8), (3, 6, 9, 12), (4, 8, 12, 16));
  RomanDigits: array[0..9] of string = ('', 'I', 'II', 'III', 'IV', 'V', 'VI', 'VII', 'VIII', 'IX');
  Origin: record X, Y: Integer; end = (X: 10; Y: -5);
  LightMinutes = 8.317;
var
  i, j, TotalMoons: Integer;
begin
  TotalMoons := 0;
  WriteLn('Planet':8, 'AU':7, 'Light':9, 'Moons':7, ' Kind');
  for i := Low(Planets) to High(Planets) do
    with Planets[i] do
    begin
      Write(Name:8, Distance:7:2, Distance * LightMinutes:9:1, Moons:7);
      if Rocky then WriteLn(' rocky') else WriteLn(' giant');
      TotalMoons := TotalMoons + Moons;
    end;
  WriteLn('Moons in all: ', TotalMoons);
  for i := 1 to 4 do
  begin
    for j := 1 to 4 do
      Write(Multiply[i, j]:4);
    WriteLn(' | ', RomanDigits[Multiply[i][i] mod 10]);
  end;
  WriteLn('Origin: (', Origin.X, ', ', Origin.Y, ')');
  WriteLn(Length(Planets[3].Name), ' ', Planets[5].Name[1], ' ', High(RomanDigits));
end.
