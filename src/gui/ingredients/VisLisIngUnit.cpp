#include "gui/ingredients/VisLisIngUnit.h"

#include "core/ingredients/IngredientCopy.h"
#include "core/ingredients/IngredientList.h"
#include "core/lists/Keywords.h"
#include "core/lists/ListRows.h"
#include "core/lists/ListSettings.h"
#include "core/records/RecordLayouts.h"
#include "core/store/Collation.h"
#include "core/store/CriUnit.h"
#include "core/store/FileIo.h"
#include "core/store/IniFile.h"
#include "core/store/Paths.h"
#include "core/store/StrUnit.h"
#include "core/tables/TableRegistry.h"
#include "gui/lists/ListBoxRows.h"
#include "gui/widgets/BitBtn.h"
#include "gui/widgets/GroupCombo.h"
#include "gui/widgets/MaskEdit.h"
#include "gui/widgets/Messages.h"
#include "gui/widgets/QtText.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>

namespace treluza {

namespace {

constexpr int kBoxWidth = 199;
constexpr int kButtonHeight = 30;

} // namespace

TVisLisIngForm::TVisLisIngForm(FormContext& context, QWidget* parent) : TListWindow(context, parent)
{
    setUp({.name = "VisLisIngForm", .title = QStringLiteral("VISUALIZA INGREDIENTES")});
    buildControls();

    connectListControls();
    connect(PalChaBitBtn, &TBitBtn::clicked, this, &TVisLisIngForm::PalChaBitBtnClick);
    connect(PalChaCheckBox, &QCheckBox::clicked, this, &TVisLisIngForm::PalChaCheckBoxClick);
    connect(NomTabCheckBox, &QCheckBox::clicked, this, &TVisLisIngForm::NomTabCheckBoxClick);
    connect(NomTabComboBox, &QComboBox::activated, this, &TVisLisIngForm::NomTabComboBoxClick);
    connect(CopIngBitBtn, &TBitBtn::clicked, this, &TVisLisIngForm::CopIngBitBtnClick);
    connect(RetBitBtn, &TBitBtn::clicked, this, &TVisLisIngForm::RetBitBtnClick);
}

void TVisLisIngForm::buildControls()
{
    addButtonRow({{&CopIngBitBtn, "Copia Ingrediente p/ Ativa", "confirma", "CopIngBitBtn", 200},
                  {&PriBitBtn, "&Primeiro", "", "PriBitBtn", 99},
                  {&BitBtn1, "&Volta 1/4", "anterior", "BitBtn1", 99},
                  {&BitBtn3, "&Avança 1/4", "proximo", "BitBtn3", 99},
                  {&UltBitBtn, "&Último", "", "UltBitBtn", 99},
                  {&AjuBitBtn, "A&juda", "ajuda", "AjuBitBtn", 99},
                  {&RetBitBtn, "&Retorna", "retorna", "RetBitBtn", 99}},
                 kButtonHeight);

    // The four option boxes side by side: a check box over its combo or edit.
    const auto check = [this](const char* name, const char* caption, int column) {
        return optionCheck(name, caption, QPoint(column * kBoxWidth + 6, kButtonHeight + 3));
    };
    const auto combo = [this](const char* name, int column) {
        return optionCombo(name, QRect(column * kBoxWidth + 6, kButtonHeight + 20, kBoxWidth - 10, 22));
    };
    NomTabCheckBox = check("NomTabCheckBox", "Visualiza Tabela Ativa", 0);
    NomTabCheckBox->setChecked(true);
    NomTabComboBox = combo("NomTabComboBox", 0);
    AtiFilCheckBox = check("AtiFilCheckBox", "Filtra Lista por Grupo", 1);
    NomGruComboBox = combo("NomGruComboBox", 1);
    AtiOrdCheckBox = check("AtiOrdCheckBox", "Ordena Lista", 2);
    NomCamComboBox = combo("NomCamComboBox", 2);
    PalChaCheckBox = check("PalChaCheckBox", "Palavra  Chave", 3);
    PalChaMaskEdit = new TMaskEdit(QStringLiteral(">cccccccccccccccccccc;0;_"), this);
    PalChaMaskEdit->setObjectName(QStringLiteral("PalChaMaskEdit"));
    PalChaMaskEdit->setGeometry(3 * kBoxWidth + 6, kButtonHeight + 20, kBoxWidth - 52, 22);
    PalChaBitBtn = new TBitBtn(QStringLiteral("Ok"), this);
    PalChaBitBtn->setObjectName(QStringLiteral("PalChaBitBtn"));
    PalChaBitBtn->setGeometry(4 * kBoxWidth - 42, kButtonHeight + 19, 38, 24);

    makeRowList(false, QRect(0, 93, 796, 405));
    CabLabel = new QLabel(this);
    CabLabel->setObjectName(QStringLiteral("CabLabel"));
    CabLabel->setFont(listFont(false));
    attachHeader(CabLabel, 75, 18);

    chainTabOrder({LisFilOrdListBox, CopIngBitBtn, PriBitBtn, BitBtn1, BitBtn3, UltBitBtn, AjuBitBtn,
                   RetBitBtn, NomTabCheckBox, NomTabComboBox, AtiFilCheckBox, NomGruComboBox, AtiOrdCheckBox,
                   NomCamComboBox, PalChaCheckBox, PalChaMaskEdit, PalChaBitBtn});
}

BrowseResult TVisLisIngForm::browse(const ActiveTable& active, const KeyedRecords& records, int currentIndex)
{
    handOver(active, records, currentIndex);
    openModal();
    return m_result;
}

void TVisLisIngForm::handOver(const ActiveTable& active, const KeyedRecords& records, int currentIndex)
{
    m_activeTable = active.name;
    m_activeEditable = active.editable;
    m_records = &records;
    m_withCopies.reset();
    const RecordList& keys = records.keys();
    m_remembered = currentIndex >= 0 && currentIndex < keys.count() ? keys.at(currentIndex) : std::string();
}

const std::vector<std::string>& TVisLisIngForm::viewedLines() const
{
    return m_viewingActive ? activeRecords().lines() : m_other.lines();
}

void TVisLisIngForm::FormActivate()
{
    m_result = {};
    CabLabel->setText(qs(ingredientListHeader()));
    fillCombo(*NomCamComboBox, ingredientOrderItems());

    try {
        LoadRecordFile(TableRegistryPath(m_context.baseFolder), m_registry);
    } catch (const StoreError&) {
        // Without the registry only the active table can be viewed.
        m_registry.clear();
    }
    fillCombo(*NomTabComboBox, m_registry.keys().lines());
    {
        const QSignalBlocker block(NomTabComboBox);
        NomTabComboBox->setCurrentIndex(m_registry.findKey(m_activeTable));
    }
    NomTabCheckBox->setChecked(true);
    NomTabComboBox->setEnabled(false);
    CopIngBitBtn->setEnabled(false);
    RetBitBtn->setEnabled(true);

    LoadViewedTable();
    if (!loadGroups(m_viewedTable))
        return;
    ReadListSettings();
    setCaption();
    BuildList();
    LisFilOrdListBox->setFocus();
}

void TVisLisIngForm::setCaption()
{
    setWindowTitle(QStringLiteral("TELA VISUALIZA INGREDIENTES - TABELA ATIVA : ") +
                   qs(TrimTrailingSpaces(m_activeTable)) + QStringLiteral(" - TABELA VISUALIZADA : ") +
                   qs(TrimTrailingSpaces(m_viewedTable)));
}

void TVisLisIngForm::LoadViewedTable()
{
    m_other.clear();
    if (NomTabCheckBox->isChecked()) {
        m_viewingActive = true;
        m_viewedTable = m_activeTable;
        m_viewedDescription.clear();
        m_viewedFlag.clear();
    } else {
        m_viewingActive = false;
        const int k = NomTabComboBox->currentIndex();
        m_viewedTable = entryAt(m_registry.keys().lines(), k);
        m_viewedDescription = k >= 0 ? FieldOf(RegistryField::Description, m_registry.at(k)) : std::string();
        m_viewedFlag = k >= 0 ? FieldOf(RegistryField::Flag, m_registry.at(k)) : std::string();
        std::filesystem::path path;
        try {
            path = IngredientFilePath(m_context.baseFolder, m_viewedTable);
            m_other.assign(unscrambledLines(readFileIfPresent(path), m_context.progress()));
        } catch (const StoreError&) {
            // The table is shown empty: nothing can be copied from a file
            // that could not be read.
            m_other.clear();
            tellUnreadable(QString::fromStdString(path.string()));
        }
    }
    m_texts = rowTexts(viewedLines());
}

bool TVisLisIngForm::loadGroups(const std::string& table)
{
    return loadGroupCombo(*this, *NomGruComboBox, m_groups,
                          [&] { return IngredientGroupFilePath(m_context.baseFolder, table); });
}

void TVisLisIngForm::BuildList()
{
    IngredientQuery query;
    const int group = NomGruComboBox->currentIndex();
    query.groupFilter = AtiFilCheckBox->isChecked() && group >= 0;
    query.group = entryAt(m_groups, group);
    const int field = NomCamComboBox->currentIndex();
    query.orderField = AtiOrdCheckBox->isChecked() && field >= 0 ? field + 1 : 0;
    query.keywordFilter = PalChaCheckBox->isChecked();
    query.keywords = m_keywords;
    const std::vector<std::string>& lines = viewedLines();
    m_rows = treluza::BuildList(lines, query);
    showRows(*LisFilOrdListBox, m_texts, m_rows, rowOfRecord(lines, m_rows, m_remembered));
    // Later builds start at the first row.
    m_remembered.clear();
}

void TVisLisIngForm::SplitKeywords()
{
    m_keywords.clear();
    if (PalChaCheckBox->isChecked())
        m_keywords = treluza::SplitKeywords(PalChaMaskEdit->coreText());
}

void TVisLisIngForm::ReadListSettings()
{
    const ListSettings s = readListSettings(m_context.configFile, kSecIngredientList, true);
    AtiFilCheckBox->setChecked(s.groupFilter);
    NomGruComboBox->setEnabled(s.groupFilter);
    NomGruComboBox->setCurrentIndex(entryOf(m_groups, s.group));
    AtiOrdCheckBox->setChecked(s.ordering);
    NomCamComboBox->setEnabled(s.ordering);
    NomCamComboBox->setCurrentIndex(entryOf(ingredientOrderItems(), s.orderField));
    PalChaCheckBox->setChecked(s.keywordFilter);
    PalChaMaskEdit->setEnabled(s.keywordFilter);
    PalChaBitBtn->setEnabled(s.keywordFilter);
    PalChaMaskEdit->setCoreText(s.keywords);
    SplitKeywords();
}

void TVisLisIngForm::WriteListSettings()
{
    ListSettings s;
    s.groupFilter = AtiFilCheckBox->isChecked();
    s.group = entryAt(m_groups, NomGruComboBox->currentIndex());
    s.ordering = AtiOrdCheckBox->isChecked();
    s.orderField = entryAt(ingredientOrderItems(), NomCamComboBox->currentIndex());
    s.keywordFilter = PalChaCheckBox->isChecked();
    s.keywords = PalChaMaskEdit->coreText();
    s.position = LisFilOrdListBox->currentRow();
    try {
        writeListSettings(m_context.configFile, kSecIngredientList, s, true);
    } catch (const FileWriteError&) {
        // The settings only bring the list back as it was left; a configuration
        // file that cannot be written costs the user nothing else.
    }
}

void TVisLisIngForm::ClearListSettings()
{
    AtiFilCheckBox->setChecked(false);
    NomGruComboBox->setCurrentIndex(-1);
    NomGruComboBox->setEnabled(false);
    AtiOrdCheckBox->setChecked(false);
    NomCamComboBox->setCurrentIndex(-1);
    NomCamComboBox->setEnabled(false);
    PalChaCheckBox->setChecked(false);
    PalChaMaskEdit->clearText();
    PalChaMaskEdit->setEnabled(false);
    PalChaBitBtn->setEnabled(false);
    m_keywords.clear();
}

void TVisLisIngForm::PalChaBitBtnClick()
{
    PalChaMaskEdit->setCoreText(FoldAccents(PalChaMaskEdit->coreText()));
    SplitKeywords();
    BuildList();
}

void TVisLisIngForm::PalChaCheckBoxClick()
{
    const bool on = PalChaCheckBox->isChecked();
    PalChaMaskEdit->setEnabled(on);
    PalChaBitBtn->setEnabled(on);
    if (on) {
        PalChaMaskEdit->setFocus();
        return;
    }
    PalChaMaskEdit->clearText();
    SplitKeywords();
    BuildList();
}

void TVisLisIngForm::NomTabCheckBoxClick()
{
    const bool active = NomTabCheckBox->isChecked();
    CopIngBitBtn->setEnabled(!active);
    RetBitBtn->setEnabled(active);
    if (!active) {
        NomTabComboBox->setEnabled(true);
        NomTabComboBox->setFocus();
        return;
    }
    {
        const QSignalBlocker block(NomTabComboBox);
        NomTabComboBox->setCurrentIndex(m_registry.findKey(m_activeTable));
    }
    NomTabComboBox->setEnabled(false);
    if (!loadGroups(m_activeTable))
        return;
    LoadViewedTable();
    setCaption();
    ReadListSettings();
    BuildList();
}

void TVisLisIngForm::NomTabComboBoxClick()
{
    WriteListSettings();
    const std::string picked = entryAt(m_registry.keys().lines(), NomTabComboBox->currentIndex());
    if (compareText(picked, m_activeTable) != 0) {
        LoadViewedTable();
    } else {
        NomTabCheckBox->setChecked(true);
        NomTabCheckBoxClick();
    }
    if (!loadGroups(m_viewedTable))
        return;
    setCaption();
    ClearListSettings();
    BuildList();
}

void TVisLisIngForm::CopIngBitBtnClick()
{
    CopyToActive();
}

void TVisLisIngForm::chooseRow(bool askFirst)
{
    if (LisFilOrdListBox->currentRow() < 0)
        return;
    if (m_viewingActive) {
        closeBrowser();
        return;
    }
    if (askFirst && !ask(QStringLiteral("Copia ingrediente para tabela ativa?")))
        return;
    CopyToActive();
}

void TVisLisIngForm::CopyToActive()
{
    const int at = selectedLine();
    if (at < 0)
        return;
    const std::string& line = viewedLines()[static_cast<std::size_t>(at)];
    CopyTables tables;
    tables.base = m_context.baseFolder;
    tables.activeTable = m_activeTable;
    tables.activeEditable = m_activeEditable;
    tables.viewedTable = m_viewedTable;
    tables.viewedDescription = m_viewedDescription;
    tables.viewedFlag = m_viewedFlag;
    DialogMessageSink messages;
    // The opener's records stay as they are: the copy goes into this
    // window's own copy of them, from which the ingredient file is written.
    if (!m_withCopies)
        m_withCopies = *m_records;
    const std::string key = keyOf(line);
    const CopyOutcome outcome = treluza::CopyToActive(tables, line, *m_withCopies, messages);
    // The ingredient is the one to show when the active table is viewed again.
    if (outcome.result != CopyResult::NotEditable)
        m_remembered = key;
    if (outcome.result == CopyResult::Copied)
        m_result.copied.push_back(m_withCopies->at(outcome.position));
}

void TVisLisIngForm::RetBitBtnClick()
{
    closeBrowser();
}

void TVisLisIngForm::closeBrowser()
{
    WriteListSettings();
    m_result.chosen.reset();
    if (const int at = selectedLine(); at >= 0)
        m_result.chosen = keyOf(viewedLines()[static_cast<std::size_t>(at)]);
    m_withCopies.reset();
    m_other.clear();
    m_texts.clear();
    m_rows.clear();
    m_keywords.clear();
    LisFilOrdListBox->clear();
    accept();
}

} // namespace treluza
