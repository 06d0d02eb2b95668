// Project skeleton texts: form unit, console program, library, empty unit and form description.
#include "VlSkeletons.h"

QStringList FormUnitSkeleton(const QString &unitName, const QString &formName)
{
    return {
        "unit " + unitName + ";",
        "",
        "Interface",
        "",
        "Uses",
        "  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms, Dialogs;",
        "",
        "type",
        " T" + formName + "= class(TForm)",
        " private",
        "  { Private declarations }",
        " public",
        "  { Public declarations }",
        " end;",
        "",
        "var",
        " " + formName + ":T" + formName + ";",
        "",
        "implementation",
        "",
        "{$R *.dfm}",
        "",
        "end.",
    };
}

QStringList ConsoleSkeleton(const QString &programName)
{
    return {
        "program " + programName + ";",
        "",
        "{$APPTYPE CONSOLE}",
        "",
        "Uses",
        "  SysUtils;",
        "",
        "begin",
        "",
        "end.",
    };
}

QStringList LibrarySkeleton(const QString &libraryName)
{
    return {
        "library " + libraryName + ";",
        "",
        "Uses",
        "  SysUtils, Classes;",
        "",
        "{$R *.res}",
        "",
        "begin",
        "end.",
    };
}

QStringList EmptyUnitSkeleton()
{
    // The empty unit is always Unit1: the name typed in its dialog only reaches the title.
    return {"unit Unit1;", "", "interface", "", "implementation", "", "end."};
}

QStringList FormDescriptionSkeleton()
{
    return {
        "object Form1: TForm1",
        "  Left = 192",
        "  Top = 114",
        "  Width = 696",
        "  Caption = Form1",
        "  Color = clBtnFace",
        "  Font.Charset = DEFAULT_CHARSET",
        "  Font.Color = clWindowText",
        "  Font.Height = -11",
        "  Font.Name = MS Sans Serif",
        "  Font.Style = []",
        "  OldCreateOrder = False",
        "  PixelsPerInch = 96",
        "  TextHeight = 13",
        "end",
    };
}
