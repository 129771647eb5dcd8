#pragma once

#include "core/print_document.h"

#include <QString>

#include <functional>

class QImage;
class QPagedPaintDevice;

namespace platform {

class FileDialogs;
class MessageBoxes;

// Prints a finished document. Returns false when nothing was printed (the user
// cancelled the print or PDF dialog, or printing failed and the user was told).
class Printer {
public:
    virtual ~Printer() = default;
    virtual bool print(const core::PrintDocument& document) = 0;
    // A picture (a chart) on a page of its own, as large as the page allows, named in
    // the print queue. A printer that cannot print pictures prints nothing.
    virtual bool printImage(const QImage&, const QString& documentName) {
        (void)documentName;
        return false;
    }
};

// Lays a document out on a paint device: a fixed-pitch font, so that columns line up.
bool RenderDocument(const core::PrintDocument& document, QPagedPaintDevice& device);
// Writes a document to a PDF file titled with its name; false when the file could not
// be written.
bool RenderDocumentToPdf(const core::PrintDocument& document, const QString& path);
// The same for a picture, as large as the page allows and kept in proportion.
bool RenderImage(const QImage& image, QPagedPaintDevice& device);
bool RenderImageToPdf(const QImage& image, const QString& path, const QString& documentName);

// The default printer. With printers but none set as default, a print dialog lets the
// user choose one (or a PDF file); with no printer at all, the user names a PDF file.
class QtPrinter : public Printer {
public:
    QtPrinter(FileDialogs& dialogs, MessageBoxes& messages)
        : dialogs_(dialogs), messages_(messages) {}
    bool print(const core::PrintDocument& document) override;
    bool printImage(const QImage& image, const QString& documentName) override;

private:
    bool printWith(const std::function<bool(QPagedPaintDevice&)>& render, const QString& what,
                   const QString& documentName);
    bool printToChosenPrinter(const std::function<bool(QPagedPaintDevice&)>& render,
                              const QString& what, const QString& documentName);
    bool printToPdf(const std::function<bool(QPagedPaintDevice&)>& render, const QString& what,
                    const QString& documentName);
    FileDialogs& dialogs_;
    MessageBoxes& messages_;
};

} // namespace platform
