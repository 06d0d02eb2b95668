// Message boxes over QMessageBox and QInputDialog, with the buttons named in Russian.
#include "VlMessageDialogs.h"

#include "VlApplication.h"
#include "VlControls.h"
#include "VlForms.h"
#include "VlModalWaits.h"
#include "VlStdCtrls.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include <memory>
#include <vector>

namespace {

struct TButtonSpec {
    const char *Text;  // UTF-8
    QMessageBox::ButtonRole Role;
    int Result;        // modal result
};

// Indexed by TMsgDlgBtn.
const TButtonSpec Buttons[] = {
    {"&Да", QMessageBox::YesRole, mrYes},
    {"&Нет", QMessageBox::NoRole, mrNo},
    {"OK", QMessageBox::AcceptRole, mrOk},
    {"Отмена", QMessageBox::RejectRole, mrCancel},
    {"&Прервать", QMessageBox::RejectRole, mrAbort},
    {"П&овторить", QMessageBox::AcceptRole, mrRetry},
    {"Про&пустить", QMessageBox::AcceptRole, mrIgnore},
    {"&Все", QMessageBox::YesRole, mrAll},
    {"Н&ет для всех", QMessageBox::NoRole, mrNoToAll},
    {"Д&а для всех", QMessageBox::YesRole, mrYesToAll},
    {"&Справка", QMessageBox::HelpRole, mrNone},
};

const char *const TypeCaptions[] = {"Предупреждение", "Ошибка", "Информация", "Подтверждение"};

std::function<void(const std::string &)> &Unattended()
{
    static std::function<void(const std::string &)> print;
    return print;
}

QWidget *DialogParent()
{
    return QApplication::activeWindow();
}

void Place(QWidget &dialog, int x, int y)
{
    if (x >= 0 && y >= 0)
        dialog.move(x, y);
}

// Runs a message box with the given buttons (TMsgDlgBtn bits) and answers the modal result.
int RunBox(QMessageBox::Icon icon, const QString &caption, const std::string &message, TMsgDlgButtons buttons,
           int defaultIndex, int x, int y)
{
    if (VlUnattendedDialogs()) {
        VlPrintUnattended(VlFromQString(caption), message);
        int index = 0;
        for (int b = mbYes; b < mbHelp; ++b)
            if (buttons & (1u << b) && index++ == defaultIndex)
                return Buttons[b].Result;
        return buttons ? mrCancel : mrOk;
    }
    QMessageBox box(icon, caption, VlToQString(message), QMessageBox::NoButton, DialogParent());
    if (buttons == 0)
        buttons = 1u << mbOK;
    std::vector<std::pair<QAbstractButton *, int>> made;
    for (int b = mbYes; b <= mbHelp; ++b) {
        if (!(buttons & (1u << b)) || b == mbHelp)
            continue;
        QPushButton *button = box.addButton(QString::fromUtf8(Buttons[b].Text), Buttons[b].Role);
        button->setObjectName(QStringLiteral("VlDialogButton%1").arg(b));
        made.emplace_back(button, Buttons[b].Result);
    }
    if (defaultIndex >= 0 && defaultIndex < static_cast<int>(made.size()))
        box.setDefaultButton(static_cast<QPushButton *>(made[static_cast<size_t>(defaultIndex)].first));
    // Esc answers Cancel, else No, else OK, else the only button.
    for (int escape : {mrCancel, mrNo, mrOk})
        for (const auto &[button, result] : made)
            if (result == escape && !box.escapeButton())
                box.setEscapeButton(button);
    if (!box.escapeButton() && made.size() == 1)
        box.setEscapeButton(made.front().first);
    Place(box, x, y);
    VlExecModal(box);
    for (const auto &[button, result] : made)
        if (box.clickedButton() == button)
            return result;
    return mrCancel;
}

} // namespace

void VlSetUnattendedDialogs(std::function<void(const std::string &text)> print)
{
    Unattended() = std::move(print);
}

bool VlUnattendedDialogs()
{
    return static_cast<bool>(Unattended());
}

void VlPrintUnattended(const std::string &caption, const std::string &text)
{
    if (!Unattended())
        return;
    if (!caption.empty())
        Unattended()("[" + caption + "]");
    Unattended()(text);
}

std::string VlDialogCaption()
{
    if (!Application().Title().empty())
        return Application().Title();
    return qApp ? VlFromQString(QCoreApplication::applicationName()) : std::string();
}

void ShowMessage(const std::string &message, int x, int y)
{
    RunBox(QMessageBox::NoIcon, VlToQString(VlDialogCaption()), message, 1u << mbOK, 0, x, y);
}

int MessageDlg(const std::string &message, TMsgDlgType type, TMsgDlgButtons buttons, int x, int y)
{
    static const QMessageBox::Icon icons[] = {QMessageBox::Warning, QMessageBox::Critical, QMessageBox::Information,
                                              QMessageBox::Question, QMessageBox::NoIcon};
    const int t = type >= mtWarning && type <= mtCustom ? type : mtCustom;
    const QString caption = t == mtCustom ? VlToQString(VlDialogCaption()) : QString::fromUtf8(TypeCaptions[t]);
    // The first of OK, Yes, or the first button is the default, as the platform's dialogs have it.
    int defaultIndex = 0;
    int index = 0;
    for (int b = mbYes; b < mbHelp; ++b) {
        if (!(buttons & (1u << b)))
            continue;
        if (b == mbOK || b == mbYes) {
            defaultIndex = index;
            break;
        }
        ++index;
    }
    return RunBox(icons[t], caption, message, buttons, defaultIndex, x, y);
}

bool InputQuery(const std::string &caption, const std::string &prompt, std::string &value)
{
    if (VlUnattendedDialogs()) {
        VlPrintUnattended(caption, prompt);
        return false;
    }
    QInputDialog dialog(DialogParent());
    dialog.setWindowTitle(VlToQString(caption));
    dialog.setLabelText(VlToQString(prompt));
    dialog.setTextValue(VlToQString(value));
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QString::fromUtf8("Отмена"));
    if (VlExecModal(dialog) != QDialog::Accepted)
        return false;
    value = VlFromQString(dialog.textValue());
    return true;
}

std::string InputBox(const std::string &caption, const std::string &prompt, const std::string &defaultValue)
{
    std::string value = defaultValue;
    return InputQuery(caption, prompt, value) ? value : defaultValue;
}

int VlMessageBox(const std::string &text, const std::string &caption, int flags)
{
    // MB_OK 0, MB_OKCANCEL 1, MB_ABORTRETRYIGNORE 2, MB_YESNOCANCEL 3, MB_YESNO 4, MB_RETRYCANCEL 5.
    static const TMsgDlgButtons sets[] = {1u << mbOK, mbOKCancel, mbAbortRetryIgnore, mbYesNoCancel,
                                          VlButtons({mbYes, mbNo}), VlButtons({mbRetry, mbCancel})};
    const int kind = flags & 0x0F;
    const TMsgDlgButtons buttons = kind < 6 ? sets[kind] : sets[0];
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (flags & 0xF0) {
    case 0x10: icon = QMessageBox::Critical; break;
    case 0x20: icon = QMessageBox::Question; break;
    case 0x30: icon = QMessageBox::Warning; break;
    case 0x40: icon = QMessageBox::Information; break;
    default: break;
    }
    const int defaultIndex = (flags >> 8) & 0x03;
    const int result = RunBox(icon, VlToQString(caption), text, buttons, defaultIndex, -1, -1);
    // The modal results of these buttons equal the IDOK ... IDNO codes.
    return result;
}

TForm *CreateMessageDialog(const std::string &message, TMsgDlgType type, TMsgDlgButtons buttons)
{
    static const char *const names[] = {"Yes", "No", "OK", "Cancel", "Abort", "Retry", "Ignore", "All", "NoToAll",
                                        "YesToAll", "Help"};
    const int t = type >= mtWarning && type <= mtCustom ? type : mtCustom;
    auto form = std::make_unique<TForm>();
    form->SetBorderStyle(bsDialog);
    form->SetPosition(poScreenCenter);
    form->SetCaption(t == mtCustom ? VlDialogCaption() : VlFromQString(QString::fromUtf8(TypeCaptions[t])));
    auto *text = new TLabel(form.get());
    text->SetName("Message");
    text->SetParent(form.get());
    text->SetCaption(message);
    text->SetBounds(16, 16, 0, 0);
    if (buttons == 0)
        buttons = 1u << mbOK;
    int count = 0;
    for (int b = mbYes; b <= mbHelp; ++b)
        count += (buttons >> b) & 1;
    const int buttonWidth = 75, gap = 8;
    const int rowWidth = count * buttonWidth + (count - 1) * gap;
    const int clientWidth = std::max(rowWidth, text->Width()) + 32;
    int x = (clientWidth - rowWidth) / 2;
    const int y = 16 + std::max(text->Height(), 13) + 16;
    for (int b = mbYes; b <= mbHelp; ++b) {
        if (!((buttons >> b) & 1))
            continue;
        auto *button = new TButton(form.get());
        button->SetName(names[b]);
        button->SetParent(form.get());
        button->SetCaption(VlFromQString(QString::fromUtf8(Buttons[b].Text)));
        button->SetModalResult(Buttons[b].Result);
        button->SetBounds(x, y, buttonWidth, 25);
        x += buttonWidth + gap;
    }
    form->SetClientWidth(clientWidth);
    form->SetClientHeight(y + 25 + 16);
    return form.release();
}
