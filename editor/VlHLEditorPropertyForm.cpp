// The editor properties dialog: building the pages, reading and applying options and colours.
#include "VlHLEditorPropertyForm.h"

#include "VlColorGrid.h"
#include "VlHLLanguages.h"
#include "VlHighlighters.h"
#include "rtl/VlSettingsStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <stdexcept>

namespace {
const char *const ElementNames[] = {
    "Whitespace", "Comment", "Reserved word", "Identifier", "Symbol", "String", "Number",
    "Preprocessor", "Declaration", "Function call", "Statement", "Plain text", "Marked block",
    "Right margin"};

// Element rows that edit a token colour record, and which record.
bool ElementClass(int element, TVlTokenClass &cls)
{
    static const TVlTokenClass Classes[] = {
        TVlTokenClass::PlainText, TVlTokenClass::Comment, TVlTokenClass::Reserved, TVlTokenClass::Identifier,
        TVlTokenClass::Symbol, TVlTokenClass::Strings, TVlTokenClass::Number, TVlTokenClass::Preproc,
        TVlTokenClass::Declaration, TVlTokenClass::FunctionCall, TVlTokenClass::Statement, TVlTokenClass::PlainText};
    if (element < ceComment || element > cePlainText)
        return false;
    cls = Classes[element];
    return true;
}

int ElementOfClass(TVlTokenClass cls)
{
    switch (cls) {
    case TVlTokenClass::Comment: return ceComment;
    case TVlTokenClass::Reserved: return ceReserved;
    case TVlTokenClass::Identifier: return ceIdentifier;
    case TVlTokenClass::Symbol: return ceSymbol;
    case TVlTokenClass::Strings: return ceString;
    case TVlTokenClass::Number: return ceNumber;
    case TVlTokenClass::Preproc: return cePreprocessor;
    case TVlTokenClass::Declaration: return ceDeclaration;
    case TVlTokenClass::FunctionCall: return ceFunctionCall;
    case TVlTokenClass::Statement: return ceStatement;
    case TVlTokenClass::PlainText: return cePlainText;
    }
    return cePlainText;
}

const char ActivePageKey[] = "ParamsActivePage";
} // namespace

// ---- preview ---------------------------------------------------------------------------------

TVlSampleViewer::TVlSampleViewer(QWidget *parent) : TVlHLEditor(parent)
{
    SetReadOnly(true);
    setFixedSize(396, 110);
    Model().SetBracketHighlighting(false);
}

int TVlSampleViewer::ElementAt(QPoint p)
{
    if (p.x() < GutterWidth())
        return -1;
    const int column = (p.x() - GutterWidth() - 2) / CharWidth() + horizontalScrollBar()->value();
    const int line = p.y() / RowHeight() + Model().TopLine();
    if (line >= LineCount())
        return -1; // below the last line nothing is chosen
    if (column == RightMargin() || column == RightMargin() + 1)
        return ceRightMargin;
    const std::vector<TVlTokenClass> classes = LineClasses(line);
    if (column < 0 || column >= static_cast<int>(classes.size()))
        return ceWhitespace;
    return ElementOfClass(classes[column]);
}

void TVlSampleViewer::mousePressEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton)
        return;
    const int element = ElementAt(e->position().toPoint());
    if (element >= 0)
        emit ElementClicked(element);
}

// ---- dialog ----------------------------------------------------------------------------------

TVlHLEditorParamsForm::TVlHLEditorParamsForm(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Свойства"));
    auto *layout = new QVBoxLayout(this);
    Pages = new QTabWidget(this);
    Pages->addTab(CreateEditorPage(), QStringLiteral("Editor"));
    Pages->addTab(CreateColorsPage(), QStringLiteral("Colors"));
    layout->addWidget(Pages);
    auto *buttons = new QDialogButtonBox(this);
    OkButton = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    CancelButton = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QWidget *TVlHLEditorParamsForm::CreateEditorPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("Editor SpeedSettings")));
    KeymapBox = new QComboBox;
    KeymapBox->addItem(QStringLiteral("Default keymapping"));
    layout->addWidget(KeymapBox);
    auto *options = new QGroupBox(QStringLiteral("Editor options:"));
    auto *grid = new QGridLayout(options);
    QCheckBox **boxes[] = {&AutoIndent, &SmartTab, &BackspaceUnindents, &GroupUndo, &CursorBeyondEOF,
                           &UndoAfterSave, &KeepTrailingBlanks, &DoubleClickLine, &UseSyntaxHighlight};
    const char *captions[] = {"&Auto indent mode", "S&mart tab", "Backspace &unindents", "&Group undo",
                              "Cursor beyond &EOF", "&Undo after sa&ve", "&Keep trailing blanks",
                              "&Double click line", "Use &syntax highlight"};
    for (int i = 0; i < 9; ++i) {
        *boxes[i] = new QCheckBox(QString::fromLatin1(captions[i]));
        grid->addWidget(*boxes[i], i % 5, i / 5);
    }
    layout->addWidget(options);
    auto *tabLabel = new QLabel(QStringLiteral("&Tab stops:"));
    TabStopsEdit = new QLineEdit;
    tabLabel->setBuddy(TabStopsEdit);
    layout->addWidget(tabLabel);
    layout->addWidget(TabStopsEdit);
    layout->addStretch();
    return page;
}

QWidget *TVlHLEditorParamsForm::CreateColorsPage()
{
    auto *page = new QWidget;
    auto *layout = new QGridLayout(page);
    auto *highlighterLabel = new QLabel(QStringLiteral("Color SpeedSettings for"));
    layout->addWidget(highlighterLabel, 0, 0);
    HighlighterBox = new QComboBox;
    highlighterLabel->setBuddy(HighlighterBox);
    for (int i = 0; i < VlHighlighterCount; ++i)
        HighlighterBox->addItem(VlHighlighterCaption(static_cast<TVlHighlighter>(i)));
    layout->addWidget(HighlighterBox, 0, 1, 1, 2);
    auto *elementLabel = new QLabel(QStringLiteral("&Element:"));
    layout->addWidget(elementLabel, 1, 0);
    Elements = new QListWidget;
    elementLabel->setBuddy(Elements);
    for (const char *name : ElementNames)
        Elements->addItem(QString::fromLatin1(name));
    layout->addWidget(Elements, 2, 0, 2, 1);
    auto *colorLabel = new QLabel(QStringLiteral("&Color:"));
    layout->addWidget(colorLabel, 1, 1);
    Grid = new TVlColorGrid;
    Grid->setFocusPolicy(Qt::StrongFocus);
    colorLabel->setBuddy(Grid);
    layout->addWidget(Grid, 2, 1);
    auto *attributes = new QGroupBox(QStringLiteral("Text attributes:"));
    auto *attributesLayout = new QVBoxLayout(attributes);
    Bold = new QCheckBox(QStringLiteral("&Bold"));
    Italic = new QCheckBox(QStringLiteral("&Italic"));
    Underline = new QCheckBox(QStringLiteral("&Underline"));
    for (QCheckBox *box : {Bold, Italic, Underline})
        attributesLayout->addWidget(box);
    layout->addWidget(attributes, 2, 2);
    auto *defaults = new QGroupBox(QStringLiteral("Use defaults for:"));
    auto *defaultsLayout = new QVBoxLayout(defaults);
    DefaultForeground = new QCheckBox(QStringLiteral("&Foreground"));
    DefaultBackground = new QCheckBox(QStringLiteral("&Background"));
    defaultsLayout->addWidget(DefaultForeground);
    defaultsLayout->addWidget(DefaultBackground);
    layout->addWidget(defaults, 3, 1, 1, 2);
    Preview = new TVlSampleViewer;
    layout->addWidget(Preview, 4, 0, 1, 3);

    connect(HighlighterBox, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!fShowing)
            ChooseHighlighter(index, true);
    });
    connect(Elements, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!fShowing)
            ShowElement(row);
    });
    connect(Grid, &TVlColorGrid::ForegroundClicked, this, [this](int cell) {
        Grid->SetMarks(cell, Grid->BackgroundIndex());
        ApplyElement();
    });
    connect(Grid, &TVlColorGrid::BackgroundClicked, this, [this](int cell) {
        Grid->SetMarks(Grid->ForegroundIndex(), cell);
        ApplyElement();
    });
    connect(DefaultForeground, &QCheckBox::clicked, this, [this](bool on) {
        if (on)
            Grid->SetMarks(-1, Grid->BackgroundIndex());
        ApplyElement();
    });
    connect(DefaultBackground, &QCheckBox::clicked, this, [this](bool on) {
        if (on)
            Grid->SetMarks(Grid->ForegroundIndex(), -1);
        ApplyElement();
    });
    for (QCheckBox *box : {Bold, Italic, Underline})
        connect(box, &QCheckBox::clicked, this, [this] { ApplyElement(); });
    connect(Preview, &TVlSampleViewer::ElementClicked, this, [this](int element) { Elements->setCurrentRow(element); });
    return page;
}

void TVlHLEditorParamsForm::InsertPage(int index, QWidget *page, const QString &caption)
{
    Pages->insertTab(index, page, caption);
}

void TVlHLEditorParamsForm::Open(TVlHLEditor *editor, TVlSettingsStore *store)
{
    fEditor = editor;
    fStore = store;
    fShowing = true;
    // 2. Options and tab stops from the source editor.
    const TVlEditorOptions &o = editor->Options();
    AutoIndent->setChecked(o.AutoIndent);
    SmartTab->setChecked(o.SmartTab);
    BackspaceUnindents->setChecked(o.BackSpaceUnindents);
    GroupUndo->setChecked(o.GroupUndo);
    CursorBeyondEOF->setChecked(o.CursorBeyondEOF);
    UndoAfterSave->setChecked(o.UndoAfterSave);
    KeepTrailingBlanks->setChecked(o.KeepTrailingBlanks);
    DoubleClickLine->setChecked(o.DoubleClickLine);
    UseSyntaxHighlight->setChecked(editor->SyntaxHighlighting());
    TabStopsEdit->setText(editor->TabStops());
    // 3-4. The editor's highlighter, applied without saving; the right margin.
    fSelFore = editor->SelForeColor();
    fSelBack = editor->SelBackColor();
    Preview->SetRightMargin(editor->RightMargin());
    Preview->SetRightMarginVisible(true);
    HighlighterBox->setCurrentIndex(static_cast<int>(editor->Highlighter()));
    Elements->setCurrentRow(0);
    fShowing = false;
    ChooseHighlighter(static_cast<int>(editor->Highlighter()), false);
}

void TVlHLEditorParamsForm::ShowStoredPage()
{
    int index = fStore ? static_cast<int>(fStore->ReadInteger(ActivePageKey, 0)) : 0;
    index = std::clamp(index, 0, Pages->count() - 1);
    for (int i = 0; i < Pages->count(); ++i) {
        const int candidate = (index + i) % Pages->count();
        if (Pages->isTabVisible(candidate)) {
            Pages->setCurrentIndex(candidate);
            return;
        }
    }
}

void TVlHLEditorParamsForm::ChooseHighlighter(int index, bool fromUser)
{
    if (fromUser)
        SaveColors();
    fHighlighter = std::clamp(index, 0, VlHighlighterCount - 1);
    QStringList sample = VlSampleSection(VlHighlighterSamples(), HighlighterBox->itemText(fHighlighter));
    if (static_cast<TVlHighlighter>(fHighlighter) == TVlHighlighter::hlIni)
        for (QString &line : sample)
            line.remove(0, 1);
    Preview->SetText(sample.join(QLatin1Char('\n')));
    Preview->SetHighlighter(static_cast<TVlHighlighter>(fHighlighter));
    fPreviewColors = fStore ? VlReadHighlighterColors(*fStore, fHighlighter) : VlDefaultHighlighterColors();
    PushColorsToPreview();
    ShowElement(Elements->currentRow());
}

void TVlHLEditorParamsForm::PushColorsToPreview()
{
    Preview->SetColors(fPreviewColors.Colors);
    Preview->SetBackColor(fPreviewColors.BackColor);
    Preview->SetRightMarginColor(fPreviewColors.RightMarginColor);
    Preview->SetSelColors(fSelFore, fSelBack);
}

void TVlHLEditorParamsForm::ElementColors(int element, TColor &fore, TColor &back, std::uint8_t &style) const
{
    style = 0;
    TVlTokenClass cls;
    if (element == ceWhitespace) {
        fore = VlColors::clWindowText;
        back = fPreviewColors.BackColor;
    } else if (element == ceMarkedBlock) {
        fore = fSelFore;
        back = fSelBack;
    } else if (element == ceRightMargin) {
        fore = fPreviewColors.RightMarginColor;
        back = VlColors::clWindow;
    } else if (ElementClass(element, cls)) {
        const TVlSymbolColor &c = fPreviewColors.Colors[cls];
        fore = c.ForeColor;
        back = c.BackColor;
        style = c.Style;
    } else {
        fore = VlColors::clWindowText;
        back = VlColors::clWindow;
    }
}

void TVlHLEditorParamsForm::ShowElement(int element)
{
    if (element < 0)
        return;
    TColor fore, back;
    std::uint8_t style;
    ElementColors(element, fore, back, style);
    const bool marked = element == ceMarkedBlock, margin = element == ceRightMargin;
    const bool defaultFore = !margin && fore == (marked ? VlColors::clHighlightText : VlColors::clWindowText);
    const bool defaultBack = !margin && back == (marked ? VlColors::clHighlight : VlColors::clWindow);
    DefaultForeground->setChecked(defaultFore);
    DefaultBackground->setChecked(defaultBack);
    Grid->SetMarks(defaultFore ? -1 : TVlColorGrid::CellOf(fore), defaultBack ? -1 : TVlColorGrid::CellOf(back));
    Bold->setChecked(style & VlFontStyle(fsBold));
    Italic->setChecked(style & VlFontStyle(fsItalic));
    Underline->setChecked(style & VlFontStyle(fsUnderline));
}

void TVlHLEditorParamsForm::ApplyElement()
{
    const int element = Elements->currentRow();
    if (element < 0)
        return;
    if (Grid->ForegroundIndex() >= 0)
        DefaultForeground->setChecked(false);
    if (Grid->BackgroundIndex() >= 0)
        DefaultBackground->setChecked(false);
    const bool marked = element == ceMarkedBlock;
    // A box that is neither ticked nor backed by a mark keeps the element's current colour.
    TColor oldFore, oldBack;
    std::uint8_t oldStyle;
    ElementColors(element, oldFore, oldBack, oldStyle);
    TColor fore = DefaultForeground->isChecked() ? (marked ? VlColors::clHighlightText : VlColors::clWindowText)
                  : Grid->ForegroundIndex() >= 0 ? TVlColorGrid::CellColor(Grid->ForegroundIndex())
                                                 : oldFore;
    TColor back = DefaultBackground->isChecked() ? (marked ? VlColors::clHighlight : VlColors::clWindow)
                  : Grid->BackgroundIndex() >= 0 ? TVlColorGrid::CellColor(Grid->BackgroundIndex())
                                                 : oldBack;
    const std::uint8_t style = (Bold->isChecked() ? VlFontStyle(fsBold) : 0) |
                               (Italic->isChecked() ? VlFontStyle(fsItalic) : 0) |
                               (Underline->isChecked() ? VlFontStyle(fsUnderline) : 0);
    TVlTokenClass cls;
    if (element == ceMarkedBlock) {
        fSelFore = fore;
        fSelBack = back;
    } else if (element == ceWhitespace) {
        fPreviewColors.BackColor = back;
    } else if (element == ceRightMargin) {
        fPreviewColors.RightMarginColor = fore;
    } else if (ElementClass(element, cls)) {
        fPreviewColors.Colors[cls] = {fore, back, style};
    }
    PushColorsToPreview();
}

void TVlHLEditorParamsForm::SaveColors()
{
    if (fStore)
        VlWriteHighlighterColors(*fStore, fHighlighter, fPreviewColors);
}

void TVlHLEditorParamsForm::StorePageIndex()
{
    if (fStore)
        fStore->WriteInteger(ActivePageKey, Pages->currentIndex());
}

void TVlHLEditorParamsForm::ApplyOk()
{
    // 1. Options and tab stops back into the source editor.
    TVlEditorOptions &o = fEditor->Options();
    o.AutoIndent = AutoIndent->isChecked();
    o.SmartTab = SmartTab->isChecked();
    o.BackSpaceUnindents = BackspaceUnindents->isChecked();
    o.GroupUndo = GroupUndo->isChecked();
    o.CursorBeyondEOF = CursorBeyondEOF->isChecked();
    o.UndoAfterSave = UndoAfterSave->isChecked();
    o.KeepTrailingBlanks = KeepTrailingBlanks->isChecked();
    o.DoubleClickLine = DoubleClickLine->isChecked();
    fEditor->SetTabStops(TabStopsEdit->text());
    // 2. The colours of the current highlighter are stored.
    SaveColors();
    // 3. The preview's colours, switch and highlighter go to the source editor.
    fEditor->SetColors(fPreviewColors.Colors);
    fEditor->SetSelColors(fSelFore, fSelBack);
    fEditor->SetBackColor(fPreviewColors.BackColor);
    fEditor->SetRightMarginColor(fPreviewColors.RightMarginColor);
    fEditor->SetSyntaxHighlighting(UseSyntaxHighlight->isChecked());
    if (fEditor->Highlighter() != static_cast<TVlHighlighter>(fHighlighter))
        fEditor->SetHighlighter(static_cast<TVlHighlighter>(fHighlighter));
    // 4. The page shown is remembered.
    StorePageIndex();
}

void TVlHLEditorParamsForm::ApplyCancel()
{
    StorePageIndex();
}

bool TVlHLEdPropDlg::Execute()
{
    if (!VlHLEditor)
        throw std::runtime_error("VlHLEditor property is not assigned");
    TVlHLEditorParamsForm form(Parent);
    form.Open(VlHLEditor, Store);
    if (OnDialogPopup)
        OnDialogPopup(form);
    form.ShowStoredPage();
    const bool ok = RunModal ? RunModal(form) : form.exec() == QDialog::Accepted;
    if (ok)
        form.ApplyOk();
    else
        form.ApplyCancel();
    if (OnDialogClosed)
        OnDialogClosed(form);
    if (ok)
        VlHLEditor->viewport()->update();
    return ok;
}
