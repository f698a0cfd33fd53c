#include "platform/qt/qt_printers.h"

#include "platform/qt/painter_surface.h"
#include "platform/titulo_programa.h"
#include "platform/units.h"

#include <QFile>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

namespace vornith {

namespace {

// The printable area of a paged device (a printer, or a PDF writer) in twips.
class PrinterSurface final : public PainterSurface {
public:
    explicit PrinterSurface(QPagedPaintDevice& device)
        : PainterSurface(SurfaceKind::Printer, 1440.0 / device.logicalDpiX(),
                         1440.0 / device.logicalDpiY()),
          device_(device) {}
    ~PrinterSurface() override { endPainting(); }

    int widthPixels() const override { return device_.width(); }
    int heightPixels() const override { return device_.height(); }
    double widthTwips() const override { return device_.width() * twipsPerPixelX(); }
    double heightTwips() const override { return device_.height() * twipsPerPixelY(); }

    bool started() { return painter().isActive(); }
    bool newPage() {
        if (!painter().isActive()) return false;
        drawPendingText(); // on the page it was printed on
        return device_.newPage();
    }
    bool finish() { return endPainting(); }

protected:
    QPaintDevice* device() override { return &device_; }

private:
    QPagedPaintDevice& device_;
};

QPageLayout paginaA4() {
    const double mmPerTwip = 25.4 / 1440.0;
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(kUnprintableLeft * mmPerTwip, kUnprintableTop * mmPerTwip,
                                 kUnprintableRight * mmPerTwip, kUnprintableBottom * mmPerTwip),
                       QPageLayout::Millimeter);
}

// A job on an installed printer.
class QtPrintJob final : public PrintJob {
public:
    QtPrintJob(const QString& printerName, const QString& documentName)
        : printer_(QPrinter::HighResolution) {
        printer_.setPrinterName(printerName);
        printer_.setDocName(documentName);
        printer_.setCreator(TituloPrograma());
        printer_.setFullPage(false);
        printer_.setPageLayout(paginaA4());
        surface_ = std::make_unique<PrinterSurface>(printer_);
    }

    bool valid() { return printer_.isValid() && surface_->started(); }
    Surface& surface() override { return *surface_; }
    bool newPage() override { return surface_->newPage(); }
    bool endDoc() override { return surface_->finish(); }

private:
    QPrinter printer_;
    std::unique_ptr<PrinterSurface> surface_;
};

// A job written to a PDF file. The file is the writer's device, so that a failed write (a
// full disk) is seen when the document ends.
class PdfJob final : public PrintJob {
public:
    PdfJob(const QString& path, const QString& documentName) : file_(path), writer_(&file_) {
        writer_.setResolution(1200);
        writer_.setTitle(documentName);
        writer_.setCreator(TituloPrograma());
        writer_.setPageLayout(paginaA4());
        surface_ = std::make_unique<PrinterSurface>(writer_);
    }

    bool start() { return file_.open(QIODevice::WriteOnly) && surface_->started(); }
    Surface& surface() override { return *surface_; }
    bool newPage() override { return surface_->newPage() && file_.error() == QFile::NoError; }
    bool endDoc() override {
        const bool ended = surface_->finish();
        const bool written = file_.flush() && file_.error() == QFile::NoError;
        file_.close();
        return ended && written && file_.error() == QFile::NoError;
    }

private:
    QFile file_;
    QPdfWriter writer_;
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
    if (!target.pdfPath.isEmpty()) {
        auto job = std::make_unique<PdfJob>(target.pdfPath, documentName);
        if (!job->start()) return nullptr;
        return job;
    }
    auto job = std::make_unique<QtPrintJob>(target.printerName, documentName);
    if (!job->valid()) return nullptr;
    return job;
}

} // namespace vornith
