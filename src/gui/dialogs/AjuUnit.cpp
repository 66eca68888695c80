#include "gui/dialogs/AjuUnit.h"

#include "core/store/FileIo.h"
#include "gui/widgets/BitBtn.h"
#include "gui/widgets/FormContext.h"
#include "gui/widgets/Messages.h"
#include "gui/widgets/PlatformDialogs.h"
#include "gui/widgets/QtText.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBlock>

namespace treluza {

QString pageBreakMarker()
{
    return QStringLiteral("<quebra página>");
}

TAjuForm::TAjuForm(FormContext& context, QWidget* parent) : TForm(parent), m_context(context)
{
    setUp({.name = "AjuForm",
           .title = QStringLiteral("TELA AJUDA - TRELUZA 4.0"),
           .icons = BorderIcons::Close,
           .white = true});
    setEnterPressesButtons(true);

    TitLabel = new QLabel(QStringLiteral("TRELUZA 4.0 - Fichas técnicas de preparações"), this);
    TitLabel->setObjectName(QStringLiteral("TitLabel"));
    QFont titleFont(QStringLiteral("Comic Sans MS"));
    titleFont.setPointSize(12);
    titleFont.setBold(true);
    TitLabel->setFont(titleFont);
    TitLabel->setGeometry(8, 0, 500, 30);

    QFont buttonFont(QStringLiteral("Arial"));
    buttonFont.setPointSize(8);
    buttonFont.setBold(true);
    ImpBitBtn = new TBitBtn(QStringLiteral("Imprime"), glyph(QStringLiteral("imprime")), this);
    ImpBitBtn->setObjectName(QStringLiteral("ImpBitBtn"));
    ImpBitBtn->setFont(buttonFont);
    ImpBitBtn->setGeometry(752 - 240, 0, 120, 30);
    BitBtn1 = new TBitBtn(QStringLiteral("&Retorna"), glyph(QStringLiteral("retorna")), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setFont(buttonFont);
    BitBtn1->setGeometry(752 - 120, 0, 120, 30);
    connect(ImpBitBtn, &QPushButton::clicked, this, &TAjuForm::ImpBitBtnClick);
    connect(BitBtn1, &QPushButton::clicked, this, &TAjuForm::BitBtn1Click);

    AjuMemo = new QPlainTextEdit(this);
    AjuMemo->setObjectName(QStringLiteral("AjuMemo"));
    AjuMemo->setReadOnly(true);
    AjuMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    AjuMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    AjuMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QFont memoFont(QStringLiteral("Courier New"));
    memoFont.setStyleHint(QFont::Monospace);
    memoFont.setPointSize(11);
    memoFont.setBold(true);
    AjuMemo->setFont(memoFont);
    AjuMemo->setGeometry(0, 30, 752, 443);

    setTabOrder(AjuMemo, ImpBitBtn);
    setTabOrder(ImpBitBtn, BitBtn1);
    setClientSize(752, 473);
}

void TAjuForm::FormActivate()
{
    setWindowTitle(QStringLiteral("TELA AJUDA - TRELUZA 4.0"));
    loadHelp();
    AjuMemo->setFocus();
}

void TAjuForm::loadHelp()
{
    // The text is only shown: it is not written back, so a help file that
    // cannot be written (an installed copy) stays as it is.
    AjuMemo->clear();
    std::vector<std::string> lines;
    try {
        lines = splitLines(readWholeFile(m_context.helpFile));
    } catch (const FileReadError&) {
        tell(QStringLiteral("Não foi possível abrir o arquivo de ajuda ") +
             QString::fromStdString(m_context.helpFile.string()) + QStringLiteral(" !"));
        return;
    }
    QStringList text;
    text.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines)
        text << qs(line);
    AjuMemo->setPlainText(text.join(u'\n'));
    AjuMemo->moveCursor(QTextCursor::Start);
}

void TAjuForm::ImpBitBtnClick()
{
    std::unique_ptr<TextPrinter> printer = dialogs().chooseTextPrinter(this, AjuMemo->font());
    if (!printer)
        return;
    if (!printer->beginDocument()) {
        tell(QStringLiteral("Não foi possível imprimir!"));
        return;
    }
    for (QTextBlock block = AjuMemo->document()->begin(); block.isValid(); block = block.next()) {
        const QString line = block.text();
        if (line.contains(pageBreakMarker())) {
            printer->endDocument();
            if (!printer->beginDocument()) {
                tell(QStringLiteral("Não foi possível imprimir!"));
                return;
            }
            continue;
        }
        printer->writeLine(line);
    }
    printer->endDocument();
}

void TAjuForm::BitBtn1Click()
{
    done(0);
}

} // namespace treluza
