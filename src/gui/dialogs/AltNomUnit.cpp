#include "gui/dialogs/AltNomUnit.h"

#include "gui/widgets/BitBtn.h"
#include "gui/widgets/MaskEdit.h"
#include "gui/widgets/NameFilter.h"
#include "gui/widgets/QtText.h"

#include <QLabel>

namespace treluza {

namespace {

const QString kDefaultMask = QString(30, u'c') + QStringLiteral(";1;_");

} // namespace

TAltNomForm::TAltNomForm(QWidget* parent) : TForm(parent)
{
    setUp({.name = "AltNomForm", .title = QStringLiteral("TELA ALTERA NOME"), .points = 8, .bold = true});

    ConBitBtn =
        new TBitBtn(QStringLiteral("Confirma alteração do nome"), glyph(QStringLiteral("confirma")), this);
    ConBitBtn->setObjectName(QStringLiteral("ConBitBtn"));
    ConBitBtn->setModalResult(1);
    ConBitBtn->setGeometry(0, 0, 315, 35);
    CanBitBtn =
        new TBitBtn(QStringLiteral("Cancela alteração do nome"), glyph(QStringLiteral("cancela")), this);
    CanBitBtn->setObjectName(QStringLiteral("CanBitBtn"));
    CanBitBtn->setModalResult(2);
    CanBitBtn->setGeometry(315, 0, 315, 35);

    QFont editFont = font();
    editFont.setPointSize(12);
    NomAtuLabel = new QLabel(QStringLiteral("Nome atual"), this);
    // Each edit stands under its label.
    NomAtuLabel->setGeometry(10, 38, 200, 16);
    NomAtuMaskEdit = new TMaskEdit(kDefaultMask, this);
    NomAtuMaskEdit->setObjectName(QStringLiteral("NomAtuMaskEdit"));
    NomAtuMaskEdit->setFont(editFont);
    NomAtuMaskEdit->setGeometry(10, 54, 610, 28);
    NomAtuMaskEdit->setEnabled(false);

    NovNomLabel = new QLabel(QStringLiteral("Novo nome"), this);
    NovNomLabel->setGeometry(10, 86, 200, 16);
    NovNomMaskEdit = new TMaskEdit(kDefaultMask, this);
    NovNomMaskEdit->setObjectName(QStringLiteral("NovNomMaskEdit"));
    NovNomMaskEdit->setFont(editFont);
    NovNomMaskEdit->setGeometry(10, 102, 610, 28);
    installNameFilter(*NovNomMaskEdit);
    NomAtuLabel->setBuddy(NomAtuMaskEdit);
    NovNomLabel->setBuddy(NovNomMaskEdit);

    setTabOrder(ConBitBtn, CanBitBtn);
    setTabOrder(CanBitBtn, NovNomMaskEdit);
    setClientSize(630, 135);
}

std::optional<std::string> TAltNomForm::askNewName(const QString& caption, const QString& editMask,
                                                   std::string_view currentName)
{
    setWindowTitle(caption);
    NomAtuMaskEdit->setEditMask(editMask);
    NovNomMaskEdit->setEditMask(editMask);
    NomAtuMaskEdit->setCoreText(currentName);
    NovNomMaskEdit->clearText();
    if (openModal() != 1)
        return std::nullopt;
    return NovNomMaskEdit->coreText();
}

void TAltNomForm::FormActivate()
{
    NovNomMaskEdit->setFocus();
    NovNomMaskEdit->setCursorPosition(0);
}

} // namespace treluza
