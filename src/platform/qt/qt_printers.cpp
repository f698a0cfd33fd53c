#include "platform/qt/qt_printers.h"

#include "platform/qt/painter_surface.h"
#include "platform/units.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

namespace vornith {

namespace {

class PrinterSurface final : public PainterSurface {
public:
    explicit PrinterSurface(QPrinter& printer)
        : PainterSurface(SurfaceKind::Printer, 1440.0 / printer.resolution(),
                         1440.0 / printer.resolution()),
          printer_(printer) {}
    ~PrinterSurface() override { endPainting(); }

    int widthPixels() const override { return printer_.width(); }
    int heightPixels() const override { return printer_.height(); }
    double widthTwips() const override { return printer_.width() * twipsPerPixelX(); }
    double heightTwips() const override { return printer_.height() * twipsPerPixelY(); }

    bool started() { return painter().isActive(); }
    void newPage() {
        drawPendingText(); // on the page it was printed on
        printer_.newPage();
    }
    bool finish() {
        const bool active = painter().isActive();
        endPainting();
        return active;
    }

protected:
    QPaintDevice* device() override { return &printer_; }

private:
    QPrinter& printer_;
};

class QtPrintJob final : public PrintJob {
public:
    QtPrintJob(const PrintTarget& target, const QString& documentName)
        : printer_(QPrinter::HighResolution) {
        if (!target.pdfPath.isEmpty()) {
            printer_.setOutputFormat(QPrinter::PdfFormat);
            printer_.setOutputFileName(target.pdfPath);
        } else {
            printer_.setPrinterName(target.printerName);
        }
        printer_.setDocName(documentName);
        printer_.setFullPage(false);
        const double mmPerTwip = 25.4 / 1440.0;
        printer_.setPageLayout(QPageLayout(
            QPageSize(QPageSize::A4), QPageLayout::Portrait,
            QMarginsF(kUnprintableLeft * mmPerTwip, kUnprintableTop * mmPerTwip,
                      kUnprintableRight * mmPerTwip, kUnprintableBottom * mmPerTwip),
            QPageLayout::Millimeter));
        surface_ = std::make_unique<PrinterSurface>(printer_);
    }

    bool valid() { return printer_.isValid() && surface_->started(); }
    Surface& surface() override { return *surface_; }
    void newPage() override { surface_->newPage(); }
    bool endDoc() override { return surface_->finish(); }

private:
    QPrinter printer_;
    std::unique_ptr<PrinterSurface> surface_;
};

} // namespace

QtPrinters::QtPrinters() {
    const QString system = QPrinterInfo::defaultPrinterName();
    current_ = system.isEmpty() ? pdfPrinterName() : system;
}

QString QtPrinters::pdfPrinterName() { return QStringLiteral("Imprimir a PDF"); }

QStringList QtPrinters::deviceNames() const {
    QStringList names = QPrinterInfo::availablePrinterNames();
    names.append(pdfPrinterName());
    return names;
}

std::unique_ptr<PrintJob> QtPrinters::beginJob(const PrintTarget& target,
                                               const QString& documentName) {
    auto job = std::make_unique<QtPrintJob>(target, documentName);
    if (!job->valid()) return nullptr;
    return job;
}

} // namespace vornith
