#include "gui/widgets/PlatformDialogs.h"

#include <QFileDialog>
#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace treluza {

namespace {

PlatformDialogs*& installed()
{
    static PlatformDialogs* dialogs = nullptr;
    return dialogs;
}

// A text device that owns its printer (the one the print dialog set up).
class OwnedPrinterTextDevice final : public TextPrinter {
public:
    OwnedPrinterTextDevice(std::unique_ptr<QPrinter> printer, const QFont& font)
        : m_printer(std::move(printer)), m_device(*m_printer, font)
    {
    }
    bool beginDocument() override { return m_device.beginDocument(); }
    void writeLine(const QString& line) override { m_device.writeLine(line); }
    void endDocument() override { m_device.endDocument(); }

private:
    std::unique_ptr<QPrinter> m_printer;
    PrinterTextDevice m_device;
};

// "txt|*.txt" -> "txt (*.txt)"
QString qtFilter(const QString& filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        out << parts[i] + QStringLiteral(" (") + parts[i + 1] + QStringLiteral(")");
    return out.join(QStringLiteral(";;"));
}

} // namespace

PlatformDialogs& dialogs()
{
    static QtPlatformDialogs real;
    return installed() ? *installed() : real;
}

void setPlatformDialogs(PlatformDialogs* dialogs)
{
    installed() = dialogs;
}

PrinterTextDevice::PrinterTextDevice(QPrinter& printer, const QFont& font) : m_printer(printer), m_font(font)
{
}

PrinterTextDevice::~PrinterTextDevice()
{
    if (m_painter && m_painter->isActive())
        m_painter->end();
}

bool PrinterTextDevice::beginDocument()
{
    if (m_inDocument)
        return true;
    const bool toFile = m_printer.outputFormat() == QPrinter::PdfFormat;
    if (m_painter && m_painter->isActive() && toFile) {
        // The next document of the same file starts on a new page.
        m_inDocument = true;
        if (m_pageStarted)
            newPage();
        return true;
    }
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(&m_printer)) {
        m_painter.reset();
        return false;
    }
    m_painter->setFont(QFont(m_font, &m_printer));
    m_inDocument = true;
    m_pageStarted = false;
    m_y = 0;
    ++m_pages;
    return true;
}

void PrinterTextDevice::newPage()
{
    m_printer.newPage();
    m_y = 0;
    m_pageStarted = false;
    ++m_pages;
}

void PrinterTextDevice::writeLine(const QString& line)
{
    if (!m_inDocument || !m_painter)
        return;
    const QFontMetrics metrics(m_painter->font(), &m_printer);
    const int pageHeight = m_printer.pageLayout().paintRectPixels(m_printer.resolution()).height();
    if (m_pageStarted && m_y + metrics.height() > pageHeight)
        newPage();
    m_painter->drawText(0, m_y + metrics.ascent(), line);
    m_y += metrics.height();
    m_pageStarted = true;
}

void PrinterTextDevice::endDocument()
{
    if (!m_inDocument)
        return;
    m_inDocument = false;
    if (m_printer.outputFormat() == QPrinter::PdfFormat)
        return; // the file is closed with the device
    m_painter->end();
    m_painter.reset();
}

bool QtPlatformDialogs::choosePrinter(QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

std::unique_ptr<TextPrinter> QtPlatformDialogs::chooseTextPrinter(QWidget* parent, const QFont& font)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!choosePrinter(*printer, parent))
        return nullptr;
    return std::make_unique<OwnedPrinterTextDevice>(std::move(printer), font);
}

QString QtPlatformDialogs::chooseSaveFile(QWidget* parent, const QString& filter,
                                          const QString& defaultSuffix, const QString& fileName,
                                          const QString& folder)
{
    QFileDialog dialog(parent);
    dialog.setDirectory(folder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(qtFilter(filter));
    dialog.setDefaultSuffix(defaultSuffix);
    if (!fileName.isEmpty())
        dialog.selectFile(fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

} // namespace treluza
