#include "gui/tables/CfgNutUnit.h"

#include "core/store/Collation.h"
#include "core/store/FileIo.h"
#include "core/store/IniFile.h"
#include "core/store/Paths.h"
#include "core/store/RecordList.h"
#include "core/store/StoreError.h"
#include "core/tables/ActiveTable.h"
#include "gui/dialogs/AjuUnit.h"
#include "gui/widgets/BitBtn.h"
#include "gui/widgets/MaskEdit.h"
#include "gui/widgets/Messages.h"
#include "gui/widgets/QtText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

namespace treluza {

namespace {

constexpr int kTechnicianWidth = 50;

// The list settings that name fields and groups of a table; they are reset
// when another table is picked. The keyword filter is not table-bound.
void resetListSettings(IniFile& ini, const char* section)
{
    ini.setBool(section, kKeyAtiFil, false);
    ini.setString(section, kKeyGruFil, "");
    ini.setBool(section, kKeyAtiOrd, false);
    ini.setString(section, kKeyCamOrd, "");
    ini.setInteger(section, kKeyPosFilOrd, 0);
}

} // namespace

TCfgNutForm::TCfgNutForm(FormContext& context, QWidget* parent) : TForm(parent), m_context(context)
{
    setUp({.name = "CfgNutForm",
           .title = QStringLiteral("Configuração"),
           .points = 8,
           .bold = true,
           .width = 582,
           .height = 265});

    GraBitBtn = new TBitBtn(QStringLiteral("&Grava"), glyph(QStringLiteral("grava")), this);
    AjuBitBtn = new TBitBtn(QStringLiteral("A&juda"), glyph(QStringLiteral("ajuda")), this);
    RetBitBtn = new TBitBtn(QStringLiteral("&Retorna"), glyph(QStringLiteral("retorna")), this);
    GraBitBtn->setGeometry(0, 0, 194, 30);
    AjuBitBtn->setGeometry(194, 0, 194, 30);
    RetBitBtn->setGeometry(388, 0, 194, 30);

    TabGroupBox = new QGroupBox(QStringLiteral("TABELA"), this);
    TabGroupBox->setGeometry(8, 38, 566, 80);
    FixTabCheckBox = new QCheckBox(QStringLiteral("Fixa tabela"), TabGroupBox);
    FixTabCheckBox->setGeometry(12, 34, 110, 22);
    NomTabLabel = new QLabel(QStringLiteral("Nome da tabela"), TabGroupBox);
    NomTabLabel->setGeometry(140, 18, 200, 16);
    NomTabComboBox = new QComboBox(TabGroupBox);
    NomTabComboBox->setEditable(false);
    NomTabComboBox->setGeometry(140, 34, 260, 24);

    TecGroupBox = new QGroupBox(QStringLiteral("Responsável técnico"), this);
    TecGroupBox->setGeometry(8, 124, 566, 133);
    QFont big(QStringLiteral("Arial"), 12);
    big.setBold(true);
    NomTecLabel = new QLabel(QStringLiteral("Nome"), TecGroupBox);
    NomTecLabel->setGeometry(12, 20, 200, 16);
    NomTecMaskEdit = new TMaskEdit(TecGroupBox);
    NomTecMaskEdit->setMaxLength(kTechnicianWidth);
    NomTecMaskEdit->setFont(big);
    NomTecMaskEdit->setGeometry(12, 36, 542, 28);
    ConTecLabel = new QLabel(QStringLiteral("Contato"), TecGroupBox);
    ConTecLabel->setGeometry(12, 72, 200, 16);
    ConTecMaskEdit = new TMaskEdit(TecGroupBox);
    ConTecMaskEdit->setMaxLength(kTechnicianWidth);
    ConTecMaskEdit->setFont(big);
    ConTecMaskEdit->setGeometry(12, 88, 542, 28);

    chainTabOrder(
        {GraBitBtn, AjuBitBtn, RetBitBtn, FixTabCheckBox, NomTabComboBox, NomTecMaskEdit, ConTecMaskEdit});

    connect(GraBitBtn, &TBitBtn::clicked, this, &TCfgNutForm::GraBitBtnClick);
    connect(AjuBitBtn, &TBitBtn::clicked, this, &TCfgNutForm::AjuBitBtnClick);
    connect(RetBitBtn, &TBitBtn::clicked, this, &TCfgNutForm::RetBitBtnClick);
    connect(FixTabCheckBox, &QCheckBox::clicked, this, &TCfgNutForm::FixTabCheckBoxClick);
    connect(NomTabComboBox, &QComboBox::currentIndexChanged, this, &TCfgNutForm::NomTabComboBoxChange);
    connect(NomTecMaskEdit, &TMaskEdit::Change, this, &TCfgNutForm::textChanged);
    connect(ConTecMaskEdit, &TMaskEdit::Change, this, &TCfgNutForm::textChanged);
}

void TCfgNutForm::FormActivate()
{
    m_loading = true;
    setWindowTitle(QStringLiteral("CONFIGURAÇÃO - DEFINE TABELA DE INGREDIENTES ATIVA"));
    m_tableChanged = false;

    // Damaged registry lines that cannot name a folder are not offered.
    TableChoices choices;
    try {
        choices = loadTableChoices(m_context.baseFolder);
    } catch (const StoreError&) {
        choices = {};
    }
    NomTabComboBox->clear();
    for (const auto& name : choices.names)
        NomTabComboBox->addItem(qs(name));

    IniFile ini(m_context.configFile);
    FixTabCheckBox->setChecked(ini.readBool(kSecFixTable, kKeyFixTab, false));
    const std::string name = dropLastChar(ini.readString(kSecFixTable, kKeyNomTab, ""));
    NomTabComboBox->setCurrentIndex(entryOf(choices.names, name));
    NomTecMaskEdit->setCoreText(ini.readString(kSecTechnician, kKeyNomTec, ""));
    ConTecMaskEdit->setCoreText(ini.readString(kSecTechnician, kKeyConTec, ""));
    NomTabComboBox->setEnabled(FixTabCheckBox->isChecked());
    m_modified = false;
    m_loading = false;
    FixTabCheckBox->setFocus();
}

void TCfgNutForm::FixTabCheckBoxClick()
{
    m_modified = true;
    m_loading = true;
    const bool on = FixTabCheckBox->isChecked();
    NomTabComboBox->setEnabled(on);
    NomTabComboBox->setCurrentIndex(on && NomTabComboBox->count() > 0 ? 0 : -1);
    m_loading = false;
}

void TCfgNutForm::NomTabComboBoxChange()
{
    if (m_loading)
        return;
    m_modified = true;
    m_tableChanged = true;
}

void TCfgNutForm::textChanged()
{
    if (!m_loading)
        m_modified = true;
}

void TCfgNutForm::GraBitBtnClick()
{
    // Every key of one save goes to the file in one replacement: a failure
    // leaves the file as it was, never the table fixed under the old name.
    try {
        // Every key in one replacement of the file: all saved or none.
        IniFile ini(m_context.configFile);
        ini.setBool(kSecFixTable, kKeyFixTab, FixTabCheckBox->isChecked());
        ini.setString(kSecFixTable, kKeyNomTab, cs(NomTabComboBox->currentText()) + "|");
        ini.setString(kSecTechnician, kKeyNomTec, NomTecMaskEdit->coreText());
        ini.setString(kSecTechnician, kKeyConTec, ConTecMaskEdit->coreText());
        if (m_tableChanged) {
            resetListSettings(ini, kSecIngredientList);
            resetListSettings(ini, kSecPreparationList);
        }
        ini.save();
    } catch (const FileWriteError&) {
        // Nothing typed is lost: the window stays open with the values.
        tell(QStringLiteral("Erro durante a alteração!"));
        return;
    }
    m_modified = false;
    m_tableChanged = false;
    accept();
}

void TCfgNutForm::RetBitBtnClick()
{
    if (m_modified && ask(QStringLiteral("Os dados não foram salvos! Deseja salvá-los?"))) {
        GraBitBtnClick();
        return;
    }
    accept();
}

void TCfgNutForm::AjuBitBtnClick()
{
    m_context.help.showHelp();
}

} // namespace treluza
