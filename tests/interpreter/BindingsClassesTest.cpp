// Classes from scripts: string lists, collections, streams and component ownership.
#include "BindingsTestSupport.h"

#include "rtl/VlStringList.h"

#include <filesystem>
#include <unistd.h>

TEST(BindingsClassesStrings, NamesValuesObjectsAndFind)
{
    RunCases({
        {"Values and Names",
         Main("string", "L: TStringList;", "L := TStringList.Create; L.Add('a=1'); L.Values['b'] := '2'; Result := L.Values['a'] + L.Names[1] + L.Values['b'] + IntToStr(L.IndexOfName('b')); L.Free;"),
         "1b21"},
        {"Objects", Main("string", "L: TStringList; M: TList;", "L := TStringList.Create; M := TList.Create; L.AddObject('x', M); Result := L.Objects[0].ClassName; L.Free; M.Free;"),
         "TList"},
        {"Find writes its index",
         Main("integer", "L: TStringList; i: integer;", "L := TStringList.Create; L.Sorted := True; L.Add('c'); L.Add('a'); L.Find('c', i); Result := i; L.Free;"),
         "1"},
        {"Text round trip", Main("integer", "L: TStringList;", "L := TStringList.Create; L.Text := 'a' + #13 + #10 + 'b'; Result := L.Count; L.Free;"), "2"},
        {"CommaText", Main("string", "L: TStringList;", "L := TStringList.Create; L.CommaText := 'x,\"y z\"'; Result := L[1]; L.Free;"), "y z"},
        {"default property write", Main("string", "L: TStringList;", "L := TStringList.Create; L.Add('a'); L[0] := 'b'; Result := L.Strings[0]; L.Free;"), "b"},
        {"Insert, Delete, IndexOf",
         Main("integer", "L: TStringList;", "L := TStringList.Create; L.Add('a'); L.Insert(0, 'z'); L.Delete(1); Result := L.IndexOf('z') * 10 + L.Count; L.Free;"),
         "1"},
        {"duplicates refused",
         Main("string", "L: TStringList;", "L := TStringList.Create; L.Sorted := True; L.Duplicates := dupError; L.Add('a'); try L.Add('a'); except on E: EStringListError do Result := 'refused'; end; L.Free;"),
         "refused"},
        {"StringsAdapter", Main("integer", "L: TStringList;", "L := TStringList.Create; try L.StringsAdapter; finally L.Free; end;"),
         "error 2: Error in unit 'T' on line 6 : Internal interpreter error: TStrings.StringsAdapternot implemented"},
    });
}

TEST(BindingsClassesLists, TListAndTCollection)
{
    RunCases({
        {"TList items are pointers",
         Main("string", "L: TList; S: TStringList;", "L := TList.Create; S := TStringList.Create; L.Add(S); Result := TStringList(L[0]).ClassName + IntToStr(L.IndexOf(S)); L.Free; S.Free;"),
         "TStringList0"},
        {"TList Count setter", Main("integer", "L: TList;", "L := TList.Create; L.Count := 3; L.Count := 1; Result := L.Count; L.Free;"), "1"},
        {"TList index error", Main("string", "L: TList;", "L := TList.Create; try L.Delete(0); except on E: EListError do Result := E.ClassName; end; L.Free;"), "EListError"},
        {"TCollection",
         Main("integer", "C: TCollection;", "C := TCollection.Create(TCollectionItem); C.Add; C.Add; Result := C.Count * 10 + C.Items[1].Index; C.Free;"),
         "21"},
        {"TCollection item class",
         Main("boolean", "C: TCollection;", "C := TCollection.Create(TCollectionItem); Result := C.ItemClass = TCollectionItem; C.Free;"), "True"},
        {"TCollection of a non-item class", Main("integer", "", "TCollection.Create(TList);"),
         "error 6: Error in unit 'T' on line 4 : Invalid class typecast"},
    });
}

TEST(BindingsClassesStreams, MemoryStringAndFileStreams)
{
    std::string file = (std::filesystem::temp_directory_path() / ("vl_bind_stream_" + std::to_string(::getpid()) + ".txt")).string();
    RunCases({
        {"TMemoryStream write and read",
         Main("string", "M: TMemoryStream; s: string; n: integer;",
              "M := TMemoryStream.Create; M.Write('abcdef', 4); M.Position := 1; n := M.Read(s, 10); Result := s + IntToStr(n) + IntToStr(M.Size); M.Free;"),
         "bcd34"},
        {"TStringStream ReadString", Main("string", "S: TStringStream;", "S := TStringStream.Create('hello'); S.Seek(1, soFromBeginning); Result := S.ReadString(3); S.Free;"), "ell"},
        {"TFileStream round trip",
         Main("string", "F: TFileStream; L: TStringList;",
              "F := TFileStream.Create('" + file + "', fmCreate); F.WriteBuffer('one' + #13 + #10 + 'two', 8); F.Free; "
              "L := TStringList.Create; L.LoadFromFile('" + file + "'); Result := L[1]; L.Free;"),
         "two"},
        {"TFileStream missing file",
         Main("string", "F: TFileStream;", "try F := TFileStream.Create('/nonexistent/x', fmOpenRead); except on E: EFOpenError do Result := E.ClassName; end;"),
         "EFOpenError"},
        {"string list to stream",
         Main("string", "L: TStringList; M: TMemoryStream;",
              "L := TStringList.Create; M := TMemoryStream.Create; L.Add('q'); L.SaveToStream(M); L.Clear; M.Position := 0; L.LoadFromStream(M); Result := L[0]; L.Free; M.Free;"),
         "q"},
    });
    std::filesystem::remove(file);
}

TEST(BindingsClassesComponents, OwnershipAndLookup)
{
    RunCases({
        {"owned components",
         Main("string", "A, B: TComponent;",
              "A := TComponent.Create(nil); B := TComponent.Create(A); B.Name := 'Child'; "
              "Result := IntToStr(A.ComponentCount) + A.FindComponent('child').Name + A.Components[0].Owner.ClassName; A.Free;"),
         "1ChildTComponent"},
        {"invalid name", Main("string", "A: TComponent;", "A := TComponent.Create(nil); try A.Name := '1x'; except on E: Exception do Result := E.ClassName; end; A.Free;"),
         "EComponentError"},
        {"ComponentState is a set",
         Main("boolean", "A: TComponent;", "A := TComponent.Create(nil); try Result := A.ComponentState = []; finally A.Free; end;"),
         "True"},
        {"Assign between string lists",
         Main("string", "A, B: TStringList;", "A := TStringList.Create; B := TStringList.Create; A.Add('k'); B.Assign(A); Result := B[0]; A.Free; B.Free;"),
         "k"},
    });
}

// A list that outlives the program keeps the script's handler, which must then stay silent.
TEST(BindingsClassesEvents, HandlerOfAListThatOutlivesItsProgramIsNotCalled)
{
    RegisterOnce();
    std::unique_ptr<TObject> list;
    {
        TVlInterpreterProgram program;
        program.SetSourceText("unit Ev3;\r\nvar\r\n  Hits: integer;\r\n"
                              "procedure Changed(Sender: TObject);\r\nbegin\r\n  Hits := Hits + 1;\r\nend;\r\n"
                              "function main: TStringList;\r\nbegin\r\n  Result := TStringList.Create;\r\n"
                              "  Result.OnChange := Changed;\r\n  Result.Add('a');\r\nend;\r\n"
                              "function Report: integer;\r\nbegin\r\n  Result := Hits;\r\nend;\r\nend.\r\n");
        program.Execute();
        list.reset(static_cast<TObject *>(program.ResultValue.RawPointer()));
        ASSERT_NE(list, nullptr);
        program.InvokeFunction("Report", nullptr, {});
        EXPECT_EQ(VlResultText(program.ResultValue), "1");
    }
    auto *strings = dynamic_cast<TStringList *>(list.get());
    ASSERT_NE(strings, nullptr);
    strings->Add("b");
    EXPECT_EQ(strings->Count(), 2);
}
