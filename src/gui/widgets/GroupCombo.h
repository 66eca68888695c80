#pragma once
// The group combo of a window: the names of a group file.
#include <QComboBox>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace treluza {

/** Loads the names of a group file (built by path, which may throw for a name
 *  that cannot name a file) into the combo, none selected, and into groups; a
 *  missing file holds no group. When the file cannot be read the window says
 *  so ("Não foi possível ler o arquivo … !") and closes before anything can
 *  be stored without the groups (a store would write the group field blank),
 *  groups is left empty and false is returned. */
bool loadGroupCombo(QWidget& window, QComboBox& combo, std::vector<std::string>& groups,
                    const std::function<std::filesystem::path()>& path);

} // namespace treluza
