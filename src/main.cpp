// The program: creates every window once, in a fixed order, shows the main
// menu and runs the message loop until the user ends the program.
#include "core/store/Journal.h"
#include "core/store/Paths.h"
#include "core/tables/DeliveredTable.h"
#include "gui/app/AppSetup.h"
#include "gui/app/NutUnit.h"
#include "gui/dialogs/AjuUnit.h"
#include "gui/dialogs/AltNomUnit.h"
#include "gui/dialogs/ConUnit.h"
#include "gui/dialogs/IteVerUnit.h"
#include "gui/dialogs/LisUnit.h"
#include "gui/dialogs/MesDlgUnit.h"
#include "gui/groups/CadGruIngUnit.h"
#include "gui/groups/CadGruPreUnit.h"
#include "gui/ingredients/CadIngUnit.h"
#include "gui/ingredients/VisLisIngUnit.h"
#include "gui/lists/VisLisUnit.h"
#include "gui/measures/CadMedCas2Unit.h"
#include "gui/preparations/CadIngTreluzaUnit.h"
#include "gui/preparations/CadTreluzaRotUnit.h"
#include "gui/recipes/CadRecUnit.h"
#include "gui/reports/SelRelUnit.h"
#include "gui/tables/CadTabUnit.h"
#include "gui/tables/CfgNutUnit.h"
#include "gui/widgets/FormContext.h"

#include <QApplication>
#include <QStandardPaths>

#include <filesystem>

int main(int argc, char** argv)
{
    using namespace treluza;
    namespace fs = std::filesystem;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TRELUZA"));
    setUpApplication(app);

    const fs::path programFolder = QCoreApplication::applicationDirPath().toStdString();
    FormContext context;
    context.baseFolder = resolveBaseFolder(
        programFolder, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString());
    context.configFile =
        ConfigFilePath(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation).toStdString());
    context.helpFile = programFolder / "Ajuda.hlp";
    // A change that a crash or a power cut interrupted is completed first.
    try {
        replayJournals(context.baseFolder);
    } catch (const StoreError&) {
        // Tried again before its table is opened; the window says so then.
    }
    // Tables delivered with the program are registered on the first start.
    installDeliveredTables(context.baseFolder, programFolder / "Tabelas");

    // The windows, in their creation order; the first is the main window.
    TTreluzaV4Form menu(context);
    TCadTreluzaRotForm cadTreluzaRot(context);
    TAjuForm aju(context);
    context.ajuForm = &aju;
    TCadRecForm cadRec(context);
    TLisForm lis;
    context.lisForm = &lis;
    TCadMedCas2Form cadMedCas2(context);
    TCfgNutForm cfgNut(context);
    TCadTabForm cadTab(context);
    TSelRelForm selRel(context);
    TCadGruIngForm cadGruIng(context);
    TCadGruPreForm cadGruPre(context);
    TVisLisIngForm visLisIng(context);
    context.visLisIngForm = &visLisIng;
    TMesDlgForm mesDlg;
    installMessageDialog(&mesDlg);
    TCadIngForm cadIng(context);
    TVisLisForm visLis(context);
    context.visLisForm = &visLis;
    TCadIngTreluzaForm cadIngTreluza(context);
    TConForm con;
    context.conForm = &con;
    TAltNomForm altNom;
    context.altNomForm = &altNom;
    TIteVerForm iteVer(context);
    context.iteVerForm = &iteVer;

    menu.plugWindow(MenuButton::Help, &aju);
    menu.plugWindow(MenuButton::Tables, &cadTab);
    menu.plugWindow(MenuButton::Config, &cfgNut);
    menu.plugWindow(MenuButton::IngredientGroups, &cadGruIng, &cadGruIng);
    menu.plugWindow(MenuButton::PreparationGroups, &cadGruPre, &cadGruPre);
    menu.plugWindow(MenuButton::Ingredients, &cadIng, &cadIng);
    menu.plugWindow(MenuButton::Measures, &cadMedCas2, &cadMedCas2);
    menu.plugWindow(MenuButton::Preparations, &cadTreluzaRot, &cadTreluzaRot);
    cadTreluzaRot.plugWindows(&cadIngTreluza, &cadRec, &selRel);

    menu.ReadActiveTable();
    menu.show();
    const int result = app.exec();
    installMessageDialog(nullptr);
    return result;
}
