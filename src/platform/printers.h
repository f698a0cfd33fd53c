#pragma once

#include "platform/surface.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace vornith {

// The unprintable edges of the A4 page, in twips. A printer surface's origin is the top-left
// corner of the printable area inside them.
inline constexpr double kUnprintableLeft = 348;
inline constexpr double kUnprintableRight = 148;
inline constexpr double kUnprintableTop = 287;
inline constexpr double kUnprintableBottom = 286;

// A printed document in progress: the printer surface of its pages, with page control.
class PrintJob {
public:
    virtual ~PrintJob() = default;
    virtual Surface& surface() = 0;
    // Ends the current page and starts a new one; false when the printer could not.
    virtual bool newPage() = 0;
    // Finishes the document and sends it (or writes the whole PDF file); false when the printer
    // refused it or the file could not be written.
    virtual bool endDoc() = 0;
};

// Where a job goes: an installed printer by device name, or a PDF file.
struct PrintTarget {
    QString printerName;
    QString pdfPath; // when set, the job is written to this PDF file
};

// The installed printers and the current one.
class Printers {
public:
    virtual ~Printers() = default;
    virtual QStringList deviceNames() const = 0;
    // Installed printers, the PDF file printer included, so never 0 on a working system.
    virtual int count() const = 0;
    virtual QString currentPrinter() const = 0;
    virtual void setCurrentPrinter(const QString& deviceName) = 0;
    // A new A4 job, or null when the target cannot print. `documentName` titles the document
    // (the PDF file's title, the printer queue's job); its creator is the program.
    virtual std::unique_ptr<PrintJob> beginJob(const PrintTarget& target,
                                               const QString& documentName) = 0;
};

} // namespace vornith
