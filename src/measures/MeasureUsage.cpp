#include "measures/MeasureUsage.h"

#include "store/Cp1252.h"
#include "store/FileIo.h"
#include "store/PreparationWalk.h"
#include "store/RecordList.h"
#include "store/StrUnit.h"

namespace treluza {

namespace {

constexpr int kLineMeasureField = 11;

bool Holds(const std::string& line, std::string_view part)
{
    return !part.empty() && line.find(part) != std::string::npos;
}

}  // namespace

std::vector<std::string> ScanMeasureUse(const std::filesystem::path& base, std::string_view table,
                                        std::string_view ingredient, std::string_view paddedMeasure,
                                        MeasureOperation operation, ProgressSink& progress)
{
    std::vector<std::string> found;
    WalkPreparations(base, table, progress, [&](WalkedPreparation& prep) {
        for (const auto& line : prep.lines) {
            if (!Holds(line, paddedMeasure))
                continue;
            if (operation == MeasureOperation::Change && !Holds(line, ingredient))
                continue;
            found.push_back(Cp("Preparação  : ") + prep.name);
            found.push_back("Ingrediente : " + FieldOf(1, line));
            found.push_back(SeparatorLine('-'));
        }
    });
    return found;
}

int CarryMeasureRename(const std::filesystem::path& base, std::string_view table, std::string_view ingredient,
                       std::string_view oldPadded, std::string_view newPadded, ProgressSink& progress)
{
    int changed = 0;
    WalkPreparations(base, table, progress, [&](WalkedPreparation& prep) {
        bool fileChanged = false;
        for (auto& line : prep.lines) {
            if (Holds(line, ingredient) && ReplaceInField(line, kLineMeasureField, oldPadded, newPadded)) {
                fileChanged = true;
                ++changed;
            }
        }
        if (fileChanged)
            SaveLines(prep.file, prep.lines);
    });
    return changed;
}

std::string MeasureInUseMessage(MeasureOperation operation, std::string_view paddedMeasure)
{
    const std::string head = Cp(" A medida caseira <<<") + TrimTrailingSpaces(std::string(paddedMeasure)) + ">>>//";
    if (operation == MeasureOperation::Change) {
        return head + Cp(" não pode ser alterada porque é a medida definida para os//") +
               Cp(" ingredientes nas preparações listadas abaixo. Se realmente//") +
               Cp(" deseja alterá-la você deve excluí-la para os//") +
               Cp(" ingredientes das preparações da lista abaixo.//") +
               Cp(" Para facilitar seu trabalho imprima ou salve a lista.");
    }
    return head + Cp(" não pode ser excluida porque é a medida definida para os//") +
           Cp(" ingredientes nas preparações listadas abaixo. Se realmente//") +
           Cp(" deseja excluí-la você deve alterar a medida caseira para os//") +
           Cp(" ingredientes das preparações da lista abaixo.//") +
           Cp(" Para facilitar seu trabalho imprima ou salve a lista.");
}

}  // namespace treluza
