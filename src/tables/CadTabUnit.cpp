#include "tables/CadTabUnit.h"

#include "dialogs/MesDlgUnit.h"
#include "gui/BitBtn.h"
#include "gui/MaskEdit.h"
#include "gui/NameFilter.h"
#include "gui/QtText.h"
#include "store/Paths.h"
#include "store/RecordList.h"
#include "tables/TableRegistry.h"

#include <QLabel>

namespace treluza {

namespace {

QString FreeTextMask(int places) { return QString(places, u'c') + QStringLiteral(";1;_"); }

}  // namespace

TCadTabForm::TCadTabForm(FormContext& context, QWidget* parent) : TRegisterForm(context, parent)
{
    setObjectName(QStringLiteral("CadTabForm"));
    setWindowTitle(QStringLiteral("Cadastro de tabelas"));
    setClientSize(479, 151);
    const int top = buildButtonRow(60, 50);

    TabLabel = new QLabel(QStringLiteral("Nome da tabela"), this);
    TabLabel->setGeometry(8, top + 6, 200, 16);
    TabMaskEdit = new TMaskEdit(FreeTextMask(kTableNameWidth), this);
    TabMaskEdit->setObjectName(QStringLiteral("TabMaskEdit"));
    TabMaskEdit->setGeometry(8, top + 22, 200, 24);
    InstallNameFilter(*TabMaskEdit);

    DesTabLabel = new QLabel(QStringLiteral("Descrição da tabela"), this);
    DesTabLabel->setGeometry(8, top + 48, 300, 16);
    DesTabMaskEdit = new TMaskEdit(FreeTextMask(kTableDescriptionWidth), this);
    DesTabMaskEdit->setObjectName(QStringLiteral("DesTabMaskEdit"));
    DesTabMaskEdit->setGeometry(8, top + 64, 463, 24);
    InstallNameFilter(*DesTabMaskEdit);

    setTabOrder(TabMaskEdit, DesTabMaskEdit);
    connectButtons();
    // One exit handler serves both fields.
    connect(TabMaskEdit, &TMaskEdit::Exit, this, &TCadTabForm::KeyEditExit);
    connect(DesTabMaskEdit, &TMaskEdit::Exit, this, &TCadTabForm::KeyEditExit);
}

void TCadTabForm::FormActivate()
{
    setWindowTitle(QStringLiteral("CADASTRA NOME PARA NOVA TABELA DE INGREDIENTES"));
    setMode(RegisterMode::Empty);
    try {
        m_data.load(TableRegistryPath(m_context.baseFolder));
    } catch (const std::exception&) {
        m_data.release();
    }
    ClearFields();
    ApplyMode();
}

std::string TCadTabForm::MakeLine()
{
    return MakeTableLine(TabMaskEdit->CoreText(), DesTabMaskEdit->CoreText());
}

void TCadTabForm::ShowCurrent()
{
    TabMaskEdit->SetCoreText(m_data.field(1));
    DesTabMaskEdit->SetCoreText(m_data.field(2));
}

void TCadTabForm::ClearFields()
{
    TabMaskEdit->Clear();
    DesTabMaskEdit->Clear();
}

bool TCadTabForm::currentEditable() const
{
    return m_data.current() >= 0 && m_data.current() < m_data.count() &&
           IsEditableTableLine(m_data.records()[m_data.current()]);
}

void TCadTabForm::ApplyMode()
{
    ApplyCommonMode();
    const bool open = m_mode == RegisterMode::Inserting || (m_mode == RegisterMode::Showing && currentEditable());
    DesTabMaskEdit->setEnabled(open);
    if (open)
        DesTabMaskEdit->setFocus();
}

bool TCadTabForm::AcceptNewKey(const std::string& key)
{
    // The name becomes a folder name: one that would name the data root or
    // leave it cannot be registered.
    if (IsUsableName(key))
        return true;
    ShowMessageDialog(QStringLiteral("Código inválido!"), 1);
    return false;
}

void TCadTabForm::refuseConsultationOnly()
{
    ShowCoreMessage(ConsultationOnlyMessage(TabMaskEdit->CoreText()), 1);
    setMode(RegisterMode::Showing);
}

bool TCadTabForm::BeforeChange()
{
    if (currentEditable())
        return true;
    refuseConsultationOnly();
    ApplyMode();
    return false;
}

bool TCadTabForm::BeforeDelete()
{
    if (currentEditable())
        return true;
    refuseConsultationOnly();
    return false;
}

void TCadTabForm::InsertDeclined() { DesTabMaskEdit->setFocus(); }

void TCadTabForm::ChangeDeclined() { DesTabMaskEdit->setFocus(); }

void TCadTabForm::AfterBrowse() { DesTabMaskEdit->setEnabled(currentEditable()); }

QString TCadTabForm::ListCaption() const { return QStringLiteral("LISTA DE NOMES DAS TABELAS"); }

}  // namespace treluza
