// Default key bindings and the two-key sequence state machine.
#include "VlKeyMap.h"

#include "VlEditorCommon.h"

namespace {
constexpr Qt::KeyboardModifiers None = Qt::NoModifier;
constexpr Qt::KeyboardModifiers Shift = Qt::ShiftModifier;
constexpr Qt::KeyboardModifiers Ctrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers Alt = Qt::AltModifier;
constexpr Qt::KeyboardModifiers CtrlShift = Qt::ControlModifier | Qt::ShiftModifier;
constexpr Qt::KeyboardModifiers ShiftAlt = Qt::ShiftModifier | Qt::AltModifier;

const TVlEditKey DefaultKeys[] = {
    {Qt::Key_Left, None, 0, None, ecLeft}, {Qt::Key_Right, None, 0, None, ecRight},
    {Qt::Key_Up, None, 0, None, ecUp}, {Qt::Key_Down, None, 0, None, ecDown},
    {Qt::Key_Left, Shift, 0, None, ecSelLeft}, {Qt::Key_Right, Shift, 0, None, ecSelRight},
    {Qt::Key_Up, Shift, 0, None, ecSelUp}, {Qt::Key_Down, Shift, 0, None, ecSelDown},
    {Qt::Key_Left, ShiftAlt, 0, None, ecColumnSelLeft}, {Qt::Key_Right, ShiftAlt, 0, None, ecColumnSelRight},
    {Qt::Key_Up, ShiftAlt, 0, None, ecColumnSelUp}, {Qt::Key_Down, ShiftAlt, 0, None, ecColumnSelDown},
    {Qt::Key_Left, Ctrl, 0, None, ecPrevWord}, {Qt::Key_Right, Ctrl, 0, None, ecNextWord},
    {Qt::Key_Left, CtrlShift, 0, None, ecSelPrevWord}, {Qt::Key_Right, CtrlShift, 0, None, ecSelNextWord},
    {Qt::Key_K, Ctrl, Qt::Key_T, None, ecSelWord},
    {Qt::Key_Home, None, 0, None, ecBeginLine}, {Qt::Key_End, None, 0, None, ecEndLine},
    {Qt::Key_Q, Ctrl, Qt::Key_S, None, ecBeginLine}, {Qt::Key_Q, Ctrl, Qt::Key_D, None, ecEndLine},
    {Qt::Key_Home, Shift, 0, None, ecSelBeginLine}, {Qt::Key_End, Shift, 0, None, ecSelEndLine},
    {Qt::Key_Home, Ctrl, 0, None, ecBeginDoc}, {Qt::Key_End, Ctrl, 0, None, ecEndDoc},
    {Qt::Key_Q, Ctrl, Qt::Key_R, None, ecBeginDoc}, {Qt::Key_Q, Ctrl, Qt::Key_C, None, ecEndDoc},
    {Qt::Key_Home, CtrlShift, 0, None, ecSelBeginDoc}, {Qt::Key_End, CtrlShift, 0, None, ecSelEndDoc},
    {Qt::Key_PageUp, Ctrl, 0, None, ecWindowTop}, {Qt::Key_PageDown, Ctrl, 0, None, ecWindowBottom},
    {Qt::Key_Q, Ctrl, Qt::Key_E, None, ecWindowTop}, {Qt::Key_Q, Ctrl, Qt::Key_T, None, ecWindowTop},
    {Qt::Key_Q, Ctrl, Qt::Key_U, None, ecWindowBottom},
    {Qt::Key_PageUp, None, 0, None, ecPrevPage}, {Qt::Key_PageDown, None, 0, None, ecNextPage},
    {Qt::Key_PageUp, Shift, 0, None, ecSelPrevPage}, {Qt::Key_PageDown, Shift, 0, None, ecSelNextPage},
    {Qt::Key_Up, Ctrl, 0, None, ecScrollLineUp}, {Qt::Key_Down, Ctrl, 0, None, ecScrollLineDown},
    {Qt::Key_A, Ctrl, 0, None, ecSelAll},
    {Qt::Key_Return, None, 0, None, ecInsertPara}, {Qt::Key_Enter, None, 0, None, ecInsertPara},
    {Qt::Key_N, Ctrl, 0, None, ecInsertPara},
    {Qt::Key_Backspace, None, 0, None, ecBackspace}, {Qt::Key_Backspace, Shift, 0, None, ecBackspace},
    {Qt::Key_Backspace, Ctrl, 0, None, ecDeleteWordLeft},
    {Qt::Key_Delete, None, 0, None, ecDelete},
    {Qt::Key_Insert, None, 0, None, ecChangeInsertMode},
    {Qt::Key_Tab, None, 0, None, ecTab}, {Qt::Key_Backtab, Shift, 0, None, ecBackTab},
    {Qt::Key_Tab, Shift, 0, None, ecBackTab},
    {Qt::Key_I, CtrlShift, 0, None, ecIndent}, {Qt::Key_U, CtrlShift, 0, None, ecUnindent},
    {Qt::Key_K, Ctrl, Qt::Key_I, None, ecIndent}, {Qt::Key_K, Ctrl, Qt::Key_U, None, ecUnindent},
    {Qt::Key_Delete, Ctrl, 0, None, ecDeleteSelected},
    {Qt::Key_Insert, Ctrl, 0, None, ecClipboardCopy}, {Qt::Key_C, Ctrl, 0, None, ecClipboardCopy},
    {Qt::Key_Delete, Shift, 0, None, ecClipboardCut}, {Qt::Key_X, Ctrl, 0, None, ecClipboardCut},
    {Qt::Key_Insert, Shift, 0, None, ecClipBoardPaste}, {Qt::Key_V, Ctrl, 0, None, ecClipBoardPaste},
    {Qt::Key_Y, Ctrl, 0, None, ecDeleteLine}, {Qt::Key_T, Ctrl, 0, None, ecDeleteWord},
    {Qt::Key_K, Ctrl, Qt::Key_O, None, ecToUpperCase}, {Qt::Key_K, Ctrl, Qt::Key_N, None, ecToLowerCase},
    {Qt::Key_O, Ctrl, Qt::Key_U, None, ecChangeCase},
    {Qt::Key_O, Ctrl, Qt::Key_K, None, ecNormalSelect}, {Qt::Key_O, Ctrl, Qt::Key_L, None, ecLineSelect},
    {Qt::Key_O, Ctrl, Qt::Key_C, None, ecColumnSelect}, {Qt::Key_O, Ctrl, Qt::Key_I, None, ecInclusiveSelect},
    {Qt::Key_Z, Ctrl, 0, None, ecUndo}, {Qt::Key_Backspace, Alt, 0, None, ecUndo},
    {Qt::Key_Space, Ctrl, 0, None, ecCompletionIdentifiers},
    {Qt::Key_J, Ctrl, 0, None, ecCompletionTemplates},
    {Qt::Key_R, CtrlShift, 0, None, ecRecordMacro}, {Qt::Key_P, CtrlShift, 0, None, ecPlayMacro},
};
} // namespace

TVlKeyboard::TVlKeyboard() : fKeys(std::begin(DefaultKeys), std::end(DefaultKeys))
{
    for (int i = 0; i < 10; ++i) {
        fKeys.push_back({Qt::Key_0 + i, CtrlShift, 0, None, ecSetBookmark0 + i});
        fKeys.push_back({Qt::Key_K, Ctrl, Qt::Key_0 + i, None, ecSetBookmark0 + i});
        fKeys.push_back({Qt::Key_0 + i, Ctrl, 0, None, ecGotoBookmark0 + i});
        fKeys.push_back({Qt::Key_Q, Ctrl, Qt::Key_0 + i, None, ecGotoBookmark0 + i});
    }
}

TVlKeyboard::TResult TVlKeyboard::Press(int key, Qt::KeyboardModifiers modifiers, int &command)
{
    modifiers &= Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (fPendingKey != 0) {
        const int first = fPendingKey;
        const Qt::KeyboardModifiers firstShift = fPendingShift;
        fPendingKey = 0;
        const Qt::KeyboardModifiers second = modifiers & ~Qt::ControlModifier;
        for (const TVlEditKey &k : fKeys)
            if (k.Key2 != 0 && k.Key1 == first && k.Shift1 == firstShift && k.Key2 == key && k.Shift2 == second) {
                command = k.Command;
                return TResult::Command;
            }
        return TResult::Ignored; // an unknown second key is dropped with the sequence
    }
    for (const TVlEditKey &k : fKeys)
        if (k.Key2 == 0 && k.Key1 == key && k.Shift1 == modifiers) {
            command = k.Command;
            return TResult::Command;
        }
    for (const TVlEditKey &k : fKeys)
        if (k.Key2 != 0 && k.Key1 == key && k.Shift1 == modifiers) {
            fPendingKey = key;
            fPendingShift = modifiers;
            return TResult::Pending;
        }
    return TResult::Unbound;
}
