#pragma once
// Saving a file the user names: the save dialog, in the folder last used for
// that kind of file, and the atomic write with its messages.
//
// How to use it: chooseFileToSave(parent, configFile, kPdfFile, offeredName)
// shows the save dialog (through the dialog seam, so tests answer it) and
// remembers the chosen folder for the kind; writeChosenFile() then writes the
// bytes. Kinds share a folder by what they hold: a picture is a picture in
// BMP or PNG.
#include <QString>

#include <filesystem>
#include <string_view>

class QWidget;

namespace treluza {

/** What a saved file holds: the key of its remembered folder, the dialog's
 *  filter ("description|pattern") and the suffix added to a name typed
 *  without one (none when empty). */
struct SavedFileKind {
    const char* folderKey;
    const char* filter;
    const char* suffix;
};

inline constexpr SavedFileKind kPdfFile{"PDF", "*.pdf|*.pdf", "pdf"};
inline constexpr SavedFileKind kBmpPicture{"Imagem", "*.bmp|*.bmp", "bmp"};
inline constexpr SavedFileKind kPngPicture{"Imagem", "*.png|*.png", "png"};
inline constexpr SavedFileKind kTextList{"Lista", "txt|*.txt", ""};

/** Shows the save dialog in the folder last used for the kind (kept in the
 *  configuration file), else the user's documents folder, never the program's
 *  folder; returns the chosen path, empty when the user cancels. */
QString chooseFileToSave(QWidget* parent, const std::filesystem::path& configFile, const SavedFileKind& kind,
                         const QString& offeredName = QString());

/** Writes the bytes to the file atomically. A failure is reported ("Não foi
 *  possível gravar o arquivo … !"); a success too when announce is true
 *  ("Arquivo gravado: …"). Returns whether the file was written. */
bool writeChosenFile(const QString& file, std::string_view bytes, bool announce);

} // namespace treluza
