// Registration of the widget set's classes and named constants, and loading form files into live controls.
#include "VlRegisterComponents.h"

#include "VlButtons.h"
#include "VlClassRegistry.h"
#include "VlComCtrls.h"
#include "VlDialogs.h"
#include "VlGraphicFormats.h"
#include "VlHeaderControl.h"
#include "VlListView.h"
#include "VlNotebook.h"
#include "VlRichEdit.h"
#include "VlScrollBox.h"
#include "VlExtCtrls.h"
#include "VlFormReader.h"
#include "VlFormStream.h"
#include "VlForms.h"
#include "VlGrids.h"
#include "VlImgList.h"
#include "VlMenus.h"
#include "VlStdCtrls.h"

void RegisterVlComponents()
{
    static const bool done = [] {
        RegisterGraphicsIdents();
        // The designer palette's classes first, in palette order.
        RegisterClasses({&TButton::StaticClassInfo(), &TLabel::StaticClassInfo(), &TPanel::StaticClassInfo(),
                         &TImage::StaticClassInfo(), &TCheckBox::StaticClassInfo(), &TEdit::StaticClassInfo(),
                         &TComboBox::StaticClassInfo(), &TRadioButton::StaticClassInfo(),
                         &TTrackBar::StaticClassInfo(), &TProgressBar::StaticClassInfo(),
                         &TScrollBar::StaticClassInfo(), &TUpDown::StaticClassInfo(), &TMemo::StaticClassInfo(),
                         &TGroupBox::StaticClassInfo(), &TListBox::StaticClassInfo(),
                         &TTreeView::StaticClassInfo(), &TStatusBar::StaticClassInfo()});
        RegisterClasses({&TForm::StaticClassInfo(), &TBevel::StaticClassInfo(), &TShape::StaticClassInfo(),
                         &TSpeedButton::StaticClassInfo(), &TBitBtn::StaticClassInfo(), &TTimer::StaticClassInfo(),
                         &TPageControl::StaticClassInfo(), &TTabSheet::StaticClassInfo(),
                         &TRadioGroup::StaticClassInfo(), &TSplitter::StaticClassInfo(),
                         &TPaintBox::StaticClassInfo(), &TStringGrid::StaticClassInfo(),
                         &TMainMenu::StaticClassInfo(), &TPopupMenu::StaticClassInfo(),
                         &TMenuItem::StaticClassInfo(), &TImageList::StaticClassInfo(),
                         &TStatusPanel::StaticClassInfo(), &TFont::StaticClassInfo(), &TPen::StaticClassInfo(),
                         &TBrush::StaticClassInfo(), &TPicture::StaticClassInfo(), &TBitmap::StaticClassInfo()});
        // What script forms use beyond the palette.
        RegisterClasses({&TScrollBox::StaticClassInfo(), &TDataModule::StaticClassInfo(), &TNotebook::StaticClassInfo(),
                         &TPage::StaticClassInfo(), &TDrawGrid::StaticClassInfo(), &TListView::StaticClassInfo(),
                         &TRichEdit::StaticClassInfo(), &THeaderControl::StaticClassInfo(), &TIcon::StaticClassInfo(),
                         &TMetafile::StaticClassInfo(), &TOpenDialog::StaticClassInfo(), &TSaveDialog::StaticClassInfo(),
                         &TFontDialog::StaticClassInfo(), &TColorDialog::StaticClassInfo(),
                         &TPrintDialog::StaticClassInfo(), &TPrinterSetupDialog::StaticClassInfo(),
                         &TFindDialog::StaticClassInfo(), &TReplaceDialog::StaticClassInfo()});
        return true;
    }();
    (void)done;
}

TComponent *LoadFormFromBytes(std::string_view bytes, TComponent *root, const TFormReader::TFindMethod &findMethod)
{
    RegisterVlComponents();
    const std::string binary = FormFileToBinary(bytes);
    return ReadComponentFromBinary(binary, root, findMethod);
}
