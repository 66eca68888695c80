#include "gui/widgets/GroupCombo.h"

#include "core/store/RecordList.h"
#include "core/store/StoreError.h"
#include "gui/widgets/Messages.h"
#include "gui/widgets/QtText.h"

namespace treluza {

std::optional<std::vector<std::string>> loadGroupCombo(QWidget& window, QComboBox& combo,
                                                       const std::function<std::filesystem::path()>& path)
{
    RecordList records(true);
    KeyList keys(true);
    try {
        LoadRecordFile(path(), records, keys);
    } catch (const StoreError& e) {
        fillCombo(combo, {});
        tellStoreError(e);
        window.close();
        return std::nullopt;
    }
    fillCombo(combo, keys.lines());
    return keys.lines();
}

} // namespace treluza
