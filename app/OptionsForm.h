// TOptions, "Настройки": what parts of the main window and which menus show, window snapping,
// the text tab's file mode and the editor font. Every box acts on the window when its state
// changes; eleven states live in Config.ini (read at creation, written at destruction).
#pragma once

#include "OptionsFormConfig.h"

#include <QDialog>
#include <QFont>
#include <QHash>
#include <functional>

class QAbstractButton;
class QCheckBox;
class QFontComboBox;
class QRadioButton;
class QStackedWidget;
class QTextEdit;
class QTreeWidget;
class TForm1;
class TVlFormMagnet;

class TOptions : public QDialog {
    Q_OBJECT
public:
    // Reads configFile and applies what differs from the boxes' initial states to the window.
    TOptions(TForm1 &form, QString configFile);
    // Writes the eleven states to the configuration file.
    ~TOptions() override;

    // The box or radio button of a kept setting, and the boxes of the "Вставка" page by caption.
    [[nodiscard]] QAbstractButton *OptionButton(TVlOption option) const { return FButtons[static_cast<int>(option)]; }
    [[nodiscard]] QCheckBox *InsertBox(const QString &caption) const { return FInsertBoxes.value(caption); }
    [[nodiscard]] TVlOptionValues Values() const;
    void RestoreDefaults(); // "По умолчанию"
    void ShowPage(const QString &caption);
    [[nodiscard]] QString CurrentPage() const;
    [[nodiscard]] TVlFormMagnet *Magnet() const { return FMagnet; }

    // The font of the font dialog shared with "Шрифт..." ("MS Sans Serif" 8 point until a font is
    // chosen in it). ChooseFont shows that dialog ("Расширенно") and keeps the choice there.
    [[nodiscard]] QFont SharedFont() const;
    bool ChooseFont();

    void Accept(); // "OK"
    // Where a failure to write the file at exit is reported.
    std::function<void(const QString &message)> ReportError;

private:
    QWidget *CreateMainPage();
    QWidget *CreateFontPage();
    QWidget *CreateMorePage();
    QWidget *CreateTextPage();
    QWidget *CreateInsertPage();
    QCheckBox *KeptBox(TVlOption option, const QString &caption);
    QRadioButton *KeptRadio(TVlOption option, const QString &caption);
    QCheckBox *InsertItemBox(const QString &caption, const QString &menuItem);
    void ApplyOption(TVlOption option, bool state);
    void UpdateInsertSeparator();

    TForm1 &FForm;
    QString FConfigFile;
    std::array<QAbstractButton *, OptionCount> FButtons{};
    QHash<QString, QCheckBox *> FInsertBoxes;
    QTreeWidget *FTree = nullptr;
    QStackedWidget *FPages = nullptr;
    QFontComboBox *FFontList = nullptr;
    QTextEdit *FPreview = nullptr;
    TVlFormMagnet *FMagnet = nullptr;
};

// Creates the settings dialog (reading Config.ini) and binds "Настройки".
void InstallOptionsCommands(TForm1 &form);
