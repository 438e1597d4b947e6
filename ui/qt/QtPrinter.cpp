#include "ui/qt/QtPrinter.h"

#include <QFile>
#include <QFileInfo>
#include <QPrinter>

#include "ui/qt/QtText.h"

namespace veltrane::qt {

namespace {

// Qt's PDF writer does not notice a write that fails (a full disk): the file it leaves is then
// cut short of the end-of-file mark it writes last. A device or pipe chosen as the file
// cannot be read back, and is taken as written.
bool IsWholePdf(const QString& fileName) {
    const QFileInfo info(fileName);
    if (!info.isFile()) return info.exists();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return false;
    constexpr qint64 kTail = 64;
    if (file.size() > kTail && !file.seek(file.size() - kTail)) return false;
    return file.readAll().trimmed().endsWith("%%EOF");
}

}  // namespace

QFont PrinterFont() {
    QFont font(QStringLiteral("Liberation Mono"));
    font.setPointSize(10);
    return font;
}

QtPrinter::QtPrinter(std::unique_ptr<QPrinter> printer)
    : m_printer(std::move(printer)), m_canvas(m_painter, PrinterFont(), m_printer.get()) {}

QtPrinter::~QtPrinter() {
    endDoc();
}

bool QtPrinter::startDoc(const std::string& name) {
    if (m_painter.isActive()) return true;
    m_printer->setDocName(ToQString(name));
    m_pages = 0;
    // A PDF file that cannot be created, or a printer that is gone, fails here.
    return m_painter.begin(m_printer.get());
}

bool QtPrinter::startPage() {
    if (!m_painter.isActive()) return false;
    // Qt opens the first page with the document; every later page needs its own, which a
    // full disk or a printer gone away refuses.
    if (m_pages > 0 && !m_printer->newPage()) return false;
    ++m_pages;
    return true;
}

bool QtPrinter::endPage() {
    return m_painter.isActive();
}

bool QtPrinter::endDoc() {
    if (!m_painter.isActive()) return false;
    // Ending writes out what the document still holds (a PDF's pages, its trailer).
    if (!m_painter.end()) return false;
    if (m_printer->outputFormat() != QPrinter::PdfFormat) return true;
    const QString fileName = m_printer->outputFileName();
    if (IsWholePdf(fileName)) return true;
    // A cut-off PDF is no printout; none is left to pass for one.
    if (QFileInfo(fileName).isFile()) QFile::remove(fileName);
    return false;
}

}  // namespace veltrane::qt
