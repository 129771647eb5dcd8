#include "platform/printer.h"

#include "platform/file_dialogs.h"
#include "platform/message_boxes.h"

#include <QApplication>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <functional>

namespace platform {
namespace {

constexpr int DefaultPointSize = 10;

QFont FontFor(const core::PrintSpan& span) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(span.fontSize > 0 ? span.fontSize : DefaultPointSize);
    font.setBold(span.bold);
    return font;
}

} // namespace

bool RenderDocument(const core::PrintDocument& document, QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const double pageHeight = painter.viewport().height();
    core::PrintSpan plain;
    QFontMetricsF plainMetrics(FontFor(plain), &device);
    double y = 0;
    for (const core::PrintLine& line : document.lines()) {
        double lineHeight = plainMetrics.lineSpacing();
        for (const core::PrintSpan& span : line.spans)
            lineHeight = std::max(lineHeight, QFontMetricsF(FontFor(span), &device).lineSpacing());
        if (y + lineHeight > pageHeight && y > 0) {
            device.newPage();
            y = 0;
        }
        for (const core::PrintSpan& span : line.spans) {
            QFont font = FontFor(span);
            painter.setFont(font);
            QFontMetricsF metrics(font, &device);
            // A column is a character of the span's own font, as on the old printers.
            const double columnWidth = metrics.horizontalAdvance(QLatin1Char('0'));
            painter.drawText(QPointF((span.column - 1) * columnWidth, y + metrics.ascent()),
                             QString::fromStdString(span.text));
        }
        y += lineHeight;
    }
    return painter.end();
}

namespace {

bool RenderToPdf(const std::function<bool(QPagedPaintDevice&)>& render, const QString& path,
                 const QString& documentName) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setDocName(documentName);
    printer.setCreator("Tarnwick");
    return render(printer) && QFileInfo(path).size() > 0;
}

QString NameOf(const core::PrintDocument& document) {
    return document.name().empty() ? QString("Tarnwick") : QString::fromStdString(document.name());
}

// A file name made of the document's name: no folder separators in it.
QString PdfFileName(const QString& documentName) {
    QString name = documentName;
    name.replace('/', '-');
    return name + ".pdf";
}

} // namespace

bool RenderDocumentToPdf(const core::PrintDocument& document, const QString& path) {
    return RenderToPdf([&](QPagedPaintDevice& device) { return RenderDocument(document, device); },
                       path, NameOf(document));
}

bool RenderImage(const QImage& image, QPagedPaintDevice& device) {
    if (image.isNull())
        return false;
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    QRect page = painter.viewport();
    QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint((page.width() - size.width()) / 2, 0), size), image);
    return painter.end();
}

bool RenderImageToPdf(const QImage& image, const QString& path, const QString& documentName) {
    return RenderToPdf([&](QPagedPaintDevice& device) { return RenderImage(image, device); }, path,
                       documentName);
}

bool QtPrinter::printWith(const std::function<bool(QPagedPaintDevice&)>& render,
                          const QString& what, const QString& documentName) {
    QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull()) {
        if (!QPrinterInfo::availablePrinterNames().isEmpty())
            return printToChosenPrinter(render, what, documentName);
        return printToPdf(render, what, documentName);
    }
    QPrinter printer(defaultPrinter, QPrinter::HighResolution);
    printer.setDocName(documentName);
    if (render(printer))
        return true;
    messages_.beep();
    messages_.show("The " + what + " could not be sent to the printer " +
                       defaultPrinter.printerName() + ".",
                   "Printing failed", MessageIcon::Critical);
    return false;
}

bool QtPrinter::printToChosenPrinter(const std::function<bool(QPagedPaintDevice&)>& render,
                                     const QString& what, const QString& documentName) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setWindowTitle("Print - " + documentName);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (render(printer))
        return true;
    const QString where = printer.outputFileName().isEmpty()
                              ? "sent to the printer " + printer.printerName()
                              : "written to " + printer.outputFileName();
    messages_.beep();
    messages_.show("The " + what + " could not be " + where + ".", "Printing failed",
                   MessageIcon::Critical);
    return false;
}

bool QtPrinter::printToPdf(const std::function<bool(QPagedPaintDevice&)>& render,
                           const QString& what, const QString& documentName) {
    FileDialogRequest request;
    request.title = "No printer installed - save the " + what + " as PDF";
    request.filter = "PDF Files (*.pdf)|*.pdf|";
    request.defaultExtension = "pdf";
    request.flags = DialogFlag::ForSaving;
    request.fileName = PdfFileName(documentName);
    std::optional<QString> path = dialogs_.saveFile(request);
    if (!path)
        return false;
    if (RenderToPdf(render, *path, documentName))
        return true;
    messages_.beep();
    messages_.show("The " + what + " could not be written to " + *path + ".", "Printing failed",
                   MessageIcon::Critical);
    return false;
}

bool QtPrinter::print(const core::PrintDocument& document) {
    return printWith([&](QPagedPaintDevice& device) { return RenderDocument(document, device); },
                     "document", NameOf(document));
}

bool QtPrinter::printImage(const QImage& image, const QString& documentName) {
    return printWith([&](QPagedPaintDevice& device) { return RenderImage(image, device); }, "chart",
                     documentName.isEmpty() ? QString("Tarnwick") : documentName);
}

} // namespace platform
