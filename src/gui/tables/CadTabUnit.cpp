#include "gui/tables/CadTabUnit.h"

#include "core/records/RecordLayouts.h"
#include "core/store/Paths.h"
#include "core/store/RecordList.h"
#include "core/tables/TableRegistry.h"
#include "gui/widgets/BitBtn.h"
#include "gui/widgets/MaskEdit.h"
#include "gui/widgets/Messages.h"
#include "gui/widgets/NameFilter.h"
#include "gui/widgets/QtText.h"

#include <QLabel>

namespace treluza {

TCadTabForm::TCadTabForm(FormContext& context, QWidget* parent)
    : TRegisterForm(context, kSmallRegister, parent)
{
    setUp(
        {.name = "CadTabForm", .title = QStringLiteral("Cadastro de tabelas"), .width = 479, .height = 151});
    const int top = buildButtonRow(60, 50);

    TabLabel = new QLabel(QStringLiteral("Nome da tabela"), this);
    TabLabel->setGeometry(8, top + 6, 200, 16);
    TabMaskEdit = new TMaskEdit(qs(editMask(RecordKind::Registry, RegistryField::Name)), this);
    TabMaskEdit->setObjectName(QStringLiteral("TabMaskEdit"));
    TabMaskEdit->setGeometry(8, top + 22, 200, 24);
    installNameFilter(*TabMaskEdit);

    DesTabLabel = new QLabel(QStringLiteral("Descrição da tabela"), this);
    DesTabLabel->setGeometry(8, top + 48, 300, 16);
    DesTabMaskEdit = new TMaskEdit(qs(editMask(RecordKind::Registry, RegistryField::Description)), this);
    DesTabMaskEdit->setObjectName(QStringLiteral("DesTabMaskEdit"));
    DesTabMaskEdit->setGeometry(8, top + 64, 463, 24);
    installNameFilter(*DesTabMaskEdit);

    setTabOrder(TabMaskEdit, DesTabMaskEdit);
    connectButtons();
    // One exit handler serves both fields.
    connect(TabMaskEdit, &TMaskEdit::Exit, this, &TCadTabForm::keyEditExit);
    connect(DesTabMaskEdit, &TMaskEdit::Exit, this, &TCadTabForm::DesTabMaskEditExit);
}

void TCadTabForm::DesTabMaskEditExit(QWidget* next)
{
    // Going back to the name, or losing the focus because the description was
    // just disabled ("&Novo" empties the name and moves the focus there), is
    // not leaving a blank name towards a data control.
    if (next == TabMaskEdit || !DesTabMaskEdit->isEnabled())
        return;
    keyEditExit(next);
}

void TCadTabForm::FormActivate()
{
    setWindowTitle(QStringLiteral("CADASTRA NOME PARA NOVA TABELA DE INGREDIENTES"));
    if (loadRegisterFile([this] { return ensureFile(TableRegistryPath(m_context.baseFolder)); }))
        start(RegisterMode::Empty);
}

std::string TCadTabForm::MakeLine()
{
    return makeTableLine(TabMaskEdit->coreText(), DesTabMaskEdit->coreText());
}

void TCadTabForm::ShowCurrent()
{
    TabMaskEdit->setCoreText(cycleData().field(RegistryField::Name));
    DesTabMaskEdit->setCoreText(cycleData().field(RegistryField::Description));
}

void TCadTabForm::ClearFields()
{
    TabMaskEdit->clearText();
    DesTabMaskEdit->clearText();
}

bool TCadTabForm::currentEditable() const
{
    return data().current() >= 0 && data().current() < data().count() &&
           isEditableTableLine(data().records()[data().current()]);
}

void TCadTabForm::ApplyMode()
{
    applyCommonMode();
    const bool open =
        mode() == RegisterMode::Inserting || (mode() == RegisterMode::Showing && currentEditable());
    DesTabMaskEdit->setEnabled(open);
    if (open)
        DesTabMaskEdit->setFocus();
}

bool TCadTabForm::acceptNewKey(const std::string& key)
{
    // The name becomes a folder name: one that would name the data root or
    // leave it cannot be registered.
    return acceptNameFor(NameUse::Table, key);
}

bool TCadTabForm::checkChange()
{
    // A table open for consultation only is neither changed nor deleted.
    if (currentEditable())
        return true;
    tellCore(consultationOnlyMessage(TabMaskEdit->coreText()));
    return false;
}

bool TCadTabForm::checkDelete()
{
    return checkChange();
}

void TCadTabForm::focusFields()
{
    DesTabMaskEdit->setFocus();
}

bool TCadTabForm::listed(int record) const
{
    // A damaged line whose name cannot name a folder is no table.
    return isUsableNameFor(NameUse::Table, data().keys()[record]);
}

void TCadTabForm::recordBrowsed()
{
    DesTabMaskEdit->setEnabled(currentEditable());
}

QString TCadTabForm::listCaption() const
{
    return QStringLiteral("LISTA DE NOMES DAS TABELAS");
}

} // namespace treluza
