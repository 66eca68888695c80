#include "gui/groups/CadGruUnit.h"

#include "core/records/RecordLayouts.h"
#include "core/store/Paths.h"
#include "core/store/StrUnit.h"
#include "gui/widgets/BitBtn.h"
#include "gui/widgets/MaskEdit.h"
#include "gui/widgets/Messages.h"
#include "gui/widgets/NameFilter.h"
#include "gui/widgets/QtText.h"

#include <QLabel>

namespace treluza {

namespace {

struct KindTexts {
    const char* objectName;
    const char* caption;
    const char* renameHint;
    const char* renameCaption;
};

KindTexts texts(GroupKind kind)
{
    if (kind == GroupKind::Ingredient)
        return {"CadGruIngForm",
                "CADASTRO DE GRUPOS DE INGREDIENTES - Tabela ativa : ", "Altera nome do Grupo de Ingrediente",
                "Altera nome do grupo de ingredientes"};
    return {"CadGruPreForm",
            "CADASTRO DE GRUPOS DE PREPARAÇÕES - Tabela ativa : ", "Altera nome do grupo de preparações",
            "Altera nome do grupo de preparações"};
}

} // namespace

TCadGruForm::TCadGruForm(FormContext& context, GroupKind kind, QWidget* parent)
    : TRegisterForm(context, kSmallRegister, parent), m_kind(kind)
{
    const KindTexts names = texts(kind);
    setUp({.name = names.objectName,
           .title = kind == GroupKind::Ingredient ? QStringLiteral("Cadastro de grupos de ingredientes")
                                                  : QStringLiteral("Cadastro de grupos de preparações"),
           .width = 480,
           .height = 118});
    const int top = buildButtonRow(60, 50);

    GruLabel = new QLabel(QStringLiteral("Nome do Grupo"), this);
    GruLabel->setGeometry(8, top + 8, 200, 16);
    GruMaskEdit = new TMaskEdit(qs(editMask(groupRecordKind(kind), GroupField::Name)), this);
    GruMaskEdit->setObjectName(QStringLiteral("GruMaskEdit"));
    GruMaskEdit->setGeometry(8, top + 26, kind == GroupKind::Ingredient ? 220 : 320, 26);
    installNameFilter(*GruMaskEdit);
    AltNomBitBtn = new TBitBtn(QString(), glyph(QStringLiteral("altera")), this);
    AltNomBitBtn->setObjectName(QStringLiteral("AltNomBitBtn"));
    AltNomBitBtn->setToolTip(QString::fromUtf8(names.renameHint));
    AltNomBitBtn->setGeometry(GruMaskEdit->geometry().right() + 4, top + 25, 28, 28);
    if (AltNomBitBtn->icon().isNull())
        AltNomBitBtn->setText(QStringLiteral("..."));

    setTabOrder(GruMaskEdit, AltNomBitBtn);
    connectButtons();
    connect(GruMaskEdit, &TMaskEdit::Exit, this, &TCadGruForm::keyEditExit);
    connect(AltNomBitBtn, &TBitBtn::clicked, this, &TCadGruForm::AltNomBitBtnClick);
}

void TCadGruForm::FormActivate()
{
    setWindowTitle(QString::fromUtf8(texts(m_kind).caption) + qs(TrimTrailingSpaces(m_table.name)));
    fitCaption();
    if (loadRegisterFile([this] {
            return ensureFile(m_kind == GroupKind::Ingredient
                                  ? IngredientGroupFilePath(m_context.baseFolder, m_table.name)
                                  : PreparationGroupFilePath(m_context.baseFolder, m_table.name));
        }))
        start(RegisterMode::Empty);
}

std::string TCadGruForm::MakeLine()
{
    return GruMaskEdit->coreText() + "|";
}

void TCadGruForm::ShowCurrent()
{
    GruMaskEdit->setCoreText(cycleData().field(GroupField::Name));
}

void TCadGruForm::ClearFields()
{
    GruMaskEdit->clearText();
}

void TCadGruForm::ApplyMode()
{
    applyCommonMode();
    AltNomBitBtn->setEnabled(mode() == RegisterMode::Showing);
    if (mode() == RegisterMode::Inserting)
        GraBitBtn->setFocus();
}

bool TCadGruForm::checkDelete()
{
    const std::string name = GruMaskEdit->coreText();
    return checkUnused(
        [&] { return scanGroupUse(m_context.baseFolder, m_table.name, m_kind, name, progress()); },
        groupInUseMessage(m_kind, name), QStringLiteral("Erro durante exclusão!"));
}

QString TCadGruForm::listCaption() const
{
    return QStringLiteral("LISTA DE GRUPOS");
}

void TCadGruForm::AltNomBitBtnClick()
{
    renameCurrent(QString::fromUtf8(texts(m_kind).renameCaption), QStringLiteral("Nome do grupo já existe!"));
}

void TCadGruForm::handOver(const ActiveTable& table)
{
    m_table = table;
}

void TCadGruForm::carryRename(const std::string& oldKey, const std::string& newKey, Transaction& changes)
{
    carryGroupRename(m_context.baseFolder, m_table.name, m_kind, oldKey, newKey, changes, progress());
}

} // namespace treluza
