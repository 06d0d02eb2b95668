// Printing the text tab: one job named by the document, laid out over as many pages as needed.
#include "ShellTestSupport.h"

#include "app/VeltranoPrint.h"

#include <QFile>
#include <QPrinter>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

TEST(DocumentsPrintTest, WholeTextGoesIntoOnePdfJob)
{
    QTemporaryDir dir;
    QTextDocument document;
    QString text;
    for (int i = 0; i < 200; ++i)
        text += QString("строка %1 begin end\n").arg(i);
    document.setPlainText(text);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("out.pdf"));
    PrintTextDocument(document, printer, "Project1.pas");
    EXPECT_EQ(printer.docName(), "Project1.pas");
    const QByteArray pdf = FileBytes(dir.filePath("out.pdf"));
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_GE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 3)
        << "200 lines need several pages";
}

TEST(DocumentsPrintTest, UnwritableOutputIsReported)
{
    QTextDocument document;
    document.setPlainText("x");
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName("/no/such/folder/out.pdf");
    EXPECT_THROW(PrintTextDocument(document, printer, "x"), std::runtime_error);
}

TEST(DocumentsPrintTest, APrinterThatLeadsNowhereIsReported)
{
    // What Ctrl+P finds on a computer without printers: PDF output without a file.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString());
    EXPECT_FALSE(HasPrintTarget(printer, false));
    EXPECT_FALSE(HasPrintTarget(printer, true));
    printer.setOutputFileName("/tmp/x.pdf");
    EXPECT_TRUE(HasPrintTarget(printer, false));
    QTextDocument document;
    document.setPlainText("x");
    printer.setOutputFileName(QString());
    try {
        PrintTextDocument(document, printer, "Project1.pas");
        FAIL() << "printing reported as done";
    } catch (const std::runtime_error &e) {
        EXPECT_STREQ(e.what(), "Нет установленных принтеров");
    }
}

} // namespace
