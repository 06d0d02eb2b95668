program LibraryBooks;
{ Records with nested records: books sorted by author, then by year. }
type
  TDate = record
    Day, Month, Year: Integer;
  end;
  TAuthor = record
    First, Last: string;
  end;
  TBook = record
    Title: string;
    Author: TAuthor;
    Issued: TDate;
    Pages: Integer;
    OnLoan: Boolean
  end;
const
  Count = 6;
var
  Books: array[1..Count] of TBook;
  i, j: Integer;
  Tmp: TBook;
  TotalPages: LongInt;

procedure SetBook(var B: TBook; const Title, First, Last: string; D, M, Y, Pages: Integer; Loan: Boolean);
begin
  B.Title := Title;
  B.Author.First := First;
  B.Author.Last := Last;
  B.Issued.Day := D;
  B.Issued.Month := M;
  B.Issued.Year := Y;
  B.Pages := Pages;
  B.OnLoan := Loan;
end;

function Before(const A, B: TBook): Boolean;
begin
  if A.Author.Last <> B.Author.Last then
    Before := A.Author.Last < B.Author.Last
  else
    Before := A.Issued.Year < B.Issued.Year;
end;

function DateText(const D: TDate): string;
var
  s, t: string;
begin
  Str(D.Day, s);
  if D.Day < 10 then s := '0' + s;
  Str(D.Month, t);
  if D.Month < 10 then t := '0' + t;
  DateText := s + '.' + t + '.';
  Str(D.Year, s);
  DateText := DateText + s;
end;

begin
  SetBook(Books[1], 'War and Peace', 'Leo', 'Tolstoy', 1, 1, 1869, 1225, False);
  SetBook(Books[2], 'Anna Karenina', 'Leo', 'Tolstoy', 15, 4, 1878, 864, True);
  SetBook(Books[3], 'Dead Souls', 'Nikolai', 'Gogol', 2, 6, 1842, 352, False);
  SetBook(Books[4], 'The Idiot', 'Fyodor', 'Dostoevsky', 8, 1, 1869, 656, True);
  SetBook(Books[5], 'Crime and Punishment', 'Fyodor', 'Dostoevsky', 30, 12, 1866, 671, False);
  SetBook(Books[6], 'The Nose', 'Nikolai', 'Gogol', 25, 3, 1836, 40, False);
  for i := 2 to Count do
  begin
    Tmp := Books[i];
    j := i - 1;
    while (j >= 1) and Before(Tmp, Books[j]) do
    begin
      Books[j + 1] := Books[j];
      Dec(j);
    end;
    Books[j + 1] := Tmp;
  end;
  TotalPages := 0;
  for i := 1 to Count do
    with Books[i] do
    begin
      Write(i:2, '. ', Author.Last:-12, Title:22, DateText(Issued):12, Pages:6);
      if OnLoan then Write('  (on loan)');
      WriteLn;
      TotalPages := TotalPages + Pages;
    end;
  WriteLn('Pages in all: ', TotalPages);
  WriteLn('Average: ', TotalPages / Count:0:1);
end.
