#include "gui/widgets/GroupCombo.h"

#include "core/store/FileIo.h"
#include "core/store/KeyedRecords.h"
#include "core/store/StoreError.h"
#include "gui/widgets/Messages.h"
#include "gui/widgets/QtText.h"

namespace treluza {

std::optional<std::vector<std::string>> loadGroupCombo(QWidget& window, QComboBox& combo,
                                                       const std::function<std::filesystem::path()>& path)
{
    KeyedRecords groups;
    try {
        groups = keyedLines(readFileIfPresent(path()));
    } catch (const StoreError& e) {
        fillCombo(combo, {});
        tellStoreError(e);
        window.close();
        return std::nullopt;
    }
    fillCombo(combo, groups.keys().lines());
    return groups.keys().lines();
}

} // namespace treluza
