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

/** The entry of a combo whose text is text (compared as keys are), or -1. */
int entryOf(const std::vector<std::string>& entries, const std::string& text)
{
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (compareText(entries[i], text) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

void fillCombo(QComboBox& combo, const std::vector<std::string>& entries)
{
    const QSignalBlocker block(&combo);
    combo.clear();
    for (const std::string& e : entries)
        combo.addItem(qs(e));
    combo.setCurrentIndex(-1);
}

} // namespace

TVisLisForm::TVisLisForm(FormContext& context, QWidget* parent) : TForm(parent), m_context(context)
{
    setObjectName(QStringLiteral("VisLisForm"));
    setWindowTitle(QStringLiteral("VISUALIZA LISTA"));
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    setFont(font);
    setClientSize(796, 498);

    const struct {
        TBitBtn** button;
        const char* caption;
        const char* glyph;
        const char* name;
    } buttons[] = {
        {&PriBitBtn, "&Primeiro", "", "PriBitBtn"},   {&BitBtn1, "&Volta", "anterior", "BitBtn1"},
        {&BitBtn3, "&Avança", "proximo", "BitBtn3"},  {&UltBitBtn, "&Último", "", "UltBitBtn"},
        {&AjuBitBtn, "A&juda", "ajuda", "AjuBitBtn"}, {&RetBitBtn, "&Retorna", "retorna", "RetBitBtn"},
    };
    int x = 0;
    for (const auto& b : buttons) {
        *b.button = new TBitBtn(QString::fromUtf8(b.caption), glyph(QString::fromLatin1(b.glyph)), this);
        (*b.button)->setObjectName(QString::fromLatin1(b.name));
        (*b.button)->setGeometry(x, 0, kButtonWidth, kButtonHeight);
        x += kButtonWidth;
    }

    AtiFilCheckBox = new QCheckBox(QStringLiteral("Filtra Lista"), this);
    AtiFilCheckBox->setObjectName(QStringLiteral("AtiFilCheckBox"));
    AtiFilCheckBox->move(8, 40);
    AtiFilCheckBox->resize(AtiFilCheckBox->sizeHint());
    NomGruComboBox = new QComboBox(this);
    NomGruComboBox->setObjectName(QStringLiteral("NomGruComboBox"));
    NomGruComboBox->setGeometry(8, 58, 240, 22);
    AtiOrdCheckBox = new QCheckBox(QStringLiteral("Ordena Lista"), this);
    AtiOrdCheckBox->setObjectName(QStringLiteral("AtiOrdCheckBox"));
    AtiOrdCheckBox->move(264, 40);
    AtiOrdCheckBox->resize(AtiOrdCheckBox->sizeHint());
    NomCamComboBox = new QComboBox(this);
    NomCamComboBox->setObjectName(QStringLiteral("NomCamComboBox"));
    NomCamComboBox->setGeometry(264, 58, 240, 22);

    CabMemo = new QLineEdit(this);
    CabMemo->setObjectName(QStringLiteral("CabMemo"));
    CabMemo->setFont(listFont(true));
    CabMemo->setEnabled(false);
    CabMemo->setFrame(false);
    // Read as plainly as the rows, though the field takes no input.
    QPalette palette = CabMemo->palette();
    palette.setColor(QPalette::Disabled, QPalette::Text, palette.color(QPalette::Active, QPalette::Text));
    CabMemo->setPalette(palette);
    CabMemo->setGeometry(2, 88, 794, 20);
    LisFilOrdListBox = new QListWidget(this);
    LisFilOrdListBox->setObjectName(QStringLiteral("LisFilOrdListBox"));
    LisFilOrdListBox->setFont(listFont(true));
    LisFilOrdListBox->setUniformItemSizes(true);
    LisFilOrdListBox->setSelectionMode(QAbstractItemView::SingleSelection);
    LisFilOrdListBox->setGeometry(0, 108, 796, 390);

    connect(AtiFilCheckBox, &QCheckBox::clicked, this, &TVisLisForm::AtiFilCheckBoxClick);
    connect(NomGruComboBox, &QComboBox::activated, this, &TVisLisForm::NomGruComboBoxClick);
    connect(AtiOrdCheckBox, &QCheckBox::clicked, this, &TVisLisForm::AtiOrdCheckBoxClick);
    connect(NomCamComboBox, &QComboBox::activated, this, &TVisLisForm::NomCamComboBoxClick);
    connect(PriBitBtn, &TBitBtn::clicked, this, &TVisLisForm::PriBitBtnClick);
    connect(UltBitBtn, &TBitBtn::clicked, this, &TVisLisForm::UltBitBtnClick);
    connect(BitBtn1, &TBitBtn::clicked, this, &TVisLisForm::BitBtn1Click);
    connect(BitBtn3, &TBitBtn::clicked, this, &TVisLisForm::BitBtn3Click);
    connect(AjuBitBtn, &TBitBtn::clicked, this, &TVisLisForm::AjuBitBtnClick);
    connect(RetBitBtn, &TBitBtn::clicked, this, &TVisLisForm::RetBitBtnClick);
    connect(LisFilOrdListBox, &QListWidget::itemDoubleClicked, this, &TVisLisForm::LisFilOrdListBoxDblClick);
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
    return m_setup.lines ? m_setup.lines->lines() : none;
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

void TVisLisForm::AtiFilCheckBoxClick()
{
    const bool on = AtiFilCheckBox->isChecked();
    NomGruComboBox->setEnabled(on);
    NomGruComboBox->setCurrentIndex(-1);
    if (on)
        NomGruComboBox->setFocus();
    else
        RefreshList();
}

void TVisLisForm::NomGruComboBoxClick()
{
    RefreshList();
}

void TVisLisForm::AtiOrdCheckBoxClick()
{
    const bool on = AtiOrdCheckBox->isChecked();
    NomCamComboBox->setEnabled(on);
    NomCamComboBox->setCurrentIndex(-1);
    if (on)
        NomCamComboBox->setFocus();
    else
        RefreshList();
}

void TVisLisForm::NomCamComboBoxClick()
{
    RefreshList();
}

void TVisLisForm::PriBitBtnClick()
{
    selectRow(*LisFilOrdListBox, LisFilOrdListBox->count() > 0 ? 0 : -1);
}

void TVisLisForm::UltBitBtnClick()
{
    selectRow(*LisFilOrdListBox, LisFilOrdListBox->count() - 1);
}

void TVisLisForm::BitBtn1Click()
{
    selectRow(*LisFilOrdListBox, quarterMove(LisFilOrdListBox->count(), LisFilOrdListBox->currentRow(), -1));
}

void TVisLisForm::BitBtn3Click()
{
    selectRow(*LisFilOrdListBox, quarterMove(LisFilOrdListBox->count(), LisFilOrdListBox->currentRow(), +1));
}

void TVisLisForm::LisFilOrdListBoxDblClick()
{
    accept();
}

void TVisLisForm::AjuBitBtnClick()
{
    if (m_context.ajuForm)
        m_context.ajuForm->showHelp();
}

void TVisLisForm::RetBitBtnClick()
{
    accept();
}

void TVisLisForm::keyPressEvent(QKeyEvent* e)
{
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (enter && QApplication::focusWidget() == LisFilOrdListBox) {
        e->accept();
        accept();
        return;
    }
    TForm::keyPressEvent(e);
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
    const int row = LisFilOrdListBox->currentRow();
    m_selectedRecordIndex = 0;
    if (row >= 0 && row < static_cast<int>(m_rows.size()) && m_setup.keys) {
        const std::string& line = lines()[static_cast<std::size_t>(m_rows[static_cast<std::size_t>(row)])];
        m_selectedRecordIndex = m_setup.keys->find(keyOf(line));
    }
    const auto entry = [](const std::vector<std::string>& entries, int index) {
        return index >= 0 && index < static_cast<int>(entries.size())
                   ? entries[static_cast<std::size_t>(index)]
                   : std::string();
    };
    ListSettings s;
    s.groupFilter = AtiFilCheckBox->isChecked();
    s.group = entry(m_setup.groupNames, NomGruComboBox->currentIndex());
    s.ordering = AtiOrdCheckBox->isChecked();
    s.orderField = entry(m_setup.columnNames, NomCamComboBox->currentIndex());
    s.position = row;
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
