#pragma once
// PlatformDialogs: the print dialog and the save dialog, behind a seam.
//
// How to use it: windows call dialogs().choosePrinter(...) or
// chooseFileToSave(...) of SaveFile.h and never create a QPrintDialog or a
// QFileDialog themselves. The real implementation shows QPrintDialog (which
// offers printing to a PDF file) and QFileDialog. A test installs its own
// implementation with setPlatformDialogs() and answers without a window;
// setPlatformDialogs(nullptr) restores the real one.
//
// TextPrinter is the printer used as a text device (the help text, the lists
// of the usage warning window): lines go out one per printed line in the given
// font, a full page continues on the next. The real one, PrinterTextDevice,
// draws on a QPrinter.
#include <QFont>
#include <QString>

#include <memory>

class QPrinter;
class QPainter;
class QWidget;

namespace treluza {

class TextPrinter {
public:
    virtual ~TextPrinter() = default;
    /** Begins a print document; false when the printer cannot be opened. */
    virtual bool beginDocument() = 0;
    virtual void writeLine(const QString& line) = 0;
    virtual void endDocument() = 0;
};

class PlatformDialogs {
public:
    virtual ~PlatformDialogs() = default;

    /** Shows the print dialog for printer; false when the user cancels. */
    virtual bool choosePrinter(QPrinter& printer, QWidget* parent) = 0;

    /** Shows the print dialog and returns a text device on the chosen printer,
     *  or null when the user cancels. */
    virtual std::unique_ptr<TextPrinter> chooseTextPrinter(QWidget* parent, const QFont& font) = 0;

    /** Shows the save dialog in folder; filter as "txt|*.txt" (description
     *  and pattern pairs separated by "|"); a default suffix is added to a name
     *  typed without one when given; fileName, when given, is the name offered.
     *  Returns the chosen path, empty on cancel. Windows call it through
     *  chooseFileToSave (SaveFile.h), which chooses the folder. */
    virtual QString chooseSaveFile(QWidget* parent, const QString& filter, const QString& defaultSuffix,
                                   const QString& fileName, const QString& folder) = 0;
};

/** The dialogs in use. */
PlatformDialogs& dialogs();

/** Installs dialogs (not owned); null restores the real ones. */
void setPlatformDialogs(PlatformDialogs* dialogs);

/** A QPrinter used as a text device. On a printer every document is a print
 *  job of its own; when the printer writes a PDF file, the documents follow
 *  each other in that one file, each starting on a new page (a second job
 *  would overwrite the file). */
class PrinterTextDevice final : public TextPrinter {
public:
    PrinterTextDevice(QPrinter& printer, const QFont& font);
    ~PrinterTextDevice() override;

    bool beginDocument() override;
    void writeLine(const QString& line) override;
    void endDocument() override;

    int pagesPrinted() const { return m_pages; }

private:
    void newPage();

    QPrinter& m_printer;
    QFont m_font;
    std::unique_ptr<QPainter> m_painter;
    bool m_inDocument = false;
    bool m_pageStarted = false;
    int m_y = 0;
    int m_pages = 0;
};

/** The real dialogs. */
class QtPlatformDialogs final : public PlatformDialogs {
public:
    bool choosePrinter(QPrinter& printer, QWidget* parent) override;
    std::unique_ptr<TextPrinter> chooseTextPrinter(QWidget* parent, const QFont& font) override;
    QString chooseSaveFile(QWidget* parent, const QString& filter, const QString& defaultSuffix,
                           const QString& fileName, const QString& folder) override;
};

} // namespace treluza
