#include "gui/widgets/FormContext.h"

#include "gui/widgets/QtText.h"

namespace treluza {

int ListPicker::pickCore(const QString& caption, const std::vector<std::string>& items, int selected)
{
    QStringList list;
    list.reserve(static_cast<qsizetype>(items.size()));
    for (const std::string& item : items)
        list << qs(item);
    return pick(caption, list, selected);
}

std::optional<int> applyBrowse(KeyedRecords& records, const BrowseResult& result)
{
    for (const std::string& line : result.copied)
        records.add(line);
    if (!result.chosen)
        return std::nullopt;
    return records.findKey(*result.chosen);
}

FormContext::FormContext(std::filesystem::path base, std::filesystem::path config,
                         std::filesystem::path helpText, SharedWindowSet& shared)
    : baseFolder(std::move(base)), configFile(std::move(config)), helpFile(std::move(helpText)), help(shared),
      picker(shared), namePrompt(shared), usage(shared), viewer(shared), browser(shared), m_shared(shared)
{
}

} // namespace treluza
