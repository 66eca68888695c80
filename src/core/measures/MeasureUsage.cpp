#include "core/measures/MeasureUsage.h"

#include "core/preparations/PreparationWalk.h"
#include "core/records/RecordLayouts.h"
#include "core/store/Cp1252.h"
#include "core/store/FileIo.h"
#include "core/store/Journal.h"
#include "core/store/RecordList.h"
#include "core/store/StrUnit.h"

namespace treluza {

namespace {

bool holds(const std::string& line, std::string_view part)
{
    return !part.empty() && line.find(part) != std::string::npos;
}

} // namespace

std::vector<std::string> scanMeasureUse(const std::filesystem::path& base, std::string_view table,
                                        std::string_view ingredient, std::string_view paddedMeasure,
                                        MeasureOperation operation, ProgressSink& progress)
{
    std::vector<std::string> found;
    walkPreparations(base, table, progress, [&](const WalkedPreparation& prep) {
        for (const auto& line : prep.lines) {
            if (!holds(line, paddedMeasure))
                continue;
            if (operation == MeasureOperation::Change && !holds(line, ingredient))
                continue;
            found.push_back(cp("Preparação  : ") + prep.name);
            found.push_back("Ingrediente : " + std::string(FieldOf(LineField::Name, line)));
            found.push_back(separatorLine('-'));
        }
    });
    return found;
}

int carryMeasureRename(const std::filesystem::path& base, std::string_view table, std::string_view ingredient,
                       std::string_view oldPadded, std::string_view newPadded, Transaction& changes,
                       ProgressSink& progress)
{
    int changed = 0;
    rewritePreparations(base, table, changes, progress, [&](WalkedPreparation& prep) {
        for (auto& line : prep.lines) {
            if (holds(line, ingredient) && replaceInField(line, LineField::Measure, oldPadded, newPadded))
                ++changed;
        }
    });
    return changed;
}

int carryMeasureRename(const std::filesystem::path& base, std::string_view table, std::string_view ingredient,
                       std::string_view oldPadded, std::string_view newPadded, ProgressSink& progress)
{
    return inTableTransaction(base, table, [&](Transaction& changes) {
        return carryMeasureRename(base, table, ingredient, oldPadded, newPadded, changes, progress);
    });
}

std::string measureInUseMessage(MeasureOperation operation, std::string_view paddedMeasure)
{
    const std::string head =
        cp(" A medida caseira <<<") + TrimTrailingSpaces(std::string(paddedMeasure)) + ">>>//";
    if (operation == MeasureOperation::Change) {
        return head + cp(" não pode ser alterada porque é a medida definida para os//") +
               cp(" ingredientes nas preparações listadas abaixo. Se realmente//") +
               cp(" deseja alterá-la você deve excluí-la para os//") +
               cp(" ingredientes das preparações da lista abaixo.//") +
               cp(" Para facilitar seu trabalho imprima ou salve a lista.");
    }
    return head + cp(" não pode ser excluida porque é a medida definida para os//") +
           cp(" ingredientes nas preparações listadas abaixo. Se realmente//") +
           cp(" deseja excluí-la você deve alterar a medida caseira para os//") +
           cp(" ingredientes das preparações da lista abaixo.//") +
           cp(" Para facilitar seu trabalho imprima ou salve a lista.");
}

} // namespace treluza
