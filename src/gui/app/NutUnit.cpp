#include "gui/app/NutUnit.h"

#include "core/store/FileIo.h"
#include "core/store/Journal.h"
#include "core/store/Paths.h"
#include "core/tables/ActiveTable.h"
#include "gui/dialogs/LisUnit.h"
#include "gui/widgets/FormContext.h"
#include "gui/widgets/Messages.h"
#include "gui/widgets/QtText.h"

#include <QCoreApplication>
#include <QIcon>
#include <QToolButton>

#include <tuple>

namespace treluza {

namespace {

constexpr int kButtonWidth = 250;
constexpr int kButtonHeight = 140;

} // namespace

TTreluzaV4Form::TTreluzaV4Form(FormContext& context, QWidget* parent) : TForm(parent), m_context(context)
{
    setUp({.name = "TreluzaV4Form",
           .title = QStringLiteral("TELA PRINCIPAL - TRELUZA versão 4.0"),
           .points = 8,
           .bold = true,
           .icons = BorderIcons::MinimizeClose});
    setEnterPressesButtons(true);
    setModal(false);

    FimBitBtn =
        makeButton(QStringLiteral("FimBitBtn"), QStringLiteral("Ajuda"), QStringLiteral("menu_ajuda"), 0, 0);
    TabBitBtn = makeButton(QStringLiteral("TabBitBtn"), QStringLiteral("Cria NOVA Tabela de Ingredientes"),
                           QStringLiteral("menu_tabela"), 0, 1);
    CfgNutBitBtn =
        makeButton(QStringLiteral("CfgNutBitBtn"), QStringLiteral("Configuração - Define Tabela Ativa"),
                   QStringLiteral("menu_configuracao"), 0, 2);
    GruBitBtn =
        makeButton(QStringLiteral("GruBitBtn"), QStringLiteral("Grupos de Ingredientes da Tabela Ativa"),
                   QStringLiteral("menu_grupos_ingredientes"), 1, 0);
    CadIngBitBtn = makeButton(QStringLiteral("CadIngBitBtn"), QStringLiteral("Ingredientes da Tabela Ativa"),
                              QStringLiteral("menu_ingredientes"), 1, 1);
    MedCasBitBtn =
        makeButton(QStringLiteral("MedCasBitBtn"), QStringLiteral("Medidas Caseiras para os Ingredientes"),
                   QStringLiteral("menu_medidas"), 1, 2);
    RelBitBtn =
        makeButton(QStringLiteral("RelBitBtn"), QStringLiteral("Grupos de Preparações da Tabela Ativa"),
                   QStringLiteral("menu_grupos_preparacoes"), 2, 0);
    CadTreluzaRotRotBitBtn = makeButton(QStringLiteral("CadTreluzaRotRotBitBtn"),
                                        QStringLiteral("Cadastra Preparações da Tabela Ativa"),
                                        QStringLiteral("menu_preparacoes"), 2, 1);
    BitBtn1 = makeButton(QStringLiteral("BitBtn1"), QStringLiteral("FIM"), QStringLiteral("menu_fim"), 2, 2);

    // Tab order 0 to 8.
    chainTabOrder({CfgNutBitBtn, TabBitBtn, CadIngBitBtn, GruBitBtn, RelBitBtn, MedCasBitBtn,
                   CadTreluzaRotRotBitBtn, BitBtn1, FimBitBtn});

    connect(FimBitBtn, &QToolButton::clicked, this, &TTreluzaV4Form::FimBitBtnClick);
    connect(TabBitBtn, &QToolButton::clicked, this, &TTreluzaV4Form::TabBitBtnClick);
    connect(CfgNutBitBtn, &QToolButton::clicked, this, &TTreluzaV4Form::CfgNutBitBtnClick);
    connect(GruBitBtn, &QToolButton::clicked, this, &TTreluzaV4Form::GruBitBtnClick);
    connect(CadIngBitBtn, &QToolButton::clicked, this, &TTreluzaV4Form::CadIngBitBtnClick);
    connect(MedCasBitBtn, &QToolButton::clicked, this, &TTreluzaV4Form::MedCasBitBtnClick);
    connect(RelBitBtn, &QToolButton::clicked, this, &TTreluzaV4Form::RelBitBtnClick);
    connect(CadTreluzaRotRotBitBtn, &QToolButton::clicked, this,
            &TTreluzaV4Form::CadTreluzaRotRotBitBtnClick);
    connect(BitBtn1, &QToolButton::clicked, this, &TTreluzaV4Form::BitBtn1Click);

    // Buttons of windows not plugged in stay disabled; "FIM" always works.
    for (QToolButton* b : {FimBitBtn, TabBitBtn, CfgNutBitBtn, GruBitBtn, CadIngBitBtn, MedCasBitBtn,
                           RelBitBtn, CadTreluzaRotRotBitBtn})
        b->setEnabled(false);

    setClientSize(3 * kButtonWidth - 1, 3 * kButtonHeight);
    ensureDataRoot(m_context.baseFolder);
}

QToolButton* TTreluzaV4Form::makeButton(const QString& name, const QString& caption, const QString& picture,
                                        int row, int column)
{
    auto* b = new QToolButton(this);
    b->setObjectName(name);
    b->setText(caption);
    b->setIcon(QIcon(QStringLiteral(":/pictures/%1.png").arg(picture)));
    b->setIconSize(QSize(64, 64));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setFocusPolicy(Qt::StrongFocus);
    const int width = column == 2 ? kButtonWidth - 1 : kButtonWidth;
    b->setGeometry(column * kButtonWidth, row * kButtonHeight, width, kButtonHeight);
    return b;
}

QToolButton* TTreluzaV4Form::buttonFor(MenuButton button) const
{
    switch (button) {
    case MenuButton::Help:
        return FimBitBtn;
    case MenuButton::Tables:
        return TabBitBtn;
    case MenuButton::Config:
        return CfgNutBitBtn;
    case MenuButton::IngredientGroups:
        return GruBitBtn;
    case MenuButton::Ingredients:
        return CadIngBitBtn;
    case MenuButton::Measures:
        return MedCasBitBtn;
    case MenuButton::PreparationGroups:
        return RelBitBtn;
    case MenuButton::Preparations:
        return CadTreluzaRotRotBitBtn;
    }
    return nullptr;
}

void TTreluzaV4Form::plugWindow(MenuButton button, TForm* form, TableWindow* tableWindow)
{
    Plug& plug = m_plugs[static_cast<std::size_t>(button)];
    plug.form = form;
    plug.tableWindow = tableWindow;
    plug.make = nullptr;
    buttonFor(button)->setEnabled(form != nullptr);
}

void TTreluzaV4Form::plugWindowMaker(MenuButton button, std::function<PluggedWindow()> make)
{
    Plug& plug = m_plugs[static_cast<std::size_t>(button)];
    plug.form = nullptr;
    plug.tableWindow = nullptr;
    buttonFor(button)->setEnabled(make != nullptr);
    plug.make = std::move(make);
}

void TTreluzaV4Form::windowActivated()
{
    ReadActiveTable();
}

void TTreluzaV4Form::ReadActiveTable()
{
    const ActiveTableReading r = readActiveTableSetting(m_context.configFile, m_context.baseFolder);
    m_fixed = r.fixed;
    m_active.name = r.name;
    setWindowTitle(qs(mainMenuCaption(r.configFixed, r.configName)));
    if (r.found)
        m_active.editable = r.editable;
}

bool TTreluzaV4Form::PickActiveTable()
{
    TableChoices choices;
    try {
        choices = loadTableChoices(m_context.baseFolder);
    } catch (const FileReadError& e) {
        tellStoreError(e);
        return false;
    }
    if (choices.names.empty()) {
        tell(QStringLiteral("Não existem tabelas cadastradas!"));
        return false;
    }
    const int k = m_context.picker.pickCore(QStringLiteral("LISTA DE TABELAS"), choices.names, 0);
    if (k < 0 || k >= static_cast<int>(choices.names.size()))
        return false;
    m_active = {choices.names[static_cast<std::size_t>(k)], choices.editable[static_cast<std::size_t>(k)]};
    return true;
}

void TTreluzaV4Form::openWindow(MenuButton button, TableNeed need)
{
    Plug& plug = m_plugs[static_cast<std::size_t>(button)];
    if (!plug.form && plug.make) {
        std::tie(plug.form, plug.tableWindow) = plug.make();
        plug.make = nullptr;
    }
    if (!plug.form)
        return;
    // A window that works on a table never opens on a name that cannot name
    // one (no table fixed and none named): the table is asked for instead.
    const bool ask = (need == TableNeed::Fixed && !m_fixed) ||
                     (need == TableNeed::Named && !isUsableNameFor(NameUse::Table, m_active.name));
    if (ask && !PickActiveTable())
        return;
    if (plug.tableWindow && need != TableNeed::None) {
        // A change of the table that was interrupted is completed before the
        // table is shown.
        try {
            if (replayTableJournal(m_context.baseFolder, m_active.name) == PendingChange::SetAside)
                tellSetAsideJournal(m_active.name);
        } catch (const StoreError& e) {
            tellStoreError(e);
            return;
        }
        plug.tableWindow->handOver(m_active);
    }
    plug.form->openModal();
    // The menu becomes the active window again: the configuration may have
    // changed the fixed table, and a pick is not remembered.
    ReadActiveTable();
}

void TTreluzaV4Form::FimBitBtnClick()
{
    openWindow(MenuButton::Help, TableNeed::None);
}
void TTreluzaV4Form::TabBitBtnClick()
{
    openWindow(MenuButton::Tables, TableNeed::None);
}
void TTreluzaV4Form::CfgNutBitBtnClick()
{
    openWindow(MenuButton::Config, TableNeed::None);
}
void TTreluzaV4Form::GruBitBtnClick()
{
    openWindow(MenuButton::IngredientGroups, TableNeed::Named);
}
void TTreluzaV4Form::CadIngBitBtnClick()
{
    openWindow(MenuButton::Ingredients, TableNeed::Fixed);
}
void TTreluzaV4Form::MedCasBitBtnClick()
{
    openWindow(MenuButton::Measures, TableNeed::Fixed);
}
void TTreluzaV4Form::RelBitBtnClick()
{
    openWindow(MenuButton::PreparationGroups, TableNeed::Named);
}
void TTreluzaV4Form::CadTreluzaRotRotBitBtnClick()
{
    openWindow(MenuButton::Preparations, TableNeed::Fixed);
}

void TTreluzaV4Form::BitBtn1Click()
{
    close();
    QCoreApplication::quit();
}

} // namespace treluza
