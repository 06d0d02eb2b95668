// Message and input boxes with Russian buttons: ShowMessage, MessageDlg, InputQuery, InputBox and
// the Windows-style message box. Texts are CP1251; each call waits for the user (a modal dialog).
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp };
using TMsgDlgButtons = uint32_t; // bit n = TMsgDlgBtn n
constexpr TMsgDlgButtons VlButtons(std::initializer_list<TMsgDlgBtn> buttons)
{
    TMsgDlgButtons mask = 0;
    for (TMsgDlgBtn b : buttons)
        mask |= 1u << b;
    return mask;
}
constexpr TMsgDlgButtons mbYesNoCancel = VlButtons({mbYes, mbNo, mbCancel});
constexpr TMsgDlgButtons mbYesAllNoAllCancel = VlButtons({mbYes, mbYesToAll, mbNo, mbNoToAll, mbCancel});
constexpr TMsgDlgButtons mbOKCancel = VlButtons({mbOK, mbCancel});
constexpr TMsgDlgButtons mbAbortRetryIgnore = VlButtons({mbAbort, mbRetry, mbIgnore});
constexpr TMsgDlgButtons mbAbortIgnore = VlButtons({mbAbort, mbIgnore});

// A message with an "OK" button, captioned with the application's title.
void ShowMessage(const std::string &message, int x = -1, int y = -1);
// The modal result (mrYes, mrOk, ...) of the button pressed; Esc answers the Cancel, No or OK button.
// x and y place the dialog's top left corner when not -1.
int MessageDlg(const std::string &message, TMsgDlgType type, TMsgDlgButtons buttons, int x = -1, int y = -1);
// True when the user pressed "OK"; value then holds the text typed.
bool InputQuery(const std::string &caption, const std::string &prompt, std::string &value);
// The text typed, or defaultValue when the user cancelled.
std::string InputBox(const std::string &caption, const std::string &prompt, const std::string &defaultValue);
// MB_OK ... MB_RETRYCANCEL buttons, MB_ICON* and MB_DEFBUTTONn flags; the IDOK ... IDNO result.
int VlMessageBox(const std::string &text, const std::string &caption, int flags);
// For runs without a user (headless): message boxes write their text through print and are answered
// with their default button, input boxes and the common dialogs are cancelled. Empty: real dialogs.
void VlSetUnattendedDialogs(std::function<void(const std::string &text)> print);
bool VlUnattendedDialogs();
// What a message box writes in an unattended run: the caption line (when there is one), then the text.
void VlPrintUnattended(const std::string &caption, const std::string &text);

// The caption of the dialogs: the application's Title, else the program's name.
std::string VlDialogCaption();
// A form like MessageDlg's, not yet shown: the message, then a button per TMsgDlgBtn (named
// after it, "Yes", "OK", ...) whose modal result ends ShowModal. The caller owns the form.
class TForm;
TForm *CreateMessageDialog(const std::string &message, TMsgDlgType type, TMsgDlgButtons buttons);
