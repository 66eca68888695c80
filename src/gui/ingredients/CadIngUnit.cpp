#include "gui/ingredients/CadIngUnit.h"

#include "core/ingredients/IngredientEditing.h"
#include "core/records/IngredientRecord.h"
#include "core/store/Collation.h"
#include "core/store/CriUnit.h"
#include "core/store/FileIo.h"
#include "core/store/Paths.h"
#include "core/store/StrUnit.h"
#include "core/tables/ActiveTable.h"
#include "core/tables/TableRegistry.h"
#include "gui/dialogs/AltNomUnit.h"
#include "gui/dialogs/ConUnit.h"
#include "gui/dialogs/IteVerUnit.h"
#include "gui/widgets/BitBtn.h"
#include "gui/widgets/DecimalEdit.h"
#include "gui/widgets/MaskEdit.h"
#include "gui/widgets/Messages.h"
#include "gui/widgets/NameFilter.h"
#include "gui/widgets/QtText.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>

#include <algorithm>

namespace treluza {

namespace {

constexpr int kColumnWidth = 320;
constexpr int kRowHeight = 50;
constexpr int kCaptionHeight = 15;
constexpr int kEditHeight = 22;

bool isBlank(const std::string& text)
{
    return text.find_first_not_of(' ') == std::string::npos;
}

QFont valueFont()
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    font.setPointSize(9);
    return font;
}

} // namespace

TCadIngForm::TCadIngForm(FormContext& context, QWidget* parent) : TRegisterForm(context, parent)
{
    setObjectName(QStringLiteral("CadIngForm"));
    setWindowTitle(QStringLiteral("Cadastro de Ingredientes"));
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    setFont(font);
    setClientSize(640, 435);
    const int top = buildButtonRow(80, 35);
    buildFields(top);

    connect(GraBitBtn, &TBitBtn::clicked, this, &TCadIngForm::GraBitBtnClick);
    connect(NovBitBtn, &TBitBtn::clicked, this, &TCadIngForm::NovBitBtnClick);
    connect(ExcBitBtn, &TBitBtn::clicked, this, &TCadIngForm::ExcBitBtnClick);
    connect(AntBitBtn, &TBitBtn::clicked, this, &TCadIngForm::AntBitBtnClick);
    connect(ProBitBtn, &TBitBtn::clicked, this, &TCadIngForm::ProBitBtnClick);
    connect(AjuBitBtn, &TBitBtn::clicked, this, &TCadIngForm::AjuBitBtnClick);
    connect(RetBitBtn, &TBitBtn::clicked, this, &TCadIngForm::RetBitBtnClick);
    // "&Lista" opens the ingredient browser; the window has none yet, so the
    // button stays off in every mode (see ApplyMode).
    LisBitBtn->setEnabled(false);
    connect(AltNomBitBtn, &TBitBtn::clicked, this, &TCadIngForm::AltNomBitBtnClick);
    connect(LimNomGruBitBtn, &TBitBtn::clicked, this, &TCadIngForm::LimNomGruBitBtnClick);
    connect(IngMaskEdit, &TMaskEdit::Exit, this, &TCadIngForm::IngMaskEditExit);
    connect(DatCotMaskEdit, &TMaskEdit::Exit, this, &TCadIngForm::DatCotMaskEditExit);
}

void TCadIngForm::buildFields(int top)
{
    const auto caption = [this](const QString& text, int x, int y, int width,
                                Qt::Alignment align = Qt::AlignLeft) {
        auto* label = new QLabel(text, this);
        label->setGeometry(x, y, width, kCaptionHeight);
        label->setAlignment(align | Qt::AlignVCenter);
        return label;
    };
    const auto edit = [this](const char* name, const QString& mask, int x, int y, int width) {
        auto* e = new TMaskEdit(mask, this);
        e->setObjectName(QString::fromLatin1(name));
        e->setGeometry(x, y, width, kEditHeight);
        return e;
    };

    IngLabel = caption(QStringLiteral("Ingrediente ( 100 gramas )"), 8, top + 3, 300);
    IngMaskEdit = edit("IngMaskEdit", qs(editMask(RecordKind::Ingredient, IngField::Name)), 8,
                       top + 3 + kCaptionHeight, 590);
    installNameFilter(*IngMaskEdit);
    AltNomBitBtn = new TBitBtn(QString(), glyph(QStringLiteral("altera")), this);
    AltNomBitBtn->setObjectName(QStringLiteral("AltNomBitBtn"));
    AltNomBitBtn->setToolTip(QStringLiteral("Altera nome do ingrediente"));
    AltNomBitBtn->setGeometry(604, top + 2 + kCaptionHeight, 28, 24);
    if (AltNomBitBtn->icon().isNull())
        AltNomBitBtn->setText(QStringLiteral("..."));

    struct Row {
        TMaskEdit** value;
        const char* valueName;
        TMaskEdit** source;
        const char* sourceName;
        const char* caption;
        int field;
    };
    const Row rows[] = {
        {&kalMaskEdit, "kalMaskEdit", &KALFonMaskEdit, "KALFonMaskEdit", "Calorias (KCal)", IngField::Energy},
        {&CHOMaskEdit, "CHOMaskEdit", &CHOFonMaskEdit, "CHOFonMaskEdit", "Glicídios (g)",
         IngField::Carbohydrate},
        {&PTNMaskEdit, "PTNMaskEdit", &PTNFonMaskEdit, "PTNFonMaskEdit", "Proteínas (g)", IngField::Protein},
        {&LipMaskEdit, "LipMaskEdit", &LipFonMaskEdit, "LipFonMaskEdit", "Gordura total (g)",
         IngField::TotalFat},
        {&SATMaskEdit, "SATMaskEdit", &SatFonMaskEdit, "SatFonMaskEdit", "Gordura Saturada (g)",
         IngField::SaturatedFat},
        {&COLMaskEdit, "COLMaskEdit", &ColFonMaskEdit, "ColFonMaskEdit", "Colesterol (mg)",
         IngField::Cholesterol},
        {&FibMaskEdit, "FibMaskEdit", &FibFonMaskEdit, "FibFonMaskEdit", "Fibra (g)", IngField::Fibre},
        {&CalMaskEdit, "CalMaskEdit", &CalFonMaskEdit, "CalFonMaskEdit", "Cálcio (mg)", IngField::Calcium},
        {&FerMaskEdit, "FerMaskEdit", &FerFonMaskEdit, "FerFonMaskEdit", "Ferro (mg)", IngField::Iron},
        {&SODMaskEdit, "SODMaskEdit", &SodFonMaskEdit, "SodFonMaskEdit", "Sódio (mg)", IngField::Sodium},
        {&FCMaskEdit, "FCMaskEdit", &FCFonMaskEdit, "FCFonMaskEdit", "F.C", IngField::FC},
        {&FCCMaskEdit, "FCCMaskEdit", &FCCFonMaskEdit, "FCCFonMaskEdit", "F.C.C.", IngField::FCC},
    };
    const QFont numbers = valueFont();
    const int rowsTop = top + 49;
    // Seven rows on the left (energy to fibre), then the right column.
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Row& r = rows[i];
        const int column = i < 7 ? 0 : 1;
        const int x = column * kColumnWidth + 8;
        const int y = rowsTop + static_cast<int>(column == 0 ? i : i - 7) * kRowHeight;
        caption(QString::fromUtf8(r.caption), x, y, 160);
        caption(QStringLiteral("Fonte do dado"), x + 160, y, 144, Qt::AlignRight);
        *r.value =
            edit(r.valueName, qs(editMask(RecordKind::Ingredient, r.field)), x, y + kCaptionHeight, 74);
        (*r.value)->setFont(numbers);
        *r.source = edit(r.sourceName, QString(), x + 78, y + kCaptionHeight, 226);
    }

    // The unit cost with its date and source.
    const int x = kColumnWidth + 8;
    int y = rowsTop + 5 * kRowHeight;
    caption(QStringLiteral("Custo ($/1kg)"), x, y, 90);
    caption(QStringLiteral("Data cotação"), x + 86, y, 80);
    caption(QStringLiteral("Fonte do dado"), x + 160, y, 144, Qt::AlignRight);
    CusUniMaskEdit = edit("CusUniMaskEdit", qs(editMask(RecordKind::Ingredient, IngField::UnitCost)), x,
                          y + kCaptionHeight, 82);
    CusUniMaskEdit->setFont(numbers);
    DatCotMaskEdit = edit("DatCotMaskEdit", qs(editMask(RecordKind::Ingredient, IngField::QuoteDate)), x + 86,
                          y + kCaptionHeight, 72);
    DatCotMaskEdit->setFont(numbers);
    CusFonMaskEdit = edit("CusFonMaskEdit", QString(), x + 162, y + kCaptionHeight, 142);
    CusFonMaskEdit->setMaxLength(fieldWidth(RecordKind::Ingredient, IngField::LastSource));

    y += kRowHeight;
    caption(QStringLiteral("Grupo"), x, y, 160);
    NomGruComboBox = new QComboBox(this);
    NomGruComboBox->setObjectName(QStringLiteral("NomGruComboBox"));
    NomGruComboBox->setEditable(false);
    NomGruComboBox->setGeometry(x, y + kCaptionHeight, 230, kEditHeight + 2);
    LimNomGruBitBtn = new TBitBtn(QString(), glyph(QStringLiteral("limpa")), this);
    LimNomGruBitBtn->setObjectName(QStringLiteral("LimNomGruBitBtn"));
    LimNomGruBitBtn->setToolTip(QStringLiteral("Limpa campo Grupo"));
    LimNomGruBitBtn->setGeometry(x + 234, y + kCaptionHeight, 26, kEditHeight + 2);
    if (LimNomGruBitBtn->icon().isNull())
        LimNomGruBitBtn->setText(QStringLiteral("X"));

    m_valueEdits = {kalMaskEdit, CHOMaskEdit, PTNMaskEdit,   LipMaskEdit, SATMaskEdit,
                    COLMaskEdit, FibMaskEdit, CalMaskEdit,   FerMaskEdit, SODMaskEdit,
                    FCMaskEdit,  FCCMaskEdit, CusUniMaskEdit};
    m_sourceEdits = {KALFonMaskEdit, CHOFonMaskEdit, PTNFonMaskEdit, LipFonMaskEdit, SatFonMaskEdit,
                     ColFonMaskEdit, FibFonMaskEdit, CalFonMaskEdit, FerFonMaskEdit, SodFonMaskEdit,
                     FCFonMaskEdit,  FCCFonMaskEdit, CusFonMaskEdit};

    // The decimal behaviour first, so that the window's own exit handlers see
    // the normalised text.
    for (std::size_t i = 0; i < m_valueEdits.size(); ++i) {
        TMaskEdit* e = m_valueEdits[i];
        installDecimalBehaviour(*e);
        connect(e, &TMaskEdit::Change, this, [this] { m_unsaved = true; });
        if (i < m_nutrients.size())
            connect(e, &TMaskEdit::Exit, this,
                    [this, e, i](QWidget*) { m_nutrients[i].current = e->coreText(); });
    }
    connect(CusUniMaskEdit, &TMaskEdit::Exit, this,
            [this](QWidget*) { m_unitCost.current = CusUniMaskEdit->coreText(); });
    connect(DatCotMaskEdit, &TMaskEdit::Change, this, [this] { m_unsaved = true; });
    for (TMaskEdit* e : m_sourceEdits) {
        installNameFilter(*e);
        connect(e, &TMaskEdit::Change, this, [this] { m_unsaved = true; });
    }
    connect(NomGruComboBox, &QComboBox::currentIndexChanged, this, [this] { m_unsaved = true; });

    // The order Enter and Tab follow.
    std::vector<QWidget*> order = {AltNomBitBtn, IngMaskEdit};
    for (std::size_t i = 0; i < 12; ++i) {
        order.push_back(m_valueEdits[i]);
        order.push_back(m_sourceEdits[i]);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{
             CusUniMaskEdit, DatCotMaskEdit, CusFonMaskEdit, LimNomGruBitBtn, NomGruComboBox, GraBitBtn,
             NovBitBtn, ExcBitBtn, AntBitBtn, ProBitBtn, LisBitBtn, AjuBitBtn, RetBitBtn})
        order.push_back(w);
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TCadIngForm::HandOver(const std::string& table)
{
    tableName = table;
    setMode(RegisterMode::Empty);
}

ProgressSink& TCadIngForm::progress()
{
    return m_context.progress();
}

void TCadIngForm::FormActivate()
{
    m_unsaved = false;
    m_fileChanged = false;
    m_loaded = false;
    m_editable = g_activeTableEditable;
    setWindowTitle(QStringLiteral("CADASTRO DE INGREDIENTES - TABELA ATIVA : ") +
                   qs(TrimTrailingSpaces(tableName)));
    setMode(m_editable ? RegisterMode::Empty : RegisterMode::Consulting);
    m_data.release();
    try {
        m_filePath = IngredientFilePath(m_context.baseFolder, tableName);
        LoadScrambledFile(m_filePath, m_data.records(), m_data.keys(), progress());
    } catch (const std::exception&) {
        // A file that cannot be read must not be replaced by what this window
        // would write on leaving: the window closes without a record.
        m_data.release();
        tell(QStringLiteral("Não foi possível ler o arquivo ") + QString::fromStdString(m_filePath.string()) +
             QStringLiteral(" !"));
        accept();
        return;
    }
    m_loaded = true;
    m_data.setCurrent(0);
    loadGroups();
    if (m_mode == RegisterMode::Empty)
        ClearFields();
    else
        ShowCurrent();
    ApplyMode();
}

void TCadIngForm::loadGroups()
{
    m_groups.clear();
    try {
        RecordList records(true);
        KeyList keys(true);
        LoadRecordFile(IngredientGroupFilePath(m_context.baseFolder, tableName), records, keys);
        m_groups = keys.lines();
    } catch (const std::exception&) {
        // Without a readable group file the ingredients are shown without groups.
    }
    const QSignalBlocker block(NomGruComboBox);
    NomGruComboBox->clear();
    for (const std::string& g : m_groups)
        NomGruComboBox->addItem(qs(g));
    NomGruComboBox->setCurrentIndex(-1);
}

std::string TCadIngForm::MakeLine()
{
    IngredientFields f;
    f[IngField::Name] = IngMaskEdit->coreText();
    for (std::size_t i = 0; i < m_valueEdits.size(); ++i)
        f[kValueFields[i]] = m_valueEdits[i]->coreText();
    const int group = NomGruComboBox->currentIndex();
    f[IngField::Group] =
        group >= 0 && group < static_cast<int>(m_groups.size()) ? m_groups[group] : std::string();
    f[IngField::QuoteDate] = DatCotMaskEdit->coreText();
    for (std::size_t i = 0; i < m_sourceEdits.size(); ++i)
        f[IngField::FirstSource + static_cast<int>(i)] = m_sourceEdits[i]->coreText();
    return treluza::MakeLine(f);
}

void TCadIngForm::ShowCurrent()
{
    const int current = m_data.current();
    if (current < 0 || current >= m_data.count()) {
        ClearFields();
        return;
    }
    const IngredientFields f = readIngredient(m_data.records()[current]);
    IngMaskEdit->setCoreText(f[IngField::Name]);
    for (std::size_t i = 0; i < m_valueEdits.size(); ++i)
        m_valueEdits[i]->setCoreText(f[kValueFields[i]]);
    int group = -1;
    for (std::size_t i = 0; i < m_groups.size(); ++i) {
        if (compareText(m_groups[i], f[IngField::Group]) == 0) {
            group = static_cast<int>(i);
            break;
        }
    }
    NomGruComboBox->setCurrentIndex(group);
    DatCotMaskEdit->setCoreText(f[IngField::QuoteDate]);
    const auto sources = shownSources(f, m_editable, TrimTrailingSpaces(tableName));
    for (std::size_t i = 0; i < m_sourceEdits.size(); ++i)
        m_sourceEdits[i]->setCoreText(sources[i]);
    takeCurrentValues();
    markStored();
    m_unsaved = false;
}

void TCadIngForm::ClearFields()
{
    IngMaskEdit->clearText();
    for (TMaskEdit* e : m_valueEdits)
        e->clearText();
    DatCotMaskEdit->clearText();
    for (TMaskEdit* e : m_sourceEdits)
        e->clearText();
    NomGruComboBox->setCurrentIndex(-1);
    takeCurrentValues();
    markStored();
    m_unsaved = false;
}

void TCadIngForm::EnableValueFields(bool on)
{
    for (TMaskEdit* e : m_valueEdits)
        e->setEnabled(on);
    for (TMaskEdit* e : m_sourceEdits)
        e->setEnabled(on);
    DatCotMaskEdit->setEnabled(on);
    NomGruComboBox->setEnabled(on);
    LimNomGruBitBtn->setEnabled(on);
    AltNomBitBtn->setEnabled(on);
}

void TCadIngForm::ApplyMode()
{
    if (!m_editable)
        setMode(RegisterMode::Consulting);
    const RegisterMode mode = m_mode;
    if (mode == RegisterMode::Deleting || mode == RegisterMode::Changing)
        return;
    const bool empty = mode == RegisterMode::Empty;
    const bool inserting = mode == RegisterMode::Inserting;
    const bool showing = mode == RegisterMode::Showing;
    const bool consulting = mode == RegisterMode::Consulting;
    if (empty)
        ClearFields();
    EnableValueFields(inserting || showing);
    AltNomBitBtn->setEnabled(showing);
    IngMaskEdit->setEnabled(empty);
    GraBitBtn->setEnabled(inserting || showing);
    NovBitBtn->setEnabled(!consulting);
    ExcBitBtn->setEnabled(showing);
    AntBitBtn->setEnabled(showing || consulting);
    ProBitBtn->setEnabled(showing || consulting);
    LisBitBtn->setEnabled(false);
    AjuBitBtn->setEnabled(true);
    RetBitBtn->setEnabled(true);
    if (empty)
        IngMaskEdit->setFocus();
    else if (inserting || showing)
        kalMaskEdit->setFocus();
}

bool TCadIngForm::acceptNewKey(const std::string& key)
{
    // The name also names the ingredient's measure file.
    if (isUsableName(key))
        return true;
    tell(QStringLiteral("Código inválido!"));
    return false;
}

QString TCadIngForm::listCaption() const
{
    return QStringLiteral("LISTA DE INGREDIENTES");
}

void TCadIngForm::saveFile()
{
    SaveScrambledFile(m_filePath, m_data.records(), progress());
}

bool TCadIngForm::writeIngredientFile()
{
    try {
        saveFile();
        m_fileChanged = false;
        return true;
    } catch (const std::exception&) {
        tell(QStringLiteral("Erro durante a alteração!"));
        return false;
    }
}

void TCadIngForm::normaliseFocusedEdit()
{
    for (TMaskEdit* e : m_valueEdits) {
        if (QApplication::focusWidget() == e)
            normaliseDecimalEdit(*e);
    }
}

void TCadIngForm::takeCurrentValues()
{
    for (std::size_t i = 0; i < m_nutrients.size(); ++i)
        m_nutrients[i].current = m_valueEdits[i]->coreText();
    m_unitCost.current = CusUniMaskEdit->coreText();
    m_date.current = DatCotMaskEdit->coreText();
}

void TCadIngForm::markStored()
{
    for (TrackedValue& v : m_nutrients)
        v.shown = v.current;
    m_unitCost.shown = m_unitCost.current;
    m_date.shown = m_date.current;
}

IngredientChange TCadIngForm::trackedChange() const
{
    IngredientChange change;
    change.name = IngMaskEdit->coreText();
    change.nutrients = m_nutrients;
    change.unitCost = m_unitCost;
    change.date = m_date;
    return change;
}

bool TCadIngForm::storeChange()
{
    normaliseFocusedEdit();
    takeCurrentValues();
    try {
        m_data.replaceCurrent(MakeLine());
        m_fileChanged = true;
        PropagateChange(m_context.baseFolder, tableName, trackedChange(), progress());
    } catch (const std::exception&) {
        tell(QStringLiteral("Erro durante a alteração!"));
        return false;
    }
    markStored();
    return true;
}

void TCadIngForm::refuseConsultationOnly()
{
    tellCore(consultationOnlyMessage(tableName));
    setMode(RegisterMode::Showing);
}

void TCadIngForm::AskToSave()
{
    if (!m_unsaved)
        return;
    const bool canStore =
        m_editable && (m_mode == RegisterMode::Inserting || m_mode == RegisterMode::Showing);
    if (canStore && ask(QStringLiteral("Os dados não foram gravados! Deseja gravá-los?"))) {
        if (m_mode == RegisterMode::Inserting) {
            normaliseFocusedEdit();
            takeCurrentValues();
            m_data.insert(MakeLine());
            m_fileChanged = true;
            markStored();
        } else {
            storeChange();
        }
    }
    m_unsaved = false;
}

void TCadIngForm::NovBitBtnClick()
{
    AskToSave();
    ClearFields();
    setMode(RegisterMode::Empty);
    ApplyMode();
}

void TCadIngForm::GraBitBtnClick()
{
    if (m_mode == RegisterMode::Showing)
        setMode(RegisterMode::Changing);
    if (m_mode == RegisterMode::Inserting) {
        if (!m_editable) {
            refuseConsultationOnly();
            ApplyMode();
            return;
        }
        if (!ask(QStringLiteral("Confirma inclusão?"))) {
            kalMaskEdit->setFocus();
            return;
        }
        normaliseFocusedEdit();
        takeCurrentValues();
        m_data.insert(MakeLine());
        m_fileChanged = true;
        markStored();
        m_unsaved = false;
        setMode(RegisterMode::Showing);
        ApplyMode();
    } else if (m_mode == RegisterMode::Changing) {
        if (!warnBeforeTouching())
            return;
        if (!ask(QStringLiteral("Confirma alteração?"))) {
            ShowCurrent();
            kalMaskEdit->setFocus();
            setMode(RegisterMode::Showing);
            return;
        }
        storeChange();
        m_unsaved = false;
        setMode(RegisterMode::Showing);
        ApplyMode();
    } else {
        logicError();
    }
}

bool TCadIngForm::warnBeforeTouching()
{
    if (!m_editable) {
        refuseConsultationOnly();
        ApplyMode();
        return false;
    }
    if (m_context.iteVerForm)
        m_context.iteVerForm->ScanIngredientUse(tableName, IngMaskEdit->coreText());
    return true;
}

void TCadIngForm::ExcBitBtnClick()
{
    if (m_mode == RegisterMode::Showing)
        setMode(RegisterMode::Deleting);
    if (m_mode != RegisterMode::Deleting) {
        logicError();
        return;
    }
    if (!warnBeforeTouching())
        return;
    const std::string name = IngMaskEdit->coreText();
    if (!ask(QStringLiteral("Confirma exclusão?"))) {
        setMode(RegisterMode::Showing);
        ApplyMode();
        return;
    }
    try {
        m_data.removeCurrent();
        m_fileChanged = true;
        PropagateDelete(m_context.baseFolder, tableName, name, progress());
        deleteMeasureFile(m_context.baseFolder, tableName, name);
    } catch (const std::exception&) {
        tell(QStringLiteral("Erro durante exclusão!"));
    }
    m_unsaved = false;
    setMode(RegisterMode::Empty);
    ApplyMode();
}

void TCadIngForm::AntBitBtnClick()
{
    AskToSave();
    TRegisterForm::AntBitBtnClick();
}

void TCadIngForm::ProBitBtnClick()
{
    AskToSave();
    TRegisterForm::ProBitBtnClick();
}

void TCadIngForm::RetBitBtnClick()
{
    if (m_editable && m_loaded) {
        AskToSave();
        // A file that could not be written keeps the window open with the
        // changes in memory, so that leaving can be tried again.
        if (m_fileChanged && !writeIngredientFile())
            return;
    }
    m_data.release();
    m_loaded = false;
    IngMaskEdit->setEnabled(true);
    IngMaskEdit->setFocus();
    accept();
}

void TCadIngForm::closeEvent(QCloseEvent* e)
{
    TRegisterForm::closeEvent(e);
    if (!e->isAccepted() || !m_loaded)
        return;
    // Closed by a logic error: the changes the user confirmed are kept.
    if (m_editable && m_fileChanged)
        writeIngredientFile();
    m_data.release();
    m_loaded = false;
}

void TCadIngForm::DatCotMaskEditExit(QWidget*)
{
    const std::string text = DatCotMaskEdit->coreText();
    m_date.current = text;
    if (text == blankField(RecordKind::Ingredient, IngField::QuoteDate) || isValidQuoteDate(text))
        return;
    tell(QStringLiteral("Data inválida!"));
    DatCotMaskEdit->setFocus();
}

void TCadIngForm::LimNomGruBitBtnClick()
{
    if (!ask(QStringLiteral("Limpa o campo \"Grupo\"?")))
        return;
    if (NomGruComboBox->currentIndex() >= 0) {
        NomGruComboBox->setCurrentIndex(-1);
        m_unsaved = true;
    }
}

void TCadIngForm::AltNomBitBtnClick()
{
    if (m_mode != RegisterMode::Showing || !m_editable || !m_context.altNomForm)
        return;
    const std::string oldName = IngMaskEdit->coreText();
    const std::optional<std::string> asked = m_context.altNomForm->askNewName(
        QStringLiteral("Altera nome do ingrediente"), IngMaskEdit->editMask(), oldName);
    if (!asked)
        return;
    const std::string newName = *asked;
    // A blank name could never be looked up again, and the name also names the
    // measure file.
    if (isBlank(newName) || !isUsableName(newName)) {
        tell(QStringLiteral("Código inválido!"));
        return;
    }
    if (m_data.keys().find(newName) >= 0) {
        tell(QStringLiteral("Já existe um ingrediente com o novo nome!"));
        return;
    }
    normaliseFocusedEdit();
    takeCurrentValues();
    IngMaskEdit->setCoreText(newName);
    // The line is built from the edits: other edits not yet stored go in too.
    m_data.renameCurrent(newName, MakeLine());
    m_fileChanged = true;
    m_unsaved = false;
    // The steps do not depend on one another: one that fails does not keep the
    // others from bringing the measures and the preparations in step with the
    // record list (an ingredient file not written is written on leaving).
    bool failed = false;
    const auto step = [&failed](const auto& action) {
        try {
            action();
        } catch (const std::exception&) {
            failed = true;
        }
    };
    step([this] {
        saveFile();
        m_fileChanged = false;
    });
    step([&] { moveMeasureFile(m_context.baseFolder, tableName, oldName, newName); });
    step([&] { propagateRename(m_context.baseFolder, tableName, oldName, newName, progress()); });
    // Values stored with the rename reach the preparations like a change.
    step([this] {
        const IngredientChange change = trackedChange();
        const bool valuesChanged = change.unitCost.changed() || change.date.changed() ||
                                   std::any_of(change.nutrients.begin(), change.nutrients.end(),
                                               [](const TrackedValue& v) { return v.changed(); });
        if (valuesChanged)
            PropagateChange(m_context.baseFolder, tableName, change, progress());
        markStored();
    });
    if (failed)
        tell(QStringLiteral("Erro durante a alteração!"));
    m_data.lookup(newName);
}

} // namespace treluza
