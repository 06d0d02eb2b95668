// TRichEdit over QTextEdit: Lines kept in step with the document, selection and paragraph attributes,
// protected text, and the resize and clipboard events.
#include "VlRichEdit.h"

#include "VlControlProps.h"
#include "VlWidgetBridge.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPrinter>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextList>

namespace {

// The character format property that marks protected text.
constexpr int ProtectedProperty = QTextFormat::UserProperty + 1;

int ToTextOffset(const QTextDocument *document, int position)
{
    return position + std::max(0, document->findBlock(position).blockNumber());
}

int FromTextOffset(const QTextDocument *document, int offset)
{
    int position = 0;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const int length = block.length() - 1;
        if (offset <= length)
            return position + std::max(0, offset);
        offset -= length + 2;
        position += length + 1;
        if (offset < 0)
            return position - 1;
    }
    return std::max(0, document->characterCount() - 1);
}

} // namespace

const TEnumInfo &NumberingStyleEnumInfo()
{
    static const TEnumInfo info("TNumberingStyle", {"nsNone", "nsBullet"});
    return info;
}

// The text editor of a rich edit: edits of protected text ask OnProtectChange first.
class TRichEdit::TVlTextEdit : public QTextEdit {
public:
    explicit TVlTextEdit(TRichEdit *edit) : FEdit(edit) {}

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        const bool edits = !event->text().isEmpty() || event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete;
        bool allowed = true;
        if (edits)
            VlGuard([&] { allowed = FEdit->MayEditProtected(); });
        if (allowed)
            QTextEdit::keyPressEvent(event);
    }

private:
    TRichEdit *FEdit;
};

// TTextAttributes ----------------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS(TTextAttributes, TPersistent, "ComCtrls",
    VlIntProp<&TTextAttributes::Color, &TTextAttributes::SetColor>("Color", "TColor"),
    VlIntProp<&TTextAttributes::Height, &TTextAttributes::SetHeight>("Height"),
    VlStrProp<&TTextAttributes::Name, &TTextAttributes::SetName>("Name", "TFontName"),
    VlEnumProp<&TTextAttributes::Pitch, &TTextAttributes::SetPitch>("Pitch", FontPitchEnumInfo(), fpDefault),
    VlBoolProp<&TTextAttributes::Protected, &TTextAttributes::SetProtected>("Protected", false),
    VlIntProp<&TTextAttributes::Size, &TTextAttributes::SetSize>("Size"),
    VlSetProp<&TTextAttributes::Style, &TTextAttributes::SetStyle>("Style", "TFontStyles", FontStyleEnumInfo(), 0))

TTextAttributes::TTextAttributes(TRichEdit *owner, TAttributeType type) : FOwner(owner), FType(type) {}

namespace {

QTextCharFormat FormatOf(const TRichEdit *edit, TAttributeType type)
{
    QTextEdit *editor = edit->Editor();
    return type == atSelected ? editor->currentCharFormat() : QTextCharFormat();
}

void MergeFormat(TRichEdit *edit, TAttributeType type, const QTextCharFormat &format)
{
    QTextEdit *editor = edit->Editor();
    if (type == atSelected) {
        editor->mergeCurrentCharFormat(format);
        return;
    }
    // Defaults: the whole text and what is typed from now on.
    QTextCursor cursor(editor->document());
    cursor.select(QTextCursor::Document);
    cursor.mergeCharFormat(format);
    QFont font = editor->document()->defaultFont();
    if (format.hasProperty(QTextFormat::FontFamilies))
        font.setFamilies(format.fontFamilies().toStringList());
    if (format.hasProperty(QTextFormat::FontPointSize))
        font.setPointSizeF(format.fontPointSize());
    editor->document()->setDefaultFont(font);
    editor->mergeCurrentCharFormat(format);
}

} // namespace

std::string TTextAttributes::Name() const
{
    const QTextCharFormat format = FormatOf(FOwner, FType);
    const QStringList families = format.fontFamilies().toStringList();
    return VlFromQString(families.isEmpty() ? FOwner->Editor()->document()->defaultFont().family() : families.front());
}

void TTextAttributes::SetName(const std::string &name)
{
    QTextCharFormat format;
    format.setFontFamilies({VlToQString(name)});
    MergeFormat(FOwner, FType, format);
}

int TTextAttributes::Size() const
{
    const QTextCharFormat format = FormatOf(FOwner, FType);
    const double points = format.fontPointSize() > 0 ? format.fontPointSize() : FOwner->Editor()->document()->defaultFont().pointSizeF();
    return qRound(points);
}

void TTextAttributes::SetSize(int size)
{
    QTextCharFormat format;
    format.setFontPointSize(std::max(1, size));
    MergeFormat(FOwner, FType, format);
}

// Height in pixels at 96 pixels per inch (negative Delphi heights are taken as their size).
int TTextAttributes::Height() const { return -qRound(Size() * 96.0 / 72.0); }
void TTextAttributes::SetHeight(int height) { SetSize(qRound(std::abs(height) * 72.0 / 96.0)); }

TFontStyles TTextAttributes::Style() const
{
    const QTextCharFormat format = FormatOf(FOwner, FType);
    TFontStyles style = 0;
    if (format.fontWeight() >= QFont::Bold)
        style |= VlFontStyle(fsBold);
    if (format.fontItalic())
        style |= VlFontStyle(fsItalic);
    if (format.fontUnderline())
        style |= VlFontStyle(fsUnderline);
    if (format.fontStrikeOut())
        style |= VlFontStyle(fsStrikeOut);
    return style;
}

void TTextAttributes::SetStyle(TFontStyles style)
{
    QTextCharFormat format;
    format.setFontWeight(style & VlFontStyle(fsBold) ? QFont::Bold : QFont::Normal);
    format.setFontItalic(style & VlFontStyle(fsItalic));
    format.setFontUnderline(style & VlFontStyle(fsUnderline));
    format.setFontStrikeOut(style & VlFontStyle(fsStrikeOut));
    MergeFormat(FOwner, FType, format);
}

TColor TTextAttributes::Color() const
{
    const QTextCharFormat format = FormatOf(FOwner, FType);
    return format.hasProperty(QTextFormat::ForegroundBrush) ? QColorToColor(format.foreground().color()) : clWindowText;
}

void TTextAttributes::SetColor(TColor color)
{
    QTextCharFormat format;
    format.setForeground(ColorToQColor(color));
    MergeFormat(FOwner, FType, format);
}

TFontPitch TTextAttributes::Pitch() const
{
    const QTextCharFormat format = FormatOf(FOwner, FType);
    return format.fontFixedPitch() ? fpFixed : fpDefault;
}

void TTextAttributes::SetPitch(TFontPitch pitch)
{
    QTextCharFormat format;
    format.setFontFixedPitch(pitch == fpFixed);
    MergeFormat(FOwner, FType, format);
}

bool TTextAttributes::Protected() const { return FormatOf(FOwner, FType).boolProperty(ProtectedProperty); }

void TTextAttributes::SetProtected(bool value)
{
    QTextCharFormat format;
    format.setProperty(ProtectedProperty, value);
    MergeFormat(FOwner, FType, format);
}

void TTextAttributes::Assign(const TPersistent *source)
{
    if (auto *font = dynamic_cast<const TFont *>(source)) {
        SetName(font->Name());
        SetSize(font->Size());
        SetStyle(font->Style());
        SetColor(font->Color());
        return;
    }
    if (auto *other = dynamic_cast<const TTextAttributes *>(source)) {
        SetName(other->Name());
        SetSize(other->Size());
        SetStyle(other->Style());
        SetColor(other->Color());
        SetProtected(other->Protected());
        return;
    }
    TPersistent::Assign(source);
}

// TParaAttributes ----------------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS(TParaAttributes, TPersistent, "ComCtrls",
    VlEnumProp<&TParaAttributes::Alignment, &TParaAttributes::SetAlignment>("Alignment", AlignmentEnumInfo(), taLeftJustify),
    VlIntProp<&TParaAttributes::FirstIndent, &TParaAttributes::SetFirstIndent>("FirstIndent"),
    VlIntProp<&TParaAttributes::LeftIndent, &TParaAttributes::SetLeftIndent>("LeftIndent"),
    VlEnumProp<&TParaAttributes::Numbering, &TParaAttributes::SetNumbering>("Numbering", NumberingStyleEnumInfo(), nsNone),
    VlIntProp<&TParaAttributes::RightIndent, &TParaAttributes::SetRightIndent>("RightIndent"),
    VlIntProp<&TParaAttributes::TabCount, &TParaAttributes::SetTabCount>("TabCount"))

namespace {

QTextBlockFormat BlockFormat(const TRichEdit *edit) { return edit->Editor()->textCursor().blockFormat(); }

void MergeBlock(TRichEdit *edit, const QTextBlockFormat &format)
{
    QTextCursor cursor = edit->Editor()->textCursor();
    cursor.mergeBlockFormat(format);
    edit->Editor()->setTextCursor(cursor);
}

} // namespace

TAlignment TParaAttributes::Alignment() const
{
    const Qt::Alignment a = BlockFormat(FOwner).alignment();
    return a & Qt::AlignHCenter ? taCenter : a & Qt::AlignRight ? taRightJustify : taLeftJustify;
}

void TParaAttributes::SetAlignment(TAlignment value)
{
    QTextBlockFormat format;
    format.setAlignment(value == taCenter ? Qt::AlignHCenter : value == taRightJustify ? Qt::AlignRight : Qt::AlignLeft);
    MergeBlock(FOwner, format);
}

int TParaAttributes::FirstIndent() const { return qRound(BlockFormat(FOwner).textIndent()); }

void TParaAttributes::SetFirstIndent(int value)
{
    QTextBlockFormat format;
    format.setTextIndent(value);
    MergeBlock(FOwner, format);
}

int TParaAttributes::LeftIndent() const { return qRound(BlockFormat(FOwner).leftMargin()); }

void TParaAttributes::SetLeftIndent(int value)
{
    QTextBlockFormat format;
    format.setLeftMargin(value);
    MergeBlock(FOwner, format);
}

int TParaAttributes::RightIndent() const { return qRound(BlockFormat(FOwner).rightMargin()); }

void TParaAttributes::SetRightIndent(int value)
{
    QTextBlockFormat format;
    format.setRightMargin(value);
    MergeBlock(FOwner, format);
}

TNumberingStyle TParaAttributes::Numbering() const
{
    return FOwner->Editor()->textCursor().currentList() ? nsBullet : nsNone;
}

void TParaAttributes::SetNumbering(TNumberingStyle value)
{
    QTextCursor cursor = FOwner->Editor()->textCursor();
    QTextList *list = cursor.currentList();
    if (value == nsBullet && !list) {
        cursor.createList(QTextListFormat::ListDisc);
    } else if (value == nsNone && list) {
        QTextBlockFormat format = cursor.blockFormat();
        list->remove(cursor.block());
        format.setIndent(0);
        cursor.setBlockFormat(format);
    }
}

int TParaAttributes::TabCount() const { return int(BlockFormat(FOwner).tabPositions().size()); }

void TParaAttributes::SetTabCount(int count)
{
    QList<QTextOption::Tab> tabs = BlockFormat(FOwner).tabPositions();
    while (tabs.size() > count)
        tabs.removeLast();
    while (tabs.size() < count)
        tabs.append(QTextOption::Tab((tabs.size() + 1) * 40.0, QTextOption::LeftTab));
    QTextBlockFormat format;
    format.setTabPositions(tabs);
    MergeBlock(FOwner, format);
}

int TParaAttributes::Tab(int index) const
{
    const QList<QTextOption::Tab> tabs = BlockFormat(FOwner).tabPositions();
    return index >= 0 && index < tabs.size() ? qRound(tabs[index].position) : 0;
}

void TParaAttributes::SetTab(int index, int value)
{
    QList<QTextOption::Tab> tabs = BlockFormat(FOwner).tabPositions();
    if (index < 0 || index >= tabs.size())
        return;
    tabs[index].position = value;
    QTextBlockFormat format;
    format.setTabPositions(tabs);
    MergeBlock(FOwner, format);
}

void TParaAttributes::Assign(const TPersistent *source)
{
    if (auto *other = dynamic_cast<const TParaAttributes *>(source)) {
        SetAlignment(other->Alignment());
        SetFirstIndent(other->FirstIndent());
        SetLeftIndent(other->LeftIndent());
        SetRightIndent(other->RightIndent());
        SetNumbering(other->Numbering());
        return;
    }
    TPersistent::Assign(source);
}

// TRichEdit -----------------------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS_PROPS(TRichEdit, TWinControl, "ComCtrls",
    VlProps::Align(), VlProps::Anchors(), VlProps::Color(clWindow), VlProps::Enabled(), VlProps::Font(),
    {VlBoolProp<&TRichEdit::HideSelection, &TRichEdit::SetHideSelection>("HideSelection", true),
     VlClassProp<&TRichEdit::Lines, &TRichEdit::SetLines>("Lines", "TStrings"),
     VlIntProp<&TRichEdit::MaxLength, &TRichEdit::SetMaxLength>("MaxLength").WithDefault(0)},
    VlProps::ParentColor(false), VlProps::ParentFont(), VlProps::Hints(), VlProps::PopupMenu(),
    {VlBoolProp<&TRichEdit::PlainText, &TRichEdit::SetPlainText>("PlainText", false),
     VlBoolProp<&TRichEdit::ReadOnly, &TRichEdit::SetReadOnly>("ReadOnly", false),
     VlEnumProp<&TRichEdit::ScrollBars, &TRichEdit::SetScrollBars>("ScrollBars", ScrollStyleEnumInfo(), ssNone)},
    VlProps::TabOrder(), VlProps::TabStop(true), VlProps::Visible(),
    {VlBoolProp<&TRichEdit::WordWrap, &TRichEdit::SetWordWrap>("WordWrap", true),
     VlMethodProp<&TRichEdit::OnChange, &TRichEdit::SetOnChange>("OnChange"),
     VlMethodProp<&TRichEdit::OnProtectChange, &TRichEdit::SetOnProtectChange>("OnProtectChange", "TRichEditProtectChange"),
     VlMethodProp<&TRichEdit::OnResizeRequest, &TRichEdit::SetOnResizeRequest>("OnResizeRequest", "TRichEditResizeEvent"),
     VlMethodProp<&TRichEdit::OnSaveClipboard, &TRichEdit::SetOnSaveClipboard>("OnSaveClipboard", "TRichEditSaveClipboard"),
     VlMethodProp<&TRichEdit::OnSelectionChange, &TRichEdit::SetOnSelectionChange>("OnSelectionChange")},
    VlProps::OnClick(), VlProps::OnDblClick(), VlProps::KeyEvents(), VlProps::MouseEvents())

TRichEdit::TRichEdit(TComponent *owner)
    : TWinControl(owner), FLines(std::make_unique<TStringList>()),
      FSelAttributes(std::make_unique<TTextAttributes>(this, atSelected)),
      FDefAttributes(std::make_unique<TTextAttributes>(this, atDefaultText)),
      FParagraph(std::make_unique<TParaAttributes>(this))
{
    auto *editor = new TVlTextEdit(this);
    editor->setAcceptRichText(true);
    SetWidget(editor);
    FLines->OnChange = [this](TObject *) { VlGuard([this] { LinesChanged(); }); };
    QObject::connect(editor, &QTextEdit::textChanged, Bridge(), [this] { VlGuard([this] { EditorChanged(); }); });
    QObject::connect(editor, &QTextEdit::selectionChanged, Bridge(),
                     [this] { VlGuard([this] { FireNotify(FOnSelectionChange, "OnSelectionChange"); }); });
    QObject::connect(editor->document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, Bridge(),
                     [this](const QSizeF &size) {
                         VlGuard([&] {
                             TVlEventArgs args;
                             args.Rect[2] = qRound(size.width());
                             args.Rect[3] = qRound(size.height());
                             FireEvent(FOnResizeRequest, "OnResizeRequest", "TRichEditResizeEvent", args);
                         });
                     });
    SetTabStop(true);
    SetColor(clWindow);
    SetDefaultSize(185, 89);
}

TRichEdit::~TRichEdit()
{
    // Text this control put on the clipboard stays there unless OnSaveClipboard says otherwise.
    if (FCopied && FOnSaveClipboard.IsAssigned() && CanFireEvents() && qApp) {
        VlGuard([this] {
            TVlEventArgs args;
            args.Index = 0;
            args.Value = int(QApplication::clipboard()->text().size());
            args.Allow = true;
            if (FireEvent(FOnSaveClipboard, "OnSaveClipboard", "TRichEditSaveClipboard", args) && !args.Allow)
                QApplication::clipboard()->clear();
        });
    }
    DetachWidget();
    FLines->OnChange = nullptr;
}

QTextEdit *TRichEdit::Editor() const { return static_cast<QTextEdit *>(Widget()); }

std::string TRichEdit::Text() const { return FLines->Text(); }

void TRichEdit::LinesChanged()
{
    if (FSyncing)
        return;
    FSyncing = true;
    QString text = VlToQString(FLines->Text());
    if (text.endsWith(QStringLiteral("\r\n")))
        text.chop(2);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Editor()->setPlainText(text);
    FSyncing = false;
    SyncText(FLines->Text());
    FireNotify(FOnChange, "OnChange");
}

void TRichEdit::EditorChanged()
{
    if (FSyncing)
        return;
    FSyncing = true;
    QString text = Editor()->toPlainText();
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    FLines->SetText(VlFromQString(text));
    FSyncing = false;
    SyncText(FLines->Text());
    FireNotify(FOnChange, "OnChange");
}

void TRichEdit::ApplyText()
{
    if (!FSyncing)
        FLines->SetText(Caption());
}

void TRichEdit::ApplyColor()
{
    TWinControl::ApplyColor();
    QPalette palette = Widget()->palette();
    palette.setColor(QPalette::Base, ColorToQColor(Color()));
    Widget()->setPalette(palette);
}

bool TRichEdit::ReadOnly() const { return Editor()->isReadOnly(); }
void TRichEdit::SetReadOnly(bool value) { Editor()->setReadOnly(value); }

void TRichEdit::SetWordWrap(bool value)
{
    FWordWrap = value;
    Editor()->setLineWrapMode(value ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
}

void TRichEdit::SetScrollBars(TScrollStyle value)
{
    FScrollBars = value;
    const bool horizontal = value == ssHorizontal || value == ssBoth;
    const bool vertical = value == ssVertical || value == ssBoth;
    Editor()->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
    Editor()->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
}

int TRichEdit::SelStart() const
{
    return ToTextOffset(Editor()->document(), Editor()->textCursor().selectionStart());
}

void TRichEdit::SetSelStart(int value)
{
    QTextCursor cursor = Editor()->textCursor();
    cursor.setPosition(FromTextOffset(Editor()->document(), value));
    Editor()->setTextCursor(cursor);
}

int TRichEdit::SelLength() const
{
    const QTextCursor cursor = Editor()->textCursor();
    return ToTextOffset(Editor()->document(), cursor.selectionEnd()) -
           ToTextOffset(Editor()->document(), cursor.selectionStart());
}

void TRichEdit::SetSelLength(int value)
{
    const int start = SelStart();
    QTextCursor cursor = Editor()->textCursor();
    cursor.setPosition(FromTextOffset(Editor()->document(), start));
    cursor.setPosition(FromTextOffset(Editor()->document(), start + std::max(0, value)), QTextCursor::KeepAnchor);
    Editor()->setTextCursor(cursor);
}

std::string TRichEdit::SelText() const
{
    QString text = Editor()->textCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return VlFromQString(text);
}

void TRichEdit::SetSelText(const std::string &text)
{
    QString qtext = VlToQString(text);
    qtext.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Editor()->textCursor().insertText(qtext);
}

void TRichEdit::SelectAll() { Editor()->selectAll(); }
void TRichEdit::ClearSelection() { Editor()->textCursor().removeSelectedText(); }

void TRichEdit::CopyToClipboard()
{
    Editor()->copy();
    FCopied = true;
}

void TRichEdit::CutToClipboard()
{
    if (!MayEditProtected())
        return;
    Editor()->cut();
    FCopied = true;
}

void TRichEdit::PasteFromClipboard()
{
    if (MayEditProtected())
        Editor()->paste();
}

void TRichEdit::Undo() { Editor()->undo(); }
bool TRichEdit::CanUndo() const { return Editor()->document()->isUndoAvailable(); }
bool TRichEdit::Modified() const { return Editor()->document()->isModified(); }
void TRichEdit::SetModified(bool value) { Editor()->document()->setModified(value); }

int TRichEdit::FindText(const std::string &searchText, int start, int length, uint32_t options) const
{
    QTextDocument::FindFlags flags;
    if (options & stWholeWord)
        flags |= QTextDocument::FindWholeWords;
    if (options & stMatchCase)
        flags |= QTextDocument::FindCaseSensitively;
    const QTextDocument *document = Editor()->document();
    const QTextCursor found = document->find(VlToQString(searchText), FromTextOffset(document, start), flags);
    if (found.isNull())
        return -1;
    const int offset = ToTextOffset(document, found.selectionStart());
    return offset + int(searchText.size()) <= start + length ? offset : -1;
}

void TRichEdit::Print(const std::string &caption)
{
    QPrinter printer;
    printer.setDocName(VlToQString(caption));
    Editor()->document()->print(&printer);
}

bool TRichEdit::MayEditProtected()
{
    const QTextCursor cursor = Editor()->textCursor();
    // Protected characters in the selection (or the one before the caret) guard the edit.
    bool touched = false;
    const int from = cursor.hasSelection() ? cursor.selectionStart() : std::max(0, cursor.position() - 1);
    const int to = cursor.hasSelection() ? cursor.selectionEnd() : cursor.position() + 1;
    for (int position = from; position < to && !touched; ++position) {
        QTextCursor probe(Editor()->document());
        probe.setPosition(position);
        probe.setPosition(position + 1, QTextCursor::KeepAnchor);
        touched = probe.charFormat().boolProperty(ProtectedProperty);
    }
    if (!touched)
        return true;
    TVlEventArgs args;
    args.Index = ToTextOffset(Editor()->document(), from);
    args.Value = ToTextOffset(Editor()->document(), to);
    args.Allow = false;
    return FireEvent(FOnProtectChange, "OnProtectChange", "TRichEditProtectChange", args) && args.Allow;
}
