// The source editor as a control: its text, lines, caret, selection, commands and settings.
#include "VlInterpreter_VlEditorControl.h"

#include "VlInterpreter_VlEditorWidget.h"

#include "components/VlControlProps.h"
#include "components/VlWidgetBridge.h"
#include "rtl/VlCp1251.h"
#include "rtl/VlExceptions.h"

namespace Ed = VlEditorWidget;

namespace {

QString Q(const std::string &text) { return VlToQString(text); }
std::string S(const QString &text) { return VlFromQString(text); }

} // namespace

// TVlKeyboard -------------------------------------------------------------------------------------------

const TClassInfo &TVlKeyboardObject::StaticClassInfo()
{
    static const TClassInfo info("TVlKeyboard", &TObject::StaticClassInfo(), "VlEditor", nullptr, {});
    return info;
}

TVlKeyboardObject::TVlKeyboardObject()
{
    for (const Ed::TKeyBinding &k : Ed::DefaultKeys())
        FKeys.push_back({k.Key, k.Modifiers, k.SecondKey, k.Command});
}

TVlKeyboardObject::~TVlKeyboardObject() = default;

const TVlKeyboardObject::TBinding &TVlKeyboardObject::At(int index) const
{
    if (index < 0 || index >= int(FKeys.size()))
        throw EListError(VlSprintf("List index out of bounds (%d)", index));
    return FKeys[size_t(index)];
}

int TVlKeyboardObject::Count() const { return int(FKeys.size()); }
int TVlKeyboardObject::Key(int index) const { return QtKeyToVirtualKey(At(index).Key); }
uint32_t TVlKeyboardObject::Shift(int index) const
{
    return QtModifiersToShift(Qt::KeyboardModifiers(At(index).Modifiers));
}
int TVlKeyboardObject::SecondKey(int index) const
{
    const int key = At(index).SecondKey;
    return key ? QtKeyToVirtualKey(key) : 0;
}
int TVlKeyboardObject::Command(int index) const { return At(index).Command; }

int TVlKeyboardObject::CommandOf(int key, uint32_t shift) const
{
    const int qtKey = VirtualKeyToQtKey(key);
    for (const TBinding &k : FKeys)
        if (k.Key == qtKey && k.SecondKey == 0 &&
            QtModifiersToShift(Qt::KeyboardModifiers(k.Modifiers)) == (shift & (ssShift | ssAlt | ssCtrl)))
            return k.Command;
    return 0;
}

// The lines of the editor as a string list --------------------------------------------------------------------

class TVlCustomEditor::TEditorLines : public TStrings {
public:
    explicit TEditorLines(TVlCustomEditor *owner) : FOwner(owner) {}
    int Count() const override { return FOwner->LineCount(); }
    std::string Get(int index) const override
    {
        Check(index);
        return FOwner->Line(index);
    }
    void Put(int index, const std::string &value) override
    {
        Check(index);
        FOwner->SetLine(index, value);
    }
    void Insert(int index, const std::string &value) override
    {
        if (index < 0 || index > Count())
            throw EStringListError(VlSprintf("List index out of bounds (%d)", index));
        FOwner->InsertLine(index, value);
    }
    void Delete(int index) override
    {
        Check(index);
        FOwner->DeleteLine(index);
    }
    void Clear() override { Ed::SetText(FOwner->Widget(), QString()); }
    void SetText(const std::string &text) override { Ed::SetText(FOwner->Widget(), Q(text)); }

private:
    void Check(int index) const
    {
        if (index < 0 || index >= Count())
            throw EStringListError(VlSprintf("List index out of bounds (%d)", index));
    }
    TVlCustomEditor *FOwner;
};

// TVlCustomEditor ---------------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS_PROPS(TVlCustomEditor, TWinControl, "VlEditor",
    VlProps::Align(), VlProps::Anchors(), VlProps::Enabled(), VlProps::Font(),
    {VlIntProp<&TVlCustomEditor::GutterWidth, &TVlCustomEditor::SetGutterWidth>("GutterWidth").WithDefault(30),
     VlClassProp<&TVlCustomEditor::Lines, &TVlCustomEditor::SetLines>("Lines", "TStrings"),
     VlBoolProp<&TVlCustomEditor::ReadOnly, &TVlCustomEditor::SetReadOnly>("ReadOnly", false),
     VlIntProp<&TVlCustomEditor::RightMargin, &TVlCustomEditor::SetRightMargin>("RightMargin").WithDefault(80),
     VlBoolProp<&TVlCustomEditor::RightMarginVisible, &TVlCustomEditor::SetRightMarginVisible>("RightMarginVisible", false),
     VlBoolProp<&TVlCustomEditor::SyntaxHighlighting, &TVlCustomEditor::SetSyntaxHighlighting>("SyntaxHighlighting", true),
     VlStrProp<&TVlCustomEditor::TabStops, &TVlCustomEditor::SetTabStops>("TabStops")},
    VlProps::Hints(), VlProps::PopupMenu(), VlProps::TabOrder(), VlProps::TabStop(true), VlProps::Visible(),
    {VlMethodProp<&TVlCustomEditor::OnChange, &TVlCustomEditor::SetOnChange>("OnChange"),
     VlMethodProp<&TVlCustomEditor::OnChangeStatus, &TVlCustomEditor::SetOnChangeStatus>("OnChangeStatus")},
    VlProps::OnClick(), VlProps::OnDblClick(), VlProps::KeyEvents(), VlProps::MouseEvents())

VL_IMPLEMENT_CLASS(TVlEditor, TVlCustomEditor, "VlEditor")

TVlCustomEditor::TVlCustomEditor(TComponent *owner)
    : TWinControl(owner), FLines(std::make_unique<TEditorLines>(this)), FKeyboard(std::make_unique<TVlKeyboardObject>())
{
    QWidget *editor = Ed::Create();
    SetWidget(editor);
    Ed::OnTextChanged(editor, Bridge(), [this] {
        if (!FSyncing)
            VlGuard([this] {
                SyncText(Text());
                FireNotify(FOnChange, "OnChange");
            });
    });
    Ed::OnChangeStatus(editor, Bridge(), [this] { VlGuard([this] { FireNotify(FOnChangeStatus, "OnChangeStatus"); }); });
    SetTabStop(true);
    SetDefaultSize(185, 89);
}

TVlCustomEditor::~TVlCustomEditor()
{
    DetachWidget();
}

TStrings *TVlCustomEditor::Lines() const { return FLines.get(); }
void TVlCustomEditor::SetLines(TStrings *lines) { FLines->Assign(lines); }

std::string TVlCustomEditor::Text() const { return S(Ed::Text(Widget())); }

void TVlCustomEditor::ApplyText()
{
    FSyncing = true;
    Ed::SetText(Widget(), Q(Caption()));
    FSyncing = false;
}

namespace {
void CheckIndex(int index, int count)
{
    if (index < 0 || index >= count)
        throw EListError(VlSprintf("List index out of bounds (%d)", index));
}
} // namespace

int TVlCustomEditor::LineCount() const { return Ed::LineCount(Widget()); }

std::string TVlCustomEditor::Line(int index) const
{
    CheckIndex(index, LineCount());
    return S(Ed::Line(Widget(), index));
}

void TVlCustomEditor::SetLine(int index, const std::string &text)
{
    CheckIndex(index, LineCount());
    Ed::PutLine(Widget(), index, Q(text));
}

void TVlCustomEditor::AppendLine(const std::string &text) { Ed::AppendLine(Widget(), Q(text)); }
void TVlCustomEditor::InsertLine(int index, const std::string &text) { Ed::InsertLine(Widget(), index, Q(text)); }

void TVlCustomEditor::DeleteLine(int index)
{
    CheckIndex(index, LineCount());
    Ed::DeleteLine(Widget(), index);
}

int TVlCustomEditor::CaretX() const { return Ed::CaretX(Widget()); }
void TVlCustomEditor::SetCaretX(int value) { Ed::SetCaret(Widget(), value, CaretY()); }
int TVlCustomEditor::CaretY() const { return Ed::CaretY(Widget()); }
void TVlCustomEditor::SetCaretY(int value) { Ed::SetCaret(Widget(), CaretX(), value); }
int TVlCustomEditor::SelStart() const { return Ed::SelStart(Widget()); }
void TVlCustomEditor::SetSelStart(int value) { Ed::SetSelStart(Widget(), value); }
int TVlCustomEditor::SelLength() const { return Ed::SelLength(Widget()); }
void TVlCustomEditor::SetSelLength(int value) { Ed::SetSelLength(Widget(), value); }
std::string TVlCustomEditor::SelText() const { return S(Ed::SelText(Widget())); }
void TVlCustomEditor::SetSelText(const std::string &text) { Ed::SetSelText(Widget(), Q(text)); }
bool TVlCustomEditor::SelAvail() const { return Ed::SelAvail(Widget()); }
void TVlCustomEditor::SelectAll() { Ed::SelectAll(Widget()); }
void TVlCustomEditor::ClearSelection() { Ed::ClearSelection(Widget()); }
void TVlCustomEditor::CopyToClipboard() { Ed::CopyToClipboard(Widget()); }
void TVlCustomEditor::CutToClipboard() { Ed::CutToClipboard(Widget()); }
void TVlCustomEditor::PasteFromClipboard() { Ed::PasteFromClipboard(Widget()); }
void TVlCustomEditor::Undo() { Ed::Undo(Widget()); }
void TVlCustomEditor::Redo() { Ed::Redo(Widget()); }
bool TVlCustomEditor::CanUndo() const { return Ed::CanUndo(Widget()); }
bool TVlCustomEditor::CanRedo() const { return Ed::CanRedo(Widget()); }
void TVlCustomEditor::BeginCompound() { Ed::BeginCompound(Widget()); }
void TVlCustomEditor::EndCompound() { Ed::EndCompound(Widget()); }
bool TVlCustomEditor::Modified() const { return Ed::Modified(Widget()); }
void TVlCustomEditor::SetModified(bool value) { Ed::SetModified(Widget(), value); }
bool TVlCustomEditor::ReadOnly() const { return Ed::ReadOnly(Widget()); }
void TVlCustomEditor::SetReadOnly(bool value) { Ed::SetReadOnly(Widget(), value); }
bool TVlCustomEditor::InsertMode() const { return Ed::InsertMode(Widget()); }
void TVlCustomEditor::SetInsertMode(bool value) { Ed::SetInsertMode(Widget(), value); }
bool TVlCustomEditor::Recording() const { return Ed::Recording(Widget()); }
void TVlCustomEditor::ExecuteCommand(int command) { Ed::ExecuteCommand(Widget(), command); }
int TVlCustomEditor::GutterWidth() const { return Ed::GutterWidth(Widget()); }
void TVlCustomEditor::SetGutterWidth(int value) { Ed::SetGutterWidth(Widget(), value); }
int TVlCustomEditor::RightMargin() const { return Ed::RightMargin(Widget()); }
void TVlCustomEditor::SetRightMargin(int value) { Ed::SetRightMargin(Widget(), value); }
bool TVlCustomEditor::RightMarginVisible() const { return Ed::RightMarginVisible(Widget()); }
void TVlCustomEditor::SetRightMarginVisible(bool value) { Ed::SetRightMarginVisible(Widget(), value); }
std::string TVlCustomEditor::TabStops() const { return S(Ed::TabStops(Widget())); }
void TVlCustomEditor::SetTabStops(const std::string &value) { Ed::SetTabStops(Widget(), Q(value)); }
bool TVlCustomEditor::SyntaxHighlighting() const { return Ed::SyntaxHighlighting(Widget()); }
void TVlCustomEditor::SetSyntaxHighlighting(bool value) { Ed::SetSyntaxHighlighting(Widget(), value); }

bool TVlCustomEditor::BookmarkValid(int index) const
{
    CheckIndex(index, 10);
    return Ed::BookmarkValid(Widget(), index);
}

int TVlCustomEditor::BookmarkX(int index) const
{
    CheckIndex(index, 10);
    return Ed::BookmarkX(Widget(), index);
}

int TVlCustomEditor::BookmarkY(int index) const
{
    CheckIndex(index, 10);
    return Ed::BookmarkY(Widget(), index);
}

void TVlCustomEditor::LoadFromFile(const std::string &fileName)
{
    Ed::SetText(Widget(), QString::fromStdString(ReadTextFile(fileName)));
}

void TVlCustomEditor::SaveToFile(const std::string &fileName) const
{
    WriteTextFile(fileName, Ed::Text(Widget()).toStdString());
}
