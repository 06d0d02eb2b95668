// Standard controls: labels, buttons, edits, memos, check and radio buttons, lists, group boxes, scroll bars.
#include "VlStdCtrls.h"

#include "VlOwnerDraw.h"

#include "VlControlProps.h"
#include "VlExceptions.h"
#include "VlForms.h"
#include "VlWidgetBridge.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>

#define VL_ENUM_INFO(Function, TypeName, ...)              \
    const TEnumInfo &Function()                              \
    {                                                        \
        static const TEnumInfo info(TypeName, {__VA_ARGS__}); \
        return info;                                         \
    }

VL_ENUM_INFO(TextLayoutEnumInfo, "TTextLayout", "tlTop", "tlCenter", "tlBottom")
VL_ENUM_INFO(EditCharCaseEnumInfo, "TEditCharCase", "ecNormal", "ecUpperCase", "ecLowerCase")
VL_ENUM_INFO(ScrollStyleEnumInfo, "TScrollStyle", "ssNone", "ssHorizontal", "ssVertical", "ssBoth")
VL_ENUM_INFO(CheckBoxStateEnumInfo, "TCheckBoxState", "cbUnchecked", "cbChecked", "cbGrayed")
VL_ENUM_INFO(ComboBoxStyleEnumInfo, "TComboBoxStyle", "csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed", "csOwnerDrawVariable")
VL_ENUM_INFO(ScrollBarKindEnumInfo, "TScrollBarKind", "sbHorizontal", "sbVertical")

namespace {
Qt::Alignment ToQtAlignment(TAlignment alignment)
{
    switch (alignment) {
    case taRightJustify: return Qt::AlignRight;
    case taCenter: return Qt::AlignHCenter;
    default: return Qt::AlignLeft;
    }
}

void SetBase(QWidget *widget, TColor color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, ColorToQColor(color));
    widget->setPalette(palette);
}
} // namespace

// ---------------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS_PROPS(TLabel, TGraphicControl, "StdCtrls",
    VlProps::Align(),
    {VlEnumProp<&TLabel::Alignment, &TLabel::SetAlignment>("Alignment", AlignmentEnumInfo(), taLeftJustify)},
    VlProps::Anchors(),
    {VlBoolProp<&TLabel::AutoSize, &TLabel::SetAutoSize>("AutoSize", true)},
    VlProps::Caption(), VlProps::Color(clBtnFace), VlProps::Enabled(),
    {VlClassProp<&TLabel::FocusControl, &TLabel::SetFocusControl>("FocusControl", "TWinControl")},
    VlProps::Font(),
    {VlEnumProp<&TLabel::Layout, &TLabel::SetLayout>("Layout", TextLayoutEnumInfo(), tlTop)},
    VlProps::ParentColor(true), VlProps::ParentFont(), VlProps::Hints(), VlProps::PopupMenu(),
    {VlBoolProp<&TLabel::ShowAccelChar, &TLabel::SetShowAccelChar>("ShowAccelChar", true),
     VlBoolProp<&TLabel::Transparent, &TLabel::SetTransparent>("Transparent", false)},
    VlProps::Visible(),
    {VlBoolProp<&TLabel::WordWrap, &TLabel::SetWordWrap>("WordWrap", false)},
    VlProps::OnClick(), VlProps::OnDblClick(), VlProps::MouseEvents())

TLabel::TLabel(TComponent *owner) : TGraphicControl(owner)
{
    FParentColor = true;
    auto *label = new QLabel;
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    SetWidget(label);
    SetDefaultSize(65, 13);
}

QLabel *TLabel::Label() const { return static_cast<QLabel *>(Widget()); }

void TLabel::ApplyText()
{
    // Plain text: "&" marks are dropped and "&&" shows one "&".
    QString text = VlToQString(Caption());
    if (FShowAccelChar) {
        QString shown;
        for (int i = 0; i < text.size(); ++i) {
            if (text[i] == '&' && i + 1 < text.size())
                ++i;
            shown += text[i];
        }
        text = shown;
    }
    Label()->setText(text);
    AdjustSize();
}

void TLabel::Loaded()
{
    TGraphicControl::Loaded();
    AdjustSize();
}

void TLabel::ApplyFont()
{
    TGraphicControl::ApplyFont();
    AdjustSize();
}

void TLabel::AdjustSize()
{
    if (!FAutoSize || HasState(csLoading) || FWordWrap)
        return;
    const QFontMetrics metrics(Label()->font());
    QString text = Label()->text();
    int width = 0;
    const QStringList lines = text.split('\n');
    for (const QString &line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    const int height = metrics.height() * int(std::max<qsizetype>(1, lines.size()));
    // Right-aligned labels keep their right edge, as in Delphi.
    int left = Left();
    if (FAlignment == taRightJustify)
        left = Left() + Width() - width;
    else if (FAlignment == taCenter)
        left = Left() + (Width() - width) / 2;
    SetBounds(left, Top(), width, height);
}

void TLabel::SetAlignment(TAlignment value)
{
    FAlignment = value;
    Label()->setAlignment(ToQtAlignment(value) | (Label()->alignment() & Qt::AlignVertical_Mask));
}

void TLabel::SetAutoSize(bool value)
{
    FAutoSize = value;
    AdjustSize();
}

void TLabel::SetLayout(TTextLayout value)
{
    FLayout = value;
    const Qt::Alignment vertical = value == tlCenter ? Qt::AlignVCenter : value == tlBottom ? Qt::AlignBottom : Qt::AlignTop;
    Label()->setAlignment(ToQtAlignment(FAlignment) | vertical);
}

void TLabel::SetWordWrap(bool value)
{
    FWordWrap = value;
    Label()->setWordWrap(value);
}

void TLabel::SetTransparent(bool value)
{
    FTransparent = value;
    ApplyColor();
}

void TLabel::SetShowAccelChar(bool value)
{
    FShowAccelChar = value;
    ApplyText();
}

void TLabel::SetFocusControl(TWinControl *control)
{
    Refer(FFocusControl, control);
}

void TLabel::Notification(TComponent *component, TOperation operation)
{
    TGraphicControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FFocusControl)
        FFocusControl = nullptr;
}

// ---------------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS_PROPS(TButton, TWinControl, "StdCtrls",
    VlProps::Anchors(),
    {VlBoolProp<&TButton::Cancel, &TButton::SetCancel>("Cancel", false)},
    VlProps::Caption(),
    {VlBoolProp<&TButton::Default, &TButton::SetDefault>("Default", false)},
    VlProps::Enabled(), VlProps::Font(),
    {VlIntProp<&TButton::ModalResult, &TButton::SetModalResult>("ModalResult", "TModalResult").WithDefault(0)},
    VlProps::ParentFont(), VlProps::Hints(), VlProps::PopupMenu(), VlProps::TabOrder(), VlProps::TabStop(true),
    VlProps::Visible(), VlProps::OnClick(), VlProps::KeyEvents(), VlProps::MouseEvents())

TButton::TButton(TComponent *owner) : TWinControl(owner)
{
    auto *button = new QPushButton;
    button->setAutoDefault(false);
    SetWidget(button);
    QObject::connect(button, &QPushButton::clicked, Bridge(), [this] { VlGuard([this] { Click(); }); });
    SetTabStop(true);
    SetDefaultSize(75, 25);
}

void TButton::ApplyText()
{
    static_cast<QPushButton *>(Widget())->setText(VlToQString(Caption()));
}

void TButton::SetDefault(bool value)
{
    FDefault = value;
    static_cast<QPushButton *>(Widget())->setDefault(value);
}

void TButton::Click()
{
    if (FModalResult != 0 && CanFireEvents())
        if (TForm *form = GetParentForm(this))
            form->SetModalResult(FModalResult);
    TWinControl::Click();
}

// ---------------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS_PROPS(TEdit, TWinControl, "StdCtrls",
    VlProps::Anchors(),
    {VlBoolProp<&TEdit::AutoSelect, &TEdit::SetAutoSelect>("AutoSelect", true),
     VlEnumProp<&TEdit::BorderStyle, &TEdit::SetBorderStyle>("BorderStyle", BorderStyleEnumInfo(), bsSingle),
     VlEnumProp<&TEdit::CharCase, &TEdit::SetCharCase>("CharCase", EditCharCaseEnumInfo(), ecNormal)},
    VlProps::Color(clWindow), VlProps::Enabled(), VlProps::Font(),
    {VlIntProp<&TEdit::MaxLength, &TEdit::SetMaxLength>("MaxLength").WithDefault(0)},
    VlProps::ParentColor(false), VlProps::ParentFont(), VlProps::Hints(),
    {VlCharProp<&TEdit::PasswordChar, &TEdit::SetPasswordChar>("PasswordChar", 0)},
    VlProps::PopupMenu(),
    {VlBoolProp<&TEdit::ReadOnly, &TEdit::SetReadOnly>("ReadOnly", false)},
    VlProps::TabOrder(), VlProps::TabStop(true), VlProps::Text(), VlProps::Visible(),
    {VlMethodProp<&TEdit::OnChange, &TEdit::SetOnChange>("OnChange")},
    VlProps::OnClick(), VlProps::OnDblClick(), VlProps::KeyEvents(), VlProps::MouseEvents())

TEdit::TEdit(TComponent *owner) : TWinControl(owner)
{
    auto *edit = new QLineEdit;
    SetWidget(edit);
    QObject::connect(edit, &QLineEdit::textChanged, Bridge(), [this](const QString &text) {
        if (FApplying)
            return;
        VlGuard([&] {
            SyncText(VlFromQString(text));
            Change();
        });
    });
    SetTabStop(true);
    SetColor(clWindow);
    SetDefaultSize(121, 21);
}

QLineEdit *TEdit::Edit() const { return static_cast<QLineEdit *>(Widget()); }

std::string TEdit::Text() const { return VlFromQString(Edit()->text()); }

void TEdit::ApplyText()
{
    QString text = VlToQString(Caption());
    if (FCharCase == ecUpperCase)
        text = text.toUpper();
    else if (FCharCase == ecLowerCase)
        text = text.toLower();
    if (text == Edit()->text())
        return;
    // Programmatic changes raise OnChange too, as in Delphi.
    FApplying = true;
    Edit()->setText(text);
    FApplying = false;
    SyncText(VlFromQString(text));
    Change();
}

void TEdit::ApplyColor()
{
    TWinControl::ApplyColor();
    SetBase(Edit(), Color());
}

void TEdit::Change() { FireNotify(FOnChange, "OnChange"); }

bool TEdit::ReadOnly() const { return Edit()->isReadOnly(); }
void TEdit::SetReadOnly(bool value) { Edit()->setReadOnly(value); }

void TEdit::SetMaxLength(int value)
{
    FMaxLength = std::max(0, value);
    Edit()->setMaxLength(FMaxLength > 0 ? FMaxLength : 32767);
}

void TEdit::SetPasswordChar(char value)
{
    FPasswordChar = value;
    Edit()->setEchoMode(value ? QLineEdit::Password : QLineEdit::Normal);
}

void TEdit::SetCharCase(TEditCharCase value)
{
    FCharCase = value;
    ApplyText();
}

void TEdit::SetBorderStyle(TBorderStyle value)
{
    FBorderStyle = value;
    Edit()->setFrame(value != bsNone);
}

int TEdit::SelStart() const
{
    return Edit()->hasSelectedText() ? Edit()->selectionStart() : Edit()->cursorPosition();
}

void TEdit::SetSelStart(int value) { Edit()->setCursorPosition(value); }

int TEdit::SelLength() const { return int(Edit()->selectedText().size()); }

void TEdit::SetSelLength(int value) { Edit()->setSelection(SelStart(), value); }

std::string TEdit::SelText() const { return VlFromQString(Edit()->selectedText()); }

void TEdit::SetSelText(const std::string &text) { Edit()->insert(VlToQString(text)); }

void TEdit::SelectAll() { Edit()->selectAll(); }

// ---------------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS_PROPS(TMemo, TWinControl, "StdCtrls",
    VlProps::Align(),
    {VlEnumProp<&TMemo::Alignment, &TMemo::SetAlignment>("Alignment", AlignmentEnumInfo(), taLeftJustify)},
    VlProps::Anchors(), VlProps::Color(clWindow), VlProps::Enabled(), VlProps::Font(),
    {VlClassProp<&TMemo::Lines, &TMemo::SetLines>("Lines", "TStrings"),
     VlIntProp<&TMemo::MaxLength, &TMemo::SetMaxLength>("MaxLength").WithDefault(0)},
    VlProps::ParentColor(false), VlProps::ParentFont(), VlProps::Hints(), VlProps::PopupMenu(),
    {VlBoolProp<&TMemo::ReadOnly, &TMemo::SetReadOnly>("ReadOnly", false),
     VlEnumProp<&TMemo::ScrollBars, &TMemo::SetScrollBars>("ScrollBars", ScrollStyleEnumInfo(), ssNone)},
    VlProps::TabOrder(), VlProps::TabStop(true), VlProps::Visible(),
    {VlBoolProp<&TMemo::WantReturns, &TMemo::SetWantReturns>("WantReturns", true),
     VlBoolProp<&TMemo::WantTabs, &TMemo::SetWantTabs>("WantTabs", false),
     VlBoolProp<&TMemo::WordWrap, &TMemo::SetWordWrap>("WordWrap", true),
     VlMethodProp<&TMemo::OnChange, &TMemo::SetOnChange>("OnChange")},
    VlProps::OnClick(), VlProps::OnDblClick(), VlProps::KeyEvents(), VlProps::MouseEvents())

TMemo::TMemo(TComponent *owner) : TWinControl(owner), FLines(std::make_unique<TStringList>())
{
    auto *editor = new QPlainTextEdit;
    editor->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    editor->setTabChangesFocus(true);
    SetWidget(editor);
    FLines->OnChange = [this](TObject *) { VlGuard([this] { LinesChanged(); }); };
    QObject::connect(editor, &QPlainTextEdit::textChanged, Bridge(), [this] { VlGuard([this] { EditorChanged(); }); });
    SetTabStop(true);
    SetColor(clWindow);
    SetDefaultSize(185, 89);
}

TMemo::~TMemo()
{
    DetachWidget();
    FLines->OnChange = nullptr;
}

QPlainTextEdit *TMemo::Editor() const { return static_cast<QPlainTextEdit *>(Widget()); }

std::string TMemo::Text() const { return FLines->Text(); }

void TMemo::LinesChanged()
{
    if (FSyncing)
        return;
    FSyncing = true;
    std::string text = FLines->Text();
    // Lines end with CR LF; the editor shows them without the last one.
    if (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0)
        text.resize(text.size() - 2);
    QString shown = VlToQString(text);
    shown.replace("\r\n", "\n");
    Editor()->setPlainText(shown);
    SyncText(FLines->Text());
    FSyncing = false;
    FireNotify(FOnChange, "OnChange");
}

void TMemo::EditorChanged()
{
    if (FSyncing)
        return;
    FSyncing = true;
    // One line per editor line, as a memo counts them: a text ending in a line break has an
    // empty last line.
    const QStringList lines = Editor()->toPlainText().split('\n');
    FLines->BeginUpdate();
    FLines->Clear();
    for (const QString &line : lines)
        FLines->Add(VlFromQString(line));
    if (lines.size() == 1 && lines[0].isEmpty())
        FLines->Clear();
    FLines->EndUpdate();
    SyncText(FLines->Text());
    FSyncing = false;
    FireNotify(FOnChange, "OnChange");
}

void TMemo::ApplyText()
{
    if (FSyncing)
        return;
    FLines->SetText(Caption());
}

void TMemo::ApplyColor()
{
    TWinControl::ApplyColor();
    SetBase(Editor(), Color());
}

bool TMemo::ReadOnly() const { return Editor()->isReadOnly(); }
void TMemo::SetReadOnly(bool value) { Editor()->setReadOnly(value); }

void TMemo::SetWordWrap(bool value)
{
    FWordWrap = value;
    Editor()->setLineWrapMode(value ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TMemo::SetScrollBars(TScrollStyle value)
{
    FScrollBars = value;
    const bool h = value == ssHorizontal || value == ssBoth, v = value == ssVertical || value == ssBoth;
    Editor()->setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    Editor()->setVerticalScrollBarPolicy(v ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void TMemo::SetWantTabs(bool value)
{
    FWantTabs = value;
    Editor()->setTabChangesFocus(!value);
}

// ---------------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS_PROPS(TCheckBox, TWinControl, "StdCtrls",
    {VlEnumProp<&TCheckBox::Alignment, &TCheckBox::SetAlignment>("Alignment", AlignmentEnumInfo(), taRightJustify),
     VlBoolProp<&TCheckBox::AllowGrayed, &TCheckBox::SetAllowGrayed>("AllowGrayed", false)},
    VlProps::Anchors(), VlProps::Caption(),
    {VlBoolProp<&TCheckBox::Checked, &TCheckBox::SetChecked>("Checked", false)},
    VlProps::Color(clBtnFace), VlProps::Enabled(), VlProps::Font(), VlProps::ParentColor(true),
    VlProps::ParentFont(), VlProps::Hints(), VlProps::PopupMenu(),
    {VlEnumProp<&TCheckBox::State, &TCheckBox::SetState>("State", CheckBoxStateEnumInfo(), cbUnchecked)},
    VlProps::TabOrder(), VlProps::TabStop(true), VlProps::Visible(), VlProps::OnClick(), VlProps::KeyEvents(),
    VlProps::MouseEvents())

TCheckBox::TCheckBox(TComponent *owner) : TWinControl(owner)
{
    FParentColor = true;
    auto *box = new QCheckBox;
    SetWidget(box);
    QObject::connect(box, &QCheckBox::stateChanged, Bridge(), [this](int state) {
        if (FApplying)
            return;
        VlGuard([&] {
            FState = state == Qt::Checked ? cbChecked : state == Qt::PartiallyChecked ? cbGrayed : cbUnchecked;
            Click();
        });
    });
    SetTabStop(true);
    SetDefaultSize(97, 17);
}

void TCheckBox::ApplyText() { static_cast<QCheckBox *>(Widget())->setText(VlToQString(Caption())); }

void TCheckBox::SetState(TCheckBoxState value)
{
    if (value == FState)
        return;
    FState = value;
    FApplying = true;
    static_cast<QCheckBox *>(Widget())->setCheckState(value == cbChecked ? Qt::Checked : value == cbGrayed ? Qt::PartiallyChecked : Qt::Unchecked);
    FApplying = false;
    Click();
}

void TCheckBox::SetAllowGrayed(bool value)
{
    FAllowGrayed = value;
    static_cast<QCheckBox *>(Widget())->setTristate(value);
}

void TCheckBox::SetAlignment(TAlignment value)
{
    FAlignment = value;
    Widget()->setLayoutDirection(value == taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight);
}

// ---------------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS_PROPS(TRadioButton, TWinControl, "StdCtrls",
    {VlEnumProp<&TRadioButton::Alignment, &TRadioButton::SetAlignment>("Alignment", AlignmentEnumInfo(), taRightJustify)},
    VlProps::Anchors(), VlProps::Caption(),
    {VlBoolProp<&TRadioButton::Checked, &TRadioButton::SetChecked>("Checked", false)},
    VlProps::Color(clBtnFace), VlProps::Enabled(), VlProps::Font(), VlProps::ParentColor(true),
    VlProps::ParentFont(), VlProps::Hints(), VlProps::PopupMenu(), VlProps::TabOrder(), VlProps::TabStop(false),
    VlProps::Visible(), VlProps::OnClick(), VlProps::OnDblClick(), VlProps::KeyEvents(), VlProps::MouseEvents())

TRadioButton::TRadioButton(TComponent *owner) : TWinControl(owner)
{
    FParentColor = true;
    auto *button = new QRadioButton;
    SetWidget(button);
    QObject::connect(button, &QRadioButton::toggled, Bridge(), [this](bool checked) {
        if (FApplying)
            return;
        VlGuard([&] {
            FChecked = checked;
            if (checked)
                Click();
        });
    });
    SetDefaultSize(113, 17);
}

void TRadioButton::ApplyText() { static_cast<QRadioButton *>(Widget())->setText(VlToQString(Caption())); }

void TRadioButton::SetChecked(bool value)
{
    if (value == FChecked)
        return;
    FChecked = value;
    FApplying = true;
    static_cast<QRadioButton *>(Widget())->setChecked(value);
    FApplying = false;
    if (value) {
        if (Parent())
            for (int i = 0; i < Parent()->ControlCount(); ++i)
                if (auto *other = dynamic_cast<TRadioButton *>(Parent()->Controls(i)); other && other != this)
                    other->FChecked = false;
        Click();
    }
}

void TRadioButton::SetAlignment(TAlignment value)
{
    FAlignment = value;
    Widget()->setLayoutDirection(value == taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight);
}

// ---------------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS_PROPS(TComboBox, TWinControl, "StdCtrls",
    {VlEnumProp<&TComboBox::Style, &TComboBox::SetStyle>("Style", ComboBoxStyleEnumInfo(), csDropDown)},
    VlProps::Anchors(), VlProps::Color(clWindow),
    {VlIntProp<&TComboBox::DropDownCount, &TComboBox::SetDropDownCount>("DropDownCount").WithDefault(8)},
    VlProps::Enabled(), VlProps::Font(),
    {VlIntProp<&TComboBox::ItemHeight, &TComboBox::SetItemHeight>("ItemHeight"),
     VlIntProp<&TComboBox::ItemIndex, &TComboBox::SetItemIndex>("ItemIndex").WithDefault(-1),
     VlIntProp<&TComboBox::MaxLength, &TComboBox::SetMaxLength>("MaxLength").WithDefault(0)},
    VlProps::ParentColor(false), VlProps::ParentFont(), VlProps::Hints(), VlProps::PopupMenu(),
    {VlBoolProp<&TComboBox::Sorted, &TComboBox::SetSorted>("Sorted", false)},
    VlProps::TabOrder(), VlProps::TabStop(true), VlProps::Text(), VlProps::Visible(),
    {VlMethodProp<&TComboBox::OnChange, &TComboBox::SetOnChange>("OnChange")},
    VlProps::OnClick(), VlProps::OnDblClick(),
    {VlMethodProp<&TComboBox::OnDrawItem, &TComboBox::SetOnDrawItem>("OnDrawItem", "TDrawItemEvent"),
     VlMethodProp<&TComboBox::OnDropDown, &TComboBox::SetOnDropDown>("OnDropDown"),
     VlMethodProp<&TComboBox::OnMeasureItem, &TComboBox::SetOnMeasureItem>("OnMeasureItem", "TMeasureItemEvent")},
    VlProps::KeyEvents(),
    {VlClassProp<&TComboBox::Items, &TComboBox::SetItems>("Items", "TStrings")})

TComboBox::TComboBox(TComponent *owner) : TWinControl(owner), FItems(std::make_unique<TStringList>())
{
    auto *combo = new QComboBox;
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    SetWidget(combo);
    FItems->OnChange = [this](TObject *) { VlGuard([this] { ItemsChanged(); }); };
    QObject::connect(combo, &QComboBox::activated, Bridge(), [this](int) {
        VlGuard([this] {
            SyncText(Text());
            FireNotify(FOnChange, "OnChange");
            Click();
        });
    });
    QObject::connect(combo, &QComboBox::editTextChanged, Bridge(), [this](const QString &text) {
        if (FSyncing || !Combo()->lineEdit() || !Combo()->lineEdit()->hasFocus())
            return;
        VlGuard([&] {
            SyncText(VlFromQString(text));
            FireNotify(FOnChange, "OnChange");
        });
    });
    SetTabStop(true);
    SetColor(clWindow);
    SetDefaultSize(145, 21);
}

TComboBox::~TComboBox()
{
    DetachWidget();
    FItems->OnChange = nullptr;
}

QComboBox *TComboBox::Combo() const { return static_cast<QComboBox *>(Widget()); }

void TComboBox::ItemsChanged()
{
    const QString text = Combo()->currentText();
    FSyncing = true;
    Combo()->clear();
    for (int i = 0; i < FItems->Count(); ++i)
        Combo()->addItem(VlToQString(FItems->Get(i)));
    if (FStyle == csDropDownList)
        Combo()->setCurrentIndex(-1);
    else
        Combo()->setEditText(text);
    FSyncing = false;
}

void TComboBox::Loaded()
{
    TWinControl::Loaded();
    if (FPendingIndex >= 0)
        SetItemIndex(FPendingIndex);
    FPendingIndex = -1;
}

std::string TComboBox::Text() const { return VlFromQString(Combo()->currentText()); }

void TComboBox::ApplyText()
{
    FSyncing = true;
    const QString text = VlToQString(Caption());
    if (FStyle == csDropDownList)
        Combo()->setCurrentIndex(Combo()->findText(text));
    else
        Combo()->setEditText(text);
    FSyncing = false;
}

void TComboBox::ApplyColor()
{
    TWinControl::ApplyColor();
    SetBase(Combo(), Color());
}

int TComboBox::ItemIndex() const
{
    const int index = Combo()->currentIndex();
    // An edited text that matches no item means no selection.
    if (index >= 0 && FStyle != csDropDownList && Combo()->currentText() != Combo()->itemText(index))
        return -1;
    return index;
}

void TComboBox::SetItemIndex(int index)
{
    // Form files may give the index before the items.
    if (HasState(csLoading)) {
        FPendingIndex = index;
        return;
    }
    if (index < -1 || index >= FItems->Count())
        index = -1;
    FSyncing = true;
    Combo()->setCurrentIndex(index);
    if (index < 0 && FStyle != csDropDownList)
        Combo()->setEditText(QString());
    FSyncing = false;
    SyncText(Text());
}

void TComboBox::SetStyle(TComboBoxStyle value)
{
    FStyle = value;
    const bool editable = value == csDropDown || value == csSimple;
    FSyncing = true;
    Combo()->setEditable(editable);
    if (editable)
        Combo()->setInsertPolicy(QComboBox::NoInsert);
    FSyncing = false;
    if (value == csOwnerDrawFixed || value == csOwnerDrawVariable)
        Canvas();
}

void TComboBox::SetDropDownCount(int value)
{
    FDropDownCount = value;
    Combo()->setMaxVisibleItems(std::max(1, value));
}

void TComboBox::SetMaxLength(int value)
{
    FMaxLength = std::max(0, value);
    if (Combo()->lineEdit())
        Combo()->lineEdit()->setMaxLength(FMaxLength > 0 ? FMaxLength : 32767);
}

// ---------------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS_PROPS(TListBox, TWinControl, "StdCtrls",
    VlProps::Align(), VlProps::Anchors(), VlProps::Color(clWindow),
    {VlIntProp<&TListBox::Columns, &TListBox::SetColumns>("Columns").WithDefault(0)},
    VlProps::Enabled(), VlProps::Font(),
    {VlBoolProp<&TListBox::IntegralHeight, &TListBox::SetIntegralHeight>("IntegralHeight", false),
     VlIntProp<&TListBox::ItemHeight, &TListBox::SetItemHeight>("ItemHeight"),
     VlClassProp<&TListBox::Items, &TListBox::SetItems>("Items", "TStrings"),
     VlBoolProp<&TListBox::MultiSelect, &TListBox::SetMultiSelect>("MultiSelect", false)},
    VlProps::ParentColor(false), VlProps::ParentFont(), VlProps::Hints(), VlProps::PopupMenu(),
    {VlBoolProp<&TListBox::Sorted, &TListBox::SetSorted>("Sorted", false),
     VlEnumProp<&TListBox::Style, &TListBox::SetStyle>("Style", ListBoxStyleEnumInfo(), lbStandard)},
    VlProps::TabOrder(), VlProps::TabStop(true), VlProps::Visible(), VlProps::OnClick(), VlProps::OnDblClick(),
    {VlMethodProp<&TListBox::OnDrawItem, &TListBox::SetOnDrawItem>("OnDrawItem", "TDrawItemEvent"),
     VlMethodProp<&TListBox::OnMeasureItem, &TListBox::SetOnMeasureItem>("OnMeasureItem", "TMeasureItemEvent")},
    VlProps::KeyEvents(), VlProps::MouseEvents())

TListBox::TListBox(TComponent *owner) : TWinControl(owner), FItems(std::make_unique<TStringList>())
{
    auto *list = new QListWidget;
    SetWidget(list);
    FItems->OnChange = [this](TObject *) { VlGuard([this] { ItemsChanged(); }); };
    QObject::connect(list, &QListWidget::itemClicked, Bridge(), [this] { VlGuard([this] { Click(); }); });
    SetTabStop(true);
    SetColor(clWindow);
    SetDefaultSize(121, 97);
}

TListBox::~TListBox()
{
    DetachWidget();
    FItems->OnChange = nullptr;
}

QListWidget *TListBox::List() const { return static_cast<QListWidget *>(Widget()); }

void TListBox::ItemsChanged()
{
    FSyncing = true;
    const int index = List()->currentRow();
    List()->clear();
    for (int i = 0; i < FItems->Count(); ++i)
        List()->addItem(VlToQString(FItems->Get(i)));
    if (index < FItems->Count())
        List()->setCurrentRow(index);
    FSyncing = false;
}

int TListBox::ItemIndex() const { return List()->currentRow(); }

void TListBox::SetItemIndex(int index)
{
    if (index < -1 || index >= FItems->Count())
        index = -1;
    List()->setCurrentRow(index);
}

void TListBox::SetMultiSelect(bool value)
{
    FMultiSelect = value;
    List()->setSelectionMode(value ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

bool TListBox::Selected(int index) const
{
    QListWidgetItem *item = List()->item(index);
    return item && item->isSelected();
}

void TListBox::SetSelected(int index, bool value)
{
    if (QListWidgetItem *item = List()->item(index))
        item->setSelected(value);
}

int TListBox::SelCount() const { return int(List()->selectedItems().size()); }

void TListBox::ApplyColor()
{
    TWinControl::ApplyColor();
    SetBase(List(), Color());
}

// ---------------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS_PROPS(TGroupBox, TWinControl, "StdCtrls",
    VlProps::Align(), VlProps::Anchors(), VlProps::Caption(), VlProps::Color(clBtnFace), VlProps::Enabled(),
    VlProps::Font(), VlProps::ParentColor(true), VlProps::ParentFont(), VlProps::Hints(), VlProps::PopupMenu(),
    VlProps::TabOrder(), VlProps::TabStop(false), VlProps::Visible(), VlProps::OnClick(), VlProps::OnDblClick(),
    VlProps::KeyEvents(), VlProps::MouseEvents())

TGroupBox::TGroupBox(TComponent *owner) : TWinControl(owner)
{
    FParentColor = true;
    SetWidget(new QGroupBox);
    SetDefaultSize(185, 105);
}

void TGroupBox::ApplyText() { static_cast<QGroupBox *>(Widget())->setTitle(VlToQString(Caption())); }

void TGroupBox::AlignControls(TRect &rect)
{
    // Children keep their own coordinates; aligned ones stay inside the frame and below the caption.
    const int captionHeight = QFontMetrics(Widget()->font()).height();
    rect.Left += 2;
    rect.Right -= 2;
    rect.Top += captionHeight;
    rect.Bottom -= 2;
    TWinControl::AlignControls(rect);
}

// ---------------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS_PROPS(TScrollBar, TWinControl, "StdCtrls",
    VlProps::Align(), VlProps::Anchors(), VlProps::Enabled(),
    {VlEnumProp<&TScrollBar::Kind, &TScrollBar::SetKind>("Kind", ScrollBarKindEnumInfo(), sbHorizontal),
     VlIntProp<&TScrollBar::LargeChange, &TScrollBar::SetLargeChange>("LargeChange", "TScrollBarInc").WithDefault(1),
     VlIntProp<&TScrollBar::Max, &TScrollBar::SetMax>("Max").WithDefault(100),
     VlIntProp<&TScrollBar::Min, &TScrollBar::SetMin>("Min").WithDefault(0),
     VlIntProp<&TScrollBar::PageSize, &TScrollBar::SetPageSize>("PageSize").WithDefault(0)},
    VlProps::Hints(), VlProps::PopupMenu(),
    {VlIntProp<&TScrollBar::Position, &TScrollBar::SetPosition>("Position").WithDefault(0),
     VlIntProp<&TScrollBar::SmallChange, &TScrollBar::SetSmallChange>("SmallChange", "TScrollBarInc").WithDefault(1)},
    VlProps::TabOrder(), VlProps::TabStop(true), VlProps::Visible(),
    {VlMethodProp<&TScrollBar::OnChange, &TScrollBar::SetOnChange>("OnChange"),
     VlMethodProp<&TScrollBar::OnScroll, &TScrollBar::SetOnScroll>("OnScroll", "TScrollEvent")},
    VlProps::KeyEvents())

TScrollBar::TScrollBar(TComponent *owner) : TWinControl(owner)
{
    auto *bar = new QScrollBar(Qt::Horizontal);
    SetWidget(bar);
    QObject::connect(bar, &QScrollBar::valueChanged, Bridge(), [this](int value) {
        if (FApplying)
            return;
        VlGuard([&] {
            TVlEventArgs args;
            args.Value = value;
            args.Key = scPosition;
            if (FireEvent(FOnScroll, "OnScroll", "TScrollEvent", args) && args.Value != value) {
                SetPosition(args.Value);
                return;
            }
            FPosition = value;
            FireNotify(FOnChange, "OnChange");
        });
    });
    SetTabStop(true);
    ApplyRange();
    SetDefaultSize(121, 16);
}

QScrollBar *TScrollBar::Bar() const { return static_cast<QScrollBar *>(Widget()); }

void TScrollBar::ApplyRange()
{
    FApplying = true;
    // Delphi's Max is the last position when PageSize is 0, and Max - PageSize + 1 otherwise.
    Bar()->setRange(FMin, FPageSize > 0 ? std::max(FMin, FMax - FPageSize + 1) : FMax);
    Bar()->setPageStep(FPageSize > 0 ? FPageSize : FLargeChange);
    Bar()->setSingleStep(FSmallChange);
    Bar()->setValue(FPosition);
    FApplying = false;
}

void TScrollBar::SetParams(int position, int min, int max)
{
    // While a form file is read, Min may come before a matching Max.
    if (max < min && !HasState(csLoading))
        throw EInvalidOperation("Scroll bar property out of range");
    max = std::max(min, max);
    position = std::clamp(position, min, max);
    const bool changed = position != FPosition;
    FMin = min;
    FMax = max;
    FPosition = position;
    ApplyRange();
    if (changed)
        FireNotify(FOnChange, "OnChange");
}

void TScrollBar::SetKind(TScrollBarKind value)
{
    if (value == FKind)
        return;
    FKind = value;
    Bar()->setOrientation(value == sbVertical ? Qt::Vertical : Qt::Horizontal);
    if (!HasState(csLoading))
        SetBounds(Left(), Top(), Height(), Width());
}

void TScrollBar::SetSmallChange(int value)
{
    FSmallChange = value;
    ApplyRange();
}

void TScrollBar::SetLargeChange(int value)
{
    FLargeChange = value;
    ApplyRange();
}

void TScrollBar::SetPageSize(int value)
{
    FPageSize = std::max(0, value);
    ApplyRange();
}
