#include "gui/dialogs/IteVerUnit.h"

#include "core/ingredients/IngredientUse.h"
#include "core/store/FileIo.h"
#include "core/store/Paths.h"
#include "gui/dialogs/ConUnit.h"
#include "gui/widgets/BitBtn.h"
#include "gui/widgets/FormContext.h"
#include "gui/widgets/Messages.h"
#include "gui/widgets/PlatformDialogs.h"
#include "gui/widgets/QtText.h"
#include "gui/widgets/SaveFile.h"

#include <QListWidget>

namespace treluza {

namespace {

constexpr int kItemHeight = 16;

} // namespace

TIteVerForm::TIteVerForm(FormContext& context, QWidget* parent) : TForm(parent), m_context(context)
{
    setUp({.name = "IteVerForm",
           .title = QStringLiteral("ATENÇÃO"),
           .points = 8,
           .bold = true,
           .icons = BorderIcons::Close});
    setEnterPressesButtons(true);

    BitBtn1 = new TBitBtn(QStringLiteral("Imprime Lista"), glyph(QStringLiteral("imprime")), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(0, 0, 200, 25);
    BitBtn2 = new TBitBtn(QStringLiteral("Salva lista"), glyph(QStringLiteral("salva")), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(200, 0, 200, 25);
    BitBtn3 = new TBitBtn(QStringLiteral("Continua"), glyph(QStringLiteral("continua")), this);
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
    BitBtn3->setGeometry(400, 0, 200, 25);
    connect(BitBtn1, &QPushButton::clicked, this, &TIteVerForm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TIteVerForm::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TIteVerForm::BitBtn3Click);

    IteVerListBox = new QListWidget(this);
    IteVerListBox->setObjectName(QStringLiteral("IteVerListBox"));
    QFont listFont(QStringLiteral("Courier New"));
    listFont.setStyleHint(QFont::Monospace);
    listFont.setPointSize(10);
    listFont.setBold(true);
    IteVerListBox->setFont(listFont);
    IteVerListBox->setUniformItemSizes(true);
    IteVerListBox->setGeometry(0, 25, 600, 375);

    chainTabOrder({BitBtn1, BitBtn2, BitBtn3, IteVerListBox});
    setClientSize(600, 400);
}

bool TIteVerForm::ScanIngredientUse(std::string_view table, std::string_view ingredient)
{
    std::vector<std::string> users;
    try {
        users = treluza::ScanIngredientUse(m_context.baseFolder, table, ingredient, m_context.progress());
    } catch (const UnusableNameError&) {
        return false; // a table that cannot name a folder has no preparations
    } catch (const FileReadError& e) {
        tellStoreError(e);
        return false;
    }
    if (users.empty())
        return false;
    showUsage(ingredientUseMessage(ingredient), users);
    return true;
}

void TIteVerForm::showUsage(std::string_view message, const std::vector<std::string>& names)
{
    clear();
    AddMessageLines(message);
    addLines(names);
    openModal();
}

void TIteVerForm::clear()
{
    IteVerListBox->clear();
}

void TIteVerForm::AddMessageLines(std::string_view message)
{
    addLines(messageLines(message));
}

void TIteVerForm::addLines(const std::vector<std::string>& lines)
{
    for (const std::string& line : lines) {
        auto* item = new QListWidgetItem(qs(line), IteVerListBox);
        item->setSizeHint(QSize(0, kItemHeight));
    }
}

std::vector<std::string> TIteVerForm::lines() const
{
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(IteVerListBox->count()));
    for (int i = 0; i < IteVerListBox->count(); ++i)
        lines.push_back(cs(IteVerListBox->item(i)->text()));
    return lines;
}

void TIteVerForm::BitBtn1Click()
{
    std::unique_ptr<TextPrinter> printer = dialogs().chooseTextPrinter(this, IteVerListBox->font());
    if (!printer)
        return;
    if (!printer->beginDocument()) {
        tell(QStringLiteral("Não foi possível imprimir!"));
        return;
    }
    for (int i = 0; i < IteVerListBox->count(); ++i)
        printer->writeLine(IteVerListBox->item(i)->text());
    printer->endDocument();
}

void TIteVerForm::BitBtn2Click()
{
    // The name is used as typed: no extension is added.
    const QString file = chooseFileToSave(this, m_context.configFile, kTextList);
    if (!file.isEmpty())
        writeChosenFile(file, joinLines(lines()), false);
}

void TIteVerForm::BitBtn3Click()
{
    done(0);
}

} // namespace treluza
