#include "gui/widgets/GroupCombo.h"

#include "core/store/FileIo.h"
#include "core/store/KeyedRecords.h"
#include "core/store/StoreError.h"
#include "gui/widgets/Messages.h"
#include "gui/widgets/QtText.h"

namespace treluza {

bool loadGroupCombo(QWidget& window, QComboBox& combo, std::vector<std::string>& groups,
                    const std::function<std::filesystem::path()>& path)
{
    groups.clear();
    try {
        groups = keyedLines(readFileIfPresent(path())).keys().lines();
    } catch (const StoreError& e) {
        fillCombo(combo, {});
        tellStoreError(e);
        window.close();
        return false;
    }
    fillCombo(combo, groups);
    return true;
}

} // namespace treluza
