// The message box of MessageBoxA: what its MB_* flags ask for, and showing it with Qt.
#pragma once

#include <QString>

#include <cstdint>
#include <vector>

// Result codes of the buttons (IDOK ...).
enum : int {
    VlIdOk = 1, VlIdCancel = 2, VlIdAbort = 3, VlIdRetry = 4, VlIdIgnore = 5, VlIdYes = 6, VlIdNo = 7,
    VlIdTryAgain = 10, VlIdContinue = 11
};

enum class TVlMessageBoxIcon { None, Error, Question, Warning, Information };

struct TVlMessageBoxStyle {
    std::vector<int> Buttons;  // result codes, in the order they are shown
    int DefaultButton = VlIdOk;
    int EscapeButton = 0;  // what Esc and the close box answer; 0: they do nothing
    TVlMessageBoxIcon Icon = TVlMessageBoxIcon::None;
    bool StayOnTop = false;
};

// Buttons (low 4 bits), icon (0xF0), default button (0xF00), system modal and top-most.
// Unknown button sets show OK alone.
TVlMessageBoxStyle VlMessageBoxStyle(uint32_t flags);

// The Russian caption of a button.
QString VlMessageBoxButtonCaption(int id);

// Shows the box modally over the active window (a QApplication must exist) and answers the
// code of the button pressed. With unattendedMs >= 0 the box answers its default button by
// itself after that time unless someone answered first.
int VlRunMessageBox(const QString &caption, const QString &text, const TVlMessageBoxStyle &style, int unattendedMs);

// The answer of a box nobody can see: its text goes to the standard error stream, and the
// answer is the default button.
int VlAnswerUnseen(const QString &caption, const QString &text, const TVlMessageBoxStyle &style);
