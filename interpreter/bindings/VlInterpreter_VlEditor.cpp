// The VlEditor unit for scripts: the source editor control, its key map, and the editor commands.
#include "VlInterpreterGuiBinding.h"
#include "VlInterpreterGui_all.h"
#include "VlInterpreter_VlEditorControl.h"

#include "VlInterpreter_VlEditorWidget.h"

#include "rtl/VlClassRegistry.h"

namespace {

const TVlMemberBinding EditorMembers[] = {
    VlMethod<&TVlCustomEditor::LineCount>("LineCount"), VlIndexed<&TVlCustomEditor::Line>("Line"),
    VlIndexedWriter<&TVlCustomEditor::SetLine>("Line"), VlMethod<&TVlCustomEditor::AppendLine>("AppendLine"),
    VlMethod<&TVlCustomEditor::InsertLine>("InsertLine"), VlMethod<&TVlCustomEditor::DeleteLine>("DeleteLine"),
    VlMethod<&TVlCustomEditor::CaretX>("CaretX"), VlWriter<&TVlCustomEditor::SetCaretX>("CaretX"),
    VlMethod<&TVlCustomEditor::CaretY>("CaretY"), VlWriter<&TVlCustomEditor::SetCaretY>("CaretY"),
    VlMethod<&TVlCustomEditor::SelStart>("SelStart"), VlWriter<&TVlCustomEditor::SetSelStart>("SelStart"),
    VlMethod<&TVlCustomEditor::SelLength>("SelLength"), VlWriter<&TVlCustomEditor::SetSelLength>("SelLength"),
    VlMethod<&TVlCustomEditor::SelText>("SelText"), VlWriter<&TVlCustomEditor::SetSelText>("SelText"),
    VlMethod<&TVlCustomEditor::SelAvail>("SelAvail"), VlMethod<&TVlCustomEditor::SelectAll>("SelectAll"),
    VlMethod<&TVlCustomEditor::ClearSelection>("ClearSelection"),
    VlMethod<&TVlCustomEditor::CopyToClipboard>("CopyToClipboard"),
    VlMethod<&TVlCustomEditor::CutToClipboard>("CutToClipboard"),
    VlMethod<&TVlCustomEditor::PasteFromClipboard>("PasteFromClipboard"), VlMethod<&TVlCustomEditor::Undo>("Undo"),
    VlMethod<&TVlCustomEditor::Redo>("Redo"), VlMethod<&TVlCustomEditor::CanUndo>("CanUndo"),
    VlMethod<&TVlCustomEditor::CanRedo>("CanRedo"), VlMethod<&TVlCustomEditor::BeginCompound>("BeginCompound"),
    VlMethod<&TVlCustomEditor::EndCompound>("EndCompound"), VlMethod<&TVlCustomEditor::Modified>("Modified"),
    VlWriter<&TVlCustomEditor::SetModified>("Modified"), VlMethod<&TVlCustomEditor::InsertMode>("InsertMode"),
    VlWriter<&TVlCustomEditor::SetInsertMode>("InsertMode"), VlMethod<&TVlCustomEditor::Recording>("Recording"),
    VlMethod<&TVlCustomEditor::ExecuteCommand>("ExecuteCommand"),
    VlIndexed<&TVlCustomEditor::BookmarkValid>("BookmarkValid"), VlIndexed<&TVlCustomEditor::BookmarkX>("BookmarkX"),
    VlIndexed<&TVlCustomEditor::BookmarkY>("BookmarkY"), VlMethod<&TVlCustomEditor::LoadFromFile>("LoadFromFile"),
    VlMethod<&TVlCustomEditor::SaveToFile>("SaveToFile"), VlMethod<&TVlCustomEditor::Keyboard>("Keyboard"),
};

const TVlMemberBinding KeyboardMembers[] = {
    VlMethod<&TVlKeyboardObject::Count>("Count"), VlIndexed<&TVlKeyboardObject::Key>("Key"),
    VlIndexed<&TVlKeyboardObject::Shift>("Shift"), VlIndexed<&TVlKeyboardObject::SecondKey>("SecondKey"),
    VlIndexed<&TVlKeyboardObject::Command>("Command"), VlMethod<&TVlKeyboardObject::CommandOf>("CommandOf"),
};

const TVlClassBinding VlEditorClasses[] = {
    {TVlCustomEditor::StaticClassInfo, EditorMembers},
    {TVlEditor::StaticClassInfo, {}, TVlCreate::WithOwner},
    {TVlKeyboardObject::StaticClassInfo, KeyboardMembers},
};

} // namespace

void VlRegisterVlEditor(TVlInterpreterAdapter &adapter)
{
    VlRegisterClassTable(adapter, "VlEditor", VlEditorClasses);
    // Form files may hold editors too.
    RegisterClasses({&TVlCustomEditor::StaticClassInfo(), &TVlEditor::StaticClassInfo()});
    for (const auto &[name, command] : VlEditorWidget::CommandNames())
        adapter.AddConstant("VlEditor", name, TVlValue::Integer(command));
}
