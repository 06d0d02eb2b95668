// Printing the text tab (Memo2) as one job named by CurrentFileName, and printer setup.
#include "VeltranoPrint.h"
#include "VeltranoForm.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>
#include <QTextEdit>
#include <memory>
#include <stdexcept>

bool HasPrintTarget(const QPrinter &printer, bool printersInstalled)
{
    // Without installed printers a printer falls back to PDF output, which goes nowhere until a
    // file is named for it in the printer setup.
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return !printer.outputFileName().isEmpty();
    return printersInstalled;
}

void PrintTextDocument(const QTextDocument &document, QPrinter &printer, const QString &jobName)
{
    if (!HasPrintTarget(printer, !QPrinterInfo::availablePrinters().isEmpty()))
        throw std::runtime_error("Нет установленных принтеров");
    printer.setDocName(jobName);
    printer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    if (!printer.isValid())
        throw std::runtime_error("Принтер недоступен");
    document.print(&printer); // lays the text out on the printer's pages, one job
    if (printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
        throw std::runtime_error("Ошибка печати: задание не выполнено");
}

void InstallPrintCommands(TForm1 &form)
{
    // One printer for the whole session: the setup chosen is used by later printing.
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    form.SetCommandHandler("PrintTextClick", [&form, printer] {
        PrintTextDocument(*form.Memo2->document(), *printer, form.CurrentFileName);
    });
    form.SetCommandHandler("PrintSetupClick", [&form, printer] {
        if (QPrinterInfo::availablePrinters().isEmpty())
            throw std::runtime_error("Нет установленных принтеров");
        QPrintDialog dialog(printer.get(), &form);
        dialog.setWindowTitle("Настройка печати");
        dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
        if (dialog.exec() == QDialog::Accepted) {
            QPageSetupDialog pageSetup(printer.get(), &form);
            pageSetup.exec();
        }
    });
}
