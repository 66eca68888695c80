#include "dialogs/IngredientUse.h"

#include "store/Cp1252.h"
#include "store/FileIo.h"
#include "store/Paths.h"
#include "store/RecordList.h"
#include "store/StrUnit.h"

namespace treluza {

namespace {

// Field of a preparation index line that holds the preparation's name.
constexpr int kIndexNameField = 1;

constexpr int kSeparatorWidth = 73;

} // namespace

std::vector<std::string> ScanIngredientUse(const std::filesystem::path& base, std::string_view table,
                                           std::string_view ingredient, ProgressSink& progress)
{
    // The index is read in file order, not sorted.
    const std::vector<std::string> index = LoadLines(PreparationIndexPath(base, table));
    std::vector<std::string> users;
    ProgressScope bar(progress, static_cast<int>(index.size()));
    for (std::size_t i = 0; i < index.size(); ++i) {
        bar.position(static_cast<int>(i));
        if (ingredient.empty())
            continue;
        const std::string preparation = FieldOf(kIndexNameField, index[i]);
        std::vector<std::string> lines;
        try {
            lines = LoadLines(PreparationFilePath(base, table, preparation));
        } catch (const UnusableNameError&) {
            continue;
        } catch (const FileReadError&) {
            continue;
        }
        for (const std::string& line : lines) {
            if (line.find(ingredient) != std::string::npos)
                users.push_back(preparation);
        }
    }
    return users;
}

std::string IngredientUseMessage(std::string_view ingredient)
{
    return Cp("AVISO : // O ingrediente <<<") + TrimTrailingSpaces(std::string(ingredient)) + ">>>//" +
           Cp(" está sendo utilizado pelas preparações listadas abaixo.//");
}

std::vector<std::string> MessageLines(std::string_view text)
{
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t mark = text.find("//");
        if (mark == std::string_view::npos) {
            lines.emplace_back(text);
            break;
        }
        lines.emplace_back(text.substr(0, mark));
        text.remove_prefix(mark + 2);
    }
    lines.push_back(MessageSeparator());
    return lines;
}

std::string MessageSeparator()
{
    return std::string(kSeparatorWidth, '=');
}

} // namespace treluza
