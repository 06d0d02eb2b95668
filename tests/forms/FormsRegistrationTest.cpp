// The window-framework binding units: each registers about as much as its figure, with the names
// that tell the unit, and under the unit's own name.
#include "FormsTestSupport.h"

#include "interpreter/bindings/VlInterpreterRegistrations.h"

#include <algorithm>

namespace {

struct TUnitFigure {
    const char *Unit;
    int Figure;
    std::vector<const char *> Telling;
};

bool Registered(const std::vector<TVlRegistration> &all, const std::string &unit, const std::string &name)
{
    return std::any_of(all.begin(), all.end(), [&](const TVlRegistration &r) {
        return VlSameName(r.Unit, unit) && VlSameName(r.Name, name);
    });
}

TEST(GuiBindings, EachUnitRegistersNearItsFigureWithItsTellingNames)
{
    RegisterGuiOnce();
    const std::vector<TVlRegistration> all = VlListRegistrations(GlobalAdapter());
    const TUnitFigure units[] = {
        {"Graphics", 306, {"TFont", "TPen", "TBrush", "TCanvas", "TGraphic", "TPicture", "TMetafile", "TBitmap", "TIcon",
                           "fsItalic", "psSolid", "clWindow"}},
        {"Controls", 305, {"TControl", "TWinControl", "TGraphicControl", "TCustomControl", "TImageList", "FindControl",
                           "alClient", "mbLeft", "mrOk", "TMouseEvent", "TKeyPressEvent", "TDragOverEvent"}},
        {"Buttons", 41, {"TSpeedButton", "TBitBtn"}},
        {"StdCtrls", 126, {"TLabel", "TEdit", "TMemo", "TComboBox", "TButton", "TCheckBox", "TRadioButton", "TListBox",
                           "TScrollBar", "TGroupBox", "csDropDown", "TDrawItemEvent"}},
        {"ComCtrls", 466, {"TPageControl", "TTabSheet", "TStatusBar", "TTreeView", "TTreeNode", "TListView", "TListItem",
                           "TRichEdit", "TTrackBar", "TProgressBar", "TUpDown", "TTVChangedEvent", "TLVCompareEvent"}},
        {"ExtCtrls", 87, {"TShape", "TPaintBox", "TImage", "TBevel", "TTimer", "TPanel", "TNotebook", "TRadioGroup",
                          "TSplitter"}},
        {"Forms", 212, {"TForm", "TScrollBox", "TDataModule", "TScreen", "TApplication", "Application", "Screen",
                        "GetParentForm", "bsDialog", "poScreenCenter", "caFree", "TCloseQueryEvent"}},
        {"Dialogs", 197, {"TOpenDialog", "TSaveDialog", "TFontDialog", "TColorDialog", "TFindDialog", "TReplaceDialog",
                          "ShowMessage", "MessageDlg", "InputQuery", "mtError"}},
        {"Menus", 70, {"TMenuItem", "TMainMenu", "TPopupMenu", "ShortCut", "TextToShortCut", "NewItem"}},
        {"Grids", 51, {"TDrawGrid", "TStringGrid", "gdSelected"}},
        {"VlEditor", 151, {"TVlCustomEditor", "TVlKeyboard", "ecLeft", "ecUndo", "ecSetBookmark0"}},
        {"VlInterpreterFm", 4, {"VlInterpreterRunFormModal", "VlInterpreterRunForm", "VlInterpreterMakeForm",
                                "VlInterpreterRunUnit"}},
    };
    for (const TUnitFigure &unit : units) {
        const int count = VlCountRegistrations(all, unit.Unit);
        EXPECT_GE(count, unit.Figure / 2) << unit.Unit;
        EXPECT_LE(count, unit.Figure * 3 / 2) << unit.Unit;
        for (const char *name : unit.Telling)
            EXPECT_TRUE(Registered(all, unit.Unit, name)) << unit.Unit << " " << name;
    }
    EXPECT_EQ(VlCountRegistrations(all, "VlInterpreterFm"), 4);
    EXPECT_EQ(VlCountRegistrations(all, "VlInterpreterFm", "function"), 4);
}

TEST(GuiBindings, EveryBridgeEventTypeIsRegisteredOnceUnderItsUnit)
{
    RegisterGuiOnce();
    const std::vector<TVlRegistration> all = VlListRegistrations(GlobalAdapter());
    const std::pair<const char *, int> events[] = {
        {"Classes", 2}, {"Controls", 8}, {"StdCtrls", 3}, {"ComCtrls", 25}, {"Forms", 5},
    };
    for (const auto &[unit, count] : events)
        EXPECT_EQ(VlCountRegistrations(all, unit, "event"), count) << unit;
}

TEST(GuiBindings, ClassesAreConstructibleWhereScriptsMakeThem)
{
    TFormsProgram program;
    EXPECT_EQ(RunText(program, "unit T;\r\nfunction main: string;\r\nvar F: TForm; B: TButton; P: TPicture;\r\nbegin\r\n"
                               "  F := TForm.Create(nil);\r\n"
                               "  B := TButton.Create(F);\r\n  B.Parent := F;\r\n  B.Caption := '" + Cp("Да") + "';\r\n"
                               "  P := TPicture.Create;\r\n"
                               "  Result := B.Parent.ClassName + ' ' + B.Caption + ' ' + IntToStr(F.ControlCount) + ' ' + P.ClassName;\r\n"
                               "  P.Free;\r\n  F.Free;\r\nend;\r\nend.\r\n"),
              Cp("TForm Да 1 TPicture"));
    // A "not implemented" feature says so by name.
    EXPECT_EQ(RunText(program, "unit T;\r\nfunction main: integer;\r\nvar B: TBitmap;\r\nbegin\r\n"
                               "  B := TBitmap.Create;\r\n  B.Canvas.Polygon(1);\r\nend;\r\nend.\r\n"),
              "error 2: Error in unit 'T' on line 6 : Internal interpreter error: TCanvas.Polygonnot implemented");
}

} // namespace
