#include "gui/lists/VisLisUnit.h"

#include "core/lists/ListRows.h"
#include "core/lists/ListSettings.h"
#include "core/store/Collation.h"
#include "core/store/FileIo.h"
#include "core/store/StrUnit.h"
#include "gui/lists/ListBoxRows.h"
#include "gui/widgets/BitBtn.h"
#include "gui/widgets/QtText.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

namespace treluza {

namespace {

constexpr int kButtonWidth = 96;
constexpr int kButtonHeight = 35;

} // namespace

TVisLisForm::TVisLisForm(FormContext& context, QWidget* parent) : TListWindow(context, parent)
{
    setUp({.name = "VisLisForm", .title = QStringLiteral("VISUALIZA LISTA")});
    addButtonRow({{&PriBitBtn, "&Primeiro", "", "PriBitBtn", kButtonWidth},
                  {&BitBtn1, "&Volta", "anterior", "BitBtn1", kButtonWidth},
                  {&BitBtn3, "&Avança", "proximo", "BitBtn3", kButtonWidth},
                  {&UltBitBtn, "&Último", "", "UltBitBtn", kButtonWidth},
                  {&AjuBitBtn, "A&juda", "ajuda", "AjuBitBtn", kButtonWidth},
                  {&RetBitBtn, "&Retorna", "retorna", "RetBitBtn", kButtonWidth}},
                 kButtonHeight);

    AtiFilCheckBox = optionCheck("AtiFilCheckBox", "Filtra Lista", QPoint(8, 40));
    NomGruComboBox = optionCombo("NomGruComboBox", QRect(8, 58, 240, 22));
    AtiOrdCheckBox = optionCheck("AtiOrdCheckBox", "Ordena Lista", QPoint(264, 40));
    NomCamComboBox = optionCombo("NomCamComboBox", QRect(264, 58, 240, 22));

    makeRowList(true, QRect(0, 108, 796, 390));
    CabMemo = new QLineEdit(this);
    CabMemo->setObjectName(QStringLiteral("CabMemo"));
    CabMemo->setFont(listFont(true));
    CabMemo->setEnabled(false);
    CabMemo->setFrame(false);
    // A field without a frame still leaves 2 pixels before its text; taken
    // back, the text starts at the field's edge, where the rows' text starts.
    CabMemo->setTextMargins(-2, 0, 0, 0);
    // Read as plainly as the rows, though the field takes no input.
    QPalette palette = CabMemo->palette();
    palette.setColor(QPalette::Disabled, QPalette::Text, palette.color(QPalette::Active, QPalette::Text));
    CabMemo->setPalette(palette);
    attachHeader(CabMemo, 88, 20);

    connectListControls();
    connect(RetBitBtn, &TBitBtn::clicked, this, &TVisLisForm::RetBitBtnClick);
}

void TVisLisForm::SetupList(const ListSetup& setup)
{
    m_setup = setup;
    fillCombo(*NomGruComboBox, m_setup.groupNames);
    fillCombo(*NomCamComboBox, m_setup.columnNames);
    CabMemo->setText(qs(m_setup.header));
    CabMemo->setCursorPosition(0);
}

const std::vector<std::string>& TVisLisForm::lines() const
{
    static const std::vector<std::string> none;
    return m_setup.records ? m_setup.records->lines() : none;
}

void TVisLisForm::FormActivate()
{
    m_open = true;
    m_selectedRecordIndex = 0;
    setWindowTitle(QStringLiteral("VISUALIZA LISTA DE ") + qs(m_setup.listName) +
                   QStringLiteral(" - TABELA ATIVA : ") + qs(TrimTrailingSpaces(m_setup.tableName)));
    const ListSettings s = readListSettings(m_context.configFile, m_setup.section, false);
    AtiFilCheckBox->setChecked(s.groupFilter);
    NomGruComboBox->setEnabled(s.groupFilter);
    NomGruComboBox->setCurrentIndex(entryOf(m_setup.groupNames, s.group));
    AtiOrdCheckBox->setChecked(s.ordering);
    NomCamComboBox->setEnabled(s.ordering);
    NomCamComboBox->setCurrentIndex(entryOf(m_setup.columnNames, s.orderField));
    m_savedPosition = s.position;
    m_initialIndex = m_setup.initialIndex;
    m_texts = rowTexts(lines());
    RefreshList();
    LisFilOrdListBox->setFocus();
}

void TVisLisForm::RefreshList()
{
    ViewerQuery query;
    query.groupField = m_setup.groupField;
    const int group = NomGruComboBox->currentIndex();
    query.filtering = AtiFilCheckBox->isChecked() && group >= 0;
    if (query.filtering)
        query.group = m_setup.groupNames[static_cast<std::size_t>(group)];
    const int column = NomCamComboBox->currentIndex();
    query.orderField = AtiOrdCheckBox->isChecked() && column >= 0 ? column + 1 : 0;
    query.savedPosition = m_savedPosition;
    query.initialIndex = m_initialIndex;
    const ListView view = treluza::RefreshList(lines(), query);
    m_rows = view.rows;
    showRows(*LisFilOrdListBox, m_texts, m_rows, view.selected);
    // Later refreshes select the first line.
    m_savedPosition = 0;
    m_initialIndex = 0;
}

void TVisLisForm::RetBitBtnClick()
{
    accept();
}

void TVisLisForm::done(int result)
{
    if (m_open)
        FormClose();
    TForm::done(result);
}

void TVisLisForm::FormClose()
{
    m_open = false;
    const int line = selectedLine();
    m_selectedRecordIndex = 0;
    if (line >= 0 && m_setup.records)
        m_selectedRecordIndex = m_setup.records->findKey(keyOf(lines()[static_cast<std::size_t>(line)]));
    ListSettings s;
    s.groupFilter = AtiFilCheckBox->isChecked();
    s.group = entryAt(m_setup.groupNames, NomGruComboBox->currentIndex());
    s.ordering = AtiOrdCheckBox->isChecked();
    s.orderField = entryAt(m_setup.columnNames, NomCamComboBox->currentIndex());
    s.position = LisFilOrdListBox->currentRow();
    try {
        writeListSettings(m_context.configFile, m_setup.section, s, false);
    } catch (const FileWriteError&) {
        // The settings only bring the list back as it was left; a configuration
        // file that cannot be written costs the user nothing else.
    }
    m_rows.clear();
    m_texts.clear();
    LisFilOrdListBox->clear();
}

int TVisLisForm::showList(const ListSetup& setup)
{
    SetupList(setup);
    openModal();
    return SelectedRecordIndex();
}

} // namespace treluza
