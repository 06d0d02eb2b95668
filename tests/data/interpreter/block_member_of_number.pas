var x: integer;
begin x := 1; Result := x.Foo; end;
// error: 109 Record, object or class type required
