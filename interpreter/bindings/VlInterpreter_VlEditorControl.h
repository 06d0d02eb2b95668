// TVlCustomEditor and TVlEditor: the highlighting source editor as a control scripts and form files
// use, with its key map as a TVlKeyboard object.
#pragma once

#include "components/VlControls.h"
#include "rtl/VlStrings.h"

#include <memory>
#include <vector>


// The editor's default key map, read-only (the bindings a new editor has).
class TVlKeyboardObject : public TObject {
public:
    TVlKeyboardObject();
    ~TVlKeyboardObject() override;
    static const TClassInfo &StaticClassInfo();  // the class "TVlKeyboard"
    const TClassInfo *ClassInfo() const override { return &StaticClassInfo(); }
    int Count() const;
    // The index-th binding: first key and shift state, second key (0 for single keys), command.
    int Key(int index) const;
    uint32_t Shift(int index) const;
    int SecondKey(int index) const;
    int Command(int index) const;
    // The command of a single key with a shift state; 0 when the key is unbound or starts a pair.
    int CommandOf(int key, uint32_t shift) const;

private:
    struct TBinding {
        int Key, Modifiers, SecondKey, Command;
    };
    const TBinding &At(int index) const;
    std::vector<TBinding> FKeys;
};

class TVlCustomEditor : public TWinControl {
    VL_CLASS(TVlCustomEditor)
    explicit TVlCustomEditor(TComponent *owner = nullptr);
    ~TVlCustomEditor() override;
    std::string Text() const override;
    // The lines as a string list (reading and changing them edits the text).
    TStrings *Lines() const;
    void SetLines(TStrings *lines);
    int LineCount() const;
    std::string Line(int index) const;
    void SetLine(int index, const std::string &text);
    void AppendLine(const std::string &text);
    void InsertLine(int index, const std::string &text);
    void DeleteLine(int index);
    // 0-based caret column and line.
    int CaretX() const;
    void SetCaretX(int value);
    int CaretY() const;
    void SetCaretY(int value);
    int SelStart() const;
    void SetSelStart(int value);
    int SelLength() const;
    void SetSelLength(int value);
    std::string SelText() const;
    void SetSelText(const std::string &text);
    bool SelAvail() const;
    void SelectAll();
    void ClearSelection();
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    void Undo();
    void Redo();
    bool CanUndo() const;
    bool CanRedo() const;
    void BeginCompound();
    void EndCompound();
    bool Modified() const;
    void SetModified(bool value);
    bool ReadOnly() const;
    void SetReadOnly(bool value);
    bool InsertMode() const;
    void SetInsertMode(bool value);
    bool Recording() const;
    // A key-map command (ecLeft, ecUndo, ecSetBookmark0 ...) as if its key had been pressed.
    void ExecuteCommand(int command);
    int GutterWidth() const;
    void SetGutterWidth(int value);
    int RightMargin() const;
    void SetRightMargin(int value);
    bool RightMarginVisible() const;
    void SetRightMarginVisible(bool value);
    std::string TabStops() const;
    void SetTabStops(const std::string &value);
    bool SyntaxHighlighting() const;
    void SetSyntaxHighlighting(bool value);
    // Bookmarks 0..9: whether one is set, and its caret position.
    bool BookmarkValid(int index) const;
    int BookmarkX(int index) const;
    int BookmarkY(int index) const;
    void LoadFromFile(const std::string &fileName);
    void SaveToFile(const std::string &fileName) const;
    TVlKeyboardObject *Keyboard() const { return FKeyboard.get(); }
    TMethod OnChange() const { return FOnChange; }
    void SetOnChange(const TMethod &h) { FOnChange = h; }
    TMethod OnChangeStatus() const { return FOnChangeStatus; }
    void SetOnChangeStatus(const TMethod &h) { FOnChangeStatus = h; }

protected:
    void ApplyText() override;

private:
    class TEditorLines;
    std::unique_ptr<TEditorLines> FLines;
    std::unique_ptr<TVlKeyboardObject> FKeyboard;
    bool FSyncing = false;
    TMethod FOnChange, FOnChangeStatus;
};

// The editor scripts make (Create) and form files hold.
class TVlEditor : public TVlCustomEditor {
    VL_CLASS(TVlEditor)
    explicit TVlEditor(TComponent *owner = nullptr) : TVlCustomEditor(owner) {}
};
