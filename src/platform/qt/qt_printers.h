#pragma once

#include "platform/printers.h"

namespace vornith {

// The system's printers (through CUPS) and the PDF file printer that Linux print dialogs
// offer.
class QtPrinters final : public Printers {
public:
    QtPrinters();
    QStringList deviceNames() const override;
    int count() const override { return static_cast<int>(deviceNames().size()); }
    QString currentPrinter() const override { return current_; }
    void setCurrentPrinter(const QString& deviceName) override { current_ = deviceName; }
    std::unique_ptr<PrintJob> beginJob(const PrintTarget& target,
                                       const QString& documentName) override;

    // The device name of the PDF file printer.
    static QString pdfPrinterName();

private:
    QString current_;
};

} // namespace vornith
