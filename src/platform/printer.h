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
// cancelled the PDF dialog, or printing failed and the user was told).
class Printer {
public:
    virtual ~Printer() = default;
    virtual bool print(const core::PrintDocument& document) = 0;
    // A picture (a chart) on a page of its own, as large as the page allows. A printer
    // that cannot print pictures prints nothing and says so.
    virtual bool printImage(const QImage&) { return false; }
};

// Lays a document out on a paint device: a fixed-pitch font, so that columns line up.
bool RenderDocument(const core::PrintDocument& document, QPagedPaintDevice& device);
// Writes a document to a PDF file; false when the file could not be written.
bool RenderDocumentToPdf(const core::PrintDocument& document, const QString& path);
// The same for a picture, as large as the page allows and kept in proportion.
bool RenderImage(const QImage& image, QPagedPaintDevice& device);
bool RenderImageToPdf(const QImage& image, const QString& path);

// The default printer, or a PDF file the user names when the machine has no printer.
class QtPrinter : public Printer {
public:
    QtPrinter(FileDialogs& dialogs, MessageBoxes& messages)
        : dialogs_(dialogs), messages_(messages) {}
    bool print(const core::PrintDocument& document) override;
    bool printImage(const QImage& image) override;

private:
    bool printWith(const std::function<bool(QPagedPaintDevice&)>& render, const QString& what);
    FileDialogs& dialogs_;
    MessageBoxes& messages_;
};

} // namespace platform
