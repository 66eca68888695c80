// The program: makes its windows, opens the data folder of the run, shows the
// main menu and runs the message loop until the user ends the program; the
// window of each menu button is made once, when it is first opened.
#include "core/store/Cp1252.h"
#include "core/store/DataFolder.h"
#include "core/store/Paths.h"
#include "core/tables/DeliveredTable.h"
#include "gui/app/AppSetup.h"
#include "gui/app/ProgramWindows.h"
#include "gui/widgets/Messages.h"

#include <QApplication>
#include <QIcon>
#include <QStandardPaths>

#include <filesystem>

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
    ProgramWindows program(
        folders.base,
        ConfigFilePath(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation).toStdString()),
        folders.helpFile());

    // One run at a time works on a data folder: a second one says so and
    // leaves every file alone. The first completes what a failure or a crash
    // interrupted.
    const std::optional<OpenedDataFolder> data = openDataFolder(folders.base);
    if (!data) {
        tell(QStringLiteral("O TRELUZA já está em execução!"));
        return 0;
    }
    for (const std::string& folder : data->report.setAside)
        tellSetAsideJournal(fromUtf8(folder));
    // Tables delivered with the program are registered on the first start.
    installDeliveredTables(folders.base, folders.deliveredTables());

    program.menu().ReadActiveTable();
    program.menu().show();
    return app.exec();
}
