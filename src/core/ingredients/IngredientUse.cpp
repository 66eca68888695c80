#include "core/ingredients/IngredientUse.h"

#include "core/preparations/PreparationWalk.h"
#include "core/store/Cp1252.h"
#include "core/store/StrUnit.h"

namespace treluza {

std::vector<std::string> ScanIngredientUse(const std::filesystem::path& base, std::string_view table,
                                           std::string_view ingredient, ProgressSink& progress)
{
    std::vector<std::string> users;
    walkPreparations(base, table, progress, [&](const WalkedPreparation& prep) {
        if (ingredient.empty())
            return;
        for (const std::string& line : prep.lines) {
            if (line.find(ingredient) != std::string::npos)
                users.push_back(prep.name);
        }
    });
    return users;
}

std::string ingredientUseMessage(std::string_view ingredient)
{
    return cp("AVISO : // O ingrediente <<<") + TrimTrailingSpaces(std::string(ingredient)) + ">>>//" +
           cp(" está sendo utilizado pelas preparações listadas abaixo.//");
}

std::vector<std::string> messageLines(std::string_view text)
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
    lines.push_back(messageSeparator());
    return lines;
}

std::string messageSeparator()
{
    return separatorLine('=');
}

} // namespace treluza
