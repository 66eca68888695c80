#include "gui/widgets/SaveFile.h"

#include "core/store/FileIo.h"
#include "core/store/IniFile.h"
#include "gui/widgets/Messages.h"
#include "gui/widgets/PlatformDialogs.h"
#include "gui/widgets/QtText.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <string>

namespace treluza {

namespace {

// The configuration section of the folders last used for saved files.
constexpr std::string_view kSection = "Pastas";

QString lastFolder(const std::filesystem::path& configFile, const SavedFileKind& kind)
{
    const IniFile ini(configFile);
    QString folder = qs(ini.readString(kSection, kind.folderKey, ""));
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return folder;
}

/** Keeps the folder for the kind in the configuration file; a folder whose
 *  name has no Windows-1252 form, or a file that cannot be written, is not
 *  kept (the next dialog opens in the documents folder). */
void rememberFolder(const std::filesystem::path& configFile, const SavedFileKind& kind, const QString& folder)
{
    if (!std::all_of(folder.begin(), folder.end(), hasCp1252Form))
        return;
    try {
        IniFile ini(configFile);
        if (qs(ini.readString(kSection, kind.folderKey, "")) != folder)
            ini.writeString(kSection, kind.folderKey, cs(folder));
    } catch (const FileWriteError&) {
        // Not kept; nothing else depends on it.
    }
}

} // namespace

QString chooseFileToSave(QWidget* parent, const std::filesystem::path& configFile, const SavedFileKind& kind,
                         const QString& offeredName)
{
    const QString file =
        dialogs().chooseSaveFile(parent, QString::fromLatin1(kind.filter), QString::fromLatin1(kind.suffix),
                                 offeredName, lastFolder(configFile, kind));
    if (!file.isEmpty())
        rememberFolder(configFile, kind, QFileInfo(file).absolutePath());
    return file;
}

bool writeChosenFile(const QString& file, std::string_view bytes, bool announce)
{
    try {
        writeFileAtomic(std::filesystem::path(file.toStdString()), bytes);
    } catch (const FileWriteError&) {
        tell(QStringLiteral("Não foi possível gravar o arquivo ") + file + QStringLiteral(" !"));
        return false;
    }
    if (announce)
        tell(QStringLiteral("Arquivo gravado: ") + QDir::toNativeSeparators(file));
    return true;
}

} // namespace treluza
