// The program: creates every window once, in a fixed order, shows the main
// menu and runs the message loop until the user ends the program.
#include "app/LisUnit.h"
#include "app/TreluzaV4Unit.h"
#include "dialogs/AjuUnit.h"
#include "dialogs/AltNomUnit.h"
#include "dialogs/ConUnit.h"
#include "dialogs/IteVerUnit.h"
#include "dialogs/MesDlgUnit.h"
#include "groups/CadGruIngUnit.h"
#include "groups/CadGruPreUnit.h"
#include "gui/FormContext.h"
#include "ingredients/CadIngUnit.h"
#include "measures/CadMedCas2Unit.h"
#include "store/Paths.h"
#include "tables/CadTabUnit.h"
#include "tables/CfgNutUnit.h"

#include <QApplication>
#include <QStandardPaths>

#include <filesystem>

int main(int argc, char** argv)
{
    using namespace treluza;
    namespace fs = std::filesystem;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TRELUZA"));

    const fs::path programFolder = QCoreApplication::applicationDirPath().toStdString();
    FormContext context;
    context.baseFolder = ResolveBaseFolder(
        programFolder, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString());
    context.configFile =
        ConfigFilePath(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation).toStdString());
    context.helpFile = programFolder / "Ajuda.hlp";

    // The windows, in their creation order; the first is the main window.
    TTreluzaV4Form menu(context);
    TAjuForm aju(context);
    context.ajuForm = &aju;
    TLisForm lis;
    context.lisForm = &lis;
    TCadMedCas2Form cadMedCas2(context);
    TCfgNutForm cfgNut(context);
    TCadTabForm cadTab(context);
    TCadGruIngForm cadGruIng(context);
    TCadGruPreForm cadGruPre(context);
    TMesDlgForm mesDlg;
    SetMessageDialogForm(&mesDlg);
    TCadIngForm cadIng(context);
    TConForm con;
    context.conForm = &con;
    TAltNomForm altNom;
    context.altNomForm = &altNom;
    TIteVerForm iteVer(context);
    context.iteVerForm = &iteVer;

    menu.PlugWindow(MenuButton::Help, &aju);
    menu.PlugWindow(MenuButton::Tables, &cadTab);
    menu.PlugWindow(MenuButton::Config, &cfgNut);
    menu.PlugWindow(MenuButton::IngredientGroups, &cadGruIng,
                    [&](const std::string& table) { cadGruIng.tableName = table; });
    menu.PlugWindow(MenuButton::PreparationGroups, &cadGruPre,
                    [&](const std::string& table) { cadGruPre.tableName = table; });
    menu.PlugWindow(MenuButton::Ingredients, &cadIng,
                    [&](const std::string& table) { cadIng.HandOver(table); });
    menu.PlugWindow(MenuButton::Measures, &cadMedCas2, [&](const std::string& table) {
        cadMedCas2.tableName = table;
        cadMedCas2.setMode(RegisterMode::Empty);
    });

    menu.ReadActiveTable();
    menu.show();
    const int result = app.exec();
    SetMessageDialogForm(nullptr);
    return result;
}
