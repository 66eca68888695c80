// The program: creates every window once, in a fixed order, shows the main
// menu and runs the message loop until the user ends the program.
#include "app/LisUnit.h"
#include "app/TreluzaV4Unit.h"
#include "dialogs/AjuUnit.h"
#include "dialogs/AltNomUnit.h"
#include "dialogs/ConUnit.h"
#include "dialogs/IteVerUnit.h"
#include "dialogs/MesDlgUnit.h"
#include "gui/FormContext.h"
#include "store/Paths.h"

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
    TMesDlgForm mesDlg;
    SetMessageDialogForm(&mesDlg);
    TConForm con;
    context.conForm = &con;
    TAltNomForm altNom;
    context.altNomForm = &altNom;
    TIteVerForm iteVer(context);
    context.iteVerForm = &iteVer;

    menu.PlugWindow(MenuButton::Help, &aju);

    menu.ReadActiveTable();
    menu.show();
    const int result = app.exec();
    SetMessageDialogForm(nullptr);
    return result;
}
