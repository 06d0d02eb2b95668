begin
  case 'a' of 1: ; end;
end;
// error: 108 Type of expression must be integer
