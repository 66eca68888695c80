// The program: creates the main menu and the shared windows, shows the menu
// and runs the message loop until the user ends the program; the window of
// each menu button is created once, when it is first opened.
#include "core/store/Cp1252.h"
#include "core/store/DataFolder.h"
#include "core/store/Paths.h"
#include "core/tables/DeliveredTable.h"
#include "gui/app/AppSetup.h"
#include "gui/app/NutUnit.h"
#include "gui/app/SharedWindows.h"
#include "gui/dialogs/AjuUnit.h"
#include "gui/dialogs/ConUnit.h"
#include "gui/dialogs/MesDlgUnit.h"
#include "gui/groups/CadGruIngUnit.h"
#include "gui/groups/CadGruPreUnit.h"
#include "gui/ingredients/CadIngUnit.h"
#include "gui/labels/CadRotUnit.h"
#include "gui/measures/CadMedCas2Unit.h"
#include "gui/preparations/CadIngTreluzaUnit.h"
#include "gui/preparations/CadTreluzaRotUnit.h"
#include "gui/recipes/CadRecUnit.h"
#include "gui/reports/SelRelUnit.h"
#include "gui/tables/CadTabUnit.h"
#include "gui/tables/CfgNutUnit.h"
#include "gui/widgets/FormContext.h"
#include "gui/widgets/Messages.h"

#include <QApplication>
#include <QIcon>
#include <QStandardPaths>

#include <filesystem>
#include <memory>
#include <type_traits>

namespace {

/** The maker of a menu button's window: creates it into slot; a window that
 *  works on a table also receives the table's name. */
template <class Window>
std::function<treluza::TTreluzaV4Form::PluggedWindow()>
madeOnClick(std::unique_ptr<Window>& slot, treluza::FormContext& context, bool onTable)
{
    return [&slot, &context, onTable] {
        slot = std::make_unique<Window>(context);
        treluza::TableWindow* table = nullptr;
        if constexpr (std::is_base_of_v<treluza::TableWindow, Window>) {
            if (onTable)
                table = slot.get();
        }
        return treluza::TTreluzaV4Form::PluggedWindow{slot.get(), table};
    };
}

} // namespace

int main(int argc, char** argv)
{
    using namespace treluza;
    namespace fs = std::filesystem;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TRELUZA"));
    // Window managers match the windows to the desktop entry of this name; the
    // icon of the installed program is the one its entry names.
    QGuiApplication::setDesktopFileName(QStringLiteral(TRELUZA_APP_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(TRELUZA_APP_ID)));
    setUpApplication(app);

    const ProgramFolders folders = resolveProgramFolders(
        fs::path(QCoreApplication::applicationDirPath().toStdString()),
        fs::path(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString()));
    FormContext context;
    context.baseFolder = folders.base;
    context.configFile =
        ConfigFilePath(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation).toStdString());
    context.helpFile = folders.helpFile();

    // The message dialog, the main window and the progress window are made
    // at start; every other window is made the first time it is opened, so
    // that the menu shows at once.
    TMesDlgForm mesDlg;
    installMessageDialog(&mesDlg);
    // One run at a time works on a data folder: a second one says so and
    // leaves every file alone. The first completes what a failure or a crash
    // interrupted.
    const std::optional<OpenedDataFolder> data = openDataFolder(context.baseFolder);
    if (!data) {
        tell(QStringLiteral("O TRELUZA já está em execução!"));
        installMessageDialog(nullptr);
        return 0;
    }
    for (const std::string& folder : data->report.setAside)
        tellSetAsideJournal(fromUtf8(folder));
    // Tables delivered with the program are registered on the first start.
    installDeliveredTables(context.baseFolder, folders.deliveredTables());

    TTreluzaV4Form menu(context);
    TConForm con;
    context.conForm = &con;
    SharedWindows shared(context);
    shared.plug();

    // Declared after the shared windows, so that they go first at the end;
    // the preparation register after the windows it opens, for the same reason.
    std::unique_ptr<TCadTabForm> cadTab;
    std::unique_ptr<TCfgNutForm> cfgNut;
    std::unique_ptr<TCadGruIngForm> cadGruIng;
    std::unique_ptr<TCadGruPreForm> cadGruPre;
    std::unique_ptr<TCadIngForm> cadIng;
    std::unique_ptr<TCadMedCas2Form> cadMedCas2;
    std::unique_ptr<TCadIngTreluzaForm> cadIngTreluza;
    std::unique_ptr<TCadRecForm> cadRec;
    std::unique_ptr<TSelRelForm> selRel;
    std::unique_ptr<TCadRotForm> cadRot;
    std::unique_ptr<TCadTreluzaRotForm> cadTreluzaRot;

    menu.plugWindowMaker(MenuButton::Help, [&] {
        return TTreluzaV4Form::PluggedWindow{&shared.help(), nullptr};
    });
    menu.plugWindowMaker(MenuButton::Tables, madeOnClick(cadTab, context, false));
    menu.plugWindowMaker(MenuButton::Config, madeOnClick(cfgNut, context, false));
    menu.plugWindowMaker(MenuButton::IngredientGroups, madeOnClick(cadGruIng, context, true));
    menu.plugWindowMaker(MenuButton::PreparationGroups, madeOnClick(cadGruPre, context, true));
    menu.plugWindowMaker(MenuButton::Ingredients, madeOnClick(cadIng, context, true));
    menu.plugWindowMaker(MenuButton::Measures, madeOnClick(cadMedCas2, context, true));
    menu.plugWindowMaker(MenuButton::Preparations, [&] {
        cadIngTreluza = std::make_unique<TCadIngTreluzaForm>(context);
        cadRec = std::make_unique<TCadRecForm>(context);
        selRel = std::make_unique<TSelRelForm>(context);
        cadRot = std::make_unique<TCadRotForm>(context);
        cadTreluzaRot = std::make_unique<TCadTreluzaRotForm>(context);
        cadTreluzaRot->plugWindows(cadIngTreluza.get(), cadRec.get(), selRel.get(), cadRot.get());
        return TTreluzaV4Form::PluggedWindow{cadTreluzaRot.get(), cadTreluzaRot.get()};
    });

    menu.ReadActiveTable();
    menu.show();
    const int result = app.exec();
    installMessageDialog(nullptr);
    return result;
}
