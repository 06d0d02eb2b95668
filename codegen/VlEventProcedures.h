// Event procedure generator: recognised control and form events, their headers and descriptions,
// and the list files that fill the new-procedure dialog's two lists.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The list item that means "no event of this list".
inline const QString NotChosenItem = QStringLiteral("не выбрано");
// Description shown when a list is left on NotChosenItem at "ОК".
inline const QString ChooseProcedureText = QStringLiteral("Выберите процедуру из списка");

[[nodiscard]] QStringList BuiltInControlEvents();
[[nodiscard]] QStringList BuiltInFormEvents();

// Description label text of a recognised item, nullopt for any other item text.
[[nodiscard]] std::optional<QString> ControlEventDescription(const QString &item);
[[nodiscard]] std::optional<QString> FormEventDescription(const QString &item);

struct TVlEventProcedures {
    QStringList lines;    // appended at the end of the editor, control event first
    QStringList logLines; // one "Добавлена процедура ..." per procedure
    std::optional<QString> description; // new description label text, if "ОК" changes it
};

// What "ОК" produces for the chosen items (empty for no choice), the current form name and the
// control name; names are concatenated as typed.
[[nodiscard]] TVlEventProcedures GenerateEventProcedures(const QString &controlItem,
                                                         const QString &formItem,
                                                         const QString &formName,
                                                         const QString &controlName);

// The two list files of the dialog.
struct TVlEventListFiles {
    QString FormEvents;    // FormProc.vlf
    QString ControlEvents; // ObjectProc.vlf
    // Both files in `folder`.
    [[nodiscard]] static TVlEventListFiles In(const QString &folder);
};

// Reads a list file (one item per line); on failure returns nullopt and sets error to
// "Cannot open file "<path>". <reason>".
[[nodiscard]] std::optional<QStringList> LoadEventList(const QString &path, QString &error);
// Writes a list file completely or not at all (a full disk leaves the previous list whole); on
// failure returns false and sets error to "Cannot create file "<path>". <reason>".
[[nodiscard]] bool SaveEventList(const QString &path, const QStringList &items, QString &error);
