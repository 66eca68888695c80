#include "groups/CadGruUnit.h"

#include "dialogs/MesDlgUnit.h"
#include "gui/BitBtn.h"
#include "gui/MaskEdit.h"
#include "gui/NameFilter.h"
#include "gui/QtText.h"
#include "store/Paths.h"
#include "store/StrUnit.h"

#include <QLabel>

namespace treluza {

namespace {

struct KindTexts {
    const char* objectName;
    const char* caption;
    const char* renameHint;
    const char* renameCaption;
};

KindTexts Texts(GroupKind kind)
{
    if (kind == GroupKind::Ingredient)
        return {"CadGruIngForm", "CADASTRO DE GRUPOS DE INGREDIENTES - Tabela ativa : ",
                "Altera nome do Grupo de Ingrediente", "Altera nome do grupo de ingredientes"};
    return {"CadGruPreForm", "CADASTRO DE GRUPOS DE PREPARAÇÕES - Tabela ativa : ",
            "Altera nome do grupo de preparações", "Altera nome do grupo de preparações"};
}

}  // namespace

TCadGruForm::TCadGruForm(FormContext& context, GroupKind kind, QWidget* parent)
    : TRegisterForm(context, parent), m_kind(kind)
{
    const KindTexts texts = Texts(kind);
    setObjectName(QString::fromLatin1(texts.objectName));
    setWindowTitle(kind == GroupKind::Ingredient ? QStringLiteral("Cadastro de grupos de ingredientes")
                                                 : QStringLiteral("Cadastro de grupos de preparações"));
    setClientSize(480, 118);
    const int top = buildButtonRow(60, 50);

    const int width = GroupNameWidth(kind);
    GruLabel = new QLabel(QStringLiteral("Nome do Grupo"), this);
    GruLabel->setGeometry(8, top + 8, 200, 16);
    GruMaskEdit = new TMaskEdit(QString(width, u'c') + QStringLiteral(";1;_"), this);
    GruMaskEdit->setObjectName(QStringLiteral("GruMaskEdit"));
    GruMaskEdit->setGeometry(8, top + 26, kind == GroupKind::Ingredient ? 220 : 320, 26);
    InstallNameFilter(*GruMaskEdit);
    AltNomBitBtn = new TBitBtn(QString(), Glyph(QStringLiteral("altera")), this);
    AltNomBitBtn->setObjectName(QStringLiteral("AltNomBitBtn"));
    AltNomBitBtn->setToolTip(QString::fromUtf8(texts.renameHint));
    AltNomBitBtn->setGeometry(GruMaskEdit->geometry().right() + 4, top + 25, 28, 28);
    if (AltNomBitBtn->icon().isNull())
        AltNomBitBtn->setText(QStringLiteral("..."));

    setTabOrder(GruMaskEdit, AltNomBitBtn);
    connectButtons();
    connect(GruMaskEdit, &TMaskEdit::Exit, this, &TCadGruForm::KeyEditExit);
    connect(AltNomBitBtn, &TBitBtn::clicked, this, &TCadGruForm::AltNomBitBtnClick);
}

void TCadGruForm::FormActivate()
{
    setWindowTitle(QString::fromUtf8(Texts(m_kind).caption) + Qs(TrimTrailingSpaces(tableName)));
    setMode(RegisterMode::Empty);
    try {
        m_data.load(m_kind == GroupKind::Ingredient ? IngredientGroupFilePath(m_context.baseFolder, tableName)
                                                    : PreparationGroupFilePath(m_context.baseFolder, tableName));
    } catch (const std::exception&) {
        m_data.release();
    }
    ClearFields();
    ApplyMode();
}

std::string TCadGruForm::MakeLine() { return GruMaskEdit->CoreText() + "|"; }

void TCadGruForm::ShowCurrent() { GruMaskEdit->SetCoreText(m_data.field(1)); }

void TCadGruForm::ClearFields() { GruMaskEdit->Clear(); }

void TCadGruForm::ApplyMode()
{
    ApplyCommonMode();
    AltNomBitBtn->setEnabled(m_mode == RegisterMode::Showing);
    if (m_mode == RegisterMode::Inserting)
        GraBitBtn->setFocus();
}

bool TCadGruForm::BeforeDelete()
{
    const std::string name = GruMaskEdit->CoreText();
    return CheckUnused([&] { return ScanGroupUse(m_context.baseFolder, tableName, m_kind, name, progress()); },
                       GroupInUseMessage(m_kind, name), QStringLiteral("Erro durante exclusão!"));
}

QString TCadGruForm::ListCaption() const { return QStringLiteral("LISTA DE GRUPOS"); }

void TCadGruForm::AltNomBitBtnClick()
{
    RenameCurrent(QString::fromUtf8(Texts(m_kind).renameCaption), QStringLiteral("Nome do grupo já existe!"));
}

void TCadGruForm::CarryRename(const std::string& oldKey, const std::string& newKey)
{
    CarryGroupRename(m_context.baseFolder, tableName, m_kind, oldKey, newKey, progress());
}

}  // namespace treluza
