// Texts that used to be cut off: the status bar's panels and the new-procedure dialog's description.
#include "ShellTestSupport.h"
#include "app/VeltranoStatusBar.h"
#include "codegen/NewProcedureForm.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// Why `label` does not show all of its text, or "" when it does: its text needs more room than it
// has, or the widgets it sits in cut it off.
std::string Clipping(const QLabel &label)
{
    // The label's own size hint counts what its text needs: frame, margins, indent and the text.
    const QSize needed = label.sizeHint();
    if (label.wordWrap()) {
        if (label.height() < label.heightForWidth(label.width()))
            return "needs " + std::to_string(label.heightForWidth(label.width())) + " pixels of height, has " +
                   std::to_string(label.height());
    } else if (label.width() < needed.width() || label.height() < QFontMetrics(label.font()).height()) {
        return "needs " + std::to_string(needed.width()) + "x" + std::to_string(needed.height()) + ", has " +
               std::to_string(label.width()) + "x" + std::to_string(label.height());
    }
    for (const QWidget *w = &label; w->parentWidget() && !w->isWindow(); w = w->parentWidget())
        if (!w->parentWidget()->rect().contains(w->geometry()))
            return "cut off by " + w->parentWidget()->objectName().toStdString();
    return {};
}

TEST(LabelsFit, EveryStatusPanelShowsTheTextsTheProgramWritesThere)
{
    TShellFixture fixture;
    auto form = fixture.MakeForm();
    form->show();
    const std::pair<int, const char *> texts[] = {
        {0, "10000:1024"}, {1, "Изменен"}, {2, "Только чтение"}, {2, "Перезапись"},
        {4, "Консольное приложение"}, {4, "Приложение"}, {4, "Библиотека"}, {5, "Модуль"},
    };
    for (const auto &[panel, text] : texts) {
        form->StatusBar1->SetPanelText(panel, QString::fromUtf8(text));
        QApplication::processEvents(); // the bar lays its panels out again
        QLabel *label = form->StatusBar1->findChild<QLabel *>(QString("StatusPanel%1").arg(panel));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(Clipping(*label), "") << "panel " << panel << ": " << text;
    }
    EXPECT_EQ(form->StatusBar1->height(), 19);
}

TEST(LabelsFit, TheNewProcedureDialogShowsEveryDescriptionWhole)
{
    TProcedureForm dialog;
    dialog.show();
    for (const QString &item : BuiltInFormEvents() + BuiltInControlEvents()) {
        const int index = dialog.FormEvents()->findText(item);
        QComboBox *list = index >= 0 ? dialog.FormEvents() : dialog.ControlEvents();
        list->setCurrentIndex(list->findText(item));
        QApplication::processEvents();
        EXPECT_EQ(Clipping(*dialog.Description()), "") << item.toStdString() << ": "
                                                        << dialog.Description()->text().toStdString();
    }
    dialog.OkButton()->click(); // "Выберите процедуру из списка"
    dialog.show();
    QApplication::processEvents();
    EXPECT_EQ(Clipping(*dialog.Description()), "") << dialog.Description()->text().toStdString();
}

} // namespace
