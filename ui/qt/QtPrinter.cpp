#include "ui/qt/QtPrinter.h"

#include <QPrinter>

#include "ui/qt/QtText.h"

namespace veltrane::qt {

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

void QtPrinter::startPage() {
    if (!m_painter.isActive()) return;
    // Qt opens the first page with the document; every later page needs its own.
    if (m_pages > 0) m_printer->newPage();
    ++m_pages;
}

void QtPrinter::endPage() {}

void QtPrinter::endDoc() {
    if (m_painter.isActive()) m_painter.end();
}

}  // namespace veltrane::qt
