#include "gui/recipes/CadRecUnit.h"

#include "core/store/FileIo.h"
#include "core/store/Journal.h"
#include "core/store/Paths.h"
#include "gui/widgets/BitBtn.h"
#include "gui/widgets/Messages.h"
#include "gui/widgets/NameFilter.h"
#include "gui/widgets/QtText.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QCloseEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

#include <cmath>

namespace treluza {

namespace {

constexpr int kMaxLines = 32;
constexpr int kColumns = 70;
constexpr int kMaxChars = kMaxLines * kColumns;

/** The memo: wraps at 70 characters and takes no more than 2240 characters,
 *  also when text is pasted. */
class MethodMemo final : public QTextEdit {
public:
    explicit MethodMemo(QWidget* parent) : QTextEdit(parent)
    {
        setAcceptRichText(false);
        setTabChangesFocus(true);
        setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        setLineWrapMode(QTextEdit::FixedPixelWidth);
    }

    /** Wraps at the width of 70 characters of the memo's fixed-pitch font, at
     *  a blank when the line has one (a column count would cut words). */
    void fitColumns()
    {
        const double advance = QFontMetricsF(font()).horizontalAdvance(u'x');
        const double margins = 2 * document()->documentMargin();
        setLineWrapColumnOrWidth(static_cast<int>(std::ceil(kColumns * advance + margins)));
    }

    int room() const
    {
        return kMaxChars - (document()->characterCount() - 1) + textCursor().selectedText().size();
    }

protected:
    void insertFromMimeData(const QMimeData* source) override
    {
        if (!source->hasText())
            return;
        const int free = room();
        if (free <= 0) {
            QApplication::beep();
            return;
        }
        QString text = source->text();
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(u'\r', u'\n');
        textCursor().insertText(text.left(free));
    }
};

/** Where the memo's caret is, in shown lines and columns from 0. */
struct Caret {
    int line = 0;
    int column = 0;
};

void layOut(const QTextEdit& memo)
{
    // Lays the whole text out, so that every block knows its lines.
    memo.document()->documentLayout()->documentSize();
}

int shownLineCount(const QTextEdit& memo)
{
    layOut(memo);
    int count = 0;
    for (QTextBlock b = memo.document()->begin(); b.isValid(); b = b.next())
        count += std::max(1, b.layout()->lineCount());
    return count;
}

Caret caretOf(const QTextEdit& memo)
{
    layOut(memo);
    const QTextCursor cursor = memo.textCursor();
    const QTextBlock block = cursor.block();
    Caret caret;
    for (QTextBlock b = memo.document()->begin(); b.isValid() && b != block; b = b.next())
        caret.line += std::max(1, b.layout()->lineCount());
    const int inBlock = cursor.positionInBlock();
    const QTextLine line = block.layout()->lineForTextPosition(inBlock);
    if (line.isValid()) {
        caret.line += line.lineNumber();
        caret.column = inBlock - line.textStart();
    } else {
        caret.column = inBlock;
    }
    return caret;
}

} // namespace

TCadRecForm::TCadRecForm(FormContext& context, QWidget* parent)
    : TDocumentForm(
          context,
          {QStringLiteral("Grava alterações da receita?"), QStringLiteral("Receita gravada com sucesso!")},
          parent)
{
    setUp({.name = "CadRecForm",
           .title = QStringLiteral("Cadastro de Receita"),
           .points = 9,
           .bold = true,
           .icons = BorderIcons::Close});

    const auto button = [this](const QString& caption, const char* picture, const char* name, int x) {
        auto* b = new TBitBtn(caption, glyph(QString::fromLatin1(picture)), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(x, 0, 150, 32);
        return b;
    };
    GraBitBtn = button(QStringLiteral("&Grava"), "grava", "GraBitBtn", 0);
    ImpBitBtn = button(QStringLiteral("&Imprime"), "imprime", "ImpBitBtn", 150);
    AjuBitBtn = button(QStringLiteral("A&juda"), "ajuda", "AjuBitBtn", 300);
    RetBitBtn = button(QStringLiteral("&Retorna"), "retorna", "RetBitBtn", 450);
    connect(GraBitBtn, &QPushButton::clicked, this, &TCadRecForm::GraBitBtnClick);
    connect(ImpBitBtn, &QPushButton::clicked, this, &TCadRecForm::ImpBitBtnClick);
    connect(AjuBitBtn, &QPushButton::clicked, this, &TDocumentForm::AjuBitBtnClick);
    connect(RetBitBtn, &QPushButton::clicked, this, &TDocumentForm::RetBitBtnClick);

    NomPreLabel = new QLabel(this);
    NomPreLabel->setObjectName(QStringLiteral("NomPreLabel"));
    QFont labelFont(QStringLiteral("Arial"));
    labelFont.setPointSize(12);
    labelFont.setBold(true);
    NomPreLabel->setFont(labelFont);
    NomPreLabel->setGeometry(8, 36, 584, 24);

    RecMemo = new MethodMemo(this);
    RecMemo->setObjectName(QStringLiteral("RecMemo"));
    QFont memoFont(QStringLiteral("Courier New"));
    memoFont.setStyleHint(QFont::Monospace);
    memoFont.setPointSize(8);
    memoFont.setBold(true);
    RecMemo->setFont(memoFont);
    static_cast<MethodMemo*>(RecMemo)->fitColumns();
    RecMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RecMemo->setGeometry(0, 64, 600, 456);
    RecMemo->installEventFilter(this);
    connect(RecMemo, &QTextEdit::textChanged, this, &TCadRecForm::RecMemoChange);

    chainTabOrder({RecMemo, GraBitBtn, ImpBitBtn, AjuBitBtn, RetBitBtn});
    setClientSize(600, 520);
}

void TCadRecForm::handOver(std::string_view tableName, std::string_view preparationName)
{
    m_table = tableName;
    m_preparation = preparationName;
    NomPreLabel->setText(qs(preparationName));
}

void TCadRecForm::FormActivate()
{
    setWindowTitle(QStringLiteral("DIGITA MODO DE PREPARO"));
    RecMemo->clear();
    // A text that cannot be read is not shown, so that it cannot be saved over.
    std::vector<std::string> lines;
    try {
        m_file = ensureFile(MethodFilePath(m_context.baseFolder, m_table, m_preparation));
        lines = loadLines(m_file);
    } catch (const FileReadError& e) {
        tellUnreadable(QString::fromStdString(e.path().string()));
        setChanged(false);
        done(0);
        return;
    } catch (const UnusableNameError&) {
        tellUnreadable(qs(m_preparation).trimmed());
        setChanged(false);
        done(0);
        return;
    }
    QStringList text;
    for (const std::string& line : lines)
        text << qs(line);
    RecMemo->setPlainText(text.join(u'\n'));
    setChanged(false);
    RecMemo->setFocus();
}

QStringList TCadRecForm::memoLines() const
{
    layOut(*RecMemo);
    QStringList lines;
    for (QTextBlock b = RecMemo->document()->begin(); b.isValid(); b = b.next()) {
        const QTextLayout* layout = b.layout();
        if (layout->lineCount() == 0) {
            lines << b.text();
            continue;
        }
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            lines << b.text().mid(line.textStart(), line.textLength());
        }
    }
    // The empty line after a final line break is not a line of the text.
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

void TCadRecForm::RecMemoChange()
{
    setChanged(true);
}

bool TCadRecForm::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == RecMemo && e->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(e);
        QChar typed;
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            typed = u'\r';
        else if (key->key() == Qt::Key_Backspace)
            typed = u'\b';
        else if (!key->text().isEmpty() && key->text().at(0).isPrint())
            typed = key->text().at(0);
        if (!typed.isNull() && !RecMemoKeyPress(typed))
            return true;
    }
    return TForm::eventFilter(watched, e);
}

bool TCadRecForm::RecMemoKeyPress(QChar key)
{
    const int lines = shownLineCount(*RecMemo);
    const Caret caret = caretOf(*RecMemo);
    if ((key == u'\r' && lines == kMaxLines) ||
        (caret.line == kMaxLines - 1 && caret.column == kColumns - 1)) {
        tell(QStringLiteral("São permitadas no máximo 32 linhas!"));
        return false;
    }
    if (lines > kMaxLines) {
        QApplication::beep();
        return false;
    }
    if (key != u'\b' && !hasCp1252Form(key)) {
        refuseCharacter(key);
        return false;
    }
    if (key != u'\b' && static_cast<MethodMemo*>(RecMemo)->room() <= 0) {
        QApplication::beep();
        return false;
    }
    return true;
}

bool TCadRecForm::writeDocument()
{
    std::vector<std::string> lines;
    for (const QString& line : memoLines())
        lines.push_back(cs(line));
    try {
        writeTableFile(m_context.baseFolder, m_table, m_file, joinLines(lines));
    } catch (const FileWriteError&) {
        tell(QStringLiteral("Não foi possível gravar o arquivo ") + QString::fromStdString(m_file.string()) +
             QStringLiteral(" !"));
        return false;
    }
    setChanged(false);
    return true;
}

void TCadRecForm::GraBitBtnClick()
{
    if (!ask(QStringLiteral("Grava receita?")))
        return;
    if (writeDocument())
        tell(QStringLiteral("Receita gravada com sucesso!"));
}

void TCadRecForm::ImpBitBtnClick()
{
    if (changed())
        writeDocument();
}

} // namespace treluza
